#include "controls/plot/editor/LayoutViewer.h"

#include "controls/plot/axes/PixelRounding.h"
#include "controls/plot/core/PackDrawing.h"
#include "controls/plot/objects/TranslationManager.h"
#include "platform/gfx/Canvas.h"

#include <algorithm>
#include <cstdlib>

using korvan::forms::ClassBuilder;
using korvan::plot::SaturatedRound;

namespace {

// How near an object's end the mouse must be to grab it.
constexpr int kSizingReach = 6;
// Dragged ends move in steps of this many percent.
constexpr double kSizingStep = 1.25;

bool IsDataView(const TiPlotLayoutObject* object) {
    return object->LayoutRole() == TiLayoutRole::DataView;
}

bool IsPlaceholder(const TiPlotLayoutObject* object) {
    return object->LayoutRole() == TiLayoutRole::DataViewPlaceholder;
}

bool IsAxis(const TiPlotLayoutObject* object) {
    const TiLayoutRole role = object->LayoutRole();
    return role == TiLayoutRole::XAxis || role == TiLayoutRole::YAxis;
}

// Objects whose ends the user can drag.
bool IsSizable(const TiPlotLayoutObject* object) {
    switch (object->LayoutRole()) {
    case TiLayoutRole::XAxis:
    case TiLayoutRole::YAxis:
    case TiLayoutRole::Label:
    case TiLayoutRole::Table:
    case TiLayoutRole::Legend:
        return true;
    default:
        return false;
    }
}

// Axes share a row with axes, labels and legends with each other.
bool CanMerge(const TiPlotLayoutObject* moving, const TiPlotLayoutObject* into) {
    if (IsAxis(moving) && IsAxis(into))
        return true;
    auto labelOrLegend = [](const TiPlotLayoutObject* o) {
        return o->LayoutRole() == TiLayoutRole::Label || o->LayoutRole() == TiLayoutRole::Legend;
    };
    if (moving->LayoutRole() == TiLayoutRole::Legend && into->LayoutRole() == TiLayoutRole::Legend)
        return false;
    return labelOrLegend(moving) && labelOrLegend(into);
}

bool Contains(const TRect& rect, int x, int y) {
    return rect.Contains(Point(x, y));
}

int Percent(int length, double percent) {
    return SaturatedRound(length * percent / 100);
}

} // namespace

const TClassInfo& TiPlotLayoutViewer::StaticClassInfo() {
    using C = TiPlotLayoutViewer;
    static const TClassInfo info =
        ClassBuilder<C>("TiPlotLayoutViewer", &TiCustomComponent::StaticClassInfo()).Creator().Build();
    return info;
}

TiPlotLayoutViewer::TiPlotLayoutViewer(TComponent* owner)
    : TiCustomComponent(owner), font_(std::make_unique<TFont>()) {
    font_->SetName("Arial");
    font_->SetSize(10);
    font_->OnChange = [this] { InvalidateChange(); };
}

TiPlotLayoutViewer::~TiPlotLayoutViewer() {
    font_->OnChange = nullptr;
}

void TiPlotLayoutViewer::SetLayoutManager(TiPlotLayoutManager* value) {
    layoutManager_ = value;
    selectedBlock_ = resizeBlock_ = overLayoutObject_ = nullptr;
    dragOverRefBlock2_ = nullptr;
    editMode_ = ilemNone;
    blockList_.clear();
    InvalidateChange();
}

void TiPlotLayoutViewer::SetTranslationManager(TiPlotTranslationManager* value) {
    translationManager_ = value;
    InvalidateChange();
}

void TiPlotLayoutViewer::SetSelectedObject(TiPlotLayoutObject* value) {
    selectedBlock_ = value;
    InvalidateChange();
}

std::vector<TiPlotLayoutObject*> TiPlotLayoutViewer::Objects() const {
    std::vector<TiPlotLayoutObject*> out;
    if (!layoutManager_)
        return out;
    out.reserve(std::size_t(layoutManager_->Count()));
    for (int i = 0; i < layoutManager_->Count(); ++i)
        out.push_back(layoutManager_->Items(i));
    return out;
}

TiPlotLayoutObject* TiPlotLayoutViewer::GetMouseOverBlock(int x, int y) const {
    for (TiPlotLayoutObject* object : Objects())
        if (!IsPlaceholder(object) && Contains(object->LayoutRect(), x, y))
            return object;
    return nullptr;
}

