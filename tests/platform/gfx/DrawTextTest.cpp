#include "platform/gfx/Canvas.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Fonts.h"
#include "tests/platform/gfx/PixelProbe.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

// Every character 6 wide, lines 13 high.
struct DrawTextFixture : ::testing::Test {
    korvan::gfx::ScopedTextMeasurer fake{std::make_unique<korvan::gfx::FixedTextMeasurer>(6, 11, 2)};
    korvan::gfx::RecordingCanvas c{200, 100};

    TRect Calc(const std::string& text, TRect r, unsigned flags) {
        c.DrawText(text, r, flags | DT_CALCRECT);
        return r;
    }
};

} // namespace

TEST_F(DrawTextFixture, CalculateRectangle) {
    EXPECT_EQ(Calc("abc", Rect(10, 10, 100, 20), DT_SINGLELINE), Rect(10, 10, 28, 23));
    EXPECT_EQ(Calc("ab\ncdef", Rect(0, 0, 100, 0), 0), Rect(0, 0, 24, 26));
    // '&' prefixes take no room; "&&" is one ampersand.
    EXPECT_EQ(Calc("&File", Rect(0, 0, 100, 0), 0).Right, 24);
    EXPECT_EQ(Calc("a&&b", Rect(0, 0, 100, 0), 0).Right, 18);
    EXPECT_EQ(Calc("&File", Rect(0, 0, 100, 0), DT_NOPREFIX).Right, 30);
}

TEST_F(DrawTextFixture, WordBreakDropsBlanksAtTheBreak) {
    // 30 pixels hold five characters.
    EXPECT_EQ(Calc("aaa bbb ccc", Rect(0, 0, 30, 0), DT_WORDBREAK), Rect(0, 0, 18, 39));
    // A word longer than the line is not split.
    EXPECT_EQ(Calc("abcdefgh", Rect(0, 0, 30, 0), DT_WORDBREAK), Rect(0, 0, 48, 13));
}

TEST_F(DrawTextFixture, TabsExpandToEightAverageCharacters) {
    EXPECT_EQ(Calc("a\tb", Rect(0, 0, 200, 0), DT_EXPANDTABS).Right, 48 + 6);
}

TEST_F(DrawTextFixture, EllipsisFitsTheWidth) {
    TRect r = Rect(0, 0, 36, 13);
    std::string text = "abcdefghij";
    c.TextRect(r, text, DT_END_ELLIPSIS | DT_SINGLELINE | DT_MODIFYSTRING);
    EXPECT_EQ(Calc("abcdefghij", Rect(0, 0, 36, 0), DT_END_ELLIPSIS | DT_SINGLELINE).Right, 36);
    EXPECT_EQ(Calc("c:\\dir\\file.txt", Rect(0, 0, 90, 0), DT_PATH_ELLIPSIS | DT_SINGLELINE).Right, 90);
}

TEST_F(DrawTextFixture, VerticalCentringOnlyForSingleLines) {
    c.Font().SetColor(clBlack);
    c.Brush().SetStyle(bsClear);
    TRect r = Rect(0, 0, 100, 33);
    EXPECT_EQ(c.DrawText("x", r, DT_SINGLELINE | DT_VCENTER), 10 + 13);
    r = Rect(0, 0, 100, 33);
    EXPECT_EQ(c.DrawText("x", r, DT_VCENTER), 13); // ignored without single line
}

