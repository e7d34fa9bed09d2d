// Axis interaction: drags, the wheel and the keys in scroll and zoom mode,
// scroll limits, tracking of new values with snaps and margins, resume
// values, fitting and the popup menu.

#include "platform/forms/Menus.h"
#include "platform/gfx/Canvas.h"
#include "platform/text/Exception.h"
#include "tests/controls/plot/axes/AxisTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using korvan::testing::AxisFixture;

class AxisInteractionTest : public ::testing::Test, public AxisFixture {
protected:
    korvan::gfx::RecordingCanvas canvas{400, 400};

    // A horizontal axis 0..100 along x = 0..200.
    TiPlotObjectPtr<TiPlotXAxis> Axis(TiPlotAxisMode mode = ipamScroll) {
        auto axis = MakeAxis();
        axis->SetHorizontal(true);
        axis->SetMode(mode);
        axis->SetDrawRect(Rect(0, 0, 200, 40));
        axis->CalcScaleRect(canvas);
        host.events.clear();
        return axis;
    }
};

TEST_F(AxisInteractionTest, DraggingScrollsOrZoomsAndCtrlExchangesThem) {
    struct Case {
        TiPlotAxisMode mode;
        TShiftState shift;
        double min, span;
    };
    const double zoomed = 100 / std::pow(10.0, 0.025);
    for (const Case& c :
         {Case{ipamScroll, 0, -10, 100}, Case{ipamZoom, 0, 50 - zoomed / 2, zoomed},
          Case{ipamScroll, ssCtrl, 50 - zoomed / 2, zoomed}, Case{ipamZoom, ssCtrl, -10, 100}}) {
        auto axis = Axis(c.mode);
        TiHintData hint;
        axis->iMouseDown(mbLeft, c.shift, 100, 20, 0, 0, nullptr);
        axis->iMouseMove(hint, c.shift, 110, 20, 0, 0, false);
        axis->iMouseMove(hint, c.shift, 120, 20, 0, 0, false);
        axis->iMouseUp(mbLeft, c.shift, 120, 20, 0, 0, false, nullptr);
        EXPECT_NEAR(axis->Min(), c.min, 1e-9) << c.mode << " " << c.shift;
        EXPECT_NEAR(axis->Span(), c.span, 1e-9) << c.mode << " " << c.shift;
        EXPECT_FALSE(axis->TrackingEnabled());
        ASSERT_GE(host.events.size(), 2u);
        EXPECT_EQ(host.events[host.events.size() - 2], "click");
        EXPECT_EQ(host.events.back().rfind("finished 0,100>", 0), 0u) << host.events.back();
    }
}

TEST_F(AxisInteractionTest, WheelNotchesAndKeysStepOnce) {
    struct Case {
        const char* what;
        TiPlotAxisMode mode;
        int wheel;
        std::uint16_t key;
        double min, span;
    };
    const double notch = 100 / std::pow(10.0, 0.025);
    const Case cases[] = {
        {"wheel forward scrolls up 5 percent", ipamScroll, 360, 0, 5, 100},
        {"wheel back", ipamScroll, -1, 0, -5, 100},
        {"wheel zooms in", ipamZoom, 1, 0, 50 - notch / 2, notch},
        {"Page Up scrolls a span", ipamScroll, 0, 33, 100, 100},
        {"Down scrolls a hundredth", ipamScroll, 0, 40, -1, 100},
        {"Page Up zooms to a tenth", ipamZoom, 0, 33, 45, 10},
        {"Page Down zooms out tenfold", ipamZoom, 0, 34, -450, 1000},
        {"other keys move nothing", ipamScroll, 0, 'A', 0, 100},
    };
    for (const Case& c : cases) {
        auto axis = Axis(c.mode);
        if (c.wheel != 0) {
            EXPECT_TRUE(axis->iMouseWheel(c.wheel, 0, Point(100, 20))) << c.what;
        } else {
            std::uint16_t key = c.key;
            axis->iKeyDown(key, 0, nullptr);
        }
        EXPECT_NEAR(axis->Min(), c.min, 1e-9) << c.what;
        EXPECT_NEAR(axis->Span(), c.span, 1e-9) << c.what;
        EXPECT_FALSE(axis->TrackingEnabled()) << c.what;
    }
    // A key raises the finished event once, the wheel none.
    auto axis = Axis();
    std::uint16_t pageUp = 33;
    axis->iKeyDown(pageUp, ssCtrl, nullptr);
    axis->iMouseWheel(1, 0, Point(100, 20));
    int finished = 0;
    for (const std::string& e : host.events)
        finished += e.rfind("finished", 0) == 0;
    EXPECT_EQ(finished, 1);
}

