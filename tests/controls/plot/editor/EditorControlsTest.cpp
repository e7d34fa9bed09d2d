// The editor controls' protocol: silent loading fires nothing, the user's
// edits fire the control's event and the form's UserChange once, the text
// field's commit and Escape, the up-down's clamping and repeat, and a
// picture of a form carrying the controls.

#include "controls/plot/editor/EditorChoices.h"
#include "controls/plot/editor/EditorEdit.h"
#include "controls/plot/editor/EditorForm.h"
#include "controls/plot/editor/EditorFrames.h"
#include "controls/plot/editor/EditorListBox.h"
#include "controls/plot/editor/EditorPickers.h"
#include "controls/plot/editor/EditorUpDown.h"
#include "controls/plot/editor/EditorValues.h"
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

// Answers the colour and font questions from the test.
class ScriptedDialogs : public korvan::testing::FakeDialogService {
public:
    std::optional<int> color;
    std::optional<korvan::forms::FontChoice> font;
    std::optional<int> PickColor(int) override { return color; }
    std::optional<korvan::forms::FontChoice> PickFont(const korvan::forms::FontChoice&) override {
        return font;
    }
};

class EditorPickers : public EditorControls {
protected:
    void SetUp() override {
        EditorControls::SetUp();
        auto owned = std::make_unique<ScriptedDialogs>();
        script = owned.get();
        scope = std::make_unique<korvan::forms::ScopedDialogService>(std::move(owned));
    }
    void TearDown() override {
        scope.reset();
        EditorControls::TearDown();
    }
    ScriptedDialogs* script = nullptr;
    std::unique_ptr<korvan::forms::ScopedDialogService> scope;
};

TEST_F(EditorPickers, ConfirmedChoicesAreStoredAndReportedCancelledOnesNot) {
    auto* color = Make<TiComponentEditorColorPicker>(10, 10, 60, 21);
    auto* font = Make<TiComponentEditorFontPicker>(10, 40, 75, 25);
    color->OnChange = Record("color");
    font->OnChange = Record("font");
    ShowForm(form.get());
    EXPECT_EQ(color->Button()->Left(), 39);
    color->SetColor(clBlue); // loaded: silent
    input.Click(color->Button());
    EXPECT_EQ(color->Color(), clBlue); // cancelled
    script->color = 0x00FF00;
    input.Click(color->Button());
    EXPECT_EQ(color->Color(), TColor(0x00FF00));
    script->font = korvan::forms::FontChoice{"Courier", 12, true};
    input.Click(font);
    EXPECT_EQ(font->PickedFont()->Name(), "Courier");
    EXPECT_EQ(events, (std::vector<std::string>{"color", "font"}));
    EXPECT_EQ(form->userChanges, 2);
}

TEST_F(EditorPickers, FilePickersOfferUntitledInAFolderAndKeepNamesWhenCancelled) {
    auto* open = Make<TiComponentEditorOpenPicker>(10, 10, 75, 25);
    auto* save = Make<TiComponentEditorSavePicker>(10, 40, 75, 25);
    open->SetFileName("/data/");
    save->SetFileName("/data/");
    save->SetDefaultDir("/start");
    save->OnChange = Record("save");
    ShowForm(form.get());
    script->openAnswers.push_back(std::nullopt);
    input.Click(open);
    EXPECT_EQ(open->FileName(), "/data/");
    script->saveAnswers.push_back("/data/curve.txt");
    EXPECT_TRUE(save->Execute());
    script->saveAnswers.push_back(std::nullopt);
    EXPECT_FALSE(save->Execute());
    ASSERT_EQ(script->fileDialogs.size(), 3u);
    EXPECT_EQ(script->fileDialogs[0].FileName, "/data/Untitled");
    EXPECT_EQ(script->fileDialogs[1].FileName, "/data/Untitled");
    EXPECT_EQ(script->fileDialogs[1].InitialDir, "/start");
    EXPECT_NE(script->fileDialogs[2].InitialDir, "/start");
    EXPECT_EQ(save->FileName(), "/data/curve.txt");
    EXPECT_EQ(events, std::vector<std::string>{"save"});
}

// An object that counts its own destruction.
struct Tracked : TObject {
    explicit Tracked(int& freed) : freed_(freed) {}
    ~Tracked() override { ++freed_; }
    int& freed_;
};

TEST_F(EditorControls, ListBoxDeletesByObjectOrSelection) {
    auto* list = Make<TiComponentEditorListBox>(10, 10, 120, 100);
    int freed = 0;
    std::vector<std::unique_ptr<Tracked>> kept;
    for (const char* name : {"Channel 1", "Channel 2", "Channel 3"})
        list->Items()->AddObject(name, new Tracked(freed));
    list->SelectLast();
    EXPECT_EQ(list->ItemIndex(), 2);
    list->DeleteSelectedObject();
    EXPECT_EQ(freed, 1);
    EXPECT_EQ(list->ItemIndex(), 1);
    // Removed by other means: the line goes, the object stays.
    kept.emplace_back(static_cast<Tracked*>(list->Items()->GetObject(0)));
    list->DeleteObjectIndex(kept[0].get());
    EXPECT_EQ(freed, 1);
    EXPECT_EQ(list->Items()->Count(), 1);
    EXPECT_EQ(list->ItemIndex(), 0);
    list->DeleteObjectIndex(kept[0].get()); // gone already: nothing
    list->DeleteSelectedObject();
    EXPECT_EQ(freed, 2);
    EXPECT_EQ(list->ItemIndex(), -1);
    list->DeleteSelectedObject(); // empty: nothing
    EXPECT_EQ(list->Items()->Count(), 0);
}

