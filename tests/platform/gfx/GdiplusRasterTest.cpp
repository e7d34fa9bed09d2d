// The aliased drawing of the GDI+ subset on an opaque 32-bit canvas: one
// call blends a pixel at most once, outlines follow the line rule, fills
// the fill modes and the half-open rule, and the canvas clip holds.

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Gdiplus.h"
#include "tests/platform/gfx/PixelProbe.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <QPainter>
#include <array>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

using namespace Gdiplus;

namespace {

using korvan::test::Rows;

using korvan::test::Ascii;
using korvan::test::FirstDifference;

constexpr QRgb Background = 0xFF204060u;
const Color Shade(30, 128, 128, 128); // the shaded area's colour

QImage Plain(int w, int h, QRgb colour = Background) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(colour);
    return img;
}

// A colour painted over a pixel value n times, by the painter itself.
QRgb PaintedOver(QRgb under, const Color& colour, int times) {
    QImage one = Plain(1, 1, under);
    QPainter p(&one);
    for (int i = 0; i < times; ++i)
        p.fillRect(QRect(0, 0, 1, 1), QColor::fromRgba(colour.GetValue()));
    p.end();
    return one.pixel(0, 0);
}

// How often each pixel was painted over a plain background: '.', '1',
// '2', or '?' for a value no number of paints gives.
std::string Times(const QImage& img, const Color& colour = Shade, QRgb under = Background) {
    const QRgb once = PaintedOver(under, colour, 1), twice = PaintedOver(under, colour, 2);
    std::string out;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            out += p == under ? '.' : p == once ? '1' : p == twice ? '2' : '?';
        }
        out += '\n';
    }
    return out;
}

} // namespace

// The fault: the painter's thin-line stroker paints a pixel once per
// flattened segment through it, so a translucent outline got darker dots
// wherever segments met or overlapped.
TEST(GdiplusRaster, OneDrawOrFillBlendsEachPixelOnce) {
    struct Case {
        const char* name;
        std::function<void(Graphics&)> draw;
    };
    // A curve through integer points, four per pixel column, as the
    // shaded area's: many of its segments share pixels.
    GraphicsPath dense;
    std::vector<Gdiplus::Point> points;
    for (int k = 0; k < 120; ++k)
        points.push_back({static_cast<INT>(2 + k * 0.25), static_cast<INT>(13 + 10 * std::sin(k * 0.08))});
    dense.AddCurve(points);
    const Case cases[] = {
        {"polyline doubling back",
         [](Graphics& g) {
             g.DrawLines(Pen(Shade), {{2, 2}, {30, 9}, {4, 3}, {30, 9}, {30, 20}, {30, 2}});
         }},
        {"dense curve", [&](Graphics& g) { g.DrawPath(Pen(Shade), dense); }},
        {"closed polygon",
         [](Graphics& g) {
             g.DrawPolygon(Pen(Shade), {{3, 3}, {28, 5}, {15, 24}});
         }},
        {"ellipse",
         [](Graphics& g) {
             g.DrawEllipse(Pen(Shade), RectF{4, 3, 25, 19});
         }},
        {"overlapping figures, winding fill",
         [](Graphics& g) {
             GraphicsPath path(FillModeWinding);
             path.AddRectangle(RectF{3, 3, 15, 12});
             path.AddRectangle(RectF{10, 8, 15, 12});
             g.FillPath(SolidBrush(Shade), path);
         }},
    };
    for (const Case& c : cases) {
        QImage img = Plain(34, 26);
        TCanvas canvas(&img);
        Graphics g(canvas);
        c.draw(g);
        const std::string times = Times(img);
        EXPECT_EQ(times.find_first_of("2?"), std::string::npos) << c.name << ":\n" << times;
        EXPECT_NE(times.find('1'), std::string::npos) << c.name;
    }
}

// An outline and a fill are two calls: where they meet a pixel is blended
// twice. The outline of a w x h rectangle covers w + 1 x h + 1 pixels, its
// fill w x h (pixel centres on integer coordinates, half-open fill).
TEST(GdiplusRaster, OutlineAndFillBlendTwiceWhereTheyMeet) {
    QImage img = Plain(10, 6);
    TCanvas canvas(&img);
    Graphics g(canvas);
    GraphicsPath path;
    path.AddRectangle(RectF{2, 1, 5, 3});
    g.DrawPath(Pen(Shade), path);
    g.FillPath(SolidBrush(Shade), path);
    EXPECT_EQ(Times(img), Rows({"..........", //
                                "..222221..", //
                                "..211111..", //
                                "..211111..", //
                                "..111111..", //
                                ".........."}));
}

