// The rich-text label: its hidden rich edit and update bracket, the capture
// of a rich edit's document and its way back, the page it renders into,
// its background, printing, and the picture it paints.

#include "controls/gdip/RtfLabel.h"
#include "controls/gdip/GdipClasses.h"
#include "controls/gdip/OfficeImage.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/Form.h"
#include "platform/forms/FormText.h"
#include "platform/forms/LoadScope.h"
#include "platform/forms/Printer.h"
#include "platform/gfx/Bitmap.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

using korvan::forms::RtfDocument;

namespace {

using korvan::testing::Ink;

const char* const kSample =
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
    "\\pard\\qr\\f0\\fs16 right aligned\\par}";

class RtfLabelTest : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 500, 400);
        form->SetColor(clWhite);
        korvan::forms::LoadScope scope(form.get());
        label = scope.Place<TRTFLabel>(form.get(), "RTFLabel", 10, 10, 420, 230);
        label->SetRtfWordWrap(true); // while loading: the rich edit keeps it off
        scope.Finish();
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    // Fills the label's rich edit inside an update bracket.
    void Fill(const std::string& text) {
        label->BeginUpdate();
        TRichEdit* edit = label->GetRichEdit();
        ASSERT_NE(edit, nullptr);
        edit->AppendText(text);
        label->EndUpdate();
    }
    std::unique_ptr<TForm> form;
    TRTFLabel* label = nullptr;
};

TEST_F(RtfLabelTest, VersionAndLoading) {
    EXPECT_EQ(label->GetVersionNr(), 0x01030100u);
    EXPECT_EQ(label->Version(), "1.3.1.0");
    label->SetVersion("9.9.9.9");
    EXPECT_EQ(label->Version(), "1.3.1.0");
    EXPECT_EQ(label->Caption(), "");
    EXPECT_FALSE(label->AutoSize());
    EXPECT_EQ(label->UpdateCount(), 0);

    // WordWrap set while loading stays in the label; the rich edit's is off
    // until it is set again.
    EXPECT_TRUE(label->RtfWordWrap());
    TRichEdit* edit = label->GetRichEdit();
    ASSERT_NE(edit, nullptr);
    EXPECT_FALSE(edit->WordWrap());
    EXPECT_FALSE(edit->Visible());
    EXPECT_EQ(edit->BorderStyle(), bsNone);
    EXPECT_EQ(edit->Width(), 10);
    EXPECT_EQ(edit->Owner(), label);
    label->SetRtfWordWrap(true);
    EXPECT_TRUE(edit->WordWrap());
}

// The outer EndUpdate captures what was filled in; an unmatched one does
// nothing.
TEST_F(RtfLabelTest, UpdateBracketsNestAndCaptureAtTheOuterEnd) {
    ShowForm(form.get());
    label->SetRichText("{\\rtf1 old\\par}");
    label->EndUpdate(); // unmatched
    EXPECT_EQ(label->UpdateCount(), 0);
    EXPECT_EQ(label->RichText(), "{\\rtf1 old\\par}");

    label->BeginUpdate();
    label->BeginUpdate();
    TRichEdit* edit = label->GetRichEdit();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->Parent(), form.get());
    EXPECT_EQ(edit->Text(), ""); // emptied for the caller
    edit->AppendText("new text");
    label->EndUpdate();
    EXPECT_EQ(label->RichText(), "{\\rtf1 old\\par}");
    EXPECT_EQ(edit->Parent(), form.get());
    label->EndUpdate();
    EXPECT_EQ(label->UpdateCount(), 0);
    EXPECT_EQ(korvan::forms::ParseRtf(label->RichText()).PlainText(), "new text");
    EXPECT_EQ(edit->Parent(), nullptr); // detached after the capture
}

