#include "controls/gdip/AdvProgressBar.h"
#include "controls/gdip/GdipClasses.h"
#include "platform/forms/TypeInfo.h"
#include "platform/gfx/Bitmap.h"
#include "tests/support/gui/GuiHarness.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

// Counts the draws a position change asks for at once.
class CountingBar : public TAdvProgressBar {
public:
    using TAdvProgressBar::TAdvProgressBar;
    int draws = 0;

protected:
    void DrawNow() override { ++draws; }
};

class ProgressBarTest : public korvan::testing::GuiTest {};

TEST_F(ProgressBarTest, PositionDrawsAtOnceWhenThePercentageOrBlockChanges) {
    CountingBar bar(nullptr);
    bar.SetPosition(0);
    bar.SetMax(29); // block size 0: every accepted position draws
    bar.draws = 0;
    for (int v = 0; v <= 29; ++v)
        bar.SetPosition(v);
    EXPECT_EQ(bar.draws, 30);

    bar.SetMax(1000); // block size 10
    bar.SetPosition(0);
    struct Step {
        int value;
        bool drawn;
    };
    for (const Step& s : {Step{4, false}, Step{6, true}, Step{10, true}, Step{12, false}}) {
        bar.draws = 0;
        bar.SetPosition(s.value);
        EXPECT_EQ(bar.draws, s.drawn ? 1 : 0) << s.value;
    }
    // Outside the range: clamped, not drawn.
    bar.draws = 0;
    bar.SetPosition(1001);
    EXPECT_EQ(bar.Position(), 1000);
    bar.SetPosition(-1);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(bar.draws, 0);
    // Max and Min do not clamp the position.
    bar.SetPosition(500);
    bar.SetMax(100);
    EXPECT_EQ(bar.Position(), 500);
}

TEST_F(ProgressBarTest, PercentageCountsFromMin) {
    struct Case {
        int min, max, position, percent;
    };
    for (const Case& c : {Case{0, 29, 20, 69}, Case{0, 29, 21, 72}, Case{0, 29, 27, 93}, Case{0, 29, 29, 100},
                          Case{10, 20, 15, 50}, Case{10, 20, 10, 0}, Case{-50, 50, 0, 50}, Case{5, 5, 5, 0}})
        EXPECT_EQ(korvan::gdip::GaugePercent(c.position, c.min, c.max), c.percent) << c.min << ".." << c.max;
}

// The text a bar writes, from a recording of its drawing.
std::string TextOf(TAdvProgressBar& bar) {
    korvan::gfx::RecordingCanvas canvas(bar.Width(), bar.Height());
    TGaugeSettings s{};
    s.Font = &bar.Font();
    s.ShowPosition = true;
    s.ShowPercentage = bar.ShowPercentage();
    s.Format = bar.Format();
    s.Position = korvan::gdip::GaugePercent(bar.Position(), bar.Min(), bar.Max());
    s.Value = bar.Position();
    s.Max = bar.Max();
    s.Steps = 8;
    korvan::gdip::DrawGauge(canvas, Rect(0, 0, bar.Width(), bar.Height()), s);
    const auto calls = canvas.CallsNamed("TextOut");
    return calls.empty() ? "(none)" : calls.back().Text;
}

TEST_F(ProgressBarTest, TextShowsPercentValueOrFormat) {
    TAdvProgressBar bar(nullptr);
    bar.SetMin(10);
    bar.SetMax(20);
    bar.SetPosition(15);
    EXPECT_EQ(TextOf(bar), "50%");
    bar.SetShowPercentage(false);
    EXPECT_EQ(TextOf(bar), "15");
    bar.SetMin(0);
    bar.SetMax(29);
    bar.SetPosition(12);
    bar.SetFormat("%d of %d");
    EXPECT_EQ(TextOf(bar), "12 of 29");
    bar.SetFormat("%s %s %s"); // not two integers: no text rather than an error
    EXPECT_EQ(TextOf(bar), "(none)");
    bar.SetFormat("");
    bar.SetShowPercentage(true);
    bar.SetMax(0);
    bar.SetPosition(0);
    EXPECT_EQ(TextOf(bar), "0%");
}

