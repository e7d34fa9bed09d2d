#pragma once
// The families of controls that RefreshFromModel sets for one channel, in
// the order it sets them: each shows the model's values of the channel on
// the form's controls found by name.

#include "device/model/LUnitControl.h"
#include "platform/forms/Component.h"
#include "platform/forms/Strings.h"

#include <span>

namespace korvan {

struct RefreshContext {
    TComponent& form;
    LUnitControl& model;
    // The language table the polarity captions come from.
    const TStrings& texts;
};

// One family of a channel's controls; false when a control is missing,
// which ends the refresh.
using RefreshFamily = bool (*)(const RefreshContext& at, int ch);

// The families of an input (channels 0..3) and of an output (4..11).
std::span<const RefreshFamily> InputRefreshFamilies();
std::span<const RefreshFamily> OutputRefreshFamilies();

} // namespace korvan
