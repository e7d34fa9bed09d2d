// Losing the mouse capture: the control that held it hears it whenever it
// goes (another control takes it, the control lets it go, the button comes
// up), and also when the desktop ends the press without a release: the
// window deactivates, a popup drops down, a modal window opens.

#include "platform/forms/ExtCtrls.h"
#include "platform/forms/Menus.h"
#include "platform/text/Exception.h"
#include "tests/support/gui/GuiHarness.h"

#include <QMenu>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using korvan::testing::GuiTest;

// Logs each capture it loses, with the control that took it.
template <class Base> class CaptureProbe : public Base {
public:
    using Base::Base;
    std::vector<std::string>* log = nullptr;
    void MouseCaptureChanged(TControl* capturedBy) override {
        log->push_back(this->Name() + " lost to " + (capturedBy ? capturedBy->Name() : std::string("none")));
    }
};

class MouseCapture : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 316, 238);
        box = Place<CaptureProbe<TPaintBox>>("box", 10);
        panel = Place<CaptureProbe<TPanel>>("panel", 150);
        ShowForm(form.get());
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    template <class T> T* Place(const std::string& name, int left) {
        auto* c = new T(form.get());
        c->SetName(name);
        c->SetBounds(left, 10, 100, 100);
        c->SetParent(form.get());
        c->log = &log;
        return c;
    }
    std::unique_ptr<TForm> form;
    CaptureProbe<TPaintBox>* box = nullptr;
    CaptureProbe<TPanel>* panel = nullptr;
    std::vector<std::string> log;
};

TEST_F(MouseCapture, TheHolderHearsWhoTookTheCaptureOrThatItWasLetGo) {
    input.MouseDown(box, 5, 5);
    ASSERT_TRUE(box->MouseCapture());
    EXPECT_TRUE(log.empty());
    panel->SetMouseCapture(true);
    EXPECT_FALSE(box->MouseCapture());
    EXPECT_EQ(log, std::vector<std::string>{"box lost to panel"});
    // Taking it again, or letting go of what another holds, tells nobody.
    panel->SetMouseCapture(true);
    box->SetMouseCapture(false);
    EXPECT_EQ(log.size(), 1u);
    panel->SetMouseCapture(false);
    EXPECT_EQ(log.back(), "panel lost to none");
    // The button coming up lets the capture go.
    log.clear();
    input.MouseDown(box, 5, 5);
    input.MouseUp(box, 5, 5);
    EXPECT_EQ(log, std::vector<std::string>{"box lost to none"});
}

// Each way the desktop ends a press, for a windowed and a non-windowed
// holder: the capture goes at once, the holder hears it, and the moves
// that follow reach the control under the mouse again.
TEST_F(MouseCapture, TheDesktopEndingAPressEndsTheCapture) {
    TForm other(nullptr);
    other.SetBounds(500, 100, 200, 150);
    auto* menu = new TPopupMenu(form.get());
    auto* item = new TMenuItem(form.get());
    item->SetCaption("Copy");
    menu->Items()->Add(item);
    const std::pair<const char*, std::function<void()>> endings[] = {
        {"another window becomes active", [&] { ShowForm(&other); }},
        {"a popup menu drops down", [&] { menu->Popup(150, 150); }},
        {"a modal window opens",
         [&] { korvan::testing::RunModal(&other, [&] { other.SetModalResult(mrCancel); }); }},
    };
    for (TControl* holder : std::vector<TControl*>{box, panel}) {
        for (const auto& [how, end] : endings) {
            SCOPED_TRACE(holder->Name() + ": " + how);
            ShowForm(form.get());
            log.clear();
            input.MouseDown(holder, 5, 5);
            ASSERT_TRUE(holder->MouseCapture());
            end();
            ProcessEvents();
            EXPECT_FALSE(holder->MouseCapture());
            EXPECT_EQ(log, std::vector<std::string>{holder->Name() + " lost to none"});
            if (QMenu* shown = menu->ShownMenu())
                shown->close();
            other.Hide();
            input.MouseUp(holder, 5, 5);
        }
    }
    // Without a capture nothing is watched: windows come and go quietly.
    log.clear();
    ShowForm(&other);
    ShowForm(form.get());
    EXPECT_TRUE(log.empty());
}

TEST_F(MouseCapture, AnExceptionWhileLosingTheCaptureGoesToTheExceptionBox) {
    struct Throwing : CaptureProbe<TPaintBox> {
        explicit Throwing(TComponent* owner) : CaptureProbe(owner) {}
        void MouseCaptureChanged(TControl*) override { throw Exception("Capture handler failed"); }
    };
    auto* broken = Place<Throwing>("broken", 10);
    broken->SetMouseCapture(true);
    panel->SetMouseCapture(true);
    EXPECT_TRUE(panel->MouseCapture());
    ASSERT_EQ(dialogs->boxes.size(), 1u);
    EXPECT_EQ(dialogs->boxes[0].text, "Capture handler failed.");
}

} // namespace
