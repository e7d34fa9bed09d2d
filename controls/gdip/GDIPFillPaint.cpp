// The painting of a fill descriptor: shadow, body, pictures, border, glow
// and focus outline.

#include "controls/gdip/FillPainting.h"
#include "controls/gdip/GDIPColors.h"
#include "controls/gdip/GDIPFill.h"

#include <cmath>

using Gdiplus::REAL;
using korvan::gdip::GraphicsStateGuard;
using korvan::gdip::RoundRectPath;

namespace {

std::uint8_t Effective(std::uint8_t argument, std::uint8_t property) {
    return argument == 255 ? property : argument;
}

// The integer rectangle of r, each of left, top, width and height rounded
// to the nearest integer (halves to even).
TRect PictureRect(const TGPRectF& r) {
    const int left = static_cast<int>(std::lrint(r.X)), top = static_cast<int>(std::lrint(r.Y));
    return {left, top, left + static_cast<int>(std::lrint(r.Width)),
            top + static_cast<int>(std::lrint(r.Height))};
}

// Which corners a part of a two-part fill rounds.
TFillRoundingType PartRounding(TFillRoundingType type, bool mirrorPart) {
    if (type == rtLeft || type == rtRight)
        return type;
    if (mirrorPart)
        return type == rtBottom || type == rtBoth ? rtBottom : rtNone;
    return type == rtTop || type == rtBoth ? rtTop : rtNone;
}

// A path-gradient shadow over the path: clear at the outline, the shadow
// colour from a tenth of the way in.
void FillShadowPath(Gdiplus::Graphics& graphics, const Gdiplus::GraphicsPath& path, TColor colour) {
    Gdiplus::PathGradientBrush brush(path);
    brush.SetWrapMode(Gdiplus::WrapModeClamp);
    const Gdiplus::Color shade(MakeARGBFromColor(180, colour));
    brush.SetInterpolationColors({Gdiplus::Color(MakeARGB(0, 0, 0, 0)), shade, shade}, {0.0f, 0.1f, 1.0f});
    graphics.FillPath(brush, path);
}

} // namespace

TGPRectF TGDIPFill::Fill(Gdiplus::Graphics* graphics, const TGPRectF& rect, std::uint8_t borderOpacity,
                         std::uint8_t opacity, std::uint8_t opacityTo, std::uint8_t opacityMirror,
                         std::uint8_t opacityMirrorTo) {
    if (!graphics)
        return rect;
    Gdiplus::Graphics& g = *graphics;
    const GraphicsStateGuard keep(g);
    const std::uint8_t bo = Effective(borderOpacity, borderOpacity_), oc = Effective(opacity, opacity_);
    const std::uint8_t octo = Effective(opacityTo, opacityTo_),
                       ocmr = Effective(opacityMirror, opacityMirror_);
    const std::uint8_t ocmrto = Effective(opacityMirrorTo, opacityMirrorTo_);
    TGPRectF r = rect;
    const bool hasBorder = borderWidth_ > 0 && borderColor_ != clNone;
    const Gdiplus::Pen borderPen(Gdiplus::Color(MakeARGBFromColor(bo, borderColor_)),
                                 static_cast<REAL>(borderWidth_));
    if (r.Height == 1.0f || r.Width == 1.0f) {
        // A line of a control: only its border line.
        if (hasBorder)
            g.DrawLine(borderPen, r.X, r.Y, r.X + r.Width, r.Y + r.Height);
    } else {
        r = DrawShadow(g, r);
        DrawBody(g, r, oc, octo, ocmr, ocmrto);
        if (backGroundPictureMode_ == pmInsideFill && gradientType_ == gtTexture) {
            const GraphicsStateGuard keepClip(g);
            g.SetClip(*RoundRectPath(r, rounding_, roundingType_), Gdiplus::CombineModeIntersect);
            DrawBackGroundPicture(g, PictureRect(r));
        }
        if (hasBorder)
            g.DrawPath(borderPen, *RoundRectPath(r, rounding_, roundingType_));
    }
    DrawGlow(g, r);
    DrawFocus(g, r, oc);
    if (backGroundPictureMode_ == pmOutsideFill && gradientType_ == gtTexture)
        DrawBackGroundPicture(g, PictureRect(r));
    DrawForegroundPicture(g, PictureRect(r));
    return r;
}