TEST_F(AxisInteractionTest, ScrollingStaysWithinItsLimits) {
    struct Case {
        int wheel;
        double startMin, min;
    };
    for (const Case& c : {Case{-1, -1, 0}, Case{1, 79, 80}, Case{1, 40, 41}}) {
        auto axis = Axis();
        axis->SetScrollMinMaxEnabled(true);
        axis->SetMinSpan(c.startMin, 20);
        axis->iMouseWheel(c.wheel, 0, Point(100, 20));
        EXPECT_DOUBLE_EQ(axis->Min(), c.min) << c.startMin;
        EXPECT_DOUBLE_EQ(axis->Span(), 20);
    }
}

TEST_F(AxisInteractionTest, TrackingStyles) {
    struct Case {
        TiPlotTrackingStyle style;
        std::vector<double> values;
        double compressMax;
        double min, span;
    };
    const Case cases[] = {
        {iptsScrollSmooth, {130}, 0, 30, 100},       {iptsScrollPage, {130}, 0, 100, 100},
        {iptsScrollPage, {-10}, 0, -100, 100},       {iptsScaleMax, {130}, 0, 0, 130},
        {iptsScaleMin, {-10}, 0, -10, 110},          {iptsScaleMinMax, {-10}, 0, -10, 100},
        {iptsExpandMinMax, {-10}, 0, -10, 110},      {iptsScrollSmooth, {150}, 200, 0, 150},
        {iptsScrollSmooth, {150, 260}, 200, 0, 260}, {iptsScrollSmooth, {150, 260, 270}, 200, 70, 200},
    };
    for (const Case& c : cases) {
        auto axis = Axis();
        axis->SetTrackingAlignFirstStyle(ipafsNone);
        axis->SetTrackingStyle(c.style);
        axis->SetTrackingScrollCompressMax(c.compressMax);
        axis->NewTrackingData(50); // the first value aligns nothing
        for (double v : c.values)
            axis->NewTrackingData(v);
        EXPECT_DOUBLE_EQ(axis->Min(), c.min) << c.style << " " << c.values.back();
        EXPECT_DOUBLE_EQ(axis->Span(), c.span) << c.style << " " << c.values.back();
    }
}

TEST_F(AxisInteractionTest, FirstValuesSnapsAndMargins) {
    struct Case {
        const char* what;
        TiPlotAlignFirstStyle align;
        TiPlotTrackingIncrementStyle snap;
        double startMin, startSpan, minMargin, maxMargin;
        std::vector<double> values;
        double min, span;
    };
    const Case cases[] = {
        {"auto inside changes nothing", ipafsAuto, iptisMinimum, 0, 100, 0, 0, {40}, 0, 100},
        {"auto outside moves min", ipafsAuto, iptisMinimum, 0, 100, 0, 0, {140}, 140, 100},
        {"max puts the value at the top", ipafsMax, iptisMinimum, 0, 100, 0, 0, {140}, 40, 100},
        {"snap outward to majors", ipafsNone, iptisMajor, 3, 94, 0, 0, {0, 50}, 0, 100},
        {"snap a negative min down", ipafsNone, iptisMajor, -3, 43, 0, 0, {0, 10}, -20, 60},
        {"upper margin grows the span", ipafsNone, iptisMinimum, 0, 100, 0, 10, {0, 95}, 0, 105},
        {"lower margin shifts the range", ipafsNone, iptisMinimum, 0, 100, 10, 0, {0, 5}, -5, 100},
    };
    for (const Case& c : cases) {
        auto axis = Axis();
        axis->SetDesiredIncrement(20);
        axis->SetLabelsVisible(false);
        axis->CalcTickList(canvas);
        ASSERT_DOUBLE_EQ(axis->MajorIncrement(), 20);
        axis->SetMinSpan(c.startMin, c.startSpan);
        axis->SetTrackingStyle(iptsScaleMinMax);
        axis->SetTrackingAlignFirstStyle(c.align);
        axis->SetTrackingIncrementStyle(c.snap);
        axis->SetTrackingMinMargin(c.minMargin);
        axis->SetTrackingMaxMargin(c.maxMargin);
        for (double v : c.values)
            axis->NewTrackingData(v);
        EXPECT_DOUBLE_EQ(axis->Min(), c.min) << c.what;
        EXPECT_DOUBLE_EQ(axis->Span(), c.span) << c.what;
    }
}

