// The thumb and step-button faces: the picture of the state, or the drawn
// shapes (pointer, rectangles, round, line, pointers and triangles) and
// the round or square button faces with their plus and minus glyphs.

#include "controls/gdip/GdipFaces.h"
#include "controls/gdip/TrackBar.h"
#include "controls/gdip/TrackBarDrawing.h"

#include <vector>

using namespace korvan::gdip;

namespace {

bool Set(TColor c) {
    return c != clNone;
}

// The colours of one state of a thumb.
struct ThumbColors {
    TColor Border, Color, ColorTo, Mirror, MirrorTo;
};

TGradientDirection BandDirection(TGDIPGradient g) {
    switch (g) {
    case ggRadial:
        return gdHorizontal;
    case ggDiagonalForward:
        return gdHorizontalInOut;
    case ggVertical:
    case ggDiagonalBackward:
        break;
    }
    return gdVertical;
}

// Moves every point toward the centre of the points by `by` pixels.
std::vector<TPoint> Inset(const std::vector<TPoint>& pts, int by) {
    long long cx = 0, cy = 0;
    for (const TPoint& p : pts) {
        cx += p.X;
        cy += p.Y;
    }
    cx /= static_cast<long long>(pts.size());
    cy /= static_cast<long long>(pts.size());
    std::vector<TPoint> out;
    for (const TPoint& p : pts) {
        const int dx = p.X > cx ? -by : p.X < cx ? by : 0;
        const int dy = p.Y > cy ? -by : p.Y < cy ? by : 0;
        out.push_back(Point(p.X + dx, p.Y + dy));
    }
    return out;
}

void PolyOutline(TCanvas& c, const std::vector<TPoint>& pts, TColor color) {
    c.Pen().SetColor(color);
    c.Pen().SetStyle(psSolid);
    c.Pen().SetWidth(1);
    c.Brush().SetStyle(bsClear);
    std::vector<TPoint> closed = pts;
    closed.push_back(pts.front());
    c.Polyline(closed);
}

void Line(TCanvas& c, int x1, int y1, int x2, int y2, TColor color) {
    c.Pen().SetColor(color);
    c.Pen().SetStyle(psSolid);
    c.Pen().SetWidth(1);
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

// The polygon of a triangle or pointer thumb: `painter` 0 is the
// triangle, 1 pointer A, 2 pointer B.
std::vector<TPoint> ShapePolygon(int painter, int kind, const TRect& r) {
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    const int hw = (R - L) / 2, hh = (B - T) / 2;
    if (painter == 0) {
        switch (kind) {
        case 0:
            return {Point(L, B), Point(L, T), Point(R, T + hh)};
        case 1:
            return {Point(L, T + hh), Point(R, T), Point(R, B)};
        case 2:
            return {Point(L, B), Point(L + hw, T), Point(R, B)};
        case 3:
            return {Point(L, T), Point(R, T), Point(L + hw, B)};
        default:
            return {Point(L, T + hh), Point(L + hw, T), Point(R, T + hh), Point(L + hw, B)};
        }
    }
    if (painter == 2 && kind <= 1)
        return ShapePolygon(1, 1 - kind, r);
    switch (kind) {
    case 0:
        return {Point(L, T), Point(R, T), Point(R, B), Point(L + hh, B)};
    case 1:
        return {Point(L, T), Point(R, T), Point(R - hh, B), Point(L, B)};
    case 2:
        return painter == 1 ? std::vector<TPoint>{Point(L, T + hw), Point(R, T), Point(R, B), Point(L, B)}
                            : std::vector<TPoint>{Point(L, T), Point(R, T + hw), Point(R, B), Point(L, B)};
    case 3:
        return painter == 1 ? std::vector<TPoint>{Point(L, T), Point(R, T), Point(R, B), Point(L, B - hw)}
                            : std::vector<TPoint>{Point(L, T), Point(R, T), Point(R, B - hw), Point(L, B)};
    case 4:
        return {Point(L, T), Point(R, T), Point(R - hh, B), Point(L + hh, B)};
    default:
        return painter == 1
                   ? std::vector<TPoint>{Point(L, T + hw), Point(R, T), Point(R, B), Point(L, B - hw)}
                   : std::vector<TPoint>{Point(L, T), Point(R, T + hw), Point(R, B - hw), Point(L, B)};
    }
}

} // namespace

void TCustomTrackBar::PaintThumb() {
    const TTrackBarThumb& th = *thumb_;
    if (RatingMode() || th.Size() < 1 || (!th.ShowAtMinMax() && (position_ == min_ || position_ == max_)))
        return;
    TCanvas& c = Canvas();
    const TRect r = GetThumbRect();
    const bool vertical = orientation_ == trVertical;

    TGDIPPicture* picture = th.Picture();
    ThumbColors col{th.BorderColor(), th.Color(), th.ColorTo(), th.ColorMirror(), th.ColorMirrorTo()};
    if (thumbDown_) {
        if (!th.PictureDown()->Empty())
            picture = th.PictureDown();
        col = {th.BorderColorDown(), th.ColorDown(), th.ColorDownTo(), th.ColorMirrorDown(),
               th.ColorMirrorDownTo()};
    } else if (thumbHot_) {
        if (!th.PictureHot()->Empty())
            picture = th.PictureHot();
        col = {th.BorderColorHot(), th.ColorHot(), th.ColorHotTo(), th.ColorMirrorHot(),
               th.ColorMirrorHotTo()};
    }
    if (!Enabled()) {
        if (!th.PictureDisabled()->Empty())
            picture = th.PictureDisabled();
        col = {th.BorderColorDisabled(), th.ColorDisabled(), th.ColorDisabledTo(), th.ColorMirrorDisabled(),
               th.ColorMirrorDisabledTo()};
    }
    if (!picture->Empty()) {
        DrawPictureAt(c, *picture, r.Left, r.Top);
        return;
    }

    const TGradientDirection direction = BandDirection(th.Gradient());
    const int steps = th.Steps();
    const TTickMark ticks = tickMark_->Position();
    const int w = r.Width(), h = r.Height();
    const MirrorFace face{col.Color, col.ColorTo, col.Mirror,    col.MirrorTo,
                          clNone,    clNone,      th.Gradient(), th.GradientMirror()};

    // The fill of the first four shapes, given as a GDI region and a GDI+ path.
    const auto fill = [&](const korvan::gfx::Region& region, const Gdiplus::GraphicsPath& path,
                          const TRect& mirrorRect, const MirrorFace& mirrorFace, TTrackButtonShape outline) {
        const int saved = c.SaveDC();
        if (Set(col.Color) && Set(col.ColorTo)) {
            if (Set(col.Mirror) && Set(col.MirrorTo)) {
                Gdiplus::Graphics g(c);
                g.SetClip(path);
                DrawMirrorGradient(g, mirrorRect, vertical, mirrorFace, outline);
            } else {
                c.SelectClipRegion(region);
                FillDirectedGradient(c, col.Color, col.ColorTo, direction, r, steps);
            }
        } else if (Set(col.Color)) {
            c.SelectClipRegion(region);
            c.Brush().SetStyle(bsSolid);
            c.Brush().SetColor(col.Color);
            c.FillRect(r);
        }
        c.RestoreDC(saved);
    };

    switch (th.Shape()) {
    case tsPointer: {
        TRect body = r;
        TPoint tip1, tip2;
        std::vector<TPoint> outline;
        const bool first = ticks == tmTopLeft || ticks == tmBoth;
        const bool second = ticks == tmBottomRight || ticks == tmBoth;
        if (vertical) {
            const int d = h / 2;
            if (first)
                body.Left = r.Left + d;
            if (second)
                body.Right = r.Right - d;
            tip1 = Point(r.Left, r.Top + d);
            tip2 = Point(r.Right, r.Bottom - d);
            outline = {Point(body.Right, body.Bottom), Point(body.Left, body.Bottom)};
            if (first)
                outline.push_back(tip1);
            outline.push_back(Point(body.Left, body.Top));
            outline.push_back(Point(body.Right, body.Top));
            if (second)
                outline.push_back(tip2);
        } else {
            const int d = w / 2;
            if (first)
                body.Top = r.Top + d;
            if (second)
                body.Bottom = r.Bottom - d;
            tip1 = Point(r.Left + d, r.Top);
            tip2 = Point(r.Left + d, r.Bottom);
            outline = {Point(body.Left, body.Bottom), Point(body.Left, body.Top)};
            if (first)
                outline.push_back(tip1);
            outline.push_back(Point(body.Right, body.Top));
            outline.push_back(Point(body.Right, body.Bottom));
            if (second)
                outline.push_back(tip2);
        }
        fill(korvan::gfx::Region::FromPolygon(outline), BuildPointerPath(body, tip1, tip2, ticks, vertical),
             r, face, bsRectangle);
        if (Set(col.Border)) {
            std::vector<TPoint> inner = outline;
            for (auto& p : inner) {
                p.X = std::min(p.X, r.Right - 1);
                p.Y = std::min(p.Y, r.Bottom - 1);
            }
            PolyOutline(c, inner, clWhite);
            PolyOutline(c, Inset(inner, 1), col.Border);
            PolyOutline(c, Inset(inner, 2), clWhite);
        }
        if (vertical) {
            const int len = w / 2 - 3;
            const int x = r.Left + (w + 1 - len) / 2;
            Line(c, x, r.Top + h / 2, x + len, r.Top + h / 2, col.Border);
        } else {
            const int len = h / 2 - 2;
            const int y = r.Top + (h - len) / 2;
            Line(c, r.Left + w / 2, y, r.Left + w / 2, y + len, col.Border);
        }
        break;
    }
    case tsRectangle:
    case tsRoundRect: {
        const int radius = th.Shape() == tsRectangle ? 1 : 8;
        const TRect less = Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1);
        fill(korvan::gfx::Region::FromRoundRect(r, radius, radius),
             BuildRoundedRectPath(float(r.Left), float(r.Top), float(w), float(h), float(radius)), less, face,
             bsRectangle);
        if (Set(col.Border)) {
            c.Brush().SetStyle(bsClear);
            c.Pen().SetStyle(psSolid);
            c.Pen().SetColor(clWhite);
            c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, radius, radius);
            c.Pen().SetColor(col.Border);
            c.RoundRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1, radius, radius);
            if (th.Shape() == tsRectangle) {
                c.Pen().SetColor(clWhite);
                c.Rectangle(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
            }
        }
        if (vertical) {
            const int len = w / 2 - 2;
            Line(c, r.Left + (w - len) / 2, r.Top + h / 2, r.Left + (w - len) / 2 + len, r.Top + h / 2,
                 col.Border);
        } else {
            const int len = h / 2 - 2;
            Line(c, r.Left + w / 2, r.Top + (h - len) / 2, r.Left + w / 2, r.Top + (h - len) / 2 + len,
                 col.Border);
        }
        break;
    }
    case tsRound: {
        const int radius = th.Size() / 2;
        MirrorFace round = face;
        round.Border = col.Border;
        round.Light = clWhite;
        fill(korvan::gfx::Region::FromRoundRect(r, radius, radius),
             BuildRoundedRectPath(float(r.Left), float(r.Top), float(w), float(h), float(radius)), r, round,
             bsRound);
        const int cx = r.Left + w / 2 + 1, cy = r.Top + h / 2 + 1;
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(col.Border);
        c.Pen().SetColor(col.Border);
        c.RoundRect(cx - 2, cy - 2, cx + 2, cy + 2, 5, 5);
        break;
    }
    case tsLine: {
        const int m = vertical ? r.Top + h / 2 : r.Left + w / 2;
        const TColor shades[] = {col.ColorTo, col.Color, MixColors(col.Color, clWhite, 60),
                                 MixColors(col.Color, clWhite, 10)};
        for (int i = 0; i < 4; ++i) {
            const int at = m - 1 + i;
            if (vertical)
                Line(c, r.Left, at, r.Right, at, shades[i]);
            else
                Line(c, at, r.Top, at, r.Bottom, shades[i]);
        }
        break;
    }
    case tsPointerLeftUp:
    case tsPointerRightUp:
    case tsTriangle:
    case tsTriangleLeft:
    case tsTriangleRight: {
        int kind = 0;
        if (th.Shape() == tsTriangleLeft)
            kind = vertical ? 2 : 0;
        else if (th.Shape() == tsTriangleRight)
            kind = vertical ? 3 : 1;
        else if (vertical)
            kind = ticks == tmTopLeft ? 0 : ticks == tmBottomRight ? 1 : 4;
        else
            kind = ticks == tmTopLeft ? 2 : ticks == tmBottomRight ? 3 : 5;
        const int painter = th.Shape() == tsPointerRightUp ? 1 : th.Shape() == tsPointerLeftUp ? 2 : 0;
        const std::vector<TPoint> pts = ShapePolygon(painter, kind, r);
        const int saved = c.SaveDC();
        c.SelectClipRegion(korvan::gfx::Region::FromPolygon(pts, ALTERNATE));
        FillDirectedGradient(c, col.Color, col.ColorTo, direction, r, steps);
        c.RestoreDC(saved);
        std::vector<TPoint> inner = pts;
        for (auto& p : inner) {
            p.X = std::min(p.X, r.Right - 1);
            p.Y = std::min(p.Y, r.Bottom - 1);
        }
        PolyOutline(c, inner, clWhite);
        if (Set(col.Border))
            PolyOutline(c, Inset(inner, 1), col.Border);
        PolyOutline(c, Inset(inner, 2), clWhite);
        const int cx = r.Left + w / 2, cy = r.Top + h / 2;
        if (vertical) {
            Line(c, cx - 2, cy, cx + 3, cy, col.Border);
            Line(c, cx - 2, cy + 1, cx + 3, cy + 1, clWhite);
        } else {
            Line(c, cx, cy - 2, cx, cy + 3, col.Border);
            Line(c, cx + 1, cy - 2, cx + 1, cy + 3, clWhite);
        }
        break;
    }
    }
}

