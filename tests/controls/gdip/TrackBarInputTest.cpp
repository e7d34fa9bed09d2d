// The fader under the mouse, driven through real input and the timer
// clock: a held press on the track pages toward the pointer and stops
// there, a quick click moves one page, a drag keeps the grab offset, the
// step buttons step on release and repeat while held, and a thumb with no
// travel makes presses and drags do nothing.

#include "controls/gdip/TrackBar.h"
#include "tests/controls/gdip/FaderFixture.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using korvan::testing::GuiTest;
using korvan::testing::SetUpEditorFader;
using korvan::testing::ThumbPicture;

class TrackBarInput : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form->SetBounds(0, 0, 200, 260);
        bar = new TAdvTrackBar(form.get());
        bar->SetParent(form.get());
        // The EQ gain fader: 0..240, page 6, 158 pixels of travel.
        SetUpEditorFader(bar, 0, 240, 6, &thumb);
        bar->SetBounds(20, 20, 27, 193);
        bar->OnChange = [this](TObject*) { changes.push_back(bar->Position()); };
        ShowForm(form.get());
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    TGDIPPicture thumb = ThumbPicture(clSilver);
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TAdvTrackBar* bar = nullptr;
    std::vector<int> changes;
};

TEST_F(TrackBarInput, TheEditorFaderHasThePicturesSizeAndTravel) {
    EXPECT_EQ(bar->Thumb()->Size(), 16);
    EXPECT_EQ(bar->Thumb()->Width(), 29);
    EXPECT_EQ(bar->Travel(), 158);
    EXPECT_EQ(bar->GetThumbRect(), Rect(6, 161, 22, 190));
}

TEST_F(TrackBarInput, AHeldPressAboveThePagesUpToThePointerAndStopsThere) {
    input.MouseDown(bar, 14, 50);
    EXPECT_EQ(bar->Position(), 6) << "one page at once";
    AdvanceTimers(399);
    EXPECT_EQ(bar->Position(), 6);
    AdvanceTimers(1);
    EXPECT_EQ(bar->Position(), 12) << "the first repeat after 400 ms";
    AdvanceTimers(100);
    EXPECT_EQ(bar->Position(), 18) << "then every 100 ms";
    AdvanceTimers(5000);
    // The thumb's bottom edge has passed the press point: the press is
    // done, and holding on never swings the value back.
    EXPECT_EQ(bar->Position(), 216);
    EXPECT_LE(bar->GetThumbRect().Bottom, 50);
    const std::size_t pages = changes.size();
    AdvanceTimers(2000);
    EXPECT_EQ(changes.size(), pages);
    for (std::size_t i = 0; i < changes.size(); ++i)
        EXPECT_EQ(changes[i], int(i + 1) * 6);
    input.MouseUp(bar, 14, 50);
    EXPECT_FALSE(bar->RepeatTimer()->Enabled());
}

TEST_F(TrackBarInput, AHeldPressBelowThePagesDownAndStops) {
    bar->SetPosition(240);
    changes.clear();
    input.MouseDown(bar, 14, 150);
    AdvanceTimers(5000);
    EXPECT_GE(bar->GetThumbRect().Bottom, 150) << "down to the press point";
    EXPECT_LT(bar->Position(), 240);
    for (std::size_t i = 1; i < changes.size(); ++i)
        EXPECT_EQ(changes[i], changes[i - 1] - 6) << "never back up";
    input.MouseUp(bar, 14, 150);
}

TEST_F(TrackBarInput, AQuickClickMovesOnePageAndTheReleaseStopsTheRepeat) {
    bar->SetPosition(120);
    changes.clear();
    input.Click(bar, 14, 10);
    EXPECT_EQ(bar->Position(), 126);
    AdvanceTimers(2000);
    EXPECT_EQ(changes, std::vector<int>{126});
}

