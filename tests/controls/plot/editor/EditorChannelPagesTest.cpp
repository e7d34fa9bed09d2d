// The channel, data cursor, limit and label pages of the plot editor: every
// row edited as a user edits it and read back from the object, the parts
// only strip-chart channels have, the channel's statistics, files and log,
// the title label, and pictures of the pages.

#include "controls/plot/channels/ChannelManager.h"
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
#include "controls/plot/objects/PlotDataCursor.h"
#include "controls/plot/plots/StripChartPlot.h"
#include "controls/plot/plots/XYPlot.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/text/FloatText.h"
#include "platform/text/IntText.h"
#include "platform/text/StrUtils.h"
#include "tests/controls/plot/PlotTestSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

using namespace korvan::plot::editor;
using korvan::plot::PropertyTextByPath;

// Colour and font dialogs that answer what the test chose.
class AnsweringDialogs : public korvan::testing::FakeDialogService {
public:
    int color = 0x123456;
    std::optional<int> PickColor(int) override { return color; }
    std::optional<korvan::forms::FontChoice> PickFont(const korvan::forms::FontChoice&) override {
        return korvan::forms::FontChoice{"Courier", 13, true};
    }
};

class EditorChannelPages : public korvan::testing::GuiTest, public IiEditorPageHost {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        auto owned = std::make_unique<AnsweringDialogs>();
        answers = owned.get();
        dialogScope = std::make_unique<korvan::forms::ScopedDialogService>(std::move(owned));
        plot = std::make_unique<TiPlot>(nullptr);
        NewForm();
    }
    // An empty form of the editor's size with one tab sheet for the page.
    void NewForm() {
        page.reset();
        form = std::make_unique<TiCustomEditorForm>(nullptr);
        form->SetClientWidth(576);
        form->SetClientHeight(272);
        auto* pages = new TPageControl(form.get());
        pages->SetParent(form.get());
        pages->SetAlign(alClient);
        sheet = new TTabSheet(form.get());
        sheet->SetPageControl(pages);
    }
    void TearDown() override {
        page.reset();
        form.reset();
        plot.reset();
        dialogScope.reset();
        GuiTest::TearDown();
    }
    TiPlotMasterManager* PageMaster() override { return plot->Master(); }
    void LoadAllPages() override { page->Load(); }

    void UseXYPlot() { plot = std::make_unique<TiXYPlot>(nullptr); }
    // The page with the kind's `selected`-th object selected.
    void Build(KindPage description, int selected = 0) {
        page = std::make_unique<EditorPage>(*form, *sheet, std::move(description), *this);
        auto* manager = plot->Master()->KindManager(page->Description().kind);
        for (int i = 0; manager && i < manager->Count(); ++i)
            page->List()->Items()->AddObject("", manager->Items(i));
        page->List()->SetItemIndex(selected);
        page->Load();
        ShowForm(form.get());
    }
    TiPlotObject* Selected() const { return page->Selected(); }
    TiPlotChannelCustom* Channel() const { return plot->ChannelManager()->Items(0); }
    template <class T = TControl> T* Control(std::string_view name) {
        return dynamic_cast<T*>(form->FindComponent(name));
    }
    // Brings the sub-pages holding the control to the front.
    void Reveal(TControl* control) {
        for (TWinControl* parent = control->Parent(); parent; parent = parent->Parent())
            if (auto* tab = dynamic_cast<TTabSheet*>(parent); tab && tab->PageControl())
                tab->PageControl()->SetActivePage(tab);
        ProcessEvents();
    }
    void Choose(TiComponentEditorComboBox* combo, int index) {
        combo->SetFocus();
        combo->SetAsInteger(index == 0 ? 1 : index - 1);
        input.Key(combo, index == 0 ? VK_UP : VK_DOWN);
    }
    std::string Shown(std::string_view display) { return Control<TLabel>(display)->Caption(); }

    // Changes the row's control as a user does; returns the property text
    // the object must hold afterwards.
    std::string EditAsUser(const PageRow& row, TControl* control, const std::string& before) {
        Reveal(control);
        if (auto* check = dynamic_cast<TiComponentEditorCheckBox*>(control)) {
            input.Click(check, 5, 5);
            return before == "True" ? "False" : "True";
        }
        if (auto* edit = dynamic_cast<TiComponentEditorEdit*>(control)) {
            double number = 0;
            const std::string value = !TryStrToFloat(before, number) ? before + "x"
                                      : before == "2"                ? "3"
                                                                     : "2";
            edit->SetStringWithEvent(value);
            return value;
        }
        if (auto* combo = dynamic_cast<TiComponentEditorComboBox*>(control)) {
            if (row.kind == RowKind::NameComboBox) {
                // "<None>" or "<All>": written as it reads.
                const std::string first = combo->Items()->Get(0);
                Choose(combo, 0);
                return first;
            }
            const int index = (StrToIntDef(before, 0) + 1) % combo->Items()->Count();
            Choose(combo, index);
            return IntToStr(index);
        }
        if (auto* radio = dynamic_cast<TiComponentEditorRadioGroup*>(control)) {
            const int index = StrToIntDef(before, 0) == 0 ? 1 : 0;
            radio->SetFocus();
            input.Key(radio, index == 1 ? VK_DOWN : VK_UP);
            return IntToStr(index);
        }
        if (auto* color = dynamic_cast<TiComponentEditorColorPicker*>(control)) {
            answers->color = StrToIntDef(before, 0) == 0x123456 ? 0x654321 : 0x123456;
            input.Click(color->Button());
            return IntToStr(answers->color);
        }
        if (auto* font = dynamic_cast<TiComponentEditorFontPicker*>(control)) {
            input.Click(font);
            return "Courier";
        }
        ADD_FAILURE() << "no user edit for " << row.name;
        return before;
    }
    std::string Value(TiPlotObject* object, const PageRow& row) {
        if (row.kind == RowKind::FontPicker)
            return korvan::plot::FontByPath(object, row.property)->Name();
        return PropertyTextByPath(object, row.property);
    }
    // Every row with a property, edited through its control and read back.
    void RoundTrip(const KindPage& description) {
        TiPlotObject* object = Selected();
        ASSERT_NE(object, nullptr);
        for (const PageRow& row : description.rows) {
            if (row.property.empty())
                continue;
            SCOPED_TRACE(std::string(row.name));
            TControl* control = Control(row.name);
            ASSERT_NE(control, nullptr);
            const std::string expected = EditAsUser(row, control, Value(object, row));
            EXPECT_EQ(Value(object, row), expected);
        }
    }

    AnsweringDialogs* answers = nullptr;
    std::unique_ptr<korvan::forms::ScopedDialogService> dialogScope;
    std::unique_ptr<TiPlotComponent> plot;
    std::unique_ptr<TiCustomEditorForm> form;
    TTabSheet* sheet = nullptr;
    std::unique_ptr<EditorPage> page;
};

