// The "Legend", "Tables" and "Data View" pages: every row edited through its
// control as a user does and read back from the object, the first of two
// legends edited, fonts copied only when picked, the table page keeping
// what was typed, the grid axis name lists, and the pictures.

#include "controls/plot/editor/EditorChoices.h"
#include "controls/plot/editor/EditorEdit.h"
#include "controls/plot/editor/EditorForm.h"
#include "controls/plot/editor/EditorListBox.h"
#include "controls/plot/editor/EditorObjectValues.h"
#include "controls/plot/editor/EditorPageBuilder.h"
#include "controls/plot/editor/EditorPages.h"
#include "controls/plot/editor/EditorPickers.h"
#include "controls/plot/editor/EditorUpDown.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/objects/PlotDataView.h"
#include "controls/plot/plots/StripChartPlot.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/gfx/GraphicsObjects.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

using namespace korvan::plot::editor;
using korvan::plot::FontByPath;
using korvan::plot::PropertyTextByPath;
namespace kind = korvan::plot::kind;

class PickerAnswers : public korvan::testing::FakeDialogService {
public:
    int color = 0x00FF00;
    korvan::forms::FontChoice font{"Courier", 12, true};
    std::optional<int> PickColor(int) override { return color; }
    std::optional<korvan::forms::FontChoice> PickFont(const korvan::forms::FontChoice&) override {
        return font;
    }
};

