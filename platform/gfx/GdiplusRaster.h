#pragma once
// The aliased rasteriser of the GDI+ subset, for calls that need no
// antialiasing, no pattern and no pen wider than one pixel, on an opaque
// 32-bit target. A path is flattened into polygons in device pixels, its
// one-pixel outline and its fill are counted into a mask, and the mask is
// read back as runs of pixels painted once, twice, ...: one call paints a
// pixel at most once, however many segments touch it. Calls it does not
// serve (antialiasing, brushes other than solid, dashed or wider pens, a
// graphics clip other than a rectangle, another target format, points
// beyond a million pixels) stay with the painter.
//
// The rules, in device pixels whose centres lie on integer coordinates
// (GDI+ coordinates plus the graphics origin):
// - Coordinates are snapped to the nearest 1/16 pixel, halves up.
// - A cubic Bezier is halved until both inner control points lie within a
//   quarter pixel of its chord, or its control polygon is shorter than one
//   pixel (|dx| + |dy| summed); each piece is then its chord. A cubic wholly
//   beyond one side of the clip is its chord at once.
// - Outline: each segment steps along its major axis (x when |dx| >= |dy|)
//   through every column (row) from the one nearest its start to the one
//   nearest its end, both included. In each it marks the pixel whose centre
//   is nearest the segment's point at that column, the column taken within
//   the segment's extent; halves go to the larger coordinate. A segment of
//   no length marks the pixel nearest it; a figure of one point marks none.
// - Fill: the pixels whose centres lie inside the path by its fill mode,
//   every figure closed back to its start. A centre exactly on an edge is
//   inside where the edge bounds the shape on its left or top, outside on
//   its right or bottom, so shapes that share an edge share no pixel.
// - Clip: rectangles of device pixels; a pixel outside all is left alone.

#include "platform/gfx/Gdiplus.h"

#include <QRect>
#include <cstdint>
#include <optional>
#include <vector>

namespace korvan::gfx {

// Fixed-point subdivisions of a pixel.
constexpr int RasterSub = 16;

// A flattened path: figures of points in fixed device coordinates.
struct FlatPath {
    struct Point {
        std::int32_t X, Y;
    };
    struct Figure {
        int First, Count; // into Points
    };
    std::vector<Point> Points;
    std::vector<Figure> Figures;
};

// Where the rasteriser paints: the target's size, the graphics origin and
// the clip as device rectangles inside the target (none: nothing painted).
struct RasterTarget {
    QSize Size;
    QPoint Origin;
    std::vector<QRect> Clip;
    QRect Bounds() const;
};

// Whether the rasteriser draws this pen: solid, one pixel wide or less.
bool RasterPen(const Gdiplus::Pen& pen);

// The rectangle a path is, if it is one: four corners joined by lines
// along the axes.
std::optional<QRectF> RectangleOf(const QPainterPath& path);

// Flattens a path in GDI+ coordinates; false (and nothing usable) when a
// coordinate is not finite or lies too far out for fixed point.
bool Flatten(const std::vector<Gdiplus::GraphicsPath::Element>& path, const RasterTarget& target,
             FlatPath& out);

// The pixels whose centres a rectangle in device coordinates holds, by the
// fill rule.
QRect PixelsInside(const QRectF& device);

// Counts of paints per pixel of a target, kept clear between shapes. One
// per thread (Mask()), sized to the latest target.
class CoverageMask {
public:
    // Starts a shape: the mask takes the target's size, the rasteriser its
    // clip.
    void Begin(const RasterTarget& target);
    // Adds one to every pixel of the path's outline. Goes first, into a
    // clear mask.
    void AddOutline(const FlatPath& path);
    // Adds one to every pixel inside the path.
    void AddFill(const FlatPath& path, bool winding);
    // Adds a count another painter recorded at a pixel of the target,
    // unclipped; false once a pixel's count would reach the limit.
    bool AddCount(int x, int y, int count);
    // The counted pixels as runs of one count, row by row, and the largest
    // count; leaves the mask clear. False (no runs) when a count reached
    // the limit.
    bool TakeRuns(std::vector<Gdiplus::PathCoverage::Run>& runs, int& maxCount);

    static CoverageMask& Mask();
    // Counts stop short of this.
    static constexpr int CountLimit = 255;

private:
    void Segment(FlatPath::Point a, FlatPath::Point b);
    void Mark(int x, int y);
    void AddSpan(int y, int x0, int x1);
    void Touch(int y, int x0, int x1);
    void Clear();
    // Reads (when runs is given) and clears every counted pixel.
    void Read(std::vector<Gdiplus::PathCoverage::Run>* runs, int& maxCount);

    QSize size_;
    std::vector<std::uint8_t> cells_;
    std::vector<int> lo_, hi_; // touched columns per row; lo_ > hi_ when none
    bool saturated_ = false;
    std::vector<QRect> clip_;
    QRect box_; // bounds of clip_
    struct Crossing {
        int Row, X, Dir;
    };
    std::vector<Crossing> crossings_, sorted_;
    std::vector<int> rowStart_;
};

// Whether a colour can be painted over runs (its blend acts on each
// channel on its own, as the painter's SourceOver does).
bool CanBlend(Gdiplus::ARGB colour);
// Paints a solid colour over runs on an opaque 32-bit image: each pixel of
// a run of count n gets the colour blended n times, to the values the
// painter gives for painting it n times. False (nothing painted) when the
// colour cannot be.
bool BlendRuns(QImage& image, Gdiplus::ARGB colour, const std::vector<Gdiplus::PathCoverage::Run>& runs,
               int maxCount);

} // namespace korvan::gfx
