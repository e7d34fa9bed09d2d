#include "platform/gfx/Fonts.h"
#include "platform/gfx/Canvas.h"
#include "tests/platform/gfx/PixelProbe.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

#include <vector>

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

// Fonts, metrics and widths are kept between calls: what comes back must be
// what a font made afresh measures, and every property of the font must
// tell kept results apart.
TEST(Fonts, KeptMeasuresMatchFreshFontsAndFollowEveryProperty) {
    const korvan::gfx::FontTextMeasurer measurer;
    const std::vector<std::string> texts = {"+18dB", "0dB", "1KHz", "Q:1.00", "Tahoma Bold sample", ""};
    std::vector<TFont> fonts;
    for (const char* face : {"Tahoma", "Times New Roman"})
        for (int height : {-11, -16, 14})
            for (TFontStyles style : {TFontStyles(0), TFontStyles(fsBold)})
                for (TFontQuality quality : {fqDefault, fqNonAntialiased}) {
                    TFont f;
                    f.SetName(face);
                    f.SetHeight(height);
                    f.SetStyle(style);
                    f.SetQuality(quality);
                    fonts.push_back(f);
                }
    // Twice over, the second time from the kept results, in the other order.
    for (int round = 0; round < 2; ++round) {
        for (std::size_t i = 0; i < fonts.size(); ++i) {
            const TFont& f = fonts[round == 0 ? i : fonts.size() - 1 - i];
            SCOPED_TRACE(f.Name() + " " + std::to_string(f.Height()) + " " + std::to_string(f.Style()) + " " +
                         std::to_string(f.Quality()) + " round " + std::to_string(round));
            const QFont fresh = korvan::gfx::BuildQFont(f);
            EXPECT_EQ(korvan::gfx::MakeQFont(f), fresh);
            const QFontMetrics fm(fresh);
            const korvan::gfx::TextMetric m = measurer.Metrics(f);
            EXPECT_EQ(m.Ascent, fm.ascent());
            EXPECT_EQ(m.Descent, fm.descent());
            EXPECT_EQ(m.AveCharWidth, fm.averageCharWidth());
            for (const std::string& t : texts) {
                const QString q = QString::fromStdString(t);
                EXPECT_EQ(measurer.Width(f, q), fm.horizontalAdvance(q)) << t;
            }
        }
    }
    // Drawing with the kept font gives the pixels of the first drawing.
    const Sample first = DrawSample("Tahoma", -11, fsBold);
    const Sample again = DrawSample("Tahoma", -11, fsBold);
    EXPECT_EQ(first.Ink, again.Ink);
    EXPECT_EQ(first.Width, again.Width);
}
