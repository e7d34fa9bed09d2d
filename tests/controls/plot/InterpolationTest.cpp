// Interpolation (spline, Neville, rational) and the small containers of the
// plot pack: the edge lists as tables.

#include "controls/plot/core/Interpolation.h"
#include "controls/plot/core/PlotContainers.h"
#include "platform/text/Exception.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using korvan::plot::PolynomialInterpolate;
using korvan::plot::RationalInterpolate;
using korvan::plot::SplineInterpolate;
using korvan::plot::SplineSecondDerivatives;

template <class F> std::string MessageOf(F f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "no error";
}

TEST(Spline, EndSlopesAreTheChordSlopes) {
    const std::vector<double> x{0, 1, 2}, y{0, 1, 0};
    const std::vector<double> y2 = SplineSecondDerivatives(x, y);
    // A natural spline would have zero curvature at the ends.
    ASSERT_EQ(y2.size(), 3u);
    EXPECT_NEAR(y2[0], 2, 1e-12);
    EXPECT_NEAR(y2[1], -4, 1e-12);
    EXPECT_NEAR(y2[2], 2, 1e-12);
    const double d = 1e-6;
    EXPECT_NEAR((SplineInterpolate(x, y, y2, d) - SplineInterpolate(x, y, y2, 0)) / d, 1.0, 1e-5);
    EXPECT_NEAR((SplineInterpolate(x, y, y2, 2) - SplineInterpolate(x, y, y2, 2 - d)) / d, -1.0, 1e-5);
    EXPECT_NEAR(SplineInterpolate(x, y, y2, 0.5), 0.625, 1e-12);
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(SplineInterpolate(x, y, y2, x[size_t(i)]), y[size_t(i)], 1e-12) << i;
}

TEST(Spline, FailsOnCoincidingOrTooFewPoints) {
    const std::vector<double> x{0, 1, 1}, y{0, 1, 2};
    const std::vector<double> y2(3, 0.0);
    EXPECT_EQ(MessageOf([&] { SplineInterpolate(x, y, y2, 1); }), "Splint Error - xa's must be distinct");
    const std::vector<double> one{1};
    EXPECT_EQ(MessageOf([&] { SplineInterpolate(one, one, one, 1); }),
              "Splint Error - xa's must be distinct");
    EXPECT_EQ(SplineSecondDerivatives(one, one), std::vector<double>{0});
    EXPECT_TRUE(SplineSecondDerivatives({}, {}).empty());
}

TEST(Neville, ValueAndLastCorrection) {
    const std::vector<double> x{1, 2, 3}, y{1, 4, 9};
    const auto r = PolynomialInterpolate(x, y, 2.5);
    EXPECT_DOUBLE_EQ(r.Y, 6.25);
    EXPECT_DOUBLE_EQ(r.DY, 0.75);
    // At a point and outside the points the parabola holds.
    EXPECT_DOUBLE_EQ(PolynomialInterpolate(x, y, 3).Y, 9);
    EXPECT_DOUBLE_EQ(PolynomialInterpolate(x, y, -1).Y, 1);
    const std::vector<double> single{5};
    EXPECT_DOUBLE_EQ(PolynomialInterpolate(single, single, 7).Y, 5);
    const std::vector<double> dup{1, 1, 2};
    EXPECT_EQ(MessageOf([&] { PolynomialInterpolate(dup, y, 1.5); }),
              "Polynomial Interpolation Error - Pause in Routine Data");
}

TEST(Rational, ExactAtAPointAndForRationalData) {
    const std::vector<double> x{0, 1, 2, 3};
    std::vector<double> y;
    for (double v : x)
        y.push_back(1 / (1 + v));
    const auto at = RationalInterpolate(x, y, 1);
    EXPECT_EQ(at.Y, y[1]);
    EXPECT_EQ(at.DY, 0);
    EXPECT_NEAR(RationalInterpolate(x, y, 1.5).Y, 0.4, 1e-12);
    const std::vector<double> dx{1, 1, 2}, dy{1, 1, 3};
    EXPECT_EQ(MessageOf([&] { RationalInterpolate(dx, dy, 1.5); }),
              "Rational Interpolation Error - Pause in Routine Data");
}

TEST(LimitDataList, GrowsInStepsAndChecksIndexes) {
    TiLimitDataList list;
    std::vector<int> capacities;
    for (int i = 0; i < 96; ++i) {
        EXPECT_EQ(list.Add(i, i * 2, i * 3), i);
        if (capacities.empty() || capacities.back() != list.Capacity())
            capacities.push_back(list.Capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95, 118}));
    EXPECT_EQ(list.Value1(95), 95);
    EXPECT_EQ(list.Value2(95), 190);
    EXPECT_EQ(list.Value3(95), 285);
    for (int bad : {-1, 96})
        EXPECT_EQ(MessageOf([&] { list.Value1(bad); }), "Index out of Bounds") << bad;

    EXPECT_EQ(MessageOf([&] { list.SetCapacity(TiLimitDataList::kMaxCapacity + 1); }),
              "Exceed Maximum List Size");
    EXPECT_EQ(list.Capacity(), 118);
    list.SetCapacity(10);
    EXPECT_EQ(list.Count(), 10);
    EXPECT_EQ(list.Value3(9), 27);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Capacity(), 0);
    EXPECT_EQ(MessageOf([&] { list.Value1(0); }), "Index out of Bounds");
}

TEST(MinMaxPoint, KeepsFirstLastAndExtremes) {
    TiPlotMinMaxPoint p;
    EXPECT_TRUE(p.Empty);
    EXPECT_EQ(p.YMax, -1e301);
    EXPECT_EQ(p.YMin, 1e301);
    p.AddData(0.5, 3, 12);
    p.AddData(0.6, 7, 13);
    p.AddData(0.7, 1, 14);
    EXPECT_FALSE(p.Empty);
    EXPECT_EQ(p.XPixels, 12);
    EXPECT_EQ(p.XValue, 0.5);
    EXPECT_EQ(p.YFirst, 3);
    EXPECT_EQ(p.YMax, 7);
    EXPECT_EQ(p.YMin, 1);
    EXPECT_EQ(p.YLast, 1);

    TiPlotMinMaxPoint copy;
    copy.AssignDown(p);
    EXPECT_EQ(copy.YMax, 7);
    p.Clear();
    EXPECT_TRUE(p.Empty);
    EXPECT_EQ(p.YMax, -1e301);
    EXPECT_EQ(p.YFirst, 3); // kept until the next first value
    p.AddData(1, -2, 20);
    EXPECT_EQ(p.YFirst, -2);
    EXPECT_EQ(p.YMin, -2);
    EXPECT_EQ(p.YMax, -2);

    TDigitalSequenceData d;
    d.StartSet = d.StopSet = d.TransitionSet = true;
    d.StartXValue = 4;
    d.Clear();
    EXPECT_FALSE(d.StartSet || d.StopSet || d.TransitionSet);
    EXPECT_EQ(d.StartXValue, 4);
}

} // namespace
