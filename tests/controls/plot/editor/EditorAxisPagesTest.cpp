// The "X-Axes" and "Y-Axes" pages: every row edited through its control as
// a user does and read back from the axis, the precision steps and their
// limits, the axis name lists, Copy Default, typed date-time formats, and
// the pictures.

#include "controls/plot/editor/EditorChoices.h"
#include "controls/plot/editor/EditorEdit.h"
#include "controls/plot/editor/EditorForm.h"
#include "controls/plot/editor/EditorListBox.h"
#include "controls/plot/editor/EditorObjectValues.h"
#include "controls/plot/editor/EditorPageBuilder.h"
#include "controls/plot/editor/EditorPages.h"
#include "controls/plot/editor/EditorPickers.h"
#include "controls/plot/editor/EditorUpDown.h"
#include "controls/plot/editor/EditorValues.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/plots/StripChartPlot.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/VirtualKeys.h"
#include "tests/support/gui/GuiHarness.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

using namespace korvan::plot::editor;
using korvan::plot::PropertyTextByPath;
namespace kind = korvan::plot::kind;

// Answers the colour and font dialogs as the test says.
class ScriptedDialogs : public korvan::testing::FakeDialogService {
public:
    std::optional<int> PickColor(int) override { return 0x00FF00; }
    std::optional<korvan::forms::FontChoice> PickFont(const korvan::forms::FontChoice&) override {
        return korvan::forms::FontChoice{"Courier", 12, true};
    }
};

