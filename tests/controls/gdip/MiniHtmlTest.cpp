#include "controls/gdip/MiniHtml.h"
#include "PictureTestSupport.h"
#include "controls/gdip/GDIPPictureContainer.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <random>

using namespace korvan::gdip;

namespace {

class MiniHtmlTest : public ::testing::Test {
protected:
    void SetUp() override {
        korvan::testing::EnsureGuiApplication();
        font.SetName("Tahoma");
        font.SetSize(8);
        font.SetColor(clBlack);
    }
    MiniHtmlResult Measure(const std::string& text, TRect rect = Rect(0, 0, 500, 300),
                           MiniHtmlOptions options = {}) {
        options.MeasureOnly = true;
        MiniHtmlResult r;
        DrawMiniHtml(graphics, font, text, rect, options, r);
        return r;
    }
    // The width the renderer measures for one run in a font of `points`.
    int RunWidth(const std::string& run, int points = 8, TFontStyles style = 0) {
        TFont f;
        f.Assign(font);
        f.SetSize(points);
        f.SetStyle(style);
        TRect r = Rect(0, 0, 100, 100);
        HtmlDrawText(graphics, run, r, f, kHtmlMeasure, clNone);
        return r.Width();
    }
    int TextHeight(const std::string& text, int points = 8) {
        TFont f;
        f.Assign(font);
        f.SetSize(points);
        return HtmlTextHeight(graphics, text, f);
    }

