// The plot editor form on a live plot: object pages following the lists,
// adding, removing and renaming, the layout page's menu, the master's
// upkeep of the open form, showing modally or on top, and the general
// page's way into the plot and back.

#include "controls/plot/editor/PlotEditorForm.h"
#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/core/ObjectManager.h"
#include "controls/plot/editor/EditorChoices.h"
#include "controls/plot/editor/EditorEdit.h"
#include "controls/plot/editor/EditorFrames.h"
#include "controls/plot/editor/EditorListBox.h"
#include "controls/plot/editor/EditorObjectValues.h"
#include "controls/plot/editor/EditorValueConverterPicker.h"
#include "controls/plot/editor/EditorValues.h"
#include "controls/plot/editor/LayoutViewer.h"
#include "controls/plot/editor/PlotEditorGeneralPage.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/plots/StripChartPlot.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/GuiThread.h"
#include "platform/forms/Menus.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/gfx/Bitmap.h"
#include "platform/text/Exception.h"
#include "tests/controls/plot/PlotTestSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

namespace kind = korvan::plot::kind;
using korvan::plot::editor::EditorPage;

TPoint Centre(const TRect& r) {
    return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
}

class PlotEditorFormTest : public korvan::testing::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        plot = std::make_unique<TiPlot>(nullptr);
        plot->SetBounds(0, 0, 400, 300);
    }
    void TearDown() override {
        plot.reset();
        GuiTest::TearDown();
    }
    TiPlotMasterManager& Master() { return *plot->Master(); }
    TiPlotEditorForm* Form() { return dynamic_cast<TiPlotEditorForm*>(Master().EditorForm()); }
    TiPlotEditorForm& Open() {
        Master().CreateEditorForm();
        Form()->SetPlotComponent(plot.get());
        return *Form();
    }
    template <class T> T* Find(std::string_view name) {
        return dynamic_cast<T*>(Form()->FindComponent(name));
    }
    // The text the list shows on a line.
    std::string ListText(std::string_view kindName, int index) {
        bool box = false;
        TColor color = clBlack;
        std::string text;
        Form()->Page(kindName)->List()->OnGetData(index, box, color, text);
        return text;
    }
    // Lays the layout page's diagram out and presses on the object there.
    void PressOn(TiPlotLayoutObject* object) {
        TiPlotLayoutViewer* viewer = Form()->LayoutViewer();
        TBitmap bitmap(viewer->Width(), viewer->Height());
        viewer->PaintImageTo(bitmap.Canvas());
        const TPoint p = Centre(object->LayoutRect());
        Form()->LayoutViewerMouseDown(p.X, p.Y);
    }
    std::unique_ptr<TiPlot> plot;
};

TEST_F(PlotEditorFormTest, EnterOnANewChannelNameRenamesItAndTheListShowsIt) {
    TiPlotEditorForm& form = Open();
    ShowForm(&form);
    form.PageControl()->SetActivePage(&form.Page(kind::Channel)->Sheet());
    auto* name = Find<TiComponentEditorEdit>("ChannelNameEdit");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->AsString(), plot->Channel(0)->Name());
    name->SetFocus();
    name->SelectAll();
    input.Type(name, "Pressure");
    input.Key(name, VK_RETURN);
    EXPECT_EQ(plot->Channel(0)->Name(), "Pressure");
    EXPECT_EQ(ListText(kind::Channel, 0), "Pressure");
}

TEST_F(PlotEditorFormTest, AnEmptyListDisablesThePrefixedControlsButNotAdd) {
    Open();
    plot->RemoveAllChannels();
    EXPECT_EQ(Form()->Page(kind::Channel)->List()->Items()->Count(), 0);
    for (const char* name : {"ChannelNameEdit", "ChannelListBox", "ChannelRemoveButton"})
        EXPECT_FALSE(Find<TControl>(name)->Enabled()) << name;
    EXPECT_EQ(Find<TiComponentEditorEdit>("ChannelNameEdit")->AsString(), "");
    EXPECT_TRUE(Find<TControl>("iChannelAddButton")->Enabled());
    // Add brings the page back with the new channel selected.
    Form()->AddClick(kind::Channel);
    EXPECT_EQ(plot->ChannelCount(), 1);
    EXPECT_EQ(Form()->Page(kind::Channel)->List()->ItemIndex(), 0);
    EXPECT_TRUE(Find<TControl>("ChannelNameEdit")->Enabled());
}

