#include "controls/plot/objects/PlotAnnotation.h"

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/channels/PlotChannelCustom.h"
#include "controls/plot/core/LineGeometry.h"
#include "controls/plot/objects/OverlayHost.h"
#include "controls/plot/objects/OverlaySupport.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/gfx/Bitmap.h"

#include <cmath>
#include <cstdlib>

using korvan::forms::ClassBuilder;

namespace korvan::plot {
const std::vector<std::string>& AnnotationStyleNames() {
    static const std::vector<std::string> names{
        "ipasText",          "ipasLine",    "ipasRectangle", "ipasLineX",    "ipasLineY",   "ipasImage",
        "ipasTextRectangle", "ipasEllipse", "ipasTextBox",   "ipasEllipse2", "ipasPolygon", "ipasRectangle2"};
    return names;
}
} // namespace korvan::plot

const TClassInfo& TiPlotAnnotation::StaticClassInfo() {
    using A = TiPlotAnnotation;
    using namespace korvan::forms;
    using namespace korvan::plot;
    static const TClassInfo info =
        ClassBuilder<A>("TiPlotAnnotation", &TiPlotObject::StaticClassInfo())
            .Enum("Style", &A::Style, &A::SetStyle, AnnotationStyleNames(), "TiPlotAnnotationStyle")
            .Default(ipasText)
            .Enum("Reference", &A::Reference, &A::SetReference, ReferenceTypeNames(), "TiPlotReferenceType")
            .Default(iprtDataView)
            .Enum("ReferencePositionX", &A::ReferencePositionX, &A::SetReferencePositionX,
                  ReferenceIndividualNames(), "TiPlotReferenceIndividual")
            .Default(ipriAuto)
            .Enum("ReferencePositionY", &A::ReferencePositionY, &A::SetReferencePositionY,
                  ReferenceIndividualNames(), "TiPlotReferenceIndividual")
            .Default(ipriAuto)
            .Enum("ReferenceSizeX", &A::ReferenceSizeX, &A::SetReferenceSizeX, ReferenceIndividualNames(),
                  "TiPlotReferenceIndividual")
            .Default(ipriAuto)
            .Enum("ReferenceSizeY", &A::ReferenceSizeY, &A::SetReferenceSizeY, ReferenceIndividualNames(),
                  "TiPlotReferenceIndividual")
            .Default(ipriAuto)
            .Property("X", &A::X, &A::SetX)
            .Property("Y", &A::Y, &A::SetY)
            .Property("X2", &A::X2, &A::SetX2)
            .Property("Y2", &A::Y2, &A::SetY2)
            .Property("Width", &A::Width, &A::SetWidth)
            .Property("Height", &A::Height, &A::SetHeight)
            .Property("PenColor", &A::PenColor, &A::SetPenColor)
            .TypeName("TColor")
            .Default(clWhite)
            .Enum("PenStyle", &A::PenStyle, &A::SetPenStyle, PenStyleNames(), "TPenStyle")
            .Default(psSolid)
            .Property("PenWidth", &A::PenWidth, &A::SetPenWidth)
            .Default(1)
            .Property("BrushColor", &A::BrushColor, &A::SetBrushColor)
            .TypeName("TColor")
            .Default(clWhite)
            .Enum("BrushStyle", &A::BrushStyle, &A::SetBrushStyle, BrushStyleNames(), "TBrushStyle")
            .Default(bsSolid)
            .Property("Text", &A::Text, &A::SetText)
            .Enum("TextRotation", &A::TextRotation, &A::SetTextRotation, RotationAngleNames(),
                  "TiRotationAngle")
            .Default(ira000)
            .Enum("TextHorzAlignment", &A::TextHorzAlignment, &A::SetTextHorzAlignment,
                  AlignmentHorizontalNames(), "TiAlignmentHorizontal")
            .Default(iahCenter)
            .Enum("TextVertAlignment", &A::TextVertAlignment, &A::SetTextVertAlignment,
                  AlignmentVerticalNames(), "TiAlignmentVertical")
            .Default(iavCenter)
            .Enum("TextLineAlignment", &A::TextLineAlignment, &A::SetTextLineAlignment,
                  AlignmentHorizontalNames(), "TiAlignmentHorizontal")
            .Default(iahCenter)
            .Property("TextHorzMargin", &A::TextHorzMargin, &A::SetTextHorzMargin)
            .Property("TextVertMargin", &A::TextVertMargin, &A::SetTextVertMargin)
            .Property("Font", &A::Font, &A::SetFont)
            .Property("OuterMargin", &A::OuterMargin, &A::SetOuterMargin)
            .Default(0)
            .Property("ImageListIndex", &A::ImageListIndex, &A::SetImageListIndex)
            .Default(0)
            .Property("ImageIndex", &A::ImageIndex, &A::SetImageIndex)
            .Default(0)
            .Property("ChannelName", &A::ChannelName, &A::SetChannelName)
            .Property("UserCanMove", &A::UserCanMove, &A::SetUserCanMove)
            .Default(false)
            .Property("UserCanSize", &A::UserCanSize, &A::SetUserCanSize)
            .Default(false)
            .Property("SelectModeOnlyInteraction", &A::SelectModeOnlyInteraction,
                      &A::SetSelectModeOnlyInteraction)
            .Default(true)
            .Property("ClipToAxes", &A::ClipToAxes, &A::SetClipToAxes)
            .Default(false)
            .Property("ShowFocusRect", &A::ShowFocusRect, &A::SetShowFocusRect)
            .Default(true)
            .Build();
    return info;
}

