#pragma once
// The colour a new channel gets: the first colour of a fixed table of 30
// that the listed channels use least.

#include "platform/gfx/Color.h"

#include <vector>

// A colour and how many listed channels use it.
struct TiColorCountObject {
    TColor Color = clBlack;
    int Count = 0;
};

namespace korvan::plot {

// The table, in order of preference.
const std::vector<TColor>& ChannelColorTable();

// `listedColors` holds the colour of every listed channel, the new one
// included (with the colour it has at that moment). Fewer than two
// channels: red. Otherwise the first table colour whose count is the
// smallest.
TColor GetNextChannelColor(const std::vector<TColor>& listedColors);

} // namespace korvan::plot
