#include "platform/forms/Buttons.h"

#include "platform/forms/ExtCtrls.h"
#include "platform/forms/TypeInfo.h"

using korvan::forms::ClassBuilder;

const TClassInfo& TSpeedButton::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TSpeedButton>("TSpeedButton", &TGraphicControl::StaticClassInfo())
            .Creator()
            .Property("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat)
            .Default(false)
            .Build();
    return info;
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
    controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks | csSetCaption | csOpaque;
    SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetGlyph(const TBitmap& glyph) {
    glyph_ = glyph;
    Invalidate();
}

void TSpeedButton::SetFlat(bool v) {
    if (v == flat_)
        return;
    flat_ = v;
    Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && InputEnabled()) {
        pressed_ = true;
        inside_ = true;
        Invalidate();
    }
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
    const bool inside = ClientRect().Contains(Point(x, y));
    if (pressed_ && inside != inside_) {
        inside_ = inside;
        Invalidate();
    }
    TGraphicControl::MouseMove(shift, x, y);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft && pressed_) {
        pressed_ = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::TextChanged() {
    TGraphicControl::TextChanged();
    Invalidate();
}

void TSpeedButton::EnabledChanged() {
    TGraphicControl::EnabledChanged();
    Invalidate();
}

void TSpeedButton::Paint() {
    TCanvas& c = Canvas();
    TRect face = ClientRect();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(face);
    const bool down = Pressed();
    if (down)
        korvan::forms::Frame3D(c, face, clBtnShadow, clBtnHighlight, 1);
    else if (!flat_)
        korvan::forms::Frame3D(c, face, clBtnHighlight, clBtnShadow, 1);
    // A pressed face moves its contents one pixel down and right.
    const int shift = down ? 1 : 0;
    const int w = ClientWidth(), h = ClientHeight();
    if (!glyph_.Empty()) {
        glyph_.SetTransparent(true);
        c.Draw((w - glyph_.Width()) / 2 + shift, (h - glyph_.Height()) / 2 + shift, glyph_);
    }
    if (!Caption().empty()) {
        c.Font().Assign(Font());
        c.Font().SetColor(InputEnabled() ? Font().Color() : clGrayText);
        c.Brush().SetStyle(bsClear);
        const TSize text = c.TextExtent(Caption());
        c.TextOut((w - text.cx) / 2 + shift, (h - text.cy) / 2 + shift, Caption());
    }
}
