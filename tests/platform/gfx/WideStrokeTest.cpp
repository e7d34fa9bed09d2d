// The wide-pen stroke: its spans against a per-pixel distance test, its
// thickness and ends, its joins as the union of its segments, and clipping.

#include "platform/gfx/WideStroke.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <set>
#include <utility>

namespace {

using korvan::gfx::PixelSpan;
using korvan::gfx::WideStrokeSpans;
using Pixels = std::set<std::pair<int, int>>; // (y, x)

Pixels ToPixels(const std::vector<PixelSpan>& spans) {
    Pixels p;
    for (const PixelSpan& s : spans)
        for (int x = s.X0; x < s.X1; ++x)
            p.insert({s.Y, x});
    return p;
}

Pixels Stroke(const std::vector<QPoint>& pts, bool closed, int width, QRect box = QRect(-50, -50, 200, 200)) {
    std::vector<PixelSpan> spans;
    WideStrokeSpans(pts, closed, width, box, spans);
    return ToPixels(spans);
}

// Distance of a point to a segment, the plain way.
double Distance(double px, double py, QPoint a, QPoint b) {
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double l2 = dx * dx + dy * dy;
    double t = l2 > 0 ? ((px - a.x()) * dx + (py - a.y()) * dy) / l2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(px - (a.x() + t * dx), py - (a.y() + t * dy));
}

// The rule written out: the sample point a tiny step right and down of the
// pixel centre lies within half the width of a segment.
Pixels Reference(const std::vector<QPoint>& pts, int width, QRect box) {
    Pixels p;
    const double r = width * 0.5;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            for (std::size_t i = 1; i < pts.size(); ++i)
                if (Distance(x + 1.0 / (1 << 20), y + 1.0 / (1 << 21), pts[i - 1], pts[i]) <= r) {
                    p.insert({y, x});
                    break;
                }
    return p;
}

} // namespace

TEST(WideStroke, SpansAreThePixelsWhoseSamplePointLiesWithinHalfThePenWidth) {
    std::mt19937 rng(17);
    std::uniform_int_distribution<int> coord(-4, 30);
    const QRect box(-2, -3, 34, 30);
    for (int round = 0; round < 80; ++round) {
        std::vector<QPoint> pts;
        for (int i = 0; i < 2 + round % 5; ++i)
            pts.emplace_back(coord(rng), coord(rng));
        const int width = 2 + round % 5;
        std::vector<PixelSpan> spans;
        WideStrokeSpans(pts, false, width, box, spans);
        EXPECT_EQ(ToPixels(spans), Reference(pts, width, box)) << "round " << round << ", width " << width;
        // Rows in order, runs in order within a row, none touching.
        for (std::size_t k = 1; k < spans.size(); ++k) {
            const PixelSpan &a = spans[k - 1], &b = spans[k];
            EXPECT_TRUE(a.Y < b.Y || (a.Y == b.Y && a.X1 < b.X0)) << "round " << round << ", span " << k;
        }
    }
}

TEST(WideStroke, StraightStrokesAreExactlyThePenWideWithRoundEnds) {
    struct Case {
        int width;
        int rows;           // of a horizontal stroke from (10, 20) to (30, 20)
        int firstRow;       // top row
        int middleRowStart; // where the row through the line starts (the round end reaches out)
    };
    const Case cases[] = {{2, 2, 19, 9}, {3, 3, 19, 9}, {4, 4, 18, 8}, {5, 5, 18, 8}};
    for (const Case& c : cases) {
        const Pixels horizontal = Stroke({{10, 20}, {30, 20}}, false, c.width);
        std::set<int> rows;
        for (const auto& [y, x] : horizontal)
            rows.insert(y);
        EXPECT_EQ(static_cast<int>(rows.size()), c.rows) << "width " << c.width;
        EXPECT_EQ(*rows.begin(), c.firstRow) << "width " << c.width;
        int start = 1000;
        for (const auto& [y, x] : horizontal)
            if (y == 20)
                start = std::min(start, x);
        EXPECT_EQ(start, c.middleRowStart) << "width " << c.width;
        // The vertical stroke is the horizontal one turned: as many columns.
        std::set<int> columns;
        for (const auto& [y, x] : Stroke({{20, 10}, {20, 30}}, false, c.width))
            columns.insert(x);
        EXPECT_EQ(columns, rows) << "width " << c.width;
    }
}

TEST(WideStroke, StrokesSideBySideShareNoPixelAndLeaveNoGap) {
    for (int width : {2, 3, 4}) {
        const Pixels upper = Stroke({{0, 10}, {40, 10}}, false, width);
        const Pixels lower = Stroke({{0, 10 + width}, {40, 10 + width}}, false, width);
        for (int x = 5; x <= 35; ++x)
            for (int y = 10; y < 10 + width; ++y)
                EXPECT_EQ(upper.count({y, x}) + lower.count({y, x}), 1u)
                    << "width " << width << " at " << x << "," << y;
    }
}

TEST(WideStroke, JoinsAreTheUnionOfTheSegmentsAndClosingAddsTheLastSide) {
    const std::vector<QPoint> zigzag = {{2, 30}, {12, 2}, {20, 28}, {21, 29}, {40, 5}};
    for (int width : {2, 3, 5}) {
        Pixels segments;
        for (std::size_t i = 1; i < zigzag.size(); ++i) {
            const Pixels one = Stroke({zigzag[i - 1], zigzag[i]}, false, width);
            segments.insert(one.begin(), one.end());
        }
        EXPECT_EQ(Stroke(zigzag, false, width), segments) << "width " << width;
        const Pixels closing = Stroke({zigzag.back(), zigzag.front()}, false, width);
        segments.insert(closing.begin(), closing.end());
        EXPECT_EQ(Stroke(zigzag, true, width), segments) << "closed, width " << width;
    }
    // A single point is the disc: centres on its top and left edges count.
    EXPECT_EQ(Stroke({{5, 5}}, false, 2), (Pixels{{4, 5}, {5, 4}, {5, 5}}));
}

TEST(WideStroke, OnlyThePixelsInsideTheBoxComeOut) {
    // Far ends and a box cutting through the stroke: the box's share of it.
    const std::vector<QPoint> pts = {{-100000, 40}, {7, 3}, {25, 19}, {100000, -70000}};
    const QRect box(0, 0, 30, 20);
    const Pixels whole = Stroke(pts, false, 3, QRect(-10, -10, 60, 50));
    Pixels inside;
    for (const auto& [y, x] : whole)
        if (box.contains(x, y))
            inside.insert({y, x});
    EXPECT_FALSE(inside.empty());
    EXPECT_EQ(Stroke(pts, false, 3, box), inside);
    EXPECT_TRUE(Stroke(pts, false, 3, QRect()).empty()) << "an empty box";
    // Coordinates at the ends of the integer range: a horizontal stroke
    // across the whole box, and one far beyond its right edge.
    constexpr int low = std::numeric_limits<int>::min(), high = std::numeric_limits<int>::max();
    Pixels across;
    for (int x = box.left(); x <= box.right(); ++x)
        across.insert({{5, x}, {6, x}});
    EXPECT_EQ(Stroke({{low, 6}, {high, 6}}, false, 2, box), across);
    EXPECT_TRUE(Stroke({{high, low}, {high - 1, high}}, false, 5, box).empty());
}
