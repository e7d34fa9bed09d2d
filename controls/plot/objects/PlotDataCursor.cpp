#include "controls/plot/objects/PlotDataCursor.h"

#include "controls/plot/channels/PlotChannelCustom.h"
#include "controls/plot/core/PackDrawing.h"
#include "controls/plot/objects/OverlayHost.h"
#include "controls/plot/objects/OverlaySupport.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/gfx/Canvas.h"

#include <algorithm>

using korvan::forms::ClassBuilder;
using korvan::plot::DataViewGeometry;
using korvan::plot::OverlayHostOf;

namespace korvan::plot {
const std::vector<std::string>& DataCursorStyleNames() {
    static const std::vector<std::string> names{"ipcsValueXY", "ipcsValueX", "ipcsValueY",
                                                "ipcsDeltaX",  "ipcsDeltaY", "ipcsInverseDeltaX"};
    return names;
}
} // namespace korvan::plot

const TClassInfo& TiPlotDataCursor::StaticClassInfo() {
    using D = TiPlotDataCursor;
    using namespace korvan::plot;
    static const TClassInfo info =
        ClassBuilder<D>("TiPlotDataCursor", &TiPlotManagerObject::StaticClassInfo())
            .Property("ChannelName", &D::ChannelName, &D::SetChannelName)
            .Property("ChannelAllowAll", &D::ChannelAllowAll, &D::SetChannelAllowAll)
            .Default(true)
            .Property("ChannelShowAllInLegend", &D::ChannelShowAllInLegend, &D::SetChannelShowAllInLegend)
            .Default(true)
            .Enum("Style", &D::Style, &D::SetStyle, DataCursorStyleNames(), "TiPlotDataCursorStyle")
            .Default(ipcsValueXY)
            .Property("Font", &D::Font, &D::SetFont)
            .Property("Color", &D::Color, &D::SetColor)
            .TypeName("TColor")
            .Default(clYellow)
            .Property("UseChannelColor", &D::UseChannelColor, &D::SetUseChannelColor)
            .Default(true)
            .Property("HintShow", &D::HintShow, &D::SetHintShow)
            .Default(true)
            .Property("HintHideOnRelease", &D::HintHideOnRelease, &D::SetHintHideOnRelease)
            .Default(false)
            .Enum("HintOrientationSide", &D::HintOrientationSide, &D::SetHintOrientationSide,
                  OrientationSideNames(), "TiOrientationSide")
            .Default(iosBottomRight)
            .Property("HintPosition", &D::HintPosition, &D::SetHintPosition)
            .Property("Pointer1Position", &D::Pointer1Position, &D::SetPointer1Position)
            .Property("Pointer2Position", &D::Pointer2Position, &D::SetPointer2Position)
            .Property("PointerPenWidth", &D::PointerPenWidth, &D::SetPointerPenWidth)
            .Default(1)
            .Property("MenuUserCanChangeOptions", &D::MenuUserCanChangeOptions,
                      &D::SetMenuUserCanChangeOptions)
            .Default(true)
            .Property("SnapToDataPoint", &D::SnapToDataPoint, &D::SetSnapToDataPoint)
            .Default(false)
            .Property("UseCachedInterpolatedData", &D::UseCachedInterpolatedData,
                      &D::SetUseCachedInterpolatedData)
            .Default(false)
            .Property("MenuItemVisibleValueXY", &D::MenuItemVisibleValueXY, &D::SetMenuItemVisibleValueXY)
            .Default(true)
            .Property("MenuItemVisibleValueX", &D::MenuItemVisibleValueX, &D::SetMenuItemVisibleValueX)
            .Default(true)
            .Property("MenuItemVisibleValueY", &D::MenuItemVisibleValueY, &D::SetMenuItemVisibleValueY)
            .Default(true)
            .Property("MenuItemVisibleDeltaX", &D::MenuItemVisibleDeltaX, &D::SetMenuItemVisibleDeltaX)
            .Default(true)
            .Property("MenuItemVisibleDeltaY", &D::MenuItemVisibleDeltaY, &D::SetMenuItemVisibleDeltaY)
            .Default(true)
            .Property("MenuItemVisibleInverseDeltaX", &D::MenuItemVisibleInverseDeltaX,
                      &D::SetMenuItemVisibleInverseDeltaX)
            .Default(true)
            .Property("MenuItemCaptionValueXY", &D::MenuItemCaptionValueXY, &D::SetMenuItemCaptionValueXY)
            .Property("MenuItemCaptionValueX", &D::MenuItemCaptionValueX, &D::SetMenuItemCaptionValueX)
            .Property("MenuItemCaptionValueY", &D::MenuItemCaptionValueY, &D::SetMenuItemCaptionValueY)
            .Property("MenuItemCaptionDeltaX", &D::MenuItemCaptionDeltaX, &D::SetMenuItemCaptionDeltaX)
            .Property("MenuItemCaptionDeltaY", &D::MenuItemCaptionDeltaY, &D::SetMenuItemCaptionDeltaY)
            .Property("MenuItemCaptionInverseDeltaX", &D::MenuItemCaptionInverseDeltaX,
                      &D::SetMenuItemCaptionInverseDeltaX)
            .Build();
    return info;
}

