// Axis tick lists: the editor's axes with their minors, decimal, date-time
// and logarithmic increments, the 5000-tick cap, and custom tick lists.

#include "controls/plot/axes/AxisDates.h"
#include "controls/plot/core/PackDrawing.h"
#include "platform/gfx/Canvas.h"
#include "platform/text/Exception.h"
#include "tests/controls/plot/axes/AxisTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using korvan::testing::AxisFixture;

struct Ticks {
    std::vector<double> majors, minors;
    std::vector<std::string> labels;
};

Ticks TicksOf(const TiPlotAxis& axis) {
    Ticks t;
    for (int i = 0; i < axis.TickListCount(); ++i) {
        const TiPlotTickObject& tick = axis.Tick(i);
        if (tick.TickType == ipttMajor) {
            t.majors.push_back(tick.Position);
            t.labels.push_back(tick.Text);
        } else {
            t.minors.push_back(tick.Position);
        }
    }
    return t;
}

void ExpectNear(const std::vector<double>& actual, const std::vector<double>& expected, const char* what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (std::size_t i = 0; i < actual.size(); ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-9 * std::max(1.0, std::fabs(expected[i]))) << what << " " << i;
}

class AxisTicksTest : public ::testing::Test, public AxisFixture {
protected:
    korvan::gfx::RecordingCanvas canvas{800, 800};

    // The editor's transfer-curve axes as the form stores them.
    void MakeEditorAxis(TiPlotAxis& axis, bool horizontal) {
        axis.SetHorizontal(horizontal);
        axis.SetMinSpan(-100, 120);
        axis.SetDesiredStart(20);
        axis.SetDesiredIncrement(horizontal ? 20 : 10);
        axis.SetMajorLength(horizontal ? 9 : 7);
        axis.SetMinorLength(horizontal ? 13 : 8);
        axis.SetMinorCount(horizontal ? 4 : 1);
        axis.SetLabelSeparation(horizontal ? 0 : 1);
        axis.SetLabelsPrecision(2);
        axis.SetLabelsMinLength(horizontal ? 5 : 3);
    }
};

TEST_F(AxisTicksTest, EditorXAxisHasMajorsTwentyApartWithFourMinors) {
    auto axis = MakeAxis<TiPlotXAxis>();
    MakeEditorAxis(*axis, true);
    axis->SetDrawRect(Rect(0, 0, 600, 40));
    axis->CalcTickList(canvas);
    const Ticks t = TicksOf(*axis);
    ExpectNear(t.majors, {-100, -80, -60, -40, -20, 0, 20}, "majors");
    EXPECT_EQ(t.labels, (std::vector<std::string>{"-100", "-80", "-60", "-40", "-20", "0", "20"}));
    std::vector<double> minors;
    for (double major = -100; major < 20; major += 20)
        for (int i = 1; i <= 4; ++i)
            minors.push_back(major + 4 * i);
    ExpectNear(t.minors, minors, "minors");
    EXPECT_DOUBLE_EQ(axis->MajorIncrement(), 20);
    EXPECT_DOUBLE_EQ(axis->MinorIncrement(), 4);
}

TEST_F(AxisTicksTest, RoomForSevenLabelsTakesTheDecimalIncrementOverTheWishedOne) {
    auto axis = MakeAxis<TiPlotYAxis>();
    MakeEditorAxis(*axis, false);
    canvas.Font().Assign(*axis->LabelsFont());
    const int slot = 2 * korvan::plot::GetTextHeight(canvas, "0");
    axis->SetDrawRect(Rect(0, 0, 40, 7 * slot + slot / 2));
    axis->CalcTickList(canvas);
    const Ticks t = TicksOf(*axis);
    ExpectNear(t.majors, {-100, -80, -60, -40, -20, 0, 20}, "majors");
    EXPECT_EQ(t.minors.size(), 6u);
    // With room for thirteen labels the wished increment of 10 holds.
    axis->SetDrawRect(Rect(0, 0, 40, 13 * slot + slot / 2));
    axis->CalcTickList(canvas);
    EXPECT_DOUBLE_EQ(axis->MajorIncrement(), 10);
    EXPECT_EQ(TicksOf(*axis).majors.size(), 13u);
}

TEST_F(AxisTicksTest, LogAxisHasDecadesWithEightMinorsEach) {
    auto axis = MakeAxis();
    axis->SetHorizontal(true);
    axis->SetScaleType(ipstLog10);
    axis->SetMinSpan(1, 999);
    axis->SetDrawRect(Rect(0, 0, 600, 40));
    axis->CalcTickList(canvas);
    const Ticks t = TicksOf(*axis);
    ExpectNear(t.majors, {1, 10, 100, 1000}, "majors");
    EXPECT_EQ(t.labels, (std::vector<std::string>{"1.00", "10.0", "100", "1000"}));
    std::vector<double> minors;
    for (double decade : {1.0, 10.0, 100.0})
        for (int k = 2; k <= 9; ++k)
            minors.push_back(k * decade);
    ExpectNear(t.minors, minors, "minors");
}

