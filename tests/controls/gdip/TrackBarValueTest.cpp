// The fader's value model and its events: clamping, page and arrow keys,
// Home and End, the wheel, Min and Max changes, and the rule that OnChange
// fires only when the position really changes.

#include "controls/gdip/TrackBar.h"
#include "platform/forms/VirtualKeys.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using korvan::testing::GuiTest;

class TrackBarValue : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form->SetBounds(0, 0, 300, 300);
        bar = new TAdvTrackBar(form.get());
        bar->SetParent(form.get());
        bar->OnChange = [this](TObject*) { changes.push_back(bar->Position()); };
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    void Focus() {
        ShowForm(form.get());
        bar->SetFocus();
        ProcessEvents();
    }
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TAdvTrackBar* bar = nullptr;
    std::vector<int> changes;
};

TEST_F(TrackBarValue, StartsWithTheDocumentedDefaults) {
    EXPECT_EQ(bar->Min(), 0);
    EXPECT_EQ(bar->Max(), 10);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_EQ(bar->PageSize(), 1);
    EXPECT_EQ(bar->Orientation(), trHorizontal);
    EXPECT_EQ(bar->MoveOnClick(), mcStep);
    EXPECT_FALSE(bar->ShowFocus());
    EXPECT_FALSE(bar->TrackHint());
    EXPECT_TRUE(bar->Transparent());
    EXPECT_EQ(bar->Color(), clNone);
    EXPECT_EQ(bar->ColorTo(), clNone);
    EXPECT_EQ(bar->Width(), 150);
    EXPECT_EQ(bar->Height(), 26);
    EXPECT_TRUE(bar->TabStop());
    EXPECT_EQ(bar->Version(), "1.6.3.0");
}

TEST_F(TrackBarValue, ARepeatTickBeforeAnyPressDoesNothing) {
    bar->SetPosition(5);
    changes.clear();
    bar->RepeatTimerTick();
    EXPECT_EQ(bar->Position(), 5);
    EXPECT_TRUE(changes.empty());
}

enum class Act { Set, Key, ShiftKey, WheelUp, WheelDown };

struct ValueCase {
    const char* name;
    TTrackBarOrientation orientation;
    int start;
    Act act;
    int arg; // the value or the key
    int expected;
    int events;
};

