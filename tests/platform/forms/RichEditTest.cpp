// The rich edit: text added in the selection attributes, RTF and plain-text
// streams, rendering into a twip rectangle, the size request, its window,
// and printing page after page.

#include "platform/forms/RichEdit.h"
#include "platform/forms/Form.h"
#include "platform/forms/Printer.h"
#include "platform/forms/RtfWriter.h"
#include "platform/gfx/Bitmap.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

using namespace korvan::forms;

namespace {

using korvan::testing::Ink;

class RichEditTest : public korvan::testing::GuiTest {};

TEST_F(RichEditTest, AppendsTextInTheSelectionAttributes) {
    TRichEdit edit(nullptr);
    edit.DefAttributes()->SetName("Arial");
    edit.DefAttributes()->SetSize(10);
    edit.Clear();
    edit.AppendText("plain ");
    edit.SelAttributes()->SetStyle(fsBold);
    edit.SelAttributes()->SetColor(clRed);
    edit.SelAttributes()->SetSize(14);
    edit.AppendText("bold red\nsecond");
    edit.SelAttributes()->SetName("Liberation Serif");
    edit.SelAttributes()->SetStyle(0);
    edit.SelAttributes()->SetColor(clDefault);
    edit.AppendText(" serif");

    const RtfDocument& doc = edit.Document();
    ASSERT_EQ(doc.Paragraphs.size(), 2u);
    ASSERT_EQ(doc.Paragraphs[0].Runs.size(), 2u);
    EXPECT_EQ(doc.Paragraphs[0].Runs[0].Text, "plain ");
    EXPECT_EQ(doc.Paragraphs[0].Runs[0].HalfPoints, 20);
    EXPECT_FALSE(doc.Paragraphs[0].Runs[0].Bold);
    const RtfRun& red = doc.Paragraphs[0].Runs[1];
    EXPECT_TRUE(red.Bold);
    EXPECT_EQ(red.HalfPoints, 28);
    ASSERT_GT(red.Colour, 0);
    EXPECT_EQ(doc.Colours.at(std::size_t(red.Colour)), clRed);
    ASSERT_EQ(doc.Paragraphs[1].Runs.size(), 2u);
    EXPECT_EQ(doc.Paragraphs[1].Runs[0].Text, "second"); // same attributes: the run goes on
    const RtfRun& serif = doc.Paragraphs[1].Runs[1];
    EXPECT_EQ(doc.Fonts.at(serif.Font).Name, "Liberation Serif");
    EXPECT_EQ(serif.Colour, 0);
    EXPECT_EQ(edit.Text(), "plain bold red\nsecond serif");

    // Clear empties the document and takes the selection back to the defaults.
    edit.Clear();
    EXPECT_EQ(edit.Text(), "");
    EXPECT_EQ(edit.SelAttributes()->Style(), 0u);
    EXPECT_EQ(edit.SelAttributes()->Size(), 10);
    edit.SetText("one\ntwo");
    EXPECT_EQ(edit.Document().Paragraphs.size(), 2u);
    EXPECT_EQ(edit.Text(), "one\ntwo");
}

// Save then load into another rich edit gives the same document, in RTF and
// in plain-text mode; any bytes load.
TEST_F(RichEditTest, StreamsRoundTrip) {
    TRichEdit source(nullptr), target(nullptr);
    source.AppendText("Serial \xE5\x8D\x8F\xE8\xAE\xAE {help}\n");
    source.SelAttributes()->SetStyle(fsItalic | fsUnderline);
    source.AppendText("\xF0\x9F\x98\x80 back\\slash");
    const std::string rtf = source.SaveToStream();
    EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
    target.LoadFromStream(rtf);
    EXPECT_EQ(target.Document(), source.Document());
    EXPECT_EQ(target.SaveToStream(), rtf);

    source.SetPlainText(true);
    target.SetPlainText(true);
    const std::string plain = source.SaveToStream();
    EXPECT_EQ(plain, source.Text());
    target.LoadFromStream("first\r\nsecond\n");
    EXPECT_EQ(target.Text(), "first\nsecond\n");
    target.LoadFromStream(plain);
    EXPECT_EQ(target.Text(), source.Text());

    target.SetPlainText(false);
    for (const std::string_view bytes :
         {std::string_view(""), std::string_view("{{{\\"), std::string_view("\xFF\x00\x80}", 4),
          std::string_view("no rtf at all")})
        EXPECT_NO_THROW(target.LoadFromStream(bytes));
    EXPECT_EQ(target.Text(), "no rtf at all");
}

// A twip rectangle becomes device pixels at the given resolution; the
// text lands inside it.
TEST_F(RichEditTest, FormatRangeDrawsIntoTheTwipRectangle) {
    TRichEdit edit(nullptr);
    edit.LoadFromStream("{\\rtf1\\fs24 MMMM MMMM\\par MMMM\\par}");
    TBitmap b(300, 200);
    b.Canvas().Brush().SetColor(clWhite);
    b.Canvas().FillRect(Rect(0, 0, 300, 200));
    // (100, 50) to (250, 150) pixels at 96 dpi.
    const int height = edit.FormatRange(b.Canvas(), Rect(1500, 750, 3750, 2250), 96, 96);
    EXPECT_GT(height, 20);
    EXPECT_LT(height, 100);
    EXPECT_EQ(Ink(b.Image(), Rect(0, 0, 300, 50)), 0);
    EXPECT_EQ(Ink(b.Image(), Rect(0, 0, 100, 200)), 0);
    EXPECT_GT(Ink(b.Image(), Rect(100, 50, 250, 150)), 50);

    // Twice the resolution: the same twips are twice the pixels.
    TBitmap big(600, 400);
    big.Canvas().Brush().SetColor(clWhite);
    big.Canvas().FillRect(Rect(0, 0, 600, 400));
    const int doubled = edit.FormatRange(big.Canvas(), Rect(1500, 750, 3750, 2250), 192, 192);
    EXPECT_NEAR(doubled, 2 * height, height / 5);
    EXPECT_EQ(Ink(big.Image(), Rect(0, 0, 200, 400)), 0);
}

TEST_F(RichEditTest, RequestsTheSizeOfItsContent) {
    TRichEdit edit(nullptr);
    edit.SetBounds(0, 0, 200, 50);
    std::vector<TRect> requests;
    edit.OnResizeRequest = [&](TObject* sender, TRect r) {
        EXPECT_EQ(sender, &edit);
        requests.push_back(r);
    };
    edit.SetText("one");
    edit.AppendText("\ntwo\nthree");
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].Width(), 200);
    EXPECT_GT(requests[0].Height(), 5);
    EXPECT_NEAR(requests[1].Height(), 3 * requests[0].Height(), 3);
    edit.SetVisible(false);
    edit.AppendText(" more");
    EXPECT_EQ(requests.size(), 2u);
}

