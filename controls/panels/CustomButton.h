#pragma once
// TRzCustomButton: the base of the pack's push buttons. It follows a left
// press with the pointer (the pressed face shows while the pointer is over
// the button), tracks the mouse for a hot face, draws its caption with a
// vertical placement and 3-D text styles, and can let the parent show
// through its corners. What a completed press does is ButtonClicked's.

#include "controls/panels/ColorShading.h"
#include "controls/panels/Panel.h"
#include "controls/panels/TextStyle.h"
#include "platform/forms/WinControl.h"

class TRzCustomButton : public TCustomControl {
    KORVAN_CLASS(TRzCustomButton)
public:
    explicit TRzCustomButton(TComponent* owner);

    TAlignmentVertical AlignmentVertical() const { return alignmentVertical_; }
    virtual void SetAlignmentVertical(TAlignmentVertical value);
    TColor HotTrackColor() const { return hotTrackColor_; }
    virtual void SetHotTrackColor(TColor value);
    TRzHotTrackColorType HotTrackColorType() const { return hotTrackColorType_; }
    virtual void SetHotTrackColorType(TRzHotTrackColorType value);
    bool HotTrack() const { return hotTrack_; }
    virtual void SetHotTrack(bool value);
    TColor HighlightColor() const { return highlightColor_; }
    virtual void SetHighlightColor(TColor value);
    bool LightTextStyle() const { return lightTextStyle_; }
    virtual void SetLightTextStyle(bool value);
    TTextStyle TextStyle() const { return textStyle_; }
    virtual void SetTextStyle(TTextStyle value);
    TColor TextHighlightColor() const { return textHighlightColor_; }
    virtual void SetTextHighlightColor(TColor value);
    TColor TextShadowColor() const { return textShadowColor_; }
    virtual void SetTextShadowColor(TColor value);
    int TextShadowDepth() const { return textShadowDepth_; }
    virtual void SetTextShadowDepth(int value);
    bool ThemeAware() const { return themeAware_; }
    virtual void SetThemeAware(bool value);
    bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool value);

    // A left press is under way; the pressed face shows; the mouse is over.
    bool Dragging() const { return dragging_; }
    bool ShowDownVersion() const { return showDownVersion_; }
    bool MouseOverButton() const { return mouseOverButton_; }
    // Whether the platform's visual style draws the face.
    virtual bool UseThemes() const;

    void WndProc(TMessage& message) override;

protected:
    // The parent's picture behind the corners (transparent buttons).
    virtual void PaintParentBackground(TCanvas& canvas) { (void)canvas; }
    virtual void ButtonStateChanged() {}
    virtual void FocusStateChanged() { Repaint(); }
    virtual TRect GetHotTrackRect() const { return ClientRect(); }
    // The caption in `r`, placed vertically by AlignmentVertical, with its
    // 3-D copies.
    virtual void DrawCaption(TCanvas& canvas, TRect r, unsigned flags);
    // A press completed on the button.
    virtual void ButtonClicked() = 0;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void DoEnter() override;
    void DoExit() override;
    void EnabledChanged() override;
    void TextChanged() override;
    void FontChanged() override;

    bool showDownVersion_ = false;

private:
    TAlignmentVertical alignmentVertical_ = avCenter;
    TColor hotTrackColor_ = TColor(1350640); // RGB 240, 155, 20
    TRzHotTrackColorType hotTrackColorType_ = htctActual;
    TColor highlightColor_ = clHighlight;
    bool lightTextStyle_ = false;
    TTextStyle textStyle_ = tsNormal;
    TColor textHighlightColor_ = clBtnHighlight;
    TColor textShadowColor_ = clBtnShadow;
    int textShadowDepth_ = 2;
    bool dragging_ = false;
    bool hotTrack_ = false;
    bool mouseOverButton_ = false;
    bool transparent_ = false;
    bool themeAware_ = true;
};

const std::vector<std::string>& AlignmentVerticalNames();
