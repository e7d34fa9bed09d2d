// The store, recall and factory-reset jobs run from the preset strip's
// buttons and the menu against the simulated unit over TCP: the requests in
// order, the progress window, and the model, lists and captions afterwards;
// a cancelled choice and the off-line window send nothing.

#include "tests/ui/main/MainWindowFixture.h"
#include "ui/dialogs/FFactory.h"
#include "ui/dialogs/FRecallPreset.h"
#include "ui/dialogs/FStoreName.h"
#include "ui/dialogs/FStorePreset.h"

using namespace korvan;
using namespace korvan::test;

namespace {

class PresetJobsTest : public MainWindowTest {
protected:
    static PresetListForm* ListOf(const TRzBmpButton* button) {
        return button == fmMain->bStore ? static_cast<PresetListForm*>(fmStorePreset)
                                        : static_cast<PresetListForm*>(fmRecallPreset);
    }
    // Clicks the strip's `button` and, from inside the list's modal loop,
    // picks data row `row` (1-based), types `name` when given and confirms.
    // Notes the progress window's status and maximum while it is up.
    void RunList(TRzBmpButton* button, int row, const std::string& name = {}) {
        bool picked = false;
        PresetListForm* list = ListOf(button);
        pump.reactions.push_back([&, list, row] {
            if (!picked && list->Visible() && list->Modal()) {
                picked = true;
                list->vledPresetNameSelectCell(1, row);
                if (!name.empty())
                    fmStoreName->edName->SetText(name);
                fmStoreName->btnOK->Click();
            }
            if (fmProcess->Visible() && progressStatus.empty()) {
                progressStatus = fmProcess->StatusBar->Caption();
                progressMax = fmProcess->ProgressBar->Max();
            }
        });
        pump.Start();
        button->Click();
        EXPECT_TRUE(picked);
        pump.reactions.pop_back();
    }
    bool JobEnded() {
        return LinkIdle() && fmMain->Connection().JobState == JobIdle && !fmProcess->Visible() &&
               fmMain->Connection().IsLevelPollRunning();
    }