TiPlotAnnotation::TiPlotAnnotation(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                                   TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove), std::move(onRename)),
      font_(std::make_unique<TFont>()) {
    font_->SetName("Arial");
    font_->SetColor(clWhite);
    font_->OnChange = [this] { DoChange(); };
}

TiPlotAnnotation::~TiPlotAnnotation() {
    font_->OnChange = nullptr;
}

void TiPlotAnnotation::SetFont(TFont* value) {
    if (value)
        font_->Assign(*value);
}

void TiPlotAnnotation::SetCoordinate(double value, double& field) {
    if (value == field)
        return;
    field = value;
    DoChange();
    if (IiPlotOverlayHost* host = korvan::plot::OverlayHostOf(Owner()))
        host->DoAnnotationCoordinatesChange(this);
}

void TiPlotAnnotation::CoordinatesChanged() {
    rectChange_ = true;
    DoChange();
    if (IiPlotOverlayHost* host = korvan::plot::OverlayHostOf(Owner()))
        host->DoAnnotationCoordinatesChange(this);
}

void TiPlotAnnotation::SetChannelName(const std::string& value) {
    if (value == channelName_)
        return;
    channelName_ = value;
    channel_ = nullptr;
    DoChange();
}

int TiPlotAnnotation::PolyPointAdd(double x, double y) {
    polyPoints_.push_back({x, y});
    return PolyPointsCount() - 1;
}

void TiPlotAnnotation::SetImage(const TBitmap* value) {
    korvan::plot::KeepPicture(image_, value);
    DoChange();
}

void TiPlotAnnotation::ImageClear() {
    image_.reset();
    DoChange();
}

void TiPlotAnnotation::ImageLoadFromFile(const std::string& fileName) {
    const TBitmap bitmap = korvan::plot::LoadPicture(fileName);
    SetImage(&bitmap);
}

// ---------------------------------------------------------------- references

bool TiPlotAnnotation::UsesChannel(Axis which) const {
    switch (references_[std::size_t(which)]) {
    case ipriChannel:
        return true;
    case ipriDataView:
        return false;
    case ipriAuto:
        break;
    }
    const bool isX = which == PositionX || which == SizeX;
    if (reference_ == iprtChannel)
        return true;
    return isX ? reference_ == iprtXChannelYDataView : reference_ == iprtXDataViewYChannel;
}

TiPlotChannelCustom* TiPlotAnnotation::Channel() {
    if (!channel_)
        if (IiPlotOverlayHost* host = korvan::plot::OverlayHostOf(Owner()))
            channel_ = host->OverlayChannelByName(channelName_);
    return channel_;
}

TiPlotAxis* TiPlotAnnotation::ChannelAxis(Axis which) {
    TiPlotChannelCustom* channel = Channel();
    if (!channel || !channel->HasAxes())
        return nullptr;
    if (which == PositionX || which == SizeX)
        return channel->XAxis();
    return channel->YAxis();
}

bool TiPlotAnnotation::UsesViewX(Axis which) const {
    // With X running vertically, X values use the view's vertical scale.
    return (which == PositionX || which == SizeX) != XYAxesReversed();
}

