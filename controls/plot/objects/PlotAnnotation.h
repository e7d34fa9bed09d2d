#pragma once
// An annotation: a free graphic on the plot (a text, a line, a vertical or
// horizontal line across the data view, a rectangle, an ellipse, a picture,
// a text in a rectangle or a box, a polygon). Its position and its size are
// given, separately for X and Y, in percent of the data view or in the
// units of a channel's axes, so that it stays put on the screen or follows
// the data. The user can move and resize it with the mouse.

#include "controls/plot/component/PlotComponentTypes.h"
#include "controls/plot/core/PlotObject.h"
#include "platform/gfx/GraphicsObjects.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TFont;
class TiPlotAxis;
class TiPlotChannelCustom;

enum TiPlotAnnotationStyle {
    ipasText,
    ipasLine,
    ipasRectangle,
    ipasLineX,
    ipasLineY,
    ipasImage,
    ipasTextRectangle,
    ipasEllipse,
    ipasTextBox,
    ipasEllipse2,
    ipasPolygon,
    ipasRectangle2
};
enum TiPlotAnnotationSelectStyle {
    ipassNone,
    ipassMove,
    ipassSizeTopLeft,
    ipassSizeTopRight,
    ipassSizeBottomLeft,
    ipassSizeBottomRight
};

struct TiPlotAnnotationPoint {
    double X = 0;
    double Y = 0;
};

class TiPlotAnnotation : public TiPlotObject {
    KORVAN_CLASS(TiPlotAnnotation)
public:
    TiPlotAnnotation(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                     TNotifyEvent onRename);