TiPlotDataCursor::TiPlotDataCursor(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                                   TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotManagerObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                          std::move(onRename)),
      font_(std::make_unique<TFont>()) {
    font_->OnChange = [this] { DoChange(); };
    TiPlotObject::SetVisible(false);
    SetEnabled(true);
    SetupPointers();
}

TiPlotDataCursor::~TiPlotDataCursor() {
    font_->OnChange = nullptr;
}

// ---------------------------------------------------------------- settings

void TiPlotDataCursor::SetChannelName(const std::string& value) {
    if (value == channelName_)
        return;
    channelName_ = value;
    channel_ = nullptr;
    DoChange();
}

void TiPlotDataCursor::SetStyle(TiPlotDataCursorStyle value) {
    if (value == style_)
        return;
    style_ = value;
    SetupPointers();
    DoChange();
}

void TiPlotDataCursor::SetFont(TFont* value) {
    if (value)
        font_->Assign(*value);
}

void TiPlotDataCursor::SetHintOrientationSide(TiOrientationSide value) {
    if (value == hintOrientationSide_)
        return;
    hintOrientationSide_ = value;
    DoChange();
}

void TiPlotDataCursor::SetPointer1Position(double value) {
    SetDoubleProperty(std::clamp(value, 0.0, 100.0), pointer1Position_, &TiPlotObject::DoChange);
}

void TiPlotDataCursor::SetPointer2Position(double value) {
    SetDoubleProperty(std::clamp(value, 0.0, 100.0), pointer2Position_, &TiPlotObject::DoChange);
}

void TiPlotDataCursor::SetVisible(bool value) {
    TiPlotManagerObject::SetVisible(value);
    if (value)
        Update();
}

void TiPlotDataCursor::SetXYAxesReversed(bool value) {
    TiPlotManagerObject::SetXYAxesReversed(value);
    SetupPointers();
}

bool TiPlotDataCursor::IsXYPlot() const {
    const IiPlotOverlayHost* host = OverlayHostOf(Owner());
    return host && host->IsXYPlot();
}

void TiPlotDataCursor::SetupPointers() {
    const bool xy = IsXYPlot();
    pointer1Show_ = pointer2Show_ = true;
    switch (style_) {
    case ipcsValueXY:
    case ipcsValueX:
    case ipcsValueY:
        if (!xy || style_ == ipcsValueX) {
            pointer1Orientation_ = ioVertical;
            pointer2Show_ = false;
            hintOrientation_ = ioVertical;
        } else if (style_ == ipcsValueY) {
            pointer1Show_ = false;
            pointer2Orientation_ = ioHorizontal;
            hintOrientation_ = ioHorizontal;
        } else {
            pointer1Orientation_ = ioVertical;
            pointer2Orientation_ = ioHorizontal;
            hintOrientation_ = ioVertical;
        }
        break;
    case ipcsDeltaX:
    case ipcsInverseDeltaX:
        pointer1Orientation_ = pointer2Orientation_ = hintOrientation_ = ioVertical;
        break;
    case ipcsDeltaY:
        pointer1Orientation_ = pointer2Orientation_ = hintOrientation_ = ioHorizontal;
        break;
    }
    if (XYAxesReversed()) {
        auto invert = [](TiOrientation o) { return o == ioVertical ? ioHorizontal : ioVertical; };
        pointer1Orientation_ = invert(pointer1Orientation_);
        pointer2Orientation_ = invert(pointer2Orientation_);
        hintOrientation_ = invert(hintOrientation_);
    }
}

// ---------------------------------------------------------------- channels

