#include "controls/panels/LedPalette.h"

const TClassInfo& TVrPalette::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TVrPalette>("TVrPalette", &TVrPersistent::StaticClassInfo())
            .Property("Low", &TVrPalette::Low, &TVrPalette::SetLow)
            .TypeName("TColor")
            .Property("High", &TVrPalette::High, &TVrPalette::SetHigh)
            .TypeName("TColor")
            .Build();
    return info;
}

void TVrPalette::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TVrPalette*>(source);
    if (!other) {
        TVrPersistent::Assign(source);
        return;
    }
    BeginUpdate();
    SetLow(other->Low());
    SetHigh(other->High());
    EndUpdate();
}

namespace {

// Paints `colour` into `bitmap` where `mask` is white.
void PaintThroughMask(TBitmap& bitmap, TBitmap& mask, TColor colour) {
    TCanvas& c = bitmap.Canvas();
    c.Brush().SetColor(colour);
    c.Font().SetColor(clBlack);
    c.SetBkColor(clWhite);
    c.BitBlt(0, 0, bitmap.Width(), bitmap.Height(), &mask.Canvas(), 0, 0, DSPDxax);
}

// A monochrome mask, white where `source` has `colour`.
TBitmap MaskOf(TBitmap& source, TColor colour) {
    TBitmap mask(source.Width(), source.Height());
    mask.SetMonochrome(true);
    source.Canvas().Brush().SetColor(colour);
    mask.Canvas().BitBlt(0, 0, source.Width(), source.Height(), &source.Canvas(), 0, 0, SRCCOPY);
    return mask;
}

} // namespace

void TVrPalette::ToBMP(TBitmap& bitmap, TColor darkColor, TColor lightColor) const {
    if (bitmap.Empty())
        return;
    // Both masks come from the colours before recolouring.
    TBitmap original(bitmap);
    original.SetPixelFormat(pfDevice);
    TBitmap dark = MaskOf(original, darkColor);
    TBitmap light = MaskOf(original, lightColor);
    PaintThroughMask(bitmap, dark, low_);
    PaintThroughMask(bitmap, light, high_);
}
