#include "controls/gdip/FillPainting.h"
#include "PictureTestSupport.h"
#include "controls/gdip/GDIPFill.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace korvan::gdip;
using namespace korvan::gdip::testing;

namespace {

const QRgb kWhite = 0xFFFFFFFFu, kRed = 0xFFFF0000u, kBlue = 0xFF0000FFu;

struct Surface {
    Gdiplus::Bitmap bitmap;
    Gdiplus::Graphics graphics;
    explicit Surface(int w, int h, QRgb fill = kWhite) : bitmap(w, h), graphics(bitmap) {
        bitmap.Pixels().fill(fill);
    }
    QRgb At(int x, int y) { return bitmap.Pixels().pixel(x, y); }
};

bool Near(QRgb a, QRgb b, int tolerance = 12) {
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

int CurveCount(const Gdiplus::GraphicsPath& p) {
    int n = 0;
    for (const auto& e : p.Elements())
        n += e.Type == Gdiplus::GraphicsPath::Element::Curve;
    return n;
}

TAdvGDIPPicture SolidPicture(int w, int h, QRgb colour) {
    TAdvGDIPPicture p;
    p.LoadFromStream(PngFile(Swatch(w, h, colour, colour)));
    return p;
}

} // namespace

TEST(FillPainting, RoundedPathsRoundTheChosenCornersAndSkipArcsWithoutRoom) {
    const TGPRectF r{10, 20, 100, 50};
    struct Case {
        int radius;
        TFillRoundingType type;
        int arcs; // each 90-degree arc is one Bezier
        bool topRounded, bottomRounded;
    };
    for (const Case c :
         {Case{8, rtBoth, 4, true, true}, Case{8, rtTop, 2, true, false}, Case{8, rtBottom, 2, false, true},
          Case{8, rtLeft, 2, true, true}, Case{8, rtRight, 2, true, true}, Case{8, rtNone, 0, false, false},
          Case{0, rtBoth, 0, false, false}, Case{-2, rtBoth, 0, false, false}}) {
        const auto path = RoundRectPath(r, c.radius, c.type);
        EXPECT_EQ(CurveCount(*path), c.arcs) << c.radius << " " << int(c.type);
        Gdiplus::RectF bounds;
        path->GetBounds(&bounds);
        EXPECT_FLOAT_EQ(bounds.X, 10);
        EXPECT_FLOAT_EQ(bounds.Y, 20);
        EXPECT_FLOAT_EQ(bounds.Width, 100);
        EXPECT_FLOAT_EQ(bounds.Height, 50);
        EXPECT_EQ(path->IsVisible(10.5f, 20.5f), !c.topRounded || c.type == rtRight) << int(c.type);
        EXPECT_EQ(path->IsVisible(10.5f, 69.5f), !c.bottomRounded || c.type == rtRight) << int(c.type);
        EXPECT_EQ(path->IsVisible(109.5f, 20.5f), !c.topRounded || c.type == rtLeft) << int(c.type);
    }
    // Arcs larger than the rectangle overlap but are still built.
    EXPECT_EQ(CurveCount(*RoundRectPath(TGPRectF{0, 0, 20, 10}, 30, rtBoth)), 4);
}

TEST(FillPainting, AspectFit) {
    struct Case {
        double pw, ph, bw, bh;
        TPictureMode mode;
        double w, h;
    };
    for (const Case c : {Case{100, 50, 60, 60, pmStretch, 60, 30}, Case{50, 100, 60, 60, pmStretch, 30, 60},
                         Case{20, 10, 60, 60, pmNormal, 20, 10}, Case{20, 10, 60, 60, pmStretch, 60, 30},
                         Case{80, 10, 60, 60, pmNormal, 60, 7.5}, Case{100, 50, 0, 60, pmStretch, 0, 0},
                         Case{0, 50, 60, 60, pmNormal, 0, 0}, Case{10, 10, 60, -1, pmNormal, 0, 0}}) {
        const FitSize s = FitPictureAspect(c.pw, c.ph, c.bw, c.bh, c.mode);
        EXPECT_DOUBLE_EQ(s.Width, c.w) << c.pw << "x" << c.ph << " in " << c.bw << "x" << c.bh;
        EXPECT_DOUBLE_EQ(s.Height, c.h);
    }
}

TEST(FillPainting, PlacedPicturesFollowTheirPosition) {
    TAdvGDIPPicture picture = SolidPicture(17, 17, kRed);
    // Larger than the rectangle: the centred offset truncates toward zero.
    Surface s(30, 30);
    DrawPicturePlaced(s.graphics, false, pmStretch, &picture, ppCenterCenter, 17, 17, TRect{5, 5, 15, 15}, 0,
                      0);
    EXPECT_EQ(s.At(2, 2), kRed);
    EXPECT_EQ(s.At(1, 1), kWhite);
    EXPECT_EQ(s.At(18, 18), kRed);
    EXPECT_EQ(s.At(19, 19), kWhite);

    struct Case {
        TFillPicturePosition position;
        int x, y; // expected top-left for a 4 x 4 picture in (10, 10)-(30, 20)
    };
    TAdvGDIPPicture small = SolidPicture(4, 4, kBlue);
    for (const Case c : {Case{ppTopLeft, 10, 10}, Case{ppTopCenter, 18, 10}, Case{ppTopRight, 26, 10},
                         Case{ppBottomLeft, 10, 16}, Case{ppBottomCenter, 18, 16},
                         Case{ppBottomRight, 26, 16}, Case{ppCenterLeft, 10, 13},
                         Case{ppCenterCenter, 18, 13}, Case{ppCenterRight, 26, 13}, Case{ppCustom, 2, 3}}) {
        Surface t(40, 30);
        DrawPicturePlaced(t.graphics, false, pmStretch, &small, c.position, 4, 4, TRect{10, 10, 30, 20}, 2,
                          3);
        EXPECT_EQ(t.At(c.x, c.y), kBlue) << int(c.position);
        EXPECT_EQ(t.At(c.x + 3, c.y + 3), kBlue) << int(c.position);
        EXPECT_EQ(t.At(c.x - 1, c.y), kWhite) << int(c.position);
        EXPECT_EQ(t.At(c.x + 4, c.y + 4), kWhite) << int(c.position);
    }
    Surface tiled(40, 30);
    DrawPicturePlaced(tiled.graphics, false, pmStretch, &small, ppTiled, 4, 4, TRect{10, 10, 30, 20}, 0, 0);
    EXPECT_EQ(tiled.At(10, 10), kWhite);

    // Stretched with the aspect kept: 100 x 50 into 60 x 60 is 60 x 30, centred.
    TAdvGDIPPicture wide = SolidPicture(100, 50, kRed);
    Surface st(80, 80);
    DrawPicturePlaced(st.graphics, true, pmStretch, &wide, ppStretched, 100, 50, TRect{10, 10, 70, 70}, 0, 0);
    EXPECT_EQ(st.At(40, 25), kRed);
    EXPECT_EQ(st.At(40, 54), kRed);
    EXPECT_EQ(st.At(40, 23), kWhite);
    EXPECT_EQ(st.At(40, 56), kWhite);
}

TEST(FillPainting, DefaultFillIsASilverToGreyVerticalGradient) {
    TGDIPFill f;
    Surface s(40, 40);
    const TGPRectF body = f.Fill(&s.graphics, TGPRectF{0, 0, 40, 40});
    EXPECT_FLOAT_EQ(body.Width, 40);
    // Pixel centres sit on integer coordinates: the top and left edges
    // of the rectangle pass through row and column 0.
    EXPECT_TRUE(Near(s.At(20, 1), 0xFFC0C0C0u)) << std::hex << s.At(20, 1);
    EXPECT_TRUE(Near(s.At(20, 39), 0xFF808080u)) << std::hex << s.At(20, 39);
    EXPECT_EQ(s.At(1, 20), s.At(39, 20)) << "no border";
    EXPECT_EQ(f.Fill(nullptr, TGPRectF{1, 2, 3, 4}).X, 1);
}

TEST(FillPainting, NoFirstColourPaintsNoBody) {
    for (TAdvGradientType kind : {gtSolid, gtRadial, gtVertical, gtHorizontal, gtForwardDiagonal,
                                  gtBackwardDiagonal, gtAngle, gtHatch, gtTexture}) {
        TGDIPFill f;
        f.SetGradientType(kind);
        f.SetColor(clNone);
        f.SetColorTo(clRed);
        f.SetRounding(5);
        TAdvGDIPPicture texture = SolidPicture(3, 3, kRed);
        f.SetBackGroundPicture(&texture);
        f.SetBackGroundPicturePosition(ppTiled);
        Surface s(30, 30);
        f.Fill(&s.graphics, TGPRectF{0, 0, 30, 30});
        const QImage& out = s.bitmap.Pixels();
        bool untouched = true;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 30; ++x)
                untouched = untouched && out.pixel(x, y) == kWhite;
        EXPECT_TRUE(untouched) << int(kind);
    }
    // The mirror part follows its own first colour.
    TGDIPFill mirror;
    mirror.SetColor(clNone);
    mirror.SetColorMirror(clBlue);
    mirror.SetColorMirrorTo(clNone);
    Surface s(20, 20);
    mirror.Fill(&s.graphics, TGPRectF{0, 0, 20, 20});
    EXPECT_EQ(s.At(10, 2), kWhite);
    EXPECT_EQ(s.At(10, 15), kBlue);
}

