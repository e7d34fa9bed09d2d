#pragma once
// Timers with the framework's rules: a timer runs while it is enabled, has
// a non-zero interval and an OnTimer handler; enabling an enabled timer or
// giving it the interval it has does not restart it; assigning OnTimer
// restarts it. Each tick comes Interval ms after the previous one (or
// after the start) on the GUI thread; a handler's exception goes to the
// exception box.
//
// All timers run on one scheduler over an injectable clock. With the
// system clock Qt wakes the scheduler; with a ManualClock nothing fires by
// itself and a test moves time with AdvanceTimers, which fires every timer
// that falls due on the way, in time order (so one-shot chains run
// step by step).

#include "platform/forms/Component.h"
#include "platform/sys/Clock.h"

#include <memory>

class TTimer : public TComponent {
    KORVAN_CLASS(TTimer)
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned interval);
    const TNotifyEvent& OnTimer() const { return onTimer_; }
    void SetOnTimer(TNotifyEvent handler);
    // True while the scheduler counts down for this timer.
    bool Running() const;

protected:
    // Raises OnTimer.
    virtual void Timer();

private:
    friend class korvan_TimerAccess;
    void UpdateTimer();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    TNotifyEvent onTimer_;
};

namespace korvan::forms {

class TimerScheduler {
public:
    static TimerScheduler& Instance();

    // The clock timers count on; null restores the system clock. A clock
    // other than the system clock stops Qt from firing timers.
    void SetClock(sys::Clock* clock);
    sys::Clock& Clock() const;

    void Start(TTimer* timer, unsigned interval);
    void Stop(TTimer* timer);
    bool IsRunning(const TTimer* timer) const;
    // Milliseconds until the next timer falls due; -1 when none runs.
    sys::Millis NextDueIn() const;
    // Fires every timer due now, earliest first; returns how many fired.
    int FireDue();

    ~TimerScheduler();

private:
    TimerScheduler();
    // Points Qt's wake-up at the next due time.
    void Rearm();
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
