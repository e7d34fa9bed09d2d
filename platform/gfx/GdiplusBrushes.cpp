// Brushes of the GDI+ subset: solid, linear gradient, path gradient, hatch
// and texture. Painters arrive with GDI+ coordinates as their logical space.

#include "platform/gfx/Gdiplus.h"

#include "platform/gfx/Hatches.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace Gdiplus {

namespace {

QColor Q(const Color& c) {
    return QColor::fromRgba(c.GetValue());
}

Color Mix(const Color& a, const Color& b, double t, bool gamma) {
    auto ch = [&](int x, int y) {
        if (!gamma)
            return static_cast<int>(std::lround(x + (y - x) * t));
        const double lx = std::pow(x / 255.0, 2.2), ly = std::pow(y / 255.0, 2.2);
        return static_cast<int>(std::lround(std::pow(lx + (ly - lx) * t, 1 / 2.2) * 255));
    };
    return Color(static_cast<std::uint8_t>(std::lround(a.GetA() + (b.GetA() - a.GetA()) * t)),
                 static_cast<std::uint8_t>(ch(a.GetR(), b.GetR())),
                 static_cast<std::uint8_t>(ch(a.GetG(), b.GetG())),
                 static_cast<std::uint8_t>(ch(a.GetB(), b.GetB())));
}

Color AlongStops(const std::vector<std::pair<REAL, Color>>& stops, double t, bool gamma) {
    if (t <= stops.front().first)
        return stops.front().second;
    for (std::size_t i = 1; i < stops.size(); ++i)
        if (t <= stops[i].first) {
            const double span = stops[i].first - stops[i - 1].first;
            return Mix(stops[i - 1].second, stops[i].second, span > 0 ? (t - stops[i - 1].first) / span : 1,
                       gamma);
        }
    return stops.back().second;
}

Status SetStops(std::vector<std::pair<REAL, Color>>& stops, const std::vector<Color>& colors,
                const std::vector<REAL>& positions) {
    if (colors.size() < 2 || colors.size() != positions.size())
        return InvalidParameter;
    stops.clear();
    for (std::size_t i = 0; i < colors.size(); ++i)
        stops.emplace_back(positions[i], colors[i]);
    return Ok;
}

} // namespace

void SolidBrush::Fill(QPainter& p, const QPainterPath& path) const {
    p.fillPath(path, Q(color_));
}

// ---- linear gradient ------------------------------------------------------------------

LinearGradientBrush::LinearGradientBrush(const PointF& p1, const PointF& p2, const Color& c1, const Color& c2)
    : p1_(p1), p2_(p2), c1_(c1), c2_(c2) {}

LinearGradientBrush::LinearGradientBrush(const RectF& r, const Color& c1, const Color& c2,
                                         LinearGradientMode mode)
    : c1_(c1), c2_(c2) {
    static const double angles[] = {0, 90, 45, 135};
    Span(r, angles[mode], true);
}

LinearGradientBrush::LinearGradientBrush(const RectF& r, const Color& c1, const Color& c2, REAL angle,
                                         bool isAngleScalable)
    : c1_(c1), c2_(c2) {
    Span(r, angle, isAngleScalable);
}

void LinearGradientBrush::Span(const RectF& r, double angleDeg, bool scalable) {
    // Colour lines run at the angle (clockwise, y down); a scalable angle is
    // taken in the unit square and stretched with the rectangle.
    const double a = angleDeg * M_PI / 180.0;
    double gx = std::cos(a), gy = std::sin(a);
    if (scalable) {
        gx = std::cos(a) * r.Height;
        gy = std::sin(a) * r.Width;
    }
    const double len = std::hypot(gx, gy);
    if (len > 0) {
        gx /= len;
        gy /= len;
    }
    const QPointF c(r.X + r.Width / 2.0, r.Y + r.Height / 2.0);
    double lo = 0, hi = 0;
    for (const QPointF corner : {QPointF(r.X, r.Y), QPointF(r.GetRight(), r.Y), QPointF(r.X, r.GetBottom()),
                                 QPointF(r.GetRight(), r.GetBottom())}) {
        const double t = (corner.x() - c.x()) * gx + (corner.y() - c.y()) * gy;
        lo = std::min(lo, t);
        hi = std::max(hi, t);
    }
    p1_ = {static_cast<REAL>(c.x() + gx * lo), static_cast<REAL>(c.y() + gy * lo)};
    p2_ = {static_cast<REAL>(c.x() + gx * hi), static_cast<REAL>(c.y() + gy * hi)};
}

Status LinearGradientBrush::SetInterpolationColors(const std::vector<Color>& colors,
                                                   const std::vector<REAL>& positions) {
    return SetStops(stops_, colors, positions);
}

Color LinearGradientBrush::ColorAt(REAL t) const {
    if (!stops_.empty())
        return AlongStops(stops_, t, gamma_);
    return Mix(c1_, c2_, std::clamp<double>(t, 0, 1), gamma_);
}

void LinearGradientBrush::Fill(QPainter& p, const QPainterPath& path) const {
    QLinearGradient g(QPointF(p1_.X, p1_.Y), QPointF(p2_.X, p2_.Y));
    const int samples = (gamma_ || stops_.size() > 2) ? 32 : 1;
    for (int i = 0; i <= samples; ++i) {
        const double t = double(i) / samples;
        g.setColorAt(t, Q(ColorAt(static_cast<REAL>(t))));
    }
    g.setSpread(wrap_ == WrapModeClamp  ? QGradient::PadSpread
                : wrap_ == WrapModeTile ? QGradient::RepeatSpread
                                        : QGradient::ReflectSpread);
    p.fillPath(path, QBrush(g));
}

