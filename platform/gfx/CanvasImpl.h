#pragma once
// Pixel-level primitives behind TCanvas, shared by its drawing files. All
// coordinates here are device pixels of the canvas's image.

#include "platform/gfx/Canvas.h"

#include <QPainterPath>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <limits>
#include <utility>

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
    // space) into a coverage mask of its bounding box, aliased; of its part
    // within limit when it is too large for a whole mask.
    static QImage PathMask(const QPainterPath& path, QPoint& origin, const QRect& limit);

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
    // A logical point in device pixels. Coordinates stop a long way beyond
    // any image, where a few pixels more or less cannot overflow.
    static QPoint Dev(const TCanvas& c, int x, int y) {
        return QPoint(Saturated(std::int64_t(x) + c.org_.X), Saturated(std::int64_t(y) + c.org_.Y));
    }
    static constexpr int DeviceLimit = 1 << 30;
    static int Saturated(std::int64_t v) {
        return static_cast<int>(std::clamp<std::int64_t>(v, -DeviceLimit, DeviceLimit));
    }
    // A logical coordinate worked out in 64 bits, stopped at the int range.
    static int ClampToInt(std::int64_t v) {
        return static_cast<int>(
            std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    }
    // The steps i in [0, count) at which start + sign * i lies in [lo, hi]:
    // the only ones of a run of pixels that can land in a clip of those
    // bounds. Empty (first > last) when none do.
    static void StepsWithin(std::int64_t start, int sign, int lo, int hi, std::int64_t count,
                            std::int64_t& first, std::int64_t& last) {
        first = std::max<std::int64_t>(sign > 0 ? lo - start : start - hi, 0);
        last = std::min<std::int64_t>(sign > 0 ? hi - start : start - lo, count - 1);
    }
    // A w x h transfer from sw x sh at logical (x, y), in 64 bits (it may be
    // given sizes and places across the whole int range): the sizes' steps,
    // its device corner, and the steps i in [i0, i1] and j in [j0, j1] that
    // land in the clip box.
    struct TransferSteps {
        std::int64_t aw, ah, asw, ash, left, top, i0, i1, j0, j1;
    };
    static TransferSteps ClippedTransferSteps(const TCanvas& c, int x, int y, int w, int h, int sw, int sh) {
        TransferSteps s{};
        s.aw = std::abs(std::int64_t(w));
        s.ah = std::abs(std::int64_t(h));
        s.asw = std::abs(std::int64_t(sw));
        s.ash = std::abs(std::int64_t(sh));
        s.left = std::int64_t(x) + c.org_.X;
        s.top = std::int64_t(y) + c.org_.Y;
        StepsWithin(s.left, w < 0 ? -1 : 1, c.clipBox_.left(), c.clipBox_.right(), s.aw, s.i0, s.i1);
        StepsWithin(s.top, h < 0 ? -1 : 1, c.clipBox_.top(), c.clipBox_.bottom(), s.ah, s.j0, s.j1);
        return s;
    }
    // Calls f(i, j, device x, device y) for the pixels (i, j) of a w x h
    // destination at logical (x, y) that land in the clip box, rows first.
    template <typename F>
    static void ForEachClippedPixel(const TCanvas& c, int x, int y, int w, int h, F&& f) {
        const std::int64_t left = std::int64_t(x) + c.org_.X, top = std::int64_t(y) + c.org_.Y;
        std::int64_t i0, i1, j0, j1;
        StepsWithin(left, 1, c.clipBox_.left(), c.clipBox_.right(), w, i0, i1);
        StepsWithin(top, 1, c.clipBox_.top(), c.clipBox_.bottom(), h, j0, j1);
        for (std::int64_t j = j0; j <= j1; ++j)
            for (std::int64_t i = i0; i <= i1; ++i)
                f(i, j, static_cast<int>(left + i), static_cast<int>(top + j));
    }
    // The rows [top, end) cut to the clip box: the only ones a fill of
    // those rows can change.
    static std::pair<int, int> RowsInClip(const TCanvas& c, std::int64_t top, std::int64_t end) {
        return {static_cast<int>(std::max<std::int64_t>(top, c.clipBox_.top())),
                static_cast<int>(std::min<std::int64_t>(end, std::int64_t(c.clipBox_.bottom()) + 1))};
    }
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
    // A scaled or mirrored plain copy (SRCCOPY between colour images, a
    // rectangular clip) with the general path's pixel choice; false where
    // it cannot.
    static bool StretchCopy(TCanvas& c, int x, int y, int w, int h, TCanvas* src, int sx, int sy, int sw,
                            int sh, std::uint8_t code);
};
