#include "device/model/LUnitControl.h"
#include "platform/sys/FileIo.h"
#include "platform/text/AnsiText.h"
#include "tests/support/FakeUnitHost.h"
#include "tests/support/FifoWait.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace {

using korvan::Bytes;
using korvan::test::FakeUnitHost;
using korvan::testing::ReturnsWithoutAWriter;
namespace fs = std::filesystem;

Bytes ToBytes(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

class ModelPresetFiles : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return (dir_ / name).string(); }

    // A preset that differs from the default in places the load must carry.
    static PresetImage EditedImage() {
        FakeUnitHost host;
        LUnitControl source(host);
        source.SetCurrentName("Edited preset!");
        source.SetGain(1, 333);
        source.SetMute(1, 1);
        source.SetMute(11, 1);
        source.SetPeq(5, 8, PeqBand{50, 250, 70, 3}, 1);
        source.SetLinkMask(6, 0x0104);
        source.SetChName(3, "Vox\0\0\0\0\0");
        PresetImage image = source.GetImage();
        image.SetU16(korvan::layout::PolarityOffset(1), 0x0100); // non-zero, low byte 0
        return image;
    }

    korvan::testing::ScratchFolder scratch_{"model-files"};
    const fs::path& dir_ = scratch_.Path();
    FakeUnitHost host;
    LUnitControl model{host};
};

TEST_F(ModelPresetFiles, SaveThenOpenIsByteExact) {
    LUnitControl source(host);
    source.SetGain(7, 123);
    source.SetPeq(0, 0, PeqBand{1, 2, 3, 4}, 1);
    source.SetDelayUnit(2);
    host.saveFileName = Path("live.PRS");
    ASSERT_TRUE(source.SavePresetFile());
    EXPECT_EQ(host.saveDialogs, std::vector{korvan::PresetFileKind::Preset});
    const auto file = korvan::sys::ReadFileBytes(Path("live.prs"), 2000);
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, ToBytes(source.PresetToText() + "\r\n"));
    EXPECT_EQ(file->size(), 1452u);

    model.SetDelayUnit(1);
    model.SetGeqBypassMask(3);
    host.Clear();
    ASSERT_TRUE(model.OpenPresetFile(Path("live.prs")));
    const auto& loaded = model.GetImage().bytes;
    const auto& saved = source.GetImage().bytes;
    EXPECT_TRUE(std::equal(loaded.begin() + 2, loaded.begin() + 1436, saved.begin() + 2));
    EXPECT_EQ(model.GetDelayUnit(), 1) << "bytes after 1435 are not in the file";
    EXPECT_EQ(model.GetGeqBypassMask(), 3);
    EXPECT_TRUE(host.information.empty());
}

// A typed name goes to the file and back to the unit as bytes of the
// system code page, one byte per accented letter.
TEST_F(ModelPresetFiles, NamesAreStoredAndSentInTheSystemCodePage) {
    korvan::text::ScopedAnsiCodePage latin(korvan::text::AnsiCodePage::Windows1252);
    LUnitControl source(host);
    source.SetCurrentName(korvan::text::ToAnsiField("Caf\u00e9 \u20ac", 14, ' '));
    source.SetChName(2, korvan::text::ToAnsiField("B\u00e4sse", 8, '\0').data());
    host.saveFileName = Path("accents.prs");
    ASSERT_TRUE(source.SavePresetFile());
    const auto file = korvan::sys::ReadFileBytes(Path("accents.prs"), 2000);
    ASSERT_TRUE(file);
    EXPECT_EQ(Bytes(file->begin() + 16, file->begin() + 30), ToBytes("Caf\xE9 \x80        "));
    const std::size_t channel2 = 16 + korvan::layout::NameOffset(2) - 2;
    EXPECT_EQ(Bytes(file->begin() + channel2, file->begin() + channel2 + 8),
              (Bytes{'B', 0xE4, 's', 's', 'e', 0, 0, 0}));

    host.Clear();
    ASSERT_TRUE(model.OpenPresetFile(Path("accents.prs")));
    ASSERT_FALSE(host.sent.empty());
    EXPECT_EQ(host.sent.front().payload, ToBytes("Caf\xE9 \x80        "));
    bool channelNameSent = false;
    for (const auto& record : host.sent)
        if (record.code == 0x3D && record.payload.at(0) == 2) {
            EXPECT_EQ(record.payload, (Bytes{2, 'B', 0xE4, 's', 's', 'e', 0, 0, 0}));
            channelNameSent = true;
        }
    EXPECT_TRUE(channelNameSent);
    EXPECT_EQ(korvan::text::FromAnsiField({model.GetPresetNameChars(), 14}), "Caf\u00e9 \u20ac        ");
}

