// The frame monitor and the message list.

#include "tests/ui/dialogs/DialogTest.h"
#include "ui/dialogs/FHidData.h"
#include "ui/dialogs/FMemo.h"

using namespace korvan;
using namespace korvan::test;

namespace {

using FrameMonitorTest = DialogTest<TfmHidData>;

TEST_F(FrameMonitorTest, LinesAreMadeOnlyWhileTheMonitorIsShown) {
    EXPECT_FALSE(host.monitorShown);
    Show();
    EXPECT_TRUE(host.monitorShown);
    dialog->Close();
    EXPECT_FALSE(dialog->Visible());
    EXPECT_FALSE(host.monitorShown);
}

TEST_F(FrameMonitorTest, NewestLineIsSelectedAndClearEmptiesTheList) {
    Show();
    dialog->AddLine("NET W 55 01 02 AA ");
    dialog->AddLine("NET R 55 01 02 AA ");
    EXPECT_EQ(dialog->hbHidData->Items()->Count(), 2);
    EXPECT_EQ(dialog->hbHidData->ItemIndex(), 1);
    dialog->bnClear->Click();
    EXPECT_EQ(dialog->hbHidData->Items()->Count(), 0);
    dialog->AddLine("COM W 55 ");
    EXPECT_EQ(dialog->hbHidData->Items()->Get(0), "COM W 55 ");
    EXPECT_EQ(dialog->hbHidData->ItemIndex(), 0);
}

using MessageListTest = DialogTest<TfmMemo>;

TEST_F(MessageListTest, ShowsMemoUntilCleared) {
    Show();
    EXPECT_EQ(dialog->Memo->Lines()->Count(), 1);
    EXPECT_EQ(dialog->Memo->Lines()->Get(0), "Memo");
    dialog->bnClearMemo->Click();
    EXPECT_EQ(dialog->Memo->Lines()->Count(), 0);
}

} // namespace