// One pixel per step along the major axis, the pixel whose centre is
// nearest the line there (halves to the larger coordinate), both ends
// drawn; the same pixels whichever way the line runs; the canvas origin
// moves it.
TEST(GdiplusRaster, OnePixelLinesFollowTheLineRule) {
    struct Case {
        const char* name;
        PointF from, to;
        TPoint origin;
        std::string expected;
    };
    const std::string shallow = Rows({".........", //
                                      ".#.......", //
                                      "..##.....", //
                                      "....##...", //
                                      "......##.", //
                                      "........."});
    const Case cases[] = {
        {"shallow, halves down", {1, 1}, {7, 4}, {}, shallow},
        {"shallow, drawn backwards", {7, 4}, {1, 1}, {}, shallow},
        {"steep",
         {2, 0},
         {4, 5},
         {},
         Rows({"..#......", //
               "..#......", //
               "...#.....", //
               "...#.....", //
               "....#....", //
               "....#...."})},
        {"fractional ends",
         {0.6f, 1.5f},
         {5.4f, 1.5f},
         {},
         Rows({".........", //
               ".........", //
               ".#####...", //
               ".........", //
               ".........", //
               "........."})},
        {"moved by the origin",
         {0, 0},
         {3, 0},
         {2, 1},
         Rows({".........", //
               "..####...", //
               ".........", //
               ".........", //
               ".........", //
               "........."})},
    };
    for (const Case& c : cases) {
        QImage img = korvan::test::WhiteImage(9, 6);
        TCanvas canvas(&img);
        canvas.SetViewportOrg(c.origin.X, c.origin.Y);
        Graphics g(canvas);
        g.DrawLine(Pen(Color(0xFF000000u)), c.from.X, c.from.Y, c.to.X, c.to.Y);
        EXPECT_EQ(Ascii(img), c.expected) << c.name;
    }
}

// A star drawn as one self-crossing figure: its centre is wound twice, so
// the alternate mode leaves it out and the winding mode fills it.
TEST(GdiplusRaster, AlternateAndWindingFillASelfCrossingFigure) {
    std::vector<PointF> star;
    for (int k = 0; k < 5; ++k) {
        const double a = (-90 + k * 144) * M_PI / 180;
        star.push_back({static_cast<REAL>(16 + 14 * std::cos(a)), static_cast<REAL>(16 + 14 * std::sin(a))});
    }
    struct Probe {
        int x, y;
        bool alternate, winding;
    };
    const Probe probes[] = {
        {16, 16, false, true}, // the centre
        {16, 5, true, true},   // the top point
        {6, 13, true, true},   // the left point
        {2, 30, false, false}, // outside
    };
    int painted[2] = {};
    for (FillMode mode : {FillModeAlternate, FillModeWinding}) {
        QImage img = korvan::test::WhiteImage(32, 32);
        TCanvas canvas(&img);
        Graphics(canvas).FillPolygon(SolidBrush(Color(0xFF000000u)), star, mode);
        for (const Probe& p : probes)
            EXPECT_EQ(img.pixel(p.x, p.y) == 0xFF000000u, mode == FillModeWinding ? p.winding : p.alternate)
                << (mode == FillModeWinding ? "winding" : "alternate") << " at " << p.x << "," << p.y << "\n"
                << Ascii(img);
        painted[mode] = korvan::test::CountColour(img, clBlack);
    }
    EXPECT_GT(painted[FillModeWinding], painted[FillModeAlternate] + 20);
}

