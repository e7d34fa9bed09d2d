// Plot objects: percentages and sort keys, notifications, the mouse and
// keyboard routing with its popup menu, selection, the order of the end
// notices, and the auto-repeat of plot buttons.

#include "controls/plot/core/PlotButton.h"
#include "controls/plot/core/PlotLayoutObject.h"
#include "platform/forms/Menus.h"
#include "platform/forms/VirtualKeys.h"
#include "tests/controls/plot/PlotTestSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using korvan::testing::TestLayoutObject;

// The plot side of the routing: records the events it would raise.
class RecordingHost : public TComponent, public IiPlotObjectHost {
public:
    RecordingHost() : TComponent(nullptr) {}
    std::vector<std::string> events;
    bool cancelPopup = false;

    void DoObjectMouseDown(TiPlotObject*, TMouseButton button, TShiftState, int x, int y) override {
        events.push_back("down " + std::to_string(button) + " " + std::to_string(x) + "," +
                         std::to_string(y));
    }
    void DoObjectMouseMove(TiPlotObject*, TShiftState, int x, int y) override {
        events.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    }
    void DoObjectMouseUp(TiPlotObject*, TMouseButton button, TShiftState, int, int) override {
        events.push_back("up " + std::to_string(button));
    }
    void DoObjectMouseWheel(TiPlotObject*, int delta, TShiftState, int, int) override {
        events.push_back("wheel " + std::to_string(delta));
    }
    void DoObjectPopupMenu(TiPlotObject*, bool& cancel, int x, int y) override {
        events.push_back("popup? " + std::to_string(x) + "," + std::to_string(y));
        cancel = cancelPopup;
    }
    void DoObjectGotFocus(TiPlotObject*) override { events.push_back("got focus"); }
    void DoObjectLostFocus(TiPlotObject*) override { events.push_back("lost focus"); }
    std::string GetTranslation(const std::string& text) override { return "<" + text + ">"; }
    TPoint PlotClientToScreen(TPoint p) override { return Point(p.X + 1000, p.Y + 2000); }
};

class RecordingMenu : public TPopupMenu {
public:
    RecordingMenu() : TPopupMenu(nullptr) {}
    std::vector<TPoint> shown;
    void Popup(int x, int y) override { shown.push_back(Point(x, y)); }
};

// A layout object that notes its handlers.
class TracedObject : public TestLayoutObject {
public:
    using TestLayoutObject::TestLayoutObject;
    std::vector<std::string> handlers;

protected:
    void DoMouseLeft(TiPlotMouseData& d) override { handlers.push_back("left " + Axes(d)); }
    void DoMouseRight(TiPlotMouseData& d) override { handlers.push_back("right " + Axes(d)); }
    void DoMouseMove(TiPlotMouseData&) override { handlers.push_back("drag"); }
    void DoMouseHint(TiPlotMouseData&, TiHintData&) override { handlers.push_back("hint"); }
    void DoMouseUp(TiPlotMouseData&) override { handlers.push_back("release"); }
    void PreparePopupMenu(TPopupMenu* menu) override {
        TiPlotObject::PreparePopupMenu(menu);
        AddEditMenuItem(menu);
    }

private:
    static std::string Axes(const TiPlotMouseData& d) {
        return std::to_string(d.XAxisPixels) + "," + std::to_string(d.YAxisPixels);
    }
};

class PlotObjectTest : public ::testing::Test {
protected:
    template <class T = TracedObject> T* Make() {
        auto* o = new T(&host, note("change"), note("insert"), note("remove"), note("rename"));
        o->OnLayoutChange = note("layout");
        owned.emplace_back(o);
        return o;
    }
    TNotifyEvent note(const std::string& what) {
        return [this, what](TObject*) { notices.push_back(what); };
    }
    RecordingHost host;
    std::vector<std::string> notices;
    std::vector<TiPlotObjectPtr<TiPlotObject>> owned;
};