// Without a parent there is no rich edit to fill and nothing to capture or
// print; before the parent has a window nothing is captured either.
TEST_F(RtfLabelTest, NoParentOrNoWindowDoesNothing) {
    TRTFLabel orphan(nullptr);
    EXPECT_EQ(orphan.GetRichEdit(), nullptr);
    orphan.SetRichText("{\\rtf1 kept}");
    orphan.ShowRTF();
    orphan.Print("nothing");
    EXPECT_EQ(orphan.RichText(), "{\\rtf1 kept}");

    // A panel that no window holds has no window of its own yet.
    TPanel bare(nullptr);
    TRTFLabel onBare(nullptr);
    onBare.SetParent(&bare);
    ASSERT_FALSE(bare.HandleAllocated());
    onBare.SetRichText("{\\rtf1 kept}");
    TRichEdit* edit = onBare.GetRichEdit();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->Parent(), &bare);
    edit->AppendText("not captured");
    onBare.ShowRTF();
    EXPECT_EQ(onBare.RichText(), "{\\rtf1 kept}");
    onBare.CopyFromRichEdit(nullptr);
    onBare.CopyToRichEdit(nullptr);
    EXPECT_EQ(onBare.RichText(), "{\\rtf1 kept}");
    std::string pattern = (std::filesystem::temp_directory_path() / "korvan-rtflabel-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path dir = pattern;
    Printer().PrintToFile((dir / "none.pdf").string());
    onBare.Print("No window");
    EXPECT_FALSE(std::filesystem::exists(dir / "none.pdf"));
    Printer().PrintToFile({});
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    onBare.SetParent(nullptr);
}

// One character per byte of the stream; the stream is ASCII, so CJK text
// and characters beyond the basic plane come back whole.
TEST_F(RtfLabelTest, CopiesFromAndToRichEditsWithoutLosingCharacters) {
    TRichEdit source(nullptr), target(nullptr);
    source.AppendText(
        "Chinese \xE9\x80\x9A\xE8\xAE\xAF\xE5\x8F\x82\xE6\x95\xB0, caf\xC3\xA9 \xF0\x9F\x98\x80\n");
    source.SelAttributes()->SetStyle(fsBold);
    source.AppendText("bold {line}");
    const std::string stream = source.SaveToStream();
    label->CopyFromRichEdit(&source);
    EXPECT_EQ(label->RichText().size(), stream.size());
    EXPECT_EQ(label->RichText(), stream);
    for (const char c : label->RichText())
        EXPECT_LT(static_cast<unsigned char>(c), 0x80u);

    target.SetPlainText(true);
    label->CopyToRichEdit(&target);
    EXPECT_FALSE(target.PlainText());
    EXPECT_EQ(target.Document(), source.Document());
    EXPECT_EQ(target.Text(), source.Text());

    // A stored document with raw 8-bit bytes reads them in its code page.
    label->SetRichText("{\\rtf1\\ansi\\ansicpg936 \xC4\xE3\xBA\xC3\\par}");
    label->CopyToRichEdit(&target);
    EXPECT_EQ(target.Text(), "\xE4\xBD\xA0\xE5\xA5\xBD");
}

TEST_F(RtfLabelTest, RendersIntoTheTwipPageOfItsClientRectangle) {
    EXPECT_EQ(TRTFLabel::PageInTwips(Rect(0, 0, 630, 1400), 96, 96), Rect(15, 15, 9450, 21000));
    EXPECT_EQ(TRTFLabel::PageInTwips(Rect(0, 0, 630, 1400), 150, 150), Rect(10, 10, 6048, 13440));
    // 1.5 twips round to the even 2, 4.5 to 4.
    EXPECT_EQ(TRTFLabel::PageInTwips(Rect(0, 0, 4, 4), 960, 320), Rect(2, 4, 6, 18));
}

TEST_F(RtfLabelTest, BackgroundIsTheColourOrTheParentsWhenTransparent) {
    ShowForm(form.get());
    TBitmap b(420, 230);
    form->SetColor(clYellow);
    label->SetTransparent(false);
    label->SetColor(clWhite);
    label->PaintTo(b.Canvas());
    EXPECT_EQ(label->GetRichEdit()->Color(), clWhite);
    label->SetTransparent(true);
    label->PaintTo(b.Canvas());
    EXPECT_EQ(label->GetRichEdit()->Color(), clYellow);
    form->SetColor(clBtnFace);
    label->PaintTo(b.Canvas());
    EXPECT_EQ(label->GetRichEdit()->Color(), ColorToRGB(clBtnFace));
}

