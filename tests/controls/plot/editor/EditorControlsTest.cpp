// The editor controls' protocol: silent loading fires nothing, the user's
// edits fire the control's event and the form's UserChange once, the text
// field's commit and Escape, the up-down's clamping and repeat, and a
// picture of a form carrying the controls.

#include "controls/plot/editor/EditorChoices.h"
#include "controls/plot/editor/EditorEdit.h"
#include "controls/plot/editor/EditorForm.h"
#include "controls/plot/editor/EditorUpDown.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/text/Exception.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Counts the user changes the controls report.
class RecordingEditorForm : public TiCustomEditorForm {
public:
    using TiCustomEditorForm::TiCustomEditorForm;
    void UserChange() override { ++userChanges; }
    int userChanges = 0;
};

class EditorControls : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<RecordingEditorForm>(nullptr);
        form->SetBounds(0, 0, 360, 260);
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
    TNotifyEvent Record(const std::string& name) {
        return [this, name](TObject*) { events.push_back(name); };
    }
    std::unique_ptr<RecordingEditorForm> form;
    std::vector<std::string> events;
};

TEST_F(EditorControls, SilentLoadingFiresNothing) {
    auto* edit = Make<TiComponentEditorEdit>(10, 10, 80, 21);
    auto* check = Make<TiComponentEditorCheckBox>(10, 40, 100, 17);
    auto* radio = Make<TiComponentEditorRadioGroup>(10, 60, 120, 80);
    auto* combo = Make<TiComponentEditorComboBox>(150, 10, 100, 21);
    radio->Items()->SetText("One\nTwo\nThree");
    combo->Items()->SetText("Solid\nDash \nDot  ");
    edit->OnUpdate = Record("update");
    check->OnClick = Record("click");
    radio->OnClick = Record("click");
    radio->OnChange = Record("change");
    combo->OnChange = Record("change");
    ShowForm(form.get());

    edit->SetAsInteger(42);
    edit->SetAsFloat(2.5);
    check->SetAsBoolean(true);
    radio->SetAsInteger(2);
    combo->SetAsInteger(1);
    EXPECT_EQ(edit->AsFloat(), 2.5);
    EXPECT_TRUE(check->AsBoolean());
    EXPECT_EQ(radio->AsInteger(), 2);
    EXPECT_EQ(combo->AsString(), "Dash ");
    combo->SetAsString("Dot  ");
    EXPECT_EQ(combo->AsInteger(), 2);

    edit->Disable();
    check->Disable();
    radio->Disable();
    combo->Disable();
    EXPECT_EQ(edit->AsString(), "");
    EXPECT_FALSE(check->AsBoolean());
    EXPECT_EQ(radio->AsInteger(), -1);
    EXPECT_EQ(combo->AsInteger(), -1);
    EXPECT_EQ(combo->AsString(), "");
    EXPECT_FALSE(edit->Enabled() || check->Enabled() || radio->Enabled() || combo->Enabled());
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(form->userChanges, 0);
    // The handlers are back after each silent assignment.
    EXPECT_TRUE(edit->OnUpdate && check->OnClick && radio->OnClick && radio->OnChange && combo->OnChange);
}