TEST_F(PlotObjectTest, PercentagesAlongTheEdgeStayOrderedAndInRange) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* name;
        double start, stop; // before
        bool setStart;
        double value;
        double expectedStart, expectedStop;
    };
    const Case cases[] = {
        {"start near the end pushes stop to 100", 0, 100, true, 99.5, 99, 100},
        {"stop near the start", 0, 100, false, 0.5, 0, 1},
        {"negative start", 20, 100, true, -3, 0, 100},
        {"start that is not a number", 20, 100, true, nan, 0, 100},
        {"start beyond 100", 0, 100, true, 150, 99, 100},
        {"start inside the range", 0, 100, true, 50, 50, 100},
        {"start within 1 of stop moves stop", 0, 60, true, 59.5, 59.5, 60.5},
        {"stop below start moves start", 50, 100, false, 40, 39, 40},
        {"negative stop", 50, 100, false, -5, 0, 1},
        {"stop beyond 100", 0, 50, false, 250, 0, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TracedObject* o = Make();
        o->SetStartStopPercent(c.start, c.stop);
        if (c.setStart)
            o->SetStartPercent(c.value);
        else
            o->SetStopPercent(c.value);
        EXPECT_DOUBLE_EQ(o->StartPercent(), c.expectedStart);
        EXPECT_DOUBLE_EQ(o->StopPercent(), c.expectedStop);
    }
}

TEST_F(PlotObjectTest, SortKeysArePaddedDecimalTexts) {
    struct Case {
        int zOrder;
        double startPercent;
        int layer;
        const char* zKey;
        const char* startKey;
        const char* layerKey;
    };
    const Case cases[] = {
        {7, 12.5, 100, "007", "012", "000100"}, {0, 13.5, 5, "000", "014", "000005"},
        {12, 0, 0, "012", "000", "000000"},     {123, 99.5, 123456, "123", "100", "123456"},
        {3, 50.4, 7, "003", "050", "000007"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zKey);
        TracedObject* o = Make();
        o->SetZOrder(c.zOrder);
        o->SetStartStopPercent(c.startPercent, 100);
        o->SetLayer(c.layer);
        EXPECT_EQ(o->ZOrderKey(), c.zKey);
        EXPECT_EQ(o->StartPercentKey(), c.startKey);
        EXPECT_EQ(o->GetLayerSortKey(), c.layerKey);
    }
}

