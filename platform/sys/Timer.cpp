#include "platform/sys/Timer.h"

namespace korvan::sys {

Timer::Timer(GuiThread& gui, Millis intervalMs, std::function<void()> onTimer, Kind kind)
    : interval_(intervalMs), kind_(kind), onTimer_(std::move(onTimer)),
      timer_(gui.CreateTimer([this] { Tick(); })) {}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    Update();
}

void Timer::SetInterval(Millis intervalMs) {
    if (intervalMs == interval_)
        return;
    interval_ = intervalMs;
    Update();
}

void Timer::SetOnTimer(std::function<void()> onTimer) {
    onTimer_ = std::move(onTimer);
    Update();
}

void Timer::Restart() {
    Update();
}

bool Timer::Running() const {
    return timer_->IsRunning();
}

void Timer::Update() {
    if (enabled_ && interval_ > 0 && onTimer_)
        timer_->Start(interval_);
    else
        timer_->Stop();
}

void Timer::Tick() {
    if (kind_ == Kind::OneShot) {
        enabled_ = false;
        timer_->Stop();
    }
    // A copy: the handler may assign another handler, or destroy the timer.
    const std::function<void()> handler = onTimer_;
    if (handler)
        handler();
}

} // namespace korvan::sys
