#pragma once
// TRzLabel: the pack's text label. Over the framework label it adds the
// pack's frame (outer and inner styles, border band, sides), 3-D text
// (raised, recessed, drop shadow), text turned by an angle or set along an
// arc around a centre point, blinking in a second colour on the timer all
// labels share, a fly-by colour while the mouse is over it, a caption
// condensed with an ellipsis, and frame-controller support.

#include "controls/panels/BlinkingControls.h"
#include "controls/panels/FramedControl.h"
#include "controls/panels/LabelGeometry.h"
#include "controls/panels/TextStyle.h"
#include "platform/forms/StdCtrls.h"

enum TRzCondenseCaption { ccNone, ccAtEnd, ccWithinPath };

class TRzLabel : public TLabel, public TRzFramedControl {
    KORVAN_CLASS(TRzLabel)
public:
    explicit TRzLabel(TComponent* owner);
    ~TRzLabel() override;

    int Angle() const { return angle_; }
    virtual void SetAngle(int value);
    bool Blinking() const { return blinking_; }
    virtual void SetBlinking(bool value);
    TColor BlinkColor() const { return blinkColor_; }
    virtual void SetBlinkColor(TColor value);
    // Stored in the shared blinking list: they apply to every label.
    int BlinkIntervalOff() const;
    virtual void SetBlinkIntervalOff(int value);
    int BlinkIntervalOn() const;
    virtual void SetBlinkIntervalOn(int value);
    int BevelWidth() const { return bevelWidth_; }
    virtual void SetBevelWidth(int value);
    int BorderWidth() const { return borderWidth_; }
    virtual void SetBorderWidth(int value);
    TRzCondenseCaption CondenseCaption() const { return condenseCaption_; }
    virtual void SetCondenseCaption(TRzCondenseCaption value);
    TCenterPoint CenterPoint() const { return centerPoint_; }
    virtual void SetCenterPoint(TCenterPoint value);
    TColor FlyByColor() const { return flyByColor_; }
    virtual void SetFlyByColor(TColor value);
    bool FlyByEnabled() const { return flyByEnabled_; }
    virtual void SetFlyByEnabled(bool value);
    bool LightTextStyle() const { return lightTextStyle_; }
    virtual void SetLightTextStyle(bool value);
    TRotation Rotation() const { return rotation_; }
    virtual void SetRotation(TRotation value);
    int TextMargin() const { return textMargin_; }
    virtual void SetTextMargin(int value);
    TTextStyle TextStyle() const { return textStyle_; }
    virtual void SetTextStyle(TTextStyle value);
    TColor HighlightColor() const { return highlightColor_; }
    virtual void SetHighlightColor(TColor value);
    TColor ShadowColor() const { return shadowColor_; }
    virtual void SetShadowColor(TColor value);
    int ShadowDepth() const { return shadowDepth_; }
    virtual void SetShadowDepth(int value);

    // The blink phase this label shows, and the colour its text is drawn in.
    TBlinkState BlinkState() const { return blinkState_; }
    TColor CurrentColor() const { return currentColor_; }
    // Shows the blink colour in the on phase, the font colour in the off one.
    virtual void Blink(TBlinkState state);

    // The frame's room on each side (with the border band when asked).
    virtual void ShrinkByBorders(TRect& rect, bool includeBorderWidth) const;
    // What auto size adds around the measured caption, rotation included.
    virtual void GrowByBorders(TRect& rect) const;

    void Loaded() override;
    void WndProc(TMessage& message) override;
    void DefineProperties(TFiler& filer) override;

protected:
    void Paint() override;
    void AdjustBounds() override;
    void TextChanged() override;
    void FontChanged() override;
    void Notification(TComponent* component, TOperation operation) override;
    void FrameLayoutChanged() override { AdjustBounds(); }
    void TakeFramingColor(TColor color) override { SetColor(color); }

private:
    unsigned TextFlags() const;

    void UseOutlineFont();
    void PaintFlatText(TCanvas& canvas);
    void PaintArcText(TCanvas& canvas);
    // The 3-D copies under the caption, each drawn by `draw` at an offset.
    template <class Draw> void DrawTextCopies(TCanvas& canvas, int shadowOffset, Draw draw);

    int angle_ = 0;
    TColor blinkColor_ = clHighlight;
    TBlinkState blinkState_ = bsOff; // the font colour shows until the first on phase
    bool blinking_ = false;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TColor fontColor_ = clWindowText;
    TCenterPoint centerPoint_ = cpCenter;
    TColor origColor_ = clWindowText;
    bool flyByEnabled_ = false;
    bool flyByShowing_ = false; // the font shows FlyByColor now
    TColor flyByColor_ = clHighlight;
    bool lightTextStyle_ = false;
    TTextStyle textStyle_ = tsNormal;
    TRotation rotation_ = roNone;
    TColor highlightColor_ = clBtnHighlight;
    TColor shadowColor_ = clBtnShadow;
    int shadowDepth_ = 2;
    int textMargin_ = 0;
    TRzCondenseCaption condenseCaption_ = ccNone;
    TColor currentColor_ = clWindowText;
};
