// Standard controls with the framework's event rules.

#include "platform/forms/ComCtrls.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/FormText.h"
#include "platform/forms/Menus.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/VirtualKeys.h"
#include "tests/support/gui/GuiHarness.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QMenu>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using korvan::testing::GuiTest;

class StandardControls : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 400, 300);
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    template <class T> T* Add(int left, int top) {
        auto* c = new T(form.get());
        c->SetLeft(left);
        c->SetTop(top);
        c->SetParent(form.get());
        return c;
    }
    std::unique_ptr<TForm> form;
    std::vector<std::string> log;
};

TEST_F(StandardControls, AProgramSetItemIndexRaisesNoEventButTheUsersChoiceDoes) {
    auto* combo = Add<TComboBox>(10, 10);
    combo->SetStyle(csDropDownList);
    combo->Items()->SetCommaText("a,b,c");
    combo->OnChange = [this](TObject*) { log.push_back("change"); };
    combo->OnClick = [this](TObject*) { log.push_back("click"); };
    combo->SetItemIndex(2);
    EXPECT_EQ(combo->Text(), "c");
    EXPECT_TRUE(log.empty());
    ShowForm(form.get());
    // The user picks an item in the list.
    emit static_cast<QComboBox*>(combo->Widget())->activated(1);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"click", "change"}));
    // The wheel moves the selection as a user's choice, unless handled.
    input.Wheel(combo, 5, 5, -120);
    EXPECT_EQ(combo->ItemIndex(), 2);
    combo->OnMouseWheel = [](TObject*, TShiftState, int, int, int, bool& handled) { handled = true; };
    input.Wheel(combo, 5, 5, 120);
    EXPECT_EQ(combo->ItemIndex(), 2);
}

TEST_F(StandardControls, AnEditsMaxLengthLimitsTypingButNotTheProgramsText) {
    auto* edit = Add<TEdit>(10, 10);
    edit->SetMaxLength(7);
    edit->SetText("20.16KHz");
    EXPECT_EQ(edit->Text(), "20.16KHz");
    ShowForm(form.get());
    edit->SetFocus();
    edit->SetSelStart(8);
    input.Type(edit, "1");
    EXPECT_EQ(edit->Text(), "20.16KHz");
    // Deleting is free; the text is then at its limit.
    input.Key(edit, VK_BACK);
    input.Key(edit, VK_BACK);
    input.Type(edit, "zz");
    EXPECT_EQ(edit->Text(), "20.16Kz");
    edit->SelectAll();
    input.Type(edit, "123456789");
    EXPECT_EQ(edit->Text(), "1234567");
}

TEST_F(StandardControls, UpDownAsksOnChangingExBeforeEveryChange) {
    auto* ud = Add<TUpDown>(10, 10);
    ud->SetMin(0);
    ud->SetMax(2);
    std::vector<std::string> events;
    ud->OnChangingEx = [&](TObject*, bool& allow, int value, TUpDownDirection dir) {
        events.push_back("changing " + std::to_string(value) + " " + std::to_string(int(dir)));
        allow = value != 1 || dir != updNone;
    };
    ud->OnClick = [&](TObject*, TUDBtnType b) { events.push_back(b == btNext ? "next" : "prev"); };
    ShowForm(form.get());
    ud->SetPosition(1); // refused by the handler
    EXPECT_EQ(ud->Position(), 0);
    ud->SetPosition(0); // unchanged: no event
    input.Click(ud, 8, 3);
    input.Click(ud, 8, 3);
    input.Click(ud, 8, 3); // one beyond Max: asked with 3, stays at 2
    EXPECT_EQ(ud->Position(), 2);
    EXPECT_EQ(events, (std::vector<std::string>{"changing 1 0", "changing 1 1", "next", "changing 2 1",
                                                "next", "changing 3 1", "next"}));
}

TEST_F(StandardControls, AHeldUpDownButtonRepeats) {
    auto* ud = Add<TUpDown>(10, 10);
    ShowForm(form.get());
    input.MouseDown(ud, 8, 3);
    EXPECT_EQ(ud->Position(), 1);
    AdvanceTimers(400);
    AdvanceTimers(300);
    EXPECT_EQ(ud->Position(), 5);
    input.MouseUp(ud, 8, 3);
    AdvanceTimers(1000);
    EXPECT_EQ(ud->Position(), 5);
}

