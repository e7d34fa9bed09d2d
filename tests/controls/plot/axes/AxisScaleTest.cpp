// Axis scale: clamps of Min, Span and DesiredIncrement, the change events
// and their order, and the conversions between values, pixels and
// fractions on linear, logarithmic and reversed scales.

#include "platform/gfx/Canvas.h"
#include "tests/controls/plot/axes/AxisTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using korvan::testing::AxisFixture;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

class AxisScaleTest : public ::testing::Test, public AxisFixture {
protected:
    korvan::gfx::RecordingCanvas canvas{200, 200};
};

TEST_F(AxisScaleTest, OutOfRangeValuesAreClamped) {
    struct Case {
        const char* what;
        void (TiPlotAxis::*set)(double);
        double (TiPlotAxis::*get)() const;
        double value, stored;
    };
    const Case cases[] = {
        {"min above the range", &TiPlotAxis::SetMin, &TiPlotAxis::Min, 1e301, 1e300},
        {"min below the range", &TiPlotAxis::SetMin, &TiPlotAxis::Min, -kInf, -1e300},
        {"min not a number", &TiPlotAxis::SetMin, &TiPlotAxis::Min, kNaN, -1e300},
        {"span zero", &TiPlotAxis::SetSpan, &TiPlotAxis::Span, 0, 1e-300},
        {"span negative", &TiPlotAxis::SetSpan, &TiPlotAxis::Span, -5, 1e-300},
        {"span huge", &TiPlotAxis::SetSpan, &TiPlotAxis::Span, 1e305, 1e300},
        {"increment negative", &TiPlotAxis::SetDesiredIncrement, &TiPlotAxis::DesiredIncrement, -1, 0},
        {"increment huge", &TiPlotAxis::SetDesiredIncrement, &TiPlotAxis::DesiredIncrement, 2e300, 1e300},
        {"increment not a number", &TiPlotAxis::SetDesiredIncrement, &TiPlotAxis::DesiredIncrement, kNaN, 0},
    };
    for (const Case& c : cases) {
        auto axis = MakeAxis();
        ((*axis).*c.set)(c.value);
        EXPECT_EQ(((*axis).*c.get)(), c.stored) << c.what;
    }
}

TEST_F(AxisScaleTest, MinAndSpanEventsAndTheirOrder) {
    auto axis = MakeAxis();
    axis->SetMin(-100);
    axis->SetMin(-100); // unchanged: nothing
    axis->SetSpan(120);
    EXPECT_EQ(host.events, (std::vector<std::string>{"min 0>-100", "minspan 0,100>-100,100", "span 100>120",
                                                     "minspan -100,100>-100,120"}));
    host.events.clear();
    axis->SetMinSpan(-50, 120); // only Min changes
    axis->SetMinSpan(-50, 120); // nothing
    axis->SetMinSpan(0, 60);
    EXPECT_EQ(host.events, (std::vector<std::string>{"min -100>-50", "minspan -100,120>-50,120", "min -50>0",
                                                     "span 120>60", "minspan -50,120>0,60"}));
}

TEST_F(AxisScaleTest, SwitchingToLogMovesMinWithoutEvents) {
    auto axis = MakeAxis();
    axis->SetMin(-5);
    host.events.clear();
    const int changes = master.changes;
    axis->SetScaleType(ipstLog10);
    EXPECT_EQ(axis->Min(), 1.0);
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(master.changes, changes + 1);
    // On a log axis the pair never starts at or below zero.
    axis->SetMinSpan(-3, 0);
    EXPECT_EQ(axis->Min(), 1.0);
    EXPECT_EQ(axis->Span(), 1.0);
}

TEST_F(AxisScaleTest, ValuesToPixels) {
    struct Case {
        const char* what;
        bool horizontal, reverse;
        TiPlotScaleType scale;
        double min, span, value;
        int pixel;
    };
    // Horizontal scale x = 0..400, vertical y = 0..400 (values grow upward).
    const Case cases[] = {
        {"editor axis, start", true, false, ipstLinear, -100, 120, -100, 0},
        {"editor axis, end", true, false, ipstLinear, -100, 120, 20, 400},
        {"editor axis, zero", true, false, ipstLinear, -100, 120, 0, 333},
        {"reversed", true, true, ipstLinear, -100, 120, -100, 400},
        {"vertical", false, false, ipstLinear, -100, 120, 20, 0},
        {"vertical reversed", false, true, ipstLinear, -100, 120, 20, 400},
        {"far beyond the end", true, false, ipstLinear, 0, 1, 1e6, 32000},
        {"far before the start", true, false, ipstLinear, 0, 1, -1e300, -32000},
        {"infinite", true, false, ipstLinear, 0, 1, kInf, 32000},
        {"not a number", true, false, ipstLinear, 0, 1, kNaN, 0},
        {"log decade", true, false, ipstLog10, 1, 999, 10, 133},
        {"log end", true, false, ipstLog10, 1, 999, 1000, 400},
        {"log value not above 0 counts as 1", true, false, ipstLog10, 1, 999, -5, 0},
        {"log far beyond", true, false, ipstLog10, 1, 999, 1e300, 40000},
        {"log not a number", true, false, ipstLog10, 1, 999, kNaN, 0},
    };
    for (const Case& c : cases) {
        auto axis = MakeAxis();
        axis->SetHorizontal(c.horizontal);
        axis->SetReverseScale(c.reverse);
        axis->SetScaleType(c.scale);
        axis->SetMinSpan(c.min, c.span);
        Place(*axis, canvas, c.horizontal ? Rect(0, 0, 400, 30) : Rect(0, 0, 30, 400));
        EXPECT_EQ(axis->PositionToPixels(c.value), c.pixel) << c.what;
    }
}