class EditorViewPages : public korvan::testing::GuiTest, public IiEditorPageHost {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        auto answers = std::make_unique<PickerAnswers>();
        dialogs = answers.get();
        dialogScope = std::make_unique<korvan::forms::ScopedDialogService>(std::move(answers));
        plot = std::make_unique<TiPlot>(nullptr);
        plot->Master()->AddXAxis();
        plot->AddTable();
        plot->AddTable();
        plot->AddLegend();
        form = std::make_unique<TiCustomEditorForm>(nullptr);
        form->SetClientWidth(576);
        form->SetClientHeight(272);
        tabs = new TPageControl(form.get());
        tabs->SetParent(form.get());
        tabs->SetAlign(alClient);
        for (KindPage description : {LegendPage(), TablePage(), DataViewPage()})
            pages.push_back(Build(std::move(description)));
        LoadAllPages();
        allLoads = 0;
    }
    void TearDown() override {
        pages.clear();
        form.reset();
        plot.reset();
        dialogScope.reset();
        GuiTest::TearDown();
    }
    TiPlotMasterManager* PageMaster() override { return plot->Master(); }
    void LoadAllPages() override {
        ++allLoads;
        for (auto& page : pages)
            page->Load();
    }
    std::unique_ptr<EditorPage> Build(KindPage description) {
        auto* sheet = new TTabSheet(form.get());
        sheet->SetPageControl(tabs);
        // Only the front sheet has an area to set the controls out in.
        tabs->SetActivePage(sheet);
        auto page = std::make_unique<EditorPage>(*form, *sheet, std::move(description), *this);
        auto* manager = plot->Master()->KindManager(page->Description().kind);
        for (int i = 0; i < manager->Count(); ++i)
            page->List()->Items()->AddObject("", manager->Items(i));
        page->List()->SetItemIndex(0);
        return page;
    }
    EditorPage& Page(std::string_view kindName) {
        for (auto& page : pages)
            if (page->Description().kind == kindName)
                return *page;
        throw std::logic_error("no such page");
    }
    template <class T> T* Control(std::string_view name) {
        auto* found = dynamic_cast<T*>(form->FindComponent(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    // The user's clicks on the tabs that bring a control to the front.
    void Reveal(TControl* control) {
        for (TWinControl* parent = control->Parent(); parent; parent = parent->Parent())
            if (auto* sheet = dynamic_cast<TTabSheet*>(parent); sheet && sheet->PageControl())
                sheet->PageControl()->SetActivePage(sheet);
        ProcessEvents();
    }
    void Press(TiComponentEditorComboBox* combo, std::uint16_t key, int times = 1) {
        Reveal(combo);
        combo->SetFocus();
        for (int i = 0; i < times; ++i)
            input.Key(combo, key);
    }
    void Type(std::string_view name, const std::string& text) {
        Control<TiComponentEditorEdit>(name)->SetStringWithEvent(text);
    }
    // Edits the row's control as a user does; returns the property text the
    // object holds afterwards.
    std::string EditAsUser(const PageRow& row, TControl* control, const std::string& before) {
        switch (row.kind) {
        case RowKind::CheckBox:
            Reveal(control);
            input.Click(control, 5, 5);
            return before == "True" ? "False" : "True";
        case RowKind::ComboBox:
        case RowKind::NameComboBox: {
            auto* combo = static_cast<TiComponentEditorComboBox*>(control);
            const bool last = combo->AsInteger() + 1 >= combo->Items()->Count();
            Press(combo, last ? VK_UP : VK_DOWN);
            return row.kind == RowKind::NameComboBox ? combo->AsString() : std::to_string(combo->AsInteger());
        }
        case RowKind::UpDownEdit: {
            auto* upDown = Control<TiUpDown>(std::string(row.name) + "UpDown");
            Reveal(upDown);
            const TRect up = upDown->UpButtonRect();
            input.Click(upDown, (up.Left + up.Right) / 2, (up.Top + up.Bottom) / 2);
            return std::to_string(std::stoi(before) + 1);
        }
        case RowKind::Edit: {
            const std::string text = row.property == "Name" ? "Edited" : before == "7" ? "8" : "7";
            static_cast<TiComponentEditorEdit*>(control)->SetStringWithEvent(text);
            return text;
        }
        case RowKind::ColorPicker:
            dialogs->color = before == "65280" ? 0x0000FF : 0x00FF00;
            Reveal(control);
            input.Click(static_cast<TiComponentEditorColorPicker*>(control)->Button());
            return std::to_string(dialogs->color);
        case RowKind::FontPicker:
            Reveal(control);
            input.Click(control);
            return {};
        default:
            ADD_FAILURE() << "no user edit for this kind of row";
            return {};
        }
    }
    // Every row of a page edited and read back from `object`.
    void RoundTrip(const KindPage& description, TiPlotObject* object) {
        ShowForm(form.get());
        for (const PageRow& row : description.rows) {
            SCOPED_TRACE(std::string(row.name));
            auto* control = Control<TControl>(row.name);
            ASSERT_NE(control, nullptr);
            const std::string before = PropertyTextByPath(object, row.property);
            if (row.kind == RowKind::FontPicker) {
                ASSERT_NE(FontByPath(object, row.property), nullptr);
                EditAsUser(row, control, before);
                EXPECT_EQ(FontByPath(object, row.property)->Name(), "Courier");
                EXPECT_EQ(FontByPath(object, row.property)->Size(), 12);
                continue;
            }
            ASSERT_FALSE(before.empty()) << "no published property " << row.property;
            const std::string expected = EditAsUser(row, control, before);
            EXPECT_NE(expected, before);
            EXPECT_EQ(PropertyTextByPath(object, row.property), expected);
        }
    }

    PickerAnswers* dialogs = nullptr;
    std::unique_ptr<korvan::forms::ScopedDialogService> dialogScope;
    std::unique_ptr<TiPlot> plot;
    std::unique_ptr<TiCustomEditorForm> form;
    TPageControl* tabs = nullptr;
    std::vector<std::unique_ptr<EditorPage>> pages;
    int allLoads = 0;
};

TEST_F(EditorViewPages, EveryRowOfEachPageReachesItsObject) {
    for (const KindPage& description : {LegendPage(), TablePage(), DataViewPage()}) {
        SCOPED_TRACE(std::string(description.caption));
        RoundTrip(description, plot->KindObject(description.kind, 0));
    }
}

TEST_F(EditorViewPages, LegendAndDataViewChangesReloadEveryPageTableChangesNothing) {
    Type("LegendColumnSpacingEdit", "3");
    Type("DataViewNameEdit", "View");
    EXPECT_EQ(allLoads, 2);
    Type("TableRowsMaxEdit", "9");
    EXPECT_EQ(allLoads, 2);
}

TEST_F(EditorViewPages, TheFirstOfTwoLegendsIsEditedUntilTheLayoutPicksTheOther) {
    TiPlotObject* first = plot->KindObject(kind::Legend, 0);
    TiPlotObject* second = plot->KindObject(kind::Legend, 1);
    ASSERT_NE(second, nullptr);
    Type("LegendWrapRowSpacingMinEdit", "6");
    EXPECT_EQ(PropertyTextByPath(first, "WrapRowSpacingMin"), "6");
    // One stored value under two names.
    EXPECT_EQ(PropertyTextByPath(first, "RowSpacing"), "6");
    EXPECT_NE(PropertyTextByPath(second, "RowSpacing"), "6");

    Page(kind::Legend).Select(second);
    EXPECT_EQ(Control<TiComponentEditorEdit>("LegendNameEdit")->AsString(), second->Name());
    Type("LegendColumnSpacingEdit", "11");
    EXPECT_EQ(PropertyTextByPath(second, "ColumnSpacing"), "11");
    EXPECT_NE(PropertyTextByPath(first, "ColumnSpacing"), "11");
}

TEST_F(EditorViewPages, APickedFontIsCopiedIntoTheLegendNotShared) {
    TiPlotObject* legend = plot->KindObject(kind::Legend, 0);
    auto* picker = Control<TiComponentEditorFontPicker>("LegendFontPicker");
    ShowForm(form.get());
    Reveal(picker);
    input.Click(picker);
    TFont* font = FontByPath(legend, "Font");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->Name(), "Courier");
    picker->PickedFont()->SetSize(30);
    EXPECT_EQ(font->Size(), 12);
    dialogs->font = korvan::forms::FontChoice{"Courier", 20, false};
    input.Click(picker);
    EXPECT_EQ(font->Size(), 20);
}

TEST_F(EditorViewPages, TheTablePageKeepsTheTextsAsTypedAndEditsTheSelectedTable) {
    TiPlotObject* second = plot->KindObject(kind::Table, 1);
    auto* list = Page(kind::Table).List();
    list->SetItemIndex(1);
    Page(kind::Table).Load();
    const std::string firstSpacing = PropertyTextByPath(plot->KindObject(kind::Table, 0), "ColumnSpacing");
    auto* spacing = Control<TiComponentEditorEdit>("TableColumnSpacingEdit");
    spacing->SetStringWithEvent("7.50");
    Type("TableNameEdit", "Prices");
    EXPECT_EQ(PropertyTextByPath(second, "ColumnSpacing"), "7.5");
    EXPECT_EQ(second->Name(), "Prices");
    EXPECT_EQ(spacing->AsString(), "7.50");
    EXPECT_EQ(PropertyTextByPath(plot->KindObject(kind::Table, 0), "ColumnSpacing"), firstSpacing);
}

TEST_F(EditorViewPages, GridAxisListsOfferNoneTheirAxesAndAllAndWriteTheText) {
    TiPlotObject* view = plot->KindObject(kind::DataView, 0);
    ShowForm(form.get());
    auto* xNames = Control<TiComponentEditorComboBox>("DataViewGridXAxisNameComboBox");
    auto* yNames = Control<TiComponentEditorComboBox>("DataViewGridYAxisNameComboBox");
    const auto texts = [](TiComponentEditorComboBox* combo) {
        std::vector<std::string> items;
        for (int i = 0; i < combo->Items()->Count(); ++i)
            items.push_back(combo->Items()->Get(i));
        return items;
    };
    const std::string x0 = plot->KindObject(kind::XAxis, 0)->Name();
    const std::string x1 = plot->KindObject(kind::XAxis, 1)->Name();
    EXPECT_EQ(texts(xNames), (std::vector<std::string>{"<None>", x0, x1, "<All>"}));
    EXPECT_EQ(texts(yNames),
              (std::vector<std::string>{"<None>", plot->KindObject(kind::YAxis, 0)->Name(), "<All>"}));
    Press(xNames, VK_DOWN, 4);
    EXPECT_EQ(PropertyTextByPath(view, "GridXAxisName"), "<All>");
    // Reloaded after the change, the list shows the stored text again.
    EXPECT_EQ(xNames->AsString(), "<All>");
    Press(yNames, VK_UP, 3);
    EXPECT_EQ(PropertyTextByPath(view, "GridYAxisName"), "<None>");
}

TEST_F(EditorViewPages, WheelAndMouseStylesAreStored) {
    auto* view = plot->KindObject(kind::DataView, 0);
    ShowForm(form.get());
    auto* wheel = Control<TiComponentEditorComboBox>("DataViewAxesControlWheelStyleComboBox");
    auto* mouse = Control<TiComponentEditorComboBox>("DataViewAxesControlMouseStyleComboBox");
    EXPECT_EQ(wheel->AsString(), "X-Axis");
    EXPECT_EQ(mouse->AsString(), "Both");
    Press(wheel, VK_DOWN, 3);
    Press(mouse, VK_UP, 1);
    EXPECT_EQ(PropertyTextByPath(view, "AxesControlWheelStyle"), std::to_string(ipacsNone));
    EXPECT_EQ(PropertyTextByPath(view, "AxesControlMouseStyle"), std::to_string(ipacsYAxis));
}

TEST_F(EditorViewPages, GridLinesHoldOnePageOfCustomLinesPerDirection) {
    auto* custom = Control<TPageControl>("DataViewGridLinesCustomPageControl");
    ASSERT_NE(custom, nullptr);
    std::vector<std::string> captions;
    for (int i = 0; i < custom->PageCount(); ++i)
        captions.push_back(custom->Pages(i)->Caption());
    EXPECT_EQ(captions, (std::vector<std::string>{"X-Majors", "X-Minors", "Y-Majors", "Y-Minors"}));
    TWinControl* sheet = Control<TControl>("DataViewGridLineYMinorStyleComboBox")->Parent();
    while (sheet && !dynamic_cast<TTabSheet*>(sheet))
        sheet = sheet->Parent();
    EXPECT_EQ(sheet, custom->Pages(3));
}

TEST_F(EditorViewPages, Pictures) {
    ShowForm(form.get());
    const auto save = [&](std::string_view control, const std::string& name) {
        Reveal(Control<TControl>(control));
        korvan::testing::SavePng(korvan::testing::Grab(form.get()), name);
    };
    save("LegendColumnSpacingEdit", "plot_editor_legend_page");
    save("LegendShowLineCheckbox", "plot_editor_legend_columns_page");
    save("LegendWrapRowSpacingMinEdit", "plot_editor_legend_wrap_page");
    save("TableColumnSpacingEdit", "plot_editor_table_page");
    save("TableGridLinesColorPicker", "plot_editor_table_grid_page");
    save("TableStartPercentEdit", "plot_editor_table_layout_page");
    save("DataViewGridShow", "plot_editor_data_view_page");
    save("DataViewGridLineXMajorStyleComboBox", "plot_editor_data_view_grid_lines_page");
}

} // namespace
