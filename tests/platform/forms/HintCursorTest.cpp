// Hints after the pause while the pointer rests on a control, and the
// cursor a control, a non-windowed child or the screen shows.

#include "platform/forms/Application.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/HintWindow.h"
#include "platform/forms/Screen.h"
#include "platform/forms/StdCtrls.h"
#include "platform/forms/VirtualKeys.h"
#include "tests/support/gui/GuiHarness.h"

#include <QApplication>
#include <QLabel>

#include <gtest/gtest.h>

#include <memory>

namespace {

using korvan::forms::Hints;
using korvan::testing::GuiTest;

class HintCursor : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 316, 238);
        button = new TButton(form.get());
        button->SetBounds(10, 10, 75, 25);
        button->SetParent(form.get());
        button->SetHint("Open|Opens a setting file");
        button->SetShowHint(true);
        panel = new TPanel(form.get());
        panel->SetBounds(10, 50, 150, 100);
        panel->SetParent(form.get());
        box = new TPaintBox(form.get());
        box->SetBounds(10, 10, 50, 50);
        box->SetParent(panel);
        plain = new TPaintBox(form.get());
        plain->SetBounds(200, 10, 50, 50);
        plain->SetParent(form.get());
        ShowForm(form.get());
    }
    void TearDown() override {
        input.MoveOutside();
        form.reset();
        Application->SetShowHint(true);
        Screen->SetCursor(crDefault);
        GuiTest::TearDown();
    }
    std::unique_ptr<TForm> form;
    TButton* button = nullptr;
    TPanel* panel = nullptr;
    TPaintBox* box = nullptr;
    TPaintBox* plain = nullptr;
};

TEST_F(HintCursor, HintShowsAfterThePauseAndGoesAfterTheHidePause) {
    input.MouseMove(button, 5, 5);
    AdvanceTimers(Application->HintPause() - 1);
    EXPECT_FALSE(Hints().Showing());
    // Moving on the same control does not restart the pause.
    input.MouseMove(button, 20, 8);
    AdvanceTimers(1);
    EXPECT_EQ(Hints().ShownText(), "Open");
    AdvanceTimers(Application->HintHidePause() - 1);
    EXPECT_TRUE(Hints().Showing());
    AdvanceTimers(1);
    EXPECT_FALSE(Hints().Showing());
    // It stays away while the pointer stays.
    AdvanceTimers(10000);
    EXPECT_FALSE(Hints().Showing());
}

TEST_F(HintCursor, LeavePressAndKeyHideTheHint) {
    struct Case {
        const char* what;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"leave", [&] { input.MouseMove(plain, 5, 5); }},
        {"press", [&] { input.MouseDown(button, 5, 5), input.MouseUp(button, 5, 5); }},
        {"key", [&] { input.Key(button, VK_SHIFT); }},
    };
    for (const Case& c : cases) {
        input.MoveOutside();
        input.MouseMove(button, 5, 5);
        AdvanceTimers(Application->HintPause());
        ASSERT_TRUE(Hints().Showing()) << c.what;
        c.act();
        EXPECT_FALSE(Hints().Showing()) << c.what;
        AdvanceTimers(Application->HintPause() + Application->HintHidePause());
        EXPECT_FALSE(Hints().Showing()) << c.what;
    }
}

TEST_F(HintCursor, ChildrenFollowTheParentsShowHintAndHintText) {
    panel->SetHint("Panel help");
    input.MouseMove(box, 5, 5);
    AdvanceTimers(Application->HintPause());
    EXPECT_FALSE(Hints().Showing()); // the form shows no hints
    input.MoveOutside();
    // Turned on at the panel, the box follows (ParentShowHint) and, with
    // no hint of its own, shows the panel's.
    panel->SetShowHint(true);
    EXPECT_TRUE(box->ShowHint());
    input.MouseMove(box, 5, 5);
    AdvanceTimers(Application->HintPause());
    EXPECT_EQ(Hints().ShownText(), "Panel help");
    // A control's own ShowHint wins over its parent's.
    input.MoveOutside();
    box->SetShowHint(false);
    panel->SetShowHint(false);
    panel->SetShowHint(true);
    EXPECT_FALSE(box->ShowHint());
    // The application's switch turns every hint off.
    Application->SetShowHint(false);
    input.MouseMove(button, 5, 5);
    AdvanceTimers(Application->HintPause() * 2);
    EXPECT_FALSE(Hints().Showing());
}

TEST_F(HintCursor, ControlsShowTheirCursorsOnTheirWindows) {
    const Qt::CursorShape editNative = [&] {
        auto* edit = new TEdit(form.get());
        edit->SetParent(form.get());
        edit->SetCursor(crHandPoint);
        EXPECT_EQ(edit->Widget()->cursor().shape(), Qt::PointingHandCursor);
        edit->SetCursor(crDefault);
        return edit->Widget()->cursor().shape();
    }();
    EXPECT_EQ(editNative, Qt::IBeamCursor); // crDefault gives the edit its own back
    button->SetCursor(crSizeWE);
    EXPECT_EQ(button->Widget()->cursor().shape(), Qt::SizeHorCursor);
    // A non-windowed control lends its cursor to its window while the
    // pointer is over it; the window shows its own elsewhere.
    panel->SetCursor(crCross);
    box->SetCursor(crHandPoint);
    input.MouseMove(panel, 100, 80);
    EXPECT_EQ(panel->Widget()->cursor().shape(), Qt::CrossCursor);
    input.MouseMove(box, 5, 5);
    EXPECT_EQ(panel->Widget()->cursor().shape(), Qt::PointingHandCursor);
    box->SetCursor(crSizeNS);
    EXPECT_EQ(panel->Widget()->cursor().shape(), Qt::SizeVerCursor);
    input.MouseMove(panel, 100, 80);
    EXPECT_EQ(panel->Widget()->cursor().shape(), Qt::CrossCursor);
}

TEST_F(HintCursor, TheScreenCursorOverridesAndRegisteredCursorsServe) {
    Screen->SetCursor(crHourGlass);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Screen->SetCursor(crHandPoint);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
    Screen->SetCursor(crDefault);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    // A program's own cursor under a number of its own.
    Screen->SetCursors(99, QCursor(Qt::OpenHandCursor));
    button->SetCursor(99);
    EXPECT_EQ(button->Widget()->cursor().shape(), Qt::OpenHandCursor);
}

} // namespace