const TBlockObject* TiPlotLayoutViewer::GetMouseOverBlock2(int x, int y) const {
    for (const TBlockObject& cell : blockList_) {
        const TRect& r = cell.ARect;
        if (!Contains(r, x, y))
            continue;
        if (cell.ToolBar) {
            if (y >= (r.Top + r.Bottom) / 2)
                return &cell;
        } else if (cell.DataView) {
            const bool nearEdge = cell.Horizontal ? y < r.Top + cellWidth_ || y >= r.Bottom - cellWidth_
                                                  : x < r.Left + cellWidth_ || x >= r.Right - cellWidth_;
            if (nearEdge)
                return &cell;
        } else {
            return &cell;
        }
    }
    return nullptr;
}

// --- geometry ---

void TiPlotLayoutViewer::ComputeGeometry(TCanvas& canvas) {
    const TRect client = ClientRect();
    viewRect_ = Rect(client.Left + 5, client.Top + 5, client.Right - 5, client.Bottom - 5);
    if (!layoutManager_)
        return;
    canvas.Font().Assign(*font_);
    cellWidth_ = SaturatedRound(canvas.TextHeight("ABC") * 1.1);
    const TiPlotLayoutManager& m = *layoutManager_;
    dataViewRect_ = Rect(viewRect_.Left + cellWidth_ * m.LeftUniqueCount(),
                         viewRect_.Top + cellWidth_ * m.TopUniqueCount(),
                         viewRect_.Right - cellWidth_ * m.RightUniqueCount(),
                         viewRect_.Bottom - cellWidth_ * m.BottomUniqueCount());
    dataViewWidth_ = dataViewRect_.Right - dataViewRect_.Left;
    dataViewHeight_ = dataViewRect_.Bottom - dataViewRect_.Top;
    // The cells stay as they are while one of them is shown as the drop.
    if (!dragOverRefBlock2_)
        BuildCells();
    PlaceObjects();
}

void TiPlotLayoutViewer::BuildCells() {
    const TiPlotLayoutManager& m = *layoutManager_;
    const TRect& dv = dataViewRect_;
    const int c = cellWidth_;
    blockList_.clear();
    int z = 0;
    for (int i = 0; i < m.LeftUniqueCount(); ++i)
        blockList_.push_back({Rect(viewRect_.Left + c * i, dv.Top, viewRect_.Left + c * (i + 1), dv.Bottom),
                              z++, false, false, false});
    blockList_.push_back({dv, z, false, true, false});
    for (int i = 0; i < m.RightUniqueCount(); ++i)
        blockList_.push_back(
            {Rect(dv.Right + c * i, dv.Top, dv.Right + c * (i + 1), dv.Bottom), ++z, false, false, false});
    z = m.TopUniqueCount() + m.BottomUniqueCount();
    for (int i = 0; i < m.TopUniqueCount(); ++i)
        blockList_.push_back(
            {Rect(viewRect_.Left, viewRect_.Top + c * i, viewRect_.Right, viewRect_.Top + c * (i + 1)), z--,
             true, false, i == 0});
    blockList_.push_back({dv, z, true, true, false});
    for (int i = 0; i < m.BottomUniqueCount(); ++i)
        blockList_.push_back(
            {Rect(viewRect_.Left, dv.Bottom + c * i, viewRect_.Right, dv.Bottom + c * (i + 1)), --z, true,
             false, false});
}

void TiPlotLayoutViewer::PlaceObjects() {
    const TiPlotLayoutManager& m = *layoutManager_;
    const TRect& dv = dataViewRect_;
    const int c = cellWidth_;
    const int horzRow = m.DataViewHorz() ? m.DataViewHorz()->ZOrder() : 0;
    const int vertRow = m.DataViewVert() ? m.DataViewVert()->ZOrder() : 0;
    for (TiPlotLayoutObject* object : Objects()) {
        if (IsDataView(object) || IsPlaceholder(object)) {
            object->SetLayoutRect(dv);
            continue;
        }
        TRect r;
        if (object->Horizontal()) {
            const int d = object->ZOrder() - horzRow;
            if (d > 0) {
                r.Top = dv.Top - c * d;
                r.Bottom = dv.Top - c * (d - 1);
            } else {
                r.Top = dv.Bottom + c * (-d - 1);
                r.Bottom = dv.Bottom + c * -d;
            }
            const int left = IsAxis(object) ? dv.Left : viewRect_.Left;
            const int width = IsAxis(object) ? dataViewWidth_ : viewRect_.Right - viewRect_.Left;
            r.Left = left + Percent(width, object->StartPercent());
            r.Right = left + Percent(width, object->StopPercent());
        } else {
            const int d = object->ZOrder() - vertRow;
            if (d > 0) {
                r.Left = dv.Right + c * (d - 1);
                r.Right = dv.Right + c * d;
            } else {
                r.Left = dv.Left - c * -d;
                r.Right = dv.Left - c * (-d - 1);
            }
            r.Top = dv.Bottom - Percent(dataViewHeight_, object->StopPercent());
            r.Bottom = dv.Bottom - Percent(dataViewHeight_, object->StartPercent());
        }
        object->SetLayoutRect(r);
    }
}

