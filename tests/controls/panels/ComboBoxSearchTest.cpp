// The combo box's keyboard: incremental search in a list without an edit
// field (with its pause on the driven clock), completion in the edit field,
// free text, the not-in-list notice, read-only typing and Return as Tab.

#include "tests/controls/panels/ComboBoxTestSupport.h"

#include <gtest/gtest.h>

namespace {

using korvan::testing::ComboTest;

class ComboSearch : public ComboTest {};

TEST_F(ComboSearch, TypedCharactersPickTheFirstItemThatBeginsWithThem) {
    struct Case {
        const char* keys;
        int index;          // the selection afterwards
        const char* search; // the search text afterwards
        int beeps;
        int changes;
    };
    const Case cases[] = {
        {"b", 0, "b", 0, 1},
        {"bl", 8, "bl", 0, 2},
        {"BL -1", 9, "BL -1", 0, 5}, // letter case ignored, blanks and signs count
        {"l", 16, "l", 0, 1},        // the first of several
        {"x", 19, "", 1, 0},         // nothing begins with x: a beep, nothing moves
        {"blx", 8, "bl", 1, 2},      // a miss keeps the search so far
        {"bl\b", 0, "b", 0, 3},      // Backspace searches again with one less
        {"b\b", 0, "", 0, 2},        // ... down to nothing: the first item
        {"\b", 0, "", 1, 1},         // nothing to take back: a beep, then the first item
        {"lk -48", 19, "lk -48", 0, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        combo->SetStyle(csDropDownList);
        combo->SetItemIndex(19);
        combo->ClearSearchString();
        Focus(combo);
        TypeKeys(combo, c.keys);
        EXPECT_EQ(combo->ItemIndex(), c.index);
        EXPECT_EQ(combo->SearchString(), c.search);
        EXPECT_EQ(beeps, c.beeps);
        EXPECT_EQ(events.change, c.changes);
        EXPECT_EQ(events.click, c.changes);
        AdvanceTimers(SearchResetInterval);
    }
}

TEST_F(ComboSearch, TheSearchStartsAgainAfterThePauseOnTheDrivenClock) {
    combo->SetStyle(csDropDownList);
    Focus(combo);
    TypeKeys(combo, "b");
    AdvanceTimers(SearchResetInterval - 1);
    TypeKeys(combo, "l"); // within the pause: "bl"
    EXPECT_EQ(combo->ItemIndex(), 8);
    // Each character starts the pause again.
    AdvanceTimers(SearchResetInterval - 1);
    EXPECT_EQ(combo->SearchString(), "bl");
    AdvanceTimers(1);
    EXPECT_EQ(combo->SearchString(), "");
    TypeKeys(combo, "l"); // a new search
    EXPECT_EQ(combo->ItemIndex(), 16);
    EXPECT_EQ(combo->SearchString(), "l");
}

TEST_F(ComboSearch, NavigationKeysAndTheFocusLossEndTheSearch) {
    combo->SetStyle(csDropDownList);
    Focus(combo);
    TypeKeys(combo, "bl");
    input.Key(combo, VK_DOWN);
    EXPECT_EQ(combo->SearchString(), "");
    EXPECT_EQ(combo->ItemIndex(), 9); // the arrow moved on from the found item
    TypeKeys(combo, "b");
    other->SetFocus();
    ProcessEvents();
    EXPECT_EQ(combo->SearchString(), "");
}

TEST_F(ComboSearch, TypingCompletesTheTextAndSelectsTheCompletedPart) {
    combo->SetItemIndex(-1);
    Focus(combo);
    TypeKeys(combo, "b");
    EXPECT_EQ(combo->Text(), "BW -6");
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(events.log, "kchm"); // the key, then click, change and the match
    TypeKeys(combo, "l");
    EXPECT_EQ(combo->ItemIndex(), 8);
    EXPECT_EQ(combo->Text(), "BL -6");
    EXPECT_EQ(combo->SelStart(), 2);
    EXPECT_EQ(combo->SelLength(), 3);
    EXPECT_EQ(events.match, 2);
    EXPECT_EQ(events.click, 2);
    EXPECT_EQ(events.change, 2);
    EXPECT_EQ(events.keyPress, 2);
    // The next character replaces the completed part.
    TypeKeys(combo, " -1");
    EXPECT_EQ(combo->Text(), "BL -12");
    EXPECT_EQ(combo->SelStart(), 5);
    EXPECT_EQ(combo->SelLength(), 1);
    // A character that keeps the same item is no new match.
    const int matches = events.match;
    TypeKeys(combo, "2");
    EXPECT_EQ(combo->Text(), "BL -12");
    EXPECT_EQ(events.match, matches);
    EXPECT_EQ(beeps, 0);
}

TEST_F(ComboSearch, BackspaceTakesBackTheTypedTextNotTheCompletion) {
    combo->SetItemIndex(-1);
    Focus(combo);
    TypeKeys(combo, "bl");
    TypeKeys(combo, "\b");
    EXPECT_EQ(combo->SearchString(), "b");
    EXPECT_EQ(combo->Text(), "BW -6");
    EXPECT_EQ(combo->SelStart(), 1);
    TypeKeys(combo, "\b");
    EXPECT_EQ(combo->SearchString(), "");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
    // Nothing left to take back.
    TypeKeys(combo, "\b");
    EXPECT_EQ(beeps, 1);
}

TEST_F(ComboSearch, KeepSearchCaseKeepsTheTypedLetters) {
    combo->SetKeepSearchCase(true);
    combo->SetItemIndex(-1);
    Focus(combo);
    TypeKeys(combo, "bl");
    EXPECT_EQ(combo->Text(), "bl -6");
    EXPECT_EQ(combo->SelStart(), 2);
    EXPECT_EQ(combo->SelLength(), 3);
}

TEST_F(ComboSearch, FreeTextNeedsAllowEdit) {
    combo->SetItemIndex(-1);
    combo->SetAllowEdit(false);
    Focus(combo);
    TypeKeys(combo, "b");
    TypeKeys(combo, "z"); // "bz" begins no item: refused
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(combo->Text(), "BW -6");
    EXPECT_EQ(combo->SelStart(), 1);
    EXPECT_EQ(combo->SelLength(), 4);
    EXPECT_EQ(combo->SearchString(), "b");

    combo->SetAllowEdit(true);
    TypeKeys(combo, "z"); // now it goes in as free text
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(combo->Text(), "bz");
    EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(ComboSearch, LeavingWithTextThatIsNoItemRaisesNotInList) {
    struct Case {
        const char* name;
        std::string text;
        int notInList;
    };
    const Case cases[] = {{"free text", "BL -7", 1},
                          {"an item", "BL -6", 0},
                          {"empty", "", 0},
                          {"an item in other letters", "bl -6", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Focus(combo);
        combo->ForceText(c.text);
        other->SetFocus();
        ProcessEvents();
        EXPECT_EQ(events.notInList, c.notInList);
    }
}

TEST_F(ComboSearch, AProgramSetTextCompletesButRaisesNothing) {
    combo->SetText("bl -1");
    EXPECT_EQ(combo->ItemIndex(), 9);
    EXPECT_EQ(combo->Text(), "BL -12");
    // ForceText leaves it as it is.
    combo->ForceText("bl");
    EXPECT_EQ(combo->Text(), "bl");
    combo->SetItemIndex(3);
    EXPECT_EQ(combo->Text(), "BW -24");
    EXPECT_EQ(events.change + events.click + events.match, 0);
}

TEST_F(ComboSearch, ReadOnlySwallowsTypingButPassesCopyAndMovesOnWithReturn) {
    combo->SetReadOnly(true);
    combo->SetTabOnEnter(true);
    Focus(combo);
    TypeKeys(combo, "bl\b");
    EXPECT_EQ(combo->Text(), "LK -48");
    EXPECT_EQ(combo->ItemIndex(), 19);
    EXPECT_EQ(events.keyPress, 0);
    char seen = 0;
    combo->OnKeyPress = [&](TObject*, char& key) { seen = key; };
    input.Key(combo, 'C', ssCtrl, "\x03");
    EXPECT_EQ(seen, '\x03');
    TypeKeys(combo, "\r");
    EXPECT_EQ(form->ActiveControl(), other);
}

TEST_F(ComboSearch, ReturnMovesOnWithTabOnEnter) {
    combo->SetTabOnEnter(true);
    Focus(combo);
    TypeKeys(combo, "\r");
    EXPECT_EQ(form->ActiveControl(), other);
}

TEST_F(ComboSearch, MaxLengthRefusesAPrintableCharacterWithNothingSelected) {
    combo->SetItemIndex(-1);
    combo->SetMaxLength(3);
    Focus(combo);
    TypeKeys(combo, "xyz");
    EXPECT_EQ(combo->Text(), "xyz");
    TypeKeys(combo, "w");
    EXPECT_EQ(combo->Text(), "xyz");
    EXPECT_EQ(beeps, 1);
}

} // namespace
