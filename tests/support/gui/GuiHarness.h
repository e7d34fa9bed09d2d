#pragma once
// The offscreen GUI test harness: an application fixture on Qt's offscreen
// platform with the driven timer clock and a fake dialog service, scripted
// mouse and keyboard input on controls found by name, a modal-form runner
// and grabbing a control's picture to PNG.
//
//   class MyTest : public korvan::testing::GuiTest {};
//   TEST_F(MyTest, Clicks) {
//       auto* form = new TForm(nullptr); ...
//       ShowForm(form);
//       input.Click(Find<TButton>(form, "btnOk"));
//       AdvanceTimers(300);
//   }

#include "platform/forms/Dialogs.h"
#include "platform/forms/Form.h"
#include "platform/forms/Timer.h"
#include "platform/sys/Clock.h"

#include <QImage>
#include <QPointer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace korvan::testing {

// Creates the offscreen application once per program.
void EnsureGuiApplication();

// A dialog service that records every box and answers from a queue
// (IDOK, or the default answer, when the queue is empty).
class FakeDialogService : public forms::DialogService {
public:
    struct Box {
        std::string text, caption;
        unsigned flags;
    };
    std::vector<Box> boxes;
    std::deque<int> answers;
    int defaultAnswer = IDOK;
    std::deque<std::optional<std::string>> openAnswers, saveAnswers;
    std::vector<forms::FileDialogOptions> fileDialogs;

    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    std::optional<std::string> OpenFile(forms::FileDialogOptions& options) override;
    std::optional<std::string> SaveFile(forms::FileDialogOptions& options) override;
    std::optional<int> PickColor(int initial) override { return initial; }
    std::optional<forms::FontChoice> PickFont(const forms::FontChoice& initial) override { return initial; }
};

// Scripted input through Qt events, so every rule of the layer applies.
// Coordinates are in the control's client area.
class InputScript {
public:
    void MouseDown(TControl* control, int x, int y, TMouseButton button = mbLeft, TShiftState shift = 0);
    void MouseMove(TControl* control, int x, int y, TShiftState shift = 0);
    void MouseUp(TControl* control, int x, int y, TMouseButton button = mbLeft, TShiftState shift = 0);
    // Down and up at the centre (or the given point).
    void Click(TControl* control, TMouseButton button = mbLeft);
    void Click(TControl* control, int x, int y, TMouseButton button = mbLeft);
    // Two clicks within the double-click time, as Qt delivers them.
    void DoubleClick(TControl* control, int x, int y);
    // Moves the pointer to a screen point that no window covers.
    void MoveOutside(TShiftState shift = 0);
    void Wheel(TControl* control, int x, int y, int delta, TShiftState shift = 0);
    // Keys go to the focused window of the control's form.
    void KeyDown(TControl* control, std::uint16_t vk, TShiftState shift = 0, const std::string& text = {});
    void KeyUp(TControl* control, std::uint16_t vk, TShiftState shift = 0);
    void Key(TControl* control, std::uint16_t vk, TShiftState shift = 0, const std::string& text = {});
    // Each character as a key press and release.
    void Type(TControl* control, const std::string& text);
    // Milliseconds between scripted presses (double-click detection).
    void Wait(unsigned long ms) { time_ += ms; }

private:
    QWidget* WindowOf(TControl* control, QPoint& pos);
    void SendMouse(int type, TControl* control, QPoint pos, Qt::MouseButton button, TShiftState shift);
    QWidget* FocusWidget(TControl* control);
    QPointer<QWidget> grab_;
    QPointer<QWidget> lastUnder_;
    Qt::MouseButtons held_ = Qt::NoButton;
    unsigned long time_ = 1000;
};

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows a form, makes it the active window and lets Qt settle.
    void ShowForm(TCustomForm* form);
    void ProcessEvents();
    // Moves the timer clock; fires what falls due.
    int AdvanceTimers(sys::Millis ms);

    sys::ManualClock clock;
    FakeDialogService* dialogs = nullptr;
    InputScript input;

private:
    std::unique_ptr<forms::ScopedTimerClock> timerClock_;
    std::unique_ptr<forms::ScopedDialogService> dialogService_;
};

// The component of that name anywhere under `root` (owned components,
// recursively), letter case ignored; fails the test when missing.
TComponent* FindNamed(TComponent* root, const std::string& name);
template <class T> T* Find(TComponent* root, const std::string& name) {
    T* found = dynamic_cast<T*>(FindNamed(root, name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Runs `script` inside the modal loop of `form` and returns ShowModal's
// result. The script runs once the loop turns.
int RunModal(TCustomForm* form, std::function<void()> script);

// What the control shows on screen (windowed children included).
QImage Grab(TControl* control);
// The dark pixels (grey below half) of a picture inside a rectangle: how
// much was drawn there.
int Ink(const QImage& image, const TRect& r);
// Writes a picture into `folder` (created when missing); returns the path.
std::string SavePngIn(const std::string& folder, const QImage& image, const std::string& name);
#ifdef KORVAN_TEST_OUTPUT_DIR
// Writes a picture into the test output folder; returns the path.
inline std::string SavePng(const QImage& image, const std::string& name) {
    return SavePngIn(KORVAN_TEST_OUTPUT_DIR, image, name);
}
#endif

} // namespace korvan::testing