TEST_F(PlotEditorFormTest, RemovingTheSelectedLastOfThreeSelectsTheSecond) {
    plot->AddChannel();
    plot->AddChannel();
    Open();
    EditorPage& page = *Form()->Page(kind::Channel);
    page.List()->SetItemIndex(2);
    page.Load();
    TiPlotObject* second = plot->Channel(1);
    Form()->RemoveClick(kind::Channel);
    EXPECT_EQ(plot->ChannelCount(), 2);
    EXPECT_EQ(page.List()->Items()->Count(), 2);
    EXPECT_EQ(page.Selected(), second);
    EXPECT_EQ(Find<TiComponentEditorEdit>("ChannelNameEdit")->AsString(), second->Name());
}

TEST_F(PlotEditorFormTest, LayoutEditOnAYAxisOpensItsPageWithItSelected) {
    plot->AddYAxis();
    Open();
    ShowForm(Form());
    Form()->PageControl()->SetActivePageIndex(1);
    TiPlotLayoutObject* axis = plot->YAxis(1);
    PressOn(axis);
    Form()->LayoutPopupMenuPopup();
    EXPECT_TRUE(Form()->LayoutMenuItem("EditMenuItem")->Enabled());
    Form()->EditClick();
    EXPECT_EQ(Form()->PageControl()->ActivePage()->Text(), "Y-Axes");
    EXPECT_EQ(Form()->Page(kind::YAxis)->Selected(), axis);
    EXPECT_EQ(Find<TiComponentEditorEdit>("YAxisNameEdit")->AsString(), axis->Name());
}

TEST_F(PlotEditorFormTest, AfterAPopupDeleteThePopupOffersOnlyReverseAndAdd) {
    plot->AddXAxis();
    Open();
    ShowForm(Form());
    Form()->PageControl()->SetActivePageIndex(1);
    PressOn(plot->XAxis(1));
    Form()->LayoutPopupMenuPopup();
    EXPECT_TRUE(Form()->LayoutMenuItem("DeleteMenuItem")->Enabled());
    Form()->DeleteClick();
    EXPECT_EQ(plot->XAxisCount(), 1);
    EXPECT_EQ(Form()->Page(kind::XAxis)->List()->Items()->Count(), 1);
    Form()->LayoutPopupMenuPopup();
    for (const char* name : {"DeleteMenuItem", "VisibleMenuItem", "EditMenuItem"})
        EXPECT_FALSE(Form()->LayoutMenuItem(name)->Enabled()) << name;
    for (const char* name :
         {"XYAxesReverseMenuItem", "AddXAxisMenuItem", "AddYAxisMenuItem", "AddLabelMenuItem"})
        EXPECT_TRUE(Form()->LayoutMenuItem(name)->Enabled()) << name;
}

TEST_F(PlotEditorFormTest, ARightClickedObjectRemovedByItsRemoveButtonIsNeverUsed) {
    plot->AddYAxis();
    Open();
    ShowForm(Form());
    Form()->PageControl()->SetActivePageIndex(1);
    PressOn(plot->YAxis(1));
    EXPECT_EQ(Form()->RightClickObject(), plot->YAxis(1));
    EditorPage& page = *Form()->Page(kind::YAxis);
    page.List()->SetItemIndex(1);
    Form()->RemoveClick(kind::YAxis);
    ASSERT_EQ(plot->YAxisCount(), 1);
    EXPECT_EQ(Form()->RightClickObject(), nullptr);
    Form()->LayoutPopupMenuPopup();
    EXPECT_FALSE(Form()->LayoutMenuItem("VisibleMenuItem")->Enabled());
    // The commands find nothing to act on.
    Form()->VisibleClick();
    Form()->DeleteClick();
    Form()->EditClick();
    EXPECT_EQ(plot->YAxisCount(), 1);
    EXPECT_TRUE(plot->YAxis(0)->Visible());
}

TEST_F(PlotEditorFormTest, TheMasterKeepsTheOpenFormsListsCurrent) {
    // Closed editor: nothing to keep.
    plot->AddLimit();
    EXPECT_EQ(Form(), nullptr);
    Open();
    EditorPage& limits = *Form()->Page(kind::Limit);
    EXPECT_EQ(limits.List()->Items()->Count(), 1);
    plot->AddLimit();
    EXPECT_EQ(limits.List()->Items()->Count(), 2);
    EXPECT_EQ(limits.List()->ItemIndex(), 1);
    EXPECT_EQ(limits.Selected(), plot->KindObject(kind::Limit, 1));
    plot->DeleteLimit(1);
    EXPECT_EQ(limits.List()->Items()->Count(), 1);
    EXPECT_EQ(limits.Selected(), plot->KindObject(kind::Limit, 0));
}