TEST_F(EditorControls, ListBoxMovesADraggedLine) {
    auto* list = Make<TiComponentEditorListBox>(10, 10, 120, 100);
    list->SetItemHeight(16);
    list->Items()->SetText("A\nB\nC");
    list->OnItemMove = Record("move");
    list->OnClick = Record("click");
    ShowForm(form.get());
    // The last line dragged below the last line stays last.
    input.MouseDown(list, 20, 40);
    input.MouseMove(list, 20, 80);
    input.MouseUp(list, 20, 80);
    EXPECT_EQ(list->Items()->Text(), "A\r\nB\r\nC\r\n");
    EXPECT_EQ(events, std::vector<std::string>{"click"});
    events.clear();
    input.MouseDown(list, 20, 4);
    input.MouseMove(list, 20, 20);
    input.MouseUp(list, 20, 36);
    EXPECT_EQ(list->Items()->Text(), "B\r\nC\r\nA\r\n");
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(events, (std::vector<std::string>{"click", "move"}));
}

TEST_F(EditorControls, StoredTabIndexLeavesThePageAlone) {
    auto* pages = Make<TiComponentEditorPageControl>(10, 10, 200, 150);
    for (int i = 0; i < 2; ++i) {
        auto* sheet = new TTabSheet(pages);
        sheet->SetPageControl(pages);
    }
    pages->SetActivePageIndex(1);
    pages->SetTabIndex(0);
    EXPECT_EQ(pages->ActivePageIndex(), 1);
}

TEST_F(EditorControls, FormPicture) {
    form->SetBounds(0, 0, 300, 250);
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
    Make<TiComponentEditorColorPicker>(150, 110, 60, 21)->SetColor(clTeal);
    Make<TiComponentEditorFontPicker>(150, 140, 75, 25);
    Make<TiComponentEditorSavePicker>(10, 130, 75, 25);
    auto* list = Make<TiComponentEditorListBox>(10, 165, 130, 36);
    list->Items()->SetText("Channel 1\nChannel 2");
    list->SetItemIndex(1);
    list->OnGetData = [](int index, bool& box, TColor& color, std::string&) {
        box = true;
        color = index == 0 ? clBlue : clLime;
    };
    ShowForm(form.get());
    korvan::testing::SavePng(korvan::testing::Grab(form.get()), "plot_editor_controls");
}

} // namespace

namespace {

using korvan::plot::BindUserEdit;
using korvan::plot::EditorValueText;
using korvan::plot::LoadEditorValue;
using korvan::plot::SetEditorControlEnabled;

// Every kind of control loads a property text silently, gives it back, and
// reports the user's edit through the bound handler.
TEST_F(EditorPickers, EveryControlKindLoadsAndReadsPropertyText) {
    auto* edit = Make<TiComponentEditorEdit>(10, 10, 60, 21);
    auto* stepped = Make<TiComponentEditorEdit>(10, 40, 60, 21);
    auto* upDown = Make<TiUpDown>(0, 0, 15, 21);
    upDown->SetAssociate(stepped);
    auto* check = Make<TiComponentEditorCheckBox>(10, 70, 100, 17);
    auto* radio = Make<TiComponentEditorRadioGroup>(150, 10, 120, 80);
    radio->Items()->SetText("Left\nCenter\nRight");
    auto* combo = Make<TiComponentEditorComboBox>(150, 100, 100, 21);
    combo->Items()->SetText("Solid\nDash \nDot  ");
    auto* color = Make<TiComponentEditorColorPicker>(150, 130, 60, 21);
    auto* save = Make<TiComponentEditorSavePicker>(10, 100, 75, 25);
    const struct {
        TControl* control;
        const char* loaded;
        const char* read;
    } cases[] = {{edit, "Plot 1", "Plot 1"},
                 {upDown, "150", "100"},
                 {check, "true", "True"},
                 {radio, "2", "2"},
                 {combo, "1", "1"},
                 {color, "255", "255"},
                 {save, "/data/a.txt", "/data/a.txt"}};
    for (const auto& c : cases) {
        BindUserEdit(c.control, Record(c.loaded));
        LoadEditorValue(c.control, c.loaded);
        EXPECT_EQ(EditorValueText(c.control), c.read) << c.loaded;
    }
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(form->userChanges, 0);

    ShowForm(form.get());
    input.MouseDown(upDown, 7, 18);
    input.MouseUp(upDown, 7, 18);
    input.Click(check, 5, 5);
    EXPECT_EQ(EditorValueText(upDown), "99");
    EXPECT_EQ(EditorValueText(check), "False");
    EXPECT_EQ(events, (std::vector<std::string>{"150", "true"}));

    SetEditorControlEnabled(upDown, false);
    EXPECT_FALSE(stepped->Enabled());
    EXPECT_EQ(EditorValueText(upDown), "0");
    SetEditorControlEnabled(upDown, true);
    EXPECT_TRUE(stepped->Enabled() && upDown->Enabled());
}

} // namespace