    // --- published ---
    TiPlotAnnotationStyle Style() const { return style_; }
    void SetStyle(TiPlotAnnotationStyle value) { SetOrdinal(value, style_); }
    TiPlotReferenceType Reference() const { return reference_; }
    void SetReference(TiPlotReferenceType value) { SetOrdinal(value, reference_); }
    TiPlotReferenceIndividual ReferencePositionX() const { return references_[0]; }
    void SetReferencePositionX(TiPlotReferenceIndividual value) { SetOrdinal(value, references_[0]); }
    TiPlotReferenceIndividual ReferencePositionY() const { return references_[1]; }
    void SetReferencePositionY(TiPlotReferenceIndividual value) { SetOrdinal(value, references_[1]); }
    TiPlotReferenceIndividual ReferenceSizeX() const { return references_[2]; }
    void SetReferenceSizeX(TiPlotReferenceIndividual value) { SetOrdinal(value, references_[2]); }
    TiPlotReferenceIndividual ReferenceSizeY() const { return references_[3]; }
    void SetReferenceSizeY(TiPlotReferenceIndividual value) { SetOrdinal(value, references_[3]); }
    double X() const { return x_; }
    void SetX(double value) { SetCoordinate(value, x_); }
    double Y() const { return y_; }
    void SetY(double value) { SetCoordinate(value, y_); }
    double X2() const { return x2_; }
    void SetX2(double value) { SetCoordinate(value, x2_); }
    double Y2() const { return y2_; }
    void SetY2(double value) { SetCoordinate(value, y2_); }
    double Width() const { return width_; }
    void SetWidth(double value) { SetCoordinate(value, width_); }
    double Height() const { return height_; }
    void SetHeight(double value) { SetCoordinate(value, height_); }
    TColor PenColor() const { return penColor_; }
    void SetPenColor(TColor value) { SetColorProperty(value, penColor_, &TiPlotObject::DoChange); }
    TPenStyle PenStyle() const { return penStyle_; }
    void SetPenStyle(TPenStyle value) { SetOrdinal(value, penStyle_); }
    int PenWidth() const { return penWidth_; }
    void SetPenWidth(int value) { SetIntegerProperty(value, penWidth_, &TiPlotObject::DoChange); }
    TColor BrushColor() const { return brushColor_; }
    void SetBrushColor(TColor value) { SetColorProperty(value, brushColor_, &TiPlotObject::DoChange); }
    TBrushStyle BrushStyle() const { return brushStyle_; }
    void SetBrushStyle(TBrushStyle value) { SetOrdinal(value, brushStyle_); }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& value) { SetStringProperty(value, text_, &TiPlotObject::DoChange); }
    TiRotationAngle TextRotation() const { return textRotation_; }
    void SetTextRotation(TiRotationAngle value) { SetOrdinal(value, textRotation_); }
    TiAlignmentHorizontal TextHorzAlignment() const { return textHorzAlignment_; }
    void SetTextHorzAlignment(TiAlignmentHorizontal value) { SetOrdinal(value, textHorzAlignment_); }
    TiAlignmentVertical TextVertAlignment() const { return textVertAlignment_; }
    void SetTextVertAlignment(TiAlignmentVertical value) { SetOrdinal(value, textVertAlignment_); }
    TiAlignmentHorizontal TextLineAlignment() const { return textLineAlignment_; }
    void SetTextLineAlignment(TiAlignmentHorizontal value) { SetOrdinal(value, textLineAlignment_); }
    double TextHorzMargin() const { return textHorzMargin_; }
    void SetTextHorzMargin(double value) {
        SetDoubleProperty(value, textHorzMargin_, &TiPlotObject::DoChange);
    }
    double TextVertMargin() const { return textVertMargin_; }
    void SetTextVertMargin(double value) {
        SetDoubleProperty(value, textVertMargin_, &TiPlotObject::DoChange);
    }
    TFont* Font() const { return font_.get(); }
    void SetFont(TFont* value);
    int OuterMargin() const { return outerMargin_; }
    void SetOuterMargin(int value) { SetIntegerProperty(value, outerMargin_, &TiPlotObject::DoChange); }
    int ImageListIndex() const { return imageListIndex_; }
    void SetImageListIndex(int value) { SetIntegerProperty(value, imageListIndex_, &TiPlotObject::DoChange); }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int value) { SetIntegerProperty(value, imageIndex_, &TiPlotObject::DoChange); }
    const std::string& ChannelName() const { return channelName_; }
    void SetChannelName(const std::string& value);
    bool UserCanMove() const { return userCanMove_; }
    void SetUserCanMove(bool value) { userCanMove_ = value; }
    bool UserCanSize() const { return userCanSize_; }
    void SetUserCanSize(bool value) { userCanSize_ = value; }
    bool SelectModeOnlyInteraction() const { return selectModeOnlyInteraction_; }
    void SetSelectModeOnlyInteraction(bool value) { selectModeOnlyInteraction_ = value; }
    bool ClipToAxes() const { return clipToAxes_; }
    void SetClipToAxes(bool value) { SetBooleanProperty(value, clipToAxes_, &TiPlotObject::DoChange); }
    bool ShowFocusRect() const { return showFocusRect_; }
    void SetShowFocusRect(bool value) { SetBooleanProperty(value, showFocusRect_, &TiPlotObject::DoChange); }

    // --- public ---
    int PolyPointsCount() const { return int(polyPoints_.size()); }
    // Neither repaints.
    int PolyPointAdd(double x, double y);
    void PolyPointsClear() { polyPoints_.clear(); }
    TRect ClickRect() const { return clickRect_; }
    TRect DrawRect() const { return drawRect_; }
    bool Showing() const { return showing_; }
    TiPlotAnnotationSelectStyle SelectStyle() const { return selectStyle_; }
    TBitmap* Image() const { return image_.get(); }
    // Keeps a copy; null frees the picture. Both notify a change.
    void SetImage(const TBitmap* value);
    void ImageClear();
    void ImageLoadFromFile(const std::string& fileName);

    // --- coordinates ---
    int PositionXToPixels(double value);
    int PositionYToPixels(double value);
    double PixelsXToPosition(int value);
    double PixelsYToPosition(int value);
    int SizeXToPixels(double value);
    int SizeYToPixels(double value);

    void NotifyRemove(TObject* sender) override;
    void NotifyRename(TObject* sender) override;
    void NotifySetFocus(TObject* sender) override;
    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    TCursor GetMouseCursor(TPoint mousePos) override;

protected:
    ~TiPlotAnnotation() override;
    bool DoHitTest(const TiPlotMouseData& mouseData) override;
    void DoMouseLeft(TiPlotMouseData& mouseData) override;
    void DoMouseMove(TiPlotMouseData& mouseData) override;
    void DoMouseUp(TiPlotMouseData& mouseData) override;