bool TiPlotDataCursor::AllChannelsChosen() const {
    return channelName_ == AllChannels;
}

TiPlotChannelCustom* TiPlotDataCursor::Channel() {
    if (!channel_ && !AllChannelsChosen())
        if (IiPlotOverlayHost* host = OverlayHostOf(Owner()))
            channel_ = host->OverlayChannelByName(channelName_);
    return channel_;
}

void TiPlotDataCursor::Update() {
    IiPlotOverlayHost* host = OverlayHostOf(Owner());
    if (!host)
        return;
    host->DoBeforeDataCursorUpdate(this);
    if (AllChannelsChosen()) {
        for (int i = 0; i < host->ChannelCount(); ++i)
            host->OverlayChannel(i)->UpdateDataCursor(*this);
    } else if (TiPlotChannelCustom* channel = Channel()) {
        channel->UpdateDataCursor(*this);
    }
}

bool TiPlotDataCursor::PositionPercentToPixelsX(double percent, int& pixels) const {
    const DataViewGeometry view(Owner());
    pixels = view.PercentToPixelsX(percent);
    return view.Valid();
}

bool TiPlotDataCursor::PositionPercentToPixelsY(double percent, int& pixels) const {
    const DataViewGeometry view(Owner());
    pixels = view.PercentToPixelsY(percent);
    return view.Valid();
}

void TiPlotDataCursor::SetValues(double x, double y, TiPlotDataPointStatus status) {
    if (x == valueX_ && y == valueY_ && status == status_)
        return;
    valueX_ = x;
    valueY_ = y;
    status_ = status;
    if (IiPlotOverlayHost* host = OverlayHostOf(Owner()))
        host->DoDataCursorChange(this);
}

void TiPlotDataCursor::NotifyRemove(TObject* sender) {
    if (sender == channel_)
        channel_ = nullptr;
}

void TiPlotDataCursor::NotifyRename(TObject* sender) {
    if (channel_ && sender == channel_)
        channelName_ = channel_->Name();
}

void TiPlotDataCursor::NotifySetFocus(TObject* sender) {
    auto* other = dynamic_cast<TiPlotObject*>(sender);
    if (!other || other == this || !other->UserSelected())
        return;
    auto* channel = dynamic_cast<TiPlotChannelCustom*>(other);
    if (channel && channel != Channel() && UserSelected()) {
        // The selected cursor follows the channel the user picks.
        channelName_ = channel->Name();
        channel_ = channel;
        return;
    }
    SetUserSelected(false);
}

void TiPlotDataCursor::DoGotFocus() {
    TiPlotManagerObject::DoGotFocus();
    if (TiPlotChannelCustom* channel = Channel())
        channel->SetUserSelected(true);
}

void TiPlotDataCursor::Repaint() {
    if (OnInvalidateNow)
        OnInvalidateNow(this);
}

// ---------------------------------------------------------------- drawing

TColor TiPlotDataCursor::PointerColor() {
    TiPlotChannelCustom* channel = Channel();
    return useChannelColor_ && channel ? channel->Color() : color_;
}

void TiPlotDataCursor::DrawPointer(TCanvas& canvas, bool second, const TRect& view) {
    const bool dragged = second ? mouseDownPointer2_ : mouseDownPointer1_;
    canvas.Pen().SetWidth(dragged ? 0 : pointerPenWidth_);
    const DataViewGeometry geometry(Owner());
    const double position = second ? pointer2Position_ : pointer1Position_;
    TRect& grab = second ? pointer2Rect_ : pointer1Rect_;
    if (OrientationOf(second) == ioVertical) {
        const int x = geometry.PercentToPixelsX(position);
        canvas.MoveTo(x, view.Top);
        canvas.LineTo(x, view.Bottom);
        grab = TRect{x - 5, view.Top, x + 6, view.Bottom};
    } else {
        const int y = geometry.PercentToPixelsY(position);
        canvas.MoveTo(view.Left, y);
        canvas.LineTo(view.Right, y);
        grab = TRect{view.Left, y - 5, view.Right, y + 6};
    }
}