TEST(FillPainting, NoSecondColourMakesEveryKindSolid) {
    for (TAdvGradientType kind : {gtVertical, gtHorizontal, gtAngle, gtHatch, gtTexture}) {
        TGDIPFill f;
        f.SetGradientType(kind);
        f.SetColor(clBlue);
        f.SetColorTo(clNone);
        Surface s(20, 20);
        f.Fill(&s.graphics, TGPRectF{0, 0, 20, 20});
        for (auto [x, y] : {std::pair{1, 1}, std::pair{7, 13}, std::pair{19, 19}})
            EXPECT_EQ(s.At(x, y), kBlue) << int(kind) << " at " << x << "," << y;
    }
}

TEST(FillPainting, MirrorPartsSplitTheBody) {
    TGDIPFill f;
    f.SetColor(clRed);
    f.SetColorTo(clNone);
    f.SetColorMirror(clBlue);
    f.SetColorMirrorTo(clNone);
    Surface s(10, 20);
    f.Fill(&s.graphics, TGPRectF{0, 0, 10, 20});
    // The upper part covers 0..11, the mirror part 9..20, painted after it.
    EXPECT_EQ(s.At(5, 9), kRed);
    EXPECT_EQ(s.At(5, 10), kBlue);
    EXPECT_EQ(s.At(5, 19), kBlue);
    // A hatch body ignores the mirror.
    f.SetGradientType(gtHatch);
    Surface h(10, 20);
    f.Fill(&h.graphics, TGPRectF{0, 0, 10, 20});
    EXPECT_EQ(h.At(5, 15), kRed);
}

