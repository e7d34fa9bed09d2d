// The edit's entry options (character case, digits only, password
// character, hint, selection on and after focus, input methods), reading
// order from the parent, a popup menu that goes away, and the image list
// component.

#include "platform/forms/FormText.h"
#include "platform/forms/ImageListComponent.h"
#include "platform/forms/Menus.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/TypeInfo.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/gfx/Bitmap.h"
#include "tests/support/gui/GuiHarness.h"

#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class EditOptions : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(0, 0, 300, 200);
        edit = new TEdit(form.get());
        edit->SetBounds(10, 10, 120, 21);
        edit->SetParent(form.get());
        other = new TEdit(form.get());
        other->SetBounds(10, 40, 120, 21);
        other->SetParent(form.get());
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    QLineEdit& Line(TEdit* e) { return *qobject_cast<QLineEdit*>(e->Widget()); }
    void Focus(TEdit* e) {
        e->SetFocus();
        ProcessEvents();
    }
    std::unique_ptr<TForm> form;
    TEdit* edit = nullptr;
    TEdit* other = nullptr;
};

TEST_F(EditOptions, CharCaseConvertsTheTextAndWhatGoesIn) {
    struct Case {
        TEditCharCase charCase;
        const char* before;
        const char* after;
        const char* typed;
        const char* set;
        const char* shown;
    };
    const Case cases[] = {
        {ecUpperCase, "Out1 Sub", "OUT1 SUB", "OUT1 SUBAB", "mIx", "MIX"},
        {ecLowerCase, "Out1 Sub", "out1 sub", "out1 subab", "mIx", "mix"},
        {ecNormal, "Out1 Sub", "Out1 Sub", "Out1 SubaB", "mIx", "mIx"},
    };
    ShowForm(form.get());
    for (const Case& c : cases) {
        edit->SetCharCase(ecNormal);
        edit->SetText(c.before);
        int changes = 0;
        edit->OnChange = [&](TObject*) { ++changes; };
        edit->SetCharCase(c.charCase);
        EXPECT_EQ(edit->Text(), c.after) << c.before;
        Focus(edit);
        edit->SetSelStart(int(std::string(c.before).size()));
        input.Type(edit, "aB");
        EXPECT_EQ(edit->Text(), c.typed);
        edit->SetText(c.set);
        EXPECT_EQ(edit->Text(), c.shown);
        EXPECT_EQ(edit->CharCase(), c.charCase);
        EXPECT_GT(changes, 0);
        edit->OnChange = nullptr;
    }
}

TEST_F(EditOptions, NumbersOnlyRefusesTypedCharactersThatAreNoDigits) {
    ShowForm(form.get());
    edit->SetNumbersOnly(true);
    Focus(edit);
    input.Type(edit, "1a2.-3 ");
    EXPECT_EQ(edit->Text(), "123");
    input.Key(edit, VK_BACK);
    EXPECT_EQ(edit->Text(), "12") << "editing keys still act";
    // The program's text is not checked.
    edit->SetText("-4.5");
    EXPECT_EQ(edit->Text(), "-4.5");
    edit->SetNumbersOnly(false);
    edit->SetSelStart(4);
    input.Type(edit, "x");
    EXPECT_EQ(edit->Text(), "-4.5x");
}

TEST_F(EditOptions, PasswordCharMasksTheDisplayWithThatCharacter) {
    edit->SetText("1234");
    edit->SetPasswordChar('#');
    EXPECT_EQ(Line(edit).displayText(), "####");
    EXPECT_EQ(edit->Text(), "1234");
    edit->SetPasswordChar('*');
    EXPECT_EQ(Line(edit).displayText(), "****");
    edit->SetPasswordChar(0);
    EXPECT_EQ(Line(edit).displayText(), "1234");
}

TEST_F(EditOptions, TextHintShowsWhileEmpty) {
    edit->SetTextHint("8");
    EXPECT_EQ(edit->TextHint(), "8");
    EXPECT_EQ(Line(edit).placeholderText(), "8");
}

TEST_F(EditOptions, AutoSelectSelectsOnFocusAndHideSelectionKeepsIt) {
    ShowForm(form.get());
    edit->SetText("500ms");
    other->SetText("x");
    // AutoSelect (the default): the focus selects the whole text.
    Focus(other);
    Focus(edit);
    EXPECT_EQ(edit->SelLength(), 5);
    // Off: the caret stays where it was.
    edit->SetAutoSelect(false);
    edit->SetSelStart(2);
    Focus(other);
    Focus(edit);
    EXPECT_EQ(edit->SelLength(), 0);
    EXPECT_EQ(edit->SelStart(), 2);
    // The selection stays when the focus leaves; with HideSelection it
    // does not show until the focus is back.
    for (const bool hide : {true, false}) {
        edit->SetHideSelection(hide);
        edit->SelectAll();
        Focus(other);
        EXPECT_EQ(edit->SelLength(), 5) << hide;
        const QPalette& pal = Line(edit).palette();
        EXPECT_EQ(pal.color(QPalette::Highlight) == pal.color(QPalette::Base), hide) << hide;
        Focus(edit);
        EXPECT_NE(Line(edit).palette().color(QPalette::Highlight),
                  Line(edit).palette().color(QPalette::Base));
    }
}

