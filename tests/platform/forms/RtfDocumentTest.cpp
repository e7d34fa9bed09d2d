// The rich-text document: the reader over every construct of the subset
// and hostile bytes, the writer's round trip, and the layout.

#include "platform/forms/RtfDocument.h"
#include "platform/forms/RtfRender.h"
#include "platform/forms/RtfWriter.h"
#include "platform/gfx/Bitmap.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

using namespace korvan::forms;

namespace {

// Every construct of the subset the label reads.
const char* const kFixture =
    "{\\rtf1\\ansi\\ansicpg936\\deff0"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fnil\\fcharset134 SimSun;}}"
    "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue128;}"
    "{\\*\\generator Some Writer;}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}"
    "\\pard\\qc\\sb120\\sa60\\f0\\fs32\\b Title\\b0\\par"
    "\\pard\\li720\\fi-360\\fs20 plain \\b bold\\b0  \\i italic\\i0  \\ul under\\ulnone  \\cf1 red\\cf0  "
    "\\cf2 navy\\cf0\\line next\\tab tab \\{braces\\} back\\\\slash\\par"
    "\\pard\\qr\\f1 \\'c4\\'e3\\'ba\\'c3 \\uc1\\u19990?\\u30028? \\unknownword42 end\\par"
    "{\\pard\\qj\\plain\\fs24 group\\par}"
    "after group\\par}";

TEST(RtfDocumentTest, ReadsEveryConstructOfTheSubset) {
    const RtfDocument doc = ParseRtf(kFixture);
    ASSERT_EQ(doc.Fonts.size(), 2u);
    EXPECT_EQ(doc.Fonts.at(0).Name, "Arial");
    EXPECT_EQ(doc.Fonts.at(1).Name, "SimSun");
    EXPECT_EQ(doc.Fonts.at(1).Charset, 134);
    ASSERT_EQ(doc.Colours.size(), 3u);
    EXPECT_EQ(doc.Colours[0], clNone);
    EXPECT_EQ(doc.Colours[1], clRed);
    EXPECT_EQ(doc.Colours[2], clNavy);
    EXPECT_EQ(doc.CodePage, 936);
    ASSERT_EQ(doc.Paragraphs.size(), 5u);

    const RtfParagraph& title = doc.Paragraphs[0];
    EXPECT_EQ(title.Align, RtfAlign::Center);
    EXPECT_EQ(title.SpaceBefore, 120);
    EXPECT_EQ(title.SpaceAfter, 60);
    ASSERT_EQ(title.Runs.size(), 1u);
    EXPECT_TRUE(title.Runs[0].Bold);
    EXPECT_EQ(title.Runs[0].HalfPoints, 32);

    const RtfParagraph& body = doc.Paragraphs[1];
    EXPECT_EQ(body.LeftIndent, 720);
    EXPECT_EQ(body.FirstIndent, -360);
    std::string bold, italic, under, red, navy;
    for (const RtfRun& run : body.Runs) {
        if (run.Bold)
            bold += run.Text;
        if (run.Italic)
            italic += run.Text;
        if (run.Underline)
            under += run.Text;
        if (run.Colour == 1)
            red += run.Text;
        if (run.Colour == 2)
            navy += run.Text;
    }
    EXPECT_EQ(bold, "bold");
    EXPECT_EQ(italic, "italic");
    EXPECT_EQ(under, "under");
    EXPECT_EQ(red, "red");
    EXPECT_EQ(navy, "navy");

    EXPECT_EQ(doc.PlainText(), "Title\n"
                               "plain bold italic under red navy\nnext    tab {braces} back\\slash\n"
                               "\xE4\xBD\xA0\xE5\xA5\xBD \xE4\xB8\x96\xE7\x95\x8C end\n"
                               "group\n"
                               "after group");
    EXPECT_EQ(doc.Paragraphs[2].Align, RtfAlign::Right);
    EXPECT_EQ(doc.Paragraphs[3].Align, RtfAlign::Justify);
    // The group's \pard and \plain end with the group.
    EXPECT_EQ(doc.Paragraphs[4].Align, RtfAlign::Right);
    EXPECT_EQ(doc.Paragraphs[4].Runs[0].HalfPoints, 20);
}

