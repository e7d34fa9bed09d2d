// Closing the main window goes through the exit window: Cancel keeps the
// editor on line; OK closes the window for good and frees the open link
// without sending anything to the unit.

#include "tests/ui/main/MainWindowFixture.h"

using namespace korvan;
using namespace korvan::test;

namespace {

void ExpectClosedForGood(SimUnit& unit, std::size_t receivedBefore) {
    EXPECT_FALSE(fmMain->Visible());
    EXPECT_EQ(fmMain->QuitConfirmed, 1);
    EXPECT_FALSE(fmMain->Connection().ComLink);
    EXPECT_FALSE(fmMain->Connection().UsbLink);
    EXPECT_FALSE(fmMain->Connection().NetLink);
    EXPECT_TRUE(Application->Terminated());
    // Nothing was sent at exit: no release, no further request.
    EXPECT_EQ(unit.ReceivedCount(), receivedBefore);
}

TEST_F(MainWindowTest, ClosingAsksFirstAndOkFreesTheLinkSendingNothing) {
    ASSERT_TRUE(ConnectToUnit());
    pump.Stop();
    const std::size_t before = unit.ReceivedCount();

    fmMain->Close();
    EXPECT_TRUE(fmExit->Visible());
    EXPECT_EQ(fmExit->lbExit->Caption(), "Are you sure to quit ?");
    EXPECT_TRUE(fmMain->Visible());
    EXPECT_TRUE(fmMain->Connection().NetLink);

    fmExit->btnCancel->Click();
    EXPECT_FALSE(fmExit->Visible());
    EXPECT_EQ(fmMain->QuitConfirmed, 0);
    EXPECT_TRUE(fmMain->Visible());
    EXPECT_TRUE(fmMain->Connection().Online);

    // A second close asks again.
    fmMain->Close();
    ASSERT_TRUE(fmExit->Visible());
    fmExit->btnOK->Click();
    EXPECT_FALSE(fmExit->Visible());
    ExpectClosedForGood(unit, before);
}

TEST_F(MainWindowTest, ExitItemAsksModallyAndOkClosesForGood) {
    ASSERT_TRUE(ConnectToUnit());
    std::size_t before = 0;
    bool asked = false;
    pump.reactions.push_back([&] {
        // Once no request waits: what the unit has then is all it gets.
        if (!asked && fmExit->Visible() && fmExit->Modal() && LinkIdle()) {
            asked = true;
            before = unit.ReceivedCount();
            fmExit->btnOK->Click();
        }
    });
    pump.Start();
    fmMain->Exit->Click(); // returns once the modal exit window has gone
    pump.Stop();
    EXPECT_TRUE(asked);
    EXPECT_FALSE(fmExit->Visible());
    ExpectClosedForGood(unit, before);
}

} // namespace
