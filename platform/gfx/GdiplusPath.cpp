// Paths and regions of the GDI+ subset.

#include "platform/gfx/Gdiplus.h"

namespace Gdiplus {

namespace {

QPointF Q(const PointF& p) {
    return QPointF(p.X, p.Y);
}

// Angles are clockwise in GDI+ and counter-clockwise in the painter.
void ArcInto(QPainterPath& path, const QRectF& box, double start, double sweep, bool move) {
    if (move)
        path.arcMoveTo(box, -start);
    path.arcTo(box, -start, -sweep);
}

} // namespace

GraphicsPath::GraphicsPath(FillMode mode) : mode_(mode) {
    SetFillMode(mode);
}

void GraphicsPath::SetFillMode(FillMode m) {
    mode_ = m;
    path_.setFillRule(m == FillModeWinding ? Qt::WindingFill : Qt::OddEvenFill);
}

void GraphicsPath::Continue(const QPointF& p) {
    if (figureOpen_)
        path_.lineTo(p);
    else
        path_.moveTo(p);
    figureOpen_ = true;
}

Status GraphicsPath::AddLine(REAL x1, REAL y1, REAL x2, REAL y2) {
    Continue(QPointF(x1, y1));
    path_.lineTo(x2, y2);
    return Ok;
}

Status GraphicsPath::AddLines(const std::vector<PointF>& pts) {
    if (pts.empty())
        return InvalidParameter;
    Continue(Q(pts[0]));
    for (std::size_t i = 1; i < pts.size(); ++i)
        path_.lineTo(Q(pts[i]));
    return Ok;
}

Status GraphicsPath::AddArc(REAL x, REAL y, REAL w, REAL h, REAL start, REAL sweep) {
    if (w <= 0 || h <= 0)
        return InvalidParameter; // a box of no size draws nothing
    const QRectF box(x, y, w, h);
    QPainterPath probe;
    probe.arcMoveTo(box, -start);
    Continue(probe.currentPosition());
    ArcInto(path_, box, start, sweep, false);
    return Ok;
}

Status GraphicsPath::AddBezier(PointF p1, PointF p2, PointF p3, PointF p4) {
    Continue(Q(p1));
    path_.cubicTo(Q(p2), Q(p3), Q(p4));
    return Ok;
}

Status GraphicsPath::AddBeziers(const std::vector<PointF>& pts) {
    if (pts.size() < 4)
        return InvalidParameter;
    Continue(Q(pts[0]));
    for (std::size_t i = 1; i + 2 < pts.size(); i += 3)
        path_.cubicTo(Q(pts[i]), Q(pts[i + 1]), Q(pts[i + 2]));
    return Ok;
}

namespace {

// Bezier control points of a cardinal spline segment p1 -> p2.
void CardinalSegment(QPainterPath& path, QPointF p0, QPointF p1, QPointF p2, QPointF p3, double tension) {
    const double k = tension / 3.0;
    path.cubicTo(p1 + k * (p2 - p0), p2 - k * (p3 - p1), p2);
}

} // namespace

Status GraphicsPath::AddCurve(const std::vector<PointF>& pts, REAL tension) {
    if (pts.size() < 2)
        return InvalidParameter;
    Continue(Q(pts[0]));
    const std::size_t n = pts.size();
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const QPointF p0 = Q(pts[i == 0 ? 0 : i - 1]);
        const QPointF p3 = Q(pts[i + 2 < n ? i + 2 : n - 1]);
        CardinalSegment(path_, p0, Q(pts[i]), Q(pts[i + 1]), p3, tension);
    }
    return Ok;
}

Status GraphicsPath::AddCurve(const std::vector<Point>& pts, REAL tension) {
    std::vector<PointF> f;
    f.reserve(pts.size());
    for (const Point& p : pts)
        f.push_back({static_cast<REAL>(p.X), static_cast<REAL>(p.Y)});
    return AddCurve(f, tension);
}

Status GraphicsPath::AddClosedCurve(const std::vector<PointF>& pts, REAL tension) {
    if (pts.size() < 3)
        return InvalidParameter;
    StartFigure();
    Continue(Q(pts[0]));
    const std::size_t n = pts.size();
    for (std::size_t i = 0; i < n; ++i)
        CardinalSegment(path_, Q(pts[(i + n - 1) % n]), Q(pts[i]), Q(pts[(i + 1) % n]), Q(pts[(i + 2) % n]),
                        tension);
    return CloseFigure();
}