TEST(TextOutput, OpaqueBackgroundAndRotatedTextDrawSomething) {
    QImage img = korvan::test::WhiteImage(80, 80);
    TCanvas c(&img);
    c.Font().SetName("Tahoma");
    c.Font().SetHeight(-12);
    c.Brush().SetColor(clYellow); // solid brush: opaque text background
    c.TextOut(2, 2, "Ab");
    EXPECT_GT(korvan::test::CountColour(img, clYellow), 0);
    EXPECT_EQ(c.PenPos().X, 2 + c.TextWidth("Ab"));
    EXPECT_GT(c.TextHeight("Ab"), 10);

    QImage rot = korvan::test::WhiteImage(80, 80);
    TCanvas r(&rot);
    r.Brush().SetStyle(bsClear);
    r.Font().SetOrientation(900); // bottom to top
    r.TextOut(40, 70, "Hello");
    int top = 80, bottom = -1;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 80; ++x)
            if ((rot.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    EXPECT_LE(bottom, 70);
    EXPECT_GT(bottom - top, 15); // runs vertically
}

TEST(TextOutput, TurnedTextStaysInsideItsTurnedCell) {
    // The text's cell (width x height from the reference point) turned about
    // that point; a turned text's ink must lie inside it, whatever the face.
    struct Case {
        const char* face;
        int height;
        int orientation;
    };
    const Case cases[] = {{"MS Sans Serif", -11, 900},  {"MS Sans Serif", -11, 1800},
                          {"MS Sans Serif", -11, 2700}, {"Arial", -13, 900},
                          {"Arial", -13, 1800},         {"Arial", -13, 2700}};
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.face) + " " + std::to_string(k.orientation));
        QImage img = korvan::test::WhiteImage(120, 120);
        TCanvas c(&img);
        c.Brush().SetStyle(bsClear);
        c.Font().SetName(k.face);
        c.Font().SetHeight(k.height);
        c.Font().SetOrientation(k.orientation);
        const int w = c.TextWidth("Hgjy"), h = c.TextHeight("Hgjy");
        c.TextOut(60, 60, "Hgjy");
        QRect cell;
        switch (k.orientation) {
        case 900:
            cell = QRect(60, 60 - w, h, w);
            break;
        case 1800:
            cell = QRect(60 - w, 60 - h, w, h);
            break;
        default:
            cell = QRect(60 - h, 60, h, w);
            break;
        }
        QRect ink;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                    ink |= QRect(x, y, 1, 1);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_TRUE(cell.adjusted(-1, -1, 1, 1).contains(ink))
            << "cell " << cell.x() << "," << cell.y() << " " << cell.width() << "x" << cell.height()
            << " ink " << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    }
}

TEST(TextOutput, TextsDrawnAgainFromKeptShapesLeaveThePixelsOfShapingAnew) {
    // The same texts through TextOut, twice (the second time from the kept
    // shapes), against the painter shaping and drawing each one itself.
    struct Face {
        const char* name;
        int height;
        TFontStyles style;
        TFontQuality quality;
    };
    const Face faces[] = {{"MS Sans Serif", -11, 0, fqDefault},
                          {"Tahoma", -11, fsBold, fqDefault},
                          {"Arial", -13, 0, fqAntialiased},
                          {"Arial", -9, fsItalic, fqNonAntialiased}};
    const char* const texts[] = {
        "+18dB", "-12", "1.2KHz", "Q:0.71", "HPF", "AVAV fi", "\xe4\xb8\xad\xe6\x96\x87"};
    for (const Face& face : faces) {
        for (const char* text : texts) {
            QImage kept = korvan::test::WhiteImage(90, 24), fresh = kept;
            TCanvas canvas(&kept);
            canvas.Font().SetName(face.name);
            canvas.Font().SetHeight(face.height);
            canvas.Font().SetStyle(face.style);
            canvas.Font().SetQuality(face.quality);
            canvas.Font().SetColor(static_cast<TColor>(0x2060C0));
            canvas.SetBkMode(TRANSPARENT);
            canvas.TextOut(3, 2, text);
            canvas.TextOut(40, 5, text);
            {
                QPainter p(&fresh);
                p.setRenderHint(QPainter::TextAntialiasing, face.quality != fqNonAntialiased);
                p.setFont(korvan::gfx::MakeQFont(canvas.Font()));
                p.setPen(QColor::fromRgb(korvan::gfx::ToQRgb(canvas.Font().Color())));
                const int ascent = canvas.GetTextMetrics().Ascent;
                p.drawText(QPointF(3, 2 + ascent), QString::fromUtf8(text));
                p.drawText(QPointF(40, 5 + ascent), QString::fromUtf8(text));
            }
            EXPECT_EQ(kept, fresh) << face.name << " " << text << ": first difference "
                                   << korvan::test::FirstDifference(kept, fresh);
        }
    }
}