TEST_F(EditorChannelPages, EveryChannelRowWritesTheChannelAndTheNameRenamesIt) {
    Build(ChannelPage());
    RoundTrip(ChannelPage());
    TiPlotObject* channel = Selected();
    EXPECT_EQ(channel->Name(), "Channel 1x");
    EXPECT_EQ(PropertyTextByPath(channel, "XAxisName"), "<None>");
    // The list shows the new name at once.
    bool box = false;
    TColor color = clBlack;
    std::string text;
    page->List()->OnGetData(0, box, color, text);
    EXPECT_EQ(text, "Channel 1x");
}

TEST_F(EditorChannelPages, EveryCursorLimitAndLabelRowWritesItsObject) {
    plot->Master()->AddObject(korvan::plot::kind::Limit);
    plot->Master()->AddLabel();
    for (KindPage (*make)() : {DataCursorPage, LimitPage, LabelPage}) {
        SCOPED_TRACE(std::string(make().caption));
        NewForm();
        Build(make(), make().kind == korvan::plot::kind::Label ? 1 : 0);
        RoundTrip(make());
    }
}

TEST_F(EditorChannelPages, StripChartPartsShowOnlyOnAStripChart) {
    for (bool xy : {false, true}) {
        SCOPED_TRACE(xy ? "XY plot" : "strip chart");
        if (xy) {
            NewForm();
            UseXYPlot();
        }
        Build(ChannelPage());
        for (std::string_view subPage : {"Bar", "HighLow", "Fill", "Digital"})
            EXPECT_EQ(dynamic_cast<TTabSheet*>(page->Place(subPage))->TabVisible(), !xy) << subPage;
        EXPECT_EQ(Control("ChannelFastDrawCheckBox")->Visible(), !xy);
        auto* interpolation = Control("ChannelInterpolationStyleComboBox");
        EXPECT_EQ(interpolation->Visible(), !xy);
        int captions = 0;
        for (int i = 0; i < interpolation->Parent()->ControlCount(); ++i)
            if (auto* label = dynamic_cast<TLabel*>(interpolation->Parent()->Controls(i));
                label && label->Caption() == "Interpolation Style") {
                EXPECT_EQ(label->Visible(), !xy);
                ++captions;
            }
        EXPECT_EQ(captions, 1);
        // Clipping serves every channel.
        input.Click(Control("ChannelClipToAxesCheckBox"), 5, 5);
        EXPECT_EQ(PropertyTextByPath(Selected(), "ClipToAxes"), "True");
    }
}

