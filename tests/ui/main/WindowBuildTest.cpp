// Every window the editor creates is built as a stored form loads: each
// component is loading from the moment it is named (so every stored
// property is set under the loading flag) and receives Loaded once.

#include "tests/ui/main/MainWindowFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace korvan::test {
namespace {

using WindowBuildTest = MainWindowTest;

// The form and every component it owns, at any depth, but not the unnamed
// parts a control builds for itself (a PEQ grid's rows, a rounded edit's
// inner edit): a stored form does not list those, and their control's
// construction and Loaded look after them.
void ForEachComponent(TComponent* window, TComponent* root, const std::function<void(TComponent*)>& visit) {
    visit(root);
    for (int i = 0; i < root->ComponentCount(); ++i) {
        TComponent* owned = root->Components(i);
        if (!owned->Name().empty() || root == window)
            ForEachComponent(window, owned, visit);
    }
}

TEST_F(WindowBuildTest, EveryComponentOfEveryWindowWasLoadedOnce) {
    CreateEditorWindows(nullptr, Options());
    const std::initializer_list<TCustomForm*> windows = {fmMain,        fmNetwork, fmProcess,
                                                         fmInformation, fmExit,    fmLockPassWord};
    int checked = 0;
    for (TCustomForm* window : windows) {
        ASSERT_NE(window, nullptr);
        ForEachComponent(window, window, [&](TComponent* c) {
            const std::string where = window->Name() + "." + c->Name();
            EXPECT_TRUE(c->NamedWhileLoading()) << where << " was built outside loading";
            EXPECT_EQ(c->LoadedCount(), 1) << where;
            EXPECT_FALSE(c->HasState(csLoading) || c->HasState(csReading)) << where;
            ++checked;
        });
    }
    // The walk reached the controls, not just the forms.
    EXPECT_GT(checked, 60);
}

// The check itself: a control built outside any scope is caught.
TEST_F(WindowBuildTest, AComponentBuiltOutsideTheScopeIsSeen) {
    TForm form(nullptr);
    {
        forms::LoadScope scope(&form);
        form.SetName("fmProbe");
        scope.Place<TLabel>(&form, "lbInside", 0, 0, 10, 10);
        scope.Finish();
    }
    auto* outside = new TLabel(&form);
    outside->SetName("lbOutside");
    EXPECT_TRUE(form.FindComponent("lbInside")->NamedWhileLoading());
    EXPECT_EQ(form.FindComponent("lbInside")->LoadedCount(), 1);
    EXPECT_FALSE(outside->NamedWhileLoading());
    EXPECT_EQ(outside->LoadedCount(), 0);
}

} // namespace
} // namespace korvan::test
