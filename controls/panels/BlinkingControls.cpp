#include "controls/panels/BlinkingControls.h"

#include "platform/forms/Control.h"
#include "platform/forms/Timer.h"
#include "platform/text/Exception.h"

#include <algorithm>

namespace {
std::unique_ptr<TRzBlinkingControlsList> gList;
}

TRzBlinkingControlsList::TRzBlinkingControlsList() : timer_(std::make_unique<TTimer>(nullptr)) {
    timer_->SetInterval(intervalOff_);
    timer_->SetOnTimer([this](TObject*) { TimerFired(); });
}

TRzBlinkingControlsList::~TRzBlinkingControlsList() = default;

void TRzBlinkingControlsList::Add(TControl* control) {
    controls_.push_back(control);
}

void TRzBlinkingControlsList::Remove(TControl* control) {
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end())
        throw EListError("The control is not in the blinking list");
    controls_.erase(it);
}

void TRzBlinkingControlsList::TimerFired() {
    // The on phase (the blink colour) lasts IntervalOn, the off phase
    // IntervalOff.
    if (blinkState_ == bsOff) {
        blinkState_ = bsOn;
        timer_->SetInterval(intervalOn_);
    } else {
        blinkState_ = bsOff;
        timer_->SetInterval(intervalOff_);
    }
    for (TControl* c : std::vector<TControl*>(controls_))
        if (c->Perform(CM_BLINKQUERY) == 1)
            c->Perform(CM_BLINKSTATE, std::uintptr_t(blinkState_));
}

TRzBlinkingControlsList& BlinkingControlsList() {
    if (!gList)
        gList = std::make_unique<TRzBlinkingControlsList>();
    return *gList;
}

bool BlinkingControlsListExists() {
    return gList != nullptr;
}

void FreeBlinkingControlsListIfEmpty() {
    if (gList && gList->Count() == 0)
        gList.reset();
}
