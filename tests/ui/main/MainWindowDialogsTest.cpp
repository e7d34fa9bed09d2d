// The main window's menu opens the ID and address setting, the test signal
// choice and the lock setup, and shows what they change.

#include "tests/ui/main/MainWindowFixture.h"
#include "ui/dialogs/FLockSetup.h"
#include "ui/dialogs/FNetworkSetup.h"
#include "ui/dialogs/FTest.h"

using namespace korvan;
using namespace korvan::test;

namespace {

class MainWindowDialogsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
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

} // namespace