TEST_F(RtfLabelTest, PrintsItsDocument) {
    std::string pattern = (std::filesystem::temp_directory_path() / "korvan-rtflabel-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path dir = pattern;
    label->SetRichText(kSample);
    ShowForm(form.get());
    Printer().PrintToFile((dir / "help.pdf").string());
    label->Print("Protocol help");
    EXPECT_TRUE(std::filesystem::exists(dir / "help.pdf"));
    EXPECT_EQ(Printer().Title(), "Protocol help");
    EXPECT_EQ(Printer().PageNumber(), 1);
    EXPECT_EQ(label->GetRichEdit()->Parent(), form.get()); // GetRichEdit parents it
    Printer().PrintToFile({});
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
}

// Painted on its form: the document shows, the rich edit stays detached,
// and an open update paints the label's own part only.
TEST_F(RtfLabelTest, PaintsTheDocumentOnItsForm) {
    label->SetRichText(kSample);
    label->SetTransparent(true);
    ShowForm(form.get());
    QImage shown = korvan::testing::Grab(form.get());
    korvan::testing::SavePng(shown.copy(10, 10, 420, 230), "rtf_label_sample");
    EXPECT_GT(Ink(shown, Rect(10, 10, 430, 240)), 500);
    EXPECT_EQ(Ink(shown, Rect(10, 10, 11, 240)), 0); // the one-pixel inset
    EXPECT_EQ(form->ControlCount(), 1);

    label->BeginUpdate();
    label->Invalidate();
    ProcessEvents();
    shown = korvan::testing::Grab(form.get());
    EXPECT_EQ(Ink(shown, Rect(10, 10, 430, 240)), 0);
    // The rich edit still holds the document it last rendered, and the
    // outer EndUpdate captures that.
    label->EndUpdate();
    EXPECT_EQ(korvan::forms::ParseRtf(label->RichText()), korvan::forms::ParseRtf(kSample));
    ProcessEvents();
    EXPECT_GT(Ink(korvan::testing::Grab(form.get()), Rect(10, 10, 430, 240)), 500);

    label->SetRichText({}); // an empty document renders nothing
    ProcessEvents();
    EXPECT_EQ(Ink(korvan::testing::Grab(form.get()), Rect(10, 10, 430, 240)), 0);
}

} // namespace

namespace {

// The document, its word wrap and the office images' hint info live in the
// form text; Version and the hidden rich edit do not.
TEST_F(RtfLabelTest, StreamsWithItsForm) {
    korvan::gdip::RegisterGdipClasses();
    form->SetName("HelpForm");
    const std::string document = std::string("{\\rtf1 caf\xE9 \x01\x7F line\\par}\r\n");
    label->SetRichText(document);
    auto* image = new TAdvOfficeImage(form.get());
    image->SetName("AdvOfficeImage1");
    image->SetParent(form.get());
    image->OfficeHint()->SetTitle("Packet table");
    ShowForm(form.get());
    ASSERT_NE(label->GetRichEdit(), nullptr); // parented while the form is written

    const std::string text = korvan::forms::WriteComponentText(form.get());
    EXPECT_EQ(text.find("Version"), std::string::npos) << text;
    EXPECT_EQ(text.find("TRichEdit"), std::string::npos) << text;
    EXPECT_NE(text.find("WordWrap = True"), std::string::npos) << text;
    EXPECT_NE(text.find("OfficeHint.Title = 'Packet table'"), std::string::npos) << text;

    TForm target(nullptr);
    korvan::forms::ReadComponentText(text, &target);
    auto* read = dynamic_cast<TRTFLabel*>(target.FindComponent("RTFLabel"));
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->RichText(), document);
    EXPECT_TRUE(read->RtfWordWrap());
    auto* readImage = dynamic_cast<TAdvOfficeImage*>(target.FindComponent("AdvOfficeImage1"));
    ASSERT_NE(readImage, nullptr);
    EXPECT_EQ(readImage->OfficeHint()->Title(), "Packet table");
}

} // namespace