TEST_F(AxisTicksTest, CalculationsThatCannotProgressEndWithOneTickMidSpan) {
    struct Case {
        const char* what;
        double min, span;
        int minorCount;
    };
    for (const Case& c : {Case{"span lost in the value's precision", 1e20, 1, 1},
                          Case{"more than 5000 ticks", 0, 100, 100000}}) {
        auto axis = MakeAxis();
        axis->SetHorizontal(true);
        axis->SetMinSpan(c.min, c.span);
        axis->SetMinorCount(c.minorCount);
        axis->SetDrawRect(Rect(0, 0, 600, 40));
        axis->CalcTickList(canvas);
        const Ticks t = TicksOf(*axis);
        ExpectNear(t.majors, {c.min + c.span / 2}, c.what);
        EXPECT_TRUE(t.minors.empty()) << c.what;
    }
}

TEST_F(AxisTicksTest, WithoutMinorsMajorsAreStillOneIncrementApart) {
    auto axis = MakeAxis();
    axis->SetHorizontal(true);
    axis->SetMinorCount(0);
    axis->SetMinSpan(0, 100);
    axis->SetDrawRect(Rect(0, 0, 600, 40));
    axis->CalcTickList(canvas);
    const Ticks t = TicksOf(*axis);
    ASSERT_GE(t.majors.size(), 3u);
    EXPECT_TRUE(t.minors.empty());
    for (std::size_t i = 1; i < t.majors.size(); ++i)
        EXPECT_DOUBLE_EQ(t.majors[i] - t.majors[i - 1], axis->MajorIncrement());
}

TEST_F(AxisTicksTest, MonthStepsStartOnTheFirstOfAMonth) {
    auto axis = MakeAxis();
    axis->SetHorizontal(true);
    axis->SetLabelsFormatStyle(iptfDateTime);
    axis->SetDateTimeFormat("mm/yy");
    axis->SetMinSpan(EncodeDate(2024, 1, 15) + 0.25, 365);
    axis->SetDrawRect(Rect(0, 0, 400, 40));
    axis->CalcTickList(canvas);
    const Ticks t = TicksOf(*axis);
    ASSERT_GE(t.majors.size(), 2u);
    EXPECT_TRUE(t.minors.empty());
    const int step = int(axis->MajorIncrement());
    EXPECT_GE(step, 1);
    for (std::size_t i = 0; i < t.majors.size(); ++i) {
        int y = 0, m = 0, d = 0;
        DecodeDate(t.majors[i], y, m, d);
        EXPECT_EQ(d, 1) << i;
        EXPECT_NEAR(t.majors[i] - std::trunc(t.majors[i]), 0.25, 1e-9) << i;
        if (i > 0) {
            EXPECT_DOUBLE_EQ(t.majors[i], korvan::plot::IncMonth(t.majors[i - 1], step)) << i;
        }
    }
}

TEST_F(AxisTicksTest, CustomListsStayAndOffScaleTicksAreNotShown) {
    auto axis = MakeAxis();
    axis->SetHorizontal(true);
    axis->SetTickListCustom(true);
    EXPECT_EQ(axis->TickListAdd(50, "half", ipttMajor), 0);
    EXPECT_EQ(axis->TickListAdd(500, "far", ipttMinor), 1);
    axis->SetDrawRect(Rect(0, 0, 400, 40));
    axis->CalcTickList(canvas);
    ASSERT_EQ(axis->TickListCount(), 2);
    EXPECT_TRUE(axis->Tick(0).Show);
    EXPECT_EQ(axis->Tick(0).PositionPixels, 200);
    EXPECT_FALSE(axis->Tick(1).Show);
    korvan::gfx::RecordingCanvas grid(400, 400);
    axis->DrawGridLines(grid, Rect(0, 0, 400, 300), true, true, ipglsSolid, clGray, 1, ipglsDot, clGray, 1);
    EXPECT_EQ(grid.CallsNamed("Polyline").size(), 1u);

    auto log = MakeAxis();
    log->SetScaleType(ipstLog10);
    EXPECT_THROW(log->TickListAdd(0, "zero", ipttMajor), Exception);
    EXPECT_EQ(log->TickListCount(), 0);
    axis->TickListClear();
    EXPECT_EQ(axis->TickListCount(), 0);
}

} // namespace