    std::string progressStatus;
    int progressMax = 0;
};

TEST_F(PresetJobsTest, StoreToU05SendsTheNameThenTheStoreThenAlive) {
    ASSERT_TRUE(ConnectToUnit());
    pump.Stop();
    unit.ClearReceived();

    RunList(fmMain->bStore, 5, "Live Stage");
    ASSERT_TRUE(pump.RunUntil([&] { return JobEnded(); }));

    const auto requests = JobRequests();
    ASSERT_GE(requests.size(), 3u);
    EXPECT_EQ(requests[0].code, MCS_PRESETNAME);
    EXPECT_EQ(std::string(requests[0].payload.begin(), requests[0].payload.end()), "Live Stage    ");
    EXPECT_EQ(requests[1].code, MCS_STORE_PRESET);
    EXPECT_EQ(requests[1].payload, Bytes{5});
    EXPECT_EQ(requests[2].code, MCS_ALIVE);
    EXPECT_EQ(progressStatus, "Store preset now , please wait...");
    EXPECT_EQ(progressMax, 2);

    EXPECT_EQ(fmMain->lbPstNum->Caption(), "U05");
    EXPECT_EQ(fmMain->lbPstName->Caption(), "Live Stage    ");
    EXPECT_TRUE(fmMain->Model().IsPresetUsed(4));
    EXPECT_TRUE(unit.IsSlotUsed(5));
    EXPECT_EQ(fmStorePreset->RowName(4), "Live Stage    ");
    EXPECT_EQ(fmRecallPreset->RowName(5), "Live Stage    ");
    EXPECT_FALSE(fmStorePreset->Visible());
}

TEST_F(PresetJobsTest, RecallReadsTheStatePagesOfThePickedPreset) {
    Bytes stored = SimUnit::DefaultImage();
    const std::string name = "Slot Three    ";
    std::copy(name.begin(), name.end(), stored.begin() + sim_image::PresetName);
    unit.SetStoredPreset(3, stored);
    ASSERT_TRUE(ConnectToUnit());
    pump.Stop();

    struct Case {
        int row;
        std::uint8_t preset;
        std::string number, name;
    } cases[] = {{4, 3, "U03", name}, {1, 0, "F00", "Default Preset"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        unit.ClearReceived();
        progressStatus.clear();
        RunList(fmMain->bRecall, c.row);
        ASSERT_TRUE(pump.RunUntil([&] { return JobEnded(); }));
        const auto requests = JobRequests();
        ASSERT_GE(requests.size(), 30u);
        EXPECT_EQ(requests[0].code, MCS_RECALL_PRESET);
        EXPECT_EQ(requests[0].payload, Bytes{c.preset});
        for (int page = 0; page < 29; ++page) {
            EXPECT_EQ(requests[std::size_t(1 + page)].code, MCS_READ_STATE_PAGE);
            EXPECT_EQ(requests[std::size_t(1 + page)].payload, Bytes{std::uint8_t(page)});
        }
        EXPECT_EQ(progressStatus, "Load preset now , please wait...");
        EXPECT_EQ(progressMax, 29);
        EXPECT_EQ(fmMain->Connection().CurrentPreset, c.preset);
        EXPECT_EQ(fmMain->lbPstNum->Caption(), c.number);
        EXPECT_EQ(fmMain->lbPstName->Caption(), c.name);
    }
}

TEST_F(PresetJobsTest, CancelledChoicesSendNothing) {
    ASSERT_TRUE(ConnectToUnit());
    pump.Stop();
    // Cancel the list at once, or pick a row, cancel the name window (the
    // list stays up for another choice) and then cancel the list.
    struct Case {
        TRzBmpButton* button;
        bool pickFirst;
    } cases[] = {
        {fmMain->bStore, false}, {fmMain->bStore, true}, {fmMain->bRecall, false}, {fmMain->bRecall, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button->Name() + (c.pickFirst ? " picked" : ""));
        unit.ClearReceived();
        PresetListForm* list = ListOf(c.button);
        bool picked = false, listUpAfterNameCancel = false, done = false;
        pump.reactions.push_back([&] {
            if (done || !list->Visible() || !list->Modal())
                return;
            if (c.pickFirst && !picked) {
                picked = true;
                list->vledPresetNameSelectCell(1, 3);
                fmStoreName->edName->SetText("Never Stored");
                fmStoreName->bnCancel->Click();
                listUpAfterNameCancel = list->Visible() && !fmStoreName->Visible();
                return;
            }
            done = true;
            list->bnCancel->Click();
        });
        pump.Start();
        c.button->Click();
        pump.reactions.pop_back();
        EXPECT_TRUE(done);
        EXPECT_EQ(listUpAfterNameCancel, c.pickFirst);
        EXPECT_FALSE(list->Visible());
        // Two more level polls: nothing else went out meanwhile.
        const std::size_t polls = CountOf(MCS_LEVELS);
        ASSERT_TRUE(pump.RunUntil([&] { return LinkIdle() && CountOf(MCS_LEVELS) >= polls + 2; }));
        pump.Stop();
        EXPECT_TRUE(JobRequests().empty());
        EXPECT_EQ(fmMain->Connection().JobState, JobIdle);
        EXPECT_EQ(fmStorePreset->RowName(2), "Default Preset");
        EXPECT_EQ(fmMain->lbPstNum->Caption(), "F00");
    }
}

TEST_F(PresetJobsTest, OffLineTheListsOpenButOnlyTheStoreListTakesTheName) {
    CreateWindows();
    fmMain->tmStartConnect->SetEnabled(false);
    const PresetImage before = fmMain->Model().GetImage();

    RunList(fmMain->bStore, 3, "Bench");
    EXPECT_FALSE(fmStorePreset->Visible());
    EXPECT_EQ(fmStorePreset->RowName(2), "Bench         ");
    EXPECT_EQ(fmRecallPreset->RowName(3), "Bench         ");

    RunList(fmMain->bRecall, 4);
    EXPECT_FALSE(fmRecallPreset->Visible());

    // Neither job ran: no progress, no link, the window and model as they were.
    EXPECT_TRUE(progressStatus.empty());
    EXPECT_FALSE(fmMain->Connection().IsLinkOpen());
    EXPECT_EQ(fmMain->Connection().JobState, JobIdle);
    EXPECT_EQ(fmMain->Connection().CurrentPreset, 0);
    EXPECT_EQ(fmMain->lbPstNum->Caption(), "F00");
    EXPECT_FALSE(fmMain->Model().IsPresetUsed(2));
    EXPECT_TRUE(fmMain->Model().GetImage() == before);
}

TEST_F(PresetJobsTest, FactoryResetAsksThenRereadsTheUnit) {
    unit.SetStoredPreset(2, SimUnit::DefaultImage());
    ASSERT_TRUE(ConnectToUnit());
    pump.Stop();
    unit.ClearReceived();
    bool asked = false;
    pump.reactions.push_back([&] {
        if (!asked && fmFactory->Visible() && fmFactory->Modal()) {
            asked = true;
            EXPECT_EQ(fmFactory->lbMessage->Caption(), "Are you Sure to Return Factory Default?");
            fmFactory->btnOK->Click();
        }
    });
    pump.Start();
    fmMain->FactoryDefault->Click();
    ASSERT_TRUE(asked);
    ASSERT_TRUE(pump.RunUntil([&] { return JobEnded() && CountOf(MCS_READ_STATE_PAGE) >= 29; }));
    const auto requests = JobRequests();
    ASSERT_GE(requests.size(), 2u);
    EXPECT_EQ(requests[0].code, MCS_FACTORY_RESET);
    EXPECT_EQ(requests[1].code, MCS_PRESET_FLAGS);
    EXPECT_FALSE(unit.IsSlotUsed(2));
    EXPECT_FALSE(fmMain->Model().IsPresetUsed(1));
    EXPECT_EQ(fmMain->lbPstNum->Caption(), "F00");
}

TEST_F(PresetJobsTest, FactoryResetOffLineAsksToConnectFirst) {
    CreateWindows();
    fmMain->tmStartConnect->SetEnabled(false);
    EXPECT_EQ(InformationOf([] { fmMain->FactoryDefault->Click(); }), "You Must Connect First !!");
    EXPECT_FALSE(fmFactory->Visible());
}

TEST_F(PresetJobsTest, UnitDroppingDuringARecallEndsItOffLineWithTheModelAsBefore) {
    Bytes stored = SimUnit::DefaultImage();
    stored[sim_image::Gain(0)] = 0x12;
    unit.SetStoredPreset(3, stored);
    ASSERT_TRUE(ConnectToUnit());
    pump.Stop();
    const PresetImage before = fmMain->Model().GetImage();
    DropLinkAfter(MCS_READ_STATE_PAGE, 5);
    unit.ClearReceived();
    RunList(fmMain->bRecall, 4);
    ExpectEndedOffLine();
    EXPECT_TRUE(fmMain->Model().GetImage() == before);
}

} // namespace