TEST_F(EditOptions, ImeModeDisableTurnsInputMethodsOff) {
    EXPECT_EQ(edit->ImeMode(), imDontCare);
    edit->SetImeMode(imDisable);
    EXPECT_FALSE(Line(edit).testAttribute(Qt::WA_InputMethodEnabled));
    edit->SetImeMode(imOpen);
    EXPECT_TRUE(Line(edit).testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(EditOptions, ReadingOrderFollowsTheParentUntilSetAndMirrorsAlignment) {
    form->SetBiDiMode(bdRightToLeft);
    EXPECT_EQ(edit->BiDiMode(), bdRightToLeft);
    EXPECT_TRUE(edit->ParentBiDiMode());
    EXPECT_EQ(Line(edit).layoutDirection(), Qt::RightToLeft);
    other->SetBiDiMode(bdRightToLeftNoAlign);
    EXPECT_FALSE(other->ParentBiDiMode());
    EXPECT_EQ(Line(other).layoutDirection(), Qt::LeftToRight) << "keeps its alignment";
    form->SetBiDiMode(bdLeftToRight);
    EXPECT_EQ(edit->BiDiMode(), bdLeftToRight);
    EXPECT_EQ(other->BiDiMode(), bdRightToLeftNoAlign);
    // Following again takes the parent's at once.
    other->SetParentBiDiMode(true);
    EXPECT_EQ(other->BiDiMode(), bdLeftToRight);
}

TEST_F(EditOptions, APopupMenuThatGoesIsForgotten) {
    auto menu = std::make_unique<TPopupMenu>(nullptr);
    edit->SetPopupMenu(menu.get());
    other->SetPopupMenu(menu.get());
    menu.reset();
    EXPECT_EQ(edit->PopupMenu(), nullptr);
    EXPECT_EQ(other->PopupMenu(), nullptr);
    // One owned by the form, freed by it before the edits.
    auto* owned = new TPopupMenu(form.get());
    edit->SetPopupMenu(owned);
    delete owned;
    EXPECT_EQ(edit->PopupMenu(), nullptr);
}

TEST_F(EditOptions, TheOptionsLiveInTheFormText) {
    form->SetName("Host");
    edit->SetName("edName");
    edit->SetCharCase(ecUpperCase);
    edit->SetNumbersOnly(true);
    edit->SetTextHint("name");
    edit->SetAutoSelect(false);
    edit->SetHideSelection(false);
    edit->SetImeMode(imClose);
    edit->SetOEMConvert(true);
    edit->SetDragMode(dmAutomatic);
    const std::string text = korvan::forms::WriteComponentText(form.get());
    TForm target(nullptr);
    korvan::forms::ReadComponentText(text, &target);
    auto* read = korvan::testing::Find<TEdit>(&target, "edName");
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->CharCase(), ecUpperCase);
    EXPECT_TRUE(read->NumbersOnly());
    EXPECT_EQ(read->TextHint(), "name");
    EXPECT_FALSE(read->AutoSelect());
    EXPECT_FALSE(read->HideSelection());
    EXPECT_EQ(read->ImeMode(), imClose);
    EXPECT_TRUE(read->OEMConvert());
    EXPECT_EQ(read->DragMode(), dmAutomatic);
    EXPECT_EQ(text.find("DragKind"), std::string::npos) << "defaults are not written";
}

// The image list as a component: made by name, it streams its size and
// pictures, copies another list, and those who refer to it hear of its end.
TEST_F(EditOptions, TheImageListComponentStreamsAndAssigns) {
    const TClassInfo* info = FindClass("TImageList");
    ASSERT_NE(info, nullptr);
    std::unique_ptr<TObject> made(info->Create(nullptr));
    auto* list = dynamic_cast<TCustomImageList*>(made.get());
    ASSERT_NE(list, nullptr);

    TForm source(nullptr);
    source.SetName("Host");
    auto* images = new TImageListComponent(&source);
    images->SetName("ilFaces");
    images->SetSize(4, 3);
    TBitmap strip;
    strip.SetSize(12, 3);
    strip.Canvas().Brush().SetColor(clBlue);
    strip.Canvas().FillRect(Rect(0, 0, 12, 3));
    images->Add(strip);
    const std::string text = korvan::forms::WriteComponentText(&source);
    TForm target(nullptr);
    korvan::forms::ReadComponentText(text, &target);
    auto* read = korvan::testing::Find<TCustomImageList>(&target, "ilFaces");
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Width(), 4);
    EXPECT_EQ(read->Height(), 3);
    ASSERT_EQ(read->Count(), 3);
    EXPECT_EQ(read->Image(2).pixel(1, 1), images->Image(2).pixel(1, 1));

    list->Assign(read);
    EXPECT_EQ(list->Count(), 3);
    EXPECT_EQ(list->Width(), 4);
    list->Assign(nullptr);
    EXPECT_EQ(list->Count(), 0);
    TEdit unrelated(nullptr);
    EXPECT_THROW(list->Assign(&unrelated), Exception);
}

} // namespace
