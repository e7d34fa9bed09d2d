#pragma once
// Where a bitmap button puts its bitmap and its caption inside the face.

#include "platform/gfx/Types.h"

enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

namespace korvan::panels {

struct GlyphPlacement {
    TRect Text;  // where the caption is centred
    TRect Glyph; // the face rectangle, or the bitmap's when a glyph size was given
};

// `face` is the face rectangle, `glyph` the bitmap's size when the bitmap is
// placed unscaled (else 0, 0), `text` the caption's size (0, 0 without one).
// Margin and spacing of -1 are computed; integer division truncates.
GlyphPlacement PlaceGlyph(const TRect& face, TSize glyph, TSize text, TButtonLayout layout, int margin,
                          int spacing);

} // namespace korvan::panels