int TiPlotAnnotation::ValueToPixels(Axis which, double value) {
    if (UsesChannel(which)) {
        TiPlotAxis* axis = ChannelAxis(which);
        return axis ? axis->PositionToPixels(value) : 0;
    }
    const korvan::plot::DataViewGeometry view(Owner());
    return UsesViewX(which) ? view.PercentToPixelsX(value) : view.PercentToPixelsY(value);
}

double TiPlotAnnotation::PixelsToValue(Axis which, int pixels) {
    if (UsesChannel(which)) {
        TiPlotAxis* axis = ChannelAxis(which);
        return axis ? axis->PixelsToPosition(pixels) : 0;
    }
    const korvan::plot::DataViewGeometry view(Owner());
    return UsesViewX(which) ? view.PixelsXToPercent(pixels) : view.PixelsYToPercent(pixels);
}

int TiPlotAnnotation::PositionXToPixels(double value) {
    return ValueToPixels(PositionX, value);
}
int TiPlotAnnotation::PositionYToPixels(double value) {
    return ValueToPixels(PositionY, value);
}
double TiPlotAnnotation::PixelsXToPosition(int value) {
    return PixelsToValue(PositionX, value);
}
double TiPlotAnnotation::PixelsYToPosition(int value) {
    return PixelsToValue(PositionY, value);
}

int TiPlotAnnotation::SizeToPixels(Axis which, double value) {
    double origin = 0;
    if (UsesChannel(which)) {
        TiPlotAxis* axis = ChannelAxis(which);
        if (!axis)
            return 0;
        origin = axis->Min();
    }
    return std::abs(ValueToPixels(which, value + origin) - ValueToPixels(which, origin));
}

int TiPlotAnnotation::SizeXToPixels(double value) {
    return SizeToPixels(SizeX, value);
}

int TiPlotAnnotation::SizeYToPixels(double value) {
    return SizeToPixels(SizeY, value);
}

// ---------------------------------------------------------------- notices

void TiPlotAnnotation::NotifyRemove(TObject* sender) {
    if (sender == channel_)
        channel_ = nullptr;
}

void TiPlotAnnotation::NotifyRename(TObject* sender) {
    if (channel_ && sender == channel_)
        channelName_ = channel_->Name();
}

void TiPlotAnnotation::NotifySetFocus(TObject* sender) {
    korvan::plot::DropSelectionForOther(*this, sender);
}

// ---------------------------------------------------------------- mouse

bool TiPlotAnnotation::Sizable() const {
    switch (style_) {
    case ipasRectangle:
    case ipasTextRectangle:
    case ipasEllipse:
    case ipasEllipse2:
    case ipasRectangle2:
        return true;
    default:
        return false;
    }
}

bool TiPlotAnnotation::DoHitTest(const TiPlotMouseData& mouseData) {
    if (!korvan::plot::InteractionAllowed(Owner(), selectModeOnlyInteraction_) || !showing_)
        return false;
    const TPoint p{mouseData.X, mouseData.Y};
    if (clickRect_.Contains(p))
        return true;
    for (const TRect& handle : sizeRects_)
        if (handle.Contains(p))
            return true;
    return false;
}

TCursor TiPlotAnnotation::GetMouseCursor(TPoint mousePos) {
    TCursor cursor = crHandPoint;
    if (userCanSize_ && Sizable() && UserSelected()) {
        if (sizeRects_[0].Contains(mousePos) || sizeRects_[3].Contains(mousePos))
            cursor = crSizeNWSE;
        else if (sizeRects_[1].Contains(mousePos) || sizeRects_[2].Contains(mousePos))
            cursor = crSizeNESW;
    }
    return korvan::plot::PlotMouseCursor(*this, cursor);
}