// ---------------------------------------------------------------- step buttons

namespace {

struct ButtonLook {
    MirrorFace Face;
    TGDIPPicture* Picture;
};

ButtonLook ButtonState(const TTrackBarButtons& b, bool down, bool hot, bool isMin) {
    ButtonLook look{};
    if (down) {
        look.Face = {b.ColorDown(), b.ColorDownTo(), b.ColorMirrorDown(), b.ColorMirrorDownTo(),
                     b.BorderColorDown()};
        look.Picture = isMin ? b.MinPictureDown() : b.MaxPictureDown();
    } else if (hot) {
        look.Face = {b.ColorHot(), b.ColorHotTo(), b.ColorMirrorHot(), b.ColorMirrorHotTo(),
                     b.BorderColorHot()};
        look.Picture = isMin ? b.MinPictureHot() : b.MaxPictureHot();
    } else {
        look.Face = {b.Color(), b.ColorTo(), b.ColorMirror(), b.ColorMirrorTo(), b.BorderColor()};
        look.Picture = isMin ? b.MinPicture() : b.MaxPicture();
    }
    look.Face.Kind = b.Gradient();
    look.Face.MirrorKind = b.GradientMirror();
    return look;
}

// The bars of a glyph: outlined in the face colour, their insides in the
// border colour (all outlines first, so a plus sign's bars join).
void GlyphBars(TCanvas& c, const std::vector<TRect>& bars, TColor outline, TColor inside) {
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(outline);
    for (const TRect& bar : bars)
        c.FillRect(bar);
    c.Brush().SetColor(inside);
    for (const TRect& bar : bars)
        c.FillRect(bar.Inflate(-1, -1));
}

} // namespace