// A pixel centre on an edge belongs to the shape the edge bounds on the
// left or top only: two fills that share an edge paint each pixel once,
// exactly the pixels of one fill of their union.
TEST(GdiplusRaster, FillsThatShareAnEdgeShareNoPixel) {
    struct Case {
        const char* name;
        std::vector<PointF> a, b, both;
    };
    const Case cases[] = {
        {"side by side on pixel centres",
         {{1, 1}, {5, 1}, {5, 4}, {1, 4}},
         {{5, 1}, {9, 1}, {9, 4}, {5, 4}},
         {{1, 1}, {9, 1}, {9, 4}, {1, 4}}},
        {"stacked between pixel centres",
         {{1.5f, 1.25f}, {8.5f, 1.25f}, {8.5f, 3.75f}, {1.5f, 3.75f}},
         {{1.5f, 3.75f}, {8.5f, 3.75f}, {8.5f, 7.5f}, {1.5f, 7.5f}},
         {{1.5f, 1.25f}, {8.5f, 1.25f}, {8.5f, 7.5f}, {1.5f, 7.5f}}},
        {"triangles sharing a diagonal",
         {{0, 0}, {8, 0}, {0, 8}},
         {{8, 0}, {8, 8}, {0, 8}},
         {{0, 0}, {8, 0}, {8, 8}, {0, 8}}},
    };
    for (const Case& c : cases) {
        QImage two = Plain(11, 10), one = Plain(11, 10);
        TCanvas twoCanvas(&two), oneCanvas(&one);
        Graphics(twoCanvas).FillPolygon(SolidBrush(Shade), c.a);
        Graphics(twoCanvas).FillPolygon(SolidBrush(Shade), c.b);
        Graphics(oneCanvas).FillPolygon(SolidBrush(Shade), c.both);
        EXPECT_EQ(Times(two), Times(one)) << c.name;
        EXPECT_EQ(Times(two).find_first_of("2?"), std::string::npos) << c.name;
    }
}

// Every pixel of a drawn cubic lies within a pixel of the exact curve, and
// every point of the curve has a drawn pixel within a pixel.
TEST(GdiplusRaster, FlattenedCurvesStayWithinAPixelOfTheCubic) {
    const std::array<PointF, 4> cubics[] = {
        {{{2, 30}, {10, -20}, {40, 60}, {60, 5}}},            // an S
        {{{5, 5}, {70, 40}, {-10, 40}, {55, 8}}},             // a loop
        {{{3, 20}, {60, 20}, {3, 21}, {60, 21}}},             // a tight turn
        {{{1, 1}, {1.4f, 1.2f}, {1.9f, 1.1f}, {2.2f, 1.6f}}}, // less than a pixel long
    };
    for (const auto& c : cubics) {
        QImage img = korvan::test::WhiteImage(64, 40);
        TCanvas canvas(&img);
        Graphics(canvas).DrawBezier(Pen(Color(0xFF000000u)), c[0], c[1], c[2], c[3]);
        std::vector<QPointF> exact;
        for (int i = 0; i <= 4000; ++i) {
            const double t = i / 4000.0, s = 1 - t;
            auto at = [&](auto get) {
                return s * s * s * get(c[0]) + 3 * s * s * t * get(c[1]) + 3 * s * t * t * get(c[2]) +
                       t * t * t * get(c[3]);
            };
            exact.emplace_back(at([](const PointF& p) { return p.X; }),
                               at([](const PointF& p) { return p.Y; }));
        }
        std::vector<QPoint> drawn;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixel(x, y) != 0xFFFFFFFFu)
                    drawn.emplace_back(x, y);
        ASSERT_FALSE(drawn.empty());
        auto nearest = [](const QPointF& p, const auto& points) {
            double best = 1e9;
            for (const auto& q : points)
                best = std::min(best, std::hypot(p.x() - q.x(), p.y() - q.y()));
            return best;
        };
        double farthestPixel = 0, widestGap = 0;
        for (const QPoint& p : drawn)
            farthestPixel = std::max(farthestPixel, nearest(QPointF(p), exact));
        for (const QPointF& p : exact)
            widestGap = std::max(widestGap, nearest(p, drawn));
        EXPECT_LE(farthestPixel, 1.0) << c[0].X << "," << c[0].Y << ":\n" << Ascii(img);
        EXPECT_LE(widestGap, 1.0) << c[0].X << "," << c[0].Y << ":\n" << Ascii(img);
    }
}

