// Paths flattened for the aliased rasteriser: lines kept, cubic Beziers
// halved until flat, all in fixed device coordinates.

#include "platform/gfx/GdiplusRaster.h"

#include <algorithm>
#include <cmath>

namespace korvan::gfx {

namespace {

// Beyond this many pixels from the origin the rasteriser's products of
// fixed coordinates could leave the doubles' exact range.
constexpr double CoordinateLimit = 1 << 20;
// How far a flattened cubic may stray from the curve, in pixels.
constexpr double Flatness = 0.25;
constexpr int MaxDepth = 16;

struct P {
    double X, Y;
};

// The nearest 1/16 pixel, halves up (within the coordinate limit).
std::int32_t Snap(double v) {
    const double scaled = v * RasterSub + 0.5;
    auto whole = static_cast<std::int32_t>(scaled); // towards zero
    return whole > scaled ? whole - 1 : whole;
}

P Mid(P a, P b) {
    return {(a.X + b.X) / 2, (a.Y + b.Y) / 2};
}

double PolygonLength(P p0, P p1, P p2, P p3) { // |dx| + |dy| summed
    return std::abs(p1.X - p0.X) + std::abs(p1.Y - p0.Y) + std::abs(p2.X - p1.X) + std::abs(p2.Y - p1.Y) +
           std::abs(p3.X - p2.X) + std::abs(p3.Y - p2.Y);
}

// Whether p lies within the flatness of the segment from a along d (of
// squared length len2), without dividing.
bool Near(P p, P a, P d, double len2) {
    constexpr double tol2 = Flatness * Flatness;
    const double px = p.X - a.X, py = p.Y - a.Y;
    const double along = px * d.X + py * d.Y;
    if (along <= 0)
        return px * px + py * py <= tol2;
    if (along >= len2) {
        const double qx = px - d.X, qy = py - d.Y;
        return qx * qx + qy * qy <= tol2;
    }
    const double across = px * d.Y - py * d.X;
    return across * across <= tol2 * len2;
}

// The curve lies in its control points' hull, so it is within the
// flatness of its chord when both inner control points are.
bool Flat(P p0, P p1, P p2, P p3) {
    const P d{p3.X - p0.X, p3.Y - p0.Y};
    const double len2 = d.X * d.X + d.Y * d.Y;
    return Near(p1, p0, d, len2) && Near(p2, p0, d, len2);
}

class Flattener {
public:
    Flattener(FlatPath& out, const QRectF& cull)
        : out_(out), left_(cull.left()), top_(cull.top()), right_(cull.right()), bottom_(cull.bottom()) {}
    // Completes the last figure.
    void Finish() { EndFigure(); }

    void Move(P p) {
        EndFigure();
        out_.Figures.push_back({static_cast<int>(out_.Points.size()), 0});
        Add(p);
    }
    void Add(P p) { out_.Points.push_back({Snap(p.X), Snap(p.Y)}); }
    void Cubic(P p0, P p1, P p2, P p3) {
        // Most cubics of a dense curve are short: their chord at once.
        if (PolygonLength(p0, p1, p2, p3) < 1.0 || Flat(p0, p1, p2, p3) || Beyond(p0, p1, p2, p3)) {
            Add(p3); // beyond: it and its chord stay on that side, no pixel inside changes
            return;
        }
        Split(p0, p1, p2, p3, MaxDepth);
    }

private:
    void EndFigure() {
        if (!out_.Figures.empty())
            out_.Figures.back().Count = static_cast<int>(out_.Points.size()) - out_.Figures.back().First;
    }
    // Whether all points lie beyond one side of the cull box.
    bool Beyond(P p0, P p1, P p2, P p3) const {
        return std::max({p0.X, p1.X, p2.X, p3.X}) < left_ || std::min({p0.X, p1.X, p2.X, p3.X}) > right_ ||
               std::max({p0.Y, p1.Y, p2.Y, p3.Y}) < top_ || std::min({p0.Y, p1.Y, p2.Y, p3.Y}) > bottom_;
    }
    void Split(P p0, P p1, P p2, P p3, int depth) {
        if (depth == 0 || PolygonLength(p0, p1, p2, p3) < 1.0 || Flat(p0, p1, p2, p3)) {
            Add(p3);
            return;
        }
        const P a = Mid(p0, p1), b = Mid(p1, p2), c = Mid(p2, p3);
        const P ab = Mid(a, b), bc = Mid(b, c);
        const P m = Mid(ab, bc);
        Split(p0, a, ab, m, depth - 1);
        Split(m, bc, c, p3, depth - 1);
    }