// --- painting ---

void TiPlotLayoutViewer::iPaintTo(TCanvas& canvas) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clBlue);
    canvas.FillRect(canvas.ClipRect());
    ForgetRemoved();
    ComputeGeometry(canvas);
    canvas.Brush().SetColor(clWhite);
    canvas.FillRect(viewRect_);
    if (!layoutManager_)
        return;
    PaintBlocks(canvas);
    PaintDropFrame(canvas);
}

std::string TiPlotLayoutViewer::DisplayName(const TiPlotLayoutObject& object) const {
    return translationManager_ ? translationManager_->FindReplacement(object.Name()) : object.Name();
}

void TiPlotLayoutViewer::PaintBlocks(TCanvas& canvas) {
    const TiPlotDataViewVert* vert = layoutManager_->DataViewVert();
    for (TiPlotLayoutObject* object : Objects()) {
        if (IsDataView(object) || object == vert)
            continue;
        canvas.Pen().SetColor(clBlack);
        canvas.Pen().SetStyle(psClear);
        canvas.Brush().SetColor(object == selectedBlock_ ? clYellow : clSilver);
        canvas.Brush().SetStyle(object->Visible() ? bsSolid : bsDiagCross);
        canvas.Rectangle(object->LayoutRect());
        canvas.Brush().SetStyle(bsClear);
        canvas.Font().Assign(*font_);
        TRect textRect;
        korvan::plot::DrawRotatedText(canvas, DisplayName(*object), object->LayoutRect(), font_->Color(),
                                      true, iahCenter, object->Horizontal() ? ira000 : ira090, textRect);
    }
}

void TiPlotLayoutViewer::PaintDropFrame(TCanvas& canvas) {
    TRect frame;
    if (overLayoutObject_) {
        frame = overLayoutObject_->LayoutRect();
    } else if (dragOverRefBlock2_) {
        const TBlockObject& cell = *dragOverRefBlock2_;
        frame = cell.ARect;
        const int half = cellWidth_ / 2;
        const bool below = insertDirection_ == iidBelow;
        const bool above = insertDirection_ == iidAbove;
        if (cell.DataView) {
            const TRect& dv = dataViewRect_;
            if (cell.Horizontal && below)
                frame = Rect(viewRect_.Left, dv.Bottom - cellWidth_, viewRect_.Right, dv.Bottom);
            else if (cell.Horizontal && above)
                frame = Rect(viewRect_.Left, dv.Top, viewRect_.Right, dv.Top + cellWidth_);
            else if (below)
                frame = Rect(dv.Left, dv.Top, dv.Left + cellWidth_, dv.Bottom);
            else if (above)
                frame = Rect(dv.Right - cellWidth_, dv.Top, dv.Right, dv.Bottom);
        } else if (cell.Horizontal) {
            frame = frame.Offset(0, below ? half : above ? -(half - 1) : 0);
        } else {
            frame = frame.Offset(below ? -half : above ? half + 1 : 0, 0);
        }
    } else {
        return;
    }
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetColor(clBlack);
    canvas.Pen().SetWidth(2);
    canvas.Brush().SetStyle(bsClear);
    canvas.Rectangle(frame);
    canvas.Pen().SetWidth(1);
}

// --- mouse ---

void TiPlotLayoutViewer::ForgetRemoved() {
    const std::vector<TiPlotLayoutObject*> listed = Objects();
    for (TiPlotLayoutObject** held : {&selectedBlock_, &resizeBlock_, &overLayoutObject_})
        if (*held && std::find(listed.begin(), listed.end(), *held) == listed.end())
            *held = nullptr;
}