TEST(FillPainting, ShadowsTakeTheirShareOfTheRectangle) {
    struct Case {
        TShadowType type;
        TGPRectF expected;
    };
    for (const Case c : {Case{stRightBottom, {10, 10, 95, 45}}, Case{stSurround, {15, 15, 90, 40}},
                         Case{stBottom, {10, 10, 100, 45}}}) {
        TGDIPFill f;
        f.SetShadowOffset(5);
        f.SetShadowType(c.type);
        Surface s(120, 70);
        const TGPRectF body = f.Fill(&s.graphics, TGPRectF{10, 10, 100, 50});
        EXPECT_FLOAT_EQ(body.X, c.expected.X) << int(c.type);
        EXPECT_FLOAT_EQ(body.Y, c.expected.Y) << int(c.type);
        EXPECT_FLOAT_EQ(body.Width, c.expected.Width) << int(c.type);
        EXPECT_FLOAT_EQ(body.Height, c.expected.Height) << int(c.type);
    }
    TGDIPFill none;
    none.SetShadowOffset(5);
    none.SetShadowColor(clNone);
    Surface s(120, 70);
    EXPECT_FLOAT_EQ(none.Fill(&s.graphics, TGPRectF{10, 10, 100, 50}).Width, 100);
}

TEST(FillPainting, AOnePixelRectangleDrawsOnlyItsBorderLine) {
    TGDIPFill f;
    f.SetBorderColor(clRed);
    Surface s(20, 20);
    f.Fill(&s.graphics, TGPRectF{5, 2, 1, 10});
    EXPECT_EQ(s.At(5, 6), kRed);
    EXPECT_EQ(s.At(6, 6), kWhite);
    f.SetBorderColor(clNone);
    Surface t(20, 20);
    f.Fill(&t.graphics, TGPRectF{5, 2, 1, 10});
    EXPECT_EQ(t.At(5, 6), kWhite);
}

