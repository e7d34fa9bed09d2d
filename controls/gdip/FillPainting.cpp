#include "controls/gdip/FillPainting.h"

#include "controls/gdip/GDIPColors.h"

#include <cmath>

namespace korvan::gdip {

using Gdiplus::REAL;

// ---------------------------------------------------------------- rounded rectangle

std::unique_ptr<Gdiplus::GraphicsPath> RoundRectPath(const TGPRectF& r, int radius, TFillRoundingType type) {
    auto path = std::make_unique<Gdiplus::GraphicsPath>(Gdiplus::FillModeAlternate);
    const bool top = type == rtTop || type == rtBoth, bottom = type == rtBottom || type == rtBoth;
    const bool left = type == rtLeft, right = type == rtRight;
    // A corner whose arc box has no room is a plain corner.
    const bool room = radius > 0;
    const bool topLeft = room && (top || left), topRight = room && (top || right);
    const bool bottomRight = room && (bottom || right), bottomLeft = room && (bottom || left);
    const REAL d = static_cast<REAL>(2 * static_cast<std::int64_t>(radius));
    const REAL x = r.X, y = r.Y, w = r.Width, h = r.Height;
    auto corner = [&path](REAL px, REAL py) { path->AddLine(px, py, px, py); };
    if (topLeft)
        path->AddArc(x, y, d, d, 180, 90);
    else
        corner(x, y);
    if (topRight)
        path->AddArc(x + w - d, y, d, d, 270, 90);
    else
        corner(x + w, y);
    if (bottomRight)
        path->AddArc(x + w - d, y + h - d, d, d, 0, 90);
    else
        corner(x + w, y + h);
    if (bottomLeft)
        path->AddArc(x, y + h - d, d, d, 90, 90);
    else
        corner(x, y + h);
    path->CloseFigure();
    return path;
}

// ---------------------------------------------------------------- pictures

FitSize FitPictureAspect(double picW, double picH, double boxW, double boxH, TPictureMode mode) {
    if (picW <= 0 || picH <= 0 || boxW <= 0 || boxH <= 0)
        return {};
    if (mode == pmNormal && picW < boxW && picH < boxH)
        return {picW, picH};
    if (boxW / boxH > picW / picH)
        return {boxH * picW / picH, boxH};
    return {boxW, boxW * picH / picW};
}

void DrawPicturePlaced(Gdiplus::Graphics& graphics, bool aspectRatio, TPictureMode aspectMode,
                       TAdvGDIPPicture* picture, TFillPicturePosition position, int picW, int picH,
                       const TRect& r, int left, int top) {
    if (!picture || picture->Empty() || position == ppTiled)
        return;
    const int centreX = r.Left + (r.Right - r.Left - picW) / 2;
    const int centreY = r.Top + (r.Bottom - r.Top - picH) / 2;
    int x = r.Left, y = r.Top, w = picW, h = picH;
    switch (position) {
    case ppTopLeft:
        break;
    case ppTopCenter:
        x = centreX;
        break;
    case ppTopRight:
        x = r.Right - picW;
        break;
    case ppBottomLeft:
        y = r.Bottom - picH;
        break;
    case ppBottomCenter:
        x = centreX;
        y = r.Bottom - picH;
        break;
    case ppBottomRight:
        x = r.Right - picW;
        y = r.Bottom - picH;
        break;
    case ppCenterLeft:
        y = centreY;
        break;
    case ppCenterCenter:
        x = centreX;
        y = centreY;
        break;
    case ppCenterRight:
        x = r.Right - picW;
        y = centreY;
        break;
    case ppCustom:
        x = left;
        y = top;
        break;
    case ppStretched: {
        const double boxW = r.Right - r.Left, boxH = r.Bottom - r.Top;
        const FitSize fit =
            aspectRatio ? FitPictureAspect(picW, picH, boxW, boxH, aspectMode) : FitSize{boxW, boxH};
        // Halves round to the even neighbour (the default rounding mode).
        x = static_cast<int>(std::lrint((boxW - fit.Width) / 2 + r.Left));
        y = static_cast<int>(std::lrint((boxH - fit.Height) / 2 + r.Top));
        w = static_cast<int>(std::lrint(fit.Width));
        h = static_cast<int>(std::lrint(fit.Height));
        break;
    }
    case ppTiled:
        return;
    }
    picture->GDIPDraw(graphics, TRect{x, y, x + w, y + h});
}

// ---------------------------------------------------------------- fills

void RadialFill(Gdiplus::Graphics& graphics, const TGPRectF& r, TColor color, TColor colorTo,
                std::uint8_t opacityA, std::uint8_t opacityB, bool topCentre, int rounding,
                TFillRoundingType roundingType) {
    if (color == clNone)
        return;
    if (colorTo == clNone)
        colorTo = color;
    const GraphicsStateGuard keep(graphics);
    const auto path = RoundRectPath(r, rounding, roundingType);
    graphics.FillPath(Gdiplus::SolidBrush(topCentre ? MakeARGBFromColor(opacityA, color)
                                                    : MakeARGBFromColor(opacityB, colorTo)),
                      *path);
    graphics.SetClip(*path, Gdiplus::CombineModeIntersect);

    Gdiplus::GraphicsPath ellipse;
    Gdiplus::PointF centre;
    if (topCentre) {
        ellipse.AddEllipse(r.X, r.Y - r.Height / 2, r.Width, r.Height + r.Height / 2);
        centre = {r.X + r.Width / 2, r.Y};
    } else {
        ellipse.AddEllipse(r.X, r.Y, r.Width, r.Height + r.Height / 2);
        centre = {r.X + r.Width / 2, r.Y + r.Height};
    }
    Gdiplus::PathGradientBrush brush(ellipse);
    brush.SetCenterPoint(centre);
    const ARGB a = MakeARGBFromColor(opacityA, color), b = MakeARGBFromColor(opacityB, colorTo);
    brush.SetCenterColor(Gdiplus::Color(topCentre ? b : a));
    brush.SetSurroundColors({Gdiplus::Color(topCentre ? a : b)});
    graphics.FillRectangle(brush, r);
}

namespace {

void FillTarget(const TFillParams& p, const Gdiplus::Brush& brush) {
    if (p.UsePath && p.Path)
        p.Graphics->FillPath(brush, *p.Path);
    else
        p.Graphics->FillRectangle(brush, p.Rect);
}

TGPRectF Grown(const TGPRectF& r) {
    return {r.X - 1, r.Y - 1, r.Width + 2, r.Height + 2};
}

} // namespace

void FillRectOrPath(const TFillParams& p) {
    if (!p.Graphics)
        return;
    const Gdiplus::Color from(MakeARGBFromColor(p.Opacity, p.Color)),
        to(MakeARGBFromColor(p.OpacityTo, p.ColorTo));
    const bool painted = p.Color != clNone;
    switch (painted ? p.Kind : gtNone) {
    case gtSolid:
        FillTarget(p, Gdiplus::SolidBrush(from));
        break;
    case gtVertical:
    case gtHorizontal:
    case gtForwardDiagonal:
    case gtBackwardDiagonal: {
        const Gdiplus::LinearGradientMode mode =
            p.Kind == gtVertical          ? Gdiplus::LinearGradientModeVertical
            : p.Kind == gtHorizontal      ? Gdiplus::LinearGradientModeHorizontal
            : p.Kind == gtForwardDiagonal ? Gdiplus::LinearGradientModeForwardDiagonal
                                          : Gdiplus::LinearGradientModeBackwardDiagonal;
        Gdiplus::LinearGradientBrush brush(Grown(p.Rect), from, to, mode);
        brush.SetGammaCorrection(true);
        FillTarget(p, brush);
        if (p.Mirror)
            p.Graphics->FillRectangle(Gdiplus::SolidBrush(from),
                                      TGPRectF{p.Rect.X, p.Rect.Y, p.Rect.Width, 1.0f});
        break;
    }
    case gtAngle: {
        Gdiplus::LinearGradientBrush brush(Grown(p.Rect), from, to, static_cast<REAL>(p.Angle), true);
        brush.SetGammaCorrection(true);
        FillTarget(p, brush);
        break;
    }
    case gtHatch:
        FillTarget(p, Gdiplus::HatchBrush(p.Hatch, from, to));
        break;
    case gtTexture:
        if (p.Texture) {
            if (p.UsePath && p.Path)
                p.Texture->FillPath(*p.Graphics, *p.Path);
            else
                p.Texture->FillRect(*p.Graphics, p.Rect);
        }
        break;
    case gtRadial:
    case gtPath:
    case gtNone:
        break;
    }
    if (p.BorderColor == clNone)
        return;
    Gdiplus::Pen pen(Gdiplus::Color(MakeARGBFromColor(p.Opacity, p.BorderColor)),
                     static_cast<REAL>(p.BorderWidth));
    pen.SetDashStyle(p.BorderStyle);
    if (p.UsePath && p.Path)
        p.Graphics->DrawPath(pen, *p.Path);
    else
        p.Graphics->DrawRectangle(pen, p.Rect);
}

// ---------------------------------------------------------------- state guard

GraphicsStateGuard::GraphicsStateGuard(Gdiplus::Graphics& graphics)
    : graphics_(graphics), smoothing_(graphics.GetSmoothingMode()) {
    graphics.GetClip(&clip_);
}

GraphicsStateGuard::~GraphicsStateGuard() {
    graphics_.SetClip(clip_, Gdiplus::CombineModeReplace);
    graphics_.SetSmoothingMode(smoothing_);
}

} // namespace korvan::gdip
