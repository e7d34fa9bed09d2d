#pragma once
// A clip region in device pixels, as the canvas selects it: rectangles,
// rounded rectangles, ellipses and polygons, combined with the usual modes.

#include "platform/gfx/Types.h"

#include <QRegion>
#include <vector>

enum TRegionCombine { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
enum TPolyFillMode { ALTERNATE = 1, WINDING = 2 };

namespace korvan::gfx {

class Region {
public:
    Region() = default;
    static Region FromRect(const TRect& r);
    static Region FromEllipse(const TRect& r);
    static Region FromRoundRect(const TRect& r, int cornerW, int cornerH);
    static Region FromPolygon(const std::vector<TPoint>& pts, TPolyFillMode mode = ALTERNATE);

    Region Combined(const Region& other, TRegionCombine mode) const;
    Region Offset(int dx, int dy) const { return Region(region_.translated(dx, dy)); }
    bool Contains(int x, int y) const { return region_.contains(QPoint(x, y)); }
    bool IsEmpty() const { return region_.isEmpty(); }
    TRect BoundingBox() const;

    const QRegion& Qt() const { return region_; }
    explicit Region(QRegion r) : region_(std::move(r)) {}

private:
    QRegion region_;
};

} // namespace korvan::gfx
