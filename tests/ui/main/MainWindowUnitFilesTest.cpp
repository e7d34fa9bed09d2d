// Reading every stored preset of the unit into a ".unt" file (Upload) and
// writing such a file into the unit (Download) from the File menu, against
// the simulated unit over TCP: the requests in order, the pages sent, the
// file written, the progress window, and the unit dropping mid-transfer.

#include "tests/support/ScratchFolder.h"
#include "tests/ui/main/MainWindowFixture.h"

#include <fstream>
#include <iterator>
#include <map>
#include <set>

using namespace korvan;
using namespace korvan::test;
using korvan::testing::Grab;
using korvan::testing::SavePng;

namespace {

const std::string Identity = "***KORVANV010***";
constexpr std::size_t RecordSize = 1446;
const Bytes DeviceInformation = {0x4B, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 0x11};

// A stored preset (its first byte marks the slot used) whose other bytes
// tell its slot and place.
Bytes SlotImage(int slot) {
    Bytes image(sim_image::Size);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = std::uint8_t(i * 7 + std::size_t(slot) * 31 + 1);
    image[0] = 0xFF;
    return image;
}

// A unit file laid out by hand: identity, device information, 20 records
// of 1446 bytes each with CR LF. A record is the slot number and image
// bytes 0..1444, or 0x64 filler.
Bytes UnitFileOf(const std::map<int, Bytes>& images) {
    Bytes file(Identity.begin(), Identity.end());
    file.insert(file.end(), DeviceInformation.begin(), DeviceInformation.end());
    for (int slot = 1; slot <= 20; ++slot) {
        const auto found = images.find(slot);
        if (found == images.end()) {
            file.insert(file.end(), RecordSize, 0x64);
        } else {
            file.push_back(std::uint8_t(slot));
            file.insert(file.end(), found->second.begin(), found->second.begin() + RecordSize - 1);
        }
        file.push_back('\r');
        file.push_back('\n');
    }
    return file;
}

Bytes ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// "code" or "code:first payload byte".
std::string Text(const UnitRequest& r) {
    return std::to_string(r.code) + (r.payload.empty() ? "" : ":" + std::to_string(r.payload[0]));
}

class UnitFilesTest : public MainWindowTest {
protected:
    std::vector<std::string> JobTexts() const {
        std::vector<std::string> out;
        for (const auto& r : JobRequests())
            out.push_back(Text(r));
        return out;
    }
    std::string WriteFile(const std::string& name, const Bytes& bytes) {
        const auto path = folder.Path() / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return path.string();
    }
    // Downloads a file whose records `used` hold presets into a unit with
    // slot 9 stored, and checks the frames, the unit's slots, the progress
    // window, and the link closed 300 ms after the restart was sent.
    void CheckDownload(const std::set<int>& used) {
        std::map<int, Bytes> images;
        for (int slot : used)
            images[slot] = SlotImage(slot);
        const Bytes file = UnitFileOf(images);
        unit.SetStoredPreset(9, SlotImage(9));
        ASSERT_TRUE(ConnectToUnit());
        pump.Stop();
        unit.ClearReceived();
        dialogs->openAnswers.push_back(WriteFile("show.unt", file));

        std::string status;
        int max = 0;
        bool modal = true, windowDisabled = false;
        sys::Millis finishedAt = -1, closedAt = -1;
        pump.reactions.push_back([&] {
            if (fmProcess->Visible() && status.empty()) {
                status = fmProcess->StatusBar->Caption();
                max = fmProcess->ProgressBar->Max();
                modal = fmProcess->Modal();
            }
            windowDisabled |= fmProcess->Visible() && !fmMain->Enabled();
            if (finishedAt < 0 && fmMain->Connection().tmDisconnect.Enabled())
                finishedAt = clock.NowMs();
            if (finishedAt >= 0 && closedAt < 0 && !fmMain->Connection().IsLinkOpen())
                closedAt = clock.NowMs();
        });
        pump.Start();
        fmMain->Download->Click(); // returns at once: the progress window does not wait
        ASSERT_TRUE(pump.RunUntil([&] { return closedAt >= 0; }));

        const auto requests = JobRequests();
        ASSERT_EQ(requests.size(), 3 + 29 * used.size());
        EXPECT_EQ(requests[0].code, MCS_FACTORY_RESET);
        EXPECT_EQ(requests[1].code, MCS_WRITE_EEPROM);
        EXPECT_EQ(Bytes(requests[1].payload.begin() + 3, requests[1].payload.end()),
                  Bytes(DeviceInformation.begin() + 1, DeviceInformation.end()));
        std::size_t at = 2;
        for (int slot : used) {
            const auto from = file.begin() + std::ptrdiff_t(34 + (slot - 1) * 1448);
            const Bytes record(from, from + 1446);
            for (std::size_t page = 0; page < 29; ++page, ++at) {
                SCOPED_TRACE("slot " + std::to_string(slot) + " page " + std::to_string(page));
                const UnitRequest& r = requests[at];
                ASSERT_EQ(r.code, MCS_DOWNLOAD);
                ASSERT_EQ(r.payload.size(), 52u);
                EXPECT_EQ(r.payload[0], page);
                EXPECT_EQ(r.payload[1], slot - 1);
                // Image bytes 50 page on; those past the record (1445..1449)
                // go as 0, never as the file's line end.
                Bytes data(50, 0);
                for (std::size_t i = 0; i < 50; ++i)
                    if (1 + page * 50 + i < record.size())
                        data[i] = record[1 + page * 50 + i];
                EXPECT_EQ(Bytes(r.payload.begin() + 2, r.payload.end()), data);
            }
            const Bytes written = unit.StoredImage(slot);
            EXPECT_TRUE(std::equal(record.begin() + 1, record.end(), written.begin()));
            EXPECT_EQ(Bytes(written.begin() + 1445, written.end()), Bytes(3, 0));
        }
        EXPECT_EQ(requests.back().code, MCS_MCU_RESET);
        EXPECT_FALSE(unit.IsSlotUsed(9));

        EXPECT_EQ(status, "Download preset now , please wait...");
        EXPECT_EQ(max, int(used.size()));
        EXPECT_FALSE(modal);
        EXPECT_TRUE(windowDisabled);
        EXPECT_FALSE(fmProcess->Visible());
        EXPECT_TRUE(fmMain->Enabled());
        EXPECT_EQ(closedAt - finishedAt, 300);
        EXPECT_FALSE(fmMain->Connection().Online);
    }
    korvan::testing::ScratchFolder folder{"unit-files"};
};

TEST_F(UnitFilesTest, UploadReadsTheUsedSlotsThenSavesThemWithFillerForTheRest) {
    unit.SetDeviceInfo(DeviceInformation);
    const std::map<int, Bytes> images = {{3, SlotImage(3)}, {17, SlotImage(17)}};
    for (const auto& [slot, image] : images)
        unit.SetStoredPreset(slot, image);
    ASSERT_TRUE(ConnectToUnit());
    pump.Stop();
    unit.ClearReceived();
    dialogs->saveAnswers.push_back((folder.Path() / "stage.UNT").string());

    std::string status;
    int max = 0, positionAtSecondSlot = -1;
    bool modal = false;
    pump.reactions.push_back([&] {
        if (fmProcess->Visible() && status.empty()) {
            status = fmProcess->StatusBar->Caption();
            max = fmProcess->ProgressBar->Max();
            modal = fmProcess->Modal();
        }
        if (positionAtSecondSlot < 0 && fmProcess->Visible() && CountOf(MCS_READ_PRESET_PAGE) >= 35) {
            positionAtSecondSlot = fmProcess->ProgressBar->Position();
            SavePng(Grab(fmProcess), "unit_upload_progress");
        }
    });
    pump.Start();
    fmMain->Upload->Click(); // returns once every slot is read
    EXPECT_FALSE(fmProcess->Visible());
    // The save waits for its timer, outside the reply that ended the read.
    const auto path = folder.Path() / "stage.unt";
    EXPECT_TRUE(fmMain->Connection().tmUpload.Enabled());
    EXPECT_FALSE(std::filesystem::exists(path));
    ASSERT_TRUE(pump.RunUntil([&] { return std::filesystem::exists(path) && LinkIdle(); }));

    std::vector<std::string> expected = {"25:0"};
    for (int slot : {3, 17}) {
        expected.push_back("36:" + std::to_string(slot));
        for (int page = 0; page < 29; ++page)
            expected.push_back("40:" + std::to_string(page));
    }
    expected.push_back("18");
    EXPECT_EQ(JobTexts(), expected);
    EXPECT_EQ(JobRequests().front().payload, (Bytes{0, 0, 18}));
    EXPECT_EQ(status, "Upload preset now , please wait...");
    EXPECT_EQ(max, 2);
    EXPECT_TRUE(modal);
    EXPECT_EQ(positionAtSecondSlot, 1);

    EXPECT_EQ(ReadBytes(path), UnitFileOf(images));
    EXPECT_EQ(dialogs->fileDialogs.back().Filter, "*.unt|*.unt");
    EXPECT_TRUE(fmMain->Connection().IsLevelPollRunning());
}

// A page with another number than the one asked for is asked again, so the
// file never holds a gap; a unit that keeps answering wrongly ends the
// upload as a broken link does, with no file.
TEST_F(UnitFilesTest, UploadAsksAWrongPageAgainAndGivesUpOnAUnitThatKeepsSendingThem) {
    unit.SetDeviceInfo(DeviceInformation);
    unit.SetStoredPreset(3, SlotImage(3));
    ASSERT_TRUE(ConnectToUnit());
    pump.Stop();
    SimFaults faults;
    faults.wrongPages = 2;
    unit.SetFaults(faults);
    dialogs->saveAnswers.push_back((folder.Path() / "retried.unt").string());
    pump.Start();
    fmMain->Upload->Click();
    ASSERT_TRUE(pump.RunUntil([&] { return std::filesystem::exists(folder.Path() / "retried.unt"); }));
    EXPECT_EQ(ReadBytes(folder.Path() / "retried.unt"), UnitFileOf({{3, SlotImage(3)}}));

    faults.wrongPages = 100;
    unit.SetFaults(faults);
    const std::size_t asked = dialogs->fileDialogs.size();
    pump.reactions.push_back([&] {
        if (fmNetwork->Visible())
            CloseWindow(fmNetwork);
    });
    fmMain->Upload->Click();
    ASSERT_TRUE(pump.RunUntil([&] { return !fmMain->Connection().IsLinkOpen(); }));
    EXPECT_FALSE(fmProcess->Visible());
    EXPECT_FALSE(fmMain->Connection().tmUpload.Enabled());
    EXPECT_EQ(dialogs->fileDialogs.size(), asked);
}

TEST_F(UnitFilesTest, UploadAndDownloadAskToConnectFirstAndUploadNeedsAStoredPreset) {
    CreateWindows();
    fmMain->tmStartConnect->SetEnabled(false);
    EXPECT_EQ(InformationOf([] { fmMain->Upload->Click(); }), "You Must Connect First !!");
    EXPECT_EQ(InformationOf([] { fmMain->Download->Click(); }), "You Must Connect First !!");
    EXPECT_TRUE(dialogs->fileDialogs.empty());
    FreeEditorWindows();

    ASSERT_TRUE(ConnectToUnit());
    pump.Stop();
    unit.ClearReceived();
    EXPECT_EQ(InformationOf([] { fmMain->Upload->Click(); }), "No Saving Preset Exist !!");
    EXPECT_TRUE(JobRequests().empty());
}

TEST_F(UnitFilesTest, DownloadWritesRecordsOneAndTwoPageByPageThenRestartsTheUnit) {
    CheckDownload({1, 2});
}

TEST_F(UnitFilesTest, DownloadOfAFileWithNoUsedRecordRestartsTheUnitAtOnce) {
    CheckDownload({});
}

// A page the unit acknowledges under another number goes again; a unit
// that keeps doing so ends the download as a broken link does (below), and
// is not restarted.
TEST_F(UnitFilesTest, DownloadSendsAWronglyAcknowledgedPageAgain) {
    ASSERT_TRUE(ConnectToUnit());
    pump.Stop();
    const Bytes file = UnitFileOf({{1, SlotImage(1)}});
    unit.ClearReceived();
    SimFaults faults;
    faults.wrongPages = 2;
    unit.SetFaults(faults);
    dialogs->openAnswers.push_back(WriteFile("retried.unt", file));
    pump.Start();
    fmMain->Download->Click();
    ASSERT_TRUE(pump.RunUntil([&] { return CountOf(MCS_MCU_RESET) == 1 && LinkIdle(); }));
    const std::string download = std::to_string(MCS_DOWNLOAD) + ":";
    std::vector<std::string> expected = {download + "0", download + "0"};
    for (int page = 0; page < 29; ++page)
        expected.push_back(download + std::to_string(page));
    expected.push_back(std::to_string(MCS_MCU_RESET));
    auto texts = JobTexts();
    ASSERT_GE(texts.size(), 2u);
    EXPECT_EQ(texts[0], std::to_string(MCS_FACTORY_RESET));
    texts.erase(texts.begin(), texts.begin() + 2); // and the device information
    EXPECT_EQ(texts, expected);
    EXPECT_TRUE(std::equal(file.begin() + 35, file.begin() + 34 + 1446, unit.StoredImage(1).begin()));
}

TEST_F(UnitFilesTest, DownloadGivesUpOnAUnitThatKeepsAcknowledgingAnotherPage) {
    ASSERT_TRUE(ConnectToUnit());
    pump.Stop();
    const Bytes file = UnitFileOf({{1, SlotImage(1)}});
    unit.ClearReceived();
    SimFaults faults;
    faults.wrongPages = 100;
    unit.SetFaults(faults);
    dialogs->openAnswers.push_back(WriteFile("refused.unt", file));
    pump.reactions.push_back([] {
        if (fmNetwork->Visible())
            CloseWindow(fmNetwork);
    });
    pump.Start();
    fmMain->Download->Click();
    ASSERT_TRUE(pump.RunUntil([&] { return !fmMain->Connection().IsLinkOpen(); }));
    EXPECT_EQ(CountOf(MCS_DOWNLOAD), 4u);
    EXPECT_EQ(CountOf(MCS_MCU_RESET), 0u);
    EXPECT_FALSE(fmProcess->Visible());
    EXPECT_TRUE(fmMain->Enabled());
    EXPECT_FALSE(fmMain->Connection().Online);
}

TEST_F(UnitFilesTest, DownloadOfAFileThatFailsItsChecksSendsNothing) {
    Bytes wrongSlot = UnitFileOf({{2, SlotImage(2)}});
    wrongSlot[34 + 1448] = 5; // record 2 claims slot 5
    Bytes otherIdentity = UnitFileOf({});
    otherIdentity[3] = 'X';
    Bytes tooShort = UnitFileOf({});
    tooShort.resize(tooShort.size() - 3);
    const std::pair<std::string, Bytes> cases[] = {
        {"short.unt", tooShort},
        {"identity.unt", otherIdentity},
        {"slot.unt", wrongSlot},
    };
    ASSERT_TRUE(ConnectToUnit());
    pump.Stop();
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        unit.ClearReceived();
        dialogs->openAnswers.push_back(WriteFile(name, bytes));
        EXPECT_EQ(InformationOf([] { fmMain->Download->Click(); }), "Download File Error !!");
        EXPECT_TRUE(JobRequests().empty());
        EXPECT_TRUE(fmMain->Enabled());
        EXPECT_TRUE(fmMain->Connection().Online);
    }
    // Cancelled: nothing either.
    dialogs->openAnswers.push_back(std::nullopt);
    EXPECT_EQ(InformationOf([] { fmMain->Download->Click(); }), "");
    EXPECT_TRUE(JobRequests().empty());
    EXPECT_EQ(dialogs->fileDialogs.back().Filter, "*.unt|*.unt");
}

