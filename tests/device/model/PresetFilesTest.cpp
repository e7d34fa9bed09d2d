#include "device/model/PresetFiles.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

using namespace korvan;
namespace fs = std::filesystem;

Bytes ValidPresetFile() {
    const std::string text = PresetFileText(DefaultPresetImage()) + "\r\n";
    return Bytes(text.begin(), text.end());
}

// A unit file with records 2 and 5 used (slot bytes 2 and 5), every used
// record's image bytes i holding (i * 7) & 0xFF after the 0xFF mark.
Bytes SampleUnitFile() {
    DeviceInfo info{};
    for (std::size_t i = 0; i < info.size(); ++i)
        info[i] = static_cast<std::uint8_t>(0xA0 + i);
    std::array<UnitRecord, kPresetSlots> records{};
    for (int r = 0; r < kPresetSlots; ++r) {
        UnitRecord& rec = records[static_cast<std::size_t>(r)];
        if (r == 1 || r == 4) {
            rec[0] = static_cast<std::uint8_t>(r + 1);
            for (std::size_t i = 1; i < rec.size(); ++i)
                rec[i] = static_cast<std::uint8_t>(((i - 1) * 7) & 0xFF);
            rec[1] = kUsedSlotMark;
        } else {
            rec.fill(kEmptyRecordFill);
        }
    }
    return BuildUnitFile(info, records);
}

class TempDir : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    korvan::testing::ScratchFolder scratch_{"preset-files"};
    const fs::path& dir_ = scratch_.Path();
};

TEST(PresetFileLayout, TextIsIdentityAndImageBytes2To1435) {
    PresetImage image = DefaultPresetImage();
    image.bytes[0] = 0x11;
    image.bytes[1436] = 0x22; // work mode: not in the file
    const std::string text = PresetFileText(image);
    ASSERT_EQ(text.size(), 1450u);
    EXPECT_EQ(text.substr(0, 16), "***KORVANV010***");
    EXPECT_EQ(text.substr(16), std::string(reinterpret_cast<const char*>(&image.bytes[2]), 1434));
    EXPECT_NE(text.find('\0'), std::string::npos);
}

TEST(PresetFileLayout, BodyAcceptedOnlyAtExactSizeAndIdentity) {
    const Bytes good = ValidPresetFile();
    ASSERT_EQ(good.size(), kPresetFileSize);
    const auto body = PresetFileBody(good);
    ASSERT_TRUE(body);
    EXPECT_EQ(body->size(), 1434u);
    EXPECT_TRUE(std::equal(body->begin(), body->end(), DefaultPresetImage().bytes.begin() + 2));

    Bytes otherEnd = good;
    otherEnd[1450] = 'x';
    otherEnd[1451] = 0;
    EXPECT_TRUE(PresetFileBody(otherEnd)) << "the closing two bytes are not examined";

    Bytes shorter(good.begin(), good.end() - 1);
    Bytes longer = good;
    longer.push_back('\n');
    Bytes badIdentity = good;
    badIdentity[9] = 'W';
    for (const Bytes* bad : {&shorter, &longer, &badIdentity})
        EXPECT_FALSE(PresetFileBody(*bad));
    EXPECT_FALSE(PresetFileBody(Bytes{}));
}

TEST(UnitFileLayout, EmptyUnitFileIsAllFill) {
    std::array<UnitRecord, kPresetSlots> records{};
    for (UnitRecord& r : records)
        r.fill(kEmptyRecordFill);
    const Bytes file = BuildUnitFile(DeviceInfo{}, records);
    ASSERT_EQ(file.size(), 28994u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 16), "***KORVANV010***");
    for (int r = 0; r < kPresetSlots; ++r) {
        const std::size_t at = 34 + 1448 * static_cast<std::size_t>(r);
        EXPECT_TRUE(
            std::all_of(file.begin() + at, file.begin() + at + 1446, [](auto b) { return b == 0x64; }));
        EXPECT_EQ(file[at + 1446], '\r');
        EXPECT_EQ(file[at + 1447], '\n');
    }
}

TEST(UnitFileLayout, ParseRoundTripsRecordsAndDeviceInfo) {
    const Bytes file = SampleUnitFile();
    const auto unit = ParseUnitFile(file);
    ASSERT_TRUE(unit);
    EXPECT_EQ(unit->deviceInfo[0], 0xA0);
    EXPECT_EQ(unit->deviceInfo[17], 0xB1);
    EXPECT_EQ(unit->UsedCount(), 2);
    EXPECT_TRUE(unit->IsUsed(1));
    EXPECT_TRUE(unit->IsUsed(4));
    EXPECT_FALSE(unit->IsUsed(0));
    EXPECT_EQ(unit->records[4][0], 5);
    EXPECT_EQ(BuildUnitFile(unit->deviceInfo, unit->records), file);
}

TEST(UnitFileLayout, RefusesShortWrongIdentityAndMisnumberedFiles) {
    const Bytes good = SampleUnitFile();
    struct Case {
        const char* what;
        Bytes file;
        bool accepted;
    };
    Bytes badIdentity = good;
    badIdentity[0] = '#';
    Bytes misnumbered = good;
    misnumbered[34 + 1448 * 4] = 7; // record 5 claims slot 7
    Bytes unusedOddSlot = good;
    unusedOddSlot[34] = 9; // an empty record's slot byte is not read
    Bytes longer = good;
    longer.insert(longer.end(), 100, 0x55);
    const std::vector<Case> cases = {
        {"28954 bytes", Bytes(good.begin(), good.begin() + 28954), false},
        {"28991 bytes", Bytes(good.begin(), good.begin() + 28991), false},
        {"28992 bytes: last CR LF missing", Bytes(good.begin(), good.begin() + 28992), true},
        {"full size", good, true},
        {"longer", longer, true},
        {"wrong identity", badIdentity, false},
        {"misnumbered used record", misnumbered, false},
        {"odd slot byte in an empty record", unusedOddSlot, true},
        {"empty", Bytes{}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseUnitFile(c.file).has_value(), c.accepted) << c.what;
}

TEST(UnitFileLayout, DownloadPagesCarryImageBytesAndZerosPastTheRecord) {
    const auto unit = ParseUnitFile(SampleUnitFile());
    ASSERT_TRUE(unit);
    const PageData first = unit->DownloadPage(1, 0);
    EXPECT_EQ(first[0], 0xFF); // image byte 0: the used mark
    EXPECT_EQ(first[1], 7);
    EXPECT_EQ(first[49], (49 * 7) & 0xFF);
    const PageData last = unit->DownloadPage(1, 28);
    EXPECT_EQ(last[0], (1400 * 7) & 0xFF);
    EXPECT_EQ(last[44], (1444 * 7) & 0xFF); // image byte 1444, the record's last
    for (std::size_t i = 45; i < kPageSize; ++i)
        EXPECT_EQ(last[i], 0) << "image byte " << 1400 + i << " must not be the record's CR LF";
}

TEST(SaveFileName, OnlyATrailingExtensionIsReplaced) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"live", "live.prs"},
        {"live.prs", "live.prs"},
        {"live.PRS", "live.prs"},
        {"live.Prs", "live.Prs.prs"},
        {"live.txt", "live.txt.prs"},
        {"/home/u/sets.prs/live", "/home/u/sets.prs/live.prs"},
        {"/home/u/a.prs.b/c.prs", "/home/u/a.prs.b/c.prs"},
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(WithFileExtension(name, ".prs"), expected) << name;
    EXPECT_EQ(WithFileExtension("/x/units.unt/all.UNT", ".unt"), "/x/units.unt/all.unt");
}

} // namespace
