#include "PictureTestSupport.h"
#include "controls/gdip/CurvyControls.h"
#include "platform/forms/Form.h"
#include "platform/forms/VirtualKeys.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

namespace {

class CurvyEditTest : public korvan::testing::GuiTest {
protected:
    // A read-out as the main window has it.
    TCurvyEdit* ReadOut(int left, int width, TColor colour, bool readOnly) {
        auto* e = new TCurvyEdit(form.get());
        e->SetParent(form.get());
        e->SetRounding(6);
        e->SetBounds(left, 10, width, 24);
        e->SetAlignment(taCenter);
        e->SetBorderColor(clHighlightText);
        e->SetColor(colour);
        e->SetParentFont(false);
        e->Font().SetName("Tahoma");
        e->Font().SetHeight(-11);
        e->Font().SetColor(clBlack);
        e->SetReadOnly(readOnly);
        e->SetAutoSelect(false);
        e->SetHideSelection(false);
        return e;
    }
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
};

TEST_F(CurvyEditTest, KeepsItsHeightAndPlacesTheInnerEdit) {
    TCurvyEdit* e = ReadOut(20, 58, clWhite, false);
    EXPECT_EQ(e->Edit()->Left(), 6);
    EXPECT_EQ(e->Edit()->Width(), 46);
    EXPECT_EQ(e->Edit()->Top(), 5);
    e->SetBounds(30, 40, 70, 40);
    EXPECT_EQ(e->Height(), 24);
    EXPECT_EQ(e->Left(), 30);
    EXPECT_EQ(e->Top(), 40);
    EXPECT_EQ(e->Width(), 70);
    EXPECT_EQ(e->Edit()->Width(), 58);
    e->SetRounding(10); // repaints only
    EXPECT_EQ(e->Edit()->Left(), 6);
}

TEST_F(CurvyEditTest, PassesTextColourAndEnabledToTheInnerEdit) {
    TCurvyEdit* e = ReadOut(20, 58, clWhite, false);
    TObject* sender = nullptr;
    e->OnChange = [&](TObject* s) { sender = s; };
    e->SetText("+0.0dB");
    EXPECT_EQ(e->Text(), "+0.0dB");
    EXPECT_EQ(e->Edit()->Text(), "+0.0dB");
    EXPECT_EQ(sender, e);
    e->SetColor(TColor(16777183));
    EXPECT_EQ(e->Edit()->Color(), TColor(16777183));
    e->SetEditEnabled(false);
    EXPECT_FALSE(e->Edit()->Enabled());
    EXPECT_TRUE(e->Enabled());
}

TEST_F(CurvyEditTest, KeysAndPressesReachTheHandlersWithTheEditAsSender) {
    TCurvyEdit* e = ReadOut(20, 58, TColor(16777183), true);
    ShowForm(form.get());
    e->SetFocus();
    ProcessEvents();
    TObject* sender = nullptr;
    std::uint16_t seen = 0;
    e->OnKeyDown = [&](TObject* s, std::uint16_t& key, TShiftState) {
        sender = s;
        seen = key;
        key = 0;
    };
    input.KeyDown(e->Edit(), VK_UP);
    EXPECT_EQ(sender, e);
    EXPECT_EQ(seen, VK_UP);

    int presses = 0;
    e->OnMouseDown = [&](TObject* s, TMouseButton, TShiftState, int, int) {
        EXPECT_EQ(s, e);
        ++presses;
    };
    input.Click(e, 2, 12); // the rounded margin
    EXPECT_EQ(presses, 0);
    input.Click(e->Edit(), 10, 8);
    EXPECT_EQ(presses, 1);
}

TEST_F(CurvyEditTest, ItemsTakeTheirPictureWidthAndQueueInTheirGroup) {
    auto* panel = new TCurvyControlPanel(form.get());
    panel->SetParent(form.get());
    panel->SetBounds(0, 0, 200, 24);
    const auto png =
        korvan::gdip::testing::PngFile(korvan::gdip::testing::Swatch(16, 16, 0xFF0000FFu, 0xFF0000FFu));
    TCurvyControl* first = panel->Controls()->Add();
    first->Picture()->LoadFromStream(png);
    first->SetDropDown(true);
    TCurvyControl* second = panel->Controls()->Add();
    second->Picture()->LoadFromStream(png);
    EXPECT_EQ(panel->ItemRect(0).Width(), 23);
    EXPECT_EQ(panel->ItemRect(1).Width(), 18);
    const int start = 200 - panel->Controls()->RightSize - panel->Controls()->RightControlSize - 8 / 2;
    EXPECT_EQ(panel->ItemRect(0).Left, start);
    EXPECT_EQ(panel->ItemRect(1).Left, start + 23);
    EXPECT_EQ(panel->ItemAt(start + 1), 0);
    EXPECT_EQ(panel->ItemAt(start), -1) << "strictly inside";
    int clicked = -1;
    panel->OnControlClick = [&](TObject*, int index) { clicked = index; };
    ShowForm(form.get());
    input.Click(panel, start + 30, 12);
    EXPECT_EQ(clicked, 1);
}

TEST_F(CurvyEditTest, ReadOutsPicture) {
    form->SetColor(TColor(0x6B4A2E));
    form->SetClientWidth(330);
    form->SetClientHeight(44);
    const char* texts[] = {"+0.0dB", "19.7Hz", "500ms", "1:1.0"};
    for (int i = 0; i < 4; ++i) {
        TCurvyEdit* e = ReadOut(10 + 78 * i, 70, i % 2 ? clWhite : TColor(16777183), i % 2 == 0);
        e->SetText(texts[i]);
    }
    ShowForm(form.get());
    korvan::testing::SavePng(korvan::testing::Grab(form.get()), "curvy_edit_readouts");
    SUCCEED();
}

} // namespace
