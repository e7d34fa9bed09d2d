// The picture of a channel display in both views, written as PNG files
// for a person to look at, with a few probes that the scene is there.

#include "tests/support/gui/GuiApplicationEnvironment.h"
#include "tests/ui/curves/EditorDisplay.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace korvan::curves;
using namespace korvan::curves::testing;

namespace {

std::string OutputPath(const std::string& name) {
    const std::filesystem::path dir = std::filesystem::path(KORVAN_TEST_OUTPUT_DIR) / "curves";
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

int CountColour(const QImage& img, TColor c, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            n += korvan::gfx::FromQRgb(img.pixel(x, y)) == c;
        }
    }
    return n;
}

} // namespace

TEST(DisplayPicture, ChannelInMagnitudeAndPhase) {
    EditorDisplay<> d;
    Plot plot(&d.display);
    plot.SetPhaseMode(0);
    BuildChannel(plot, 4, 3);
    d.display.UpdateCurvePage();
    const QImage magnitude = d.screen.Image().copy();
    ASSERT_TRUE(magnitude.save(QString::fromStdString(OutputPath("channel_magnitude.png"))));

    // The phase view as the editor switches to it.
    plot.SetPhaseMode(1);
    d.display.SetNumHorzGrid(7);
    d.display.SetYLabel("");
    d.display.SetYLabelScale(10);
    d.display.SetYMax(18);
    d.display.SetYMin(-18);
    BuildChannel(plot, 4, 3);
    d.display.UpdateCurvePage();
    const QImage phase = d.screen.Image().copy();
    ASSERT_TRUE(phase.save(QString::fromStdString(OutputPath("channel_phase.png"))));

    // The total is drawn in the first output's colour in both views.
    const TPaintPage& curve = d.display.CurvePage();
    const TRect r = curve.Rect();
    EXPECT_GT(
        CountColour(magnitude, static_cast<TColor>(TotalCurveColors[4]), r.Left, r.Top, r.Right, r.Bottom),
        1000);
    EXPECT_GT(CountColour(phase, static_cast<TColor>(TotalCurveColors[4]), r.Left, r.Top, r.Right, r.Bottom),
              1000);
}