    Gdiplus::Bitmap bitmap{600, 300};
    Gdiplus::Graphics graphics{bitmap};
    TFont font;
};

TEST_F(MiniHtmlTest, MeasuresLayoutBoxes) {
    const int gh = TextHeight("gh");
    struct Case {
        const char* text;
        int width;
        int height;
        const char* plain;
    };
    const Case cases[] = {
        {"<FONT size=\"20\" color=\"clWhite\">Loading Program....</FONT><br>",
         RunWidth("Loading ", 20) + RunWidth("Program....", 20) + 2, TextHeight("Loading ", 20) + 2,
         "Loading Program....\r"},
        // Entities become visible characters and open no tag.
        {"a &lt;b&gt; c", RunWidth("a ") + RunWidth("<b> ") + RunWidth("c") + 2, gh + 2, "a <b> c"},
        {"x &amp; y", RunWidth("x ") + RunWidth("& ") + RunWidth("y") + 2, gh + 2, "x & y"},
        // The lone space between two tags adds no measured width.
        {"<B>x</B> <B>y</B>", RunWidth("x", 8, fsBold) + RunWidth("y", 8, fsBold) + 2, gh + 2, "x y"},
        // Sizes 1 to 5 map to points; other numbers are points.
        {"<FONT SIZE=\"3\">m</FONT>", RunWidth("m", 12) + 2, std::max(gh, TextHeight("m", 12)) + 2, "m"},
        {"<FONT SIZE=\"12\">m</FONT>", RunWidth("m", 12) + 2, std::max(gh, TextHeight("m", 12)) + 2, "m"},
        {"<FONT SIZE=\"0\">mmmmmmmmmm</FONT>", RunWidth("mmmmmmmmmm", 1) + 2, gh + 2, "mmmmmmmmmm"},
        // Hidden text is measured for nothing but still in the plain text.
        {"a<Z>hidden</Z>", RunWidth("a") + 2, gh + 2, "ahidden"},
        {"", 0, gh + 2, ""},
    };
    for (const Case& c : cases) {
        const MiniHtmlResult r = Measure(c.text);
        EXPECT_EQ(r.Width, c.width) << c.text;
        EXPECT_EQ(r.Height, c.height) << c.text;
        EXPECT_EQ(r.PlainText, c.plain) << c.text;
    }
}

TEST_F(MiniHtmlTest, WrapsAtSpacesAndKeepsLongWordsWhole) {
    const int gh = TextHeight("gh");
    const int narrow = RunWidth("aaaa ") + 4;
    MiniHtmlResult r = Measure("aaaa bbbb", Rect(0, 0, narrow, 300));
    EXPECT_EQ(r.Height, gh + 2 + gh + 2) << "two lines with the line spacing between";
    EXPECT_EQ(r.PlainText, "aaaa bbbb") << "each word once";

    r = Measure("abcdefghijklmnop", Rect(0, 0, 20, 300));
    EXPECT_EQ(r.Height, gh + 2);
    EXPECT_EQ(r.Width, RunWidth("abcdefghijklmnop") + 2);

    // A list: the UL line, then each LI begins a line of its own.
    r = Measure("<UL><LI>one<LI>two<LI>three</UL>");
    EXPECT_EQ(r.Height, 4 * gh + 3 * 2 + 2);
}

TEST_F(MiniHtmlTest, ColourValues) {
    EXPECT_EQ(HtmlHexToColor("#FF0000"), clRed);
    EXPECT_EQ(HtmlHexToColor("#00FF80"), TColor(0x80FF00));
    EXPECT_EQ(HtmlHexToColor("#F"), clBlack);
    EXPECT_EQ(HtmlColorByName("clred"), clRed);
    EXPECT_EQ(HtmlColorByName("clhighlight"), clHighlight);
    EXPECT_EQ(HtmlColorByName("notacolour"), clBlack);
}

TEST_F(MiniHtmlTest, HitTestsAnchorsAndImages) {
    TGDIPPictureContainer pictures(nullptr);
    TPictureItem* item = pictures.Items()->Add();
    item->SetName("dot");
    item->Picture()->LoadFromStream(
        korvan::gdip::testing::PngFile(korvan::gdip::testing::Swatch(30, 20, 0xFF00FF00u, 0xFF00FF00u)));

    MiniHtmlOptions o;
    o.HitTestOnly = true;
    o.Pictures = &pictures;
    const TRect rect = Rect(180, 10, 580, 300);
    const int start = 181 + RunWidth("see ");
    o.X = start + 3;
    o.Y = 10 + TextHeight("gh") / 2;
    MiniHtmlResult r;
    EXPECT_TRUE(DrawMiniHtml(graphics, font, "see <A HREF=\"go:here\">link</A> now", rect, o, r));
    EXPECT_EQ(r.Anchor, "go:here");
    EXPECT_EQ(r.AnchorCount, 1);
    EXPECT_EQ(r.HoverAnchor, 1);
    EXPECT_EQ(r.HoverRect.Left, start);
    EXPECT_EQ(r.HoverRect.Right, start + RunWidth("link"));

    // Off the anchor: nothing hit, the caller's anchor text stays.
    r = {};
    r.Anchor = "kept";
    o.X = 182;
    EXPECT_FALSE(DrawMiniHtml(graphics, font, "see <A HREF=\"go\">link</A>", rect, o, r));
    EXPECT_EQ(r.Anchor, "kept");

    // A picture inside an anchor, and an offset that carries to later lines.
    r = {};
    o.X = 181 + 20 + 10;
    o.Y = 15;
    EXPECT_TRUE(
        DrawMiniHtml(graphics, font, "<OF x=\"20\"><A HREF=\"pic\"><IMG SRC=\"dot\"></A>", rect, o, r));
    EXPECT_EQ(r.Anchor, "pic");
    const MiniHtmlResult m = Measure("<IMG SRC=\"dot\">", rect, o);
    EXPECT_EQ(m.Width, 32);
    EXPECT_EQ(m.Height, 22);
    // A picture that does not fit the rest of the line begins the next one.
    const MiniHtmlResult wrapped = Measure("ab <IMG SRC=\"dot\">", Rect(0, 0, RunWidth("ab ") + 20, 300), o);
    EXPECT_EQ(wrapped.Height, TextHeight("gh") + 2 + 20 + 2);
}

TEST_F(MiniHtmlTest, DrawingStopsAtTheBottomButMeasuringDoesNot) {
    const std::string text = "one<BR>two<BR>three<BR>four<BR>five";
    MiniHtmlOptions draw;
    MiniHtmlResult drawn;
    DrawMiniHtml(graphics, font, text, Rect(0, 0, 200, 2 * TextHeight("gh")), draw, drawn);
    const MiniHtmlResult measured = Measure(text, Rect(0, 0, 200, 2 * TextHeight("gh")));
    EXPECT_LT(drawn.Height, measured.Height);
    EXPECT_EQ(measured.PlainText, "one\rtwo\rthree\rfour\rfive");
}

TEST_F(MiniHtmlTest, BodyBackgroundSurvivesAClosingFontTag) {
    bitmap.Pixels().fill(0xFFFFFFFFu);
    MiniHtmlResult r;
    DrawMiniHtml(graphics, font, "<BODY BGCOLOR=\"clYellow\"><FONT COLOR=\"clRed\">a</FONT> bbbb",
                 Rect(0, 0, 300, 100), {}, r);
    const int from = 1 + RunWidth("a ") + 3, to = 1 + RunWidth("a ") + RunWidth("bbbb") - 3;
    int yellow = 0;
    for (int x = from; x < to; ++x)
        yellow += bitmap.Pixels().pixel(x, 2) == 0xFFFFFF00u;
    EXPECT_GT(yellow, (to - from) / 2);
}

// Tag soup from a fixed seed: every call ends, and what it reports stays
// within what the text can need.
TEST_F(MiniHtmlTest, RandomTagSoupEndsAndStaysInBounds) {
    static const char* const kPieces[] = {"<",
                                          ">",
                                          "</",
                                          "<B>",
                                          "</B>",
                                          "<I>",
                                          "<U>",
                                          "</U>",
                                          "<UL>",
                                          "</UL>",
                                          "<LI>",
                                          "<LI TYPE=\"CIRCLE\">",
                                          "<BR>",
                                          "<HR>",
                                          "<P ALIGN=\"RIGHT\">",
                                          "<P ALIGN=\"CENTER\" INDENT=\"9\">",
                                          "</P>",
                                          "<FONT SIZE=\"",
                                          "<FONT SIZE=\"99999\">",
                                          "<FONT FACE=\"X\" COLOR=\"#12\">",
                                          "</FONT>",
                                          "<A HREF=\"",
                                          "<A HREF=\"u\">",
                                          "</A>",
                                          "<IMG SRC=\"IDX:5\">",
                                          "<IMG SRC=\"SSYS:1\" WIDTH=\"9\">",
                                          "<IND x=\"50\">",
                                          "<OF x=\"999\">",
                                          "</O>",
                                          "<SUB>",
                                          "<SUP>",
                                          "</SU>",
                                          "<SH>",
                                          "</SH>",
                                          "<E>",
                                          "</E>",
                                          "<Z>",
                                          "</Z>",
                                          "<HI>",
                                          "</HI>",
                                          "<BODY BGCOLOR=\"clRed\">",
                                          "<BLINK>",
                                          "&amp;",
                                          "&lt;",
                                          "&",
                                          "&nbsp;",
                                          "\r",
                                          "\n",
                                          " ",
                                          "  ",
                                          "word ",
                                          "longerword",
                                          "x",
                                          "\"",
                                          "=",
                                          "<#",
                                          "<LI TYPE=\"IMAGE\" NAME=\"no\">"};
    std::mt19937 random(19);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(kPieces) - 1);
    std::uniform_int_distribution<int> length(0, 60), width(0, 120);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (int i = length(random); i > 0; --i)
            text += kPieces[pick(random)];
        for (const bool measureOnly : {true, false}) {
            MiniHtmlOptions o;
            o.MeasureOnly = measureOnly;
            o.X = width(random);
            o.Y = width(random);
            o.WordWrap = round % 5 != 0;
            MiniHtmlResult r;
            DrawMiniHtml(graphics, font, text, Rect(10, 10, 10 + width(random), 200), o, r);
            EXPECT_GE(r.Width, 0) << text;
            EXPECT_GE(r.Height, 2) << text;
            EXPECT_LE(r.PlainText.size(), text.size() + 1) << text;
            EXPECT_LE(r.AnchorCount, static_cast<int>(text.size())) << text;
        }
    }
}

