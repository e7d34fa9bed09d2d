// Kept masks of small shapes against masks rendered afresh: a shape drawn
// at another whole-pixel position must leave exactly the pixels it leaves
// with nothing kept.

#include "platform/gfx/PathMaskCache.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/CanvasImpl.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

using korvan::gfx::PathMaskCache;

QImage RandomImage(int w, int h, std::mt19937& rng) {
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = 0xFF000000u | (rng() & 0xFFFFFF);
    }
    return img;
}

struct Shape {
    const char* name;
    std::function<void(TCanvas&, int x, int y)> draw;
    bool filledFromMask; // a curved fill; boxes and outlines need no mask
};

// What the curve displays draw again and again, and other small shapes
// through the same masks: ellipses and boxes with wide pens and hatched
// brushes, small wide polylines, pies.
const Shape kShapes[] = {
    {"marker circle", [](TCanvas& c, int x, int y) { c.Ellipse(x - 3, y - 3, x + 3, y + 3); }, true},
    {"marker box", [](TCanvas& c, int x, int y) { c.Rectangle(x - 3, y - 3, x + 3, y + 3); }, false},
    {"odd ellipse", [](TCanvas& c, int x, int y) { c.Ellipse(x - 4, y - 2, x + 7, y + 5); }, true},
    {"polyline",
     [](TCanvas& c, int x, int y) {
         c.Polyline({{x, y}, {x + 5, y + 2}, {x + 1, y + 9}, {x + 8, y}});
     },
     false},
    {"pie", [](TCanvas& c, int x, int y) { c.Pie(x - 6, y - 5, x + 6, y + 5, x + 6, y, x, y - 5); }, true},
};

} // namespace

TEST(PathMaskCache, ShapesAtOtherPositionsLeaveThePixelsOfFreshMasks) {
    std::mt19937 rng(21);
    std::uniform_int_distribution<int> pos(-8, 47);
    for (const Shape& shape : kShapes) {
        const std::size_t hitsBefore = PathMaskCache::ForThisThread().Hits();
        for (int width : {1, 2, 3, 4, 5}) {
            for (int round = 0; round < 12; ++round) {
                const int x = pos(rng), y = pos(rng);
                const bool clipped = round % 3 == 1;
                const QImage start = RandomImage(40, 40, rng);
                QImage kept = start, fresh = start;
                TCanvas withKept(&kept), withFresh(&fresh);
                const auto penColour = static_cast<TColor>(rng() & 0xFFFFFF);
                for (TCanvas* c : {&withKept, &withFresh}) {
                    c->Pen().SetWidth(width);
                    c->Pen().SetColor(penColour);
                    c->Brush().SetStyle(round % 2 ? bsCross : bsSolid);
                    c->Brush().SetColor(static_cast<TColor>(0x336699 + round));
                    if (clipped)
                        c->SetClipRect(TRect{5, 7, 31, 29});
                    if (round % 4 == 3)
                        c->SetViewportOrg(2, -1);
                }
                // Seen first somewhere else, then drawn here from the kept masks.
                QImage elsewhere(64, 64, QImage::Format_RGB32);
                TCanvas warm(&elsewhere);
                warm.Pen().SetWidth(width);
                shape.draw(warm, 20 + round, 30 - round);
                shape.draw(withKept, x, y);
                PathMaskCache::ForThisThread().Clear();
                shape.draw(withFresh, x, y);
                PathMaskCache::ForThisThread().Clear();
                std::string diff;
                for (int py = 0; py < 40 && diff.size() < 200; ++py)
                    for (int px = 0; px < 40; ++px)
                        if (kept.pixel(px, py) != fresh.pixel(px, py))
                            diff += " (" + std::to_string(px) + "," + std::to_string(py) + ")";
                ASSERT_EQ(kept, fresh) << diff << " at " << x << "," << y << " " << shape.name << ", width "
                                       << width << ", round " << round;
            }
        }
        if (shape.filledFromMask) {
            EXPECT_GT(PathMaskCache::ForThisThread().Hits(), hitsBefore)
                << shape.name << ": kept masks were used";
        }
    }
}

TEST(PathMaskCache, KeysAreRelativeToTheWholePixelAnchor) {
    // Coordinates that stay exact when moved: a curve and lines in
    // quarters of a pixel.
    auto shape = [](double x, double y) {
        QPainterPath p;
        p.moveTo(x + 0.25, y);
        p.cubicTo(x + 3.5, y + 0.75, x + 4.0, y + 2.5, x + 1.25, y + 5.0);
        p.lineTo(x, y + 2.0);
        p.closeSubpath();
        return p;
    };
    const QPainterPath a = shape(10.0, 20.0), b = shape(-31.0, 7.0), c = shape(10.5, 20.0);
    PathMaskCache::Key ka, kb, kc;
    QPoint anchorA, anchorB, anchorC;
    ASSERT_TRUE(PathMaskCache::MakeKey(a, ka, anchorA));
    ASSERT_TRUE(PathMaskCache::MakeKey(b, kb, anchorB));
    ASSERT_TRUE(PathMaskCache::MakeKey(c, kc, anchorC));
    EXPECT_EQ(anchorA, QPoint(10, 20));
    EXPECT_EQ(anchorB, QPoint(-31, 7));
    EXPECT_TRUE(ka == kb) << "the same shape one whole number of pixels away";
    EXPECT_FALSE(ka == kc) << "half a pixel away is another shape";
    QPainterPath winding = a;
    winding.setFillRule(Qt::WindingFill);
    PathMaskCache::Key kw;
    ASSERT_TRUE(PathMaskCache::MakeKey(winding, kw, anchorA));
    EXPECT_FALSE(ka == kw) << "another fill rule is another mask";
    QPainterPath large;
    large.addRect(QRectF(0, 0, 500, 10));
    EXPECT_FALSE(PathMaskCache::MakeKey(large, ka, anchorA)) << "large shapes are not kept";
}