// ---- path gradient --------------------------------------------------------------------

PathGradientBrush::PathGradientBrush(const GraphicsPath& path) : path_(path.Qt()) {
    const QRectF b = path_.boundingRect();
    centre_ = {static_cast<REAL>(b.center().x()), static_cast<REAL>(b.center().y())};
}

PathGradientBrush::PathGradientBrush(const std::vector<PointF>& pts) {
    QPolygonF poly;
    for (const PointF& p : pts)
        poly << QPointF(p.X, p.Y);
    path_.addPolygon(poly);
    path_.closeSubpath();
    const QRectF b = path_.boundingRect();
    centre_ = {static_cast<REAL>(b.center().x()), static_cast<REAL>(b.center().y())};
}

Status PathGradientBrush::SetSurroundColors(const std::vector<Color>& colors) {
    if (colors.empty())
        return InvalidParameter;
    surround_ = colors.front();
    return Ok;
}

Status PathGradientBrush::SetInterpolationColors(const std::vector<Color>& colors,
                                                 const std::vector<REAL>& positions) {
    return SetStops(stops_, colors, positions);
}

Color PathGradientBrush::ColorAt(REAL s) const {
    if (!stops_.empty())
        return AlongStops(stops_, s, false);
    return Mix(surround_, centreColour_, std::clamp<double>(s, 0, 1), false);
}

void PathGradientBrush::Fill(QPainter& p, const QPainterPath& target) const {
    const QRectF b = path_.boundingRect();
    if (b.isEmpty())
        return;
    // Distance from the centre to the outline, sampled by angle.
    constexpr int kAngles = 1024;
    std::vector<double> reach(kAngles, 0.0);
    const QPointF c(centre_.X, centre_.Y);
    const QList<QPolygonF> polys = path_.toSubpathPolygons();
    for (int i = 0; i < kAngles; ++i) {
        const double a = 2 * M_PI * i / kAngles;
        const QPointF d(std::cos(a), std::sin(a));
        for (const QPolygonF& poly : polys)
            for (int k = 0; k + 1 < poly.size(); ++k) {
                const QPointF e = poly[k + 1] - poly[k];
                const double den = d.x() * e.y() - d.y() * e.x();
                if (std::abs(den) < 1e-12)
                    continue;
                const QPointF w = poly[k] - c;
                const double t = (w.x() * e.y() - w.y() * e.x()) / den; // along the ray
                const double u = (w.x() * d.y() - w.y() * d.x()) / den; // along the edge
                if (t > 0 && u >= 0 && u <= 1)
                    reach[i] = std::max(reach[i], t);
            }
    }
    // The brush painted into an image over its path's box, clear outside.
    const int ox = static_cast<int>(std::floor(b.left())), oy = static_cast<int>(std::floor(b.top()));
    const int w = static_cast<int>(std::ceil(b.right())) - ox + 1,
              h = static_cast<int>(std::ceil(b.bottom())) - oy + 1;
    if (w <= 0 || h <= 0 || w > 1 << 14 || h > 1 << 14)
        return;
    QImage tex(w, h, QImage::Format_ARGB32);
    tex.fill(0);
    for (int j = 0; j < h; ++j) {
        auto* line = reinterpret_cast<QRgb*>(tex.scanLine(j));
        for (int i = 0; i < w; ++i) {
            const QPointF q(ox + i, oy + j);
            const QPointF v = q - c;
            const double dist = std::hypot(v.x(), v.y());
            double a = std::atan2(v.y(), v.x());
            if (a < 0)
                a += 2 * M_PI;
            const double r = reach[static_cast<std::size_t>(std::lround(a / (2 * M_PI) * kAngles)) % kAngles];
            if (r <= 0)
                continue;
            const double t = dist / r;
            if (t > 1.0 + 1e-9 && wrap_ == WrapModeClamp)
                continue;
            line[i] = ColorAt(static_cast<REAL>(1.0 - std::min(t, 1.0))).GetValue();
        }
    }
    QBrush brush(tex);
    brush.setTransform(QTransform::fromTranslate(ox - 0.5, oy - 0.5));
    p.save();
    p.setClipPath(path_, Qt::IntersectClip);
    p.fillPath(target, brush);
    p.restore();
}

// ---- hatch and texture ------------------------------------------------------------------

void HatchBrush::Fill(QPainter& p, const QPainterPath& path) const {
    QImage tile(8, 8, QImage::Format_ARGB32);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            tile.setPixel(x, y, (korvan::gfx::GdipHatchBit(style_, x, y) ? fore_ : back_).GetValue());
    QBrush brush(tile);
    // Hatches line up with the device pixels.
    const QPointF deviceZero = p.worldTransform().inverted().map(QPointF(0, 0));
    brush.setTransform(QTransform::fromTranslate(deviceZero.x(), deviceZero.y()));
    p.fillPath(path, brush);
}

void TextureBrush::Fill(QPainter& p, const QPainterPath& path) const {
    if (image_.isNull())
        return;
    QBrush brush(image_);
    brush.setTransform(QTransform::fromTranslate(-0.5, -0.5)); // tiles start at the graphics origin
    if (wrap_ == WrapModeClamp) {
        QPainterPath one;
        one.addRect(QRectF(-0.5, -0.5, image_.width(), image_.height()));
        p.fillPath(path.intersected(one), brush);
        return;
    }
    p.fillPath(path, brush);
}

} // namespace Gdiplus