TEST(FillPainting, TheCallersClipAndSmoothingComeBack) {
    TGDIPFill f;
    f.SetGlow(gmRadialGradient);
    f.SetGradientType(gtTexture);
    f.SetBackGroundPictureMode(pmInsideFill);
    f.SetBackGroundPicturePosition(ppStretched);
    TAdvGDIPPicture picture = SolidPicture(4, 4, kRed);
    f.SetBackGroundPicture(&picture);
    f.SetRounding(6);
    f.SetShadowOffset(3);
    f.SetShadowType(stBottom);
    Surface s(60, 60);
    s.graphics.SetClip(TGPRectF{0, 0, 30, 30});
    s.graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighSpeed);
    f.Fill(&s.graphics, TGPRectF{10, 10, 40, 40});
    Gdiplus::Region clip;
    s.graphics.GetClip(&clip);
    EXPECT_FALSE(clip.IsInfinite());
    EXPECT_EQ(clip.Qt().boundingRect(), QRectF(0, 0, 30, 30));
    EXPECT_EQ(s.graphics.GetSmoothingMode(), Gdiplus::SmoothingModeHighSpeed);
    EXPECT_NE(s.At(20, 20), kWhite) << "the inside picture and glow";
    EXPECT_GT(qRed(s.At(20, 20)), qBlue(s.At(20, 20)));
    EXPECT_EQ(s.At(40, 40), kWhite) << "painted outside the caller's clip";
}

TEST(FillPainting, FocusRectangleAndOutline) {
    TGDIPFill f;
    f.SetBorderWidth(2);
    Surface s(40, 40, kWhite);
    f.Fill(&s.graphics, TGPRectF{0, 0, 40, 40});
    const TGPRectF focus = f.FocusRect();
    EXPECT_FLOAT_EQ(focus.X, 2);
    EXPECT_FLOAT_EQ(focus.Width, 36);
    f.SetFocus(true);
    f.SetFocusColor(clBlue);
    f.SetColor(clWhite);
    f.SetColorTo(clNone);
    Surface t(40, 40, kWhite);
    f.Fill(&t.graphics, TGPRectF{0, 0, 40, 40});
    int blue = 0;
    for (int x = 0; x < 40; ++x)
        blue += t.At(x, 2) == kBlue;
    EXPECT_GT(blue, 6);
    EXPECT_LT(blue, 30) << "dotted";
}

// A sheet of every fill kind, written for a person to look at (the labels
// need the application's fonts).
class FillSheet : public korvan::testing::GuiTest {};

