#pragma once
// The form's faders, kept apart from the panel pack (the two packs cannot
// share one translation unit): made, given their stored range and read.

#include "platform/forms/LoadScope.h"

#include <functional>
#include <string>

namespace korvan::mainform {

struct FaderRange {
    int min = 0;
    int max = 0;
    int pageSize = 0;
    int position = 0;
};

// A vertical fader named `name`, owned by the scope's root.
TControl* CreateFader(forms::LoadScope& scope, const std::string& name);
// Stores the range on `control` when it is a fader; false otherwise.
bool SetFaderRange(TControl& control, const FaderRange& range);
// Moves a fader within its stored range; false when `control` is none.
bool SetFaderPosition(TControl* control, int position);
// The fader's range, or nothing when `control` is none.
bool ReadFaderRange(const TControl* control, FaderRange& range);
// Gives a fader the thumb pictures "<face>-normal", "<face>-hot" and
// "<face>-down" of the resources; false when `control` is not a fader.
// Throws for a face the resources do not hold.
bool SetFaderFace(TControl& control, const char* face);
// Calls `handler` with the new position at every change of a fader's
// position; false when `control` is not a fader.
bool OnFaderChange(TControl* control, std::function<void(int position)> handler);

} // namespace korvan::mainform
