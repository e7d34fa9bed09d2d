// The combo box's open list and the clipboard: a choice from the open list
// ends it well before the choice's events, the automatic drop-down opens
// the list on typing, and a paste completes like typing unless free text
// is refused.

#include "tests/controls/panels/ComboBoxTestSupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

using korvan::testing::ComboTest;

class ComboList : public ComboTest {
protected:
    // A key to the open list, as the user presses it there.
    void KeyToList(int qtKey) {
        auto* native = qobject_cast<QComboBox*>(combo->Widget());
        ASSERT_NE(native, nullptr);
        QKeyEvent press(QEvent::KeyPress, qtKey, Qt::NoModifier);
        QApplication::sendEvent(native->view(), &press);
    }
};

TEST_F(ComboList, AChoiceFromTheOpenListEndsItWellBeforeItsEvents) {
    combo->OnSelEndOk = [this](TObject*) { ++events.selEndOk, events.log += 'o'; };
    combo->OnCloseUp = [this](TObject*) { ++events.closeUp, events.log += 'u'; };
    Focus(combo);
    combo->SetDroppedDown(true);
    ASSERT_TRUE(combo->DroppedDown());
    KeyToList(Qt::Key_Up);
    KeyToList(Qt::Key_Return);
    ProcessEvents();
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 18);
    EXPECT_EQ(combo->Text(), "LK -36");
    EXPECT_EQ(events.selEndCancel, 0);
    // The good end, the choice's click and change, then the list closes.
    EXPECT_EQ(events.log, "ochu");
    EXPECT_EQ(combo->Value(), "LK -36");
}

TEST_F(ComboList, AutoDropDownOpensTheListOnTyping) {
    combo->SetStyle(csDropDownList);
    combo->SetAutoDropDown(true);
    Focus(combo);
    TypeKeys(combo, "b");
    EXPECT_TRUE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 0);
    combo->SetDroppedDown(false);
    ProcessEvents();
}

TEST_F(ComboList, APasteCompletesLikeTyping) {
    QApplication::clipboard()->setText("bl -2");
    combo->ForceText("");
    Focus(combo);
    input.Key(combo, 'V', ssCtrl, "\x16");
    EXPECT_EQ(combo->Text(), "BL -24");
    EXPECT_EQ(combo->ItemIndex(), 11);
    EXPECT_EQ(combo->SelStart(), 5);
    EXPECT_EQ(combo->SelLength(), 1);
    EXPECT_EQ(events.match, 1);
}

TEST_F(ComboList, WithoutAllowEditNothingIsPastedOrCut) {
    QApplication::clipboard()->setText("free text");
    combo->SetAllowEdit(false);
    Focus(combo);
    input.Key(combo, 'V', ssCtrl, "\x16");
    input.Key(combo, VK_INSERT, ssShift);
    EXPECT_EQ(combo->Text(), "LK -48");
    input.Key(combo, VK_HOME);
    input.Key(combo, VK_DELETE); // not all selected: refused
    EXPECT_EQ(combo->Text(), "LK -48");
    input.Key(combo, 'X', ssCtrl, "\x18");
    EXPECT_EQ(combo->Text(), "LK -48");
}

} // namespace
