// The connection core against a stricter unit, one that answers every point
// the command table leaves open the other way: ALIVE and RELEASE
// acknowledged, empty slots named with NULs and read as zeros, busy level
// meters, damaged frames unanswered, blank EEPROM. The connect read and the
// jobs run as against the lenient unit, and an acknowledgement with no job
// running changes nothing.

#include "device/protocol/CommandRecords.h"
#include "tests/support/UnitFrames.h"
#include "tests/ui/main/ConnectionFixture.h"

#include <string>

using namespace korvan;
using namespace korvan::test;

namespace {

const std::string BlankRow(14, ' ');

// A stored preset in slot 3 under a name of its own; the other slots empty.
Bytes NamedPreset(const std::string& name) {
    Bytes image = SimUnit::DefaultImage();
    std::fill_n(image.begin() + sim_image::PresetName, sim_image::NameLength, 0);
    std::copy(name.begin(), name.end(), image.begin() + sim_image::PresetName);
    image[sim_image::Gain(0)] = 77;
    return image;
}

class StrictUnit : public ConnectionTest, public ::testing::WithParamInterface<LinkKind> {
protected:
    StrictUnit() {
        unit.SetStrictness(SimStrictness::Strict());
        unit.SetStoredPreset(3, NamedPreset("Stage"));
    }

