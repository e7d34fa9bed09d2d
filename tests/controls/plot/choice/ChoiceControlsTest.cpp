// The pack's check box and radio group: toggling by mouse and space bar
// with the user-change event, refused edits, auto size, the item layout
// column by column, clamped item indexes, one item per arrow key, and a
// picture of both.

#include "controls/plot/choice/PackCheckBox.h"
#include "controls/plot/choice/PackRadioGroup.h"
#include "platform/forms/Form.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/text/Rounding.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class ChoiceControls : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 320, 220);
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    template <class C> C* Make(int left, int top, int width, int height) {
        auto* c = new C(form.get());
        c->SetParent(form.get());
        c->SetBounds(left, top, width, height);
        return c;
    }
    void Record(TNotifyEvent& onChange, TNotifyEvent& onChangeUser) {
        onChange = [this](TObject*) { events.push_back("change"); };
        onChangeUser = [this](TObject*) { events.push_back("user"); };
    }
    std::unique_ptr<TForm> form;
    std::vector<std::string> events;
};

TEST_F(ChoiceControls, CheckBoxTogglesByUserOnlyWhenReleasedInside) {
    auto* box = Make<TiCheckBox>(10, 10, 97, 17);
    box->SetAutoSize(false);
    Record(box->OnChange, box->OnChangeUser);
    ShowForm(form.get());
    input.MouseDown(box, 5, 5);
    input.MouseUp(box, 200, 5); // released outside
    EXPECT_FALSE(box->Checked());
    input.Click(box, 5, 5);
    EXPECT_TRUE(box->Checked());
    input.KeyDown(box, VK_SPACE);
    input.KeyUp(box, VK_SPACE);
    EXPECT_FALSE(box->Checked());
    box->SetChecked(true); // from code: no user event
    EXPECT_EQ(events, (std::vector<std::string>{"change", "user", "change", "user", "change"}));
    events.clear();
    box->OnRequestEdit = [](TObject*, const std::string& name, bool& canEdit) {
        canEdit = name != "Checked";
    };
    box->SetChecked(false);
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(events.empty());
}

TEST_F(ChoiceControls, LeftJustifiedCheckBoxKeepsItsRightEdgeWhenTheCaptionGrows) {
    auto* box = Make<TiCheckBox>(100, 10, 97, 17);
    box->SetAlignment(taLeftJustify);
    box->SetCaption("A");
    const int right = box->Left() + box->Width();
    box->SetCaption("A much longer caption");
    EXPECT_EQ(box->Left() + box->Width(), right);
    EXPECT_GT(box->Width(), 60);
    box->SetAlignment(taRightJustify);
    const int left = box->Left();
    box->SetCaption("B");
    EXPECT_EQ(box->Left(), left);
}

TEST_F(ChoiceControls, RadioGroupFillsColumnByColumnAndClampsItsIndex) {
    auto* group = Make<TiRadioGroup>(10, 40, 300, 120);
    Record(group->OnChange, group->OnChangeUser);
    for (const char* item : {"One", "Two", "Three", "Four", "Five", "Six", "Seven"})
        group->Items()->Add(item);
    group->SetColumns(3);
    group->SetItemIndex(4);
    Make<TiCheckBox>(10, 10, 97, 17)->SetChecked(true);
    ShowForm(form.get());
    korvan::testing::SavePng(korvan::testing::Grab(form.get()), "plot_pack_check_box_radio_group");
    // Click the middle of each item: seven items in three columns of three
    // rows (column 0 holds items 0..2, column 2 item 6 alone).
    TBitmap scratch(1, 1);
    scratch.Canvas().Font().Assign(*group->Font());
    const int th = scratch.Canvas().TextHeight("ABC");
    const double rowSpacing = double((120 - th - th / 4) / 3);
    const int rowStart = int(Round(th + rowSpacing / 2));
    const double colSpacing = double((300 - 14) / 3);
    for (int i = 0; i < 7; ++i) {
        const int x = 14 + int(Round((i / 3) * colSpacing)) + 20;
        const int y = rowStart + int(Round((i % 3) * rowSpacing));
        EXPECT_EQ(group->ItemAt(x, y), i);
        input.Click(group, x, y);
        EXPECT_EQ(group->ItemIndex(), i);
    }
    group->SetItemIndex(10);
    EXPECT_EQ(group->ItemIndex(), 6);
    group->SetItemIndex(-5);
    EXPECT_EQ(group->ItemIndex(), -1);
    group->SetItemIndex(5);
    events.clear();
    group->Items()->Delete(6);
    group->Items()->Delete(5);
    EXPECT_EQ(group->ItemIndex(), 4);
    EXPECT_TRUE(events.empty());
}

TEST_F(ChoiceControls, RadioGroupArrowsMoveOneItemAndWrap) {
    auto* group = Make<TiRadioGroup>(10, 40, 200, 100);
    for (const char* item : {"A", "B", "C"})
        group->Items()->Add(item);
    Record(group->OnChange, group->OnChangeUser);
    ShowForm(form.get());
    group->SetFocus();
    ProcessEvents();
    struct Step {
        std::uint16_t key;
        int index;
    };
    for (const Step& s : {Step{VK_DOWN, 1}, Step{VK_RIGHT, 2}, Step{VK_RIGHT, 0}, Step{VK_LEFT, 2},
                          Step{VK_UP, 1}, Step{VK_UP, 0}}) {
        input.KeyDown(group, s.key);
        input.KeyUp(group, s.key);
        EXPECT_EQ(group->ItemIndex(), s.index) << s.key;
    }
    // Arrow changes are not the user's choices.
    EXPECT_EQ(events, std::vector<std::string>(6, "change"));
}

} // namespace