TEST_F(MiniHtmlTest, Sampler) {
    TGDIPPictureContainer pictures(nullptr);
    TPictureItem* item = pictures.Items()->Add();
    item->SetName("dot");
    item->Picture()->LoadFromStream(
        korvan::gdip::testing::PngFile(korvan::gdip::testing::Swatch(16, 16, 0xFF3060C0u, 0xFF3060C0u)));
    Gdiplus::Bitmap page(420, 260);
    page.Pixels().fill(0xFFFFFFFFu);
    Gdiplus::Graphics g(page);
    g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
    MiniHtmlOptions o;
    o.Pictures = &pictures;
    o.HoverLink = 1;
    o.HoverColor = clYellow;
    const std::string text =
        "<B>Bold</B> <I>italic</I> <U>underline</U> <S>strike</S> H<SUB>2</SUB>O x<SUP>2</SUP><BR>"
        "<FONT FACE=\"Times New Roman\" SIZE=\"4\" COLOR=\"#C00000\">Serif red 14</FONT> "
        "<FONT BGCOLOR=\"clAqua\">aqua back</FONT> <SH>shadow</SH> <E>misspeled</E><BR>"
        "<P ALIGN=\"CENTER\">centred line with &amp; and &lt;tags&gt;</P>"
        "<P ALIGN=\"LEFT\"><UL><LI>first<LI>second<UL><LI>nested</UL><LI TYPE=\"SQUARE\" "
        "COLOR=\"clRed\">square</UL><BR>"
        "Picture <IMG SRC=\"dot\"> and <A HREF=\"x\">a link</A> and <HI>highlight</HI><HR>"
        "wrapped words wrapped words wrapped words wrapped words wrapped words wrapped words";
    MiniHtmlResult r;
    DrawMiniHtml(g, font, text, Rect(4, 4, 416, 256), o, r);
    korvan::testing::SavePng(page.Pixels(), "mini_html_sampler");
    EXPECT_GT(r.Height, 100);
}

