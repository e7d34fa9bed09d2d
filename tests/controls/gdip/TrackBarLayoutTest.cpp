// Where the fader's pieces lie: inner rectangle, groove, thumb, tick rows,
// step buttons and rating cells.

#include "controls/gdip/TrackBar.h"
#include "tests/controls/gdip/FaderFixture.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

namespace {

using korvan::testing::GuiTest;

const TRect kMissing{-1, -1, -1, -1};

class TrackBarLayout : public GuiTest {};

TEST_F(TrackBarLayout, AVerticalFaderCentresTheThumbOnItsGroove) {
    TAdvTrackBar bar(nullptr);
    bar.SetOrientation(trVertical);
    bar.SetBounds(0, 0, 26, 150);
    bar.Slider()->SetSize(3);
    bar.Thumb()->SetSize(16);
    bar.TickMark()->SetStyle(tsNone);
    EXPECT_EQ(bar.GetInnerRect(), Rect(3, 3, 23, 147));
    EXPECT_EQ(bar.GetSliderRect(), Rect(13, 3, 16, 147));
    const TRect thumb = bar.GetThumbRect();
    EXPECT_EQ(thumb.Left, 6);
    EXPECT_EQ(thumb.Right, 22);
    EXPECT_EQ(thumb.Bottom, 147) << "Min at the bottom";
    bar.SetPosition(bar.Max());
    EXPECT_EQ(bar.GetThumbRect().Top, 3) << "Max at the top";
    EXPECT_EQ(bar.GetTopLeftTickRect(), kMissing);
    EXPECT_EQ(bar.GetBottomRightTickRect(), kMissing);
}

TEST_F(TrackBarLayout, TicksOnBothSidesFrameTheGrooveAndTheThumbSitsOnIt) {
    TAdvTrackBar bar(nullptr);
    bar.SetBounds(0, 0, 150, 60);
    bar.TickMark()->SetPosition(tmBoth);
    const TRect r1 = bar.GetTopLeftTickRect();
    const TRect s = bar.GetSliderRect();
    const TRect r2 = bar.GetBottomRightTickRect();
    // Track area from y 13 (inner 3 + offset 10); the pointer offset is 5.
    EXPECT_EQ(r1, Rect(8, 13, 142, 17));
    EXPECT_EQ(s, Rect(3, 25, 147, 27));
    EXPECT_EQ(r2, Rect(8, 34, 142, 38)) << "one pixel back for the 3D frame, then the spacing";
    const TRect thumb = bar.GetThumbRect();
    EXPECT_EQ(thumb.Top, 25 + 1 - 15 / 2);
    EXPECT_EQ(thumb.Height(), 15);
    EXPECT_EQ(thumb.Width(), 10);
}

TEST_F(TrackBarLayout, StepButtonsShortenTheTrack) {
    TAdvTrackBar bar(nullptr);
    bar.SetBounds(0, 0, 150, 40);
    bar.Buttons()->SetVisible(true);
    EXPECT_EQ(bar.GetMinButtonRect(), Rect(3, 3, 23, 37));
    EXPECT_EQ(bar.GetMaxButtonRect(), Rect(127, 3, 147, 37));
    const TRect a = bar.GetTrackArea();
    EXPECT_EQ(a.Left, 25);
    EXPECT_EQ(a.Right, 125);
}

TEST_F(TrackBarLayout, RatingCellsFlowInRowsAndAClickPicksAValue) {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetBounds(0, 0, 300, 200);
    auto* bar = new TAdvTrackBar(form.get());
    bar->SetParent(form.get());
    bar->SetBounds(10, 10, 150, 120);
    bar->SetMax(5);
    TGDIPPicture on = korvan::testing::ThumbPicture(clYellow);
    TGDIPPicture off = korvan::testing::ThumbPicture(clGray);
    bar->SetRateActive(&on);
    bar->SetRateInActive(&off);
    ASSERT_TRUE(bar->RatingMode());
    EXPECT_EQ(bar->GetRatingRect(1), Bounds(3, 13, 16, 29));
    EXPECT_EQ(bar->GetRatingRect(3), Bounds(35, 13, 16, 29));
    EXPECT_EQ(bar->GetRatingRect(0), kMissing);
    ShowForm(form.get());
    input.Click(bar, 40, 20);
    EXPECT_EQ(bar->Position(), 3);
    input.Click(bar, 1, 20);
    EXPECT_EQ(bar->Position(), 0) << "just left of the first image";
    // Images wider than half the area: two a row.
    bar->SetWidth(34);
    EXPECT_EQ(bar->GetRatingRect(2), Bounds(19, 13, 16, 29));
    EXPECT_EQ(bar->GetRatingRect(3), Bounds(3, 42, 16, 29));
    EXPECT_EQ(bar->GetRatingRect(5), Bounds(3, 71, 16, 29));
}

} // namespace
