// Focus and keys: OnEnter/OnExit only for focus moves inside a form,
// virtual keys with Key by reference, dialog keys to the default and
// cancel buttons, Tab order and accelerators.

#include "platform/forms/ExtCtrls.h"
#include "platform/forms/Menus.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/text/Exception.h"
#include "tests/support/gui/GuiHarness.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMenuBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using korvan::testing::GuiTest;

class FocusKeys : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(50, 50, 316, 238);
        edit1 = MakeEdit("edit1", 10);
        edit2 = MakeEdit("edit2", 40);
        ok = new TButton(form.get());
        ok->SetName("ok");
        ok->SetCaption("&OK");
        ok->SetBounds(10, 100, 75, 25);
        ok->SetParent(form.get());
        ok->OnClick = [this](TObject*) { log.push_back("ok click"); };
        cancel = new TButton(form.get());
        cancel->SetCaption("Cancel");
        cancel->SetBounds(100, 100, 75, 25);
        cancel->SetParent(form.get());
        cancel->OnClick = [this](TObject*) { log.push_back("cancel click"); };
        ok->SetDefault(true);
        cancel->SetCancel(true);
        ShowForm(form.get());
        log.clear();
    }
    TEdit* MakeEdit(const std::string& name, int top) {
        auto* e = new TEdit(form.get());
        e->SetName(name);
        e->SetBounds(10, top, 100, 21);
        e->SetParent(form.get());
        e->OnEnter = [this, name](TObject*) { log.push_back(name + " enter"); };
        e->OnExit = [this, name](TObject*) { log.push_back(name + " exit"); };
        return e;
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    std::unique_ptr<TForm> form;
    TEdit *edit1 = nullptr, *edit2 = nullptr;
    TButton *ok = nullptr, *cancel = nullptr;
    std::vector<std::string> log;
};

TEST_F(FocusKeys, EnterAndExitFollowFocusMovesInsideTheForm) {
    EXPECT_EQ(form->ActiveControl(), edit1); // the first in tab order
    edit2->SetFocus();
    input.Key(edit2, VK_TAB);
    EXPECT_EQ(form->ActiveControl(), ok);
    EXPECT_EQ(log, (std::vector<std::string>{"edit1 exit", "edit2 enter", "edit2 exit"}));
    input.Key(ok, VK_TAB, ssShift);
    EXPECT_EQ(form->ActiveControl(), edit2);
}

TEST_F(FocusKeys, ControlsBeingDestroyedHearNoFocusEvents) {
    // A container whose child's handler reaches the container: when the
    // container goes while the child has the focus, the handler must not
    // run on what is left of it.
    auto* box = new TPanel(form.get());
    box->SetBounds(150, 10, 120, 60);
    box->SetParent(form.get());
    auto* inner = new TEdit(box);
    inner->SetParent(box);
    inner->OnExit = [this](TObject*) { log.push_back("inner exit"); };
    inner->SetFocus();
    log.clear();
    box->Destroying();
    delete box;
    EXPECT_EQ(std::count(log.begin(), log.end(), "inner exit"), 0);
}

