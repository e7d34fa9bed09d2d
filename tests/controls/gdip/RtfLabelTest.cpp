#include "controls/gdip/RtfLabel.h"
#include "platform/gfx/Bitmap.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

using namespace korvan::gdip;

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

class RtfLabelTest : public korvan::testing::GuiTest {};

TEST_F(RtfLabelTest, WordWrapSurvivesLoadingAndUpdatesNest) {
    TRTFLabel label(nullptr);
    label.SetRtfWordWrap(true);
    label.Loaded();
    EXPECT_TRUE(label.RtfWordWrap());
    EXPECT_EQ(label.Caption(), "");
    label.EndUpdate(); // unmatched: nothing
    label.BeginUpdate();
    label.BeginUpdate();
    label.EndUpdate();
    label.EndUpdate();
    SUCCEED();
}

TEST_F(RtfLabelTest, WrapsLinesToTheLabel) {
    const RtfDocument doc = ParseRtf("{\\rtf1 one two three four five six seven eight nine ten\\par}");
    TBitmap b(120, 200);
    const int wrapped = RenderRtf(b.Canvas(), doc, Rect(1, 1, 119, 199), true);
    const int single = RenderRtf(b.Canvas(), doc, Rect(1, 1, 119, 199), false);
    EXPECT_GT(wrapped, 2 * single);
}

TEST_F(RtfLabelTest, SamplePicture) {
    TRTFLabel label(nullptr);
    label.SetBounds(0, 0, 420, 230);
    label.SetRtfWordWrap(true);
    label.SetRichText(
        "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fcharset134 WenQuanYi Micro "
        "Hei;}}"
        "{\\colortbl ;\\red192\\green0\\blue0;\\red0\\green0\\blue128;}"
        "\\pard\\qc\\sa120\\fs28\\b Serial protocol help\\b0\\par"
        "\\pard\\fs18 Frames start with \\b 0x10 0x02\\b0 , carry the \\i device ID\\i0  and a "
        "\\cf1 check byte\\cf0 ; \\ul every\\ulnone  request waits for its reply before the next is "
        "sent.\\par"
        "\\pard\\li360\\cf2 Indented note in navy.\\cf0\\par"
        "\\pard\\sb120\\f1\\fs20 \\'b4\\'ae\\'bf\\'da\\'d0\\'ad\\'d2\\'e9\\'b0\\'ef\\'d6\\'fa\\'a3\\'ba"
        "\\uc1\\u24103?\\u22836?\\u20197?\\u32? 0x10 0x02 \\u24320?\\u22987?\\u12290?\\par"
        "\\pard\\qr\\f0\\fs16 right aligned\\par}");
    TBitmap b(420, 230);
    b.Canvas().Brush().SetColor(clWhite);
    b.Canvas().FillRect(Rect(0, 0, 420, 230));
    label.PaintTo(b.Canvas());
    korvan::testing::SavePng(b.Image(), "rtf_label_sample");
    SUCCEED();
}

} // namespace