void TiPlotLayoutViewer::iMouseDown(TMouseButton, TShiftState shift, int x, int y) {
    TiPlotLayoutObject* object = GetMouseOverBlock(x, y);
    if (!object || IsDataView(object) || object->LayoutRole() == TiLayoutRole::Toolbar)
        return;
    selectedBlock_ = object;
    mouseDown_ = true;
    mouseDownX_ = x;
    mouseDownY_ = y;
    if (!(shift & ssLeft))
        insertDirection_ = iidMerge;
    if (resizeBlock_) {
        editMode_ = ilemSize;
        mouseDownStartPercent_ = resizeBlock_->StartPercent();
        mouseDownStopPercent_ = resizeBlock_->StopPercent();
    } else {
        editMode_ = ilemDrag;
    }
    InvalidateChange();
}

void TiPlotLayoutViewer::iMouseMove(TShiftState shift, int x, int y) {
    ForgetRemoved();
    SetCursor(crArrow);
    const bool leftHeld = (shift & ssLeft) != 0;
    if (editMode_ == ilemDrag && !leftHeld)
        return;
    overLayoutObject_ = nullptr;
    dragOverRefBlock2_ = nullptr;
    if (editMode_ == ilemNone)
        HoverForResize(x, y);
    else if (editMode_ == ilemDrag)
        DragOver(x, y);
    else if (leftHeld)
        SizeTo(x, y);
    InvalidateChange();
}

void TiPlotLayoutViewer::HoverForResize(int x, int y) {
    TiPlotLayoutObject* object = GetMouseOverBlock(x, y);
    // Only axes, labels, tables and legends have ends to drag; anything
    // else under the mouse forgets a block grabbed earlier.
    resizeBlock_ = nullptr;
    if (!object || !IsSizable(object))
        return;
    const TRect r = object->LayoutRect();
    if (object->Horizontal()) {
        if (std::abs(x - r.Left) <= kSizingReach)
            sizingSide_ = ilssStart;
        else if (std::abs(x - r.Right) <= kSizingReach)
            sizingSide_ = ilssStop;
        else
            return;
        SetCursor(crSizeWE);
    } else {
        if (std::abs(y - r.Bottom) <= kSizingReach)
            sizingSide_ = ilssStart;
        else if (std::abs(y - r.Top) <= kSizingReach)
            sizingSide_ = ilssStop;
        else
            return;
        SetCursor(crSizeNS);
    }
    resizeBlock_ = object;
}

TiPlotLayoutObject* TiPlotLayoutViewer::ReferenceObject(const TBlockObject& cell) const {
    const TiPlotLayoutObject* otherPlaceholder =
        cell.Horizontal ? static_cast<const TiPlotLayoutObject*>(layoutManager_->DataViewVert())
                        : static_cast<const TiPlotLayoutObject*>(layoutManager_->DataViewHorz());
    for (TiPlotLayoutObject* object : Objects())
        if (object != selectedBlock_ && !IsDataView(object) && object != otherPlaceholder &&
            object->ZOrder() == cell.ZOrder && object->Horizontal() == cell.Horizontal)
            return object;
    return nullptr;
}

void TiPlotLayoutViewer::DragOver(int x, int y) {
    if (!selectedBlock_)
        return;
    TiPlotLayoutObject* over = GetMouseOverBlock(x, y);
    if (over && !IsDataView(over) && over != selectedBlock_ &&
        over->Horizontal() == selectedBlock_->Horizontal() && over->ZOrder() == selectedBlock_->ZOrder())
        overLayoutObject_ = over;
    const TBlockObject* cell = GetMouseOverBlock2(x, y);
    if (!cell || (IsAxis(selectedBlock_) && cell->Horizontal != selectedBlock_->Horizontal()))
        return;
    dragOverRefBlock2_ = cell;
    const TiPlotLayoutObject* reference = ReferenceObject(*cell);
    if (!reference)
        return;
    const TRect& r = cell->ARect;
    // Where the mouse lies across the band, 0 at its outer start (top or
    // left) to 1 at its end.
    const double across = cell->Horizontal ? double(y - r.Top) / std::max(1, r.Bottom - r.Top)
                                           : double(x - r.Left) / std::max(1, r.Right - r.Left);
    if (CanMerge(selectedBlock_, reference)) {
        if (cell->ToolBar) {
            if (across >= 2.0 / 3)
                insertDirection_ = iidBelow;
            else
                dragOverRefBlock2_ = nullptr;
        } else if (cell->Horizontal) {
            insertDirection_ = across >= 2.0 / 3 ? iidBelow : across >= 1.0 / 3 ? iidMerge : iidAbove;
        } else {
            insertDirection_ = across < 1.0 / 3 ? iidBelow : across < 2.0 / 3 ? iidMerge : iidAbove;
        }
    } else if (cell->Horizontal) {
        insertDirection_ = across >= 0.5 ? iidBelow : iidAbove;
    } else {
        insertDirection_ = across < 0.5 ? iidBelow : iidAbove;
    }
}