TEST_F(AxisScaleTest, ZeroPixelScaleMapsEverythingToItsMiddle) {
    auto axis = MakeAxis();
    axis->SetHorizontal(true);
    Place(*axis, canvas, Rect(50, 0, 50, 30));
    EXPECT_EQ(axis->PositionToPixels(-1e9), 50);
    EXPECT_EQ(axis->PixelsToPosition(70), axis->Min());
    EXPECT_EQ(axis->WidthToPixels(1e9), 0);
}

TEST_F(AxisScaleTest, PixelsAndFractionsToValues) {
    struct Case {
        const char* what;
        bool horizontal, reverse;
        TiPlotScaleType scale;
        double pixels, position, fraction, fromFraction;
    };
    const Case cases[] = {
        {"linear", true, false, ipstLinear, 100, -70, 0.25, -70},
        {"linear reversed", true, true, ipstLinear, 100, -10, 0.25, -10},
        {"vertical", false, false, ipstLinear, 100, -10, 0.25, -70},
        {"vertical reversed", false, true, ipstLinear, 100, -70, 0.25, -10},
    };
    for (const Case& c : cases) {
        auto axis = MakeAxis();
        axis->SetHorizontal(c.horizontal);
        axis->SetReverseScale(c.reverse);
        axis->SetMinSpan(-100, 120);
        Place(*axis, canvas, c.horizontal ? Rect(0, 0, 400, 30) : Rect(0, 0, 30, 400));
        EXPECT_DOUBLE_EQ(axis->PixelsToPosition(c.pixels), c.position) << c.what;
        EXPECT_DOUBLE_EQ(axis->PercentToPosition(c.fraction), c.fromFraction) << c.what;
        EXPECT_DOUBLE_EQ(axis->PositionToPercent(c.fromFraction), c.fraction) << c.what;
    }
    auto log = MakeAxis();
    log->SetHorizontal(true);
    log->SetScaleType(ipstLog10);
    log->SetMinSpan(1, 999);
    Place(*log, canvas, Rect(0, 0, 300, 30));
    EXPECT_NEAR(log->PixelsToPosition(100), 10, 1e-9);
    EXPECT_NEAR(log->PercentToPosition(2.0 / 3), 100, 1e-9);
    log->SetReverseScale(true);
    EXPECT_NEAR(log->PercentToPosition(2.0 / 3), 10, 1e-9);
}

TEST_F(AxisScaleTest, WidthsAndPointsOnTheScale) {
    auto axis = MakeAxis();
    axis->SetHorizontal(true);
    axis->SetMinSpan(-100, 120);
    Place(*axis, canvas, Rect(0, 0, 400, 30));
    EXPECT_EQ(axis->WidthToPixels(30), 100);
    EXPECT_EQ(axis->MinPixels(), 0);
    EXPECT_EQ(axis->MaxPixels(), 400);
    EXPECT_TRUE(axis->ValueOnScale(20));
    EXPECT_FALSE(axis->ValueOnScale(20.5));
    EXPECT_FALSE(axis->ValueOnScale(kNaN) && axis->PositionToPixels(kNaN) != 0);
}

TEST_F(AxisScaleTest, ReferenceAxesAreLookedUpAcrossAndAlongAndForgotten) {
    auto x = MakeAxis<TiPlotXAxis>();
    auto y = MakeAxis<TiPlotYAxis>();
    auto x2 = MakeAxis<TiPlotXAxis>();
    x2->SetName("X-Axis 2");
    y->SetName("Y-Axis 1");
    host.yAxes["Y-Axis 1"] = y.get();
    host.xAxes["X-Axis 2"] = x2.get();
    x->SetCartesianChildRefAxisName("Y-Axis 1");
    x->SetAlignRefAxisName("X-Axis 2");
    EXPECT_EQ(x->GetCartesianRefAxis(), y.get());
    EXPECT_EQ(x->GetAlignRefAxis(), x2.get());
    y->SetName("Gain");
    x->NotifyRename(y.get());
    EXPECT_EQ(x->CartesianChildRefAxisName(), "Gain");
    x->NotifyRename(x2.get());
    EXPECT_EQ(x->AlignRefAxisName(), "X-Axis 2");
    host.yAxes.clear();
    host.xAxes.clear();
    x->NotifyRemove(y.get());
    x->NotifyRemove(x2.get());
    EXPECT_EQ(x->GetCartesianRefAxis(), nullptr);
    EXPECT_EQ(x->GetAlignRefAxis(), nullptr);
}

TEST_F(AxisScaleTest, AnotherSelectionDeselectsUnlessAxesAreJoinedWithShiftOrCtrl) {
    struct Case {
        bool otherIsAxis;
        TShiftState shift;
        bool staysSelected;
    };
    for (const Case& c : {Case{true, 0, false}, Case{true, ssShift, true}, Case{true, ssCtrl, true},
                          Case{false, ssShift, false}}) {
        auto axis = MakeAxis();
        auto otherAxis = MakeAxis();
        auto otherThing =
            TiPlotObjectPtr<korvan::testing::TestLayoutObject>(new korvan::testing::TestLayoutObject(
                &host, master.change, master.insert, master.remove, master.rename));
        TiPlotObject* other = c.otherIsAxis ? static_cast<TiPlotObject*>(otherAxis.get()) : otherThing.get();
        axis->SetUserSelected(true);
        other->SetUserSelected(true);
        axis->SetShiftState(c.shift);
        axis->NotifySetFocus(other);
        EXPECT_EQ(axis->UserSelected(), c.staysSelected) << c.otherIsAxis << " " << c.shift;
    }
}

} // namespace
