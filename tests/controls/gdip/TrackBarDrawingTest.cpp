// The banded gradients and colour mixing shared by the fader's painters.

#include "controls/gdip/TrackBarDrawing.h"
#include "platform/text/Rounding.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

namespace {

using korvan::gdip::FillStepGradient;
using korvan::gdip::MixColors;

// Every band painted in full, one after the other, as the rule reads.
void ReferenceGradient(TCanvas& c, TColor from, TColor to, bool horizontal, TRect r, int steps) {
    if (horizontal)
        --r.Right;
    else
        --r.Bottom;
    const double d = double(horizontal ? r.Width() : r.Height()) / steps;
    for (int n = 0; n < steps; ++n) {
        const auto ch = [&](int shift) {
            const int a = int((from >> shift) & 0xFF), b = int((to >> shift) & 0xFF);
            return a + int(Round(double(n) * (b - a) / steps));
        };
        c.Brush().SetColor(RGB(ch(0), ch(8), ch(16)));
        const int start = int(Round(n * d)), len = int(Round(d)) + 1;
        c.FillRect(horizontal ? Rect(r.Left + start, r.Top, r.Left + start + len, r.Bottom)
                              : Rect(r.Left, r.Top + start, r.Right, r.Top + start + len));
    }
}

TEST(TrackBarDrawing, AStepGradientPaintsWhatPaintingEveryBandWould) {
    struct Case {
        int extent, steps;
        bool horizontal;
    };
    for (Case k : {Case{3, 20, true}, Case{187, 20, false}, Case{40, 64, true}, Case{200, 80, false},
                   Case{7, 3, true}, Case{1, 5, false}}) {
        SCOPED_TRACE(::testing::Message() << k.extent << " px, " << k.steps << " bands");
        const TRect r = k.horizontal ? Rect(2, 1, 2 + k.extent, 9) : Rect(1, 2, 9, 2 + k.extent);
        QImage mine(12, k.extent + 6, QImage::Format_RGB32), theirs(12, k.extent + 6, QImage::Format_RGB32);
        if (k.horizontal)
            mine = theirs = QImage(k.extent + 6, 12, QImage::Format_RGB32);
        mine.fill(Qt::gray);
        theirs.fill(Qt::gray);
        TCanvas a(&mine), b(&theirs);
        FillStepGradient(a, clWhite, RGB(10, 120, 250), k.horizontal, r, k.steps);
        ReferenceGradient(b, clWhite, RGB(10, 120, 250), k.horizontal, r, k.steps);
        EXPECT_EQ(mine, theirs);
    }
}

TEST(TrackBarDrawing, MixColorsTakesThePercentOfTheFirst) {
    EXPECT_EQ(MixColors(clRed, clBlue, 100), clRed);
    EXPECT_EQ(MixColors(clRed, clBlue, 0), clBlue);
    EXPECT_EQ(MixColors(RGB(100, 0, 200), clWhite, 10), RGB(240, 230, 250));
    EXPECT_EQ(MixColors(RGB(0, 0, 0), RGB(255, 255, 255), 50), RGB(128, 128, 128)) << "127.5 rounds to even";
}

} // namespace
