// Pixel writes, raster operations, brushes and coverage masks of TCanvas.

#include "platform/gfx/CanvasImpl.h"

#include "platform/gfx/Hatches.h"
#include "platform/gfx/PathMaskCache.h"
#include "platform/gfx/WideStroke.h"

#include <QPainter>
#include <cmath>

using Impl = TCanvas::Impl;

namespace {

// Pixels are kept as 0x00RRGGBB in the raster operations; the image stores
// them with an opaque alpha.
inline std::uint32_t ToImage(std::uint32_t rgb) {
    return 0xFF000000u | (rgb & 0xFFFFFF);
}

} // namespace

bool Impl::InClip(const TCanvas& c, int x, int y) {
    if (!c.clipBox_.contains(x, y))
        return false;
    if (c.clipMask_.empty())
        return true;
    return c.clipMask_[static_cast<std::size_t>(y) * c.image_->width() + x] != 0;
}

std::uint32_t Impl::Rop2(std::uint32_t p, std::uint32_t d, TPenMode mode) {
    std::uint32_t r = 0;
    switch (mode) {
    case pmBlack:
        r = 0;
        break;
    case pmWhite:
        r = 0xFFFFFF;
        break;
    case pmNop:
        r = d;
        break;
    case pmNot:
        r = ~d;
        break;
    case pmCopy:
        r = p;
        break;
    case pmNotCopy:
        r = ~p;
        break;
    case pmMergePenNot:
        r = p | ~d;
        break;
    case pmMaskPenNot:
        r = p & ~d;
        break;
    case pmMergeNotPen:
        r = ~p | d;
        break;
    case pmMaskNotPen:
        r = ~p & d;
        break;
    case pmMerge:
        r = p | d;
        break;
    case pmNotMerge:
        r = ~(p | d);
        break;
    case pmMask:
        r = p & d;
        break;
    case pmNotMask:
        r = ~(p & d);
        break;
    case pmXor:
        r = p ^ d;
        break;
    case pmNotXor:
        r = ~(p ^ d);
        break;
    }
    return r & 0xFFFFFF;
}

std::uint32_t Impl::MonoFilter(const TCanvas& c, std::uint32_t rgb) {
    if (!c.monochrome_)
        return rgb;
    const int lum = (((rgb >> 16) & 0xFF) * 30 + ((rgb >> 8) & 0xFF) * 59 + (rgb & 0xFF) * 11) / 100;
    return lum >= 128 ? 0xFFFFFF : 0;
}

void Impl::Put(TCanvas& c, int x, int y, std::uint32_t rgb, TPenMode mode) {
    if (!InClip(c, x, y))
        return;
    auto* line = reinterpret_cast<std::uint32_t*>(c.image_->scanLine(y));
    const std::uint32_t d = line[x] & 0xFFFFFF;
    line[x] = ToImage(MonoFilter(c, Rop2(rgb, d, mode)));
}

bool Impl::BrushAt(const TCanvas& c, int x, int y, std::uint32_t& rgb) {
    const QImage& pattern = c.brush_.Bitmap();
    if (!pattern.isNull()) {
        // A pattern bitmap: monochrome patterns take the text colour for
        // black and the background colour for white, like the platform.
        const int px = ((x % pattern.width()) + pattern.width()) % pattern.width();
        const int py = ((y % pattern.height()) + pattern.height()) % pattern.height();
        const std::uint32_t p = pattern.pixel(px, py) & 0xFFFFFF;
        rgb = p;
        return true;
    }
    const std::uint32_t colour = korvan::gfx::ToQRgb(c.brush_.Color()) & 0xFFFFFF;
    switch (c.brush_.Style()) {
    case bsSolid:
        rgb = colour;
        return true;
    case bsClear:
        return false;
    default:
        break;
    }
    if (korvan::gfx::GdiHatchBit(c.brush_.Style() - bsHorizontal, x, y)) {
        rgb = colour;
        return true;
    }
    if (c.bkMode_ == OPAQUE) {
        rgb = korvan::gfx::ToQRgb(c.bkColor_) & 0xFFFFFF;
        return true;
    }
    return false;
}