TEST_F(ModelPresetFiles, RejectedPresetFilesChangeAndSendNothing) {
    const Bytes good = ToBytes(model.PresetToText() + "\r\n");
    Bytes wrongIdentity = good;
    wrongIdentity[3] = 'k';
    const std::vector<std::pair<std::string, Bytes>> files = {
        {"short.prs", Bytes(good.begin(), good.end() - 1)},
        {"long.prs",
         [&] {
             Bytes b = good;
             b.push_back(0);
             return b;
         }()},
        {"identity.prs", wrongIdentity},
    };
    model.SetGain(0, 99);
    host.Clear();
    for (const auto& [name, bytes] : files) {
        ASSERT_TRUE(korvan::sys::WriteFileReplacing(Path(name), bytes));
        EXPECT_FALSE(model.OpenPresetFile(Path(name))) << name;
    }
    EXPECT_FALSE(model.OpenPresetFile(Path("missing.prs")));
    EXPECT_EQ(host.information, std::vector<std::string>(4, "SID_INFO_ERROR_FILE"));
    EXPECT_EQ(model.GetGain(0), 99);
    EXPECT_TRUE(host.sent.empty());
}

TEST_F(ModelPresetFiles, LoadSendsEveryParameterInImageOrder) {
    host.unitId = 9;
    host.updating = true; // the load does not consult the guard
    const PresetImage edited = EditedImage();
    const std::string text = korvan::PresetFileText(edited);
    const Bytes body(text.begin() + 16, text.end());
    model.LoadPresetAndSend(body);

    std::vector<std::pair<std::uint8_t, int>> expected = {{0x26, -1}};
    for (int i = 0; i < 4; ++i) {
        expected.insert(expected.end(), {{0x3D, i}, {0x3E, i}});
        expected.insert(expected.end(), 31, {0x48, i});
        expected.insert(expected.end(), {{0x32, i}, {0x31, i}, {0x34, i}, {0x36, i}, {0x38, i}, {0x3B, i}});
    }
    for (int c = 4; c < 12; ++c) {
        expected.insert(expected.end(), {{0x3D, c}, {0x3A, c}, {0x41, c}, {0x41, c}, {0x41, c}, {0x41, c}});
        expected.insert(expected.end(), {{0x32, c}, {0x31, c}, {0x30, c}, {0x3F, c}});
        expected.insert(expected.end(), {{0x34, c}, {0x36, c}, {0x38, c}, {0x3B, c}});
    }
    for (int ch = 0; ch < 12; ++ch)
        expected.push_back({0x35, ch});
    for (int ch = 0; ch < 12; ++ch)
        expected.insert(expected.end(), ch < 4 ? 8 : 9, {0x33, ch});
    ASSERT_EQ(expected.size(), 385u);

    ASSERT_EQ(host.sent.size(), expected.size());
    for (std::size_t n = 0; n < expected.size(); ++n) {
        const auto& s = host.sent[n];
        EXPECT_EQ(s.code, expected[n].first) << "record " << n;
        if (expected[n].second >= 0) {
            EXPECT_EQ(s.payload.at(0), expected[n].second) << "record " << n;
        }
        EXPECT_TRUE(s.append) << "record " << n;
        EXPECT_EQ(s.id, 9);
    }

    auto find = [&](std::uint8_t code, std::vector<std::uint8_t> prefix) {
        for (const auto& s : host.sent) {
            if (s.code == code && std::equal(prefix.begin(), prefix.end(), s.payload.begin()))
                return s.payload;
        }
        return std::vector<std::uint8_t>{};
    };
    EXPECT_EQ(find(0x26, {}), ToBytes("Edited preset!"));
    EXPECT_EQ(find(0x36, {1}), (std::vector<std::uint8_t>{1, 1})) << "word 0x0100 is inverted";
    EXPECT_EQ(find(0x34, {1}), (std::vector<std::uint8_t>{1, 0x4D, 0x01}));
    EXPECT_EQ(find(0x3B, {6}), (std::vector<std::uint8_t>{6, 0x04}));
    EXPECT_EQ(find(0x3D, {3}), (std::vector<std::uint8_t>{3, 'V', 'o', 'x', 0, 0, 0, 0, 0}));
    EXPECT_EQ(find(0x35, {1}), (std::vector<std::uint8_t>{1, 1}));
    EXPECT_EQ(find(0x35, {0}), (std::vector<std::uint8_t>{0, 0}));
    EXPECT_EQ(find(0x35, {11}), (std::vector<std::uint8_t>{11, 1}));
    EXPECT_EQ(find(0x33, {5, 8}), (std::vector<std::uint8_t>{5, 8, 50, 0, 250, 0, 70, 3, 1}));
    EXPECT_EQ(find(0x33, {5, 7}).back(), 0);

    EXPECT_TRUE(std::equal(edited.bytes.begin() + 2, edited.bytes.begin() + 1436,
                           model.GetImage().bytes.begin() + 2));
    EXPECT_EQ(model.GetGain(2), 0) << "nothing is spread over link groups";
}