TEST_F(EditorControls, EditCommitsOnceAndEscapeRestores) {
    auto* edit = Make<TiComponentEditorEdit>(10, 10, 80, 21);
    auto* other = Make<TiComponentEditorEdit>(10, 40, 80, 21);
    edit->OnUpdate = Record("update");
    ShowForm(form.get());
    edit->SetAsString("10");
    edit->SetFocus();
    edit->SelectAll();
    input.Type(edit, "25");
    input.Key(edit, VK_RETURN);
    input.Key(edit, VK_RETURN);
    EXPECT_EQ(events, std::vector<std::string>{"update"});
    EXPECT_EQ(form->userChanges, 1);
    EXPECT_EQ(edit->AsInteger(), 25);

    input.Type(edit, "x");
    input.Key(edit, VK_ESCAPE);
    EXPECT_EQ(edit->AsString(), "25");
    // Typed and restored by hand: nothing to commit when the focus goes.
    input.Type(edit, "7");
    edit->SetText("25");
    other->SetFocus();
    ProcessEvents();
    EXPECT_EQ(events.size(), 1u);
    // A change committed by leaving the field.
    edit->SetFocus();
    edit->SetText("26");
    other->SetFocus();
    ProcessEvents();
    EXPECT_EQ(events.size(), 2u);
    EXPECT_EQ(form->userChanges, 2);

    edit->SetDoubleWithEvent(0.1);
    EXPECT_EQ(edit->AsString(), "0.1");
    EXPECT_EQ(events.size(), 3u);
    edit->SetIntegerWithEvent(0);
    edit->SetIntegerWithEvent(0);
    EXPECT_EQ(events.size(), 4u);
}

TEST_F(EditorControls, EditReadsNumbersLeniently) {
    auto* edit = Make<TiComponentEditorEdit>(10, 10, 80, 21);
    const struct {
        const char* text;
        int asInteger;
        double asFloat;
    } cases[] = {{" 12 ", 12, 12}, {"", 0, 0}, {"abc", 0, 0}, {"1.5", 0, 1.5}, {"-3", -3, -3}};
    for (const auto& c : cases) {
        edit->SetAsString(c.text);
        EXPECT_EQ(edit->AsInteger(), c.asInteger) << c.text;
        EXPECT_EQ(edit->AsFloat(), c.asFloat) << c.text;
    }
    edit->SetAsString("no date");
    EXPECT_THROW(edit->AsDateTime(), Exception);
    edit->SetAsDateTime(45000.5);
    EXPECT_DOUBLE_EQ(edit->AsDateTime(), 45000.5);
}

TEST_F(EditorControls, UpDownClampsAndRepeatsWhileHeld) {
    auto* edit = Make<TiComponentEditorEdit>(10, 10, 60, 21);
    auto* upDown = Make<TiUpDown>(0, 0, 15, 21);
    upDown->SetAssociate(edit);
    EXPECT_EQ(upDown->Left(), 70);
    EXPECT_EQ(upDown->Top(), 10);
    edit->OnUpdate = Record("update");
    ShowForm(form.get());

    upDown->SetMax(23);
    upDown->SetAsInteger(40); // loaded: clamped, silent
    EXPECT_EQ(edit->AsInteger(), 23);
    input.MouseDown(upDown, 7, 3);
    input.MouseUp(upDown, 7, 3);
    EXPECT_EQ(edit->AsInteger(), 23);
    EXPECT_TRUE(events.empty()); // clamped to the same text: no change

    upDown->SetMax(0); // Min and Max both 0: unlimited
    upDown->SetAsInteger(1000);
    input.MouseDown(upDown, 7, 3);
    EXPECT_EQ(edit->AsInteger(), 1001);
    AdvanceTimers(499);
    EXPECT_EQ(edit->AsInteger(), 1001);
    AdvanceTimers(1);
    EXPECT_EQ(edit->AsInteger(), 1002);
    AdvanceTimers(50);
    EXPECT_EQ(edit->AsInteger(), 1003);
    // Off the up half while held: the next steps go down.
    input.MouseMove(upDown, 7, 18);
    AdvanceTimers(100);
    EXPECT_EQ(edit->AsInteger(), 1001);
    input.MouseUp(upDown, 7, 18);
    AdvanceTimers(500);
    EXPECT_EQ(edit->AsInteger(), 1001);
    EXPECT_EQ(events.size(), 5u);
    EXPECT_GE(form->userChanges, 5);
}

