#pragma once
// The pictures of a shaped button, made from one source bitmap whose
// transparent colour marks what lies outside the shape: masks, the
// offsets of each bevel ring, and the up and down images with their bevel
// and border rings grown around the shape; and the copy of a picture's
// palette that each image made from it takes along.

#include "controls/panels/BmpButton.h"
#include "platform/gfx/Bitmap.h"

#include <vector>

namespace korvan::panels {

// A new palette with the entries of `palette` (version 0x300); none for
// none. The caller owns the copy. Raises Exception "Invalid palette in
// CopyPalette" when the entry count cannot be read, "Cannot get palette
// entries in CopyPalette" when fewer entries come back, and
// EOutOfResources "Cannot create palette in CopyPalette" when no copy can
// be made.
HPALETTE CopyPalette(HPALETTE palette);

// A monochrome bitmap of the same size: white where `bitmap` has `color`,
// black elsewhere.
TBitmap CreateMask(const TBitmap& bitmap, TColor color);
// Black exactly at the pixels that are `transparent` in `current` and have
// a pixel of `source` that is not transparent at one of `offsets` back.
TBitmap EdgeMask(const TBitmap& source, const TBitmap& current, const std::vector<TPoint>& offsets,
                 TColor transparent);
// The cells at distance `ring` on one side: side 0 the bottom right (the
// right column, then the bottom row), side 1 the top left.
std::vector<TPoint> RingOffsets(int ring, int side);

struct ShapeRings {
    int BevelWidth = 2; // at most 2
    bool Border = true; // one more ring outside the bevel
    TColor Highlight = clBtnHighlight;
    TColor Shadow = clBtnShadow;
    TColor BorderColor = cl3DDkShadow;
};

// `source` with its rings: light top-left and dark bottom-right when up;
// exchanged, and without the outermost bottom-right part, when down. The
// image has a palette of its own, a copy of the source's.
TBitmap BuildStateImage(const TBitmap& source, TButtonState state, const ShapeRings& rings);

} // namespace korvan::panels
