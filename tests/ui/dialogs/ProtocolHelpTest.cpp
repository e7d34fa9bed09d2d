// The two protocol help windows: the document's text stays out of the
// pictures, the pictures decode, the page centres in a wide window, scrolls
// by keys and wheel, and the window opens at its normal size after closing.

#include "tests/support/gui/GuiHarness.h"
#include "ui/dialogs/FRs232Code.h"
#include "ui/dialogs/FRs232CodeEnglish.h"

#include "platform/forms/RtfRender.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/gfx/Bitmap.h"
#include "resources/help/HelpDocuments.h"

#include <memory>
#include <string>

using namespace korvan;

namespace {

class ProtocolHelpTest : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        english = std::make_unique<TfmRs232CodeEnglish>(nullptr);
        chinese = std::make_unique<TfmRs232Code>(nullptr);
    }
    void TearDown() override {
        english.reset();
        chinese.reset();
        GuiTest::TearDown();
    }
    std::unique_ptr<TfmRs232CodeEnglish> english;
    std::unique_ptr<TfmRs232Code> chinese;
};

// Each line of text is drawn where the renderer lays it out: none of them
// under a picture, and every picture holds its table.
TEST_F(ProtocolHelpTest, TheTextStaysBetweenThePictures) {
    for (Rs232HelpForm* form :
         {static_cast<Rs232HelpForm*>(english.get()), static_cast<Rs232HelpForm*>(chinese.get())}) {
        SCOPED_TRACE(form->Name());
        const forms::RtfDocument document = forms::ParseRtf(form->RTFLabel->RichText());
        ASSERT_GE(document.Paragraphs.size(), 20u);
        TBitmap scratch;
        scratch.SetSize(700, 1500);
        const TRect area{0, 0, 700, 100000};
        auto heightOf = [&](std::size_t paragraphs) {
            forms::RtfDocument part = document;
            part.Paragraphs.resize(paragraphs);
            return forms::RenderRtf(scratch.Canvas(), part, area, false);
        };
        const int origin = form->RTFLabel->Top() + 1;
        for (std::size_t p = 0; p < document.Paragraphs.size(); ++p) {
            const forms::RtfParagraph& paragraph = document.Paragraphs[p];
            const int top = origin + heightOf(p) + paragraph.SpaceBefore / 15;
            const int bottom = origin + heightOf(p + 1) - paragraph.SpaceAfter / 15;
            for (const TAdvOfficeImage* image : form->AdvOfficeImage)
                EXPECT_TRUE(bottom <= image->Top() || top >= image->Top() + image->Height())
                    << "paragraph " << p << " (" << top << ".." << bottom << ") under " << image->Name();
            EXPECT_LE(bottom, form->RTFLabel->Top() + form->RTFLabel->Height());
        }
        int previousBottom = 0;
        for (const TAdvOfficeImage* image : form->AdvOfficeImage) {
            EXPECT_EQ(image->Picture()->Width(), Rs232HelpForm::PageWidth) << image->Name();
            EXPECT_EQ(image->Picture()->Height(), image->Height()) << image->Name();
            EXPECT_GT(image->Top(), previousBottom) << image->Name();
            previousBottom = image->Top() + image->Height();
        }
    }
    EXPECT_EQ(english->AdvOfficeImage[0]->Top(), 72);
    EXPECT_EQ(english->AdvOfficeImage[9]->Top(), 1427);
    EXPECT_NE(forms::ParseRtf(chinese->RTFLabel->RichText()).PlainText().find("\u901a\u8baf\u53c2\u6570"),
              std::string::npos);
}

TEST_F(ProtocolHelpTest, AWideWindowCentresTheTextAndTheFirstEightPictures) {
    const std::pair<int, int> cases[] = {{1000, 175}, {749, 50}, {750, 50}, {754, 52}, {600, 50}};
    for (const auto& [width, left] : cases) {
        english->SetWidth(width);
        english->FormResize(nullptr);
        EXPECT_EQ(english->RTFLabel->Left(), left) << width;
        for (int i = 0; i < 10; ++i)
            EXPECT_EQ(english->AdvOfficeImage[std::size_t(i)]->Left(), i < 8 ? left : 50)
                << width << " " << i;
    }
}

