#pragma once
// TVrPowerButton: a toggle with a small square LED beside its caption. The
// LED shows the palette's low colour while inactive and its high colour
// while Active. A completed press (left button or space) flips Active and
// raises OnClick after OnMouseUp; dragging off the button during a press
// shows it released, and releasing there changes nothing.

#include "controls/panels/ImageControl.h"
#include "controls/panels/ImageControlDrawing.h"
#include "controls/panels/LedPalette.h"

#include <memory>

class TVrPowerButton : public TVrCustomImageControl {
    KORVAN_CLASS(TVrPowerButton)
public:
    explicit TVrPowerButton(TComponent* owner);
    ~TVrPowerButton() override;

    bool Active() const { return active_; }
    void SetActive(bool value);
    TVrMaxInt LedWidth() const { return ledWidth_; }
    void SetLedWidth(TVrMaxInt value);
    TVrMaxInt LedHeight() const { return ledHeight_; }
    void SetLedHeight(TVrMaxInt value);
    TVrImageTextLayout Layout() const { return layout_; }
    void SetLayout(TVrImageTextLayout value);
    int Margin() const { return margin_; }
    void SetMargin(int value);
    int Spacing() const { return spacing_; }
    void SetSpacing(int value);
    TVrPalette* Palette() const { return palette_.get(); }
    // Copies the colours into the button's own palette.
    void SetPalette(TVrPalette* value);
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor value);
    TColor OutlineColor() const { return outlineColor_; }
    void SetOutlineColor(TColor value);
    TVrByteInt OutlineWidth() const { return outlineWidth_; }
    void SetOutlineWidth(TVrByteInt value);
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor value);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor value);
    TVrByteInt BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(TVrByteInt value);

    // The press state: the left button went down here and is still down,
    // and the button shows pressed (a release will toggle).
    bool IsDown() const { return down_; }
    bool IsPressed() const { return pressed_; }
    // The LED and caption rectangles of the last layout.
    const TRect& ImageRect() const { return imageRect_; }
    const TRect& TextBounds() const { return textBounds_; }

    void MouseEnter() override;
    void MouseLeave() override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void KeyDown(std::uint16_t& key, TShiftState shift) override;
    void KeyUp(std::uint16_t& key, TShiftState shift) override;
    void Resize() override;
    void FontChanged() override;
    void TextChanged() override;
    void EnabledChanged() override;
    void FocusChanged() override;

private:
    // Places the LED and the caption inside the bevel; repaints on request.
    void UpdateLayout(bool redraw);
    void SetPressed(bool value);
    // Ends a press: a shown press flips Active. True when it flipped.
    bool Release();
    template <class V> void Store(V& field, V value, bool relayout);

    bool active_ = false;
    TVrMaxInt ledWidth_ = 12;
    TVrMaxInt ledHeight_ = 12;
    std::unique_ptr<TVrPalette> palette_;
    TVrByteInt bevelWidth_ = 2;
    TColor highlightColor_ = clBtnHighlight;
    TColor shadowColor_ = clBtnShadow;
    TColor outlineColor_ = clBlack;
    TVrByteInt outlineWidth_ = 1;
    int spacing_ = 5;
    int margin_ = -1;
    TVrImageTextLayout layout_ = ImageLeft;
    TColor focusColor_ = clBlue;
    bool down_ = false;
    bool pressed_ = false;
    // A space press went down on this button and is not released yet.
    bool spaceDown_ = false;
    TRect textBounds_;
    TRect imageRect_;
};
