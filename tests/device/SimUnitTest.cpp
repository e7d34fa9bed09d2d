// The simulated unit answers as the command table says, keeps its state and
// misbehaves on demand. Driven directly through Feed, with no transport.

#include "tests/support/SimUnit.h"
#include "device/protocol/CommandCodes.h"
#include "device/protocol/CommandRecords.h"
#include "device/protocol/Frame.h"

#include <gtest/gtest.h>

using namespace korvan::test;
namespace img = korvan::test::sim_image;

namespace {

struct SimFixture : ::testing::Test {
    SimUnit unit;

    // Sends one request; returns the reply the unit wrote (whole frame).
    std::vector<SimOutput> Exchange(const LCmd& record) {
        const Bytes frame = BuildFrame(record);
        return unit.Feed(frame.data(), frame.size());
    }
    // The reply's code and payload.
    LCmd Ask(const LCmd& record) {
        const auto outputs = Exchange(record);
        EXPECT_EQ(outputs.size(), 1u);
        return outputs.empty() ? LCmd() : LCmd(outputs[0].bytes);
    }
};

TEST_F(SimFixture, AnswersEveryRequestOfTheConnectSequence) {
    unit.SetCurrentPreset(4);
    struct Case {
        LCmd request;
        std::uint8_t code;
        std::size_t payloadSize;
    };
    for (const Case& c :
         {Case{CM_MCS_CMD(1, MCS_CONNECT), MCS_CONNECT, 0},
          Case{CM_MCS_CMD(1, MCS_IDENTITY), MCS_IDENTITY, 21},
          Case{CM_MCS_CMD(1, MCS_LOCK_STATE), MCS_LOCK_STATE, 6},
          Case{CM_MCS_CMD(1, MCS_PRESET_FLAGS), MCS_PRESET_FLAGS, 20},
          Case{CM_MCS_CMD(1, MCS_CURRENT_PRESET), MCS_CURRENT_PRESET, 1},
          Case{CM_MCS_CMD(1, MCS_READ_PRESET_NAME, 19), MCS_READ_PRESET_NAME, 15},
          Case{CM_MCS_CMD(1, MCS_READ_STATE_PAGE, 28), MCS_STATE_PAGE, 51},
          Case{CM_MCS_CMD(1, MCS_READ_PRESET_PAGE, 3), MCS_READ_PRESET_PAGE, 51},
          Case{CM_MCS_CMD(1, MCS_LEVELS), MCS_LEVELS, 38},
          Case{CM_MCS_READ_EEPROM(1, 0, 18), MCS_READ_EEPROM, 18},
          Case{CM_MCS_CMD(1, MCS_ALIVE), MCS_ALIVE, 0}, Case{CM_MCS_CMD(1, MCS_SELECT_PRESET, 2), MCS_ACK, 0},
          Case{CM_MCS_CMD(1, MCS_STORE_PRESET, 2), MCS_ACK, 0},
          Case{CM_MCS_CMD(1, MCS_RECALL_PRESET, 2), MCS_ACK, 0},
          Case{CM_MCS_CMD(1, MCS_COPY_CHANNEL, 0, 1), MCS_ACK, 0},
          Case{CM_MCS_PRESETNAME(1, "Stage Left    "), MCS_ACK, 0}, Case{CM_MCS_GAIN(1, 4, 300), MCS_ACK, 0},
          Case{CM_MCS_CMD(1, MCS_FACTORY_RESET), MCS_ACK, 0}}) {
        const LCmd reply = Ask(c.request);
        EXPECT_EQ(reply.GetId(), 1) << int(c.request.GetCode());
        EXPECT_EQ(reply.GetCode(), c.code) << int(c.request.GetCode());
        EXPECT_EQ(reply.GetPayload().size(), c.payloadSize) << int(c.request.GetCode());
    }
    EXPECT_EQ(unit.ReceivedCount(), 18u);
    EXPECT_EQ(Ask(CM_MCS_CMD(1, MCS_CURRENT_PRESET)).GetPayload()[0], 0); // after the factory reset
}

TEST_F(SimFixture, IdentityStartsWithTheVersionTheEditorChecks) {
    const auto text = Ask(CM_MCS_CMD(1, MCS_IDENTITY)).GetPayload();
    EXPECT_EQ(std::string(text.begin(), text.begin() + 11), "KORVAN V010");
}

TEST_F(SimFixture, SettersLandInTheImage) {
    const char name[8] = {'B', 'a', 's', 's'};
    Exchange(CM_MCS_GAIN(1, 4, 400));
    Exchange(CM_MCS_DELAY(1, 2, 960));
    Exchange(CM_MCS_MUTE(1, 5, 1));
    Exchange(CM_MCS_POLARITY(1, 1, 7));
    Exchange(CM_MCS_PEQ(1, 11, 8, PeqBand{130, 285, 50, 3}, 1));
    Exchange(CM_MCS_GEQ(1, 3, 30, 200));
    Exchange(CM_MCS_MIX(1, 7, 2, 100));
    Exchange(CM_MCS_MATRIX(1, 6, 0x10F));
    Exchange(CM_MCS_HIGH_PASS(1, 0, 44, 5));
    Exchange(CM_MCS_LOW_PASS(1, 0, 250, 6));
    Exchange(CM_MCS_COMP(1, 9, CompSetting{3, 10, 20, 4, 100}));
    Exchange(CM_MCS_LIMIT(1, 10, LimitSetting{1, 2, 3, 4}));
    Exchange(CM_MCS_GATE(1, 0, GateSetting{5, 6, 7, 8}));
    Exchange(CM_MCS_CHANNEL_NAME(1, 8, name));
    Exchange(CM_MCS_CMD(1, MCS_LINK, 1, 0x03));
    Exchange(CM_MCS_CMD(1, MCS_PEQ_BYPASS, 6, 1));
    Exchange(CM_MCS_CMD(1, MCS_GEQ_BYPASS, 2, 1));
    Exchange(CM_MCS_WORK_MODE(1, 3, 12));
    Exchange(CM_MCS_DELAYUNIT(1, 2));

    EXPECT_EQ(unit.ImageWord(img::Gain(4)), 400);
    EXPECT_EQ(unit.ImageWord(img::Delay(2)), 960);
    EXPECT_EQ(unit.ImageWord(img::OutputMuteMask), 1 << 1);
    EXPECT_EQ(unit.ImageWord(img::Polarity(1)), 1);
    EXPECT_EQ(unit.ImageWord(img::PeqBand(11, 8)), 130);
    EXPECT_EQ(unit.ImageWord(img::PeqBand(11, 8) + 2), 285);
    EXPECT_EQ(img::PeqBand(11, 8), 1376u); // the last band of the image
    EXPECT_EQ(unit.Image()[img::PeqBand(11, 8) + 4], 50);
    EXPECT_EQ(unit.Image()[img::PeqBand(11, 8) + 5], 3);
    EXPECT_EQ(unit.ImageWord(img::BandBypassMasks + 2 * 11), 1 << 8);
    EXPECT_EQ(unit.ImageWord(img::GeqBand(3, 30)), 200);
    EXPECT_EQ(unit.ImageWord(img::Mix(7, 2)), 100);
    EXPECT_EQ(unit.ImageWord(img::SourceMask(6)), 0x0F);
    EXPECT_EQ(unit.ImageWord(img::Crossover(0)), 44);
    EXPECT_EQ(unit.ImageWord(img::Crossover(0) + 2), 250);
    EXPECT_EQ(unit.Image()[img::Crossover(0) + 4], 5);
    EXPECT_EQ(unit.Image()[img::Crossover(0) + 5], 6);
    EXPECT_EQ(unit.ImageWord(img::Comp(9) + 8), 100);
    EXPECT_EQ(unit.ImageWord(img::Limit(10) + 6), 4);
    EXPECT_EQ(unit.ImageWord(img::Gate(0) + 6), 8);
    EXPECT_EQ(unit.Image()[img::Channel(8)], 'B');
    EXPECT_EQ(unit.ImageWord(img::LinkMask(1)), 3);
    EXPECT_EQ(unit.ImageWord(img::OutputPeqBypass), 1 << 2);
    EXPECT_EQ(unit.ImageWord(img::GeqBypass), 1 << 2);
    EXPECT_EQ(unit.ImageWord(img::WorkMode), 3);
    EXPECT_EQ(unit.ImageWord(img::SineFrequency), 12);
    EXPECT_EQ(unit.ImageWord(img::DelayUnit), 2);
}

TEST_F(SimFixture, DefaultImageFollowsTheFactoryTable) {
    const Bytes image = SimUnit::DefaultImage();
    EXPECT_EQ(std::string(image.begin() + 2, image.begin() + 16), "Default Preset");
    EXPECT_EQ(unit.ImageWord(img::Gain(0)), 0);
    EXPECT_EQ(unit.ImageWord(img::Gain(4)), 280);
    EXPECT_EQ(unit.ImageWord(img::LinkMask(3)), 8);
    EXPECT_EQ(unit.ImageWord(img::LinkMask(11)), 128);
    EXPECT_EQ(unit.ImageWord(img::SourceMask(8)), 1);
    EXPECT_EQ(unit.ImageWord(img::PeqBand(0, 4) + 2), 170);
    EXPECT_EQ(unit.ImageWord(img::Comp(4) + 8), 220);
}

TEST_F(SimFixture, StoreNamesAndReadsBackAPreset) {
    Exchange(CM_MCS_GAIN(1, 4, 123));
    Exchange(CM_MCS_PRESETNAME(1, "Stage Left    "));
    Exchange(CM_MCS_CMD(1, MCS_STORE_PRESET, 5));
    EXPECT_TRUE(unit.IsSlotUsed(5));
    EXPECT_EQ(Ask(CM_MCS_CMD(1, MCS_PRESET_FLAGS)).GetPayload()[4], 0xFF);
    const auto name = Ask(CM_MCS_CMD(1, MCS_READ_PRESET_NAME, 4)).GetPayload();
    EXPECT_EQ(std::string(name.begin() + 1, name.end()), "Stage Left    ");

    // Upload: select, then read its pages.
    Exchange(CM_MCS_CMD(1, MCS_SELECT_PRESET, 5));
    Bytes image;
    for (std::uint8_t page = 0; page < 29; ++page) {
        const auto p = Ask(CM_MCS_CMD(1, MCS_READ_PRESET_PAGE, page)).GetPayload();
        ASSERT_EQ(p[0], page);
        image.insert(image.end(), p.begin() + 1, p.end());
    }
    EXPECT_EQ(image[0], 0xFF);
    EXPECT_EQ(image[img::Gain(4)], 123);

    // Recall of the factory preset and of the stored one.
    Exchange(CM_MCS_GAIN(1, 4, 1));
    Exchange(CM_MCS_CMD(1, MCS_RECALL_PRESET, 5));
    EXPECT_EQ(unit.ImageWord(img::Gain(4)), 123);
    EXPECT_EQ(unit.CurrentPreset(), 5);
    Exchange(CM_MCS_CMD(1, MCS_RECALL_PRESET, 0));
    EXPECT_EQ(unit.Image(), SimUnit::DefaultImage());
}

TEST_F(SimFixture, DownloadWritesPagesAndEepromIntoTheUnit) {
    Bytes page(50, 0x5A);
    const auto ack = Ask(CM_MCS_DOWNLOAD(1, 2, 28, 50, page.data()));
    EXPECT_EQ(ack.GetCode(), MCS_DOWNLOAD);
    EXPECT_EQ(ack.GetPayload(), Bytes{28});
    EXPECT_TRUE(unit.IsSlotUsed(3));
    EXPECT_EQ(unit.StoredImage(3)[1447], 0x5A);

    const std::uint8_t info[17] = {9, 8, 7};
    Exchange(CM_MCS_WRITE_EEPROM(1, 1, 17, info));
    EXPECT_EQ(Ask(CM_MCS_READ_EEPROM(1, 0, 18)).GetPayload()[1], 9);
    EXPECT_EQ(unit.DeviceInfo()[3], 7);
}

TEST_F(SimFixture, LockedPanelChecksThePassword) {
    unit.SetLocked(true);
    EXPECT_EQ(Ask(CM_MCS_CMD(1, MCS_LOCK_STATE)).GetPayload()[5], 1);
    EXPECT_EQ(Ask(CM_MCS_PASS_SUBMIT(1, 0, "0000")).GetPayload(), (Bytes{0, 0}));
    EXPECT_TRUE(unit.IsLocked());
    EXPECT_EQ(Ask(CM_MCS_PASS_SUBMIT(1, 0, "8362")).GetPayload(), (Bytes{0, 1}));
    EXPECT_FALSE(unit.IsLocked());
    Exchange(CM_MCS_SET_LOCK(1, "1234"));
    EXPECT_TRUE(unit.IsLocked());
    EXPECT_EQ(unit.Password(), "1234");
}

TEST_F(SimFixture, FaultsShapeTheOutput) {
    SimFaults faults;
    faults.silent = true;
    unit.SetFaults(faults);
    EXPECT_TRUE(Exchange(CM_MCS_CMD(1, MCS_CONNECT)).empty());

    faults = {};
    faults.shortReply = 4;
    faults.delayMs = 250;
    unit.SetFaults(faults);
    auto outputs = Exchange(CM_MCS_CMD(1, MCS_CONNECT));
    ASSERT_EQ(outputs.size(), 1u);
    EXPECT_EQ(outputs[0].bytes, (Bytes{0x10, 0x02, 0x01, 0x00}));
    EXPECT_EQ(outputs[0].delayMs, 250);

    faults = {};
    faults.garbage = {1, 2, 3};
    faults.garbageInsteadOfReply = true;
    unit.SetFaults(faults);
    EXPECT_EQ(Exchange(CM_MCS_CMD(1, MCS_CONNECT))[0].bytes, (Bytes{1, 2, 3}));

    faults = {};
    faults.dropLink = true;
    unit.SetFaults(faults);
    outputs = Exchange(CM_MCS_CMD(1, MCS_CONNECT));
    ASSERT_EQ(outputs.size(), 1u);
    EXPECT_TRUE(outputs[0].dropLink);
    EXPECT_FALSE(unit.Faults().dropLink); // once
}

TEST_F(SimFixture, RequestsSplitAcrossFeedsAreRecordedWhole) {
    const Bytes frame = BuildFrame(CM_MCS_GAIN(1, 0, 0x1003));
    EXPECT_TRUE(unit.Feed(frame.data(), 5).empty());
    const auto outputs = unit.Feed(frame.data() + 5, frame.size() - 5);
    ASSERT_EQ(outputs.size(), 1u);
    ASSERT_EQ(unit.ReceivedCount(), 1u);
    EXPECT_EQ(unit.Received()[0].frame, frame);
    EXPECT_EQ(unit.Received()[0].payload, (Bytes{0, 0x03, 0x10}));
}

} // namespace

