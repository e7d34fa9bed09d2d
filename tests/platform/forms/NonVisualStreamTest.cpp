// Components a form owns that are no controls (timers, menus) are written
// with the form, after its controls and in creation order, and the reader
// makes them again, or reuses those a builder already made.

#include "platform/forms/FormText.h"
#include "platform/forms/Menus.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/Timer.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using korvan::testing::Find;
using korvan::testing::GuiTest;

class NonVisualStream : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        korvan::forms::RegisterStandardClasses();
    }

    // A form with a popup menu (one item with a sub-item), a button that
    // uses it, a disabled 300 ms timer and a control made after them.
    std::unique_ptr<TForm> MakeForm() {
        auto form = std::make_unique<TForm>(nullptr);
        form->SetName("fmStored");
        auto* popup = new TPopupMenu(form.get());
        popup->SetName("pmCurve");
        auto* show = new TMenuItem(form.get());
        show->SetName("miShow");
        show->SetCaption("&Show");
        show->SetShortCut(ShortCut('S', ssCtrl));
        popup->Items()->Add(show);
        auto* all = new TMenuItem(form.get());
        all->SetName("miShowAll");
        all->SetCaption("All");
        all->SetChecked(true);
        show->Add(all);
        auto* button = new TButton(form.get());
        button->SetName("btnCurve");
        button->SetParent(form.get());
        button->SetPopupMenu(popup);
        auto* timer = new TTimer(form.get());
        timer->SetName("tmPoll");
        timer->SetInterval(300);
        timer->SetEnabled(false);
        auto* edit = new TEdit(form.get());
        edit->SetName("edName");
        edit->SetParent(form.get());
        return form;
    }
};

TEST_F(NonVisualStream, TheFormWritesItsTimerAndPopupMenuAfterItsControls) {
    auto form = MakeForm();
    const std::string text = korvan::forms::WriteComponentText(form.get());
    const size_t button = text.find("object btnCurve: TButton");
    const size_t edit = text.find("object edName: TEdit");
    const size_t popup = text.find("object pmCurve: TPopupMenu");
    const size_t timer = text.find("object tmPoll: TTimer");
    ASSERT_NE(button, std::string::npos) << text;
    ASSERT_NE(edit, std::string::npos) << text;
    ASSERT_NE(popup, std::string::npos) << text;
    ASSERT_NE(timer, std::string::npos) << text;
    // The controls first, then the other components in creation order.
    EXPECT_LT(button, popup);
    EXPECT_LT(edit, popup);
    EXPECT_LT(popup, timer);
    // Each written once, with its stored properties; items inside their menu.
    EXPECT_EQ(text.find("object tmPoll", timer + 1), std::string::npos);
    EXPECT_EQ(text.find("object miShow:"), text.rfind("object miShow:")) << text;
    EXPECT_NE(text.find("Interval = 300", timer), std::string::npos) << text;
    EXPECT_NE(text.find("Enabled = False", timer), std::string::npos) << text;
    const size_t show = text.find("object miShow: TMenuItem");
    const size_t all = text.find("object miShowAll: TMenuItem");
    EXPECT_LT(popup, show);
    EXPECT_LT(show, all);
    EXPECT_LT(all, timer);
    EXPECT_NE(text.find("PopupMenu = pmCurve"), std::string::npos) << text;
}

TEST_F(NonVisualStream, AFormReadBackMakesThemAgain) {
    auto form = MakeForm();
    const std::string text = korvan::forms::WriteComponentText(form.get());

    TForm copy(nullptr);
    korvan::forms::ReadComponentText(text, &copy);
    auto* timer = Find<TTimer>(&copy, "tmPoll");
    auto* popup = Find<TPopupMenu>(&copy, "pmCurve");
    auto* button = Find<TButton>(&copy, "btnCurve");
    ASSERT_TRUE(timer && popup && button);
    EXPECT_EQ(timer->Owner(), &copy);
    EXPECT_EQ(timer->Interval(), 300u);
    EXPECT_FALSE(timer->Enabled());
    EXPECT_EQ(timer->LoadedCount(), 1);
    EXPECT_EQ(popup->Owner(), &copy);
    ASSERT_EQ(popup->Items()->Count(), 1);
    TMenuItem* show = popup->Items()->Items(0);
    EXPECT_EQ(show->Name(), "miShow");
    EXPECT_EQ(show->Caption(), "&Show");
    EXPECT_EQ(show->GetShortCut(), ShortCut('S', ssCtrl));
    ASSERT_EQ(show->Count(), 1);
    EXPECT_EQ(show->Items(0)->Caption(), "All");
    EXPECT_TRUE(show->Items(0)->Checked());
    EXPECT_EQ(button->PopupMenu(), popup);
    // The order of the components follows the stream: written again, the
    // copy gives the same text.
    EXPECT_EQ(korvan::forms::WriteComponentText(&copy), text);
}

TEST_F(NonVisualStream, ComponentsABuilderMadeAreReusedNotDoubled) {
    auto form = MakeForm();
    const std::string text = korvan::forms::WriteComponentText(form.get());

    TForm copy(nullptr);
    auto* timer = new TTimer(&copy);
    timer->SetName("tmPoll");
    auto* popup = new TPopupMenu(&copy);
    popup->SetName("pmCurve");
    korvan::forms::ReadComponentText(text, &copy);
    EXPECT_EQ(Find<TTimer>(&copy, "tmPoll"), timer);
    EXPECT_EQ(Find<TPopupMenu>(&copy, "pmCurve"), popup);
    EXPECT_EQ(timer->Interval(), 300u);
    EXPECT_EQ(popup->Items()->Count(), 1);
    int timers = 0;
    for (int i = 0; i < copy.ComponentCount(); ++i)
        timers += dynamic_cast<TTimer*>(copy.Components(i)) != nullptr;
    EXPECT_EQ(timers, 1);
}

TEST_F(NonVisualStream, ComponentsInOddPlacesReadWithoutHarm) {
    // A timer inside a panel and a menu item outside any menu: the timer
    // ends up owned by the form and is written at the form's level again;
    // the stray item holds nothing and is not written.
    const char* text = "object fmOdd: TForm\n"
                       "  object pnl: TPanel\n"
                       "    object tmInside: TTimer\n"
                       "      Interval = 50\n"
                       "    end\n"
                       "    object miStray: TMenuItem\n"
                       "      Caption = 'x'\n"
                       "    end\n"
                       "  end\n"
                       "end\n";
    TForm form(nullptr);
    korvan::forms::ReadComponentText(text, &form);
    auto* timer = Find<TTimer>(&form, "tmInside");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->Interval(), 50u);
    auto* stray = Find<TMenuItem>(&form, "miStray");
    ASSERT_NE(stray, nullptr);
    EXPECT_EQ(stray->Parent(), nullptr);
    const std::string again = korvan::forms::WriteComponentText(&form);
    // One level in: a child of the form, no longer of the panel.
    EXPECT_NE(again.find("\n  object tmInside: TTimer"), std::string::npos) << again;
    EXPECT_EQ(again.find("miStray"), std::string::npos) << again;
}

} // namespace
