#pragma once
// Pixel-level primitives behind TCanvas, shared by its drawing files. All
// coordinates here are device pixels of the canvas's image.

#include "platform/gfx/Canvas.h"

#include <QPainterPath>
#include <functional>

struct TCanvas::Impl {
    static bool InClip(const TCanvas& c, int x, int y);
    // Writes one pixel through a two-operand raster operation and the clip.
    static void Put(TCanvas& c, int x, int y, std::uint32_t rgb, TPenMode mode);
    static std::uint32_t Rop2(std::uint32_t pen, std::uint32_t dst, TPenMode mode);
    // The brush's colour at a device pixel; false where a hatch gap or a
    // pattern bit stays untouched (transparent background).
    static bool BrushAt(const TCanvas& c, int x, int y, std::uint32_t& rgb);
    static void FillSpanWithBrush(TCanvas& c, int x0, int x1, int y, TPenMode mode);
    // Fills the pixels covered by a mask (grey level >= 128) placed at origin.
    static void FillMask(TCanvas& c, const QImage& mask, QPoint origin, TPenMode mode);
    // Renders a path's fill (coordinates: pixel centres at integers, device
    // space) into a coverage mask of its bounding box, aliased.
    static QImage PathMask(const QPainterPath& path, QPoint& origin);

    // One-pixel pen along a device polyline, end pixel of each segment left
    // out; the dash pattern runs on across segments.
    struct Dash {
        int phase = 0;
    };
    static void CosmeticSegment(TCanvas& c, QPoint a, QPoint b, Dash& dash);
    static void StrokePolyline(TCanvas& c, const std::vector<QPoint>& devicePts, bool closed);
    // Pens wider than one pixel: round ends and joins (see WideStroke.h),
    // every covered pixel through the raster operation and the clip.
    static void StrokeWide(TCanvas& c, const std::vector<QPoint>& devicePts, bool closed);
    // Strokes a path with the current pen (any width) and fills it with the
    // brush first when fill is set.
    static void DrawShape(TCanvas& c, const QPainterPath& devicePath, bool fill, bool closed);
    static bool PenVisible(const TCanvas& c) { return c.pen_.Style() != psClear && c.pen_.Mode() != pmNop; }
    static QPoint Dev(const TCanvas& c, int x, int y) { return QPoint(x + c.org_.X, y + c.org_.Y); }
    // One run of text with the canvas's font, its cell's top-left at a
    // device point; underline lists character indices to underline.
    static void DrawTextRun(TCanvas& c, const QString& text, QPoint cell, const QRect* clipDevice,
                            const std::vector<int>& underline = {});
    static std::uint32_t MonoFilter(const TCanvas& c, std::uint32_t rgb);

    // Block transfer with a three-operand raster code (device clip, viewport
    // origins). BltPixels is the general path, pixel by pixel; BltRows does
    // the common cases a row at a time and returns false where it cannot.
    static void BltPixels(TCanvas& c, int x, int y, int w, int h, TCanvas* src, int sx, int sy, int sw,
                          int sh, std::uint8_t code);
    static bool BltRows(TCanvas& c, int x, int y, int w, int h, TCanvas* src, int sx, int sy, int sw, int sh,
                        std::uint8_t code);
};