TEST_F(EditorControls, UpDownForgetsADestroyedField) {
    auto* edit = Make<TiComponentEditorEdit>(10, 10, 60, 21);
    auto* upDown = Make<TiUpDown>(0, 0, 15, 21);
    upDown->SetAssociate(edit);
    delete edit;
    EXPECT_EQ(upDown->Associate(), nullptr);
    upDown->SetAsInteger(3);
    EXPECT_EQ(upDown->AsInteger(), 0);
}

TEST_F(EditorControls, UserChoicesReachTheFormAndTheEvent) {
    auto* check = Make<TiComponentEditorCheckBox>(10, 10, 100, 17);
    check->SetAutoSize(false);
    auto* radio = Make<TiComponentEditorRadioGroup>(10, 40, 120, 80);
    radio->Items()->SetText("One\nTwo\nThree");
    radio->SetAsInteger(0);
    check->OnClick = Record("check");
    radio->OnClick = Record("radio click");
    radio->OnChange = Record("radio change");
    ShowForm(form.get());
    input.Click(check, 5, 5);
    EXPECT_TRUE(check->AsBoolean());
    EXPECT_EQ(events, std::vector<std::string>{"check"});
    EXPECT_EQ(form->userChanges, 1);
    events.clear();
    radio->SetFocus();
    input.Key(radio, VK_DOWN);
    EXPECT_EQ(radio->AsInteger(), 1);
    EXPECT_EQ(events, (std::vector<std::string>{"radio change", "radio click"}));
    EXPECT_EQ(form->userChanges, 2);
}

TEST_F(EditorControls, ComboChoiceTellsTheFormButNotOnClick) {
    auto* combo = Make<TiComponentEditorComboBox>(10, 10, 100, 21);
    combo->SetStyle(csDropDownList);
    combo->Items()->SetText("Solid\nDash \nDot  ");
    combo->OnClick = Record("click");
    combo->OnChange = Record("change");
    ShowForm(form.get());
    combo->SetFocus();
    combo->SetAsInteger(0);
    input.Key(combo, VK_DOWN);
    EXPECT_EQ(combo->AsInteger(), 1);
    EXPECT_EQ(combo->AsString(), "Dash ");
    EXPECT_EQ(events, std::vector<std::string>{"change"});
    EXPECT_EQ(form->userChanges, 1);
}

TEST_F(EditorControls, TabMovesTheFocusForwardAndBack) {
    auto* first = Make<TiComponentEditorEdit>(10, 10, 80, 21);
    auto* second = Make<TiComponentEditorEdit>(10, 40, 80, 21);
    ShowForm(form.get());
    first->SetFocus();
    input.Key(first, VK_TAB, 0, "\t");
    EXPECT_TRUE(second->Focused());
}

TEST_F(EditorControls, FormPicture) {
    form->SetBounds(0, 0, 300, 200);
    auto* edit = Make<TiComponentEditorEdit>(10, 10, 60, 21);
    auto* upDown = Make<TiUpDown>(0, 0, 15, 21);
    upDown->SetAssociate(edit);
    edit->SetAsInteger(12);
    auto* disabled = Make<TiComponentEditorEdit>(10, 40, 75, 21);
    disabled->SetAsString("gone");
    disabled->DisableNoClear();
    auto* check = Make<TiComponentEditorCheckBox>(10, 70, 120, 17);
    check->SetCaption("Visible");
    check->SetAsBoolean(true);
    auto* combo = Make<TiComponentEditorComboBox>(10, 95, 100, 21);
    combo->SetStyle(csDropDownList);
    combo->Items()->SetText("Solid\nDash \nDot  ");
    combo->SetAsInteger(1);
    auto* radio = Make<TiComponentEditorRadioGroup>(150, 10, 130, 90);
    radio->SetCaption("Alignment");
    radio->Items()->SetText("Left\nCenter\nRight");
    radio->SetAsInteger(1);
    ShowForm(form.get());
    korvan::testing::SavePng(korvan::testing::Grab(form.get()), "plot_editor_controls");
}

} // namespace
