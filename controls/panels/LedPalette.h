#pragma once
// TVrPalette: the low and high colour of an LED (off and on), and the
// recolouring of a two-colour bitmap into them.

#include "controls/panels/VrPersistent.h"
#include "platform/gfx/Bitmap.h"

class TVrPalette : public TVrPersistent {
    KORVAN_CLASS(TVrPalette)
public:
    TColor Low() const { return low_; }
    void SetLow(TColor value) { Store(low_, value); }
    TColor High() const { return high_; }
    void SetHigh(TColor value) { Store(high_, value); }

    // Another palette's colours with one notification; else the base rule.
    void Assign(TPersistent* source) override;
    // Low for an index of 0 or less, else High.
    virtual TColor PaletteColor(int index) const { return index <= 0 ? low_ : high_; }
    // Pixels of `darkColor` become Low and pixels of `lightColor` High, both
    // chosen from the colours before any change; other pixels stay.
    void ToBMP(TBitmap& bitmap, TColor darkColor, TColor lightColor) const;

private:
    TColor low_ = clGreen;
    TColor high_ = clLime;
};
