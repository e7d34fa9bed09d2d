#pragma once
// The parameters of the dynamics processors by index k: the name their
// controls share ("is"/"ud" + name + channel suffix for the fader or the
// up-down, "cvd" + name + suffix for the edit), the kind of control, how
// a typed value is read and the text that shows a position.

#include "ui/main/editors/DynamicsEditor.h"

#include <span>
#include <string>

namespace korvan::editors {

enum class EntryKind { Threshold, Time, Knee, Ratio };

struct DynamicsRow {
    const char* name;
    bool upDown;
    EntryKind entry;
    std::string (*text)(int position);
};

// The rows of one processor; k indexes them.
std::span<const DynamicsRow> DynamicsRows(Dynamics kind);
// The row of parameter k, or null.
const DynamicsRow* DynamicsRowOf(Dynamics kind, int k);

} // namespace korvan::editors
