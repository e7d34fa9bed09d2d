#pragma once
// One shared timer that makes every blinking control alternate: each tick
// flips the blink state and tells every registered control that answers
// the blink query. Created by the first blinking control, freed by the
// last one's going.

#include "platform/forms/Object.h"

#include <memory>
#include <vector>

class TControl;
class TTimer;

enum TBlinkState { bsOn, bsOff };

// Asks a control whether it blinks (answer 1); tells it the new state
// (WParam): bsOn shows the blink colour, bsOff the normal one.
constexpr unsigned CM_BLINKQUERY = 0xB3E8;
constexpr unsigned CM_BLINKSTATE = 0xB3E9;

class TRzBlinkingControlsList : public TObject {
public:
    TRzBlinkingControlsList();
    ~TRzBlinkingControlsList() override;

    virtual int Count() const { return int(controls_.size()); }
    void Add(TControl* control);
    // The control must be in the list.
    void Remove(TControl* control);

    TBlinkState BlinkState() const { return blinkState_; }
    unsigned IntervalOn() const { return intervalOn_; }
    void SetIntervalOn(unsigned ms) { intervalOn_ = ms; }
    unsigned IntervalOff() const { return intervalOff_; }
    void SetIntervalOff(unsigned ms) { intervalOff_ = ms; }
    TTimer* Timer() const { return timer_.get(); }

private:
    void TimerFired();
    TBlinkState blinkState_ = bsOff;
    std::vector<TControl*> controls_;
    std::unique_ptr<TTimer> timer_;
    unsigned intervalOff_ = 500;
    unsigned intervalOn_ = 500;
};

// The shared list, created on first use.
TRzBlinkingControlsList& BlinkingControlsList();
bool BlinkingControlsListExists();
// Frees the shared list when no control is left in it.
void FreeBlinkingControlsListIfEmpty();
