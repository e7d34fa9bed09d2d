#pragma once
// The print button's picture: a printer with a sheet fed in at the back
// and a printed sheet coming out at the front, 24 x 24 pixels. Its
// bottom-left pixel is the see-through colour.

#include "platform/gfx/Bitmap.h"

namespace korvan::plot {

TBitmap PrinterGlyph();

} // namespace korvan::plot
