#pragma once
// The form's own captions in the chosen language: the channel pages' and
// function pages' labels and buttons, the PEQ grids' type names and the
// dynamics pages' titles.

#include "platform/forms/Component.h"
#include "platform/forms/Strings.h"

namespace korvan::mainform {

// The channels the dynamics pages show (their titles name them).
struct DynamicsPageChannels {
    int gate = 0;
    int comp = 4;
    int limit = 4;
};

// Gives every caption of the form that comes from the language tables the
// text of `table`. Ends at the first control the form does not hold; false
// then.
bool ApplyFormLanguage(TComponent& root, const TStrings& table, DynamicsPageChannels pages);

} // namespace korvan::mainform