// System icons: a path, a file type or an index of the desktop's file
// icons, 16 pixels small and 32 large; the size counts in the layout
// whether or not there is an icon to draw.
TEST_F(MiniHtmlTest, SystemIconsTakeTheListSizeAndDraw) {
    const int gh = TextHeight("gh");
    struct Case {
        const char* src;
        int side;
        bool drawn;
    };
    const std::string folder = ::testing::TempDir();
    const Case cases[] = {
        {"SSYS:0", 16, true},                // our own list: a file
        {"LSYS:1", 32, true},                // a folder
        {"ssys:99", 16, false},              // no such index: sized, nothing drawn
        {"LSYS:no-such-file.txt", 32, true}, // the icon of the name's type
        {nullptr, 16, true},                 // an existing folder (below)
    };
    for (const Case& c : cases) {
        const std::string src = c.src ? c.src : "SSYS:" + folder;
        const std::string text = "<IMG SRC=\"" + src + "\">";
        const MiniHtmlResult m = Measure(text);
        EXPECT_EQ(m.Width, c.side + 2) << src;
        EXPECT_EQ(m.Height, std::max(gh, c.side) + 2) << src;

        bitmap.Pixels().fill(0xFFFFFFFFu);
        MiniHtmlResult r;
        DrawMiniHtml(graphics, font, text, Rect(0, 0, 200, 100), {}, r);
        int painted = 0;
        for (int y = 0; y < c.side + 8; ++y)
            for (int x = 0; x < c.side + 8; ++x)
                painted += bitmap.Pixels().pixel(x, y) != 0xFFFFFFFFu;
        EXPECT_EQ(painted > 0, c.drawn) << src;
        int outside = 0;
        for (int y = 0; y < 100; ++y)
            for (int x = c.side + 2; x < 200; ++x)
                outside += bitmap.Pixels().pixel(x, y) != 0xFFFFFFFFu;
        EXPECT_EQ(outside, 0) << src << ": drawn at the pen in the list's size";
    }
}

TEST_F(MiniHtmlTest, SystemIconsPicture) {
    Gdiplus::Bitmap page(260, 50);
    page.Pixels().fill(0xFFFFFFFFu);
    Gdiplus::Graphics g(page);
    MiniHtmlResult r;
    DrawMiniHtml(g, font,
                 "<IMG SRC=\"LSYS:1\"> folder <IMG SRC=\"SSYS:0\"> file <IMG SRC=\"LSYS:notes.txt\"> text "
                 "<IMG SRC=\"SSYS:" +
                     ::testing::TempDir() + "\">",
                 Rect(4, 4, 256, 46), {}, r);
    korvan::testing::SavePng(page.Pixels(), "mini_html_system_icons");
    EXPECT_EQ(r.Height, 32 + 2);
}

// When printing, the icon is stretched by the image scale; its place in the
// layout keeps the list's size.
TEST_F(MiniHtmlTest, PrintedSystemIconsAreScaled) {
    bitmap.Pixels().fill(0xFFFFFFFFu);
    MiniHtmlOptions o;
    o.Printing = true;
    o.ImageScale = 3.0;
    MiniHtmlResult r;
    DrawMiniHtml(graphics, font, "<IMG SRC=\"SSYS:1\">", Rect(0, 0, 200, 100), o, r);
    int right = -1, bottom = -1;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            if (bitmap.Pixels().pixel(x, y) != 0xFFFFFFFFu)
                right = std::max(right, x), bottom = std::max(bottom, y);
    EXPECT_GT(right, 20) << "beyond the 16 pixels of the small list";
    EXPECT_LT(right, 1 + 48 + 1);
    EXPECT_GT(bottom, 20);
    EXPECT_EQ(r.Width, 16 + 2);
}

} // namespace