TGPRectF TGDIPFill::DrawShadow(Gdiplus::Graphics& graphics, TGPRectF r) {
    const auto s = static_cast<REAL>(shadowOffset_);
    if (shadowOffset_ <= 0 || shadowColor_ == clNone)
        return r;
    switch (shadowType_) {
    case stRightBottom:
        FillShadowPath(graphics, *RoundRectPath(r, rounding_, roundingType_), shadowColor_);
        r.Width -= s;
        r.Height -= s;
        break;
    case stSurround:
        FillShadowPath(graphics, *RoundRectPath(r, shadowOffset_, rtBoth), shadowColor_);
        r.X += s;
        r.Y += s;
        r.Width -= 2 * s;
        r.Height -= 2 * s;
        break;
    case stBottom:
        korvan::gdip::RadialFill(graphics, TGPRectF{r.X, r.Y + r.Height - 2 * s, r.Width, 2 * s},
                                 shadowColor_, shadowColor_, 0, 255, true, rounding_, rtBottom);
        r.Height -= s;
        break;
    }
    return r;
}

void TGDIPFill::DrawBody(Gdiplus::Graphics& graphics, const TGPRectF& r, std::uint8_t oc, std::uint8_t octo,
                         std::uint8_t ocmr, std::uint8_t ocmrto) {
    auto upper = [&](const TGPRectF& part, TFillRoundingType radialRounding) {
        if (gradientType_ == gtRadial)
            korvan::gdip::RadialFill(graphics, part, color_, colorTo_ == clNone ? color_ : colorTo_, oc, octo,
                                     true, rounding_, radialRounding);
        else
            DrawGradientBackGround(graphics, part, false, oc, octo, ocmr, ocmrto);
    };
    if (gradientType_ == gtHatch || gradientType_ == gtTexture || colorMirror_ == clNone) {
        upper(r, roundingType_);
        return;
    }
    // Two parts overlapping by two pixels: the body above, the mirror below.
    const REAL h = r.Height / 2;
    upper(TGPRectF{r.X, r.Y, r.Width, r.Height - h + 1}, rtTop);
    const TGPRectF lower{r.X, r.Y + h - 1, r.Width, r.Height - h + 1};
    if (gradientMirrorType_ == gtRadial)
        korvan::gdip::RadialFill(graphics, lower, colorMirror_,
                                 colorMirrorTo_ == clNone ? colorMirror_ : colorMirrorTo_, ocmr, ocmrto,
                                 false, rounding_, rtBottom);
    else
        DrawGradientBackGround(graphics, lower, true, oc, octo, ocmr, ocmrto);
}

void TGDIPFill::DrawGradientBackGround(Gdiplus::Graphics& graphics, const TGPRectF& r, bool mirror,
                                       std::uint8_t oc, std::uint8_t octo, std::uint8_t ocmr,
                                       std::uint8_t ocmrto) {
    korvan::gdip::TFillParams p;
    p.Graphics = &graphics;
    p.Rect = r;
    p.Kind = mirror ? gradientMirrorType_ : gradientType_;
    p.Color = mirror ? colorMirror_ : color_;
    p.ColorTo = mirror ? colorMirrorTo_ : colorTo_;
    p.Opacity = mirror ? ocmr : oc;
    p.OpacityTo = mirror ? ocmrto : octo;
    p.Hatch = mirror ? hatchStyleMirror_ : hatchStyle_;
    p.Angle = angle_;
    p.Texture = backGroundPicturePosition_ == ppTiled ? backGroundPicture_.get() : nullptr;
    p.Mirror = mirror;
    if (p.Color == clNone)
        p.Kind = gtNone;
    else if (p.ColorTo == clNone)
        p.Kind = gtSolid;
    if (rounding_ == 0) {
        korvan::gdip::FillRectOrPath(p);
        return;
    }
    const TFillRoundingType type =
        colorMirror_ == clNone ? roundingType_ : PartRounding(roundingType_, mirror);
    const auto path = RoundRectPath(r, rounding_, type);
    p.Path = path.get();
    p.UsePath = true;
    const GraphicsStateGuard keep(graphics);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
    korvan::gdip::FillRectOrPath(p);
}