class EditorAxisPages : public korvan::testing::GuiTest, public IiEditorPageHost {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        dialogScope =
            std::make_unique<korvan::forms::ScopedDialogService>(std::make_unique<ScriptedDialogs>());
        plot = std::make_unique<TiPlot>(nullptr);
        plot->Master()->AddXAxis();
        plot->Master()->AddYAxis();
        form = std::make_unique<TiCustomEditorForm>(nullptr);
        form->SetClientWidth(576);
        form->SetClientHeight(272);
        auto* pages = new TPageControl(form.get());
        pages->SetParent(form.get());
        pages->SetAlign(alClient);
        xPage = Build(*pages, XAxisPage());
        yPage = Build(*pages, YAxisPage());
        LoadAllPages();
        allLoads = 0;
    }
    void TearDown() override {
        xPage.reset();
        yPage.reset();
        form.reset();
        plot.reset();
        dialogScope.reset();
        GuiTest::TearDown();
    }
    TiPlotMasterManager* PageMaster() override { return plot->Master(); }
    void LoadAllPages() override {
        ++allLoads;
        xPage->Load();
        yPage->Load();
    }
    std::unique_ptr<EditorPage> Build(TPageControl& pages, KindPage description) {
        auto* sheet = new TTabSheet(form.get());
        sheet->SetPageControl(&pages);
        // The page sets its controls out in the sheet's area, which only the
        // front sheet has yet.
        pages.SetActivePage(sheet);
        auto page = std::make_unique<EditorPage>(*form, *sheet, std::move(description), *this);
        auto* manager = plot->Master()->KindManager(page->Description().kind);
        for (int i = 0; i < manager->Count(); ++i)
            page->List()->Items()->AddObject("", manager->Items(i));
        page->List()->SetItemIndex(0);
        return page;
    }
    TiPlotObject* Axis(std::string_view kindName, int index = 0) { return plot->KindObject(kindName, index); }
    template <class T> T* Control(std::string_view name) {
        auto* found = dynamic_cast<T*>(form->FindComponent(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // Brings the control's sub-pages to the front, as the user's clicks on
    // their tabs do.
    void Reveal(TControl* control) {
        for (TWinControl* parent = control->Parent(); parent; parent = parent->Parent())
            if (auto* sheet = dynamic_cast<TTabSheet*>(parent); sheet && sheet->PageControl())
                sheet->PageControl()->SetActivePage(sheet);
        ProcessEvents();
    }
    // The user picks a neighbouring entry of a combo box from the keyboard.
    void ChooseNext(TiComponentEditorComboBox* combo, std::uint16_t key) {
        Reveal(combo);
        combo->SetFocus();
        input.Key(combo, key);
    }
    // The user opens the list (which may fill it) and takes the entry.
    void ChooseFromList(TiComponentEditorComboBox* combo, const std::string& entry) {
        Reveal(combo);
        combo->SetFocus();
        combo->SetDroppedDown(true);
        auto* native = qobject_cast<QComboBox*>(combo->Widget());
        ASSERT_NE(native, nullptr);
        const int index = combo->Items()->IndexOf(entry);
        ASSERT_GE(index, 0) << entry;
        native->view()->setCurrentIndex(native->model()->index(index, 0));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(native->view(), &press);
        ProcessEvents();
    }
    void StepUp(TiUpDown* upDown, int times) {
        Reveal(upDown);
        const TRect up = upDown->UpButtonRect();
        for (int i = 0; i < times; ++i)
            input.Click(upDown, (up.Left + up.Right) / 2, (up.Top + up.Bottom) / 2);
    }

    std::unique_ptr<korvan::forms::ScopedDialogService> dialogScope;
    std::unique_ptr<TiPlot> plot;
    std::unique_ptr<TiCustomEditorForm> form;
    std::unique_ptr<EditorPage> xPage, yPage;
    int allLoads = 0;
};

// What a control shows, in the terms of the property's text.
std::string Shown(const PageRow& row, TControl* control) {
    if (row.kind == RowKind::NameComboBox || row.kind == RowKind::DateTimeFormatCombo)
        return static_cast<TiComponentEditorComboBox*>(control)->AsString();
    return korvan::plot::EditorValueText(control);
}

TEST_F(EditorAxisPages, EveryRowLoadsFromTheAxisAndTheUsersEditReachesIt) {
    ShowForm(form.get());
    for (const KindPage& description : {XAxisPage(), YAxisPage()}) {
        TiPlotObject* axis = Axis(description.kind);
        for (const PageRow& row : description.rows) {
            if (row.property.empty())
                continue;
            SCOPED_TRACE(std::string(row.name));
            auto* control = Control<TControl>(row.name);
            ASSERT_NE(control, nullptr);
            const std::string before = PropertyTextByPath(axis, row.property);
            if (row.kind != RowKind::FontPicker) {
                EXPECT_EQ(Shown(row, control), before);
            }
            const int loads = allLoads;
            std::string expected;
            switch (row.kind) {
            case RowKind::CheckBox:
                Reveal(control);
                input.Click(control, 5, 5);
                expected = before == "True" ? "False" : "True";
                break;
            case RowKind::RadioGroup:
                Reveal(control);
                static_cast<TWinControl*>(control)->SetFocus();
                input.Key(control, VK_DOWN);
                expected = "1";
                break;
            case RowKind::ComboBox:
            case RowKind::NameComboBox:
            case RowKind::DateTimeFormatCombo: {
                auto* combo = static_cast<TiComponentEditorComboBox*>(control);
                ChooseNext(combo, combo->AsInteger() + 1 < combo->Items()->Count() ? VK_DOWN : VK_UP);
                expected = Shown(row, combo);
                EXPECT_NE(expected, before);
                break;
            }
            case RowKind::UpDownEdit:
                StepUp(Control<TiUpDown>(std::string(row.name) + "UpDown"), 1);
                expected = std::to_string(std::stoi(before) + 1);
                break;
            case RowKind::Edit:
            case RowKind::ConverterEdit:
                expected = row.property == "Name" ? "Axis A" : row.property == "Title" ? "Time (s)" : "2.5";
                static_cast<TiComponentEditorEdit*>(control)->SetStringWithEvent(expected);
                break;
            case RowKind::ColorPicker:
                Reveal(control);
                input.Click(static_cast<TiComponentEditorColorPicker*>(control)->Button());
                expected = std::to_string(0x00FF00);
                break;
            case RowKind::FontPicker:
                Reveal(control);
                input.Click(control);
                EXPECT_EQ(PropertyTextByPath(axis, std::string(row.property) + ".Name"), "Courier");
                continue;
            default:
                ADD_FAILURE() << "no user edit for this row";
                continue;
            }
            EXPECT_EQ(PropertyTextByPath(axis, row.property), expected);
            // Every change loads all pages again.
            EXPECT_EQ(allLoads, loads + 1);
        }
    }
}

struct PrecisionLimit {
    bool yPage;
    const char* row;
    const char* property;
    int max;
};

TEST_F(EditorAxisPages, PrecisionStepsStopAtTheirLimitButTypedValuesReachTheAxisUnclamped) {
    const PrecisionLimit limits[] = {
        {false, "XAxisLabelPrecisionEdit", "LabelsPrecision", 1000},
        {true, "YAxisLabelPrecisionEdit", "LabelsPrecision", 20},
        {false, "XAxisLegendPrecisionEdit", "LegendPrecision", 1000},
        {true, "YAxisLegendPrecisionEdit", "LegendPrecision", 20},
        {false, "XAxisCursorPrecisionEdit", "CursorPrecision", 20},
        {true, "YAxisCursorPrecisionEdit", "CursorPrecision", 20},
    };
    ShowForm(form.get());
    for (const PrecisionLimit& limit : limits) {
        SCOPED_TRACE(limit.row);
        EditorPage& page = limit.yPage ? *yPage : *xPage;
        const std::string property = limit.property;
        TiPlotObject* axis = Axis(page.Description().kind);
        korvan::plot::WritePropertyTextByPath(axis, property, std::to_string(limit.max - 1));
        page.Load();
        StepUp(Control<TiUpDown>(std::string(limit.row) + "UpDown"), 3);
        EXPECT_EQ(PropertyTextByPath(axis, property), std::to_string(limit.max));
        Control<TiComponentEditorEdit>(limit.row)->SetStringWithEvent("5000");
        EXPECT_EQ(PropertyTextByPath(axis, property), "5000");
    }
}

TEST_F(EditorAxisPages, CartesianReferencesListTheOtherDirectionAndAlignmentTheOwn) {
    ShowForm(form.get());
    auto* xCartesian = Control<TiComponentEditorComboBox>("XAxisCartesianChildRefAxisNameComboBox");
    auto* yCartesian = Control<TiComponentEditorComboBox>("YAxisCartesianChildRefAxisNameComboBox");
    const std::string xNames =
        "<None>\n" + Axis(kind::XAxis, 0)->Name() + "\n" + Axis(kind::XAxis, 1)->Name();
    const std::string yNames =
        "<None>\n" + Axis(kind::YAxis, 0)->Name() + "\n" + Axis(kind::YAxis, 1)->Name();
    const auto lines = [](TiComponentEditorComboBox* combo) {
        std::string text;
        for (int i = 0; i < combo->Items()->Count(); ++i)
            text += (i ? "\n" : "") + combo->Items()->Get(i);
        return text;
    };
    EXPECT_EQ(lines(xCartesian), yNames);
    EXPECT_EQ(lines(yCartesian), xNames);
    EXPECT_EQ(lines(Control<TiComponentEditorComboBox>("XAxisAlignRefAxisNameComboBox")), xNames);
    EXPECT_EQ(lines(Control<TiComponentEditorComboBox>("YAxisAlignRefAxisNameComboBox")), yNames);

    // A Y axis made while the page is open is offered when the list drops
    // down, and choosing it writes its name.
    TiPlotObject* newY = Axis(kind::YAxis, plot->Master()->AddYAxis());
    ChooseFromList(xCartesian, newY->Name());
    EXPECT_EQ(PropertyTextByPath(Axis(kind::XAxis), "CartesianChildRefAxisName"), newY->Name());

    // The Y axis's list is filled when its page loads, not when it drops.
    TiPlotObject* newX = Axis(kind::XAxis, plot->Master()->AddXAxis());
    yPage->Load();
    const int loaded = yCartesian->Items()->Count();
    Axis(kind::XAxis, plot->Master()->AddXAxis());
    Reveal(yCartesian);
    yCartesian->SetDroppedDown(true);
    yCartesian->SetDroppedDown(false);
    ProcessEvents();
    EXPECT_EQ(yCartesian->Items()->Count(), loaded);
    ChooseFromList(yCartesian, newX->Name());
    EXPECT_EQ(PropertyTextByPath(Axis(kind::YAxis), "CartesianChildRefAxisName"), newX->Name());
}

TEST_F(EditorAxisPages, CopyDefaultGivesTheCursorAndLegendTheDefaultLabelFormat) {
    ShowForm(form.get());
    const char* copied[][2] = {
        {"LabelsFormatStyle", "FormatStyle"},       {"DateTimeFormat", "DateTimeFormat"},
        {"LabelsPrecisionStyle", "PrecisionStyle"}, {"LabelsPrecision", "Precision"},
        {"LabelsMinLength", "MinLength"},           {"LabelsMinLengthAutoAdjust", "MinLengthAutoAdjust"},
    };
    for (const char* prefix : {"XAxis", "YAxis"})
        for (const char* section : {"Cursor", "Legend"}) {
            SCOPED_TRACE(std::string(prefix) + section);
            TiPlotObject* axis = Axis(std::string_view(prefix) == "XAxis" ? kind::XAxis : kind::YAxis);
            const char* defaults[][2] = {
                {"LabelsFormatStyle", "3"},    {"DateTimeFormat", "yyyy-mm-dd"},
                {"LabelsPrecisionStyle", "1"}, {"LabelsPrecision", "17"},
                {"LabelsMinLength", "4.5"},    {"LabelsMinLengthAutoAdjust", "True"},
            };
            for (const auto& value : defaults)
                korvan::plot::WritePropertyTextByPath(axis, value[0], value[1]);
            LoadAllPages();
            auto* button = Control<TButton>(std::string(prefix) + section + "CopyDefaultButton");
            Reveal(button);
            const int loads = allLoads;
            input.Click(button);
            for (const auto& pair : copied)
                EXPECT_EQ(PropertyTextByPath(axis, std::string(section) + pair[1]),
                          PropertyTextByPath(axis, pair[0]))
                    << pair[1];
            EXPECT_EQ(allLoads, loads + 1);
        }
}

TEST_F(EditorAxisPages, ATypedDateTimeFormatReachesTheAxisAtEveryCharacter) {
    ShowForm(form.get());
    auto* combo = Control<TiComponentEditorComboBox>("XAxisCursorDateTimeFormatComboBox");
    Reveal(combo);
    combo->SetFocus();
    const int loads = allLoads;
    input.Key(combo, 'A', ssCtrl);
    input.Type(combo, "h");
    auto* native = qobject_cast<QComboBox*>(combo->Widget());
    EXPECT_EQ(native->lineEdit()->text().toStdString(), "h");
    EXPECT_EQ(PropertyTextByPath(Axis(kind::XAxis), "CursorDateTimeFormat"), "h");
    input.Type(combo, "h-mm");
    EXPECT_EQ(PropertyTextByPath(Axis(kind::XAxis), "CursorDateTimeFormat"), "hh-mm");
    EXPECT_EQ(combo->AsString(), "hh-mm");
    EXPECT_EQ(native->lineEdit()->text().toStdString(), "hh-mm");
    EXPECT_EQ(allLoads, loads + 5);
    // Typing inside the text goes on where the user types.
    input.Key(combo, VK_HOME);
    input.Type(combo, "yy");
    EXPECT_EQ(PropertyTextByPath(Axis(kind::XAxis), "CursorDateTimeFormat"), "yyhh-mm");
}

TEST_F(EditorAxisPages, TheListShowsEachAxisInTheColourOfItsLabels) {
    TiPlotObject* axis = Axis(kind::YAxis, 1);
    korvan::plot::FontByPath(axis, "LabelsFont")->SetColor(clAqua);
    bool box = false;
    TColor color = clBlack;
    std::string text;
    yPage->List()->OnGetData(1, box, color, text);
    EXPECT_TRUE(box);
    EXPECT_EQ(color, clAqua);
    EXPECT_EQ(text, axis->Name());
}

TEST_F(EditorAxisPages, Pictures) {
    ShowForm(form.get());
    const std::pair<const char*, const char*> shots[] = {
        {"XAxisNameEdit", "plot_editor_x_axes_general"},
        {"XAxisTitleTextEdit", "plot_editor_x_axes_title"},
        {"XAxisLabelPrecisionEdit", "plot_editor_x_axes_labels_default"},
        {"XAxisCursorCopyDefaultButton", "plot_editor_x_axes_labels_cursor"},
        {"XAxisTrackingStyleComboBox", "plot_editor_x_axes_tracking"},
        {"XAxisMajorLengthEdit", "plot_editor_x_axes_scale"},
        {"XAxisCartesianStyleComboBox", "plot_editor_x_axes_cartesian"},
        {"YAxisLegendCopyDefaultButton", "plot_editor_y_axes_labels_legend"},
        {"YAxisNameEdit", "plot_editor_y_axes_general"},
    };
    for (const auto& [control, file] : shots) {
        Reveal(Control<TControl>(control));
        korvan::testing::SavePng(korvan::testing::Grab(form.get()), file);
    }
}

} // namespace
