#pragma once
// The channels edited as one with a channel: its link group in rising
// order, the channel itself included, as channel indices 0..11.

#include "device/model/LUnitControl.h"
#include "device/model/PresetImage.h"

#include <vector>

namespace korvan::editors {

inline std::vector<int> LinkMembers(const LUnitControl& model, int ch) {
    const int first = layout::KindFirst(ch);
    const int count = layout::KindCount(ch);
    const unsigned group = model.GetLinkGroupMask(ch) | (1u << layout::KindIndex(ch));
    std::vector<int> members;
    for (int i = 0; i < count; ++i)
        if ((group >> i) & 1u)
            members.push_back(first + i);
    return members;
}

} // namespace korvan::editors
