// Object pages built from their tables: every row of the toolbar page
// loaded from the toolbar and written back into it by the user's edit, the
// prefixed controls disabled while nothing is selected, and the picture.

#include "controls/plot/editor/EditorPageBuilder.h"
#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/editor/EditorChoices.h"
#include "controls/plot/editor/EditorEdit.h"
#include "controls/plot/editor/EditorForm.h"
#include "controls/plot/editor/EditorListBox.h"
#include "controls/plot/editor/EditorObjectValues.h"
#include "controls/plot/editor/EditorPages.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/plots/StripChartPlot.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/VirtualKeys.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace korvan::plot::editor;

class EditorPageBuilder : public korvan::testing::GuiTest, public IiEditorPageHost {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        plot = std::make_unique<TiPlot>(nullptr);
        form = std::make_unique<TiCustomEditorForm>(nullptr);
        form->SetClientWidth(576);
        form->SetClientHeight(272);
        pages = new TPageControl(form.get());
        pages->SetParent(form.get());
        pages->SetAlign(alClient);
        sheet = new TTabSheet(form.get());
        sheet->SetPageControl(pages);
    }
    void TearDown() override {
        page.reset();
        form.reset();
        plot.reset();
        GuiTest::TearDown();
    }
    TiPlotMasterManager* PageMaster() override { return plot->Master(); }
    void LoadAllPages() override {
        ++allLoads;
        page->Load();
    }
    void Build(KindPage description) {
        page = std::make_unique<EditorPage>(*form, *sheet, std::move(description), *this);
        auto* manager = plot->Master()->KindManager(page->Description().kind);
        for (int i = 0; manager && i < manager->Count(); ++i)
            page->List()->Items()->AddObject("", manager->Items(i));
        page->List()->SetItemIndex(page->List()->Items()->Count() > 0 ? 0 : -1);
        page->Load();
    }
    template <class T> T* Find(const char* name) { return dynamic_cast<T*>(form->FindComponent(name)); }

    std::unique_ptr<TiPlot> plot;
    std::unique_ptr<TiCustomEditorForm> form;
    TPageControl* pages = nullptr;
    TTabSheet* sheet = nullptr;
    std::unique_ptr<EditorPage> page;
    int allLoads = 0;
};

TEST_F(EditorPageBuilder, EveryToolBarRowLoadsFromTheToolBarAndWritesBack) {
    Build(ToolBarPage());
    TiPlotObject* toolBar = plot->KindObject(korvan::plot::kind::ToolBar, 0);
    ASSERT_NE(toolBar, nullptr);
    ShowForm(form.get());
    for (const PageRow& row : ToolBarPage().rows) {
        SCOPED_TRACE(std::string(row.name));
        TControl* control =
            form->FindComponent(row.name) ? dynamic_cast<TControl*>(form->FindComponent(row.name)) : nullptr;
        ASSERT_NE(control, nullptr);
        const std::string before = korvan::plot::PropertyTextByPath(toolBar, row.property);
        if (auto* check = dynamic_cast<TiComponentEditorCheckBox*>(control)) {
            EXPECT_EQ(check->AsBoolean() ? "True" : "False", before);
            input.Click(check, 5, 5);
            EXPECT_NE(korvan::plot::PropertyTextByPath(toolBar, row.property), before);
        } else if (auto* edit = dynamic_cast<TiComponentEditorEdit*>(control)) {
            EXPECT_EQ(edit->AsString(), before);
            edit->SetStringWithEvent(row.property == "Name" ? "Main Bar" : "3.5");
            EXPECT_EQ(korvan::plot::PropertyTextByPath(toolBar, row.property),
                      row.property == "Name" ? "Main Bar" : "3.5");
        }
    }
    // Every change reloads all pages.
    EXPECT_EQ(allLoads, int(ToolBarPage().rows.size()));
}

TEST_F(EditorPageBuilder, NothingSelectedDisablesThePrefixedControlsOfTheForm) {
    auto* stranger = new TiComponentEditorEdit(form.get());
    stranger->SetName("toolbarStray");
    stranger->SetParent(form.get());
    stranger->SetAsString("kept?");
    Build(ToolBarPage());
    page->List()->SetItemIndex(-1);
    page->Load();
    for (TControl* control : PrefixedControls(*form, "ToolBar"))
        EXPECT_FALSE(control->Enabled()) << control->Name();
    EXPECT_FALSE(stranger->Enabled());
    EXPECT_EQ(stranger->AsString(), "");
    EXPECT_FALSE(Find<TiComponentEditorCheckBox>("ToolBarVisibleCheckBox")->AsBoolean());
    // A change with nothing selected writes nothing.
    page->Change();
    page->List()->SetItemIndex(0);
    page->Load();
    EXPECT_TRUE(Find<TiComponentEditorCheckBox>("ToolBarVisibleCheckBox")->Enabled());
}

// A limit page with two X-axis name drop-downs, the second one not bound
// to a property.
KindPage AxisNamesPage() {
    KindPage page;
    page.kind = korvan::plot::kind::Limit;
    page.listBox = "LimitListBox";
    page.prefix = "Limit";
    page.refresh = PageRefresh::OwnPage;
    page.rows = {
        NameCombo("LimitXAxisNameComboBox", "X-Axis", "XAxisName", "", korvan::plot::kind::XAxis),
        NameCombo("LimitSpareComboBox", "Other", "", "", korvan::plot::kind::XAxis, "<All>", "<None>"),
    };
    return page;
}

TEST_F(EditorPageBuilder, NameDropDownsListTheKindAndWriteTheirText) {
    plot->AddLimit();
    plot->AddXAxis();
    plot->AddTranslation("<None>", "(none)");
    Build(AxisNamesPage());
    TiPlotObject* limit = plot->KindObject(korvan::plot::kind::Limit, 0);
    auto* axisName = Find<TiComponentEditorComboBox>("LimitXAxisNameComboBox");
    auto* spare = Find<TiComponentEditorComboBox>("LimitSpareComboBox");
    EXPECT_EQ(axisName->Items()->Text(), "(none)\r\nX-Axis 1\r\nX-Axis 2\r\n");
    EXPECT_EQ(spare->Items()->Text(), "<All>\r\nX-Axis 1\r\nX-Axis 2\r\n(none)\r\n");
    EXPECT_EQ(axisName->AsString(), "X-Axis 1");
    ShowForm(form.get());
    axisName->SetFocus();
    input.Key(axisName, VK_UP);
    EXPECT_EQ(korvan::plot::PropertyTextByPath(limit, "XAxisName"), "(none)");

    // A renamed axis: only the drop-downs that showed its old name follow.
    axisName->SetAsString("X-Axis 1");
    spare->SetAsString("X-Axis 2");
    plot->XAxis(0)->SetName("Time");
    page->RenameInCombos(korvan::plot::kind::XAxis, "X-Axis 1", "Time");
    EXPECT_EQ(axisName->AsString(), "Time");
    EXPECT_EQ(axisName->Items()->IndexOf("X-Axis 1"), -1);
    EXPECT_EQ(spare->AsString(), "X-Axis 2");
    EXPECT_EQ(spare->Items()->IndexOf("Time"), -1);
}

TEST_F(EditorPageBuilder, ToolBarPagePicture) {
    Build(ToolBarPage());
    ShowForm(form.get());
    korvan::testing::SavePng(korvan::testing::Grab(form.get()), "plot_editor_toolbar_page");
}

} // namespace