TEST_F(FillSheet, EveryFillKind) {
    const int cellW = 150, cellH = 90, columns = 5;
    struct Sample {
        const char* name;
        std::function<void(TGDIPFill&)> set;
    };
    TAdvGDIPPicture checker;
    checker.LoadFromStream(CheckerPng(0xFFE0E0F0u, 0xFF6070A0u, 6));
    TAdvGDIPPicture logo = SolidPicture(24, 16, 0xFFE08020u);
    const std::vector<Sample> samples = {
        {"solid",
         [](TGDIPFill& f) {
             f.SetGradientType(gtSolid);
             f.SetColor(0x3070D0);
         }},
        {"vertical",
         [](TGDIPFill& f) {
             f.SetColor(clWhite);
             f.SetColorTo(0x804000);
         }},
        {"horizontal",
         [](TGDIPFill& f) {
             f.SetGradientType(gtHorizontal);
             f.SetColorTo(clNavy);
         }},
        {"forward diagonal",
         [](TGDIPFill& f) {
             f.SetGradientType(gtForwardDiagonal);
             f.SetColorTo(clMaroon);
         }},
        {"backward diagonal",
         [](TGDIPFill& f) {
             f.SetGradientType(gtBackwardDiagonal);
             f.SetColorTo(clGreen);
         }},
        {"angle 30",
         [](TGDIPFill& f) {
             f.SetGradientType(gtAngle);
             f.SetAngle(30);
             f.SetColor(clYellow);
             f.SetColorTo(clRed);
         }},
        {"radial",
         [](TGDIPFill& f) {
             f.SetGradientType(gtRadial);
             f.SetColor(clWhite);
             f.SetColorTo(clBlue);
         }},
        {"hatch",
         [](TGDIPFill& f) {
             f.SetGradientType(gtHatch);
             f.SetHatchStyle(Gdiplus::HatchStyleDiagonalCross);
             f.SetColor(clNavy), f.SetColorTo(clWhite);
         }},
        {"texture tiled",
         [&](TGDIPFill& f) {
             f.SetGradientType(gtTexture);
             f.SetBackGroundPicture(&checker);
             f.SetBackGroundPicturePosition(ppTiled);
         }},
        {"texture centred",
         [&](TGDIPFill& f) {
             f.SetGradientType(gtTexture);
             f.SetColor(clSilver);
             f.SetColorTo(clWhite), f.SetBackGroundPicture(&checker);
             f.SetBackGroundPicturePosition(ppCenterCenter);
         }},
        {"picture",
         [&](TGDIPFill& f) {
             f.SetPicture(&logo);
             f.SetPicturePosition(ppCenterRight);
             f.SetBorderColor(clBlack);
         }},
        {"mirror",
         [](TGDIPFill& f) {
             f.SetColor(0xF0E0D0);
             f.SetColorTo(0xD0B090);
             f.SetColorMirror(0x906030), f.SetColorMirrorTo(0xC09060);
             f.SetGradientMirrorType(gtVertical);
         }},
        {"rounded + border",
         [](TGDIPFill& f) {
             f.SetRounding(12);
             f.SetBorderColor(clNavy);
             f.SetBorderWidth(2);
         }},
        {"rounded top",
         [](TGDIPFill& f) {
             f.SetRounding(12);
             f.SetRoundingType(rtTop);
             f.SetBorderColor(clBlack);
         }},
        {"shadow right-bottom",
         [](TGDIPFill& f) {
             f.SetRounding(8);
             f.SetShadowOffset(8);
             f.SetBorderColor(clGray);
         }},
        {"shadow surround",
         [](TGDIPFill& f) {
             f.SetShadowOffset(8);
             f.SetShadowType(stSurround);
         }},
        {"shadow bottom",
         [](TGDIPFill& f) {
             f.SetShadowOffset(8);
             f.SetShadowType(stBottom);
         }},
        {"glow gradient",
         [](TGDIPFill& f) {
             f.SetColor(0x804020);
             f.SetColorTo(0x402010);
             f.SetGlow(gmGradient);
             f.SetRounding(6);
         }},
        {"glow radial",
         [](TGDIPFill& f) {
             f.SetColor(0x804020);
             f.SetColorTo(0x402010);
             f.SetGlow(gmRadial);
         }},
        {"focus",
         [](TGDIPFill& f) {
             f.SetFocus(true);
             f.SetBorderColor(clBlack);
             f.SetRounding(6);
         }},
    };
    const int rows = int(samples.size() + columns - 1) / columns;
    Surface sheet(columns * cellW, rows * cellH, kWhite);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        TGDIPFill f;
        samples[i].set(f);
        const float x = float(int(i) % columns * cellW), y = float(int(i) / columns * cellH);
        f.Fill(&sheet.graphics, TGPRectF{x + 10, y + 20, cellW - 20.0f, cellH - 30.0f});
        sheet.graphics.DrawString(samples[i].name, Gdiplus::Font("Sans", 8), Gdiplus::PointF{x + 8, y + 3},
                                  Gdiplus::SolidBrush(Gdiplus::Color(0xFF000000u)));
    }
    const std::string path = korvan::testing::SavePng(sheet.bitmap.Pixels(), "gdip_fill_kinds");
    EXPECT_FALSE(path.empty());
}