TEST_F(ModelPresetFiles, SaveCancelledOrFailedWritesNothing) {
    host.saveFileName.reset();
    EXPECT_FALSE(model.SavePresetFile());
    EXPECT_FALSE(model.SaveUnitFile());
    EXPECT_TRUE(host.writeErrors.empty());

    host.saveFileName = Path("missing/live");
    EXPECT_FALSE(model.SavePresetFile());
    EXPECT_FALSE(model.SaveUnitFile());
    EXPECT_EQ(host.writeErrors,
              (std::vector<std::string>{Path("missing/live.prs"), Path("missing/live.unt")}));

    // An existing file is kept when it cannot be replaced.
    const Bytes old = {1, 2, 3};
    ASSERT_TRUE(korvan::sys::WriteFileReplacing(Path("keep.prs"), old));
    fs::create_directory(dir_ / "keep.unt");
    host.saveFileName = Path("keep.unt");
    EXPECT_FALSE(model.SaveUnitFile());
    EXPECT_EQ(korvan::sys::ReadFileBytes(Path("keep.prs"), 10), old);
}

TEST_F(ModelPresetFiles, UnitFileHoldsUsedSlotsAndReadsBack) {
    std::vector<std::uint8_t> flags(20, 0);
    flags[2] = flags[16] = 0xFF; // slots 3 and 17
    model.SetPresetFlags(flags);
    model.SetDeviceInfo(std::vector<std::uint8_t>(18, 0x5A));
    for (int slot : {3, 17}) {
        for (int p = 0; p < 29; ++p) {
            std::vector<std::uint8_t> page{static_cast<std::uint8_t>(p)};
            for (int i = 0; i < 50; ++i)
                page.push_back(static_cast<std::uint8_t>(p * 50 + i + slot));
            if (p == 0)
                page[1] = 0xFF; // image byte 0 of a stored preset
            model.ReceivePresetBlock(slot, page);
        }
    }
    host.saveFileName = Path("all.UNT");
    ASSERT_TRUE(model.SaveUnitFile());
    EXPECT_EQ(host.saveDialogs, std::vector{korvan::PresetFileKind::Unit});
    const auto file = korvan::sys::ReadFileBytes(Path("all.unt"), 40000);
    ASSERT_TRUE(file);
    ASSERT_EQ(file->size(), 28994u);
    EXPECT_EQ((*file)[34 + 1448 * 2], 3);
    EXPECT_EQ((*file)[34 + 1448 * 2 + 1], 0xFF);
    EXPECT_EQ((*file)[34 + 1448 * 2 + 1445], static_cast<std::uint8_t>(1444 + 3));
    EXPECT_EQ((*file)[34 + 1448 * 2 + 1446], '\r');
    EXPECT_EQ((*file)[34], 0x64);

    const auto unit = model.ReadUnitFile(Path("all.unt"));
    ASSERT_TRUE(unit);
    EXPECT_EQ(unit->UsedCount(), 2);
    EXPECT_TRUE(unit->IsUsed(16));
    EXPECT_EQ(unit->deviceInfo[17], 0x5A);
    EXPECT_TRUE(host.information.empty());
}

TEST_F(ModelPresetFiles, ShortUnitFileIsRefusedWithTheDownloadError) {
    host.saveFileName = Path("u.unt");
    ASSERT_TRUE(model.SaveUnitFile());
    auto file = *korvan::sys::ReadFileBytes(Path("u.unt"), 40000);
    file.resize(28960);
    ASSERT_TRUE(korvan::sys::WriteFileReplacing(Path("short.unt"), file));
    EXPECT_FALSE(model.ReadUnitFile(Path("short.unt")));
    EXPECT_FALSE(model.ReadUnitFile(Path("none.unt")));
    EXPECT_EQ(host.information, std::vector<std::string>(2, "SID_INFO_ERROR_DOWNLAOD"));
}

// A FIFO (or a device) chosen as a preset or unit file: refused at once with
// the file's error, never a read that waits for a writer and blocks the GUI.
TEST_F(ModelPresetFiles, FifoOrDeviceIsRefusedAtOnce) {
    const std::string fifo = Path("pipe.prs");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/null")}) {
        bool opened = true, read = true;
        EXPECT_TRUE(ReturnsWithoutAWriter(fifo, [&] { opened = model.OpenPresetFile(path); })) << path;
        EXPECT_TRUE(ReturnsWithoutAWriter(fifo, [&] { read = model.ReadUnitFile(path).has_value(); }))
            << path;
        EXPECT_FALSE(opened || read) << path;
    }
    EXPECT_EQ(host.information, (std::vector<std::string>{"SID_INFO_ERROR_FILE", "SID_INFO_ERROR_DOWNLAOD",
                                                          "SID_INFO_ERROR_FILE", "SID_INFO_ERROR_DOWNLAOD"}));
    EXPECT_TRUE(host.sent.empty());
}

} // namespace
