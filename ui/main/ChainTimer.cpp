#include "ui/main/ChainTimer.h"

namespace korvan {

ChainTimer::ChainTimer(sys::GuiThread& gui, sys::Millis intervalMs, std::function<void()> onTimer, Kind kind)
    : interval_(intervalMs), kind_(kind), onTimer_(std::move(onTimer)),
      timer_(gui.CreateTimer([this] { Tick(); })) {}

void ChainTimer::SetEnabled(bool enabled) {
    if (!enabled)
        timer_->Stop();
    else if (!timer_->IsRunning())
        timer_->Start(interval_);
}

void ChainTimer::Tick() {
    if (kind_ == Kind::OneShot)
        timer_->Stop();
    onTimer_();
}

} // namespace korvan
