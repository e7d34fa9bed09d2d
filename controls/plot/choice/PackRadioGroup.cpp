#include "controls/plot/choice/PackRadioGroup.h"

#include "controls/plot/axes/PixelRounding.h"
#include "controls/plot/core/PackDrawing.h"
#include "controls/plot/core/PackForms.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/gfx/Canvas.h"

#include <algorithm>
#include <cmath>

using korvan::forms::ClassBuilder;
using namespace korvan::plot;

namespace {

constexpr unsigned kCaptionFlags = itfLeft | itfVCenter;
constexpr unsigned kItemFlags = itfLeft | itfVCenter | itfNoClip;

struct Segment {
    int x1, y1, x2, y2;
};

// The rim of an item's circle, relative to its centre, per colour.
const std::vector<Segment>& DarkRim() {
    static const std::vector<Segment> s{{-4, -2, -4, 2},  {-3, 2, -3, 3},  {-3, -3, -3, -5},
                                        {-3, -4, -1, -4}, {-1, -5, 3, -5}, {3, -4, 5, -4}};
    return s;
}
const std::vector<Segment>& ShadowRim() {
    static const std::vector<Segment> s{{-5, -2, -5, 2},  {-4, 2, -4, 4},  {-4, -3, -4, -5},
                                        {-3, -5, -1, -5}, {-1, -6, 3, -6}, {3, -5, 5, -5}};
    return s;
}
const std::vector<Segment>& FaceRim() {
    static const std::vector<Segment> s{{6, -3, 6, -5}, {6, 2, 6, 6}, {5, -2, 5, 2},  {4, -3, 4, -2},
                                        {4, 2, 4, 4},   {5, 4, 5, 6}, {-5, 5, -1, 5}, {3, 5, 5, 5},
                                        {-1, 4, 3, 4},  {3, 3, 4, 3}, {-3, 3, -1, 3}};
    return s;
}
const std::vector<Segment>& HighlightRim() {
    static const std::vector<Segment> s{{5, -3, 5, -5}, {6, -2, 6, 2}, {5, 2, 5, 4},
                                        {3, 4, 5, 4},   {-1, 5, 3, 5}, {-3, 4, -1, 4}};
    return s;
}

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

} // namespace

const TClassInfo& TiRadioGroup::StaticClassInfo() {
    using R = TiRadioGroup;
    static const TClassInfo info = ClassBuilder<R>("TiRadioGroup", &TiCustomComponent::StaticClassInfo())
                                       .Creator()
                                       .Property("Caption", &R::Caption, &R::SetCaption)
                                       .Property("Font", &R::Font, &R::SetFont)
                                       .Property("Items", &R::Items, &R::SetItems)
                                       .Property("ItemIndex", &R::ItemIndex, &R::SetItemIndex)
                                       .Default(0)
                                       .Property("Columns", &R::Columns, &R::SetColumns)
                                       .Default(1)
                                       .Build();
    return info;
}

TiRadioGroup::TiRadioGroup(TComponent* owner)
    : TiPackChoiceControl(owner), font_(std::make_unique<TFont>()), items_(std::make_unique<TStringList>()) {
    SetBounds(Left(), Top(), 97, 17);
    font_->OnChange = [this] {
        ClampItemIndex();
        InvalidateChange();
    };
    items_->OnChange = [this](TObject*) {
        ClampItemIndex();
        InvalidateChange();
    };
}

TiRadioGroup::~TiRadioGroup() {
    font_->OnChange = nullptr;
    items_->OnChange = nullptr;
}

void TiRadioGroup::ClampItemIndex() {
    itemIndex_ = std::clamp(itemIndex_, -1, items_->Count() - 1);
}

void TiRadioGroup::SetCaption(const std::string& value) {
    if (value == caption_)
        return;
    caption_ = value;
    InvalidateChange();
}

void TiRadioGroup::SetColumns(int value) {
    if (value <= 0 || value == columns_)
        return;
    columns_ = value;
    InvalidateChange();
}

void TiRadioGroup::SetItems(TStrings* value) {
    if (value)
        items_->Assign(value);
}

void TiRadioGroup::SetFont(TFont* value) {
    if (value)
        font_->Assign(*value);
}

void TiRadioGroup::SetItemIndex(int value) {
    value = std::clamp(value, -1, items_->Count() - 1);
    if (value == itemIndex_)
        return;
    itemIndex_ = value;
    mouseDownIndex_ = value;
    InvalidateChange();
    DoChange();
}

void TiRadioGroup::DoChange() {
    TiPackChoiceControl::DoChange("ItemIndex");
}

// ---------------------------------------------------------------- layout and painting

void TiRadioGroup::CalcLayout(TCanvas& canvas) {
    const int th = canvas.TextHeight("ABC");
    maxRows_ = std::max(1, (items_->Count() + columns_ - 1) / columns_);
    itemsRowSpacing_ = double((Height() - th - th / 4) / maxRows_);
    itemsRowStart_ = SaturatedRound(th + itemsRowSpacing_ / 2);
    itemsColStart_ = 14;
    itemsColSpacing_ = double((Width() - 14) / columns_);
}

int TiRadioGroup::ItemAt(int x, int y) const {
    // A control too small for its rows or columns has no item spacing:
    // everything lies on the first row or column.
    const int row = itemsRowSpacing_ > 0 ? SaturatedRound((y - itemsRowStart_) / itemsRowSpacing_) : 0;
    if (columns_ == 1)
        return row;
    const int column =
        itemsColSpacing_ > 0 ? ClampToInt(SaturatedTrunc64((x - itemsColStart_ + 6) / itemsColSpacing_)) : 0;
    return ClampToInt(std::int64_t(column) * maxRows_ + row);
}