    FlatPath& out_;
    double left_, top_, right_, bottom_;
};

} // namespace

QRect RasterTarget::Bounds() const {
    QRect b;
    for (const QRect& r : Clip)
        b |= r;
    return b;
}

bool Flatten(const std::vector<Gdiplus::GraphicsPath::Element>& path, const RasterTarget& target,
             FlatPath& out) {
    using Element = Gdiplus::GraphicsPath::Element;
    out.Points.clear();
    out.Figures.clear();
    const double ox = target.Origin.x(), oy = target.Origin.y();
    // Every point, control points too, within the limit; NaN fails as well.
    auto inRange = [](P p) { return std::abs(p.X) <= CoordinateLimit && std::abs(p.Y) <= CoordinateLimit; };
    out.Points.reserve(path.size());
    // Cubics beyond the clip by more than a pixel or two are cut short.
    const QRectF cull = QRectF(target.Bounds()).adjusted(-2, -2, 2, 2);
    Flattener f(out, cull);
    P current{0, 0};
    for (std::size_t i = 0; i < path.size(); ++i) {
        const Element& e = path[i];
        const P p{e.X + ox, e.Y + oy};
        if (!inRange(p))
            return false;
        if (e.Type == Element::Move || out.Figures.empty()) {
            f.Move(p);
        } else if (e.Type == Element::Curve && i + 2 < path.size()) {
            const P c2{path[i + 1].X + ox, path[i + 1].Y + oy}, end{path[i + 2].X + ox, path[i + 2].Y + oy};
            if (!inRange(c2) || !inRange(end))
                return false;
            f.Cubic(current, p, c2, end);
            current = end;
            i += 2;
            continue;
        } else {
            f.Add(p);
        }
        current = p;
    }
    f.Finish();
    return true;
}

bool RasterPen(const Gdiplus::Pen& pen) {
    return pen.GetWidth() <= 1.0f && pen.GetDashStyle() == Gdiplus::DashStyleSolid;
}

std::optional<QRectF> RectangleOf(const QPainterPath& path) {
    const int n = path.elementCount();
    if (n < 4 || n > 5)
        return std::nullopt;
    const QRectF box = path.controlPointRect();
    const QPointF first = path.elementAt(0);
    if (n == 5 && QPointF(path.elementAt(4)) != first)
        return std::nullopt;
    int corners = 0;
    for (int i = 0; i < n; ++i) {
        const QPainterPath::Element& e = path.elementAt(i);
        if (i == 0 ? !e.isMoveTo() : !e.isLineTo())
            return std::nullopt;
        const bool left = e.x == box.left(), top = e.y == box.top();
        if ((!left && e.x != box.right()) || (!top && e.y != box.bottom()))
            return std::nullopt;
        corners |= 1 << ((left ? 0 : 1) + (top ? 0 : 2));
        const QPointF next = i + 1 < n ? QPointF(path.elementAt(i + 1)) : first;
        if (next.x() != e.x && next.y() != e.y)
            return std::nullopt; // a diagonal
    }
    if (corners != 15)
        return std::nullopt;
    return box;
}

QRect PixelsInside(const QRectF& device) {
    const QRectF r = device.normalized();
    auto first = [](double v) {
        // The first pixel whose centre is at or beyond the snapped edge.
        const std::int64_t fixed = Snap(v);
        return static_cast<int>(fixed >= 0 ? (fixed + RasterSub - 1) / RasterSub : -((-fixed) / RasterSub));
    };
    const double limit = CoordinateLimit;
    auto bounded = [limit](double v) { return std::isfinite(v) ? std::clamp(v, -limit, limit) : 0.0; };
    const int x0 = first(bounded(r.left())), x1 = first(bounded(r.right()));
    const int y0 = first(bounded(r.top())), y1 = first(bounded(r.bottom()));
    return QRect(QPoint(x0, y0), QPoint(x1 - 1, y1 - 1));
}

} // namespace korvan::gfx
