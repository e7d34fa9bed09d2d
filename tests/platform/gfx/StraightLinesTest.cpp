// Horizontal and vertical one-pixel lines written as runs against the
// stepping of the raster-operation path: on black, merging the pen gives
// the pen colour, so both must leave the same pixels.

#include "platform/gfx/Canvas.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>
#include <random>

TEST(StraightLines, RunsOfGridLinesLeaveThePixelsOfTheSteppedPath) {
    std::mt19937 rng(29);
    std::uniform_int_distribution<int> coordinate(-8, 30);
    for (int round = 0; round < 200; ++round) {
        const int x1 = coordinate(rng), y1 = coordinate(rng);
        // Both directions, both axes, zero length, ends on and beyond the
        // image and the clip.
        const int length = coordinate(rng) - 8;
        const bool vertical = round % 2 == 1;
        const int x2 = vertical ? x1 : x1 + length;
        const int y2 = vertical ? y1 + length : y1;
        QImage direct(22, 18, QImage::Format_RGB32), merged(22, 18, QImage::Format_RGB32);
        direct.fill(0xFF000000u);
        merged.fill(0xFF000000u);
        TCanvas byCopy(&direct), byMerge(&merged);
        byMerge.Pen().SetMode(pmMerge);
        for (TCanvas* c : {&byCopy, &byMerge}) {
            c->Pen().SetColor(static_cast<TColor>(0x30B0D0));
            c->SetViewportOrg(round % 3 - 1, round % 5 - 2);
            if (round % 4 >= 2)
                c->IntersectClipRect(TRect{3, 2, 16, 13});
            c->MoveTo(x1, y1);
            c->LineTo(x2, y2);
            c->LineTo(x2 + 3, y2 + 7); // the pen goes on from the run's end
        }
        ASSERT_EQ(direct, merged) << "round " << round << ": " << x1 << "," << y1 << " to " << x2 << ","
                                  << y2;
    }
}