TEST_F(StandardControls, CheckingARadioButtonClearsItsSiblingsAndClicks) {
    auto* a = Add<TRadioButton>(10, 10);
    auto* b = Add<TRadioButton>(10, 30);
    a->OnClick = [this](TObject*) { log.push_back("a"); };
    b->OnClick = [this](TObject*) { log.push_back("b"); };
    a->SetChecked(true);
    b->SetChecked(true);
    EXPECT_FALSE(a->Checked());
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
    auto* check = Add<TCheckBox>(10, 60);
    int clicks = 0;
    check->OnClick = [&](TObject*) { ++clicks; };
    check->SetChecked(true);
    check->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    ShowForm(form.get());
    input.Click(check, 6, 8); // on the box itself
    EXPECT_FALSE(check->Checked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(StandardControls, RadioGroupReportsTheUsersChoice) {
    auto* group = Add<TRadioGroup>(10, 10);
    group->SetBounds(10, 10, 150, 100);
    group->Items()->SetCommaText("One,Two,Three");
    int clicks = 0;
    group->OnClick = [&](TObject*) { ++clicks; };
    group->SetItemIndex(1);
    EXPECT_TRUE(group->Buttons(1)->Checked());
    EXPECT_EQ(clicks, 1);
    ShowForm(form.get());
    input.Click(group->Buttons(2), 5, 5);
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_FALSE(group->Buttons(1)->Checked());
    EXPECT_EQ(clicks, 2);
}

TEST_F(StandardControls, ArrowKeysMoveTheChoiceWithinARadioGroup) {
    auto* group = Add<TRadioGroup>(10, 10);
    group->SetBounds(10, 10, 150, 100);
    group->Items()->SetCommaText("One,Two,Three");
    auto* after = Add<TEdit>(10, 150);
    after->SetTabStop(true);
    std::vector<int> choices;
    group->OnClick = [&](TObject*) { choices.push_back(group->ItemIndex()); };
    group->SetItemIndex(0);
    ShowForm(form.get());
    group->Buttons(0)->SetFocus();
    group->Buttons(1)->SetEnabled(false);
    // Down skips the disabled button; the ends wrap; Left and Up go back.
    for (std::uint16_t key : {VK_DOWN, VK_RIGHT, VK_UP, VK_LEFT})
        input.Key(form->ActiveControl(), key);
    EXPECT_EQ(choices, (std::vector<int>{0, 2, 0, 2, 0}));
    EXPECT_EQ(form->ActiveControl(), group->Buttons(0));
    EXPECT_FALSE(group->Buttons(2)->Checked());
    // Tab leaves the group from the checked button.
    input.Key(form->ActiveControl(), VK_TAB);
    EXPECT_EQ(form->ActiveControl(), after);
}

TEST_F(StandardControls, ScrollBoxShowsTheBarsItsContentNeeds) {
    auto* box = Add<TScrollBox>(10, 10);
    box->SetBounds(10, 10, 100, 100);
    auto* panel = new TPanel(form.get());
    panel->SetBounds(10, 150, 50, 50);
    panel->SetParent(box);
    ShowForm(form.get());
    TControlScrollBar* vert = box->VertScrollBar();
    TControlScrollBar* horz = box->HorzScrollBar();
    EXPECT_TRUE(vert->IsScrollBarVisible());
    EXPECT_FALSE(horz->IsScrollBarVisible());
    EXPECT_EQ(vert->Range(), 200);
    EXPECT_EQ(box->ClientRect(), Rect(0, 0, 83, 100)); // less the bar
    // Position scrolls the content, within 0 .. Range less the client.
    vert->SetPosition(50);
    EXPECT_EQ(panel->Top(), 100);
    vert->SetPosition(1000);
    EXPECT_EQ(vert->Position(), 100);
    EXPECT_EQ(panel->Top(), 50);
    // The user drags the bar's window; the wheel steps by Increment.
    QScrollBar* window = nullptr;
    for (QScrollBar* b : box->Widget()->findChildren<QScrollBar*>())
        if (b->orientation() == Qt::Vertical && b->isVisible())
            window = b;
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->maximum(), 100);
    window->setValue(30);
    EXPECT_EQ(vert->Position(), 30);
    EXPECT_EQ(panel->Top(), 120);
    input.Wheel(box, 5, 5, -120);
    EXPECT_EQ(vert->Position(), 30 + vert->Increment());
    EXPECT_EQ(window->value(), vert->Position());
    // Content wider than the room: both bars, each taking room from the other.
    panel->SetLeft(90);
    EXPECT_TRUE(horz->IsScrollBarVisible());
    EXPECT_EQ(box->ClientRect(), Rect(0, 0, 83, 83));
    EXPECT_EQ(vert->MaxPosition(), 200 - 83);
    korvan::testing::SavePng(korvan::testing::Grab(box), "scroll_box_both_bars");
    // Content that fits: the bars go and the content scrolls back.
    panel->SetBounds(10, 10, 20, 20);
    EXPECT_FALSE(vert->IsScrollBarVisible());
    EXPECT_FALSE(horz->IsScrollBarVisible());
    EXPECT_EQ(vert->Position(), 0);
    EXPECT_EQ(panel->Top(), 10 + 30 + vert->Increment());
    EXPECT_EQ(box->ClientRect(), Rect(0, 0, 100, 100));
}

TEST_F(StandardControls, AStreamedScrollPositionWaitsForTheContent) {
    TScrollBox box(nullptr);
    korvan::forms::ReadComponentText("object Box: TScrollBox\n Width = 100\n Height = 100\n"
                                     " VertScrollBar.Position = 40\n VertScrollBar.Increment = 20\n"
                                     " object Inner: TPanel\n  Top = 0\n  Height = 300\n end\nend",
                                     &box);
    auto* inner = dynamic_cast<TPanel*>(box.FindComponent("Inner"));
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(box.VertScrollBar()->Position(), 40);
    EXPECT_EQ(box.VertScrollBar()->Increment(), 20);
    EXPECT_EQ(inner->Top(), -40);
}

TEST_F(StandardControls, PageControlShowsOnePageAtATime) {
    auto* pages = Add<TPageControl>(0, 0);
    auto* first = new TTabSheet(form.get());
    first->SetCaption("First");
    first->SetPageControl(pages);
    auto* second = new TTabSheet(form.get());
    second->SetCaption("Second");
    second->SetPageControl(pages);
    int changes = 0;
    pages->OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(pages->ActivePage(), first);
    EXPECT_TRUE(first->Visible());
    EXPECT_FALSE(second->Visible());
    EXPECT_EQ(first->BoundsRect(), pages->AdjustClientRect(pages->ClientRect()));
    pages->SetActivePageIndex(1);
    EXPECT_EQ(changes, 0);
    ShowForm(form.get());
    const QRect tab = QRect(pages->TabAt(5, 10) == 0 ? QPoint(5, 10) : QPoint(), QSize(1, 1));
    input.Click(pages, tab.x(), tab.y());
    EXPECT_EQ(pages->ActivePage(), first);
    EXPECT_EQ(changes, 1);
}

TEST_F(StandardControls, TopLevelMenuItemsActOnClick) {
    auto* menu = new TMainMenu(form.get());
    auto* file = new TMenuItem(form.get());
    file->SetCaption("&File");
    auto* open = new TMenuItem(form.get());
    open->SetCaption("&Open");
    file->Add(open);
    auto* about = new TMenuItem(form.get());
    about->SetCaption("&About");
    menu->Items()->Add(file);
    menu->Items()->Add(about);
    form->SetClientHeight(200);
    form->SetMenu(menu);
    EXPECT_EQ(form->ClientHeight(), 200);
    int clicks = 0;
    about->OnClick = [&](TObject*) { ++clicks; };
    open->OnClick = [&](TObject*) { ++clicks; };
    ShowForm(form.get());
    about->Action()->trigger();
    menu->FindItem("File/Open")->Action()->trigger();
    EXPECT_EQ(clicks, 2);
    open->SetEnabled(false);
    open->Action()->trigger();
    EXPECT_EQ(clicks, 2);
}

// A "-" item is a separator line and nothing else: no text beside it.
TEST_F(StandardControls, SeparatorItemsAreLinesOnly) {
    auto* menu = new TMainMenu(form.get());
    auto* file = new TMenuItem(form.get());
    file->SetCaption("&File");
    menu->Items()->Add(file);
    for (const char* caption : {"&Open", "-", "E&xit"}) {
        auto* item = new TMenuItem(form.get());
        item->SetCaption(caption);
        file->Add(item);
    }
    form->SetMenu(menu);
    ShowForm(form.get());
    QAction* separator = file->Items(1)->Action();
    EXPECT_TRUE(separator->isSeparator());
    EXPECT_TRUE(separator->text().isEmpty());
    EXPECT_EQ(file->Items(1)->Caption(), "-"); // the item keeps its caption
    QMenu* shown = file->SubMenu();
    shown->adjustSize();
    QImage image(shown->size(), QImage::Format_RGB32);
    shown->render(&image);
    korvan::testing::SavePng(image, "menu_with_separator");
}

} // namespace