TEST_F(AxisInteractionTest, ResumeRestoresTheRangeAndTheMenuOffersIt) {
    auto axis = Axis();
    TPopupMenu menu(nullptr);
    axis->PreparePopupMenu(&menu);
    ASSERT_EQ(menu.Items()->Count(), 4);
    EXPECT_EQ(menu.Items()->Items(0)->Caption(), "Tracking Enabled");
    EXPECT_TRUE(menu.Items()->Items(0)->Checked());
    EXPECT_EQ(menu.Items()->Items(1)->Caption(), "Update Resume Values");
    EXPECT_FALSE(menu.Items()->Items(1)->Enabled());
    EXPECT_EQ(menu.Items()->Items(2)->Caption(), "Zoom to Fit");
    EXPECT_EQ(menu.Items()->Items(3)->Caption(), "Edit...");

    axis->iMouseWheel(1, 0, Point(100, 20)); // tracking off, range 0..100 kept
    EXPECT_DOUBLE_EQ(axis->Min(), 5);
    axis->PreparePopupMenu(&menu);
    EXPECT_TRUE(menu.Items()->Items(1)->Enabled());
    menu.Items()->Items(0)->Click(); // tracking on: back to 0..100
    EXPECT_TRUE(axis->TrackingEnabled());
    EXPECT_DOUBLE_EQ(axis->Min(), 0);
}

TEST_F(AxisInteractionTest, ZoomingAndFitting) {
    auto axis = Axis();
    EXPECT_THROW(axis->Zoom(0), Exception);
    EXPECT_DOUBLE_EQ(axis->Span(), 100);
    axis->Zoom(2);
    EXPECT_DOUBLE_EQ(axis->Min(), -50);
    EXPECT_DOUBLE_EQ(axis->Span(), 200);
    axis->ZoomToRect(Rect(50, 0, 150, 40));
    EXPECT_DOUBLE_EQ(axis->Min(), 0);
    EXPECT_DOUBLE_EQ(axis->Span(), 100);
    host.channelRanges = {{-20, 10}, {5, 60}};
    host.runningRanges = {{-30, 70}};
    axis->SetTrackingMinMargin(1);
    axis->ZoomToFit();
    EXPECT_DOUBLE_EQ(axis->Min(), -21);
    EXPECT_DOUBLE_EQ(axis->Span(), 81);
    axis->ZoomToFitFast();
    EXPECT_DOUBLE_EQ(axis->Min(), -31);
    host.channelRanges = {{4, 4}}; // all equal: left alone
    axis->ZoomToFit();
    EXPECT_DOUBLE_EQ(axis->Min(), -31);
}

TEST_F(AxisInteractionTest, CursorFollowsTheModeAndThePlotMayReplaceIt) {
    auto axis = Axis();
    EXPECT_EQ(axis->GetMouseCursor(Point(0, 0)), crHandPoint);
    axis->SetMode(ipamZoom);
    EXPECT_EQ(axis->GetMouseCursor(Point(0, 0)), crSizeWE);
    axis->SetHorizontal(false);
    EXPECT_EQ(axis->GetMouseCursor(Point(0, 0)), crSizeNS);
    host.cursorOverride = crCross;
    EXPECT_EQ(axis->GetMouseCursor(Point(0, 0)), crCross);
}

} // namespace
