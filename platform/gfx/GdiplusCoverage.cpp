// Recorded coverage of a solid-colour shape: rasterised once, painted again
// without the path. Recording paints the shape with the target's own clip
// and geometry into a scratch image where every paint adds one to a pixel's
// alpha; painting back applies the colour that many times, through maps of
// channel values taken from the painter's own blending.

#include "platform/gfx/Gdiplus.h"

#include <QPainter>
#include <algorithm>

namespace Gdiplus {

namespace {

// One count per paint: alpha 1, nothing else.
constexpr ARGB CountingColour = 0x01000000u;
// The alpha of a scratch pixel saturates here: a count that may be more.
constexpr int CountLimit = 255;

bool Antialiased(SmoothingMode m) {
    return m == SmoothingModeAntiAlias || m == SmoothingModeHighQuality;
}

std::uint32_t RampPixel(int row, int v) {
    // Row 0: grey; row 1: the channels in other orders, to check that each
    // channel blends on its own.
    return row == 0 ? qRgb(v, v, v) : qRgb(v, 255 - v, (v * 7) & 255);
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

Status Graphics::RecordCoverage(const Pen* pen, const GraphicsPath& path, bool fill,
                                PathCoverage& out) const {
    out.runs_.clear();
    out.maxCount_ = 0;
    out.target_ = {};
    if (!image_ || image_->isNull())
        return InvalidParameter;
    if (image_->format() != QImage::Format_RGB32 || Antialiased(smoothing_))
        return NotImplemented;
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
    shape.path_ = cut ? CutToBox(path.Qt(), image.adjusted(-margin, -margin, margin, margin)) : path.Qt();
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
    // Only rows the shape reaches can hold counts; they are read and
    // cleared for the next recording.
    const QRect rows = shape.path_.controlPointRect()
                           .translated(shift)
                           .toAlignedRect()
                           .adjusted(0, -static_cast<int>(margin), 0, static_cast<int>(margin) + 1)
                           .intersected(counts.rect());
    const int w = counts.width();
    for (int y = rows.top(); y <= rows.bottom() && !rows.isEmpty(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(counts.scanLine(y));
        for (int x = 0; x < w;) {
            const int count = static_cast<int>(line[x] >> 24);
            int end = x + 1;
            while (end < w && static_cast<int>(line[end] >> 24) == count)
                ++end;
            if (count > 0) {
                out.runs_.push_back({y, x, end - x, count});
                std::fill(line + x, line + end, 0u);
            }
            out.maxCount_ = std::max(out.maxCount_, count);
            x = end;
        }
    }
    if (out.maxCount_ >= CountLimit) {
        out.runs_.clear();
        return NotImplemented;
    }
    out.target_ = image_->size();
    return Ok;
}

Status Graphics::PaintCoverage(const PathCoverage& coverage, const Color& colour) {
    if (!image_ || image_->isNull())
        return InvalidParameter;
    if (image_->format() != QImage::Format_RGB32 || image_->size() != coverage.target_)
        return NotImplemented;
    PathCoverage::ChannelMaps& maps = coverage.maps_;
    if (maps.Colour != colour.GetValue() || maps.Times.empty()) {
        // What one paint of the colour makes of each channel value, read
        // from the painter blending a ramp the way it fills a path.
        maps.Colour = colour.GetValue();
        maps.Times.assign(1, {});
        QImage ramp(256, 2, QImage::Format_RGB32);
        for (int row = 0; row < 2; ++row)
            for (int v = 0; v < 256; ++v)
                reinterpret_cast<std::uint32_t*>(ramp.scanLine(row))[v] = RampPixel(row, v);
        {
            QPainter p(&ramp);
            p.setRenderHint(QPainter::Antialiasing, false);
            QPainterPath all;
            all.addRect(QRectF(0, 0, 256, 2));
            p.fillPath(all, QColor::fromRgba(colour.GetValue()));
        }
        auto& once = maps.Times[0];
        const auto* grey = reinterpret_cast<const std::uint32_t*>(ramp.constScanLine(0));
        for (int v = 0; v < 256; ++v) {
            once[0][v] = static_cast<std::uint8_t>(qRed(grey[v]));
            once[1][v] = static_cast<std::uint8_t>(qGreen(grey[v]));
            once[2][v] = static_cast<std::uint8_t>(qBlue(grey[v]));
        }
        maps.Valid = true;
        const auto* mixed = reinterpret_cast<const std::uint32_t*>(ramp.constScanLine(1));
        for (int v = 0; v < 256 && maps.Valid; ++v) {
            const std::uint32_t in = RampPixel(1, v);
            const std::uint32_t predicted = qRgb(once[0][qRed(in)], once[1][qGreen(in)], once[2][qBlue(in)]);
            maps.Valid = predicted == mixed[v] && qAlpha(grey[v]) == 255;
        }
    }
    if (!maps.Valid)
        return NotImplemented;
    while (static_cast<int>(maps.Times.size()) < coverage.maxCount_) {
        const auto& last = maps.Times.back();
        const auto& once = maps.Times.front();
        std::array<std::array<std::uint8_t, 256>, 3> next{};
        for (int c = 0; c < 3; ++c)
            for (int v = 0; v < 256; ++v)
                next[c][v] = once[c][last[c][v]];
        maps.Times.push_back(next);
    }
    for (const PathCoverage::Run& run : coverage.runs_) {
        const auto& m = maps.Times[static_cast<std::size_t>(run.Count - 1)];
        auto* line = reinterpret_cast<std::uint32_t*>(image_->scanLine(run.Y)) + run.X;
        for (int i = 0; i < run.Length; ++i) {
            const std::uint32_t v = line[i];
            line[i] = 0xFF000000u | (std::uint32_t(m[0][(v >> 16) & 0xFF]) << 16) |
                      (std::uint32_t(m[1][(v >> 8) & 0xFF]) << 8) | m[2][v & 0xFF];
        }
    }
    return Ok;
}

} // namespace Gdiplus
