// Opening and saving ".prs" preset files from the File menu, on line against
// the simulated unit and off line; the file dialogs are scripted.

#include "device/model/PresetFiles.h"
#include "tests/support/ScratchFolder.h"
#include "tests/ui/main/MainWindowFixture.h"

#include <fstream>

using namespace korvan;
using namespace korvan::test;

namespace {

const std::string FileName = "From File     ";

class PresetFilesTest : public MainWindowTest {
protected:
    // A preset file of the model's current settings under another name,
    // cut or lengthened to `size` bytes.
    std::string WriteFile(const std::string& name, std::size_t size,
                          std::string identity = std::string(kFileIdentity)) {
        std::string text = fmMain->Model().PresetToText() + "\r\n";
        text.replace(0, identity.size(), identity);
        text.replace(kFileIdentity.size(), FileName.size(), FileName);
        text.resize(size, '\n');
        const std::string path = (folder.Path() / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    void CreateOffLine() {
        CreateWindows();
        fmMain->tmStartConnect->SetEnabled(false);
    }

    korvan::testing::ScratchFolder folder{"preset-files"};
};

TEST_F(PresetFilesTest, OpenOnLineSendsEveryRecordThenAliveAndClosesTheProgress) {
    ASSERT_TRUE(ConnectToUnit());
    pump.Stop();
    dialogs->openAnswers.push_back(WriteFile("live.prs", kPresetFileSize));
    unit.ClearReceived();
    bool progressShown = false;
    pump.reactions.push_back([&] { progressShown |= fmProcess->Visible() && fmProcess->Modal(); });
    pump.Start();
    fmMain->Open->Click(); // returns once the progress window has gone
    ASSERT_TRUE(pump.RunUntil([&] { return LinkIdle() && CountOf(MCS_ALIVE) >= 1; }));
    EXPECT_TRUE(progressShown);
    EXPECT_FALSE(fmProcess->Visible());
    std::vector<std::uint8_t> codes;
    for (const auto& r : unit.Received())
        if (r.code != MCS_LEVELS)
            codes.push_back(r.code);
    // Every record the file carries (the model's 385), then the closing ALIVE.
    ASSERT_EQ(codes.size(), 386u);
    EXPECT_EQ(std::count(codes.begin(), codes.end() - 1, MCS_ALIVE), 0);
    EXPECT_EQ(codes.back(), MCS_ALIVE);
    EXPECT_EQ(fmMain->lbPstName->Caption(), FileName);
    EXPECT_EQ(fmMain->Connection().FileLoadState, 0);
}

TEST_F(PresetFilesTest, OpenOnLineWithoutTheLevelPollLeavesNoProgressWindowUp) {
    ASSERT_TRUE(ConnectToUnit());
    pump.Stop();
    fmMain->Connection().StopLevelPoll(TfmMainConnection::Meters::Keep);
    dialogs->openAnswers.push_back(WriteFile("quiet.prs", kPresetFileSize));
    bool progressShown = false;
    pump.reactions.push_back([&] { progressShown |= fmProcess->Visible(); });
    pump.Start();
    fmMain->Open->Click();
    EXPECT_FALSE(progressShown);
    EXPECT_EQ(fmMain->Connection().FileLoadState, 0);
    EXPECT_EQ(fmMain->lbPstName->Caption(), FileName);
}

TEST_F(PresetFilesTest, OpenOffLineRefreshesOnlyAndRefusesABadFile) {
    CreateOffLine();
    struct Case {
        std::string name;
        std::size_t size;
        std::string identity;
        bool accepted;
    } cases[] = {
        {"short.prs", kPresetFileSize - 1, std::string(kFileIdentity), false},
        {"long.prs", kPresetFileSize + 1, std::string(kFileIdentity), false},
        {"other.prs", kPresetFileSize, "***OTHERSV010***", false},
        {"good.prs", kPresetFileSize, std::string(kFileIdentity), true},
    };
    bool progressShown = false;
    pump.reactions.push_back([&] { progressShown |= fmProcess->Visible(); });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string before = fmMain->lbPstName->Caption();
        dialogs->openAnswers.push_back(WriteFile(c.name, c.size, c.identity));
        const std::string shown = InformationOf([] { fmMain->Open->Click(); });
        EXPECT_EQ(shown, c.accepted ? "" : "Open File Error !!");
        EXPECT_EQ(fmMain->lbPstName->Caption(), c.accepted ? FileName : before);
    }
    EXPECT_FALSE(progressShown);
}

TEST_F(PresetFilesTest, SaveNamesTheFileAndReportsAnUnwritableTarget) {
    CreateOffLine();
    struct Case {
        std::string chosen, written;
    } cases[] = {{"a.PRS", "a.prs"}, {"b.prs", "b.prs"}, {"x.txt", "x.txt.prs"}, {"c", "c.prs"}};
    for (const Case& c : cases) {
        dialogs->saveAnswers.push_back((folder.Path() / c.chosen).string());
        EXPECT_EQ(InformationOf([] { fmMain->Save->Click(); }), "");
        const auto path = folder.Path() / c.written;
        ASSERT_TRUE(std::filesystem::exists(path)) << c.written;
        EXPECT_EQ(std::filesystem::file_size(path), kPresetFileSize);
    }
    EXPECT_EQ(dialogs->fileDialogs.back().Filter, "*.prs|*.prs");
    EXPECT_EQ(dialogs->fileDialogs.back().FileName, "");

    dialogs->saveAnswers.push_back((folder.Path() / "missing" / "d.prs").string());
    EXPECT_EQ(InformationOf([] { fmMain->Save->Click(); }), "Open File Error !!");
    // Cancelled: nothing is written, nothing shown.
    dialogs->saveAnswers.push_back(std::nullopt);
    EXPECT_EQ(InformationOf([] { fmMain->Save->Click(); }), "");
}

} // namespace
