// Paths and regions of the GDI+ subset.

#include "platform/gfx/Gdiplus.h"

#include <algorithm>
#include <cmath>

namespace Gdiplus {

namespace {

QPointF Q(const PointF& p) {
    return QPointF(p.X, p.Y);
}

// Angles are clockwise in GDI+ and counter-clockwise in the painter.
void ArcInto(QPainterPath& path, const QRectF& box, double start, double sweep) {
    path.arcTo(box, -start, -sweep);
}

} // namespace

GraphicsPath::GraphicsPath(FillMode mode) : mode_(mode) {
    SetFillMode(mode);
}

void GraphicsPath::SetFillMode(FillMode m) {
    mode_ = m;
    Changed();
}

const QPainterPath& GraphicsPath::Qt() const {
    if (!painterPathCurrent_) {
        QPainterPath p;
        p.setFillRule(mode_ == FillModeWinding ? Qt::WindingFill : Qt::OddEvenFill);
        p.reserve(static_cast<int>(elements_.size()));
        for (std::size_t i = 0; i < elements_.size(); ++i) {
            const Element& e = elements_[i];
            if (e.Type == Element::Move) {
                p.moveTo(e.X, e.Y);
            } else if (e.Type == Element::Line) {
                p.lineTo(e.X, e.Y);
            } else if (e.Type == Element::Curve && i + 2 < elements_.size()) {
                p.cubicTo(e.X, e.Y, elements_[i + 1].X, elements_[i + 1].Y, elements_[i + 2].X,
                          elements_[i + 2].Y);
                i += 2;
            }
        }
        painterPath_ = std::move(p);
        painterPathCurrent_ = true;
    }
    return painterPath_;
}

// ---- the painter path's operations ---------------------------------------------------

namespace {

inline GraphicsPath::Element At(const QPointF& p, GraphicsPath::Element::Kind kind) {
    return {static_cast<REAL>(p.x()), static_cast<REAL>(p.y()), kind};
}

bool FuzzySame(const GraphicsPath::Element& a, const GraphicsPath::Element& b) {
    return QPointF(a.X, a.Y) == QPointF(b.X, b.Y);
}

// The painter's fuzzy equality of points: equal points are the same,
// points apart by more than its tolerance differ at once.
inline bool Same(const GraphicsPath::Element& a, const GraphicsPath::Element& b) {
    if (a.X == b.X && a.Y == b.Y)
        return true;
    if (std::abs(a.X - b.X) > 1e-9f || std::abs(a.Y - b.Y) > 1e-9f)
        return false;
    return FuzzySame(a, b);
}

} // namespace

void GraphicsPath::MoveTo(const QPointF& p) {
    moveRequired_ = false;
    const Element e = At(p, Element::Move);
    if (!elements_.empty() && elements_.back().Type == Element::Move)
        elements_.back() = e;
    else
        elements_.push_back(e);
    figureStart_ = elements_.size() - 1;
    Changed();
}

void GraphicsPath::MoveIfClosed() {
    if (elements_.empty()) {
        MoveTo(QPointF(0, 0)); // as the painter's path starts
    } else if (moveRequired_) {
        const Element last = elements_.back();
        elements_.push_back({last.X, last.Y, Element::Move});
        figureStart_ = elements_.size() - 1;
        moveRequired_ = false;
    }
}

void GraphicsPath::LineTo(const QPointF& p) {
    MoveIfClosed();
    const Element e = At(p, Element::Line);
    if (Same(e, elements_.back()))
        return;
    elements_.push_back(e);
    Changed();
}

void GraphicsPath::CubicTo(const QPointF& c1, const QPointF& c2, const QPointF& e) {
    MoveIfClosed();
    const Element a = At(c1, Element::Curve), b = At(c2, Element::CurveData), end = At(e, Element::CurveData);
    if (Same(elements_.back(), a) && Same(a, b) && Same(b, end))
        return; // a curve of no extent
    elements_.push_back(a);
    elements_.push_back(b);
    elements_.push_back(end);
    Changed();
}

void GraphicsPath::Close() {
    if (elements_.size() < 2 && (elements_.empty() || elements_.front().Type == Element::Move))
        return; // an empty path
    moveRequired_ = true;
    const Element first = elements_[figureStart_];
    Element& last = elements_.back();
    if (first.X != last.X || first.Y != last.Y) {
        if (qFuzzyCompare(first.X, last.X) && qFuzzyCompare(first.Y, last.Y)) {
            last.X = first.X;
            last.Y = first.Y;
        } else {
            elements_.push_back({first.X, first.Y, Element::Line});
        }
    }
    Changed();
}

void GraphicsPath::Replay(const QPainterPath& p, int from) {
    for (int i = from; i < p.elementCount(); ++i) {
        const QPainterPath::Element& e = p.elementAt(i);
        if (e.isMoveTo()) {
            MoveTo(e);
        } else if (e.isLineTo()) {
            LineTo(e);
        } else if (e.isCurveTo() && i + 2 < p.elementCount()) {
            CubicTo(e, p.elementAt(i + 1), p.elementAt(i + 2));
            i += 2;
        }
    }
}

void GraphicsPath::Append(const std::vector<Element>& other, std::size_t otherFigureStart) {
    if (other.empty() || (other.size() == 1 && other.front().Type == Element::Move))
        return;
    if (!elements_.empty() && elements_.back().Type == Element::Move)
        elements_.pop_back();
    figureStart_ = elements_.size() + otherFigureStart;
    elements_.insert(elements_.end(), other.begin(), other.end());
    const Element& first = elements_[figureStart_];
    moveRequired_ = first.X == elements_.back().X && first.Y == elements_.back().Y;
    Changed();
}

namespace {

// A painter path's elements in the path's own form, and where its last
// figure starts.
std::vector<GraphicsPath::Element> ElementsOf(const QPainterPath& p, std::size_t& figureStart) {
    std::vector<GraphicsPath::Element> out;
    out.reserve(static_cast<std::size_t>(p.elementCount()));
    figureStart = 0;
    for (int i = 0; i < p.elementCount(); ++i) {
        const QPainterPath::Element& e = p.elementAt(i);
        const auto type = e.isMoveTo()    ? GraphicsPath::Element::Move
                          : e.isLineTo()  ? GraphicsPath::Element::Line
                          : e.isCurveTo() ? GraphicsPath::Element::Curve
                                          : GraphicsPath::Element::CurveData;
        if (type == GraphicsPath::Element::Move)
            figureStart = out.size();
        out.push_back({static_cast<REAL>(e.x), static_cast<REAL>(e.y), type});
    }
    return out;
}

} // namespace

// ---- GDI+ operations ------------------------------------------------------------------

void GraphicsPath::Continue(const QPointF& p) {
    if (figureOpen_)
        LineTo(p);
    else
        MoveTo(p);
    figureOpen_ = true;
}

Status GraphicsPath::AddLine(REAL x1, REAL y1, REAL x2, REAL y2) {
    Continue(QPointF(x1, y1));
    LineTo(QPointF(x2, y2));
    return Ok;
}

Status GraphicsPath::AddLines(const std::vector<PointF>& pts) {
    if (pts.empty())
        return InvalidParameter;
    Continue(Q(pts[0]));
    for (std::size_t i = 1; i < pts.size(); ++i)
        LineTo(Q(pts[i]));
    return Ok;
}

Status GraphicsPath::AddArc(REAL x, REAL y, REAL w, REAL h, REAL start, REAL sweep) {
    if (w <= 0 || h <= 0)
        return InvalidParameter; // a box of no size draws nothing
    const QRectF box(x, y, w, h);
    QPainterPath arc;
    arc.arcMoveTo(box, -start);
    Continue(arc.currentPosition());
    ArcInto(arc, box, start, sweep);
    Replay(arc, 1);
    return Ok;
}

Status GraphicsPath::AddBezier(PointF p1, PointF p2, PointF p3, PointF p4) {
    Continue(Q(p1));
    CubicTo(Q(p2), Q(p3), Q(p4));
    return Ok;
}

Status GraphicsPath::AddBeziers(const std::vector<PointF>& pts) {
    if (pts.size() < 4)
        return InvalidParameter;
    Continue(Q(pts[0]));
    for (std::size_t i = 1; i + 2 < pts.size(); i += 3)
        CubicTo(Q(pts[i]), Q(pts[i + 1]), Q(pts[i + 2]));
    return Ok;
}

Status GraphicsPath::AddCurve(const std::vector<PointF>& pts, REAL tension) {
    if (pts.size() < 2)
        return InvalidParameter;
    Continue(Q(pts[0])); // the figure is open: no move comes between the pieces
    const std::size_t n = pts.size();
    // Written in place: a dense curve is a long run of pieces.
    std::size_t end = elements_.size();
    elements_.resize(end + 3 * (n - 1));
    // Bezier control points of each cardinal spline segment p1 -> p2.
    const double k = tension / 3.0;
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const QPointF p0 = Q(pts[i == 0 ? 0 : i - 1]), p1 = Q(pts[i]), p2 = Q(pts[i + 1]);
        const QPointF p3 = Q(pts[i + 2 < n ? i + 2 : n - 1]);
        const Element a = At(p1 + k * (p2 - p0), Element::Curve),
                      b = At(p2 - k * (p3 - p1), Element::CurveData);
        const Element e = At(p2, Element::CurveData);
        if (Same(elements_[end - 1], a) && Same(a, b) && Same(b, e))
            continue; // a curve of no extent
        elements_[end] = a;
        elements_[end + 1] = b;
        elements_[end + 2] = e;
        end += 3;
    }
    elements_.resize(end);
    Changed();
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
    const double k = tension / 3.0;
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF p0 = Q(pts[(i + n - 1) % n]), p1 = Q(pts[i]), p2 = Q(pts[(i + 1) % n]);
        const QPointF p3 = Q(pts[(i + 2) % n]);
        CubicTo(p1 + k * (p2 - p0), p2 - k * (p3 - p1), p2);
    }
    return CloseFigure();
}