    // Starts a job as its starter will, by the request the unit
    // acknowledges; returns the `count` requests the unit then received,
    // once the link is idle again.
    std::vector<std::string> RunJob(TJobState job, const LCmd& request, std::size_t count) {
        const std::size_t before = unit.ReceivedCount();
        core->JobState = job;
        core->SendCmd(request, true);
        if (!gui.RunUntil([&] { return unit.ReceivedCount() >= before + count && !LinkBusy(); }))
            return {};
        const auto all = RequestTexts(unit);
        return {all.begin() + std::ptrdiff_t(before), all.end()};
    }
};

TEST_P(StrictUnit, ConnectReadAndJobsRunAsAgainstTheLenientUnit) {
    ASSERT_TRUE(OpenTo(GetParam()));
    ASSERT_TRUE(RunUntilReadEnded());
    EXPECT_EQ(RequestTexts(unit), ConnectReadRequests());
    EXPECT_TRUE(core->Online);
    EXPECT_EQ(core->JobState, JobIdle) << "the closing ALIVE's acknowledgement starts nothing";
    EXPECT_EQ(view.recallRows[3], "Stage" + std::string(9, ' '));
    for (int slot : {1, 2, 4, 20})
        EXPECT_EQ(view.recallRows[slot], BlankRow) << "empty slot " << slot;

    // The level poll takes busy meters.
    Advance(300);
    ASSERT_TRUE(gui.RunUntil([&] { return view.levelReplies >= 1; }));

    // Recall of slot 3: acknowledged, then the whole state read again.
    std::vector<std::string> recall = {std::to_string(MCS_RECALL_PRESET)};
    const auto read = ConnectReadRequests();
    recall.insert(recall.end(), read.end() - 30, read.end());
    EXPECT_EQ(RunJob(JobRecall, CM_MCS_CMD(core->GetUnitId(), MCS_RECALL_PRESET, 3), recall.size()), recall);
    EXPECT_EQ(core->JobState, JobIdle);
    EXPECT_EQ(core->UnitControl->GetGain(0), 77);
    EXPECT_EQ(std::string(core->UnitControl->GetPresetNameChars(), 5), "Stage");

    // Store into slot 4: the name record and the store acknowledged, then the
    // closing ALIVE, whose acknowledgement comes with no job left.
    core->CurrentPreset = 4;
    const std::vector<std::string> store = {std::to_string(MCS_PRESETNAME), std::to_string(MCS_STORE_PRESET),
                                            std::to_string(MCS_ALIVE)};
    EXPECT_EQ(RunJob(JobStore, CM_MCS_PRESETNAME(core->GetUnitId(), "Stage 2       "), 3), store);
    EXPECT_TRUE(view.Has("CloseProgress"));
    EXPECT_EQ(core->JobState, JobIdle);
    EXPECT_TRUE(unit.IsSlotUsed(4));

    // Upload of slot 3, the only stored preset: the device information
    // read, the slot selected and acknowledged, its 29 pages, the closing
    // ALIVE; the slot's image is kept for the file.
    core->UploadPresetIndex = 3;
    std::vector<std::string> upload = {std::to_string(MCS_READ_EEPROM), std::to_string(MCS_SELECT_PRESET)};
    upload.insert(upload.end(), 29, std::to_string(MCS_READ_PRESET_PAGE));
    upload.push_back(std::to_string(MCS_ALIVE));
    EXPECT_EQ(RunJob(JobIdle, CM_MCS_READ_EEPROM(core->GetUnitId(), 0, 18), upload.size()), upload);
    const auto& info = core->UnitControl->GetDeviceInfo();
    EXPECT_EQ(Bytes(info.begin(), info.end()), unit.DeviceInfo());
    const auto& stored = core->UnitControl->GetStoredPreset(3);
    EXPECT_EQ(stored[0], 3);
    EXPECT_TRUE(std::equal(stored.begin() + 1, stored.end(), unit.StoredImage(3).begin()));

    // Factory reset: acknowledged, then the read from the preset flags on,
    // every slot now empty.
    std::vector<std::string> reset = {std::to_string(MCS_FACTORY_RESET)};
    reset.insert(reset.end(), read.begin() + 3, read.end());
    EXPECT_EQ(RunJob(JobFactoryReset, CM_MCS_CMD(core->GetUnitId(), MCS_FACTORY_RESET), reset.size()), reset);
    for (int slot = 1; slot <= 20; ++slot)
        EXPECT_EQ(view.recallRows[slot], BlankRow) << "slot " << slot;
    EXPECT_EQ(core->JobState, JobIdle);
    EXPECT_TRUE(core->Online);
    EXPECT_FALSE(view.Has("ReportLinkBroken"));
}

INSTANTIATE_TEST_SUITE_P(Links, StrictUnit, ::testing::Values(LinkKind::Serial, LinkKind::Usb, LinkKind::Net),
                         [](const auto& param) { return std::string(KindName(param.param)); });

// The unit may acknowledge its keep-alive at any time: with no job running,
// the acknowledgement sends nothing and changes no state.
TEST_F(ConnectionTest, AcknowledgementWithNoJobRunningChangesNothing) {
    ASSERT_TRUE(OpenTo(LinkKind::Serial));
    ASSERT_TRUE(RunUntilReadEnded());
    const std::size_t requests = unit.ReceivedCount();
    const auto events = view.events;
    core->OnFrameReceived(UnitReply(core->GetUnitId(), MCS_ACK));
    gui.RunPending();
    EXPECT_EQ(unit.ReceivedCount(), requests);
    EXPECT_EQ(view.events, events);
    EXPECT_EQ(core->JobState, JobIdle);
    EXPECT_TRUE(core->Online);
}

// Nor while a locked unit's prompt is due: the prompt still comes.
TEST_F(ConnectionTest, AcknowledgementBeforeTheUnlockPromptLeavesItDue) {
    unit.SetLocked(true);
    ASSERT_TRUE(OpenTo(LinkKind::Serial));
    ASSERT_TRUE(gui.RunUntil([&] { return core->JobState == JobUnlockPanel; }));
    core->OnFrameReceived(UnitReply(core->GetUnitId(), MCS_ACK));
    EXPECT_EQ(core->JobState, JobUnlockPanel);
    Advance(1000);
    EXPECT_EQ(view.Count("ShowUnlockPrompt"), 1u);
    EXPECT_EQ(unit.ReceivedCount(), 3u) << "nothing sent for the acknowledgement";
}

} // namespace
