#include "ui/dialogs/StandInControls.h"

namespace korvan {

PushButtonStandIn::PushButtonStandIn(TComponent* owner) : TPanel(owner) {
    SetBevelOuter(bvRaised);
    SetBevelWidth(2);
}

void PushButtonStandIn::SetDown(bool down) {
    if (down == down_)
        return;
    down_ = down;
    SetBevelOuter(down ? bvLowered : bvRaised);
    Invalidate();
}

} // namespace korvan