TEST(RtfDocumentTest, SurvivesHostileInput) {
    struct Case {
        std::string text;
        const char* plain;
    };
    const Case cases[] = {
        {std::string(5000, '{') + "deep" + std::string(5000, '}') + "x", ""},
        {"{\\rtf1 a}}}}}b\\par}", "ab"},
        {"{\\rtf1\\fs99999999999999999 big\\cf-5 c\\u-4000000 d}",
         "bigc\xEF\xBF\xBD"}, // a control word eats its space; \u eats one fallback
        {"{\\rtf1\\'", ""},
        {"{\\rtf1\\'g1 \\'4", "g1 \x04"},
        {"{\\rtf1 " + std::string(100, 'w') + std::string("\\") + std::string(100, 'z') + " tail}", ""},
        {"\\", ""},
    };
    for (const Case& c : cases) {
        const RtfDocument doc = ParseRtf(c.text);
        if (std::string(c.plain).size() > 0) {
            EXPECT_EQ(doc.PlainText(), c.plain) << c.text.substr(0, 40);
        }
        for (const RtfParagraph& p : doc.Paragraphs)
            for (const RtfRun& r : p.Runs) {
                EXPECT_GE(r.HalfPoints, 2);
                EXPECT_LE(r.HalfPoints, 400);
                EXPECT_GE(r.Colour, 0);
            }
    }
}

