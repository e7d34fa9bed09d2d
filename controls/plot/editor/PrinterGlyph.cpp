#include "controls/plot/editor/PrinterGlyph.h"

#include "platform/gfx/Canvas.h"

namespace korvan::plot {

namespace {

constexpr int kSize = 24;
// Shown as the face behind it.
constexpr TColor kSeeThrough = TColor(0x808000);

void Box(TCanvas& c, TColor fill, TColor edge, const TRect& r) {
    c.Brush().SetColor(fill);
    c.Pen().SetColor(edge);
    c.Rectangle(r);
}

} // namespace

TBitmap PrinterGlyph() {
    TBitmap glyph(kSize, kSize);
    TCanvas& c = glyph.Canvas();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(kSeeThrough);
    c.FillRect(Rect(0, 0, kSize, kSize));
    c.Pen().SetStyle(psSolid);
    c.Pen().SetWidth(1);
    // The blank sheet fed in at the back.
    Box(c, clWhite, clBlack, Rect(6, 1, 18, 10));
    // The body with its dark feed slot and a green power light.
    Box(c, TColor(0xC0C0C0), clBlack, Rect(1, 8, 23, 18));
    c.Pen().SetColor(TColor(0x404040));
    c.MoveTo(4, 11);
    c.LineTo(20, 11);
    Box(c, TColor(0x00C000), TColor(0x006000), Rect(18, 13, 21, 16));
    // The printed sheet coming out at the front, with lines of text.
    Box(c, clWhite, clBlack, Rect(5, 15, 19, 23));
    c.Pen().SetColor(TColor(0x808080));
    for (int y = 17; y <= 21; y += 2) {
        c.MoveTo(7, y);
        c.LineTo(y == 21 ? 13 : 17, y);
    }
    return glyph;
}

} // namespace korvan::plot