void TGDIPFill::DrawGlow(Gdiplus::Graphics& graphics, const TGPRectF& r) {
    if (glow_ == gmNone)
        return;
    const GraphicsStateGuard keep(graphics);
    graphics.SetClip(r, Gdiplus::CombineModeIntersect);
    const TGPRectF g{r.X + 1, r.Y + 1, r.Width - 2, r.Height - 2};
    if (glow_ == gmGradient || glow_ == gmRadialGradient) {
        graphics.DrawPath(Gdiplus::Pen(Gdiplus::Color(MakeARGBFromColor(200, glowGradientColor_)), 1.0f),
                          *RoundRectPath(g, rounding_, roundingType_));
        const TGPRectF b1{g.X + 5, g.Y, g.Width - 10, 4};
        Gdiplus::LinearGradientBrush top(TGPRectF{b1.X - 1, b1.Y - 1, b1.Width + 2, b1.Height + 2},
                                         Gdiplus::Color(MakeARGBFromColor(175, glowGradientColor_)),
                                         Gdiplus::Color(MakeARGBFromColor(0, glowGradientColor_)),
                                         Gdiplus::LinearGradientModeVertical);
        graphics.FillPolygon(top, {{g.X, g.Y}, {g.X + 5, g.Y}, {g.X + 5, g.Y + 4}});
        graphics.FillPolygon(top,
                             {{g.X + g.Width, g.Y}, {g.X + g.Width - 5, g.Y}, {g.X + g.Width - 5, g.Y + 4}});
        graphics.FillRectangle(top, b1);
        const TGPRectF b2{g.X + 5, g.Y + g.Height - 7, g.Width - 10, 7};
        Gdiplus::LinearGradientBrush bottom(TGPRectF{b2.X - 1, b2.Y - 1, b2.Width + 2, b2.Height + 2},
                                            Gdiplus::Color(MakeARGBFromColor(0, glowGradientColor_)),
                                            Gdiplus::Color(MakeARGBFromColor(220, glowGradientColor_)),
                                            Gdiplus::LinearGradientModeVertical);
        const REAL bottomY = g.Y + g.Height;
        graphics.FillPolygon(bottom, {{g.X, bottomY}, {g.X + 5, bottomY}, {g.X + 5, bottomY - 7}});
        graphics.FillPolygon(
            bottom,
            {{g.X + g.Width, bottomY}, {g.X + g.Width - 5, bottomY}, {g.X + g.Width - 5, bottomY - 7}});
        graphics.FillRectangle(bottom, b2);
    }
    if (glow_ == gmRadial || glow_ == gmRadialGradient) {
        const TGPRectF e{g.X + 10, g.Y - g.Height / 2, g.Width - 20, 3 * g.Height};
        Gdiplus::GraphicsPath ellipse;
        ellipse.AddEllipse(e.X, e.Y, e.Width, e.Height);
        Gdiplus::PathGradientBrush brush(ellipse);
        brush.SetCenterPoint({e.X + e.Width / 2, e.Y + e.Height / 2});
        brush.SetCenterColor(Gdiplus::Color(MakeARGBFromColor(150, glowRadialColor_)));
        brush.SetSurroundColors({Gdiplus::Color(MakeARGBFromColor(0, color_))});
        graphics.FillPath(brush, ellipse);
    }
}

void TGDIPFill::DrawFocus(Gdiplus::Graphics& graphics, const TGPRectF& r, std::uint8_t opacity) {
    const auto b = static_cast<REAL>(borderWidth_);
    focusRect_ = {r.X + b, r.Y + b, r.Width - 2 * b, r.Height - 2 * b};
    if (!focus_)
        return;
    Gdiplus::Pen pen(Gdiplus::Color(MakeARGBFromColor(opacity, focusColor_)), 1.0f);
    pen.SetDashStyle(Gdiplus::DashStyleDot);
    const GraphicsStateGuard keep(graphics);
    graphics.SetSmoothingMode(Gdiplus::SmoothingModeDefault);
    graphics.DrawPath(pen, *RoundRectPath(focusRect_, rounding_ - borderWidth_, roundingType_));
}

void TGDIPFill::DrawBackGroundPicture(Gdiplus::Graphics& graphics, const TRect& pr) {
    if (backGroundPicture_->Empty())
        return;
    backGroundPicture_->GetImageSizes();
    korvan::gdip::DrawPicturePlaced(graphics, backGroundPictureAspectRatio_, backGroundPictureAspectMode_,
                                    backGroundPicture_.get(), backGroundPicturePosition_,
                                    backGroundPicture_->Width(), backGroundPicture_->Height(), pr,
                                    backGroundPictureLeft_, backGroundPictureTop_);
}

void TGDIPFill::DrawForegroundPicture(Gdiplus::Graphics& graphics, const TRect& pr) {
    if (picture_->Empty())
        return;
    picture_->GetImageSizes();
    const bool custom = pictureSize_ == psCustom;
    korvan::gdip::DrawPicturePlaced(graphics, pictureAspectRatio_, pictureAspectMode_, picture_.get(),
                                    picturePosition_, custom ? pictureWidth_ : picture_->Width(),
                                    custom ? pictureHeight_ : picture_->Height(), pr, pictureLeft_,
                                    pictureTop_);
}
