// The main window's menu opens the ID and address setting, the test signal
// choice and the lock setup, and shows what they change.

#include "tests/ui/main/MainWindowFixture.h"
#include "ui/dialogs/FHidData.h"
#include "ui/dialogs/FLockSetup.h"
#include "ui/dialogs/FNetworkSetup.h"
#include "ui/dialogs/FRs232Code.h"
#include "ui/dialogs/FRs232CodeEnglish.h"
#include "ui/dialogs/FTest.h"

using namespace korvan;
using namespace korvan::test;

namespace {

class MainWindowDialogsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        // An applied address reconnects the socket: to our own unit.
        StartUnit();
        CreateWindows();
        // No scan: the menu is used off line.
        fmMain->tmStartConnect->SetEnabled(false);
    }
    // Clicks `item`, runs `script` once `dialog` is up, and returns once
    // the item's modal show has ended.
    void UseDialog(TMenuItem* item, TCustomForm* dialog, std::function<void()> script) {
        bool ran = false;
        pump.reactions.push_back([&ran, dialog, script] {
            if (ran || !dialog->Visible())
                return;
            ran = true;
            script();
        });
        pump.Start();
        item->Click();
        pump.reactions.clear();
        EXPECT_TRUE(ran);
    }
};

TEST_F(MainWindowDialogsTest, NetworkSetupAppliesTheIdAndShowsTheAddress) {
    UseDialog(fmMain->NetworkSetup, fmNetworkSetup, [] {
        EXPECT_EQ(fmNetworkSetup->edIp1->Text(), "127");
        fmNetworkSetup->edId->SetText("9");
        fmNetworkSetup->bnSet->Click();
    });
    EXPECT_FALSE(fmNetworkSetup->Visible());
    EXPECT_EQ(fmMain->GetUnitId(), 9);
    EXPECT_EQ(fmMain->lbShowIp->Caption(), "IP : 127.0.0.1");
    EXPECT_EQ(fmMain->Connection().IpAddress, 0x7F000001u);
}

TEST_F(MainWindowDialogsTest, TestSignalChoiceIsKeptInTheModelAndShownOnRefresh) {
    UseDialog(fmMain->TestTone, fmTest, [] {
        fmTest->rbPinkNoise->SetChecked(true);
        fmTest->bnExit->Click();
    });
    EXPECT_EQ(fmMain->Model().GetWorkMode(), 1);
    fmMain->Model().StoreWorkMode(3, 22);
    fmMain->RefreshFromModel();
    EXPECT_TRUE(fmTest->rbSineWave->Checked());
    EXPECT_EQ(fmTest->cbSineFreq->ItemIndex(), 22);
    // The refresh ran under the update guard: the model kept its values.
    EXPECT_EQ(fmMain->Model().GetWorkMode(), 3);
}

TEST_F(MainWindowDialogsTest, LockItemsOpenTheLockSetup) {
    for (TMenuItem* item : {fmMain->Lock, fmMain->LockSetup})
        UseDialog(item, fmLockSetup, [] { fmLockSetup->btnExit->Click(); });
    EXPECT_FALSE(fmLockSetup->Visible());
}

TEST_F(MainWindowDialogsTest, ProtocolHelpFollowsTheLanguage) {
    UseDialog(fmMain->Rs232Code, fmRs232CodeEnglish, [] { fmRs232CodeEnglish->Close(); });
    EXPECT_FALSE(fmRs232Code->Visible());
    fmMain->ChineseSimplified->Click();
    UseDialog(fmMain->Rs232Code, fmRs232Code, [] { fmRs232Code->Close(); });
    EXPECT_FALSE(fmRs232CodeEnglish->Visible());
}

// The frame monitor lists the frames of the connect while it is shown and
// nothing once it is hidden.
TEST_F(MainWindowTest, FrameMonitorListsTheFramesWhileItIsShown) {
    StartUnit();
    CreateWindows();
    fmMain->HidData->Click();
    ASSERT_TRUE(fmHidData->Visible());
    ASSERT_TRUE(pump.RunUntil([&] { return ReadEnded() && CountOf(MCS_LEVELS) >= 1; }));
    TStrings& lines = *fmHidData->hbHidData->Items();
    ASSERT_GT(lines.Count(), 2);
    EXPECT_EQ(lines.Get(0).rfind("NET W 10 02 ", 0), 0u) << lines.Get(0);
    int written = 0, read = 0;
    for (int i = 0; i < lines.Count(); ++i) {
        written += lines.Get(i).rfind("NET W ", 0) == 0;
        read += lines.Get(i).rfind("NET R ", 0) == 0;
    }
    EXPECT_EQ(written + read, lines.Count());
    EXPECT_GT(read, 0);
    EXPECT_EQ(fmHidData->hbHidData->ItemIndex(), lines.Count() - 1);
    const std::string path =
        korvan::testing::SavePng(korvan::testing::Grab(fmHidData), "frame-monitor-connect");
    SCOPED_TRACE(path);

    fmHidData->Close();
    const int shown = lines.Count();
    const std::size_t polls = CountOf(MCS_LEVELS);
    ASSERT_TRUE(pump.RunUntil([&] { return CountOf(MCS_LEVELS) >= polls + 2; }));
    EXPECT_EQ(lines.Count(), shown);
}

} // namespace
