#pragma once
// Frames of the panel and button pack: side lines, bevels, 3-D and button
// rings, every frame style from system colours or shaded from a face colour,
// flat, dotted and rounded outlines, the complete panel frame and the combo
// box's drop-down arrow. Each routine returns the rectangle left inside.

#include "platform/gfx/Canvas.h"

enum TSide : unsigned { sdLeft = 1, sdTop = 2, sdRight = 4, sdBottom = 8 };
using TSides = unsigned;
constexpr TSides sdAllSides = sdLeft | sdTop | sdRight | sdBottom;

enum TFrameStyleEx {
    fsNone,
    fsFlat,
    fsGroove,
    fsBump,
    fsLowered,
    fsButtonDown,
    fsRaised,
    fsButtonUp,
    fsStatus,
    fsPopup,
    fsFlatBold,
    fsFlatRounded
};
using TFrameStyle = TFrameStyleEx; // fsNone..fsFlatBold

TRect DrawSidesLines(TCanvas& canvas, TRect r, TColor topLeft, TColor bottomRight, TSides sides);
TRect DrawSidesBevel(TCanvas& canvas, TRect r, TColor topLeft, TColor bottomRight, int count, TSides sides);
// `r` with `count` pixels taken off each of `sides` (coordinates stop at
// the ends of their range).
TRect ShrinkSides(TRect r, int count, TSides sides);
TRect DrawCtl3DFrame(TCanvas& canvas, TRect r, bool lowered, TSides sides);
TRect DrawButtonFrame(TCanvas& canvas, TRect r, bool down, TSides sides = sdAllSides);
TRect DrawColorButtonFrame(TCanvas& canvas, TRect r, TColor face, bool down, TSides sides = sdAllSides);
TRect DrawFrameStyle(TCanvas& canvas, TRect r, TFrameStyleEx style, TSides sides = sdAllSides);
TRect DrawColorFrameStyle(TCanvas& canvas, TRect r, TColor face, TFrameStyleEx style,
                          TSides sides = sdAllSides);
TRect DrawFlatFrame(TCanvas& canvas, TRect r, TColor color);
TRect DrawDottedFrame(TCanvas& canvas, TRect r);
TRect DrawRoundedFlatFrame(TCanvas& canvas, TRect r, TColor color, TSides sides);
TRect DrawPanelFrame(TCanvas& canvas, TRect r, TFrameStyleEx outer, bool roundedInner, bool transparent,
                     TColor parentColor, TColor color, int flatAdjustment, TColor flatColor,
                     TColor borderShadow, TColor borderHighlight, TColor borderColor, int bevelWidth,
                     TSides sides, int borderWidth, TFrameStyleEx inner);
void DrawDropDownArrow(TCanvas& canvas, TRect r, int look, bool enabled);
