#pragma once
// The stored timer component: the one timer type (sys::Timer) on the
// program's GUI thread, with Enabled and Interval as stored properties and
// OnTimer as its event. A timer runs while it is enabled, has a non-zero
// interval and an OnTimer handler; enabling an enabled timer or giving it the
// interval it has does not restart it; assigning OnTimer restarts it. A
// handler's exception goes to the exception box.
//
// Every timer of the GUI thread runs on one scheduler over an injectable
// clock. With the system clock Qt's timer wakes the scheduler; with a
// ManualClock the scheduler wakes on the next turn of the event loop after
// the test has moved the clock past a due time, and AdvanceTimers moves the
// clock and fires every timer that falls due on the way, in time order (so
// one-shot chains run step by step). Either way the wake-up is set again
// before each handler runs, so a modal loop inside a handler leaves every
// other timer running; a timer whose handler still runs is not due.

#include "platform/forms/Component.h"
#include "platform/sys/Clock.h"
#include "platform/sys/Timer.h"

#include <functional>
#include <memory>

class TTimer : public TComponent {
    KORVAN_CLASS(TTimer)
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return timer_.Enabled(); }
    void SetEnabled(bool enabled) { timer_.SetEnabled(enabled); }
    unsigned Interval() const { return unsigned(timer_.Interval()); }
    void SetInterval(unsigned interval) { timer_.SetInterval(interval); }
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TNotifyEvent handler);
    // True while the timer counts down for its next tick.
    bool Running() const { return timer_.Running(); }

protected:
    // Raises OnTimer.
    virtual void Timer();

private:
    TNotifyEvent onTimer_;
    korvan::sys::Timer timer_;
};

namespace korvan::forms {

// The GUI thread's timer primitive (see forms::Gui()): each running timer,
// keyed by its owner, with its tick.
class TimerScheduler {
public:
    static TimerScheduler& Instance();

    // The clock timers count on; null restores the system clock.
    void SetClock(sys::Clock* clock);
    sys::Clock& Clock() const;

    void Start(const void* key, sys::Millis interval, std::function<void()> onTick);
    void Stop(const void* key);
    bool IsRunning(const void* key) const;
    // Milliseconds until the next timer falls due; -1 when none runs. A
    // timer whose handler runs does not count.
    sys::Millis NextDueIn() const;
    // Fires every timer due now, earliest first; returns how many fired.
    int FireDue();

    ~TimerScheduler();

private:
    TimerScheduler();
    // Points the wake-up at the next due time.
    void Rearm();
    // A manual clock moved: fires when the wake-up's time has come.
    void CheckClockWake();
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Test hook: moves `clock` forward by `ms`, stopping at each time a timer
// falls due to fire it. Returns the number of ticks fired.
int AdvanceTimers(sys::ManualClock& clock, sys::Millis ms);

// Installs a manual clock for the scheduler while it lives.
class ScopedTimerClock {
public:
    explicit ScopedTimerClock(sys::Clock& clock) { TimerScheduler::Instance().SetClock(&clock); }
    ~ScopedTimerClock() { TimerScheduler::Instance().SetClock(nullptr); }
    ScopedTimerClock(const ScopedTimerClock&) = delete;
    ScopedTimerClock& operator=(const ScopedTimerClock&) = delete;
};

} // namespace korvan::forms
