#pragma once
// Small helpers shared by the panel pack's tests: faces drawn in code and
// pixel reads.

#include "platform/gfx/Bitmap.h"

#include <QImage>

namespace korvan::testing {

inline TColor PixelAt(const QImage& image, int x, int y) {
    return korvan::gfx::FromQRgb(image.pixel(x, y));
}

// A solid face of one colour.
inline TBitmap SolidFace(int w, int h, TColor colour) {
    TBitmap b(w, h);
    b.Canvas().Brush().SetColor(colour);
    b.Canvas().FillRect(Rect(0, 0, w, h));
    return b;
}

// A rounded button face on a key-coloured ground: the corners are the key.
inline TBitmap KeyedFace(int w, int h, TColor key, TColor fill, TColor edge) {
    TBitmap b = SolidFace(w, h, key);
    TCanvas& c = b.Canvas();
    c.Brush().SetColor(fill);
    c.Pen().SetColor(edge);
    c.RoundRect(2, 2, w - 2, h - 2, 12, 12);
    return b;
}

} // namespace korvan::testing
