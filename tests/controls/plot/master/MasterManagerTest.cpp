// The master manager: adding, naming, listing and wiring objects, the
// editor form's upkeep, settings copied into every object, clearing data,
// and the order of removals down to its own end.

#include "controls/plot/master/MasterManager.h"
#include "controls/plot/layout/LayoutManager.h"
#include "tests/controls/plot/PlotTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using korvan::testing::TestChannel;
using korvan::testing::TestChannelManager;

class RecordingEditor : public IiPlotEditorForm {
public:
    bool closing = false;
    std::vector<std::string> events;
    bool IsClosing() const override { return closing; }
    void ObjectListed(TiPlotObject* object) override { events.push_back("listed " + object->Name()); }
    void ObjectUnlisted(TiPlotObject* object) override { events.push_back("unlisted " + object->Name()); }
    void ObjectRenamed(TiPlotObject* object) override {
        events.push_back("renamed " + object->NameOld() + ">" + object->Name());
    }
    void EditObject(TiPlotObject* object) override { events.push_back("edit " + object->Name()); }
};

class MasterManagerTest : public ::testing::Test {
protected:
    TComponent plot{nullptr};
    // What the plot's handlers saw; declared first, they outlive the master.
    std::vector<TObject*> inserted, changed, repaints;
    std::unique_ptr<TiPlotMasterManager> master = std::make_unique<TiPlotMasterManager>(&plot);
    RecordingEditor editor;
};

TEST_F(MasterManagerTest, AddedAxesAreNamedTitledListedAndWired) {
    master->OnInsert = [&](TObject* sender) { inserted.push_back(sender); };
    EXPECT_EQ(master->AddXAxis(), 0);
    EXPECT_EQ(master->AddXAxis(), 1);
    EXPECT_EQ(master->AddYAxis(), 0);
    TiPlotXAxis* x2 = master->XAxisManager()->Items(1);
    TiPlotYAxis* y = master->YAxisManager()->Items(0);
    EXPECT_EQ(x2->Name(), "X-Axis 2");
    EXPECT_EQ(x2->Title(), "X-Axis 2");
    EXPECT_EQ(y->Name(), "Y-Axis 1");
    EXPECT_GE(master->ObjectManager()->GetIndex(y), 0);
    EXPECT_GE(master->LayoutManager()->GetIndex(y), 0);
    EXPECT_EQ(master->XAxisManager()->GetIndex(y), -1);
    EXPECT_EQ(inserted, (std::vector<TObject*>{master->XAxisManager()->Items(0), x2, y}));
    // Wired: a change reaches the plot with the master as sender.
    master->OnChange = [&](TObject* sender) { changed.push_back(sender); };
    y->SetMin(5);
    EXPECT_EQ(changed, std::vector<TObject*>{master.get()});
}

TEST_F(MasterManagerTest, OpenEditorKeepsItsListsClosingOrNoEditorLeavesThem) {
    master->SetEditorForm(&editor);
    master->AddXAxis();
    TiPlotXAxis* axis = master->XAxisManager()->Items(0);
    axis->SetName("Input");
    editor.closing = true;
    master->AddYAxis();
    editor.closing = false;
    const int all = master->ObjectManager()->Count();
    axis->Free();
    EXPECT_EQ(master->ObjectManager()->Count(), all - 1);
    master->SetEditorForm(nullptr);
    master->AddXAxis();
    EXPECT_EQ(editor.events, (std::vector<std::string>{"renamed >X-Axis 1", "listed X-Axis 1",
                                                       "renamed X-Axis 1>Input", "unlisted Input"}));
    EXPECT_EQ(master->XAxisManager()->Count(), 1);
}

TEST_F(MasterManagerTest, SettingsWalkEveryObjectAndReverseRepaintsAtOnce) {
    master->AddXAxis();
    master->AddYAxis();
    master->OnInvalidateNow = [&](TObject* sender) { repaints.push_back(sender); };
    master->SetXYAxesReverse(true);
    EXPECT_TRUE(master->LayoutManager()->XYAxesReverse());
    EXPECT_TRUE(master->XAxisManager()->Items(0)->XYAxesReversed());
    EXPECT_TRUE(master->YAxisManager()->Items(0)->XYAxesReversed());
    EXPECT_EQ(repaints, std::vector<TObject*>{master.get()});
    master->YAxisManager()->Items(0)->SetUserCanEdit(true);
    master->SetUserCanEditObjects(false);
    EXPECT_FALSE(master->YAxisManager()->Items(0)->UserCanEdit());
    master->AddXAxis(); // new objects take the settings
    EXPECT_FALSE(master->XAxisManager()->Items(1)->UserCanEdit());
    EXPECT_TRUE(master->XAxisManager()->Items(1)->XYAxesReversed());
}

TEST_F(MasterManagerTest, ClearAllDataEmptiesChannelsAndRealignsAxes) {
    master->AddXAxis();
    TiPlotXAxis* axis = master->XAxisManager()->Items(0);
    axis->SetTrackingAlignFirstStyle(ipafsMin);
    axis->NewTrackingData(40);
    EXPECT_EQ(axis->Min(), 40);
    int cleared = 0;
    master->ClearChannels = [&] { ++cleared; };
    master->ClearAllData();
    axis->NewTrackingData(70); // aligns as a first value again
    EXPECT_EQ(axis->Min(), 70);
    EXPECT_EQ(cleared, 1);
}

TEST_F(MasterManagerTest, AdoptedKindsTakeTheirObjectsAndEveryManagerHearsRemovals) {
    master->AdoptKindManager(TiPlotObjectManagerCustom::Make<TestChannelManager>(
        &plot, master->ChangeCallback(), master->InsertCallback(), master->RemoveCallback(),
        master->RenameCallback()));
    master->AddXAxis();
    TiPlotXAxis* axis = master->XAxisManager()->Items(0);
    auto* channel = new TestChannel(&plot, master->ChangeCallback(), master->InsertCallback(),
                                    master->RemoveCallback(), master->RenameCallback());
    channel->DoInsert();
    EXPECT_EQ(channel->Name(), "Channel 1");
    master->SetEditorForm(&editor);
    channel->DoEditMenuItemClick();
    EXPECT_EQ(editor.events, std::vector<std::string>{"edit Channel 1"});
    // The channel hears of the axis going.
    axis->Free();
    EXPECT_EQ(channel->removedSeen, std::vector<TObject*>{axis});
    master->SetEditorForm(nullptr);
    master.reset(); // frees the channel and every manager without a trace
}

} // namespace