TEST_F(ProtocolHelpTest, KeysAndTheWheelScrollThePage) {
    ShowForm(english.get());
    TControlScrollBar* vert = english->sbDocument->VertScrollBar();
    ASSERT_GT(vert->MaxPosition(), 700);
    const int labelTop = english->RTFLabel->Top();
    struct Step {
        std::uint16_t key;
        int position;
    };
    const int page = english->Height();
    const Step steps[] = {{VK_DOWN, 30},  {VK_DOWN, 60}, {VK_NEXT, 60 + page}, {VK_UP, 30 + page},
                          {VK_PRIOR, 30}, {VK_PRIOR, 0}, {VK_HOME, 0}};
    for (const Step& step : steps) {
        input.Key(english.get(), step.key);
        EXPECT_EQ(vert->Position(), step.position) << step.key;
        EXPECT_EQ(english->RTFLabel->Top(), labelTop - step.position) << step.key;
    }
    input.Wheel(english->RTFLabel, 20, 20, -120);
    EXPECT_EQ(vert->Position(), 30);
    input.Wheel(english->AdvOfficeImage[0], 20, 20, -240);
    EXPECT_EQ(vert->Position(), 90);
    input.Wheel(english->RTFLabel, 20, 20, 120);
    EXPECT_EQ(vert->Position(), 60);
    for (int i = 0; i < 100; ++i)
        input.Key(english.get(), VK_NEXT);
    EXPECT_EQ(vert->Position(), vert->MaxPosition());

    // Left and right move the horizontal bar of a window narrower than the page.
    english->SetWidth(500);
    TControlScrollBar* horz = english->sbDocument->HorzScrollBar();
    ASSERT_GT(horz->MaxPosition(), 30);
    input.Key(english.get(), VK_RIGHT);
    EXPECT_EQ(horz->Position(), 30);
    EXPECT_EQ(english->RTFLabel->Left(), 20);
    input.Key(english.get(), VK_LEFT);
    EXPECT_EQ(horz->Position(), 0);
}

TEST_F(ProtocolHelpTest, ClosingBringsTheNormalSizeBackForTheNextOpening) {
    for (Rs232HelpForm* form :
         {static_cast<Rs232HelpForm*>(english.get()), static_cast<Rs232HelpForm*>(chinese.get())}) {
        ShowForm(form);
        form->SetWindowState(wsMaximized);
        form->Close();
        EXPECT_FALSE(form->Visible());
        ShowForm(form);
        EXPECT_EQ(form->WindowState(), wsNormal) << form->Name();
        EXPECT_EQ(form->Width(), 755) << form->Name();
        EXPECT_EQ(form->Height(), 666) << form->Name();
        form->Close();
    }
}

TEST_F(ProtocolHelpTest, Pictures) {
    EXPECT_EQ(english->Caption(), "RS232 Protocal Code");
    EXPECT_EQ(chinese->Caption(), "232\u901a\u8baf\u534f\u8bae\u63a7\u5236\u4ee3\u7801");
    ShowForm(english.get());
    korvan::testing::SavePng(korvan::testing::Grab(english.get()), "protocol-help-english");
    english->sbDocument->VertScrollBar()->SetPosition(700);
    korvan::testing::SavePng(korvan::testing::Grab(english.get()), "protocol-help-english-scrolled");
    ShowForm(chinese.get());
    korvan::testing::SavePng(korvan::testing::Grab(chinese.get()), "protocol-help-chinese");
    chinese->sbDocument->VertScrollBar()->SetPosition(chinese->sbDocument->VertScrollBar()->MaxPosition());
    korvan::testing::SavePng(korvan::testing::Grab(chinese.get()), "protocol-help-chinese-end");
}

} // namespace