TEST_F(RichEditTest, ShowsItsDocumentInItsWindow) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 320, 200);
    auto* edit = new TRichEdit(&form);
    edit->SetParent(&form);
    edit->SetBounds(10, 10, 300, 150);
    edit->LoadFromStream("{\\rtf1{\\colortbl ;\\red0\\green0\\blue160;}\\qc\\fs28\\b Rich edit\\b0\\par"
                         "\\ql\\fs20\\cf1 Navy text that wraps at the window's width because word wrap is on."
                         "\\par}");
    ShowForm(&form);
    const QImage shown = korvan::testing::Grab(edit);
    korvan::testing::SavePng(shown, "rich_edit_window");
    EXPECT_GT(Ink(shown, Rect(1, 1, 299, 30)), 30);
    EXPECT_GT(Ink(shown, Rect(1, 30, 299, 149)), 30);
    korvan::forms::RegisterStandardClasses();
    EXPECT_EQ(FindClass("TRichEdit"), &TRichEdit::StaticClassInfo());
}

// Printing lays the document out at the printer's resolution and starts a
// new page where the next line would not fit.
TEST_F(RichEditTest, PrintsPageAfterPage) {
    std::string pattern = (std::filesystem::temp_directory_path() / "korvan-richedit-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path dir = pattern;
    const std::string pdf = (dir / "document.pdf").string();
    Printer().PrintToFile(pdf);

    TRichEdit edit(nullptr);
    std::string text = "{\\rtf1\\fs24 ";
    for (int i = 0; i < 150; ++i)
        text += "Line " + std::to_string(i) + "\\par ";
    edit.LoadFromStream(text + "}");
    edit.Print("Protocol help");
    EXPECT_FALSE(Printer().Printing());
    EXPECT_EQ(Printer().Title(), "Protocol help");
    EXPECT_GE(Printer().PageNumber(), 2);
    EXPECT_LE(Printer().PageNumber(), 4);
    EXPECT_GT(std::filesystem::file_size(pdf), 0u);

    edit.LoadFromStream("{\\rtf1 one line\\par}");
    edit.Print("Short");
    EXPECT_EQ(Printer().PageNumber(), 1);

    // One long paragraph without word wrap still wraps on paper: no text
    // runs off the page's edge.
    std::string words = "{\\rtf1\\fs24 ";
    for (int i = 0; i < 6000; ++i)
        words += "word ";
    edit.SetWordWrap(false);
    edit.LoadFromStream(words + "\\par}");
    edit.Print("Long paragraph");
    EXPECT_GE(Printer().PageNumber(), 2);
    Printer().PrintToFile({});
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

} // namespace
