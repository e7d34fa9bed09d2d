#include "platform/gfx/Canvas.h"
#include "tests/platform/gfx/PixelProbe.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

namespace {

struct Sample {
    int Ink = 0; // sum of darkness over every pixel
    int Width = 0;
};

Sample DrawSample(const std::string& face, int height, TFontStyles style) {
    QImage img = korvan::test::WhiteImage(200, 40);
    TCanvas c(&img);
    c.Brush().SetStyle(bsClear);
    c.Font().SetName(face);
    c.Font().SetHeight(height);
    c.Font().SetStyle(style);
    const std::string text = "Tahoma Bold sample";
    c.TextOut(2, 2, text);
    Sample s;
    s.Width = c.TextWidth(text);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            s.Ink += 255 - qGray(img.pixel(x, y));
    return s;
}

} // namespace

// Bold text must look bold at the small sizes of dialogs and keep the
// spacing of the regular face (a bold face with regular outlines on wide
// advances once drew thin, gappy text).
TEST(Fonts, BoldIsHeavierAndSpacedLikeRegular) {
    for (const char* face : {"Tahoma", "Arial", "Verdana"})
        for (int height : {-11, -13, -16}) {
            SCOPED_TRACE(std::string(face) + " " + std::to_string(height));
            const Sample regular = DrawSample(face, height, 0);
            const Sample bold = DrawSample(face, height, fsBold);
            EXPECT_GT(bold.Ink, regular.Ink * 5 / 4);
            EXPECT_GE(bold.Width, regular.Width);
            EXPECT_LE(bold.Width, regular.Width * 6 / 5);
        }
}
