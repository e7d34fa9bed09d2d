#pragma once
// The vocabulary of the track bar and its parts: orientation, what a
// press on the track does, tick rows and styles, gradient directions and
// kinds, thumb shapes and pointers, step-button shapes and label places.

enum TTrackBarOrientation { trHorizontal, trVertical };
enum TMoveOnClick { mcStep, mcMove, mcMoveSlide };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };
// How a banded gradient runs: the colour changes left to right
// (horizontal), top to bottom (vertical), or out from the middle to both
// edges (the InOut kinds).
enum TGradientDirection { gdHorizontal, gdVertical, gdHorizontalInOut, gdVerticalInOut };
enum TThumbShape {
    tsPointer,
    tsRectangle,
    tsRoundRect,
    tsRound,
    tsLine,
    tsPointerLeftUp,
    tsPointerRightUp,
    tsTriangle,
    tsTriangleLeft,
    tsTriangleRight
};
enum TThumbPointer { tpLeft, tpCenter, tpRight };
enum TThumbStyle { tstOffice2007, tstCustom };
// The gradient kind of a two-half (mirrored) face.
enum TGDIPGradient { ggRadial, ggVertical, ggDiagonalForward, ggDiagonalBackward };
enum TTrackButtonShape { bsRound, bsRectangle };
enum TLabelPosition { lpTopCenter, lpTopLeft, lpTopRight, lpBottomCenter, lpBottomLeft, lpBottomRight };

// Value names as the form data writes them.
namespace korvan::gdip {
inline const char* const kGradientDirectionNames[] = {"gdHorizontal", "gdVertical", "gdHorizontalInOut",
                                                      "gdVerticalInOut"};
inline const char* const kGdipGradientNames[] = {"ggRadial", "ggVertical", "ggDiagonalForward",
                                                 "ggDiagonalBackward"};
} // namespace korvan::gdip