void TiRadioGroup::iPaintTo(TCanvas& canvas) {
    SetTransparent(true);
    DrawBackGround(canvas, BackGroundColor());
    canvas.Font().Assign(*font_);
    canvas.Brush().SetStyle(bsSolid);
    const int aw = canvas.TextWidth("A");
    const int th = canvas.TextHeight("ABC");
    const int h2 = th / 2;
    const int w = Width(), h = Height();
    canvas.Pen().SetColor(clBtnHighlight);
    Line(canvas, 1, h2 + 1, w - 2, h2 + 1);
    Line(canvas, 1, h2 + 1, 1, h - 1);
    canvas.Pen().SetColor(clBtnShadow);
    canvas.Polyline(
        {TPoint{0, h2}, TPoint{w - 2, h2}, TPoint{w - 2, h - 2}, TPoint{0, h - 2}, TPoint{0, h2}});
    canvas.Pen().SetColor(clBtnHighlight);
    Line(canvas, w - 1, h2 + 1, w - 1, h - 1);
    Line(canvas, w - 1, h - 1, 0, h - 1);

    canvas.Brush().SetColor(clWindow);
    canvas.Brush().SetStyle(bsSolid);
    TRect captionRect = Rect(aw, 0, aw + canvas.TextWidth(caption_), canvas.TextHeight(caption_));
    canvas.FillRect(captionRect);
    DrawText3D(canvas, caption_, captionRect, BackGroundColor(), Enabled(), kCaptionFlags);

    if (items_->Count() == 0)
        return;
    CalcLayout(canvas);
    for (int i = 0; i < items_->Count(); ++i) {
        const int row = i % maxRows_, column = i / maxRows_;
        DrawItem(canvas, i, itemsColStart_ + SaturatedRound(column * itemsColSpacing_),
                 itemsRowStart_ + SaturatedRound(row * itemsRowSpacing_));
    }
}

void TiRadioGroup::DrawItem(TCanvas& canvas, int index, int x, int y) {
    const bool pressed = (mouseDown_ || keyDown_) && mouseDownIndex_ == index;
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(pressed ? clBtnFace : clWhite);
    canvas.Pen().SetColor(pressed ? clBtnFace : clWhite);
    canvas.Rectangle(x - 3, y - 4, x + 5, y + 4);
    const std::pair<TColor, const std::vector<Segment>*> rims[] = {{cl3DDkShadow, &DarkRim()},
                                                                   {clBtnShadow, &ShadowRim()},
                                                                   {clBtnFace, &FaceRim()},
                                                                   {clBtnHighlight, &HighlightRim()}};
    for (const auto& [colour, segments] : rims) {
        canvas.Pen().SetColor(colour);
        for (const Segment& s : *segments)
            Line(canvas, x + s.x1, y + s.y1, x + s.x2, y + s.y2);
    }
    const std::string text = items_->Get(index);
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().SetColor(font_->Color());
    const int tw = canvas.TextWidth(text), th = canvas.TextHeight(text);
    TRect textRect = Rect(x + 12, y - th / 2, x + 12 + tw, y + th / 2);
    TRect drawn = textRect;
    DrawText3D(canvas, text, drawn, BackGroundColor(), Enabled(), kItemFlags);
    if (itemIndex_ == index) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(clBlack);
        canvas.Pen().SetColor(clBlack);
        canvas.Ellipse(x - 1, y - 2, x + 3, y + 2);
    }
    if (HasFocus() && ((mouseDown_ && mouseDownIndex_ == index) || (itemIndex_ == index && !mouseDown_))) {
        canvas.Font().SetColor(clWhite);
        canvas.Brush().SetColor(clBlack);
        DrawFocusRectangle(
            canvas, Rect(textRect.Left - 1, textRect.Top - 1, textRect.Right + 1, textRect.Bottom + 3));
    }
}

// ---------------------------------------------------------------- input

void TiRadioGroup::iMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    (void)shift;
    if (Press(button)) {
        mouseDownIndex_ = ItemAt(x, y);
        InvalidateChange();
    }
}

void TiRadioGroup::iMouseMove(TShiftState shift, int x, int y) {
    (void)shift;
    if (!mouseDown_)
        return;
    mouseDownIndex_ = ItemAt(x, y);
    InvalidateChange();
}

void TiRadioGroup::iMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    (void)button;
    (void)shift;
    if (Release() && mouseDownIndex_ >= 0 && mouseDownIndex_ < items_->Count() &&
        ItemAt(x, y) == mouseDownIndex_)
        AsUserChange([this] { SetItemIndex(mouseDownIndex_); });
}

void TiRadioGroup::DoWantSpecialKey(std::uint16_t& charCode, bool& result) const {
    TiCustomComponent::DoWantSpecialKey(charCode, result);
    if (charCode >= 37 && charCode <= 40)
        result = true;
}

void TiRadioGroup::iKeyDown(std::uint16_t& key, TShiftState shift) {
    (void)shift;
    keyDown_ = true;
    const int count = items_->Count();
    if (key == 39 || key == 40) {
        key = 0;
        if (count > 0)
            SetItemIndex(itemIndex_ + 1 >= count ? 0 : itemIndex_ + 1);
    } else if (key == 37 || key == 38) {
        key = 0;
        if (count > 0)
            SetItemIndex(itemIndex_ - 1 < 0 ? count - 1 : itemIndex_ - 1);
    }
    InvalidateChange();
}

void TiRadioGroup::iKeyUp(std::uint16_t& key, TShiftState shift) {
    (void)key;
    (void)shift;
    keyDown_ = false;
    InvalidateChange();
}
