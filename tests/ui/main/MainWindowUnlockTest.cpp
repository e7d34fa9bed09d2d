// A locked front panel through the real unlock prompt: a wrong password is
// reported and the prompt stays; the right one lets the connect read go on.

#include "platform/text/AnsiText.h"
#include "tests/ui/main/MainWindowFixture.h"

using namespace korvan;
using namespace korvan::test;

namespace {

TEST_F(MainWindowTest, LockedUnitTakesTheUnlockPromptWrongThenRightPassword) {
    unit.SetLocked(true);
    unit.SetPassword("8362");
    StartUnit();
    CreateWindows();
    std::vector<std::string> tried;
    pump.reactions.push_back([&] {
        // The prompt is up and waits for input (no check running).
        if (!fmLockPassWord->Visible() || fmLockPassWord->tmCheck->Enabled() ||
            fmLockPassWord->tmCmd->Enabled())
            return;
        if (tried.size() >= 2 || (tried.size() == 1 && dialogs->boxes.empty()))
            return;
        const std::string password = tried.empty() ? "1111" : "8362";
        fmLockPassWord->edName->SetText(password);
        tried.push_back(fmLockPassWord->edName->Text());
        fmLockPassWord->btnOK->Click();
    });
    ASSERT_TRUE(pump.RunUntil([&] { return ReadEnded() && CountOf(MCS_LEVELS) >= 1; }));

    EXPECT_EQ(tried, (std::vector<std::string>{"1111", "8362"}));
    ASSERT_EQ(dialogs->boxes.size(), 1u);
    EXPECT_EQ(dialogs->boxes[0].text, "Password Error!!");
    EXPECT_EQ(CountOf(MCS_PASS_SUBMIT), 2u);
    EXPECT_FALSE(fmLockPassWord->Visible());
    EXPECT_FALSE(fmMain->Connection().IsUnlockPromptOpen());
    EXPECT_EQ(CountOf(MCS_READ_STATE_PAGE), 29u);
    EXPECT_TRUE(fmMain->Connection().Online);
}

// The password goes out as four bytes of the system code page.
TEST_F(MainWindowTest, UnlockPasswordIsSentInTheSystemCodePage) {
    text::ScopedAnsiCodePage latin(text::AnsiCodePage::Windows1252);
    unit.SetLocked(true);
    unit.SetPassword("\xC9"
                     "123");
    StartUnit();
    CreateWindows();
    bool typed = false;
    pump.reactions.push_back([&] {
        if (typed || !fmLockPassWord->Visible())
            return;
        typed = true;
        fmLockPassWord->edName->SetText("\u00c9123");
        fmLockPassWord->btnOK->Click();
    });
    ASSERT_TRUE(pump.RunUntil([&] { return ReadEnded() && CountOf(MCS_LEVELS) >= 1; }));
    EXPECT_TRUE(dialogs->boxes.empty());
    EXPECT_TRUE(fmMain->Connection().Online);
    EXPECT_EQ(CountOf(MCS_PASS_SUBMIT), 1u);
    for (const auto& request : unit.Received()) {
        if (request.code == MCS_PASS_SUBMIT) {
            EXPECT_EQ(request.payload, (Bytes{0, 0xC9, '1', '2', '3'}));
        }
    }
}

TEST_F(MainWindowTest, UnlockPromptStoresUpperCase) {
    CreateWindows();
    fmLockPassWord->edName->SetText("ab1c");
    EXPECT_EQ(fmLockPassWord->edName->Text(), "AB1C");
}

} // namespace