void TiPlotDataCursor::Draw(TCanvas& canvas, TColor backGroundColor) {
    (void)backGroundColor;
    hintShowing_ = false;
    const DataViewGeometry geometry(Owner());
    if (!geometry.Valid() || !Visible())
        return;
    SetupPointers();
    Update();
    canvas.Pen().SetColor(PointerColor());
    canvas.Pen().SetStyle(psSolid);
    if (pointer1Show_)
        DrawPointer(canvas, false, geometry.Rect());
    if (pointer2Show_)
        DrawPointer(canvas, true, geometry.Rect());
    const bool dragging = mouseDownPointer1_ || mouseDownPointer2_;
    if (hintShow_ && !AllChannelsChosen() && (!hintHideOnRelease_ || dragging)) {
        DrawHint(canvas, geometry.Rect());
        hintShowing_ = true;
    }
}

void TiPlotDataCursor::DrawHint(TCanvas& canvas, const TRect& view) {
    using namespace korvan::plot;
    TiPlotChannelCustom* channel = Channel();
    std::string text = channel ? cursorDisplayText_ : GetTranslation("No Channel");
    if (IiPlotOverlayHost* host = OverlayHostOf(Owner()))
        host->DoDataCursorCustomizeHint(this, text);
    canvas.Font().Assign(*font_);
    const int tw = MultiLineTextWidth(canvas, text);
    const int th = GetWrappedTextHeight(canvas, text, tw);
    const int aw = canvas.TextWidth("A");
    hintHeight_ = aw / 2 + th;
    hintWidth_ = tw + aw;
    const DataViewGeometry geometry(Owner());
    const TRect& r1 = pointer1Show_ ? pointer1Rect_ : pointer2Rect_;
    TRect box{};
    if (hintOrientation_ == ioVertical) {
        const int x = (r1.Left + r1.Right) / 2;
        if (view.Right < x + aw + tw + 5)
            hintOrientationSide_ = iosTopLeft;
        if (x - aw - tw - 5 < view.Left)
            hintOrientationSide_ = iosBottomRight;
        const int y = geometry.PercentToPixelsY(hintPosition_);
        const int h = hintHeight_ / 2;
        if (IsDeltaStyle()) {
            const int cx =
                (pointer1Rect_.Left + pointer1Rect_.Right + pointer2Rect_.Left + pointer2Rect_.Right) / 4;
            box = TRect{cx - hintWidth_ / 2, y - h, cx - hintWidth_ / 2 + hintWidth_, y - h + hintHeight_};
        } else if (hintOrientationSide_ == iosBottomRight) {
            box = TRect{x + 5, y - h, x + tw + aw + 5, y + h};
        } else {
            box = TRect{x - tw - aw - 5, y - h, x - 5, y + h};
        }
    } else {
        const int y = (r1.Top + r1.Bottom) / 2;
        if (view.Bottom < y + aw + th)
            hintOrientationSide_ = iosTopLeft;
        if (y - aw - th < view.Top)
            hintOrientationSide_ = iosBottomRight;
        const int x = geometry.PercentToPixelsX(hintPosition_);
        const int w = hintWidth_ / 2;
        if (IsDeltaStyle()) {
            const int cy =
                (pointer1Rect_.Top + pointer1Rect_.Bottom + pointer2Rect_.Top + pointer2Rect_.Bottom) / 4;
            box = TRect{x - w, cy - hintHeight_ / 2, x - w + hintWidth_, cy - hintHeight_ / 2 + hintHeight_};
        } else if (hintOrientationSide_ == iosBottomRight) {
            box = TRect{x - w, y + 5, x + w, y + hintHeight_ + 5};
        } else {
            box = TRect{x - w, y - hintHeight_ - 5, x + w, y - 5};
        }
    }
    if (box.Left < view.Left)
        box = box.Offset(view.Left - box.Left, 0);
    if (box.Right > view.Right)
        box = box.Offset(view.Right - box.Right, 0);
    if (box.Top < view.Top)
        box = box.Offset(0, view.Top - box.Top);
    if (box.Bottom > view.Bottom)
        box = box.Offset(0, view.Bottom - box.Bottom);
    hintRect_ = box;

    const TColor lineColor = PointerColor();
    if (IsDeltaStyle()) {
        canvas.Pen().SetColor(lineColor);
        canvas.Pen().SetStyle(psDot);
        canvas.Pen().SetWidth(1);
        canvas.Brush().SetStyle(bsClear);
        if (hintOrientation_ == ioVertical) {
            const int y = (box.Top + box.Bottom) / 2;
            canvas.MoveTo((pointer1Rect_.Left + pointer1Rect_.Right) / 2, y);
            canvas.LineTo((pointer2Rect_.Left + pointer2Rect_.Right) / 2, y);
        } else {
            const int x = (box.Left + box.Right) / 2;
            canvas.MoveTo(x, (pointer1Rect_.Top + pointer1Rect_.Bottom) / 2);
            canvas.LineTo(x, (pointer2Rect_.Top + pointer2Rect_.Bottom) / 2);
        }
    }
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(0);
    canvas.Pen().SetColor(useChannelColor_ && channel ? channel->Color() : clBlack);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clInfoBk);
    canvas.Rectangle(box);
    TRect textRect{box.Left + 2, box.Top + 1, box.Right, box.Bottom};
    // Vertically centred as a block of lines.
    textRect.Top += std::max((textRect.Height() - th) / 2, 0);
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().SetColor(clInfoText);
    DrawText3D(canvas, text, textRect, clInfoText, true, itfLeft | itfTop | itfWordBreak);
    canvas.Rectangle(box);
    if (UserSelected()) {
        canvas.Pen().SetColor(clWhite);
        canvas.Font().SetColor(clWhite);
        DrawFocusRectangle(canvas, box.Inflate(2, 2));
    }
}