void Impl::FillSpanWithBrush(TCanvas& c, int x0, int x1, int y, TPenMode mode) {
    if (y < c.clipBox_.top() || y > c.clipBox_.bottom())
        return;
    x0 = std::max(x0, c.clipBox_.left());
    x1 = std::min(x1, c.clipBox_.right() + 1);
    if (x0 >= x1)
        return;
    auto* line = reinterpret_cast<std::uint32_t*>(c.image_->scanLine(y));
    const bool solid = c.brush_.Style() == bsSolid && c.brush_.Bitmap().isNull();
    const bool fast = solid && mode == pmCopy && c.clipMask_.empty();
    if (fast) {
        const std::uint32_t v = ToImage(MonoFilter(c, korvan::gfx::ToQRgb(c.brush_.Color()) & 0xFFFFFF));
        std::fill(line + x0, line + x1, v);
        return;
    }
    for (int x = x0; x < x1; ++x) {
        std::uint32_t rgb;
        if (!BrushAt(c, x, y, rgb) || !InClip(c, x, y))
            continue;
        line[x] = ToImage(MonoFilter(c, Rop2(rgb, line[x] & 0xFFFFFF, mode)));
    }
}

void Impl::FillMask(TCanvas& c, const QImage& mask, QPoint origin, TPenMode mode) {
    for (int my = 0; my < mask.height(); ++my) {
        const uchar* row = mask.constScanLine(my);
        int mx = 0;
        while (mx < mask.width()) {
            while (mx < mask.width() && row[mx] < 128)
                ++mx;
            const int start = mx;
            while (mx < mask.width() && row[mx] >= 128)
                ++mx;
            if (mx > start)
                FillSpanWithBrush(c, origin.x() + start, origin.x() + mx, origin.y() + my, mode);
        }
    }
}