void TiPlotLayoutViewer::SizeTo(int x, int y) {
    if (!resizeBlock_)
        return;
    const double travel = resizeBlock_->Horizontal() ? double(x - mouseDownX_) / std::max(1, dataViewWidth_)
                                                     : double(mouseDownY_ - y) / std::max(1, dataViewHeight_);
    const double percent = double(Round(travel * 100 / kSizingStep)) * kSizingStep;
    if (sizingSide_ == ilssStart)
        resizeBlock_->SetStartPercent(mouseDownStartPercent_ + percent);
    else
        resizeBlock_->SetStopPercent(mouseDownStopPercent_ + percent);
}

void TiPlotLayoutViewer::iMouseUp(TMouseButton, TShiftState, int, int) {
    ForgetRemoved();
    if (editMode_ == ilemDrag && dragOverRefBlock2_ && selectedBlock_) {
        if (overLayoutObject_) {
            const double start = overLayoutObject_->StartPercent();
            const double stop = overLayoutObject_->StopPercent();
            overLayoutObject_->SetStartStopPercent(selectedBlock_->StartPercent(),
                                                   selectedBlock_->StopPercent());
            selectedBlock_->SetStartStopPercent(start, stop);
            Changed();
        } else if (dragOverRefBlock2_->Horizontal == selectedBlock_->Horizontal()) {
            DropSameDirection();
        } else {
            DropOtherDirection();
        }
    } else if (editMode_ == ilemSize && resizeBlock_) {
        Changed();
    }
    editMode_ = ilemNone;
    mouseDown_ = false;
    SetCursor(crArrow);
    overLayoutObject_ = nullptr;
    dragOverRefBlock2_ = nullptr;
    selectedBlock_ = nullptr;
    resizeBlock_ = nullptr;
    InvalidateChange();
}

void TiPlotLayoutViewer::DropSameDirection() {
    const TBlockObject& cell = *dragOverRefBlock2_;
    TiPlotLayoutObject* reference = ReferenceObject(cell);
    if (insertDirection_ != iidMerge) {
        if (!reference)
            return;
        layoutManager_->RemoveZOrder(selectedBlock_);
        layoutManager_->InsertZOrder(selectedBlock_, reference->ZOrder(), insertDirection_);
        selectedBlock_->SetStartStopPercent(0, 100);
        // A move within the direction is a change like any other.
        Changed();
        return;
    }
    std::vector<TiPlotLayoutObject*> band;
    for (TiPlotLayoutObject* object : Objects())
        if (object != selectedBlock_ && !IsDataView(object) && !IsPlaceholder(object) &&
            object->Horizontal() == cell.Horizontal && object->ZOrder() == cell.ZOrder)
            band.push_back(object);
    band.push_back(selectedBlock_);
    const double share = 100.0 / double(band.size());
    for (std::size_t k = 0; k < band.size(); ++k) {
        band[k]->SetStopPercent(share * double(k + 1));
        band[k]->SetStartPercent(share * double(k));
    }
    if (reference) {
        layoutManager_->RemoveZOrder(selectedBlock_);
        layoutManager_->InsertZOrder(selectedBlock_, reference->ZOrder(), iidMerge);
    }
    Changed();
}

void TiPlotLayoutViewer::DropOtherDirection() {
    TiPlotLayoutObject* reference = ReferenceObject(*dragOverRefBlock2_);
    if (!reference)
        return;
    const bool horizontal = dragOverRefBlock2_->Horizontal;
    layoutManager_->RemoveZOrder(selectedBlock_);
    selectedBlock_->SetHorizontal(horizontal);
    layoutManager_->InsertZOrder(selectedBlock_, reference->ZOrder(), insertDirection_);
    Changed();
}

void TiPlotLayoutViewer::Changed() {
    if (OnChange)
        OnChange(this);
}
