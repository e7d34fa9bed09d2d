// Lines, shapes and fills of TCanvas with the GDI box and end-pixel rules.

#include "platform/gfx/CanvasImpl.h"

#include <cmath>

using Impl = TCanvas::Impl;

namespace {

std::vector<QPoint> ToDevice(const TCanvas& c, const std::vector<TPoint>& pts) {
    std::vector<QPoint> out;
    out.reserve(pts.size());
    for (const TPoint& p : pts)
        out.push_back(Impl::Dev(c, p.X, p.Y));
    return out;
}

std::vector<int> Flatten(const std::vector<TPoint>& pts) {
    std::vector<int> out;
    for (const TPoint& p : pts) {
        out.push_back(p.X);
        out.push_back(p.Y);
    }
    return out;
}

// The device box of a shape: normalised, in pixel-centre coordinates of its
// outline (Left .. Right - 1).
QRectF OutlineBox(const TCanvas& c, int x1, int y1, int x2, int y2) {
    const TRect n = TRect{x1, y1, x2, y2}.Normalized();
    const QPoint tl = Impl::Dev(c, n.Left, n.Top);
    const QPoint br = Impl::Dev(c, n.Right, n.Bottom);
    return QRectF(tl.x(), tl.y(), double(br.x()) - tl.x() - 1, double(br.y()) - tl.y() - 1);
}

// The box of a closed shape: its outline's box, or without a pen the filled
// area, one pixel smaller on the right and bottom.
QRectF ShapeBox(const TCanvas& c, int x1, int y1, int x2, int y2) {
    const QRectF outline = OutlineBox(c, x1, y1, x2, y2);
    return Impl::PenVisible(c) ? outline : outline.translated(-0.5, -0.5);
}

double AngleOf(const QRectF& box, const QPoint& p) {
    const QPointF c = box.center();
    return std::atan2(-(p.y() - c.y()), p.x() - c.x()) * 180.0 / M_PI;
}

double SweepBetween(double a1, double a2) {
    double sweep = a2 - a1;
    while (sweep <= 0)
        sweep += 360.0;
    return sweep;
}

} // namespace

void TCanvas::MoveTo(int x, int y) {
    Record("MoveTo", {x, y});
    penPos_ = {x, y};
}

void TCanvas::LineTo(int x, int y) {
    Record("LineTo", {penPos_.X, penPos_.Y, x, y});
    if (HasImage())
        Impl::StrokePolyline(*this, {Impl::Dev(*this, penPos_.X, penPos_.Y), Impl::Dev(*this, x, y)}, false);
    penPos_ = {x, y};
}

void TCanvas::Polyline(const std::vector<TPoint>& pts) {
    Record("Polyline", Flatten(pts));
    if (HasImage())
        Impl::StrokePolyline(*this, ToDevice(*this, pts), false);
}

