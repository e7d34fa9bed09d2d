#include "controls/plot/editor/EditorListBox.h"

#include "controls/plot/editor/EditorForm.h"
#include "platform/forms/TypeInfo.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/gfx/Canvas.h"

#include <algorithm>

namespace {
// A press that moves less than this is a click, not a drag.
constexpr int kDragThreshold = 4;
} // namespace

const TClassInfo& TiComponentEditorListBox::StaticClassInfo() {
    static const TClassInfo info = korvan::forms::ClassBuilder<TiComponentEditorListBox>(
                                       "TiComponentEditorListBox", &TCustomControl::StaticClassInfo())
                                       .Creator()
                                       .Build();
    return info;
}

TiComponentEditorListBox::TiComponentEditorListBox(TComponent* owner)
    : TCustomControl(owner), items_(std::make_unique<TStringList>()) {
    SetTabStop(true);
    SetColor(clWindow);
    // The choice of a line is the click; a press and release is no other.
    SetControlStyle(ControlStyle() & ~TControlStyle(csClickEvents));
    SetBounds(Left(), Top(), 121, 97);
    items_->OnChange = [this](TObject*) {
        itemIndex_ = std::min(itemIndex_, items_->Count() - 1);
        SetTopIndex(topIndex_);
        Invalidate();
    };
}

TiComponentEditorListBox::~TiComponentEditorListBox() {
    items_->OnChange = nullptr;
}

int TiComponentEditorListBox::VisibleLines() const {
    return std::max(1, Height() / itemHeight_);
}

void TiComponentEditorListBox::SetItemIndex(int value) {
    value = std::clamp(value, -1, items_->Count() - 1);
    if (value == itemIndex_)
        return;
    itemIndex_ = value;
    KeepSelectionVisible();
    Invalidate();
}

void TiComponentEditorListBox::SetTopIndex(int value) {
    value = std::clamp(value, 0, std::max(0, items_->Count() - VisibleLines()));
    if (value == topIndex_)
        return;
    topIndex_ = value;
    Invalidate();
}

void TiComponentEditorListBox::SetItemHeight(int value) {
    itemHeight_ = std::max(1, value);
    Invalidate();
}

void TiComponentEditorListBox::KeepSelectionVisible() {
    if (itemIndex_ < 0)
        return;
    if (itemIndex_ < topIndex_)
        SetTopIndex(itemIndex_);
    else if (itemIndex_ >= topIndex_ + VisibleLines())
        SetTopIndex(itemIndex_ - VisibleLines() + 1);
}

void TiComponentEditorListBox::SelectByUser(int index) {
    if (index < 0 || index >= items_->Count())
        return;
    SetItemIndex(index);
    Click();
}

void TiComponentEditorListBox::SelectNear(int index) {
    if (items_->Count() > 0)
        SetItemIndex(std::min(index, items_->Count() - 1));
}

void TiComponentEditorListBox::DeleteSelectedObject() {
    const int i = itemIndex_;
    if (items_->Count() == 0 || i < 0)
        return;
    std::unique_ptr<TObject> object(items_->GetObject(i));
    items_->Delete(i);
    object.reset();
    SelectNear(i);
}

void TiComponentEditorListBox::DeleteObjectIndex(TObject* object) {
    const int found = items_->IndexOfObject(object);
    if (found < 0)
        return;
    const int i = itemIndex_;
    items_->Delete(found);
    SelectNear(i);
}

void TiComponentEditorListBox::DropAt(int y) {
    if (itemIndex_ < 0)
        return;
    const int target = std::min(ItemAtY(std::max(0, y)), items_->Count() - 1);
    if (target == itemIndex_)
        return;
    items_->Move(itemIndex_, target);
    SetItemIndex(target);
    if (OnItemMove)
        OnItemMove(this);
}

unsigned TiComponentEditorListBox::GetDlgCode() const {
    return DLGC_WANTTAB | DLGC_WANTALLKEYS;
}

void TiComponentEditorListBox::KeyDown(std::uint16_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == VK_UP && itemIndex_ > 0) {
        SelectByUser(itemIndex_ - 1);
        key = 0;
    } else if (key == VK_DOWN && itemIndex_ + 1 < items_->Count()) {
        SelectByUser(itemIndex_ + 1);
        key = 0;
    }
}

void TiComponentEditorListBox::KeyPress(char& key) {
    if (!korvan::plot::HandleTabKey(this, key))
        TCustomControl::KeyPress(key);
}

void TiComponentEditorListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (CanFocus())
        SetFocus();
    TCustomControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    SelectByUser(ItemAtY(y));
    dragging_ = itemIndex_ >= 0 && ItemAtY(y) == itemIndex_;
    dragMoved_ = false;
    dragStartY_ = y;
}

void TiComponentEditorListBox::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    if (dragging_ && std::abs(y - dragStartY_) >= kDragThreshold)
        dragMoved_ = true;
}

void TiComponentEditorListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    const bool drop = dragging_ && dragMoved_ && x >= 0 && x < Width();
    dragging_ = false;
    if (drop)
        DropAt(y);
}

bool TiComponentEditorListBox::DoMouseWheelDown(TShiftState, TPoint) {
    SetTopIndex(topIndex_ + 1);
    return true;
}

bool TiComponentEditorListBox::DoMouseWheelUp(TShiftState, TPoint) {
    SetTopIndex(topIndex_ - 1);
    return true;
}

void TiComponentEditorListBox::Paint() {
    TCanvas& canvas = Canvas();
    canvas.Brush().SetColor(clWindow);
    canvas.FillRect(Rect(0, 0, Width(), Height()));
    canvas.Font().Assign(Font());
    for (int index = topIndex_; index < items_->Count(); ++index) {
        const int top = (index - topIndex_) * itemHeight_;
        if (top >= Height())
            break;
        const TRect rect = Rect(0, top, Width(), top + itemHeight_);
        if (OnDrawItem)
            OnDrawItem(this, canvas, index, rect, index == itemIndex_);
        else
            DrawItem(canvas, index, rect, index == itemIndex_);
    }
}

void TiComponentEditorListBox::DrawItem(TCanvas& canvas, int index, const TRect& rect, bool selected) {
    bool drawColorBox = true;
    TColor color = clRed;
    std::string text = items_->Get(index);
    if (OnGetData)
        OnGetData(index, drawColorBox, color, text);
    canvas.Brush().SetColor(selected ? clTeal : clWindow);
    canvas.Font().SetColor(selected ? clWhite : clBlack);
    canvas.FillRect(rect);
    const int textTop = rect.Top + (itemHeight_ - canvas.TextHeight(text)) / 2;
    if (!drawColorBox) {
        canvas.TextOut(rect.Left + 2, textTop, text);
        return;
    }
    canvas.TextOut(rect.Left + 22, textTop, text);
    canvas.Brush().SetColor(color);
    canvas.Pen().SetColor(clBlack);
    canvas.Rectangle(rect.Left + 2, rect.Top + 1, rect.Left + 18, rect.Bottom - 1);
}