TEST_F(PlotEditorFormTest, EditPropertiesShowsModallyAndFreesTheFormAfterwardsAndOnFailure) {
    plot->SetEditorFormStyle(ipfsModal);
    int opened = 0, closed = 0;
    plot->OnAfterCloseEditor = [&](TObject*) { ++closed; };
    plot->OnAfterOpenEditor = [&](TObject* sender) {
        ++opened;
        EXPECT_EQ(sender, plot->Master());
        korvan::forms::Gui().Post([this] {
            ASSERT_NE(Form(), nullptr);
            EXPECT_TRUE(Form()->Modal());
            Form()->PageControl()->SetActivePageIndex(4);
            Form()->SetModalResult(mrOk);
        });
    };
    Master().EditProperties();
    EXPECT_EQ(Form(), nullptr);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(closed, 1);
    // The page shown last comes back with the next form.
    EXPECT_EQ(Master().RememberedPageIndex(0), 4);
    Master().CreateEditorForm();
    EXPECT_EQ(Form()->PageControl()->ActivePageIndex(), 4);
    delete Form();
    Master().SetEditorForm(nullptr);

    plot->OnAfterOpenEditor = [](TObject*) { throw Exception("open failed"); };
    EXPECT_EQ(korvan::testing::RaisedMessage([&] { Master().EditProperties(); }), "open failed");
    EXPECT_EQ(Form(), nullptr);
    EXPECT_EQ(closed, 2);
}

TEST_F(PlotEditorFormTest, AStayOnTopFormStaysUntilItCloses) {
    plot->SetEditorFormStyle(ipfsStayOnTop);
    int closed = 0;
    plot->OnAfterCloseEditor = [&](TObject*) { ++closed; };
    Master().EditProperties();
    TiPlotEditorForm* form = Form();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->Visible());
    EXPECT_EQ(form->FormStyle(), fsStayOnTop);
    // Changes made meanwhile show on the next activation.
    plot->Channel(0)->SetName("Flow");
    form->ActivationChanged();
    EXPECT_EQ(Find<TiComponentEditorEdit>("ChannelNameEdit")->AsString(), "Flow");
    form->Close();
    EXPECT_TRUE(form->IsClosing());
    EXPECT_EQ(Form(), nullptr);
    // No upkeep for a closed form.
    plot->AddChannel();
    ProcessEvents();
    EXPECT_EQ(closed, 1);
}

TEST_F(PlotEditorFormTest, TheGeneralPageFillsFromThePlotAndCopiesBack) {
    TiPlotEditorForm& form = Open();
    plot->SetHintsPause(700);
    plot->SetPrintDocumentName("Report");
    form.General().Fill(*plot);
    EXPECT_EQ(Find<TiComponentEditorEdit>("HintsPauseEdit")->AsInteger(), 700);
    EXPECT_EQ(Find<TiComponentEditorEdit>("PrintDocumentNameEdit")->AsString(), "Report");
    struct Case {
        const char* control;
        const char* value;
        const char* property;
    };
    const Case cases[] = {
        {"AutoFrameRateCheckBox", "True", "AutoFrameRate"},
        {"UpdateFrameRateEdit", "40", "UpdateFrameRate"},
        {"BorderStyleRadioGroup", "2", "BorderStyle"},
        {"CopyToClipBoardFormatComboBox", "1", "CopyToClipBoardFormat"},
        {"FileColumnSeparatorComboBox", "1", "DataFileColumnSeparator"},
        {"BackGroundColorPicker", "255", "BackGroundColor"},
        {"BackGroundGradientDirectionComboBox", "11", "BackGroundGradientDirection"},
        {"OuterMarginBottomEdit", "17", "OuterMarginBottom"},
        {"TitleTextEdit", "Flow rates", "TitleText"},
        {"ControlLogBufferSizeEdit", "12", "LogBufferSize"},
        {"HintsHidePauseEdit", "900", "HintsHidePause"},
        {"AnnotationDefaultPenStyleComboBox", "6", "AnnotationDefaultPenStlye"},
        {"AnnotationDefaultReferenceComboBox", "3", "AnnotationDefaultReference"},
        {"AnnotationDefaultReferenceSizeYComboBox", "1", "AnnotationDefaultReferenceSizeY"},
        {"PrintOrientationRadioGroup", "0", "PrintOrientation"},
        {"PrintMarginLeftEdit", "0.5", "PrintMarginLeft"},
        {"PrintDocumentNameEdit", "Daily", "PrintDocumentName"},
    };
    for (const Case& c : cases)
        korvan::plot::LoadEditorValue(Find<TControl>(c.control), c.value);
    form.GeneralChanged();
    for (const Case& c : cases)
        EXPECT_EQ(korvan::plot::PropertyTextByPath(plot.get(), c.property), c.value) << c.control;
    // And back: a fresh fill shows what the plot now holds.
    for (const Case& c : cases)
        korvan::plot::LoadEditorValue(Find<TControl>(c.control), "");
    form.General().Fill(*plot);
    for (const Case& c : cases)
        EXPECT_EQ(korvan::plot::EditorValueText(Find<TControl>(c.control)), c.value) << c.control;
}

