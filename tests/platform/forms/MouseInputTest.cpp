// Mouse input with the framework's rules: enter and leave also during a
// press, the double-click order, the wheel with OnMouseWheel first,
// capture, and no input for controls under a disabled parent.

#include "platform/forms/ExtCtrls.h"
#include "platform/forms/Menus.h"
#include "platform/forms/StdCtrls.h"
#include "tests/support/gui/GuiHarness.h"

#include <QMenu>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using korvan::testing::GuiTest;

class MouseInput : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 316, 238);
        panel = new TPanel(form.get());
        panel->SetBounds(10, 10, 100, 100);
        panel->SetParent(form.get());
        box = new TPaintBox(form.get());
        box->SetBounds(150, 10, 100, 100);
        box->SetParent(form.get());
        for (TControl* c : std::vector<TControl*>{panel, box}) {
            const std::string name = c == panel ? "panel" : "box";
            c->OnMouseDown = [this, name](TObject*, TMouseButton, TShiftState s, int x, int y) {
                log.push_back(name + " down" + ((s & ssDouble) ? " double " : " ") + std::to_string(x) + "," +
                              std::to_string(y));
            };
            c->OnMouseUp = [this, name](TObject*, TMouseButton, TShiftState, int, int) {
                log.push_back(name + " up");
            };
            c->OnClick = [this, name](TObject*) { log.push_back(name + " click"); };
            c->OnDblClick = [this, name](TObject*) { log.push_back(name + " dblclick"); };
            c->OnMouseEnter = [this, name](TObject*) { log.push_back(name + " enter"); };
            c->OnMouseLeave = [this, name](TObject*) { log.push_back(name + " leave"); };
        }
        ShowForm(form.get());
    }
    void TearDown() override {
        form.reset();
        GuiTest::TearDown();
    }
    std::unique_ptr<TForm> form;
    TPanel* panel = nullptr;
    TPaintBox* box = nullptr;
    std::vector<std::string> log;
};

TEST_F(MouseInput, EnterAndLeaveComeAlsoWhileAButtonIsHeld) {
    input.MouseMove(panel, 5, 5);
    input.MouseDown(panel, 5, 5);
    input.MouseMove(box, 5, 5); // still pressed: the panel keeps the capture
    input.MouseMove(panel, 6, 6);
    input.MouseUp(panel, 6, 6);
    EXPECT_EQ(log, (std::vector<std::string>{"panel enter", "panel down 5,5", "panel leave", "box enter",
                                             "box leave", "panel enter", "panel click", "panel up"}));
}

TEST_F(MouseInput, LeavingTheWindowDuringAPressSendsLeave) {
    input.MouseMove(box, 5, 5);
    input.MouseDown(box, 5, 5);
    input.MoveOutside(ssLeft);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "box leave");
    input.MouseUp(box, -200, -200);
    // Released outside: no click.
    EXPECT_EQ(std::count(log.begin(), log.end(), "box click"), 0);
}

TEST_F(MouseInput, DoubleClickComesInTheFrameworksOrder) {
    input.DoubleClick(box, 7, 8);
    EXPECT_EQ(log, (std::vector<std::string>{"box enter", "box down 7,8", "box click", "box up",
                                             "box dblclick", "box down double 7,8", "box up"}));
}

TEST_F(MouseInput, WithoutDoubleClicksASecondPressIsAPlainPress) {
    box->SetControlStyle(box->ControlStyle() & ~csDoubleClicks);
    input.DoubleClick(box, 7, 8);
    EXPECT_EQ(std::count(log.begin(), log.end(), "box click"), 2);
    EXPECT_EQ(std::count(log.begin(), log.end(), "box dblclick"), 0);
}

TEST_F(MouseInput, PressesFarApartInTimeAreTwoClicks) {
    input.Click(box, 7, 8);
    input.Wait(1000);
    input.Click(box, 7, 8);
    EXPECT_EQ(std::count(log.begin(), log.end(), "box click"), 2);
    EXPECT_EQ(std::count(log.begin(), log.end(), "box dblclick"), 0);
}

TEST_F(MouseInput, WheelGoesToOnMouseWheelFirstThenInSteps) {
    std::vector<std::string> wheel;
    bool handle = true;
    box->OnMouseWheel = [&](TObject*, TShiftState, int delta, int, int, bool& handled) {
        wheel.push_back("wheel " + std::to_string(delta));
        handled = handle;
    };
    box->OnMouseWheelDown = [&](TObject*, TShiftState, int, int, bool& handled) {
        wheel.push_back("down");
        handled = true;
    };
    box->OnMouseWheelUp = [&](TObject*, TShiftState, int, int, bool& handled) {
        wheel.push_back("up");
        handled = true;
    };
    input.Wheel(box, 5, 5, -120);
    EXPECT_EQ(wheel, (std::vector<std::string>{"wheel -120"}));
    handle = false;
    wheel.clear();
    input.Wheel(box, 5, 5, -240);
    input.Wheel(box, 5, 5, 60);
    input.Wheel(box, 5, 5, 60);
    EXPECT_EQ(wheel, (std::vector<std::string>{"wheel -240", "down", "down", "wheel 60", "wheel 60", "up"}));
}

TEST_F(MouseInput, NoInputUnderADisabledParent) {
    auto* inner = new TPaintBox(form.get());
    inner->SetBounds(10, 10, 50, 50);
    inner->SetParent(panel);
    int downs = 0;
    inner->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++downs; };
    panel->SetEnabled(false);
    input.Click(inner, 5, 5);
    EXPECT_EQ(downs, 0);
    EXPECT_TRUE(log.empty() || std::count(log.begin(), log.end(), "panel click") == 0);
    panel->SetEnabled(true);
    input.Click(inner, 5, 5);
    EXPECT_EQ(downs, 1);
}

TEST_F(MouseInput, AnExceptionInAHandlerGoesToTheExceptionBox) {
    box->OnClick = [](TObject*) { throw Exception("Broken handler"); };
    input.Click(box, 5, 5);
    ASSERT_EQ(dialogs->boxes.size(), 1u);
    EXPECT_EQ(dialogs->boxes[0].text, "Broken handler.");
    // The control still works.
    input.Click(box, 5, 5);
    EXPECT_EQ(dialogs->boxes.size(), 2u);
}

TEST_F(MouseInput, RightButtonShowsThePopupMenuOfTheControl) {
    auto* menu = new TPopupMenu(form.get());
    auto* item = new TMenuItem(form.get());
    item->SetCaption("&Copy");
    menu->Items()->Add(item);
    panel->SetPopupMenu(menu);
    int popups = 0;
    menu->OnPopup = [&](TObject*) { ++popups; };
    input.Click(panel, 5, 5, mbRight);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(menu->PopupComponent(), panel);
    ASSERT_NE(menu->ShownMenu(), nullptr);
    menu->ShownMenu()->close();
    EXPECT_EQ(menu->FindItem("Copy"), item);
}

} // namespace