QImage Impl::PathMask(const QPainterPath& path, QPoint& origin, const QRect& limit) {
    // A pixel beyond the path's bounds on each side; a shape larger than a
    // mask may be is masked only where it can be drawn. Worked out in
    // floating point: a shape may reach beyond the int range.
    constexpr double MaxMaskSide = 1 << 15;
    QRectF reach = path.boundingRect().adjusted(-1, -1, 2, 2);
    if (!std::isfinite(reach.left()) || !std::isfinite(reach.right()) || !std::isfinite(reach.top()) ||
        !std::isfinite(reach.bottom()))
        return {};
    if (reach.width() > MaxMaskSide || reach.height() > MaxMaskSide)
        reach = reach.intersected(QRectF(limit).adjusted(-1, -1, 1, 1));
    const QRect box = reach.toAlignedRect();
    if (box.isEmpty() || box.width() > MaxMaskSide || box.height() > MaxMaskSide)
        return {};
    origin = box.topLeft();
    // A small path met before at another whole-pixel position: its
    // coordinates below meet the same device values, so its mask is the
    // one rendered then.
    using korvan::gfx::PathMaskCache;
    PathMaskCache::Key key;
    QPoint anchor;
    const bool keep = PathMaskCache::MakeKey(path, key, anchor);
    PathMaskCache& cache = PathMaskCache::ForThisThread();
    if (keep) {
        key.Box = origin - anchor;
        if (const QImage* kept = cache.Find(key))
            return *kept;
    }
    QImage mask(box.size(), QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter p(&mask);
    p.setRenderHint(QPainter::Antialiasing, false);
    // Integer path coordinates name pixel centres.
    p.translate(0.5 - box.left(), 0.5 - box.top());
    p.fillPath(path, Qt::white);
    p.end();
    if (keep)
        cache.Store(std::move(key), mask);
    return mask;
}

// ---- one-pixel pens ---------------------------------------------------------------

namespace {

struct DashPattern {
    int count;
    int runs[6];
};

// The platform's cosmetic dash patterns, in pixels (on, off, on, ...).
const DashPattern* PatternOf(TPenStyle style) {
    static const DashPattern dash{2, {18, 6}};
    static const DashPattern dot{2, {3, 3}};
    static const DashPattern dashDot{4, {9, 6, 3, 6}};
    static const DashPattern dashDotDot{6, {9, 3, 3, 3, 3, 3}};
    static const DashPattern alternate{2, {1, 1}};
    switch (style) {
    case psDash:
        return &dash;
    case psDot:
        return &dot;
    case psDashDot:
        return &dashDot;
    case psDashDotDot:
        return &dashDotDot;
    case psAlternate:
        return &alternate;
    default:
        return nullptr;
    }
}

bool DashOn(const DashPattern& p, int phase) {
    int total = 0;
    for (int i = 0; i < p.count; ++i)
        total += p.runs[i];
    phase %= total;
    for (int i = 0; i < p.count; ++i) {
        if (phase < p.runs[i])
            return i % 2 == 0;
        phase -= p.runs[i];
    }
    return true;
}

// Every dash pattern repeats within this many pixels.
constexpr int DashPeriod = 24;

} // namespace

void Impl::CosmeticSegment(TCanvas& c, QPoint a, QPoint b, Dash& dash) {
    const std::uint32_t penRgb = korvan::gfx::ToQRgb(c.pen_.Color()) & 0xFFFFFF;
    const DashPattern* pattern = c.pen_.Width() <= 1 ? PatternOf(c.pen_.Style()) : nullptr;
    const std::uint32_t bkRgb = korvan::gfx::ToQRgb(c.bkColor_) & 0xFFFFFF;
    const TPenMode mode = c.pen_.Mode();
    // In 64 bits: a segment may span the whole int range.
    const std::int64_t dx = std::abs(std::int64_t(b.x()) - a.x()), dy = std::abs(std::int64_t(b.y()) - a.y());
    const int sx = a.x() < b.x() ? 1 : -1, sy = a.y() < b.y() ? 1 : -1;
    const std::int64_t steps = std::max(dx, dy);
    const int phase = dash.phase;
    dash.phase = static_cast<int>((phase + steps) % DashPeriod);
    const QRect box = c.clipBox_;
    if (steps == 0 || box.isEmpty())
        return;
    // Step i puts the pixel i steps along the major axis; the minor axis
    // follows the ideal line, rounding halves onwards: it has moved
    // floor((2 i minor + major) / (2 major)) pixels. Only the steps whose
    // major coordinate lies in the clip box are visited.
    const bool xMajor = dx >= dy;
    const std::int64_t major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    std::int64_t first, last;
    if (xMajor)
        StepsWithin(a.x(), sx, box.left(), box.right(), steps, first, last);
    else
        StepsWithin(a.y(), sy, box.top(), box.bottom(), steps, first, last);
    // A solid pen that copies its colour inside a rectangular clip writes
    // the pixels straight; the steps are the same.
    const bool direct = !pattern && mode == pmCopy && c.clipMask_.empty();
    const std::uint32_t directValue = ToImage(MonoFilter(c, penRgb));
    uchar* const bits = direct ? c.image_->bits() : nullptr;
    const qsizetype stride = c.image_->bytesPerLine();
    if (direct && minor == 0) {
        // Grid lines: a straight run of pixels along x or along y.
        if (first > last)
            return;
        const std::int64_t start = xMajor ? a.x() : a.y();
        const int step = xMajor ? sx : sy;
        const int lo = static_cast<int>(std::min(start + step * first, start + step * last));
        const int hi = static_cast<int>(std::max(start + step * first, start + step * last));
        if (xMajor && a.y() >= box.top() && a.y() <= box.bottom()) {
            auto* line = reinterpret_cast<std::uint32_t*>(bits + a.y() * stride);
            std::fill(line + lo, line + hi + 1, directValue);
        } else if (!xMajor && a.x() >= box.left() && a.x() <= box.right()) {
            for (int y = lo; y <= hi; ++y)
                reinterpret_cast<std::uint32_t*>(bits + y * stride)[a.x()] = directValue;
        }
        return;
    }
    std::int64_t moved = (2 * first * minor + major) / (2 * major);
    std::int64_t err = first * minor - moved * major;
    for (std::int64_t i = first; i <= last; ++i) {
        const std::int64_t x = a.x() + sx * (xMajor ? i : moved);
        const std::int64_t y = a.y() + sy * (xMajor ? moved : i);
        if (y >= box.top() && y <= box.bottom() && x >= box.left() && x <= box.right()) {
            const int px = static_cast<int>(x), py = static_cast<int>(y);
            if (direct) {
                reinterpret_cast<std::uint32_t*>(bits + py * stride)[px] = directValue;
            } else if (!pattern || DashOn(*pattern, static_cast<int>((phase + i) % DashPeriod))) {
                Put(c, px, py, penRgb, mode);
            } else if (c.bkMode_ == OPAQUE) {
                Put(c, px, py, bkRgb, mode);
            }
        }
        err += minor;
        if (2 * err >= major) {
            ++moved;
            err -= major;
        }
    }
}

void Impl::StrokePolyline(TCanvas& c, const std::vector<QPoint>& pts, bool closed) {
    if (pts.size() < 2 || !PenVisible(c))
        return;
    c.SyncBackground();
    if (c.pen_.Width() <= 1) {
        Dash dash;
        for (std::size_t i = 1; i < pts.size(); ++i)
            CosmeticSegment(c, pts[i - 1], pts[i], dash);
        if (closed && pts.front() != pts.back())
            CosmeticSegment(c, pts.back(), pts.front(), dash);
        return;
    }
    StrokeWide(c, pts, closed);
}

void Impl::StrokeWide(TCanvas& c, const std::vector<QPoint>& pts, bool closed) {
    thread_local std::vector<korvan::gfx::PixelSpan> spans;
    korvan::gfx::WideStrokeSpans(pts, closed, c.pen_.Width(), c.clipBox_, spans);
    const std::uint32_t pen = korvan::gfx::ToQRgb(c.pen_.Color()) & 0xFFFFFF;
    const TPenMode mode = c.pen_.Mode();
    // Where every covered pixel becomes one colour (the pen's, or a fixed
    // one) and the clip is a rectangle, whole runs are written at once.
    const bool constant = mode == pmCopy || mode == pmNotCopy || mode == pmBlack || mode == pmWhite;
    if (constant && c.clipMask_.empty()) {
        const std::uint32_t value = ToImage(MonoFilter(c, Rop2(pen, 0, mode)));
        for (const korvan::gfx::PixelSpan& s : spans) {
            auto* line = reinterpret_cast<std::uint32_t*>(c.image_->scanLine(s.Y));
            std::fill(line + s.X0, line + s.X1, value);
        }
        return;
    }
    for (const korvan::gfx::PixelSpan& s : spans)
        for (int x = s.X0; x < s.X1; ++x)
            Put(c, x, s.Y, pen, mode);
}

void Impl::DrawShape(TCanvas& c, const QPainterPath& path, bool fill, bool closed) {
    c.SyncBackground();
    if (fill && (c.brush_.Style() != bsClear || !c.brush_.Bitmap().isNull())) {
        QPoint origin;
        const QImage mask = PathMask(path, origin, c.clipBox_);
        FillMask(c, mask, origin, c.pen_.Mode());
    }
    if (!PenVisible(c))
        return;
    for (const QPolygonF& poly : path.toSubpathPolygons()) {
        std::vector<QPoint> pts;
        pts.reserve(static_cast<std::size_t>(poly.size()));
        for (const QPointF& p : poly) {
            const QPoint q(static_cast<int>(std::lround(p.x())), static_cast<int>(std::lround(p.y())));
            if (pts.empty() || pts.back() != q)
                pts.push_back(q);
        }
        StrokePolyline(c, pts, closed);
    }
}
