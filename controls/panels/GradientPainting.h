#pragma once
// Gradient fills in ten directions, the 2-pixel gradient border, and bitmap
// drawing with one colour treated as transparent.

#include "platform/gfx/Bitmap.h"

enum TGradientDirection {
    gdDiagonalUp,
    gdDiagonalDown,
    gdHorizontalEnd,
    gdHorizontalCenter,
    gdHorizontalBox,
    gdVerticalEnd,
    gdVerticalCenter,
    gdVerticalBox,
    gdSquareBox,
    gdBigSquareBox
};

void FillGradientRect(TCanvas& canvas, const TRect& r, TGradientDirection direction, TColor startColor,
                      TColor stopColor, int steps);
void PaintGradientBitmap(TCanvas& canvas, const TRect& r, TGradientDirection direction, TColor startColor,
                         TColor stopColor, int steps);
void FillLinearGradient(TCanvas& dc, int xCentre, int yCentre, int steps, TColor firstColor,
                        TColor secondColor, int length);
void FillBoxGradient(TCanvas& dc, int width, int height, int steps, TColor centreColor, TColor edgeColor,
                     int yInset, int xInset);
void FillDiagonalGradient(TCanvas& dc, int signedWidth, int height, int steps, TColor stopColor,
                          TColor startColor);
void ReplicateStripe(TCanvas& dc, int x, int y, std::uint32_t rop, int filledHeight, int filledWidth,
                     int height, int width);
void MirrorQuadrant(TCanvas& dc, int x, int y, std::uint32_t rop, int height, int width);
void PaintGradientBorder(TCanvas& canvas, const TRect& r, TGradientDirection direction, TColor startColor,
                         TColor stopColor);

void DrawTransparentBitmapRect(TCanvas& canvas, TBitmap& bitmap, const TRect& dest, TColor transparentColor,
                               const TRect& source);
void DrawTransparentBitmapStretched(TCanvas& canvas, TBitmap& bitmap, const TRect& dest,
                                    TColor transparentColor, const TRect& source);
void DrawTransparentBitmap(TCanvas& canvas, TBitmap& bitmap, const TRect& dest, TColor transparentColor);
void TileTransparentBitmap(TCanvas& canvas, TBitmap& bitmap, const TRect& dest, TColor transparentColor);