void TCustomTrackBar::PaintMinButton() {
    if (RatingMode() || !buttons_->Visible())
        return;
    const TTrackBarButtons& b = *buttons_;
    const ButtonLook look = ButtonState(b, minButtonDown_, minButtonHot_, true);
    TCanvas& c = Canvas();
    const TRect r = GetMinButtonRect();
    const bool vertical = orientation_ == trVertical;
    if (!look.Picture->Empty()) {
        if (vertical) {
            DrawPictureAt(c, *look.Picture, r.Left, r.Top);
        } else {
            const int saved = c.SaveDC();
            c.IntersectClipRect(r);
            DrawPictureAt(c, *look.Picture, r.Left, r.Top);
            c.RestoreDC(saved);
        }
        return;
    }
    PaintStepButtonFace(r, look.Face, false);
}

void TCustomTrackBar::PaintMaxButton() {
    if (RatingMode() || !buttons_->Visible())
        return;
    const TTrackBarButtons& b = *buttons_;
    const ButtonLook look = ButtonState(b, maxButtonDown_, maxButtonHot_, false);
    TCanvas& c = Canvas();
    const TRect r = GetMaxButtonRect();
    const bool vertical = orientation_ == trVertical;
    if (!look.Picture->Empty()) {
        if (vertical) {
            int y = r.Top;
            look.Picture->GetImageSizes();
            if (look.Picture->Height() > b.Size())
                y = r.Bottom - look.Picture->Width();
            DrawPictureAt(c, *look.Picture, r.Left, y);
        } else {
            const int saved = c.SaveDC();
            c.IntersectClipRect(r);
            DrawPictureAt(c, *look.Picture, r.Left, r.Top);
            c.RestoreDC(saved);
        }
        return;
    }
    PaintStepButtonFace(r, look.Face, true);
}