TEST_F(EditorChannelPages, StatisticsWaitForRefreshAndFollowTheChannelsAxes) {
    Channel()->AddXY(1, 10);
    Channel()->AddXY(2, 30);
    Channel()->AddXY(4, 20);
    Build(ChannelPage());
    const std::vector<std::string_view> displays{
        "ChannelStatsPointCountDisplay",    "ChannelStatsPointCapacityDisplay", "ChannelStatsMemoryDisplay",
        "ChannelStatsDataPointSizeDisplay", "ChannelStatsMaxDataPointsDisplay", "ChannelStatsXMinDisplay",
        "ChannelStatsXMaxDisplay",          "ChannelStatsXMeanDisplay",         "ChannelStatsYMinDisplay",
        "ChannelStatsYMaxDisplay",          "ChannelStatsYMeanDisplay"};
    for (std::string_view display : displays)
        EXPECT_EQ(Shown(display), "Click Refresh") << display;

    auto* refresh = Control("ChannelStatsRefreshButton");
    Reveal(refresh);
    input.Click(refresh);
    TiPlotChannelCustom* channel = Channel();
    EXPECT_EQ(Shown("ChannelStatsPointCountDisplay"), "3");
    EXPECT_EQ(Shown("ChannelStatsPointCapacityDisplay"), IntToStr(channel->Capacity()));
    EXPECT_EQ(Shown("ChannelStatsMemoryDisplay"), IntToStr(channel->MemoryUsed()) + " Bytes");
    EXPECT_EQ(Shown("ChannelStatsDataPointSizeDisplay"), IntToStr(channel->DataPointSize()) + " Bytes");
    EXPECT_EQ(Shown("ChannelStatsXMinDisplay"), channel->XAxis()->GetLabelText(1));
    EXPECT_EQ(Shown("ChannelStatsYMaxDisplay"), channel->YAxis()->GetLabelText(30));
    EXPECT_EQ(Shown("ChannelStatsYMeanDisplay"), channel->YAxis()->GetLabelText(20));

    // A change of the same channel keeps the figures; a click on the list
    // asks for a refresh again.
    Control<TiComponentEditorEdit>("ChannelTitleEdit")->SetStringWithEvent("Inlet");
    EXPECT_EQ(Shown("ChannelStatsPointCountDisplay"), "3");
    page->List()->OnClick(page->List());
    EXPECT_EQ(Shown("ChannelStatsPointCountDisplay"), "Click Refresh");

    // Without a Y axis the values are plain numbers.
    channel->SetYAxisName("<None>");
    input.Click(refresh);
    EXPECT_EQ(Shown("ChannelStatsYMeanDisplay"), "20");

    page->List()->SetItemIndex(-1);
    page->Load();
    for (std::string_view display : displays)
        EXPECT_EQ(Shown(display), "") << display;
}

TEST_F(EditorChannelPages, LogButtonsOfferWhatTheLogCanDo) {
    korvan::testing::ScratchDir dir;
    Build(ChannelPage());
    TiPlotChannelCustom* channel = Channel();
    answers->saveAnswers.push_back(dir.Path("inlet.log"));
    auto* picker = Control("ChannelLogFileNamePicker");
    Reveal(picker);
    input.Click(picker);
    EXPECT_EQ(channel->LogFileName(), dir.Path("inlet.log"));
    EXPECT_EQ(Control<TiComponentEditorEdit>("ChannelLogFileNameEdit")->AsString(), dir.Path("inlet.log"));

    const auto offered = [&](bool logging) {
        EXPECT_EQ(channel->LoggingActive(), logging);
        EXPECT_EQ(Control("ChannelLogFileNameEdit")->Enabled(), !logging);
        EXPECT_EQ(Control("ChannelLogFileNamePicker")->Enabled(), !logging);
        EXPECT_EQ(Control("ChannelLogActivateButton")->Enabled(), !logging);
        EXPECT_EQ(Control("ChannelLogDeactivateButton")->Enabled(), logging);
    };
    offered(false);
    input.Click(Control("ChannelLogActivateButton"));
    offered(true);
    // The file name stays readable while it can not be changed.
    EXPECT_EQ(Control<TiComponentEditorEdit>("ChannelLogFileNameEdit")->AsString(), dir.Path("inlet.log"));
    channel->AddXY(1, 2);
    input.Click(Control("ChannelLogDeactivateButton"));
    offered(false);
    EXPECT_TRUE(std::filesystem::exists(dir.Path("inlet.log")));
}

