// A unit with a locked front panel: the unlock prompt comes one second after
// the lock answer, never twice at once, and the read goes on once the unit
// accepts the password.

#include "device/protocol/CommandRecords.h"
#include "tests/ui/main/ConnectionFixture.h"

using namespace korvan;
using namespace korvan::test;

namespace {

TEST_F(ConnectionTest, LockedUnitWrongThenRightPassword) {
    unit.SetLocked(true);
    unit.SetPassword("8362");
    ASSERT_TRUE(OpenTo(LinkKind::Serial));
    ASSERT_TRUE(RunUntilReceived(unit, 3));
    ASSERT_TRUE(gui.RunUntil([&] { return core->JobState == JobUnlockPanel; }));
    gui.RunPending();
    EXPECT_EQ(unit.ReceivedCount(), 3u); // no preset flags yet

    Advance(999);
    EXPECT_FALSE(view.Has("ShowUnlockPrompt"));
    Advance(1);
    EXPECT_EQ(view.Count("ShowUnlockPrompt"), 1u);
    EXPECT_TRUE(core->IsUnlockPromptOpen());

    // The prompt submits a wrong password; the unit says no.
    core->SendCmd(CM_MCS_PASS_SUBMIT(core->GetUnitId(), 0, "1234"), true);
    ASSERT_TRUE(gui.RunUntil([&] { return view.checkResults.size() == 1; }));
    EXPECT_EQ(view.checkResults[0], 0);

    // Another lock answer while the prompt is up brings no second prompt.
    core->SendCmd(CM_MCS_CMD(core->GetUnitId(), MCS_LOCK_STATE), true);
    ASSERT_TRUE(RunUntilReceived(unit, 5));
    ASSERT_TRUE(gui.RunUntil([&] { return core->tmLockPrompt.Enabled(); }));
    Advance(1000);
    EXPECT_EQ(view.Count("ShowUnlockPrompt"), 1u);

    // The right one: the prompt asks for the preset flags and goes.
    core->SendCmd(CM_MCS_PASS_SUBMIT(core->GetUnitId(), 0, "8362"), true);
    ASSERT_TRUE(gui.RunUntil([&] { return view.checkResults.size() == 2; }));
    EXPECT_EQ(view.checkResults[1], 1);
    core->SendCmd(CM_MCS_CMD(core->GetUnitId(), MCS_PRESET_FLAGS), false);
    core->UnlockPromptClosed();

    ASSERT_TRUE(RunUntilReadEnded(3));
    auto expected = ConnectReadRequests();
    const std::string pass = std::to_string(MCS_PASS_SUBMIT);
    const std::string lock = std::to_string(MCS_LOCK_STATE);
    expected.insert(expected.begin() + 3, {pass, lock, pass});
    ASSERT_TRUE(RunUntilReceived(unit, expected.size()));
    EXPECT_EQ(RequestTexts(unit), expected);
    const auto requests = unit.Received();
    EXPECT_EQ(std::string(requests[3].payload.begin() + 1, requests[3].payload.end()), "1234");
    EXPECT_EQ(std::string(requests[5].payload.begin() + 1, requests[5].payload.end()), "8362");
    EXPECT_FALSE(unit.IsLocked());
}

TEST_F(ConnectionTest, PromptThatClosedMayComeAgain) {
    unit.SetLocked(true);
    ASSERT_TRUE(OpenTo(LinkKind::Serial));
    ASSERT_TRUE(gui.RunUntil([&] { return core->JobState == JobUnlockPanel; }));
    Advance(1000);
    EXPECT_EQ(view.Count("ShowUnlockPrompt"), 1u);
    core->UnlockPromptClosed();
    core->SendCmd(CM_MCS_CMD(core->GetUnitId(), MCS_LOCK_STATE), true);
    ASSERT_TRUE(gui.RunUntil([&] { return core->tmLockPrompt.Enabled(); }));
    Advance(1000);
    EXPECT_EQ(view.Count("ShowUnlockPrompt"), 2u);
}

} // namespace