TEST_F(UnitFilesTest, UnitDroppingMidUploadEndsItWithNoFileWritten) {
    unit.SetStoredPreset(3, SlotImage(3));
    unit.SetStoredPreset(17, SlotImage(17));
    ASSERT_TRUE(ConnectToUnit());
    pump.Stop();
    unit.ClearReceived();
    dialogs->saveAnswers.push_back((folder.Path() / "half.unt").string());
    const std::size_t asked = dialogs->fileDialogs.size();
    DropLinkAfter(MCS_READ_PRESET_PAGE, 35); // inside the second slot
    pump.Start();
    fmMain->Upload->Click();
    ASSERT_TRUE(pump.RunUntil([&] { return reported; }));
    ExpectEndedOffLine();
    EXPECT_FALSE(fmMain->Connection().tmUpload.Enabled());
    EXPECT_EQ(dialogs->fileDialogs.size(), asked);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "half.unt"));
}

TEST_F(UnitFilesTest, UnitDroppingMidDownloadEndsItWithTheWindowEnabledAndNoRestart) {
    ASSERT_TRUE(ConnectToUnit());
    pump.Stop();
    unit.ClearReceived();
    dialogs->openAnswers.push_back(WriteFile("show.unt", UnitFileOf({{1, SlotImage(1)}, {2, SlotImage(2)}})));
    DropLinkAfter(MCS_DOWNLOAD, 10);
    pump.Start();
    fmMain->Download->Click();
    ASSERT_TRUE(pump.RunUntil([&] { return reported; }));
    ExpectEndedOffLine();
    EXPECT_EQ(CountOf(MCS_MCU_RESET), 0u);
}

} // namespace
