#pragma once
// A timer of the main window's step chains, on the GUI thread. A one-shot
// timer disables itself before its handler runs; a repeating one ticks until
// it is disabled. Enabling a timer that is enabled already does not restart
// it, so a step that is asked for twice still comes at its first time.

#include "platform/sys/GuiThread.h"

#include <functional>
#include <memory>

namespace korvan {

class ChainTimer {
public:
    enum class Kind { OneShot, Repeating };

    ChainTimer(sys::GuiThread& gui, sys::Millis intervalMs, std::function<void()> onTimer,
               Kind kind = Kind::OneShot);
    ChainTimer(const ChainTimer&) = delete;
    ChainTimer& operator=(const ChainTimer&) = delete;

    void SetEnabled(bool enabled);
    bool Enabled() const { return timer_->IsRunning(); }
    sys::Millis Interval() const { return interval_; }

private:
    void Tick();

    const sys::Millis interval_;
    const Kind kind_;
    std::function<void()> onTimer_;
    std::unique_ptr<sys::GuiTimer> timer_;
};

} // namespace korvan