TEST_F(TrackBarInput, APressAtTheEndOfTheRangeSendsNothing) {
    bar->SetPosition(240);
    changes.clear();
    input.MouseDown(bar, 14, 1);
    AdvanceTimers(1000);
    input.MouseUp(bar, 14, 1);
    EXPECT_EQ(bar->Position(), 240);
    EXPECT_TRUE(changes.empty());
}

// A disabled control hears no release, so disabling it ends whatever press
// it holds: the repeat sends nothing more and a drag stops.
TEST_F(TrackBarInput, DisablingTheFaderEndsAHeldPress) {
    for (int y : {50, 96}) { // on the track, then on the thumb
        SCOPED_TRACE(y);
        bar->SetEnabled(true);
        bar->SetPosition(120);
        changes.clear();
        input.MouseDown(bar, 14, y);
        bar->SetEnabled(false);
        AdvanceTimers(2000);
        input.MouseMove(bar, 14, 10);
        input.MouseUp(bar, 14, 10);
        EXPECT_LE(changes.size(), 1u) << "at most the page of the press itself";
        EXPECT_FALSE(bar->Sliding());
        EXPECT_FALSE(bar->ThumbDown());
        EXPECT_FALSE(bar->SliderButtonDown());
    }
}

TEST_F(TrackBarInput, APressBesideTheGrownTrackAreaDoesNothing) {
    bar->SetPosition(120);
    changes.clear();
    // The track area starts at x 13; grown by 4 it starts at 9.
    input.Click(bar, 8, 20);
    EXPECT_TRUE(changes.empty());
    input.Click(bar, 9, 20);
    EXPECT_EQ(changes, std::vector<int>{126});
}

TEST_F(TrackBarInput, ADragMovesTheThumbsCentreWithTheGrabOffset) {
    bar->SetPosition(120);
    const TRect before = bar->GetThumbRect();
    ASSERT_EQ(before, Rect(6, 82, 22, 111));
    changes.clear();
    // 3 pixels above the centre line (82 + 14).
    input.MouseDown(bar, 14, 93);
    EXPECT_TRUE(bar->Sliding());
    EXPECT_TRUE(bar->ThumbDown());
    input.MouseMove(bar, 14, 60);
    EXPECT_EQ(bar->Position(), 170);
    const TRect after = bar->GetThumbRect();
    EXPECT_EQ(after.Top + after.Height() / 2, 60 + 3);
    // Past the end the value stays at Max; outside the control the drag goes on.
    input.MouseMove(bar, 40, -40);
    EXPECT_EQ(bar->Position(), 240);
    input.MouseMove(bar, 14, 400);
    EXPECT_EQ(bar->Position(), 0);
    input.MouseUp(bar, 14, 400);
    EXPECT_FALSE(bar->Sliding());
    EXPECT_FALSE(bar->ThumbDown());
    EXPECT_EQ(changes, (std::vector<int>{170, 240, 0}));
    AdvanceTimers(1000);
    EXPECT_EQ(changes.size(), 3u) << "a drag starts no repeat";
}

TEST_F(TrackBarInput, AThumbWithNoTravelMakesPressesAndDragsDoNothing) {
    TAdvTrackBar plain(form.get());
    plain.SetParent(form.get());
    plain.SetOrientation(trVertical);
    plain.SetBounds(100, 20, 27, 100);
    plain.SetMax(240);
    plain.SetPosition(100);
    plain.Thumb()->SetWidth(94); // the whole track area
    ASSERT_EQ(plain.Travel(), 0);
    int events = 0;
    plain.OnChange = [&](TObject*) { ++events; };
    for (TMoveOnClick how : {mcStep, mcMove, mcMoveSlide}) {
        plain.SetMoveOnClick(how);
        input.MouseDown(&plain, 2, 10);
        input.MouseMove(&plain, 14, 30);
        AdvanceTimers(1000);
        input.MouseUp(&plain, 14, 30);
        input.MouseDown(&plain, 14, 40); // on the thumb
        input.MouseMove(&plain, 14, 20);
        input.MouseUp(&plain, 14, 20);
    }
    EXPECT_EQ(plain.Position(), 100);
    EXPECT_EQ(events, 0);
}