TEST_F(FocusKeys, NoExitWhenTheWindowIsDeactivated) {
    edit2->SetFocus();
    log.clear();
    auto other = std::make_unique<TForm>(nullptr);
    auto* otherEdit = new TEdit(other.get());
    otherEdit->SetParent(other.get());
    ShowForm(other.get());
    // Qt takes the focus away for the activation of another window.
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(edit2->Widget(), &out);
    ShowForm(form.get());
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(edit2->Widget(), &in);
    QFocusEvent popup(QEvent::FocusIn, Qt::PopupFocusReason);
    QApplication::sendEvent(edit2->Widget(), &popup);
    EXPECT_TRUE(log.empty()) << log.front();
    EXPECT_EQ(form->ActiveControl(), edit2);
    // A click inside the form still moves the focus with exit and enter.
    QFocusEvent byMouse(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(edit1->Widget(), &byMouse);
    EXPECT_EQ(log, (std::vector<std::string>{"edit2 exit", "edit1 enter"}));
}

TEST_F(FocusKeys, ReturnPressesTheDefaultButtonAndEscapeTheCancelButton) {
    input.Key(edit1, VK_RETURN, 0, "\r");
    input.Key(edit1, VK_ESCAPE, 0, "\x1b");
    EXPECT_EQ(log, (std::vector<std::string>{"ok click", "cancel click"}));
    // While another button has the focus, Return is that button's.
    cancel->SetFocus();
    EXPECT_FALSE(ok->Active());
    EXPECT_TRUE(cancel->Active());
    log.clear();
    input.Key(cancel, VK_RETURN, 0, "\r");
    EXPECT_EQ(log, (std::vector<std::string>{"cancel click"}));
}

TEST_F(FocusKeys, KeysArriveAsVirtualKeysAndAKeySetToZeroIsDropped) {
    std::vector<std::string> keys;
    edit1->OnKeyDown = [&](TObject*, std::uint16_t& key, TShiftState shift) {
        keys.push_back("down " + std::to_string(key) + ((shift & ssShift) ? " shift" : ""));
        if (key == 'X')
            key = 0;
    };
    edit1->OnKeyPress = [&](TObject*, char& ch) {
        keys.push_back(std::string("press ") + ch);
        if (ch == 'b')
            ch = 0;
    };
    edit1->OnKeyUp = [&](TObject*, std::uint16_t& key, TShiftState) {
        keys.push_back("up " + std::to_string(key));
    };
    input.Type(edit1, "aX");
    input.Key(edit1, 'B', 0, "b");
    input.Key(edit1, VK_F1);
    EXPECT_EQ(edit1->Text(), "a");
    EXPECT_EQ(keys, (std::vector<std::string>{"down 65", "press a", "up 65", "down 88 shift", "up 88",
                                              "down 66", "press b", "up 66", "down 112", "up 112"}));
}

TEST_F(FocusKeys, KeyPressMayReplaceTheCharacter) {
    int presses = 0;
    edit1->OnKeyPress = [&](TObject*, char& ch) {
        ++presses;
        if (ch == ',')
            ch = '.';
        else if (ch >= 'a' && ch <= 'z')
            ch = char(ch - 'a' + 'A');
    };
    input.Type(edit1, "1");
    input.Key(edit1, VK_OEM_COMMA, 0, ",");
    input.Type(edit1, "5x");
    // The edit shows the replaced characters, each handled once.
    EXPECT_EQ(edit1->Text(), "1.5X");
    EXPECT_EQ(presses, 4);
}

TEST_F(FocusKeys, AcceleratorsReachTheCaptionThatCarriesThem) {
    input.Key(edit1, 'O', ssAlt, "o");
    EXPECT_EQ(log, (std::vector<std::string>{"ok click"}));
    // A plain letter is the edit's own.
    log.clear();
    input.Key(edit1, 'O', 0, "o");
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(edit1->Text(), "o");
    // On a button, which takes no characters, the plain letter works.
    cancel->SetFocus();
    log.clear();
    input.Key(cancel, 'O', 0, "o");
    EXPECT_EQ(log, (std::vector<std::string>{"ok click"}));
}

TEST_F(FocusKeys, AcceleratorsFocusAndSetCheckBoxesAndRadioButtons) {
    auto* box = new TCheckBox(form.get());
    box->SetCaption("&Mute");
    box->SetBounds(10, 140, 97, 17);
    box->SetParent(form.get());
    auto* radio = new TRadioButton(form.get());
    radio->SetCaption("&Link");
    radio->SetBounds(10, 160, 113, 17);
    radio->SetParent(form.get());
    input.Key(edit1, 'M', ssAlt, "m");
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Focused());
    input.Key(box, 'M', ssAlt, "m");
    EXPECT_FALSE(box->Checked());
    input.Key(box, 'L', ssAlt, "l");
    EXPECT_TRUE(radio->Checked());
    EXPECT_TRUE(radio->Focused());
    input.Key(radio, 'L', ssAlt, "l");
    EXPECT_TRUE(radio->Checked());
    // No button took the letters.
    EXPECT_EQ(log, (std::vector<std::string>{"edit1 exit"}));
}

TEST_F(FocusKeys, MenuShortCutsAndCaptionAcceleratorsReachTheMenu) {
    auto* menu = new TMainMenu(form.get());
    auto item = [&](TMenuItem* parent, const std::string& caption, TShortCut shortCut = scNone) {
        auto* i = new TMenuItem(form.get());
        i->SetCaption(caption);
        i->SetShortCut(shortCut);
        i->OnClick = [this, caption](TObject*) { log.push_back(StripAccelChars(caption)); };
        parent->Add(i);
        return i;
    };
    TMenuItem* file = item(menu->Items(), "&File");
    item(file, "&Open...", ShortCut('O', ssCtrl));
    TMenuItem* save = item(file, "&Save", ShortCut('S', ssCtrl | ssShift));
    item(menu->Items(), "&Help");
    form->SetMenu(menu);
    auto* popup = new TPopupMenu(form.get());
    item(popup->Items(), "Paste", ShortCut('V', ssCtrl));
    edit1->SetPopupMenu(popup);
    std::vector<std::uint16_t> editKeys;
    edit1->OnKeyDown = [&](TObject*, std::uint16_t& key, TShiftState) { editKeys.push_back(key); };

    input.Key(edit1, 'O', ssCtrl);
    input.Key(edit1, 'S', ssCtrl | ssShift);
    input.Key(edit1, 'V', ssCtrl);
    EXPECT_EQ(log, (std::vector<std::string>{"Open...", "Save", "Paste"}));
    EXPECT_TRUE(editKeys.empty()); // the menu took them
    EXPECT_EQ(edit1->Text(), "");
    // A disabled item's shortcut is an ordinary key again.
    log.clear();
    save->SetEnabled(false);
    input.Key(edit1, 'S', ssCtrl | ssShift);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(editKeys, (std::vector<std::uint16_t>{'S'}));
    // Alt with a caption's accelerator: a top-level item without
    // sub-items acts, one with sub-items opens; the buttons' accelerators
    // come first.
    input.Key(edit1, 'H', ssAlt, "h");
    EXPECT_EQ(log, (std::vector<std::string>{"Help"}));
    input.Key(edit1, 'F', ssAlt, "f");
    QAction* const opened = menu->Bar()->activeAction();
    EXPECT_EQ(opened, file->Action());
    menu->Bar()->setActiveAction(nullptr);
    log.clear();
    input.Key(edit1, 'O', ssAlt, "o");
    EXPECT_EQ(log, (std::vector<std::string>{"ok click"}));
}

TEST_F(FocusKeys, DisablingTheFocusedControlMovesTheFocusOn) {
    edit2->SetFocus();
    edit2->SetEnabled(false);
    EXPECT_EQ(form->ActiveControl(), ok);
    EXPECT_THROW(edit2->SetFocus(), EInvalidOperation);
}

} // namespace