TEST_F(EditorChannelPages, ChannelSettingsAndPointsTravelThroughTheFilePickers) {
    korvan::testing::ScratchDir dir;
    Build(ChannelPage());
    TiPlotChannelCustom* channel = Channel();
    channel->AddXY(1, 5);
    channel->AddXY(2, 6);
    const auto pick = [&](std::string_view name, std::deque<std::optional<std::string>>& queue,
                          const std::string& file) {
        queue.push_back(file);
        auto* picker = Control(name);
        Reveal(picker);
        input.Click(picker);
    };
    channel->SetTraceLineWidth(4);
    pick("ChannelPropertiesSavePicker", answers->saveAnswers, dir.Path("inlet.cfg"));
    pick("ChannelDataSavePicker", answers->saveAnswers, dir.Path("inlet.dat"));
    channel->SetTraceLineWidth(1);
    channel->AddXY(3, 7);
    pick("ChannelPropertiesOpenPicker", answers->openAnswers, dir.Path("inlet.cfg"));
    EXPECT_EQ(channel->TraceLineWidth(), 4);
    EXPECT_EQ(Control<TiComponentEditorEdit>("ChannelTraceLineWidthEdit")->AsString(), "4");
    pick("ChannelDataOpenPicker", answers->openAnswers, dir.Path("inlet.dat"));
    EXPECT_EQ(channel->Count(), 2);
}

TEST_F(EditorChannelPages, TurnOffLimitStepsByHundredsUpToItsLimit) {
    Build(ChannelPage());
    auto* edit = Control<TiComponentEditorEdit>("ChannelMarkersTurnOffLimitEdit");
    auto* upDown = Control<TiUpDown>("ChannelMarkersTurnOffLimitEditUpDown");
    Reveal(edit);
    edit->SetStringWithEvent("19850");
    const TRect up = upDown->UpButtonRect();
    for (int i = 0; i < 3; ++i)
        input.Click(upDown, up.Right / 2, up.Bottom / 2);
    EXPECT_EQ(PropertyTextByPath(Selected(), "MarkersTurnOffLimit"), "20000");
}

TEST_F(EditorChannelPages, CursorChannelChoiceListsAllThenTheChannels) {
    Build(DataCursorPage());
    auto* combo = Control<TiComponentEditorComboBox>("DataCursorChannelNameComboBox");
    ASSERT_EQ(combo->Items()->Count(), 2);
    EXPECT_EQ(combo->Items()->Get(0), "<All>");
    EXPECT_EQ(combo->Items()->Get(1), "Channel 1");
    auto* cursor = dynamic_cast<TiPlotDataCursor*>(Selected());
    cursor->SetChannelName("Channel 1");
    page->Load();
    EXPECT_EQ(combo->AsInteger(), 1);
    cursor->SetChannelName("Gone");
    page->Load();
    EXPECT_EQ(combo->AsInteger(), -1);
}

TEST_F(EditorChannelPages, TheTitleLabelStaysAndItsChangesReachTheTitleControls) {
    // The general page's title controls, as the form has them.
    auto* titleVisible = new TiComponentEditorCheckBox(form.get());
    titleVisible->SetName("TitleVisibleCheckBox");
    auto* titleText = new TiComponentEditorEdit(form.get());
    titleText->SetName("TitleTextEdit");
    auto* titleFont = new TiComponentEditorFontPicker(form.get());
    titleFont->SetName("TitleFontPicker");
    plot->Master()->AddLabel();
    Build(LabelPage());
    EXPECT_FALSE(Control("LabelRemoveButton")->Enabled());
    Control<TiComponentEditorEdit>("LabelCaptionMemo")->SetStringWithEvent("Inlet Levels");
    EXPECT_EQ(titleText->AsString(), "Inlet Levels");
    input.Click(Control("LabelVisibleCheckBox"), 5, 5);
    EXPECT_FALSE(titleVisible->AsBoolean());
    EXPECT_EQ(titleFont->PickedFont()->Name(), korvan::plot::FontByPath(Selected(), "Font")->Name());

    page->List()->SetItemIndex(1);
    page->Load();
    EXPECT_TRUE(Control("LabelRemoveButton")->Enabled());
    Control<TiComponentEditorEdit>("LabelCaptionMemo")->SetStringWithEvent("Outlet");
    EXPECT_EQ(titleText->AsString(), "Inlet Levels");
}

TEST_F(EditorChannelPages, PagePictures) {
    plot->Master()->AddObject(korvan::plot::kind::Limit);
    Build(ChannelPage());
    auto* channelPages = Control<TPageControl>("ChannelPageControl");
    for (std::string_view subPage : {"General", "Trace", "Marker", "Bar", "HighLow", "FileIO", "Stats"}) {
        auto* tab = dynamic_cast<TTabSheet*>(page->Place(subPage));
        channelPages->SetActivePage(tab);
        ProcessEvents();
        korvan::testing::SavePng(korvan::testing::Grab(form.get()),
                                 "plot_editor_channel_page_" + std::string(subPage));
    }
    for (KindPage (*make)() : {DataCursorPage, LimitPage, LabelPage}) {
        NewForm();
        Build(make());
        korvan::testing::SavePng(korvan::testing::Grab(form.get()),
                                 "plot_editor_" + std::string(make().caption) + "_page");
    }
}

} // namespace
