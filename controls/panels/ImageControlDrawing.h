#pragma once
// Drawing shared by the LED toggle and the flat text button: 3-D rings, the
// placement of an image beside a caption, an enabled or embossed caption and
// bitmap tiling.

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

#include <string>

// Where the image stands relative to the caption.
enum TVrImageTextLayout { ImageLeft, ImageRight, ImageTop, ImageBottom };

enum TVrTextAlignment {
    vtaLeft,
    vtaCenter,
    vtaRight,
    vtaTopLeft,
    vtaTop,
    vtaTopRight,
    vtaBottomLeft,
    vtaBottom,
    vtaBottomRight
};

// Sizes and ring counts: 0 and up, and 0 to 255.
using TVrMaxInt = int;
using TVrByteInt = int;

// Draws `width` rings inside `r` (top and left in `topColor`, bottom and right
// in `bottomColor`) and returns `r` shrunk by `width` on every side.
TRect DrawFrame3D(TCanvas& canvas, TRect r, TColor topColor, TColor bottomColor, int width);

struct ImageTextPlacement {
    TPoint ImagePos;  // the image's top-left corner
    TRect TextBounds; // the caption's rectangle
};

// Places an image of `imageSize` and `caption` (measured in the canvas's
// font) inside `client`. Margin and spacing of -1 are computed; without a
// caption or an image the spacing is 0.
ImageTextPlacement CalcImageTextLayout(TCanvas& canvas, const TRect& client, const std::string& caption,
                                       TVrImageTextLayout layout, int margin, int spacing, TSize imageSize);

// The caption centred on one line, or embossed (highlight one pixel down and
// right under the shadow) when disabled.
void DrawEnabledText(TCanvas& canvas, const std::string& text, const TRect& r, bool enabled);

// Repeats `bitmap` from the top-left of `r`; the last tiles may overhang it.
void TileBitmap(TCanvas& canvas, const TRect& r, TBitmap& bitmap);

// The format flags that place one line of text for an alignment.
unsigned TextAlignmentFlags(TVrTextAlignment alignment);
