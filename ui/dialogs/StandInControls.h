#pragma once
// A plain stand-in for the pack control the connection windows needed
// before the control packs provided it: a push button that can stay
// pressed (the bitmap button's Down).

#include "platform/forms/ExtCtrls.h"

namespace korvan {

class PushButtonStandIn : public TPanel {
public:
    explicit PushButtonStandIn(TComponent* owner);
    bool Down() const { return down_; }
    // Shows the button pressed or released; runs no click handler.
    void SetDown(bool down);

private:
    bool down_ = false;
};

} // namespace korvan
