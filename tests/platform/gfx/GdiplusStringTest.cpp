#include "platform/gfx/Gdiplus.h"
#include "platform/gfx/StringLayout.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <QFontMetricsF>
#include <gtest/gtest.h>

using namespace Gdiplus;

namespace {

// The rows and columns that hold ink, and the bands of inked rows.
struct Ink {
    int Left = 1 << 20, Right = -1, Top = 1 << 20, Bottom = -1;
    int Bands = 0;
};

struct StringFixture : ::testing::Test {
    Bitmap bmp{240, 160};
    Graphics g{bmp};
    const Font font{"Tahoma", 10};
    const SolidBrush black{Color(0xFF000000u)};

    Ink Inked() {
        Ink ink;
        bool inBand = false;
        for (int y = 0; y < bmp.Pixels().height(); ++y) {
            bool row = false;
            for (int x = 0; x < bmp.Pixels().width(); ++x)
                if (qAlpha(bmp.Pixels().pixel(x, y)) > 64) {
                    row = true;
                    ink.Left = std::min(ink.Left, x);
                    ink.Right = std::max(ink.Right, x);
                    ink.Top = std::min(ink.Top, y);
                    ink.Bottom = std::max(ink.Bottom, y);
                }
            ink.Bands += row && !inBand;
            inBand = row;
        }
        return ink;
    }
    RectF Measure(const std::string& text, const RectF& layout, const StringFormat* format = nullptr) {
        RectF r;
        g.MeasureString(text, font, layout, format, &r);
        return r;
    }
    double LineHeight() { return Measure("m", RectF{}).Height; }
};

} // namespace

// Words wrap inside the layout rectangle on the lines that measuring gives:
// only x-height letters, so every line is a separate band of ink.
TEST_F(StringFixture, WrapsWordsInTheLayoutRectangleAsMeasured) {
    const std::string text = "mom was now on a narrow oar";
    const RectF layout{10, 10, 80, 140};
    const RectF measured = Measure(text, layout);
    const int lines = static_cast<int>(std::lround(measured.Height / LineHeight()));
    EXPECT_GE(lines, 3);
    EXPECT_LE(measured.Width, layout.Width);

    g.DrawString(text, font, layout, nullptr, black);
    const Ink ink = Inked();
    EXPECT_EQ(ink.Bands, lines);
    EXPECT_GE(ink.Left, 10);
    EXPECT_LE(ink.Right, 10 + measured.Width);
    EXPECT_LE(ink.Bottom, 10 + measured.Height);

    // The same text without a width, or with wrapping switched off, is one line.
    EXPECT_NEAR(Measure(text, RectF{10, 10, 0, 0}).Height, LineHeight(), 0.01);
    const StringFormat noWrap(StringFormatFlagsNoWrap);
    EXPECT_NEAR(Measure(text, layout, &noWrap).Height, LineHeight(), 0.01);
}

TEST_F(StringFixture, NoWrapDrawsOneLineClippedToTheRectangle) {
    const StringFormat noWrap(StringFormatFlagsNoWrap);
    g.DrawString("mom was now on a narrow oar", font, RectF{10, 10, 80, 140}, &noWrap, black);
    const Ink ink = Inked();
    EXPECT_EQ(ink.Bands, 1);
    EXPECT_LE(ink.Right, 90); // half of the edge pixel, centres being on integers
    EXPECT_GT(ink.Right, 80);
}

TEST_F(StringFixture, AlignmentAndLineAlignmentPlaceTheText) {
    struct Case {
        StringAlignment align, lineAlign;
    };
    const RectF layout{20, 20, 200, 120};
    for (const Case c :
         {Case{StringAlignmentNear, StringAlignmentNear}, Case{StringAlignmentCenter, StringAlignmentCenter},
          Case{StringAlignmentFar, StringAlignmentFar}}) {
        SCOPED_TRACE(c.align);
        bmp.Pixels().fill(0);
        StringFormat f;
        f.SetAlignment(c.align);
        f.SetLineAlignment(c.lineAlign);
        g.DrawString("mmmm", font, layout, &f, black);
        const Ink ink = Inked();
        const double pad = font.PixelSize() / 6.0;
        const int leftGap = ink.Left - 20, rightGap = 219 - ink.Right;
        const int topGap = ink.Top - 20, bottomGap = 139 - ink.Bottom;
        switch (c.align) {
        case StringAlignmentNear:
            EXPECT_NEAR(leftGap, pad, 2);
            EXPECT_LT(topGap, 12);
            break;
        case StringAlignmentCenter:
            EXPECT_NEAR(leftGap, rightGap, 2);
            EXPECT_NEAR(topGap, bottomGap, 6); // x-height ink sits low in the line
            break;
        case StringAlignmentFar:
            EXPECT_NEAR(rightGap, pad, 2);
            EXPECT_LT(bottomGap, 6);
            break;
        }
    }
}

TEST_F(StringFixture, CentredOnAPointOrigin) {
    StringFormat f;
    f.SetAlignment(StringAlignmentCenter);
    g.DrawString("mmmm", font, RectF{120, 40, 0, 0}, &f, black);
    const Ink ink = Inked();
    EXPECT_NEAR(ink.Left + ink.Right, 2 * 120, 3);
}

TEST(StringLayoutRules, BreaksAfterBlanksAndHyphensAndInsideOverlongWords) {
    const QFont f = [] {
        QFont q("DejaVu Sans");
        q.setPixelSize(12);
        return q;
    }();
    const double m = QFontMetricsF(f).horizontalAdvance(u'm');
    auto texts = [](const korvan::gfx::StringLayout& l) {
        std::vector<QString> out;
        for (const auto& line : l.Lines)
            out.push_back(line.Text);
        return out;
    };
    using V = std::vector<QString>;
    // Blanks at a break hang on the line and are not measured.
    auto l = korvan::gfx::LayOutString("mm   mm", f, 2.5 * m, false);
    EXPECT_EQ(texts(l), (V{"mm   ", "mm"}));
    EXPECT_DOUBLE_EQ(l.Lines[0].Width, 2 * m);
    EXPECT_GT(korvan::gfx::LayOutString("mm   mm", f, 2.5 * m, true).Lines[0].Width, 2 * m);
    EXPECT_EQ(texts(korvan::gfx::LayOutString("mm-mm", f, 3.5 * m, false)), (V{"mm-", "mm"}));
    EXPECT_EQ(texts(korvan::gfx::LayOutString("mmmmm", f, 2.5 * m, false)), (V{"mm", "mm", "m"}));
    EXPECT_EQ(texts(korvan::gfx::LayOutString("m\r\nm\rm\n", f, 0, false)), (V{"m", "m", "m", ""}));
    // Not even one character fits: one per line, never an endless loop.
    EXPECT_EQ(texts(korvan::gfx::LayOutString("mm", f, 1, false)), (V{"m", "m"}));
}