void TCanvas::Polygon(const std::vector<TPoint>& pts) {
    Record("Polygon", Flatten(pts));
    if (!HasImage() || pts.size() < 2)
        return;
    QPolygonF poly;
    for (const QPoint& p : ToDevice(*this, pts))
        poly << QPointF(p);
    QPainterPath path;
    path.addPolygon(poly);
    path.closeSubpath();
    path.setFillRule(polyFillMode_ == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    Impl::DrawShape(*this, path, true, true);
}

void TCanvas::PolyBezier(const std::vector<TPoint>& pts) {
    Record("PolyBezier", Flatten(pts));
    if (!HasImage() || pts.size() < 4)
        return;
    const std::vector<QPoint> d = ToDevice(*this, pts);
    QPainterPath path(d[0]);
    for (std::size_t i = 1; i + 2 < d.size(); i += 3)
        path.cubicTo(d[i], d[i + 1], d[i + 2]);
    Impl::DrawShape(*this, path, false, false);
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    Record("Rectangle", {x1, y1, x2, y2});
    if (!HasImage())
        return;
    SyncBackground();
    const TRect n = TRect{x1, y1, x2, y2}.Normalized();
    const QPoint tl = Impl::Dev(*this, n.Left, n.Top);
    const QPoint br = Impl::Dev(*this, n.Right, n.Bottom);
    const bool pen = Impl::PenVisible(*this);
    if (brush_.Style() != bsClear || !brush_.Bitmap().isNull()) {
        const int inset = pen ? 1 : 0;
        const auto [top, end] = Impl::RowsInClip(*this, tl.y() + inset, br.y() - 1);
        for (int y = top; y < end; ++y)
            Impl::FillSpanWithBrush(*this, tl.x() + inset, br.x() - 1, y, pen_.Mode());
    }
    if (pen && n.Right > n.Left && n.Bottom > n.Top) {
        const int r = br.x() - 1, b = br.y() - 1;
        Impl::StrokePolyline(*this, {tl, {r, tl.y()}, {r, b}, {tl.x(), b}, tl}, true);
    }
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
    Record("RoundRect", {x1, y1, x2, y2, x3, y3});
    if (!HasImage())
        return;
    QPainterPath path;
    path.addRoundedRect(ShapeBox(*this, x1, y1, x2, y2), std::abs(double(x3)) / 2.0,
                        std::abs(double(y3)) / 2.0);
    Impl::DrawShape(*this, path, true, true);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    Record("Ellipse", {x1, y1, x2, y2});
    if (!HasImage())
        return;
    QPainterPath path;
    path.addEllipse(ShapeBox(*this, x1, y1, x2, y2));
    Impl::DrawShape(*this, path, true, true);
}

namespace {

enum class ArcKind { Arc, Pie, Chord };

QPainterPath ArcPath(const TCanvas& c, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4,
                     ArcKind kind) {
    const QRectF box = OutlineBox(c, x1, y1, x2, y2);
    const double a1 = AngleOf(box, Impl::Dev(c, x3, y3));
    const double a2 = AngleOf(box, Impl::Dev(c, x4, y4));
    const double sweep = SweepBetween(a1, a2);
    QPainterPath path;
    if (kind == ArcKind::Pie) {
        path.moveTo(box.center());
        path.arcTo(box, a1, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(box, a1);
        path.arcTo(box, a1, sweep);
        if (kind == ArcKind::Chord)
            path.closeSubpath();
    }
    return path;
}

} // namespace

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    Record("Arc", {x1, y1, x2, y2, x3, y3, x4, y4});
    if (HasImage())
        Impl::DrawShape(*this, ArcPath(*this, x1, y1, x2, y2, x3, y3, x4, y4, ArcKind::Arc), false, false);
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    Record("Pie", {x1, y1, x2, y2, x3, y3, x4, y4});
    if (HasImage())
        Impl::DrawShape(*this, ArcPath(*this, x1, y1, x2, y2, x3, y3, x4, y4, ArcKind::Pie), true, true);
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    Record("Chord", {x1, y1, x2, y2, x3, y3, x4, y4});
    if (HasImage())
        Impl::DrawShape(*this, ArcPath(*this, x1, y1, x2, y2, x3, y3, x4, y4, ArcKind::Chord), true, true);
}

void TCanvas::FillRect(const TRect& r) {
    Record("FillRect", {r.Left, r.Top, r.Right, r.Bottom});
    if (!HasImage())
        return;
    SyncBackground();
    const QPoint tl = Impl::Dev(*this, r.Left, r.Top);
    const QPoint br = Impl::Dev(*this, r.Right, r.Bottom);
    const auto [top, end] = Impl::RowsInClip(*this, tl.y(), br.y());
    for (int y = top; y < end; ++y)
        Impl::FillSpanWithBrush(*this, tl.x(), br.x(), y, pmCopy);
}

void TCanvas::FrameRect(const TRect& r) {
    Record("FrameRect", {r.Left, r.Top, r.Right, r.Bottom});
    if (!HasImage() || r.IsEmpty())
        return;
    SyncBackground();
    const QPoint tl = Impl::Dev(*this, r.Left, r.Top);
    const QPoint br = Impl::Dev(*this, r.Right, r.Bottom);
    Impl::FillSpanWithBrush(*this, tl.x(), br.x(), tl.y(), pmCopy);
    if (br.y() - 1 > tl.y())
        Impl::FillSpanWithBrush(*this, tl.x(), br.x(), br.y() - 1, pmCopy);
    const auto [top, end] = Impl::RowsInClip(*this, tl.y() + 1, br.y() - 1);
    for (int y = top; y < end; ++y) {
        Impl::FillSpanWithBrush(*this, tl.x(), tl.x() + 1, y, pmCopy);
        if (br.x() - 1 > tl.x())
            Impl::FillSpanWithBrush(*this, br.x() - 1, br.x(), y, pmCopy);
    }
}

void TCanvas::DrawFocusRect(const TRect& r) {
    Record("DrawFocusRect", {r.Left, r.Top, r.Right, r.Bottom});
    if (!HasImage() || r.IsEmpty())
        return;
    const QPoint tl = Impl::Dev(*this, r.Left, r.Top);
    const QPoint br = Impl::Dev(*this, r.Right, r.Bottom);
    // A checker of inverted pixels along the edge; drawing it twice restores.
    auto invert = [this](int x, int y) {
        if (((x + y) & 1) == 0)
            Impl::Put(*this, x, y, 0xFFFFFF, pmXor);
    };
    const int left = std::max(tl.x(), clipBox_.left());
    const int right = static_cast<int>(std::min<std::int64_t>(br.x(), std::int64_t(clipBox_.right()) + 1));
    for (int x = left; x < right; ++x) {
        invert(x, tl.y());
        if (br.y() - 1 > tl.y())
            invert(x, br.y() - 1);
    }
    const auto [top, end] = Impl::RowsInClip(*this, tl.y() + 1, br.y() - 1);
    for (int y = top; y < end; ++y) {
        invert(tl.x(), y);
        if (br.x() - 1 > tl.x())
            invert(br.x() - 1, y);
    }
}

void TCanvas::FillRegion(const korvan::gfx::Region& rgn) {
    Record("FillRegion", {});
    if (!HasImage())
        return;
    SyncBackground();
    for (const QRect& rc : rgn.Offset(org_.X, org_.Y).Qt()) {
        const auto [top, end] = Impl::RowsInClip(*this, rc.top(), std::int64_t(rc.top()) + rc.height());
        for (int y = top; y < end; ++y)
            Impl::FillSpanWithBrush(*this, rc.left(), Impl::Saturated(std::int64_t(rc.left()) + rc.width()),
                                    y, pmCopy);
    }
}

void TCanvas::GradientFillRect(const TRect& r, TColor start, TColor stop, bool horizontal) {
    Record("GradientFillRect", {r.Left, r.Top, r.Right, r.Bottom, start, stop, horizontal ? 1 : 0});
    if (!HasImage() || r.IsEmpty())
        return;
    const TColor c0 = ColorToRGB(start), c1 = ColorToRGB(stop);
    const int n = horizontal ? r.Width() : r.Height();
    auto channel = [n](int a, int b, int i) { return n <= 1 ? a : a + (b - a) * i / (n - 1); };
    const QPoint tl = Impl::Dev(*this, r.Left, r.Top);
    for (int i = 0; i < n; ++i) {
        const std::uint32_t rgb = korvan::gfx::ToQRgb(RGB(channel(GetRValue(c0), GetRValue(c1), i),
                                                          channel(GetGValue(c0), GetGValue(c1), i),
                                                          channel(GetBValue(c0), GetBValue(c1), i))) &
                                  0xFFFFFF;
        if (horizontal) {
            for (int y = tl.y(); y < tl.y() + r.Height(); ++y)
                Impl::Put(*this, tl.x() + i, y, rgb, pmCopy);
        } else {
            for (int x = tl.x(); x < tl.x() + r.Width(); ++x)
                Impl::Put(*this, x, tl.y() + i, rgb, pmCopy);
        }
    }
}
