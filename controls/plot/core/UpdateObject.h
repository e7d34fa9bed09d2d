#pragma once
// The pack's one update timer: every pack control registers here while it
// lives, and a 1000 ms tick paints the controls whose repaint was held back
// by frame-rate limiting and has come due since.
//
// Times are milliseconds on the timer scheduler's clock, which is monotonic
// (a test drives it with a manual clock): a jump of the wall clock never
// holds a repaint back.

#include "platform/sys/Clock.h"

#include <memory>
#include <vector>

namespace korvan::sys {
class Timer;
}

// What the update timer asks of a control.
class IiUpdateControl {
public:
    virtual bool GetUpdateActive() const = 0;
    virtual bool GetNeedsRepaint() const = 0;
    virtual int GetUpdateFrameRate() const = 0;
    // When the last repaint request reached the window (scheduler clock).
    virtual korvan::sys::Millis GetLastUpdate() const = 0;
    virtual void RepaintNow() = 0;

protected:
    ~IiUpdateControl() = default;
};

namespace korvan::plot {

// Now on the clock every frame-rate decision is measured on.
sys::Millis UpdateClockNow();

// Whether a repaint held back since `lastUpdate` may be painted at `now`:
// a rate of 0 (or less) never limits; otherwise more than 1/rate seconds
// must have passed. A clock that reads earlier than `lastUpdate` counts as
// due, so nothing waits on a time that went backwards.
bool FrameIsDue(sys::Millis now, sys::Millis lastUpdate, int frameRate);

} // namespace korvan::plot

class TiUpdateObject {
public:
    static TiUpdateObject& Instance();

    // Appends the control; the first control starts the timer.
    void AddUpdateControl(IiUpdateControl* control);
    // Removes the control when listed; the last one stops the timer.
    void RemoveUpdateControl(IiUpdateControl* control);
    int ControlCount() const { return int(controls_.size()); }
    bool TimerEnabled() const;

    // One tick: paints every registered control whose repaint is due.
    void UpdateTimerTick();

    static constexpr korvan::sys::Millis TimerInterval = 1000;

    TiUpdateObject(const TiUpdateObject&) = delete;
    TiUpdateObject& operator=(const TiUpdateObject&) = delete;

private:
    TiUpdateObject();
    ~TiUpdateObject();
    static bool IsRepaintDue(const IiUpdateControl& control);

    std::vector<IiUpdateControl*> controls_;
    // Made with the first registered control and dropped with the last, so
    // that the timer never outlives the GUI thread's scheduler.
    std::unique_ptr<korvan::sys::Timer> timer_;
};
