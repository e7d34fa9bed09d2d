#pragma once
// TVrFont3D: text drawn raised, sunken or with a shadow, by drawing it again
// offset in a highlight and a shadow colour under the text itself.

#include "controls/panels/VrPersistent.h"
#include "platform/gfx/Canvas.h"

#include <string>

enum TVrFont3DStyle { f3dNone, f3dRaised, f3dSunken, f3dShadow };

class TVrFont3D : public TVrPersistent {
    KORVAN_CLASS(TVrFont3D)
public:
    TVrFont3DStyle Style() const { return style_; }
    void SetStyle(TVrFont3DStyle value) { Store(style_, value); }
    TColor HighlightColor() const { return highlightColor_; }
    void SetHighlightColor(TColor value) { Store(highlightColor_, value); }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor value) { Store(shadowColor_, value); }
    int HighlightDepth() const { return highlightDepth_; }
    void SetHighlightDepth(int value) { Store(highlightDepth_, value); }
    int ShadowDepth() const { return shadowDepth_; }
    void SetShadowDepth(int value) { Store(shadowDepth_, value); }

    // Another 3-D font's five values with one notification; else the base rule.
    void Assign(TPersistent* source) override;
    // Draws `text` in `r` with the canvas's font and the platform's format
    // flags; the font colour is the same afterwards.
    void Paint(TCanvas& canvas, const TRect& r, const std::string& text, unsigned flags) const;

private:
    TVrFont3DStyle style_ = f3dNone;
    TColor highlightColor_ = clBtnHighlight;
    TColor shadowColor_ = clBtnShadow;
    int highlightDepth_ = 1;
    int shadowDepth_ = 1;
};
