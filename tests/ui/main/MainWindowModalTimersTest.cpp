// Timers under the editor's modal windows: the unlock prompt, opened from a
// timer's handler one second after a locked unit answers, leaves every other
// timer running, so the link's keep-alive goes on while it is up.

#include "device/link/LinkTypes.h"
#include "tests/ui/main/MainWindowFixture.h"

#include <optional>

using namespace korvan;
using namespace korvan::test;

namespace {

TEST_F(MainWindowTest, TheKeepAliveGoesOnEveryTwoSecondsWhileTheUnlockPromptIsOpen) {
    unit.SetLocked(true);
    unit.SetPassword("8362");
    StartUnit();
    CreateWindows();
    std::optional<sys::Millis> opened;
    std::size_t seen = 0;
    std::vector<sys::Millis> alive;
    bool submitted = false;
    pump.reactions.push_back([&] {
        if (!fmLockPassWord->Visible() || submitted)
            return;
        if (!opened) {
            opened = clock.NowMs();
            seen = CountOf(MCS_ALIVE);
        }
        for (const std::size_t n = CountOf(MCS_ALIVE); seen < n; ++seen)
            alive.push_back(clock.NowMs());
        if (alive.size() < 3)
            return;
        // Enough: the right password lets the read go on.
        submitted = true;
        fmLockPassWord->edName->SetText("8362");
        fmLockPassWord->btnOK->Click();
    });
    ASSERT_TRUE(pump.RunUntil([&] { return ReadEnded(); }));

    ASSERT_TRUE(opened);
    ASSERT_EQ(alive.size(), 3u);
    EXPECT_LE(alive[0] - *opened, KeepAliveIntervalMs);
    EXPECT_EQ(alive[1] - alive[0], KeepAliveIntervalMs);
    EXPECT_EQ(alive[2] - alive[1], KeepAliveIntervalMs);
    EXPECT_FALSE(unit.IsLocked());
    EXPECT_TRUE(fmMain->Connection().Online);
}

} // namespace