void TiPlotAnnotation::DoMouseLeft(TiPlotMouseData& mouseData) {
    if (!showing_)
        return;
    selectStyle_ = ipassNone;
    const TPoint p{mouseData.X, mouseData.Y};
    if (userCanSize_ && Sizable()) {
        if (sizeRects_[0].Contains(p))
            selectStyle_ = ipassSizeTopLeft;
        else if (sizeRects_[3].Contains(p))
            selectStyle_ = ipassSizeBottomRight;
        else if (sizeRects_[1].Contains(p))
            selectStyle_ = ipassSizeTopRight;
        else if (sizeRects_[2].Contains(p))
            selectStyle_ = ipassSizeBottomLeft;
    }
    if (selectStyle_ == ipassNone && userCanMove_)
        selectStyle_ = ipassMove;
    mouseDown_ = true;
    mouseDownRect_ = drawRect_;
    rectChange_ = false;
    mouseDownXValue_ = x_;
    mouseDownYValue_ = y_;
    mouseDownX2Value_ = x2_;
    mouseDownY2Value_ = y2_;
    mouseDownWidth_ = width_;
    mouseDownHeight_ = height_;
    mouseDownX_ = mouseData.X;
    mouseDownY_ = mouseData.Y;
    mouseDownAnchor_ =
        korvan::plot::GetXYPoint(XYAxesReversed(), PositionXToPixels(x_), PositionYToPixels(y_));
}

void TiPlotAnnotation::DoMouseMove(TiPlotMouseData& mouseData) {
    if (!UserSelected() || !mouseDown_ || selectStyle_ == ipassNone)
        return;
    const int dx = mouseData.X - mouseDownX_, dy = mouseData.Y - mouseDownY_;
    if (selectStyle_ == ipassMove) {
        const TPoint anchor{mouseDownAnchor_.X + dx, mouseDownAnchor_.Y + dy};
        const TPoint axes = korvan::plot::GetXYPoint(XYAxesReversed(), anchor.X, anchor.Y);
        const double newX = PixelsXToPosition(axes.X), newY = PixelsYToPosition(axes.Y);
        if (style_ == ipasEllipse || style_ == ipasRectangle2) {
            SetX(newX);
            SetY(newY);
            SetX2(mouseDownX2Value_ - mouseDownXValue_ + newX);
            SetY2(mouseDownY2Value_ - mouseDownYValue_ + newY);
        } else {
            SetX(newX);
            SetY(newY);
        }
        rectChange_ = true;
        DoChange();
        if (IiPlotOverlayHost* host = korvan::plot::OverlayHostOf(Owner())) {
            host->DoAnnotationMoveUser(this);
            host->DoAnnotationCoordinatesChange(this);
        }
    } else {
        TRect r = mouseDownRect_;
        if (selectStyle_ == ipassSizeTopLeft || selectStyle_ == ipassSizeBottomLeft)
            r.Left += dx;
        else
            r.Right += dx;
        if (selectStyle_ == ipassSizeTopLeft || selectStyle_ == ipassSizeTopRight)
            r.Top += dy;
        else
            r.Bottom += dy;
        SetCoordinatesFromRect(r);
        if (IiPlotOverlayHost* host = korvan::plot::OverlayHostOf(Owner()))
            host->DoAnnotationResizeUser(this);
    }
    DoChange();
}

void TiPlotAnnotation::SetCoordinatesFromRect(const TRect& rect) {
    // Screen x feeds X unless X runs vertically.
    const bool rev = XYAxesReversed();
    const int x1 = rev ? rect.Top : rect.Left, x2 = rev ? rect.Bottom : rect.Right;
    const int y1 = rev ? rect.Left : rect.Top, y2 = rev ? rect.Right : rect.Bottom;
    if (style_ == ipasEllipse || style_ == ipasRectangle2) {
        x_ = PixelsXToPosition(x1);
        y_ = PixelsYToPosition(y1);
        x2_ = PixelsXToPosition(x2);
        y2_ = PixelsYToPosition(y2);
    } else {
        x_ = (PixelsXToPosition(x1) + PixelsXToPosition(x2)) / 2;
        y_ = (PixelsYToPosition(y1) + PixelsYToPosition(y2)) / 2;
        width_ = std::fabs(PixelsToValue(SizeX, x2) - PixelsToValue(SizeX, x1));
        height_ = std::fabs(PixelsToValue(SizeY, y2) - PixelsToValue(SizeY, y1));
    }
    CoordinatesChanged();
}

void TiPlotAnnotation::DoMouseUp(TiPlotMouseData& mouseData) {
    if (!mouseDown_)
        return;
    mouseDown_ = false;
    if (DoHitTest(mouseData))
        korvan::plot::RaiseObjectClick(*this);
    if (rectChange_)
        if (IiPlotOverlayHost* host = korvan::plot::OverlayHostOf(Owner()))
            host->DoAnnotationCoordinatesChangeFinished(this);
    selectStyle_ = ipassNone;
}
