// Recorded coverage of a solid-colour shape: rasterised once, painted again
// without the path. Recording counts the paints of each pixel the way
// DrawPath and FillPath would make them: with the aliased rasteriser where
// they use it, else with the painter, on the target's own clip and
// geometry, in a scratch image where every paint adds one to a pixel's
// alpha. Painting back applies the colour that many times.

#include "platform/gfx/Gdiplus.h"
#include "platform/gfx/GdiplusRaster.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace Gdiplus {

namespace {

// One count per paint: alpha 1, nothing else.
constexpr ARGB CountingColour = 0x01000000u;

bool Antialiased(SmoothingMode m) {
    return m == SmoothingModeAntiAlias || m == SmoothingModeHighQuality;
}

// Coordinates beyond this make the painter clip paths itself; paths that
// reach so far are recorded uncut.
constexpr double CoordinateLimit = 16000.0;

// The outer side of the box all the points lie beyond, or -1.
int CommonOutside(const QPointF* pts, int n, const QRectF& box) {
    auto all = [&](auto beyond) {
        for (int i = 0; i < n; ++i)
            if (!beyond(pts[i]))
                return false;
        return true;
    };
    if (all([&](const QPointF& p) { return p.x() < box.left(); }))
        return 0;
    if (all([&](const QPointF& p) { return p.x() > box.right(); }))
        return 1;
    if (all([&](const QPointF& p) { return p.y() < box.top(); }))
        return 2;
    if (all([&](const QPointF& p) { return p.y() > box.bottom(); }))
        return 3;
    return -1;
}

// The path with every run of segments that lies wholly beyond one side of
// the box (control points included) replaced by one line between the
// run's ends. Such a run and its line stay on that side, so neither an
// outline nor the fill inside the box changes: no pixel there is drawn by
// either, and the points inside keep their winding. Kept segments keep
// their exact coordinates.
QPainterPath CutToBox(const QPainterPath& path, const QRectF& box) {
    QPainterPath out;
    out.setFillRule(path.fillRule());
    out.reserve(path.elementCount());
    int runSide = -1;
    QPointF runEnd, current;
    auto endRun = [&] {
        if (runSide >= 0)
            out.lineTo(runEnd);
        runSide = -1;
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element& e = path.elementAt(i);
        if (e.isMoveTo()) {
            endRun();
            out.moveTo(e);
            current = e;
            continue;
        }
        QPointF pts[4] = {current, e, e, e};
        int n = 2;
        if (e.isCurveTo() && i + 2 < path.elementCount()) {
            pts[2] = path.elementAt(i + 1);
            pts[3] = path.elementAt(i + 2);
            n = 4;
            i += 2;
        }
        const QPointF end = pts[n - 1];
        const int side = CommonOutside(pts, n, box);
        if (side < 0 || side != runSide)
            endRun();
        if (side >= 0) {
            runSide = side;
            runEnd = end;
        } else if (n == 4) {
            out.cubicTo(pts[1], pts[2], pts[3]);
        } else {
            out.lineTo(end);
        }
        current = end;
    }
    endRun();
    return out;
}

} // namespace