TEST_F(PlotObjectTest, ChangesNotifyAsTheirKindAsks) {
    TracedObject* o = Make();
    struct Case {
        const char* name;
        std::function<void()> change;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"visible", [&] { o->SetVisible(false); }, {"change"}},
        {"same visible again", [&] { o->SetVisible(false); }, {}},
        {"layer", [&] { o->SetLayer(50); }, {"change"}},
        {"horizontal moves objects", [&] { o->SetHorizontal(true); }, {"layout", "change"}},
        {"z-order moves objects", [&] { o->SetZOrder(3); }, {"layout", "change"}},
        {"stacking moves objects", [&] { o->SetForceStacking(true); }, {"layout", "change"}},
        {"reverse side", [&] { o->SetReverseSide(true); }, {"change"}},
        {"draw rectangle is the layout's own", [&] { o->SetDrawRect(Rect(1, 2, 3, 4)); }, {}},
        {"stacked ends too", [&] { o->SetStartStacked(true); }, {}},
        {"name", [&] { o->SetName("Axis"); }, {"rename", "change"}},
        {"same name", [&] { o->SetName("Axis"); }, {}},
        {"only the case of the name", [&] { o->SetName("AXIS"); }, {"rename", "change"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        notices.clear();
        c.change();
        EXPECT_EQ(notices, c.expected);
    }
    EXPECT_EQ(o->Name(), "AXIS");
    EXPECT_EQ(o->NameOld(), "Axis");
    // A layout object completes by listing itself, then moving the others.
    notices.clear();
    o->DoInsert();
    EXPECT_EQ(notices, (std::vector<std::string>{"insert", "layout"}));
}

TEST_F(PlotObjectTest, TheEndNoticeComesFirstWhileTheObjectIsWhole) {
    TracedObject* o = Make();
    o->SetName("Bottom axis");
    std::string seenBy;
    o->OnRemove = [&](TObject* sender) {
        notices.push_back("remove");
        if (auto* layout = dynamic_cast<TiPlotLayoutObject*>(sender))
            seenBy = layout->Name() + " as a layout object";
    };
    notices.clear();
    owned.clear();
    EXPECT_EQ(notices, (std::vector<std::string>{"remove", "layout", "change"}));
    EXPECT_EQ(seenBy, "Bottom axis as a layout object");
}

TEST_F(PlotObjectTest, PressesRouteByButtonAndOnlyToEnabledObjects) {
    TracedObject* o = Make();
    o->SetDrawRect(Rect(0, 0, 100, 50));
    o->SetXYAxesReversed(true);
    o->iMouseDown(mbLeft, 0, 10, 20, 0, 0, nullptr);
    TiHintData hint;
    o->iMouseMove(hint, 0, 11, 21, 0, 0, false);
    o->iMouseUp(mbLeft, 0, 11, 21, 0, 0, false, nullptr);
    // Axis pixels are exchanged when the plot shows X vertically.
    EXPECT_EQ(o->handlers, (std::vector<std::string>{"left 20,10", "drag", "release"}));
    EXPECT_EQ(host.events, (std::vector<std::string>{"down 0 10,20", "move 11,21", "up 0"}));

    // Disabled: presses are ignored, moves still hint.
    o->handlers.clear();
    host.events.clear();
    o->SetEnabled(false);
    o->iMouseDown(mbLeft, 0, 10, 20, 0, 0, nullptr);
    o->iMouseMove(hint, 0, 12, 22, 0, 0, false);
    o->iMouseUp(mbLeft, 0, 12, 22, 0, 0, false, nullptr);
    EXPECT_EQ(o->handlers, (std::vector<std::string>{"hint", "release"}));
    EXPECT_EQ(host.events, (std::vector<std::string>{"move 12,22"}));

    // A press outside the object raises no plot event.
    o->SetEnabled(true);
    host.events.clear();
    o->iMouseDown(mbMiddle, 0, 500, 500, 0, 0, nullptr);
    EXPECT_TRUE(host.events.empty());
    EXPECT_FALSE(o->MouseIsDown());
}

TEST_F(PlotObjectTest, ARightClickShowsThePopupMenuUnlessThePlotCancelsIt) {
    struct Case {
        const char* name;
        bool popupEnabled, cancel;
        int releaseX;
        bool shown;
    };
    const Case cases[] = {
        {"shown", true, false, 10, true},
        {"cancelled by the plot", true, true, 10, false},
        {"popup disabled", false, false, 10, false},
        {"released outside", true, false, 500, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TracedObject* o = Make();
        o->SetDrawRect(Rect(0, 0, 100, 50));
        o->SetPopupEnabled(c.popupEnabled);
        host.cancelPopup = c.cancel;
        RecordingMenu menu;
        auto* stale = new TMenuItem(&menu);
        stale->SetCaption("stale");
        menu.Items()->Add(stale);
        o->iMouseDown(mbRight, 0, 10, 10, 310, 420, &menu);
        EXPECT_TRUE(o->MouseDownPopup() == c.popupEnabled);
        o->iMouseUp(mbRight, 0, c.releaseX, 10, 310, 420, false, &menu);
        EXPECT_FALSE(o->MouseDownPopup());
        if (c.shown) {
            ASSERT_EQ(menu.shown.size(), 1u);
            EXPECT_EQ(menu.shown[0], Point(310, 420));
            // The stale item went; "Edit..." came, translated.
            ASSERT_EQ(menu.Items()->Count(), 1);
            EXPECT_EQ(menu.Items()->Items(0)->Caption(), "<Edit...>");
        } else {
            EXPECT_TRUE(menu.shown.empty());
        }
    }
}

TEST_F(PlotObjectTest, TheKeyboardOpensThePopupAtTheObjectsCentre) {
    TracedObject* o = Make();
    o->SetDrawRect(Rect(10, 20, 110, 60));
    std::string edited;
    o->OnEdit = [&](TObject*) { edited = "edit"; };
    struct Case {
        std::uint16_t key;
        TShiftState shift;
        bool shown;
    };
    const Case cases[] = {
        {VK_APPS, 0, true},
        {std::uint16_t(VK_F1 + 9), ssShift, true},
        {std::uint16_t(VK_F1 + 9), 0, false},
        {VK_RETURN, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        RecordingMenu menu;
        std::uint16_t key = c.key;
        o->iKeyDown(key, c.shift, &menu);
        if (c.shown) {
            ASSERT_EQ(menu.shown.size(), 1u);
            EXPECT_EQ(menu.shown[0], Point(1060, 2040));
            ASSERT_EQ(menu.Items()->Count(), 1);
            menu.Items()->Items(0)->Click();
            EXPECT_EQ(edited, "edit");
        } else {
            EXPECT_TRUE(menu.shown.empty());
        }
    }
    // An object the user may not edit offers no "Edit...".
    o->SetUserCanEdit(false);
    RecordingMenu menu;
    std::uint16_t key = VK_APPS;
    o->iKeyDown(key, 0, &menu);
    EXPECT_EQ(menu.Items()->Count(), 0);
}

TEST_F(PlotObjectTest, SelectionRepaintsAndReportsTheFocus) {
    TracedObject* o = Make();
    o->OnInvalidateNow = note("invalidate now");
    o->OnSetFocus = note("set focus");
    o->SetUserSelected(true);
    o->SetUserSelected(true);
    o->SetEnabled(false); // deselects
    EXPECT_FALSE(o->UserSelected());
    EXPECT_EQ(notices, (std::vector<std::string>{"invalidate now", "set focus", "invalidate now", "change"}));
    EXPECT_EQ(host.events, (std::vector<std::string>{"got focus", "lost focus"}));
}

// --- buttons ---

class PlotButtonTest : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        button.reset(new TiPlotButton(&host, nullptr, nullptr, nullptr, nullptr));
        button->SetDrawRect(Rect(0, 0, 20, 20));
        button->OnClick = [this](TObject*) { clicks.push_back(clock.NowMs()); };
        button->OnGroupClick = [this](TObject*) { clicks.push_back(-1); };
    }
    void TearDown() override {
        button.reset();
        GuiTest::TearDown();
    }
    RecordingHost host;
    TiPlotObjectPtr<TiPlotButton> button;
    std::vector<korvan::sys::Millis> clicks;
};

TEST_F(PlotButtonTest, AHeldRepeatingButtonClicksAfter500ThenEvery50Ms) {
    button->SetTimerEnabled(true);
    button->iMouseDown(mbLeft, 0, 5, 5, 0, 0, nullptr);
    AdvanceTimers(620);
    EXPECT_EQ(clicks, (std::vector<korvan::sys::Millis>{500, 550, 600}));
    button->iMouseUp(mbLeft, 0, 5, 5, 0, 0, false, nullptr);
    EXPECT_EQ(clicks.size(), 4u);
    EXPECT_FALSE(button->Repeating());
    AdvanceTimers(500);
    EXPECT_EQ(clicks.size(), 4u);
}

TEST_F(PlotButtonTest, AReleaseOutsideDoesNotClickAndAGroupClickComesFirst) {
    button->iMouseDown(mbLeft, 0, 5, 5, 0, 0, nullptr);
    button->iMouseUp(mbLeft, 0, 20, 5, 0, 0, false, nullptr); // the right edge is outside
    EXPECT_TRUE(clicks.empty());
    button->SetGroupIndex(2);
    button->iMouseDown(mbLeft, 0, 5, 5, 0, 0, nullptr);
    button->iMouseUp(mbLeft, 0, 19, 19, 0, 0, false, nullptr);
    EXPECT_EQ(clicks, (std::vector<korvan::sys::Millis>{-1, 0}));
    // Without repeat, holding clicks nothing.
    clicks.clear();
    button->iMouseDown(mbLeft, 0, 5, 5, 0, 0, nullptr);
    AdvanceTimers(1000);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(PlotButtonTest, DisablingAHeldButtonStopsItsRepeat) {
    button->SetTimerEnabled(true);
    button->iMouseDown(mbLeft, 0, 5, 5, 0, 0, nullptr);
    AdvanceTimers(520);
    button->SetEnabled(false);
    AdvanceTimers(500);
    EXPECT_EQ(clicks, (std::vector<korvan::sys::Millis>{500}));
}

TEST_F(PlotButtonTest, DownChangesRepaintThenReport) {
    std::vector<std::string> events;
    button->OnInvalidate = [&](TObject*) { events.push_back("invalidate"); };
    button->OnDownChange = [&](TObject*) { events.push_back("down change"); };
    button->SetDown(true);
    button->SetDown(true);
    EXPECT_EQ(events, (std::vector<std::string>{"invalidate", "down change"}));
}

} // namespace
