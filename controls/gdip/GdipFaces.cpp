#include "controls/gdip/GdipFaces.h"

#include "controls/gdip/GDIPColors.h"

#include <algorithm>

namespace korvan::gdip {

namespace {

using Gdiplus::PointF;
using Gdiplus::RectF;

Gdiplus::Color Gp(TColor c) {
    return Gdiplus::Color(ColorToOpaqueARGB(c));
}

bool Set(TColor c) {
    return c != clNone;
}

} // namespace

Gdiplus::GraphicsPath BuildRoundedRectPath(float x, float y, float w, float h, float a) {
    Gdiplus::GraphicsPath path(Gdiplus::FillModeAlternate);
    // Corners never take more than half the shorter side.
    a = std::min({a, w / 2, h / 2});
    if (a <= 0) {
        path.AddRectangle(RectF{x, y, w, h});
        return path;
    }
    const float d = 2 * a;
    path.AddArc(x, y, d, d, 180, 90);
    path.AddLine(x + a, y, x + w - a, y);
    path.AddArc(x + w - d, y, d, d, 270, 90);
    path.AddLine(x + w, y + a, x + w, y + h - a);
    path.AddArc(x + w - d, y + h - d, d, d, 0, 90);
    path.AddLine(x + w - a, y + h, x + a, y + h);
    path.AddArc(x, y + h - d, d, d, 90, 90);
    path.AddLine(x, y + h - a, x, y + a);
    path.CloseFigure();
    return path;
}

void StrokeRoundedRect(Gdiplus::Graphics& g, float x, float y, float w, float h, float radius, TColor color) {
    const Gdiplus::Pen pen(Gp(color), 1.0f);
    g.DrawPath(pen, BuildRoundedRectPath(x, y, w, h, radius));
}

Gdiplus::GraphicsPath BuildPointerPath(const TRect& body, TPoint tip1, TPoint tip2, TTickMark tickPos,
                                       bool vertical) {
    const bool first = tickPos == tmTopLeft || tickPos == tmBoth;
    const bool second = tickPos == tmBottomRight || tickPos == tmBoth;
    const auto pt = [](int x, int y) { return PointF{float(x), float(y)}; };
    std::vector<PointF> pts;
    if (!vertical) {
        pts.push_back(pt(body.Left, body.Bottom));
        pts.push_back(pt(body.Left, body.Top));
        if (first)
            pts.push_back(pt(tip1.X, tip1.Y));
        pts.push_back(pt(body.Right, body.Top));
        pts.push_back(pt(body.Right, body.Bottom));
        if (second)
            pts.push_back(pt(tip2.X, tip2.Y));
    } else {
        pts.push_back(pt(body.Right, body.Bottom));
        pts.push_back(pt(body.Left, body.Bottom));
        if (first)
            pts.push_back(pt(tip1.X, tip1.Y));
        pts.push_back(pt(body.Left, body.Top));
        pts.push_back(pt(body.Right, body.Top));
        if (second)
            pts.push_back(pt(tip2.X, tip2.Y));
    }
    Gdiplus::GraphicsPath path(Gdiplus::FillModeAlternate);
    path.AddPolygon(pts);
    return path;
}

void FillHalfGradient(Gdiplus::Graphics& g, const RectF& half, TColor a, bool outer, TGDIPGradient kind,
                      TColor b) {
    const float w = half.Width, h = half.Height;
    if (w <= 0 || h <= 0)
        return;
    if (kind == ggRadial) {
        g.FillRectangle(Gdiplus::SolidBrush(Gp(outer ? a : b)), half);
        Gdiplus::GraphicsPath ellipse;
        if (outer)
            ellipse.AddEllipse(half.X, half.Y - float(int(h) / 2) + 2, w, h);
        else
            ellipse.AddEllipse(half.X, half.Y, w, h);
        Gdiplus::PathGradientBrush brush(ellipse);
        brush.SetCenterPoint(PointF{half.X + float(int(w) / 2), outer ? half.Y : half.Y + h});
        brush.SetCenterColor(Gp(outer ? b : a));
        brush.SetSurroundColors({Gp(outer ? a : b)});
        g.FillRectangle(brush, half);
        return;
    }
    const Gdiplus::LinearGradientMode mode = kind == ggVertical ? Gdiplus::LinearGradientModeVertical
                                             : kind == ggDiagonalForward
                                                 ? Gdiplus::LinearGradientModeForwardDiagonal
                                                 : Gdiplus::LinearGradientModeBackwardDiagonal;
    g.FillRectangle(Gdiplus::LinearGradientBrush(half, Gp(a), Gp(b), mode), half);
}

void DrawMirrorBorders(Gdiplus::Graphics& g, const TRect& r, TTrackButtonShape shape, bool vertical,
                       TColor border, TColor light) {
    const float x = float(r.Left), y = float(r.Top), w = float(r.Width()), h = float(r.Height());
    const float side = vertical ? h : w;
    // The round outlines sit on a square centred across the face.
    const float sx = vertical ? x + (w - side) / 2 : x;
    const float sy = vertical ? y : y + (h - side) / 2;
    if (Set(light)) {
        if (shape == bsRound)
            StrokeRoundedRect(g, sx, sy, side, side, float(int(side) / 2), light);
        else
            g.DrawRectangle(Gdiplus::Pen(Gp(light)), RectF{x, y, w, h});
    }
    if (Set(border)) {
        if (shape == bsRectangle)
            g.DrawRectangle(Gdiplus::Pen(Gp(border)), RectF{x, y, w, h});
        else
            StrokeRoundedRect(g, sx + 1, sy + 1, side - 2, side - 2, float(int(side - 2) / 2), border);
    }
}

void DrawMirrorGradient(Gdiplus::Graphics& g, const TRect& r, bool vertical, const MirrorFace& face,
                        TTrackButtonShape shape) {
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    if (Set(face.Color) && Set(face.ColorTo) && Set(face.Mirror) && Set(face.MirrorTo)) {
        const int mid = r.Top + r.Height() / 2;
        const RectF lower{float(r.Left), float(mid - 1), float(r.Width()), float(r.Bottom - (mid - 1))};
        const RectF upper{float(r.Left), float(r.Top), float(r.Width()), float(mid + 1 - r.Top)};
        FillHalfGradient(g, lower, face.MirrorTo, false, face.MirrorKind, face.Mirror);
        FillHalfGradient(g, upper, face.Color, true, face.Kind, face.ColorTo);
    }
    DrawMirrorBorders(g, r, shape, vertical, face.Border, face.Light);
}

} // namespace korvan::gdip
