#pragma once
// The one timer type: it ticks on the GUI thread with the framework's rules.
// A timer runs while it is enabled, has a non-zero interval and a handler;
// enabling an enabled timer or giving it the interval it has does not restart
// it, while assigning a handler does. Each tick comes Interval ms after the
// previous one (or after the start). A one-shot timer disables itself before
// its handler runs, so a step chain asks for each step by enabling it again.
//
// A timer starts disabled. It is made and used on the GUI thread; its handler
// may destroy it.

#include "platform/sys/GuiThread.h"

#include <functional>
#include <memory>

namespace korvan::sys {

class Timer {
public:
    enum class Kind { Repeating, OneShot };

    explicit Timer(GuiThread& gui, Millis intervalMs = 1000, std::function<void()> onTimer = nullptr,
                   Kind kind = Kind::Repeating);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    Millis Interval() const { return interval_; }
    void SetInterval(Millis intervalMs);
    const std::function<void()>& OnTimer() const { return onTimer_; }
    void SetOnTimer(std::function<void()> onTimer);
    Kind TimerKind() const { return kind_; }
    // Starts the count again from now, when the timer runs.
    void Restart();
    // True while the timer counts down for its next tick.
    bool Running() const;

private:
    void Update();
    void Tick();

    bool enabled_ = false;
    Millis interval_;
    const Kind kind_;
    std::function<void()> onTimer_;
    std::unique_ptr<GuiTimer> timer_;
};

} // namespace korvan::sys
