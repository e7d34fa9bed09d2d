#pragma once
// TVrDemoButton: a push button with a 3-D caption, an optional tiled
// background bitmap and separate fonts for the hovered and the normal
// state. A flat button shows no bevel until the mouse is over it. A press
// follows the pointer (shown down only while over the button) and clicks
// when released over it; OnClick comes before OnMouseUp.

#include "controls/panels/Font3D.h"
#include "controls/panels/ImageControl.h"
#include "controls/panels/ImageControlDrawing.h"

#include <memory>

class TVrDemoButton : public TVrCustomImageControl {
    KORVAN_CLASS(TVrDemoButton)
public:
    explicit TVrDemoButton(TComponent* owner);
    ~TVrDemoButton() override;

    TFont* FontEnter() const { return fontEnter_.get(); }
    void SetFontEnter(TFont* value);
    TFont* FontLeave() const { return fontLeave_.get(); }
    void SetFontLeave(TFont* value);
    TBitmap* Bitmap() const { return bitmap_.get(); }
    void SetBitmap(TBitmap* value);
    TVrFont3D* Font3D() const { return font3D_.get(); }
    void SetFont3D(TVrFont3D* value);
    TColor OutlineColor() const { return outlineColor_; }
    void SetOutlineColor(TColor value);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor value);
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor value);
    TVrByteInt BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(TVrByteInt value);
    int OutlineWidth() const { return outlineWidth_; }
    void SetOutlineWidth(int value);
    TVrTextAlignment TextAlignment() const { return textAlignment_; }
    void SetTextAlignment(TVrTextAlignment value);
    TColor DisabledTextColor() const { return disabledTextColor_; }
    void SetDisabledTextColor(TColor value);
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor value);
    bool Flat() const { return flat_; }
    void SetFlat(bool value);

    // Shown pressed; a press is under way; the pointer is over the button.
    bool IsDown() const { return down_; }
    bool IsPressed() const { return pressed_; }
    bool HasMouse() const { return hasMouse_; }

    void DefineProperties(TFiler& filer) override;

    void MouseEnter() override;
    void MouseLeave() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    void TextChanged() override;
    void EnabledChanged() override;

private:
    // Starts a press when the point lies on the button.
    void PressAt(int x, int y);
    // Ends a press: clicks when it was still shown down.
    void EndPress();
    void SetDown(bool value);
    template <class V> void Store(V& field, V value);

    std::unique_ptr<TBitmap> bitmap_;
    std::unique_ptr<TFont> fontEnter_;
    std::unique_ptr<TFont> fontLeave_;
    TVrByteInt bevelWidth_ = 2;
    int outlineWidth_ = 1;
    TColor outlineColor_ = clBlack;
    TColor shadowColor_ = clBtnShadow;
    TColor highlightColor_ = clBtnHighlight;
    TColor focusColor_ = clBlue;
    TVrTextAlignment textAlignment_ = vtaCenter;
    TColor disabledTextColor_ = clInactiveCaption;
    std::unique_ptr<TVrFont3D> font3D_;
    bool flat_ = false;
    bool hasMouse_ = false;
    bool down_ = false;
    bool pressed_ = false;
};