QImage Drawn(TAdvProgressBar& bar, int percent, bool text = false) {
    TBitmap b(bar.Width(), bar.Height());
    TGaugeSettings s{bar.Level0Color(),
                     bar.Level0ColorTo(),
                     bar.Level1Color(),
                     bar.Level1ColorTo(),
                     bar.Level2Color(),
                     bar.Level2ColorTo(),
                     bar.Level3Color(),
                     bar.Level3ColorTo(),
                     bar.Level1Perc(),
                     bar.Level2Perc(),
                     bar.BorderColor(),
                     bar.Level0BkColor(),
                     bar.Level1BkColor(),
                     bar.Level2BkColor(),
                     bar.ShowBorder(),
                     bar.Stacked(),
                     bar.ShowPercentage(),
                     text,
                     &bar.Font(),
                     bar.CompletionSmooth(),
                     bar.ShowGradient(),
                     bar.Steps(),
                     percent,
                     percent,
                     100,
                     bar.BackgroundColor(),
                     bar.Orientation(),
                     bar.Rounded(),
                     "",
                     false,
                     0};
    korvan::gdip::DrawGauge(b.Canvas(), Rect(0, 0, bar.Width(), bar.Height()), s);
    return b.Image();
}

TEST_F(ProgressBarTest, BlocksInLevelColours) {
    TAdvProgressBar bar(nullptr); // 128 x 18
    // At 50 %: seven 7-pixel blocks from x = 2 with 2-pixel gaps, no rest.
    const QImage half = Drawn(bar, 50);
    const int mid = 9; // first row of the lower half: the level colour itself
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(half.pixel(2 + 9 * i + 3, mid) & 0xFFFFFF, 0x00FF00u) << i;
        EXPECT_EQ(half.pixel(2 + 9 * i + 8, mid) & 0xFFFFFF, 0xFFFFFFu) << i;
    }
    EXPECT_EQ(half.pixel(70, mid) & 0xFFFFFF, 0xFFFFFFu);
    struct Case {
        int percent;
        QRgb colour;
    };
    for (const Case& c : {Case{69, 0x00FF00}, Case{72, 0xFFFF00}, Case{93, 0xFFA953}, Case{100, 0xFF0000}})
        EXPECT_EQ(Drawn(bar, c.percent).pixel(5, mid) & 0xFFFFFF, c.colour) << c.percent;
}

TEST_F(ProgressBarTest, InfiniteModeTravelsOnTheTimer) {
    TAdvProgressBar bar(nullptr);
    bar.SetInfinite(true);
    EXPECT_FALSE(bar.TimerRunning());
    bar.SetAnimated(true);
    EXPECT_TRUE(bar.TimerRunning());
    AdvanceTimers(50);
    EXPECT_EQ(bar.InfinitePos(), 0);
    AdvanceTimers(50 * 25);
    EXPECT_EQ(bar.InfinitePos(), 100);
    AdvanceTimers(50);
    EXPECT_EQ(bar.InfinitePos(), 96);
    bar.SetAnimated(false);
    EXPECT_FALSE(bar.TimerRunning());
}

TEST_F(ProgressBarTest, ReadFromAForm) {
    korvan::gdip::RegisterGdipClasses();
    const TClassInfo* info = FindClass("TAdvProgressBar");
    ASSERT_NE(info, nullptr);
    EXPECT_NE(info->FindProperty("Level1Perc"), nullptr);
    EXPECT_NE(info->FindProperty("CompletionSmooth"), nullptr);
}

TEST_F(ProgressBarTest, LevelsPicture) {
    QImage page(300, 260, QImage::Format_RGB32);
    page.fill(0xFFF0F0F0u);
    QPainter painter(&page);
    int y = 6;
    auto place = [&](TAdvProgressBar& bar, int percent, int x) {
        painter.drawImage(x, y, Drawn(bar, percent, true));
    };
    TAdvProgressBar blocks(nullptr);
    blocks.SetWidth(200);
    for (int percent : {30, 72, 93, 100}) {
        place(blocks, percent, 6);
        y += 24;
    }
    TAdvProgressBar smooth(nullptr);
    smooth.SetWidth(200);
    smooth.SetCompletionSmooth(true);
    smooth.SetLevel0BkColor(0xE0FFE0);
    smooth.SetLevel1BkColor(0xC0FFFF);
    smooth.SetLevel2BkColor(0xC0C0FF);
    place(smooth, 60, 6);
    y += 24;
    TAdvProgressBar stacked(nullptr);
    stacked.SetWidth(200);
    stacked.SetStacked(true);
    stacked.SetCompletionSmooth(true);
    place(stacked, 95, 6);
    y += 24;
    TAdvProgressBar square(nullptr);
    square.SetWidth(200);
    square.SetRounded(false);
    square.SetShowGradient(false);
    place(square, 45, 6);
    y = 6;
    TAdvProgressBar vertical(nullptr);
    vertical.SetBounds(0, 0, 24, 200);
    vertical.SetOrientation(goVertical);
    place(vertical, 80, 230);
    painter.end();
    korvan::testing::SavePng(page, "progress_bar_levels");
    SUCCEED();
}

} // namespace