private:
    // Which coordinate a reference is asked for.
    enum Axis { PositionX, PositionY, SizeX, SizeY };
    template <class E> void SetOrdinal(E value, E& field) {
        if (value == field)
            return;
        field = value;
        DoChange();
    }
    void SetCoordinate(double value, double& field);
    void CoordinatesChanged();
    bool UsesChannel(Axis which) const;
    // The channel's axis for a coordinate; null without the channel or
    // either of its axes.
    TiPlotAxis* ChannelAxis(Axis which);
    bool UsesViewX(Axis which) const;
    int SizeToPixels(Axis which, double value);
    TiPlotChannelCustom* Channel();
    // The pixel of a value (a percentage or an axis value) along the screen
    // direction the reference maps X (horizontal) or Y to.
    int ValueToPixels(Axis which, double value);
    double PixelsToValue(Axis which, int pixels);
    bool Sizable() const;
    void SetCoordinatesFromRect(const TRect& rect);

    // --- drawing (in PlotAnnotationDrawing.cpp) ---
    bool CanDraw(TRect& dataView);
    void ApplyShapePen(TCanvas& canvas, TColor backGroundColor);
    void ApplyLinePen(TCanvas& canvas, TColor backGroundColor);
    void SetSizeHandles(const TRect& rect, const TRect& dataView);
    void DrawFocusMark(TCanvas& canvas);
    // The text rectangle of ipasText (and the box of ipasTextBox, `grow`
    // pixels larger on every side) placed around (px, py).
    TRect AnchoredTextRect(TCanvas& canvas, int px, int py, int grow);
    void DrawText(TCanvas& canvas, const TRect& rect);
    void DrawShape(TCanvas& canvas, const TRect& rect, const TRect& dataView, TColor backGroundColor);
    void DrawTextRectangle(TCanvas& canvas, const TRect& rect, const TRect& dataView, TColor backGroundColor);
    void DrawLineStyle(TCanvas& canvas, int px, int py, int px2, int py2, const TRect& dataView,
                       TColor backGroundColor);
    void DrawImage(TCanvas& canvas, int px, int py, const TRect& dataView);
    void DrawPolygon(TCanvas& canvas, const TRect& dataView, TColor backGroundColor);

    TiPlotAnnotationStyle style_ = ipasText;
    TiPlotReferenceType reference_ = iprtDataView;
    std::array<TiPlotReferenceIndividual, 4> references_{ipriAuto, ipriAuto, ipriAuto, ipriAuto};
    TiPlotAnnotationSelectStyle selectStyle_ = ipassNone;
    // Top-left, top-right, bottom-left, bottom-right.
    std::array<TRect, 4> sizeRects_{};
    std::vector<TiPlotAnnotationPoint> polyPoints_;
    double x_ = 0, y_ = 0, y2_ = 0, x2_ = 0, width_ = 0, height_ = 0;
    TColor penColor_ = clWhite;
    int penWidth_ = 0;
    TPenStyle penStyle_ = psSolid;
    TColor brushColor_ = clWhite;
    TBrushStyle brushStyle_ = bsSolid;
    std::string text_;
    std::unique_ptr<TFont> font_;
    std::string channelName_;
    TiPlotChannelCustom* channel_ = nullptr;
    TiRotationAngle textRotation_ = ira000;
    bool showing_ = false;
    TRect drawRect_{}, clickRect_{};
    bool rectChange_ = false;
    bool userCanMove_ = false, userCanSize_ = false, selectModeOnlyInteraction_ = true, clipToAxes_ = false;
    bool mouseDown_ = false;
    int mouseDownX_ = 0, mouseDownY_ = 0;
    double mouseDownWidth_ = 0, mouseDownHeight_ = 0;
    TPoint mouseDownAnchor_{};
    TRect mouseDownRect_{};
    std::unique_ptr<TBitmap> image_;
    int imageListIndex_ = 0, imageIndex_ = 0;
    TiAlignmentHorizontal textHorzAlignment_ = iahCenter;
    TiAlignmentVertical textVertAlignment_ = iavCenter;
    TiAlignmentHorizontal textLineAlignment_ = iahCenter;
    double textHorzMargin_ = 1.0, textVertMargin_ = 1.0;
    bool showFocusRect_ = true;
    double mouseDownXValue_ = 0, mouseDownYValue_ = 0, mouseDownX2Value_ = 0, mouseDownY2Value_ = 0;
    int outerMargin_ = 0;
};

namespace korvan::plot {
const std::vector<std::string>& AnnotationStyleNames();
}
