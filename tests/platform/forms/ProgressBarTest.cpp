// The progress bar: its range and position rules, stepping, a stored form
// whose range crosses while it loads, and the smooth and block drawings.

#include "platform/forms/ProgressBar.h"
#include "platform/forms/Form.h"
#include "platform/forms/FormText.h"
#include "platform/text/Exception.h"
#include "tests/support/gui/GuiHarness.h"

#include <QImage>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using korvan::testing::GuiTest;

class ProgressBarTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 300, 120);
        bar = new TProgressBar(form.get());
        bar->SetParent(form.get());
        bar->SetBounds(10, 10, 202, 18);
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    QImage Shown() {
        ShowForm(form.get());
        return korvan::testing::Grab(bar);
    }
    // The colour of each pixel along the bar's middle row, as text: 'B' the
    // bar, '.' the well, '?' anything else; the sunken edge is left out.
    static std::string MiddleRow(const QImage& image, TColor barColour) {
        std::string row;
        const int y = image.height() / 2;
        for (int x = 1; x < image.width() - 1; ++x) {
            const TColor p = Pixel(image, x, y);
            row += p == ColorToRGB(barColour) ? 'B' : p == ColorToRGB(clBtnFace) ? '.' : '?';
        }
        return row;
    }
    static TColor Pixel(const QImage& image, int x, int y) {
        const QRgb p = image.pixel(x, y);
        return TColor(qRed(p) | qGreen(p) << 8 | qBlue(p) << 16);
    }

    std::unique_ptr<TForm> form;
    TProgressBar* bar = nullptr;
};

TEST_F(ProgressBarTest, PositionStaysInTheRangeAndACrossedRangeIsRefused) {
    EXPECT_EQ(bar->Min(), 0);
    EXPECT_EQ(bar->Max(), 100);
    EXPECT_EQ(bar->Position(), 0);
    EXPECT_FALSE(bar->Smooth());
    const std::pair<int, int> clamps[] = {{50, 50}, {101, 100}, {-3, 0}, {100, 100}, {0, 0}};
    for (const auto& [set, held] : clamps) {
        bar->SetPosition(set);
        EXPECT_EQ(bar->Position(), held) << set;
    }
    // A new range pulls the position in.
    bar->SetPosition(80);
    bar->SetMax(31);
    EXPECT_EQ(bar->Position(), 31);
    bar->SetMin(10);
    bar->SetPosition(2);
    EXPECT_EQ(bar->Position(), 10);
    try {
        bar->SetMax(5);
        ADD_FAILURE() << "a maximum below the minimum";
    } catch (const EInvalidOperation& e) {
        EXPECT_EQ(e.Message(), "TProgressBar property out of range");
    }
    EXPECT_THROW(bar->SetMin(32), EInvalidOperation);
    EXPECT_EQ(bar->Min(), 10);
    EXPECT_EQ(bar->Max(), 31);
    // An empty range holds its one position.
    bar->SetMin(31);
    EXPECT_EQ(bar->Position(), 31);
}

TEST_F(ProgressBarTest, StepItWrapsToTheStartAndStepByStopsAtTheEnds) {
    bar->SetMax(25);
    bar->SetStep(10);
    const int steps[] = {10, 20, 0, 10};
    for (int expected : steps) {
        bar->StepIt();
        EXPECT_EQ(bar->Position(), expected);
    }
    bar->StepBy(100);
    EXPECT_EQ(bar->Position(), 25);
    bar->StepBy(-7);
    EXPECT_EQ(bar->Position(), 18);
    bar->StepBy(-100);
    EXPECT_EQ(bar->Position(), 0);
}

// Min is stored before Max: a range of 200..300 passes through 200..100
// while it loads, and the stored position still comes out whole.
TEST_F(ProgressBarTest, AStoredRangeMayCrossWhileItLoads) {
    TProgressBar stored(nullptr);
    korvan::forms::ReadComponentText("object Bar: TProgressBar\n Min = 200\n Max = 300\n Position = 250\n"
                                     " Smooth = True\n Orientation = pbVertical\nend",
                                     &stored);
    EXPECT_EQ(stored.Min(), 200);
    EXPECT_EQ(stored.Max(), 300);
    EXPECT_EQ(stored.Position(), 250);
    EXPECT_TRUE(stored.Smooth());
    EXPECT_EQ(stored.Orientation(), pbVertical);
    const std::string text = korvan::forms::WriteComponentText(&stored);
    EXPECT_NE(text.find("Smooth = True"), std::string::npos) << text;
    EXPECT_EQ(text.find("Step ="), std::string::npos) << "defaults are not stored\n" << text;
}

TEST_F(ProgressBarTest, TheSmoothBarIsOneRunAndTheOtherIsBlocks) {
    const TColor highlight = clHighlight;
    bar->SetSmooth(true);
    bar->SetPosition(50);
    QImage image = Shown();
    korvan::testing::SavePng(image, "progress_bar_smooth_half");
    // Edge, gap, then 99 pixels of bar over a well of 198.
    const std::string smooth = MiddleRow(image, highlight);
    EXPECT_EQ(smooth, "." + std::string(99, 'B') + std::string(100, '.')) << smooth;
    // The sunken edge: shadow above, highlight below.
    EXPECT_EQ(Pixel(image, 50, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Pixel(image, 50, image.height() - 1), ColorToRGB(clBtnHighlight));

    bar->SetSmooth(false);
    image = Shown();
    korvan::testing::SavePng(image, "progress_bar_blocks_half");
    // Blocks two thirds of the well's 14-pixel height wide, 2 apart.
    const std::string blocks = MiddleRow(image, highlight);
    EXPECT_EQ(blocks.substr(0, 23), ".BBBBBBBBB..BBBBBBBBB..") << blocks;
    EXPECT_EQ(blocks.substr(100), std::string(100, '.')) << blocks;

    // Own colours, and an empty bar shows the well only.
    bar->SetBarColor(clRed);
    bar->SetSmooth(true);
    EXPECT_EQ(MiddleRow(Shown(), clRed).substr(0, 3), ".BB");
    bar->SetPosition(0);
    EXPECT_EQ(MiddleRow(Shown(), highlight), std::string(200, '.'));
}

} // namespace
