#pragma once
// The speed button: a button without a window of its own (it never takes
// the focus) that shows a caption, a glyph or both on a raised face. A
// press shows it sunken while the pointer stays on it; a release on it
// clicks it.

#include "platform/forms/Control.h"
#include "platform/gfx/Bitmap.h"

class TSpeedButton : public TGraphicControl {
    KORVAN_CLASS(TSpeedButton)
public:
    explicit TSpeedButton(TComponent* owner);

    // The glyph is drawn centred; its bottom-left pixel is see-through.
    TBitmap& Glyph() { return glyph_; }
    void SetGlyph(const TBitmap& glyph);
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    // Whether the face shows pressed now.
    bool Pressed() const { return pressed_ && inside_; }

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

protected:
    void Paint() override;
    void TextChanged() override;
    void EnabledChanged() override;

private:
    TBitmap glyph_;
    bool flat_ = false;
    bool pressed_ = false;
    bool inside_ = false;
};