// ---------------------------------------------------------------- mouse

bool TiPlotDataCursor::DoHitTest(const TiPlotMouseData& mouseData) {
    if (!DataViewGeometry(Owner()).Valid())
        return false;
    const TPoint p{mouseData.X, mouseData.Y};
    return (pointer1Show_ && pointer1Rect_.Contains(p)) || (pointer2Show_ && pointer2Rect_.Contains(p)) ||
           (hintShowing_ && hintRect_.Contains(p));
}

void TiPlotDataCursor::DoMouseLeft(TiPlotMouseData& mouseData) {
    mouseDownX_ = mouseData.X;
    mouseDownY_ = mouseData.Y;
    const DataViewGeometry view(Owner());
    if (!view.Valid())
        return;
    const TPoint p{mouseData.X, mouseData.Y};
    double position = 0;
    if (hintShowing_ && hintRect_.Contains(p)) {
        mouseDownHint_ = true;
        position = hintPosition_;
    } else if (pointer1Show_ && pointer1Rect_.Contains(p)) {
        mouseDownPointer1_ = true;
        position = pointer1Position_;
    } else if (pointer2Show_ && pointer2Rect_.Contains(p)) {
        mouseDownPointer2_ = true;
        position = pointer2Position_;
    } else {
        return;
    }
    mouseDownXPixels_ = view.PercentToPixelsX(position);
    mouseDownYPixels_ = view.PercentToPixelsY(position);
    if (!mouseDownHint_)
        Update();
    Repaint();
}

void TiPlotDataCursor::DoMouseMove(TiPlotMouseData& mouseData) {
    if (!mouseDownHint_ && !mouseDownPointer1_ && !mouseDownPointer2_)
        return;
    const DataViewGeometry view(Owner());
    // A pointer moves across its line; the hint slides along its pointer.
    const TiOrientation follows = mouseDownHint_
                                      ? (hintOrientation_ == ioVertical ? ioHorizontal : ioVertical)
                                      : OrientationOf(mouseDownPointer2_);
    const double percent = follows == ioVertical
                               ? view.PixelsXToPercent(mouseData.X + (mouseDownXPixels_ - mouseDownX_))
                               : view.PixelsYToPercent(mouseData.Y + (mouseDownYPixels_ - mouseDownY_));
    (mouseDownHint_ ? hintPosition_ : PositionOf(mouseDownPointer2_)) = std::clamp(percent, 0.0, 100.0);
    Update();
    Repaint();
}

void TiPlotDataCursor::DoMouseUp(TiPlotMouseData& mouseData) {
    if (!mouseDownHint_ && !mouseDownPointer1_ && !mouseDownPointer2_)
        return;
    if (mouseDownPointer1_ || mouseDownPointer2_)
        SnapPointer(mouseDownPointer2_);
    mouseDownHint_ = mouseDownPointer1_ = mouseDownPointer2_ = false;
    Repaint();
    if (MouseIsDown() && DoHitTest(mouseData))
        korvan::plot::RaiseObjectClick(*this);
}

TCursor TiPlotDataCursor::GetMouseCursor(TPoint mousePos) {
    (void)mousePos;
    return korvan::plot::PlotMouseCursor(*this, crHandPoint);
}