namespace {

// Each strict switch changes its own answer, and the defaults keep the
// lenient one.
TEST_F(SimFixture, StrictnessChangesOnlyWhatTheCommandTableLeavesOpen) {
    unit.SetStoredPreset(2, SimUnit::DefaultImage());
    const auto lenient = [&] {
        return std::vector<LCmd>{Ask(CM_MCS_CMD(1, MCS_ALIVE)),
                                 Ask(CM_MCS_CMD(1, MCS_RELEASE)),
                                 Ask(CM_MCS_CMD(1, MCS_READ_PRESET_NAME, 0)),
                                 Ask(CM_MCS_CMD(1, MCS_READ_PRESET_NAME, 1)),
                                 Ask(CM_MCS_CMD(1, MCS_LEVELS)),
                                 Ask(CM_MCS_READ_EEPROM(1, 16, 8))};
    };
    const auto before = lenient();
    EXPECT_EQ(before[0].GetCode(), MCS_ALIVE);
    EXPECT_EQ(before[1].GetCode(), MCS_RELEASE);
    EXPECT_EQ(before[2].GetPayload()[1], 'D') << "an empty slot keeps the default name";
    EXPECT_EQ(before[4].GetPayload(), Bytes(38, 0));

    unit.SetStrictness(SimStrictness::Strict());
    const auto after = lenient();
    EXPECT_EQ(after[0].GetCode(), MCS_ACK);
    EXPECT_EQ(after[1].GetCode(), MCS_ACK);
    EXPECT_EQ(after[2].GetPayload(), (Bytes{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(after[3].GetPayload(), before[3].GetPayload()) << "a used slot keeps its name";
    const Bytes levels = after[4].GetPayload();
    ASSERT_EQ(levels.size(), 38u);
    EXPECT_EQ(levels[36], 0xA5);
    EXPECT_EQ(levels[37], 0x5A);
    for (int k = 0; k < 12; ++k)
        EXPECT_NE(levels[3 * k + 1], 0) << "channel " << k;
    EXPECT_EQ(after[5].GetPayload(), (Bytes{0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(before[5].GetPayload().size(), 8u);

    // Levels set on purpose win over the busy ones.
    unit.SetLevels(Bytes(38, 7));
    EXPECT_EQ(Ask(CM_MCS_CMD(1, MCS_LEVELS)).GetPayload(), Bytes(38, 7));
}

TEST_F(SimFixture, StrictUnitReadsZerosFromAnEmptySlot) {
    SimStrictness strict;
    strict.blankEmptySlots = true;
    unit.SetStrictness(strict);
    unit.SetStoredPreset(5, SimUnit::DefaultImage());
    ASSERT_EQ(Ask(CM_MCS_CMD(1, MCS_SELECT_PRESET, 4)).GetCode(), MCS_ACK);
    EXPECT_EQ(Ask(CM_MCS_CMD(1, MCS_READ_PRESET_PAGE, 0)).GetPayload(), Bytes(51, 0));
    ASSERT_EQ(Ask(CM_MCS_CMD(1, MCS_SELECT_PRESET, 5)).GetCode(), MCS_ACK);
    const Bytes used = Ask(CM_MCS_CMD(1, MCS_READ_PRESET_PAGE, 0)).GetPayload();
    EXPECT_EQ(used[1], 0xFF) << "a used slot's head";
    EXPECT_EQ(used[3], 'D');
}

TEST_F(SimFixture, StrictUnitIgnoresFramesWithAWrongCheckByte) {
    Bytes frame = BuildFrame(CM_MCS_CMD(1, MCS_CONNECT));
    frame.back() ^= 0x01;
    EXPECT_EQ(unit.Feed(frame.data(), frame.size()).size(), 1u) << "the lenient unit answers";
    SimStrictness strict;
    strict.checkFrames = true;
    unit.SetStrictness(strict);
    EXPECT_TRUE(unit.Feed(frame.data(), frame.size()).empty());
    EXPECT_EQ(unit.ReceivedCount(), 2u) << "the frame is still received";
    EXPECT_EQ(Ask(CM_MCS_CMD(1, MCS_CONNECT)).GetCode(), MCS_CONNECT);
}

} // namespace
