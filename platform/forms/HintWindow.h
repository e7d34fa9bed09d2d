#pragma once
// Hints: while the pointer rests on a control, the hint of that control
// (or of the nearest parent whose ShowHint is set) appears in a small
// window below the pointer after the application's HintPause, and goes
// away after HintHidePause, when the pointer leaves the control, or on a
// mouse press or a key. It comes back only when the pointer enters a
// control again. Only the short hint (the text before '|') is shown.
//
// The pauses run on the framework's timer, so tests drive them with the
// timer clock.

#include "platform/gfx/Types.h"

#include <memory>
#include <string>

class QLabel;
class TControl;
class TTimer;

// What a control is asked with CM_HINTSHOW just before its hint shows: it
// may change the text (an empty text shows no hint).
struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint CursorPos;    // in the hint control's client coordinates
    std::string HintStr; // the short hint
};

namespace korvan::forms {

class HintController {
public:
    HintController();
    ~HintController();
    // The pointer now rests on `control` (null: on no control).
    void ControlUnderMouse(TControl* control);
    // A press or a key: the hint goes and waits for the next control.
    void Cancel();
    // A control going away.
    void Forget(TControl* control);

    bool Showing() const;
    // The text shown; empty when no hint is up.
    std::string ShownText() const;
    QLabel* Window() const;

private:
    void Tick();
    void Show();
    void Hide();
    TControl* control_ = nullptr; // the control with the hint
    bool shown_ = false;
    std::unique_ptr<TTimer> timer_;
    struct Parts;
    std::unique_ptr<Parts> parts_; // the hint window
};

HintController& Hints();

// The part of a hint shown in the hint window: the text before '|'.
std::string GetShortHint(const std::string& hint);
// The part shown elsewhere (a status bar): the text after '|', or the
// whole text without one.
std::string GetLongHint(const std::string& hint);

} // namespace korvan::forms