// The canvas clip, a rectangle or a region of several, and the graphics
// clip rectangle: inside them the pixels of drawing unclipped, outside
// them the background.
TEST(GdiplusRaster, ClipsAreHonoured) {
    struct Case {
        const char* name;
        std::function<void(TCanvas&)> clipCanvas;
        std::optional<RectF> graphicsClip;
        std::function<bool(int, int)> inside; // device pixels
    };
    const Case cases[] = {
        {"canvas rectangle",
         [](TCanvas& c) {
             c.IntersectClipRect(TRect{5, 4, 22, 15});
         },
         std::nullopt, [](int x, int y) { return x >= 5 && x < 22 && y >= 4 && y < 15; }},
        {"canvas region with a hole",
         [](TCanvas& c) {
             c.SetClipRect(TRect{2, 2, 30, 22});
             c.ExcludeClipRect(TRect{10, 8, 18, 14});
         },
         std::nullopt,
         [](int x, int y) {
             return x >= 2 && x < 30 && y >= 2 && y < 22 && !(x >= 10 && x < 18 && y >= 8 && y < 14);
         }},
        {"graphics rectangle", [](TCanvas&) {}, RectF{6.5f, 3, 12, 9.5f},
         // centres from 6.5 up to 18.5 and 3 up to 12.5, half-open
         [](int x, int y) { return x >= 7 && x <= 18 && y >= 3 && y <= 12; }},
    };
    auto draw = [](Graphics& g) {
        GraphicsPath path;
        path.AddEllipse(1, 1, 30, 21);
        g.DrawPath(Pen(Shade), path);
        g.FillPath(SolidBrush(Shade), path);
    };
    for (const Case& c : cases) {
        QImage clipped = Plain(32, 24), free = Plain(32, 24);
        TCanvas clippedCanvas(&clipped), freeCanvas(&free);
        c.clipCanvas(clippedCanvas);
        Graphics g(clippedCanvas), unclipped(freeCanvas);
        if (c.graphicsClip)
            g.SetClip(*c.graphicsClip);
        draw(g);
        draw(unclipped);
        int differences = 0;
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 32; ++x)
                differences += clipped.pixel(x, y) != (c.inside(x, y) ? free.pixel(x, y) : Background);
        EXPECT_EQ(differences, 0) << c.name << ":\n" << Times(clipped);
        EXPECT_NE(clipped, Plain(32, 24)) << c.name;
    }
}

TEST(GdiplusRaster, PathsReachingFarOrThroughInvalidPointsDrawSafely) {
    // Random figures with points near the page, far beyond it, beyond the
    // int range, infinite or not numbers, through every route: rasteriser
    // and painter, clipped and not, outlined, filled and recorded. Nothing
    // may read or write outside the image (the sanitiser builds check), and
    // the recorded coverage must still paint.
    std::mt19937 rng(3);
    const float far[] = {1e7f,
                         -1e7f,
                         3e38f,
                         -3e38f,
                         std::numeric_limits<float>::infinity(),
                         std::numeric_limits<float>::quiet_NaN(),
                         999999.f,
                         1000001.f,
                         0.5f};
    std::uniform_real_distribution<float> near(-20.f, 60.f);
    auto value = [&] { return rng() % 5 == 0 ? far[rng() % std::size(far)] : near(rng); };
    for (int round = 0; round < 600; ++round) {
        QImage img = Plain(40, 30);
        TCanvas canvas(&img);
        if (round % 3 == 1)
            canvas.SetClipRect(TRect{3, 2, 30, 20});
        if (round % 5 == 2)
            canvas.SetViewportOrg(round % 7 - 3, 2);
        Graphics g(canvas);
        if (round % 11 == 7)
            g.SetSmoothingMode(SmoothingModeAntiAlias);
        if (round % 4 == 3)
            g.SetClip(RectF(2.5f, 1.5f, 20.f, 10.f));
        GraphicsPath path(round % 2 ? FillModeAlternate : FillModeWinding);
        for (int piece = 0; piece < 1 + round % 5; ++piece) {
            switch (rng() % 5) {
            case 0:
                path.AddLine(value(), value(), value(), value());
                break;
            case 1:
                path.AddBezier({value(), value()}, {value(), value()}, {value(), value()},
                               {value(), value()});
                break;
            case 2: {
                std::vector<PointF> pts(2 + rng() % 9);
                for (PointF& p : pts)
                    p = {value(), value()};
                path.AddCurve(pts);
                break;
            }
            case 3:
                path.AddEllipse(value(), value(), value(), value());
                break;
            default:
                path.CloseFigure();
                break;
            }
        }
        const Pen pen(Color(static_cast<std::uint8_t>(30 + round % 200), 128, 20, 200),
                      round % 3 ? 1.0f : (round % 6 ? 0.5f : 2.5f));
        const Color fill(30, 128, 128, 128);
        g.DrawPath(pen, path);
        g.FillPath(SolidBrush(fill), path);
        PathCoverage coverage;
        if (g.RecordCoverage(&pen, path, true, coverage) == Ok) {
            EXPECT_EQ(g.PaintCoverage(coverage, fill), Ok) << "round " << round;
        }
    }
}
