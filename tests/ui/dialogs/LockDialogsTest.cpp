// The panel lock windows on the driven clock: the lock setup sends the
// password and closes the link 100 ms later; the unlock prompt polls every
// 100 ms for the unit's answer and gives up after 30 polls.

#include "tests/ui/dialogs/DialogTest.h"
#include "ui/dialogs/FLockPassWord.h"
#include "ui/dialogs/FLockSetup.h"

#include "device/protocol/CommandCodes.h"

using namespace korvan;
using namespace korvan::test;

namespace {

using LockSetupTest = DialogTest<TfmLockSetup>;

TEST_F(LockSetupTest, SendsThePasswordThenClosesTheLink) {
    host.unitId = 2;
    Show();
    EXPECT_EQ(dialog->edName->Text(), "8362");
    dialog->edName->SetText("ab");
    EXPECT_EQ(dialog->edName->Text(), "AB");
    dialog->btnOK->Click();
    EXPECT_EQ(host.sent, (std::vector<RecordingHost::Sent>{{2, MCS_SET_LOCK, {'A', 'B', 0, 0}, true}}));
    AdvanceTimers(99);
    EXPECT_EQ(host.linkCloses, 0);
    EXPECT_TRUE(dialog->Visible());
    AdvanceTimers(1);
    EXPECT_EQ(host.linkCloses, 1);
    EXPECT_FALSE(dialog->Visible());
    AdvanceTimers(500);
    EXPECT_EQ(host.linkCloses, 1);
}

TEST_F(LockSetupTest, CancelSendsNothingAndTheNextShowOffersTheDefault) {
    Show();
    dialog->edName->SetText("1234");
    dialog->btnExit->Click();
    AdvanceTimers(500);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_TRUE(host.sent.empty());
    EXPECT_EQ(host.linkCloses, 0);
    Show();
    EXPECT_EQ(dialog->edName->Text(), "8362");
    EXPECT_EQ(dialog->Caption(), "SID_LOCK_TITLE");
}

TEST_F(LockSetupTest, Picture) {
    SavePicture("lock-setup-dialog");
}

class UnlockPromptTest : public DialogTest<TfmLockPassWord> {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        Show();
        dialog->edName->SetText("8362");
        dialog->btnOK->Click();
    }
};

TEST_F(UnlockPromptTest, SubmitsThePassword) {
    EXPECT_EQ(host.sent,
              (std::vector<RecordingHost::Sent>{{1, MCS_PASS_SUBMIT, {0, '8', '3', '6', '2'}, true}}));
}

TEST_F(UnlockPromptTest, WrongPasswordIsReportedAndThePromptStays) {
    AdvanceTimers(250);
    dialog->SetCheckResult(0);
    AdvanceTimers(100);
    ASSERT_EQ(dialogs->boxes.size(), 1u);
    EXPECT_EQ(dialogs->boxes[0].text, "Password Error!!");
    EXPECT_EQ(dialog->edName->Text(), "****");
    EXPECT_TRUE(dialog->Visible());
    EXPECT_FALSE(dialog->tmCheck->Enabled());
    AdvanceTimers(5000);
    EXPECT_EQ(dialogs->boxes.size(), 1u);
    EXPECT_EQ(host.linkCloses, 0);
}

TEST_F(UnlockPromptTest, AcceptedPasswordRequestsThePresetFlags100msLater) {
    AdvanceTimers(300);
    dialog->SetCheckResult(1);
    AdvanceTimers(100);
    EXPECT_EQ(host.sent.size(), 1u);
    EXPECT_TRUE(dialog->Visible());
    AdvanceTimers(100);
    ASSERT_EQ(host.sent.size(), 2u);
    EXPECT_EQ(host.sent[1], (RecordingHost::Sent{1, MCS_PRESET_FLAGS, {}, false}));
    EXPECT_FALSE(dialog->Visible());
    EXPECT_TRUE(dialogs->boxes.empty());
}

TEST_F(UnlockPromptTest, NoAnswerTimesOutAfterThirtyPolls) {
    AdvanceTimers(3000);
    EXPECT_TRUE(dialogs->boxes.empty());
    EXPECT_TRUE(dialog->Visible());
    AdvanceTimers(100);
    ASSERT_EQ(dialogs->boxes.size(), 1u);
    EXPECT_EQ(dialogs->boxes[0].text, "Check Time Out!");
    EXPECT_EQ(host.linkCloses, 1);
    EXPECT_FALSE(dialog->Visible());
}

TEST_F(UnlockPromptTest, Picture) {
    SavePicture("unlock-prompt");
}

} // namespace