void TCustomTrackBar::PaintStepButtonFace(const TRect& r, const MirrorFace& colours, bool plus) {
    TCanvas& c = Canvas();
    const TTrackBarButtons& b = *buttons_;
    const bool vertical = orientation_ == trVertical;
    const int size = b.Size();
    MirrorFace face = colours;
    face.Light = MixColors(face.Border, clWhite, 30);
    TRect square = r;
    {
        Gdiplus::Graphics g(c);
        if (b.Shape() == bsRound) {
            if (vertical) {
                square.Left = r.Left + (r.Width() - size) / 2;
                square.Right = square.Left + size;
            } else {
                square.Top = r.Top + (r.Height() - size) / 2;
                square.Bottom = square.Top + size;
            }
            g.SetClip(BuildRoundedRectPath(float(square.Left), float(square.Top), float(square.Width()),
                                           float(square.Height()), float(size / 2)));
        }
        DrawMirrorGradient(g, square, vertical, face, b.Shape());
    }
    // The glyph: a minus bar, or a plus sign, centred in the face.
    int len = (size / 2 - 4) + 4;
    if (plus && len % 2)
        ++len;
    const int cx = square.Left + square.Width() / 2, cy = square.Top + square.Height() / 2;
    const TRect across = Rect(cx - len / 2, cy - 2, cx - len / 2 + len, cy + 2);
    const TRect upright = Rect(cx - 2, cy - len / 2, cx + 2, cy - len / 2 + len);
    if (plus)
        GlyphBars(c, {across, upright}, face.Color, face.Border);
    else
        GlyphBars(c, {vertical && b.RotateText() ? upright : across}, face.Color, face.Border);
}
