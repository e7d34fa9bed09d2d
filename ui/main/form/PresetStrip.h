#pragma once
// The preset strip along the window's foot: the current preset's name and
// its address in the unit ("F00", "U01".."U20"), and the buttons that open
// the store and recall lists.

#include "ui/main/form/FormTable.h"

#include <span>

namespace korvan::mainform {

// Its labels and buttons, on the strip `rzgPreset` built before them.
std::span<const Family> PresetStrip();

} // namespace korvan::mainform
