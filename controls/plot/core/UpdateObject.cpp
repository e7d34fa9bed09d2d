#include "controls/plot/core/UpdateObject.h"

#include "platform/forms/GuiThread.h"
#include "platform/forms/Timer.h"
#include "platform/sys/Timer.h"

#include <algorithm>

namespace korvan::plot {

sys::Millis UpdateClockNow() {
    return forms::TimerScheduler::Instance().Clock().NowMs();
}

bool FrameIsDue(sys::Millis now, sys::Millis lastUpdate, int frameRate) {
    if (frameRate <= 0)
        return true;
    const sys::Millis elapsed = now - lastUpdate;
    return elapsed < 0 || elapsed * frameRate > 1000;
}

} // namespace korvan::plot

TiUpdateObject& TiUpdateObject::Instance() {
    // Never destroyed: controls that outlive static destruction still find it.
    static TiUpdateObject* instance = new TiUpdateObject;
    return *instance;
}

TiUpdateObject::TiUpdateObject() = default;
TiUpdateObject::~TiUpdateObject() = default;

bool TiUpdateObject::TimerEnabled() const {
    return timer_ && timer_->Enabled();
}

void TiUpdateObject::AddUpdateControl(IiUpdateControl* control) {
    controls_.push_back(control);
    if (controls_.size() == 1) {
        timer_ = std::make_unique<korvan::sys::Timer>(korvan::forms::Gui(), TimerInterval,
                                                      [this] { UpdateTimerTick(); });
        timer_->SetEnabled(true);
    }
}

void TiUpdateObject::RemoveUpdateControl(IiUpdateControl* control) {
    const auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end())
        return;
    controls_.erase(it);
    if (controls_.empty())
        timer_.reset();
}

bool TiUpdateObject::IsRepaintDue(const IiUpdateControl& control) {
    return !control.GetUpdateActive() && control.GetNeedsRepaint() &&
           korvan::plot::FrameIsDue(korvan::plot::UpdateClockNow(), control.GetLastUpdate(),
                                    control.GetUpdateFrameRate());
}

void TiUpdateObject::UpdateTimerTick() {
    // A copy: controls that come or go during the pass do not disturb it.
    const std::vector<IiUpdateControl*> pass = controls_;
    for (IiUpdateControl* control : pass) {
        // One painted earlier in the pass may have freed this one.
        if (std::find(controls_.begin(), controls_.end(), control) == controls_.end())
            continue;
        if (IsRepaintDue(*control))
            control->RepaintNow();
    }
}