Status GraphicsPath::AddRectangle(const RectF& r) {
    StartFigure();
    path_.addRect(QRectF(r.X, r.Y, r.Width, r.Height));
    figureOpen_ = false;
    return Ok;
}

Status GraphicsPath::AddEllipse(REAL x, REAL y, REAL w, REAL h) {
    StartFigure();
    path_.addEllipse(QRectF(x, y, w, h));
    figureOpen_ = false;
    return Ok;
}

Status GraphicsPath::AddPie(REAL x, REAL y, REAL w, REAL h, REAL start, REAL sweep) {
    StartFigure();
    const QRectF box(x, y, w, h);
    path_.moveTo(box.center());
    ArcInto(path_, box, start, sweep, false);
    path_.closeSubpath();
    figureOpen_ = false;
    return Ok;
}

Status GraphicsPath::AddPolygon(const std::vector<PointF>& pts) {
    if (pts.size() < 3)
        return InvalidParameter;
    StartFigure();
    AddLines(pts);
    return CloseFigure();
}

Status GraphicsPath::AddPath(const GraphicsPath& other, bool connect) {
    if (connect && figureOpen_ && !other.path_.isEmpty())
        path_.lineTo(other.path_.elementAt(0).x, other.path_.elementAt(0).y);
    path_.addPath(other.path_);
    figureOpen_ = false;
    return Ok;
}

Status GraphicsPath::StartFigure() {
    figureOpen_ = false;
    return Ok;
}

Status GraphicsPath::CloseFigure() {
    if (figureOpen_)
        path_.closeSubpath();
    figureOpen_ = false;
    return Ok;
}

Status GraphicsPath::CloseAllFigures() {
    return CloseFigure();
}

Status GraphicsPath::Reset() {
    path_ = QPainterPath();
    SetFillMode(FillModeAlternate);
    figureOpen_ = false;
    return Ok;
}

Status GraphicsPath::GetBounds(RectF* bounds) const {
    if (!bounds)
        return InvalidParameter;
    const QRectF b = path_.boundingRect();
    *bounds = {static_cast<REAL>(b.x()), static_cast<REAL>(b.y()), static_cast<REAL>(b.width()),
               static_cast<REAL>(b.height())};
    return Ok;
}

bool GraphicsPath::IsVisible(REAL x, REAL y) const {
    return path_.contains(QPointF(x, y));
}

// ---- regions -------------------------------------------------------------------------

Region::Region() : infinite_(true) {}

Region::Region(const RectF& r) {
    path_.addRect(QRectF(r.X, r.Y, r.Width, r.Height));
}

Region::Region(const GraphicsPath& p) : path_(p.Qt()) {}

namespace {
// A very large rectangle stands in for the infinite region in arithmetic.
QPainterPath Everything() {
    QPainterPath p;
    p.addRect(QRectF(-1e6, -1e6, 2e6, 2e6));
    return p;
}
} // namespace

Status Region::Intersect(const Region& r) {
    if (r.infinite_)
        return Ok;
    path_ = infinite_ ? r.path_ : path_.intersected(r.path_);
    infinite_ = false;
    return Ok;
}

Status Region::Union(const Region& r) {
    if (infinite_ || r.infinite_) {
        infinite_ = true;
        path_ = QPainterPath();
        return Ok;
    }
    path_ = path_.united(r.path_);
    return Ok;
}

Status Region::Xor(const Region& r) {
    const QPainterPath a = infinite_ ? Everything() : path_, b = r.infinite_ ? Everything() : r.path_;
    path_ = a.united(b).subtracted(a.intersected(b));
    infinite_ = false;
    return Ok;
}

Status Region::Exclude(const Region& r) {
    const QPainterPath a = infinite_ ? Everything() : path_;
    path_ = r.infinite_ ? QPainterPath() : a.subtracted(r.path_);
    infinite_ = false;
    return Ok;
}

Status Region::Complement(const Region& r) {
    const QPainterPath b = r.infinite_ ? Everything() : r.path_;
    path_ = infinite_ ? QPainterPath() : b.subtracted(path_);
    infinite_ = false;
    return Ok;
}

} // namespace Gdiplus