TEST(RtfDocumentTest, JoinsSurrogatePairsAndEndsFontNamesBetweenCharacters) {
    struct Case {
        std::string text;
        std::string plain;
    };
    const Case cases[] = {
        {"{\\rtf1 a\\u-10179?\\u-8704?b}", "a\xF0\x9F\x98\x80"
                                           "b"}, // U+1F600
        {"{\\rtf1 a\\u-10179?b}", "a\xEF\xBF\xBD"
                                  "b"}, // a lone high half
        {"{\\rtf1 \\u-10179?\\u-10179?\\u-8704?}", "\xEF\xBF\xBD\xF0\x9F\x98\x80"},
        {"{\\rtf1 a\\u-8704?b}", "a\xEF\xBF\xBD"
                                 "b"}, // a lone low half
        {"{\\rtf1 \\u-10179?\\par x}", "\xEF\xBF\xBD\nx"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseRtf(c.text).PlainText(), c.plain) << c.text;

    // 63 ASCII letters and a CJK character: the name stops before the
    // character rather than inside it.
    const std::string name63(63, 'n');
    const RtfDocument doc = ParseRtf("{\\rtf1{\\fonttbl{\\f0 " + name63 + "\\u20320?tail;}}x}");
    EXPECT_EQ(doc.Fonts.at(0).Name, name63 + "\xE4\xBD\xA0");
    const RtfDocument longer = ParseRtf("{\\rtf1{\\fonttbl{\\f0 " + name63 + "n\\u20320?;}}x}");
    EXPECT_EQ(longer.Fonts.at(0).Name, name63 + "n");
}

// A document written and read back is the same document.
TEST(RtfWriterTest, WrittenDocumentsReadBackUnchanged) {
    RtfDocument built;
    built.CodePage = 936;
    built.DefaultFont = 1;
    built.Fonts[0] = {"Arial", 0};
    built.Fonts[1] = {"WenQuanYi {Micro} \\Hei", 134};
    built.Fonts[7] = {"\xE5\xAE\x8B\xE4\xBD\x93", 134}; // a CJK name
    built.Colours = {clNone, clRed, TColor(0x123456), clBlack};
    RtfParagraph title;
    title.Align = RtfAlign::Center;
    title.SpaceBefore = 120;
    title.SpaceAfter = 60;
    RtfRun bold;
    bold.Text = "Title {with} \\braces\\";
    bold.Bold = true;
    bold.HalfPoints = 32;
    bold.Colour = 2;
    title.Runs.push_back(bold);
    RtfParagraph body;
    body.Align = RtfAlign::Justify;
    body.LeftIndent = 720;
    body.FirstIndent = -360;
    RtfRun plain;
    plain.Text = "  leading spaces, 123 digits\nnext line\ttab\x01";
    plain.Font = 0;
    RtfRun wide;
    wide.Text = "\xE4\xBD\xA0\xE5\xA5\xBD \xF0\x9F\x98\x80 caf\xC3\xA9";
    wide.Font = 1;
    wide.Italic = wide.Underline = true;
    wide.Colour = 3;
    body.Runs = {plain, wide};
    RtfParagraph empty;
    empty.Align = RtfAlign::Right;
    built.Paragraphs = {title, body, empty};

    const RtfDocument parsedFixture = ParseRtf(kFixture);
    const RtfDocument none;
    for (const RtfDocument* doc : {static_cast<const RtfDocument*>(&built), &parsedFixture, &none}) {
        const RtfDocument& d = *doc;
        const std::string written = WriteRtf(d);
        for (const char c : written)
            ASSERT_LT(static_cast<unsigned char>(c), 0x80u) << written;
        EXPECT_EQ(ParseRtf(written), d) << written;
        EXPECT_EQ(WriteRtf(ParseRtf(written)), written);
    }
    EXPECT_EQ(ParseRtf(WriteRtf(built)).PlainText(), built.PlainText());
}

TEST(RtfWriterTest, MalformedTextIsWrittenAsReplacementCharacters) {
    RtfDocument doc;
    doc.Paragraphs.emplace_back();
    RtfRun run;
    run.Text = "a\xFF"
               "b\xE4\xBD"
               "c\xED\xA0\x80"
               "d\xF0\x9F";
    doc.Paragraphs[0].Runs.push_back(run);
    EXPECT_EQ(ParseRtf(WriteRtf(doc)).PlainText(), "a\xEF\xBF\xBD"
                                                   "b\xEF\xBF\xBD"
                                                   "c\xEF\xBF\xBD"
                                                   "d\xEF\xBF\xBD");
}

class RtfRenderTest : public korvan::testing::GuiTest {};

TEST_F(RtfRenderTest, WrapsLinesToTheArea) {
    const RtfDocument doc = ParseRtf("{\\rtf1 one two three four five six seven eight nine ten\\par}");
    TBitmap b(120, 200);
    const int wrapped = RenderRtf(b.Canvas(), doc, Rect(1, 1, 119, 199), true);
    const int single = RenderRtf(b.Canvas(), doc, Rect(1, 1, 119, 199), false);
    EXPECT_GT(wrapped, 2 * single);
}

// Pages of whole lines: every line is drawn once, none crosses a page's
// foot, and the sizes follow the resolution.
TEST_F(RtfRenderTest, PagesHoldWholeLinesAndScaleWithTheResolution) {
    std::string text = "{\\rtf1\\fs24 ";
    for (int i = 0; i < 40; ++i)
        text += "line " + std::to_string(i) + "\\par ";
    const RtfDocument doc = ParseRtf(text + "}");
    TBitmap scratch(400, 400);
    RtfRenderOptions options;
    options.Draw = false;
    const RtfRenderResult all = RenderRtf(scratch.Canvas(), doc, Rect(0, 0, 400, 1 << 20), options);
    EXPECT_TRUE(all.Complete);
    EXPECT_EQ(all.NextY, all.Height);
    options.DpiX = options.DpiY = 192;
    const RtfRenderResult doubled = RenderRtf(scratch.Canvas(), doc, Rect(0, 0, 400, 1 << 20), options);
    EXPECT_NEAR(doubled.Height, 2 * all.Height, all.Height / 5);

    options.DpiX = options.DpiY = 96;
    options.WholeLines = true;
    const int lineHeight = all.Height / 40;
    const TRect page = Rect(0, 0, 400, lineHeight * 7 + lineHeight / 2);
    int pages = 0, covered = 0;
    for (;;) {
        const RtfRenderResult r = RenderRtf(scratch.Canvas(), doc, page, options);
        ++pages;
        EXPECT_LE(r.Height, page.Bottom);
        covered += r.NextY - options.FromY;
        if (r.Complete)
            break;
        ASSERT_GT(r.NextY, options.FromY);
        options.FromY = r.NextY;
    }
    EXPECT_EQ(pages, 6); // 40 lines, 7 a page
    EXPECT_EQ(covered, all.Height);
}

} // namespace