TEST_F(TrackBarInput, ClickToMovePutsTheThumbAtThePress) {
    bar->SetMoveOnClick(mcMove);
    input.Click(bar, 14, 190 - 29 - 79);
    EXPECT_EQ(bar->Position(), 120);
    EXPECT_FALSE(bar->Sliding());
    bar->SetMoveOnClick(mcMoveSlide);
    input.MouseDown(bar, 14, 150);
    EXPECT_TRUE(bar->Sliding());
    input.MouseUp(bar, 14, 150);
}

TEST_F(TrackBarInput, StepButtonsStepOnReleaseAndRepeatWhileHeld) {
    bar->Buttons()->SetVisible(true);
    bar->SetPosition(100);
    changes.clear();
    const TRect up = bar->GetMaxButtonRect();
    const TRect down = bar->GetMinButtonRect();
    EXPECT_EQ(up, Rect(3, 3, 24, 23));
    EXPECT_EQ(down, Rect(3, 170, 24, 190));
    input.MouseDown(bar, 12, 10);
    EXPECT_TRUE(bar->MaxButtonDown());
    EXPECT_EQ(bar->Position(), 100) << "a press alone does not step";
    AdvanceTimers(500);
    EXPECT_EQ(bar->Position(), 102) << "repeats after 400 and 500 ms";
    input.MouseUp(bar, 12, 10);
    EXPECT_EQ(bar->Position(), 103) << "and steps on the release";
    AdvanceTimers(1000);
    EXPECT_EQ(bar->Position(), 103);
    input.Click(bar, 12, 180);
    EXPECT_EQ(bar->Position(), 102);
    // Leaving the button while it is pressed drops the press: no step.
    input.MouseDown(bar, 12, 180);
    input.MouseMove(bar, 12, 100);
    EXPECT_FALSE(bar->MinButtonDown());
    input.MouseUp(bar, 12, 100);
    EXPECT_EQ(bar->Position(), 102);
}

TEST_F(TrackBarInput, HoverFollowsThePointerOverTheThumb) {
    input.MouseMove(bar, 14, 170);
    EXPECT_TRUE(bar->ThumbHot());
    input.MouseMove(bar, 14, 20);
    EXPECT_FALSE(bar->ThumbHot());
    input.MouseMove(bar, 14, 170);
    input.MoveOutside();
    EXPECT_FALSE(bar->ThumbHot());
}

TEST_F(TrackBarInput, TheDragHintShowsTheValueWhileDraggingWhenAsked) {
    bar->SetTrackHint(true);
    bar->OnGetTrackHint = [](TObject*, int position, std::string& hint) {
        hint = std::to_string(position) + " dB";
    };
    input.MouseDown(bar, 14, 175);
    EXPECT_FALSE(bar->TrackHintShowing());
    input.MouseMove(bar, 14, 100);
    ASSERT_TRUE(bar->TrackHintShowing());
    ASSERT_NE(bar->HintWindow(), nullptr);
    EXPECT_EQ(bar->HintWindow()->HintText(), std::to_string(bar->Position()) + " dB");
    input.MouseUp(bar, 14, 100);
    EXPECT_FALSE(bar->TrackHintShowing());
    EXPECT_FALSE(bar->HintWindow()->Visible());
}

TEST(TrackHintPlacement, AHintPastTheMonitorsEdgeMovesBackInside) {
    const TRect monitor = Rect(0, 0, 1000, 800);
    EXPECT_EQ(korvan::gdip::FitHintRect(Bounds(100, 100, 50, 20), monitor), Bounds(100, 100, 50, 20));
    EXPECT_EQ(korvan::gdip::FitHintRect(Bounds(980, 100, 50, 20), monitor), Bounds(948, 100, 50, 20));
    EXPECT_EQ(korvan::gdip::FitHintRect(Bounds(10, 790, 50, 20), monitor), Bounds(10, 778, 50, 20));
}

} // namespace