// On a bar 0..240 with page 6.
TEST_F(TrackBarValue, KeysWheelAndRequestsMoveTheValueAndFireOnlyOnARealChange) {
    const ValueCase cases[] = {
        {"set inside", trVertical, 100, Act::Set, 120, 120, 1},
        {"set the same value", trVertical, 100, Act::Set, 100, 100, 0},
        {"set above Max clamps", trVertical, 100, Act::Set, 500, 240, 1},
        {"set above Max at Max sends nothing", trVertical, 240, Act::Set, 245, 240, 0},
        {"set below Min at Min sends nothing", trVertical, 0, Act::Set, -7, 0, 0},
        {"page up", trVertical, 100, Act::Key, VK_PRIOR, 106, 1},
        {"page down", trVertical, 100, Act::Key, VK_NEXT, 94, 1},
        {"page up clamps", trVertical, 237, Act::Key, VK_PRIOR, 240, 1},
        {"page up at Max", trVertical, 240, Act::Key, VK_PRIOR, 240, 0},
        {"page down at Min", trVertical, 0, Act::Key, VK_NEXT, 0, 0},
        {"up arrow", trVertical, 100, Act::Key, VK_UP, 101, 1},
        {"right arrow", trHorizontal, 100, Act::Key, VK_RIGHT, 101, 1},
        {"down arrow", trVertical, 100, Act::Key, VK_DOWN, 99, 1},
        {"left arrow", trHorizontal, 100, Act::Key, VK_LEFT, 99, 1},
        {"up arrow at Max", trVertical, 240, Act::Key, VK_UP, 240, 0},
        {"down arrow at Min", trVertical, 0, Act::Key, VK_DOWN, 0, 0},
        {"Home on a vertical bar is Max", trVertical, 100, Act::Key, VK_HOME, 240, 1},
        {"Home at Max on a vertical bar", trVertical, 240, Act::Key, VK_HOME, 240, 0},
        {"End on a vertical bar is Min", trVertical, 100, Act::Key, VK_END, 0, 1},
        {"Home on a horizontal bar is Min", trHorizontal, 100, Act::Key, VK_HOME, 0, 1},
        {"End on a horizontal bar is Max", trHorizontal, 100, Act::Key, VK_END, 240, 1},
        {"shift blocks the arrows", trVertical, 100, Act::ShiftKey, VK_UP, 100, 0},
        {"shift blocks the pages", trVertical, 100, Act::ShiftKey, VK_PRIOR, 100, 0},
        {"shift blocks Home", trVertical, 100, Act::ShiftKey, VK_HOME, 100, 0},
        {"wheel away from the user", trVertical, 100, Act::WheelUp, 0, 101, 1},
        {"wheel toward the user", trVertical, 100, Act::WheelDown, 0, 99, 1},
        {"wheel up at Max", trVertical, 240, Act::WheelUp, 0, 240, 0},
        {"wheel down at Min", trVertical, 0, Act::WheelDown, 0, 0, 0},
    };
    Focus();
    for (const ValueCase& vc : cases) {
        SCOPED_TRACE(vc.name);
        bar->SetOrientation(vc.orientation);
        bar->SetBounds(10, 10, vc.orientation == trVertical ? 27 : 193,
                       vc.orientation == trVertical ? 193 : 27);
        bar->SetMax(240);
        bar->SetPageSize(6);
        bar->SetPosition(vc.start);
        changes.clear();
        switch (vc.act) {
        case Act::Set:
            bar->SetPosition(vc.arg);
            break;
        case Act::Key:
            input.Key(bar, std::uint16_t(vc.arg));
            break;
        case Act::ShiftKey:
            input.Key(bar, std::uint16_t(vc.arg), ssShift);
            break;
        case Act::WheelUp:
            input.Wheel(bar, 10, 50, 120);
            break;
        case Act::WheelDown:
            input.Wheel(bar, 10, 50, -120);
            break;
        }
        EXPECT_EQ(bar->Position(), vc.expected);
        EXPECT_EQ(int(changes.size()), vc.events);
        for (int v : changes)
            EXPECT_EQ(v, vc.expected);
    }
}

TEST_F(TrackBarValue, AKeyHandlerThatClearsTheKeyKeepsTheBarStill) {
    bar->SetMax(240);
    bar->SetPosition(100);
    bar->OnKeyDown = [](TObject*, std::uint16_t& key, TShiftState) { key = 0; };
    Focus();
    changes.clear();
    input.Key(bar, VK_UP);
    input.Key(bar, VK_PRIOR);
    EXPECT_EQ(bar->Position(), 100);
    EXPECT_TRUE(changes.empty());
}

TEST_F(TrackBarValue, MovingMinOrMaxPastThePositionCarriesItAlong) {
    bar->SetMax(100);
    bar->SetPosition(50);
    changes.clear();
    bar->SetMax(40);
    EXPECT_EQ(bar->Position(), 40);
    bar->SetMax(100);
    bar->SetMin(45);
    EXPECT_EQ(bar->Position(), 45);
    EXPECT_EQ(changes, (std::vector<int>{40, 45}));
    // A bound that leaves the position inside changes nothing else.
    changes.clear();
    bar->SetMax(400);
    bar->SetMin(0);
    EXPECT_EQ(bar->Position(), 45);
    EXPECT_TRUE(changes.empty());
}

TEST_F(TrackBarValue, ChangingTheOrientationSwapsTheSizeUnlessLoading) {
    bar->SetBounds(5, 7, 150, 26);
    bar->SetOrientation(trVertical);
    EXPECT_EQ(bar->BoundsRect(), Bounds(5, 7, 26, 150));
    bar->SetOrientation(trVertical);
    EXPECT_EQ(bar->BoundsRect(), Bounds(5, 7, 26, 150));
}

} // namespace