TEST_F(PlotEditorFormTest, WhileThePlotLogsTheGeneralPageLeavesTheLogNameAlone) {
    korvan::testing::ScratchDir dir;
    TiPlotEditorForm& form = Open();
    plot->SetLogFileName(dir.Path("plot.log"));
    plot->LogActivate(false);
    form.General().Fill(*plot);
    form.General().FollowLogging(true);
    auto* name = Find<TiComponentEditorEdit>("ControlLogFileNameEdit");
    EXPECT_FALSE(name->Enabled());
    EXPECT_EQ(name->AsString(), dir.Path("plot.log"));
    EXPECT_FALSE(Find<TControl>("ControlLogActivateButton")->Enabled());
    EXPECT_TRUE(Find<TControl>("ControlLogDeactivateButton")->Enabled());
    korvan::plot::LoadEditorValue(Find<TControl>("HintsShowCheckBox"), "False");
    EXPECT_NO_THROW(form.GeneralChanged());
    EXPECT_FALSE(plot->HintsShow());
    plot->LogDeactivate();
}

TEST_F(PlotEditorFormTest, Pictures) {
    TiPlotEditorForm& form = Open();
    form.General().Fill(*plot);
    ShowForm(&form);
    for (int page = 0; page < form.PageControl()->PageCount(); ++page) {
        form.PageControl()->SetActivePageIndex(page);
        ProcessEvents();
        korvan::testing::SavePng(korvan::testing::Grab(&form), "plot_editor_page_" + std::to_string(page));
    }
    auto* control = Find<TPageControl>("ControlPageControl");
    for (int sub = 1; sub < control->PageCount(); ++sub) {
        form.PageControl()->SetActivePageIndex(0);
        control->SetActivePageIndex(sub);
        ProcessEvents();
        korvan::testing::SavePng(korvan::testing::Grab(&form), "plot_editor_control_" + std::to_string(sub));
    }
}

} // namespace

namespace {

// A number field given text that is no number writes 0, as the fields read
// such text; each value-converter field has its picker, opening on the
// date-time page only for an axis minimum.
TEST_F(PlotEditorFormTest, NumberFieldsAndTheirConverters) {
    Open();
    plot->XAxis(0)->SetMin(5);
    Form()->UpdateAll();
    auto* min = Find<TiComponentEditorEdit>("XAxisMinEdit");
    ASSERT_NE(min, nullptr);
    EXPECT_NO_THROW(min->SetStringWithEvent("abc"));
    EXPECT_EQ(plot->XAxis(0)->Min(), 0.0);
    auto* minPicker = Find<TiComponentEditorValueConverterPicker>("XAxisMinEditPicker");
    auto* spanPicker = Find<TiComponentEditorValueConverterPicker>("XAxisSpanEditPicker");
    ASSERT_NE(minPicker, nullptr);
    ASSERT_NE(spanPicker, nullptr);
    EXPECT_EQ(minPicker->DefaultPage(), ivcptDateTime);
    EXPECT_EQ(spanPicker->DefaultPage(), ivcptInterval);
    EXPECT_EQ(minPicker->Associate(), Find<TiComponentEditorEdit>("XAxisMinEdit"));
    EXPECT_NE(Find<TiComponentEditorValueConverterPicker>("ChannelBarWidthEditPicker"), nullptr);
}

} // namespace