Status GraphicsPath::AddRectangle(const RectF& r) {
    StartFigure();
    QPainterPath rect;
    rect.addRect(QRectF(r.X, r.Y, r.Width, r.Height));
    std::size_t start = 0;
    Append(ElementsOf(rect, start), start);
    figureOpen_ = false;
    return Ok;
}

Status GraphicsPath::AddEllipse(REAL x, REAL y, REAL w, REAL h) {
    StartFigure();
    QPainterPath ellipse;
    ellipse.addEllipse(QRectF(x, y, w, h));
    std::size_t start = 0;
    Append(ElementsOf(ellipse, start), start);
    figureOpen_ = false;
    return Ok;
}

Status GraphicsPath::AddPie(REAL x, REAL y, REAL w, REAL h, REAL start, REAL sweep) {
    StartFigure();
    const QRectF box(x, y, w, h);
    QPainterPath pie;
    pie.moveTo(box.center());
    ArcInto(pie, box, start, sweep);
    Replay(pie, 0);
    Close();
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
    const bool otherEmpty =
        other.elements_.empty() || (other.elements_.size() == 1 && other.elements_[0].Type == Element::Move);
    if (connect && figureOpen_ && !otherEmpty)
        LineTo(QPointF(other.elements_[0].X, other.elements_[0].Y));
    Append(other.elements_, other.figureStart_);
    figureOpen_ = false;
    return Ok;
}

Status GraphicsPath::StartFigure() {
    figureOpen_ = false;
    return Ok;
}

Status GraphicsPath::CloseFigure() {
    if (figureOpen_)
        Close();
    figureOpen_ = false;
    return Ok;
}

Status GraphicsPath::CloseAllFigures() {
    return CloseFigure();
}

Status GraphicsPath::Reset() {
    elements_.clear();
    figureStart_ = 0;
    moveRequired_ = false;
    SetFillMode(FillModeAlternate);
    figureOpen_ = false;
    return Ok;
}

Status GraphicsPath::GetBounds(RectF* bounds) const {
    if (!bounds)
        return InvalidParameter;
    const QRectF b = Qt().boundingRect();
    *bounds = {static_cast<REAL>(b.x()), static_cast<REAL>(b.y()), static_cast<REAL>(b.width()),
               static_cast<REAL>(b.height())};
    return Ok;
}

bool GraphicsPath::IsVisible(REAL x, REAL y) const {
    return Qt().contains(QPointF(x, y));
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