void Graphics::CountWithPainter(const Pen* pen, const GraphicsPath& path, bool fill) const {
    // One scratch image per thread, of the latest target's size, kept
    // clear by the scan below.
    thread_local QImage counts;
    if (counts.size() != image_->size()) {
        counts = QImage(image_->size(), QImage::Format_ARGB32_Premultiplied);
        counts.fill(0u);
    }
    // Path coordinates put pixel centres on integers, shifted by the origin.
    const QPointF shift(origin_.x() + 0.5, origin_.y() + 0.5);
    const QRectF image = QRectF(image_->rect()).translated(-shift);
    const double penWidth = pen ? std::max<double>(pen->GetWidth(), 1.0) : 0.0;
    const double margin = 4.0 + 4.0 * penWidth; // beyond any join or cap
    const QRectF reach = path.Qt().controlPointRect();
    const bool cut = reach.left() > -CoordinateLimit && reach.right() < CoordinateLimit &&
                     reach.top() > -CoordinateLimit && reach.bottom() < CoordinateLimit;
    GraphicsPath shape(path.GetFillMode());
    shape.Replay(cut ? CutToBox(path.Qt(), image.adjusted(-margin, -margin, margin, margin)) : path.Qt(), 0);
    Graphics counting(*this);
    counting.image_ = &counts;
    counting.counting_ = true;
    if (pen) {
        Pen countingPen(*pen);
        countingPen.SetColor(Color(CountingColour));
        counting.DrawPath(countingPen, shape);
    }
    if (fill)
        counting.FillPath(SolidBrush(Color(CountingColour)), shape);
    // Only rows the shape reaches can hold counts; they are moved into the
    // mask and cleared for the next recording.
    // Worked out in floating point and cut to the image before it becomes
    // whole pixels: a shape may reach far beyond the int range.
    const QRectF reached =
        shape.Qt().controlPointRect().translated(shift).adjusted(0, -margin, 0, margin + 1);
    const bool finite = std::isfinite(reached.left()) && std::isfinite(reached.right()) &&
                        std::isfinite(reached.top()) && std::isfinite(reached.bottom());
    const QRect rows =
        finite ? reached.intersected(QRectF(counts.rect())).toAlignedRect().intersected(counts.rect())
               : counts.rect();
    korvan::gfx::CoverageMask& mask = korvan::gfx::CoverageMask::Mask();
    for (int y = rows.top(); y <= rows.bottom() && !rows.isEmpty(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(counts.scanLine(y));
        for (int x = 0; x < counts.width(); ++x)
            if (line[x] != 0) {
                mask.AddCount(x, y, static_cast<int>(line[x] >> 24));
                line[x] = 0;
            }
    }
}

Status Graphics::RecordCoverage(const Pen* pen, const GraphicsPath& path, bool fill,
                                PathCoverage& out) const {
    out.runs_.clear();
    out.maxCount_ = 0;
    out.target_ = {};
    if (!image_ || image_->isNull())
        return InvalidParameter;
    if (image_->format() != QImage::Format_RGB32 || Antialiased(smoothing_))
        return NotImplemented;
    // Each part as DrawPath and FillPath would paint it: the outline first.
    korvan::gfx::RasterTarget target;
    thread_local korvan::gfx::FlatPath flat;
    const bool raster = RasterTarget(target) && korvan::gfx::Flatten(path.Elements(), target, flat);
    const bool rasterOutline = pen && raster && korvan::gfx::RasterPen(*pen);
    korvan::gfx::CoverageMask& mask = korvan::gfx::CoverageMask::Mask();
    if (!raster) {
        target.Size = image_->size();
        target.Origin = origin_;
        target.Clip = {image_->rect()};
    }
    mask.Begin(target);
    if (!raster)
        CountWithPainter(pen, path, fill);
    else if (pen && !rasterOutline)
        CountWithPainter(pen, path, false);
    if (rasterOutline)
        mask.AddOutline(flat);
    if (raster && fill)
        mask.AddFill(flat, path.GetFillMode() == FillModeWinding);
    if (!mask.TakeRuns(out.runs_, out.maxCount_))
        return NotImplemented;
    out.target_ = image_->size();
    return Ok;
}

Status Graphics::PaintCoverage(const PathCoverage& coverage, const Color& colour) {
    if (!image_ || image_->isNull())
        return InvalidParameter;
    if (image_->format() != QImage::Format_RGB32 || image_->size() != coverage.target_)
        return NotImplemented;
    if (!korvan::gfx::BlendRuns(*image_, colour.GetValue(), coverage.runs_, coverage.maxCount_))
        return NotImplemented;
    return Ok;
}

} // namespace Gdiplus
