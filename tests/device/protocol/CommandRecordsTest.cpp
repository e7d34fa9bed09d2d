#include "device/protocol/CommandRecords.h"
#include "device/protocol/CommandCodes.h"
#include "device/protocol/Frame.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct RecordCase {
    std::string name;
    std::function<LCmd()> build;
    std::uint8_t code;
    Bytes payload;
};

const char ChannelName[8] = {'K', 'i', 'c', 'k', 0, 0, 0, 0};
const char PresetName[14] = {'L', 'i', 'v', 'e', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
const char Password[4] = {'1', '2', '3', '4'};

Bytes DownloadData() {
    Bytes data(50);
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>(i + 1);
    }
    return data;
}

Bytes Join(Bytes head, const Bytes& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

const std::array<std::uint8_t, 17> EepromData = {0xA0, 1,  2,  3,  4,  5,  6,  7,   8,
                                                 9,    10, 11, 12, 13, 14, 15, 0xAF};

std::vector<RecordCase> Cases() {
    const Bytes download = DownloadData();
    return {
        {"CMD no payload", [] { return CM_MCS_CMD(1, MCS_LEVELS); }, MCS_LEVELS, {}},
        {"CMD one byte", [] { return CM_MCS_CMD(1, MCS_READ_STATE_PAGE, 28); }, MCS_READ_STATE_PAGE, {28}},
        {"CMD two bytes", [] { return CM_MCS_CMD(1, MCS_LINK, 5, 0x00); }, MCS_LINK, {5, 0x00}},
        {"COMP",
         [] {
             return CM_MCS_COMP(1, 4, CompSetting{15, 49, 499, 12, 0x1DC});
         },
         0x30,
         {4, 15, 0, 49, 0, 0xF3, 0x01, 12, 0, 0xDC, 0x01}},
        {"LOW_PASS", [] { return CM_MCS_LOW_PASS(1, 2, 300, 20); }, 0x31, {2, 0x2C, 0x01, 20}},
        {"HIGH_PASS", [] { return CM_MCS_HIGH_PASS(1, 11, 0x0102, 3); }, 0x32, {11, 0x02, 0x01, 3}},
        {"PEQ",
         [] {
             return CM_MCS_PEQ(1, 5, 8, PeqBand{240, 285, 35, 8}, 1);
         },
         0x33,
         {5, 8, 240, 0, 0x1D, 0x01, 35, 8, 1}},
        {"GAIN", [] { return CM_MCS_GAIN(1, 4, 400); }, 0x34, {4, 0x90, 0x01}},
        {"MUTE keeps its byte", [] { return CM_MCS_MUTE(1, 3, 7); }, 0x35, {3, 7}},
        {"POLARITY non-zero sends 1", [] { return CM_MCS_POLARITY(1, 6, 5); }, 0x36, {6, 1}},
        {"POLARITY zero sends 0", [] { return CM_MCS_POLARITY(1, 6, 0); }, 0x36, {6, 0}},
        {"DELAY", [] { return CM_MCS_DELAY(1, 9, 65280); }, 0x38, {9, 0x00, 0xFF}},
        {"DELAYUNIT", [] { return CM_MCS_DELAYUNIT(1, 2); }, 0x15, {2}},
        {"MATRIX sends the mask's low byte", [] { return CM_MCS_MATRIX(1, 7, 0x10F); }, 0x3A, {7, 0x0F}},
        {"MIX", [] { return CM_MCS_MIX(1, 8, 3, 280); }, 0x41, {8, 3, 0x18, 0x01}},
        {"GATE",
         [] {
             return CM_MCS_GATE(1, 0, GateSetting{998, 2999, 99, 180});
         },
         0x3E,
         {0, 0xE6, 0x03, 0xB7, 0x0B, 99, 0, 180, 0}},
        {"LIMIT",
         [] {
             return CM_MCS_LIMIT(1, 11, LimitSetting{49, 499, 3, 220});
         },
         0x3F,
         {11, 49, 0, 0xF3, 0x01, 3, 0, 220, 0}},
        {"GEQ", [] { return CM_MCS_GEQ(1, 3, 30, 240); }, 0x48, {3, 30, 240, 0}},
        {"CHANNEL_NAME keeps NUL padding",
         [] { return CM_MCS_CHANNEL_NAME(1, 4, ChannelName); },
         0x3D,
         {4, 'K', 'i', 'c', 'k', 0, 0, 0, 0}},
        {"PRESETNAME sends 14 bytes",
         [] { return CM_MCS_PRESETNAME(1, PresetName); },
         0x26,
         {'L', 'i', 'v', 'e', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '}},
        {"DOWNLOAD lists page before preset",
         [download] { return CM_MCS_DOWNLOAD(1, 19, 28, 50, download.data()); }, 0x25,
         Join({28, 19}, download)},
        {"DOWNLOAD from a span", [download] { return CM_MCS_DOWNLOAD(1, 0, 1, download); }, 0x25,
         Join({1, 0}, download)},
        {"MCU_RESET", [] { return CM_MCS_MCU_RESET(1); }, 0x04, {}},
        {"READ_EEPROM", [] { return CM_MCS_READ_EEPROM(1, 0, 18); }, 0x19, {0, 0, 18}},
        {"WRITE_EEPROM", [] { return CM_MCS_WRITE_EEPROM(1, 1, 17, EepromData.data()); }, 0x1A,
         Join({1, 0, 17}, Bytes(EepromData.begin(), EepromData.end()))},
        {"WRITE_EEPROM from a span", [] { return CM_MCS_WRITE_EEPROM(1, 0x0201, EepromData); }, 0x1A,
         Join({1, 2, 17}, Bytes(EepromData.begin(), EepromData.end()))},
        {"SET_LOCK", [] { return CM_MCS_SET_LOCK(1, Password); }, 0x2F, {'1', '2', '3', '4'}},
        {"PASS_SUBMIT", [] { return CM_MCS_PASS_SUBMIT(1, 0, Password); }, 0x2D, {0, '1', '2', '3', '4'}},
        {"WORK_MODE", [] { return CM_MCS_WORK_MODE(1, 3, 30); }, 0x39, {3, 30}},
    };
}

} // namespace

TEST(CommandRecords, EachRecordLaysOutItsPayload) {
    for (const RecordCase& c : Cases()) {
        const LCmd record = c.build();
        EXPECT_TRUE(record.IsValid()) << c.name;
        EXPECT_EQ(record.GetId(), 1) << c.name;
        EXPECT_EQ(record.GetCode(), c.code) << c.name;
        EXPECT_EQ(record.GetPayload(), c.payload) << c.name;
        // The frame's length byte always matches the payload.
        const Bytes frame = BuildFrame(record);
        EXPECT_EQ(frame.size(), c.payload.size() + 9) << c.name;
        EXPECT_EQ(frame[4], c.payload.size() + 1) << c.name;
    }
}

TEST(CommandRecords, FramedGainMatchesTheWire) {
    const Bytes frame = BuildFrame(CM_MCS_GAIN(1, 4, 400));
    EXPECT_EQ(Bytes(frame.begin(), frame.end() - 1),
              (Bytes{0x10, 0x02, 0x00, 0x01, 0x04, 0x34, 0x04, 0x90, 0x01, 0x10, 0x03}));
}

TEST(CommandRecords, FramedPeqAndDownloadHaveTheirLengths) {
    EXPECT_EQ(BuildFrame(CM_MCS_PEQ(1, 0, 0, PeqBand{}, 0)).size(), 18u);
    const Bytes data = DownloadData();
    // The longest frame the editor builds.
    EXPECT_EQ(BuildFrame(CM_MCS_DOWNLOAD(1, 0, 0, 50, data.data())).size(), 61u);
}

TEST(CommandRecords, RecordsCanBeHeldThroughTheBase) {
    std::unique_ptr<LCmd> record = std::make_unique<CM_MCS_MUTE>(3, 4, 1);
    EXPECT_EQ(record->GetCode(), MCS_MUTE);
    EXPECT_EQ(record->GetId(), 3);
}

TEST(CommandRecords, OversizedDataIsCutSoTheLengthByteStaysTrue) {
    const Bytes big(300, 0x42);
    const CM_MCS_WRITE_EEPROM write(1, 0, 200, big.data());
    EXPECT_EQ(write.GetPayload().size(), 3u + 127u);
    EXPECT_EQ(write.GetPayload()[2], 127);

    const CM_MCS_DOWNLOAD download(1, 0, 0, big);
    EXPECT_EQ(download.GetPayload().size(), 2u + CM_MCS_DOWNLOAD::MaxData);
    const Bytes frame = BuildFrame(download);
    EXPECT_EQ(frame.size(), frame[4] + 8u);
}

TEST(CommandRecords, NullDataKeepsThePromisedLength) {
    const CM_MCS_CHANNEL_NAME name(1, 4, nullptr);
    EXPECT_EQ(name.GetPayload(), (Bytes{4, 0, 0, 0, 0, 0, 0, 0, 0}));
}
