#include "controls/plot/core/ChannelColors.h"

#include <algorithm>

namespace korvan::plot {

const std::vector<TColor>& ChannelColorTable() {
    // Blue-green-red values.
    static const std::vector<TColor> table{
        0x0000FF, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0x00FF00, 0xFFFFFF, 0x000080, 0x008000, 0x008080,
        0x800000, 0x800080, 0x808000, 0x808080, 0x0000C0, 0x00C000, 0x00C0C0, 0xC00000, 0xC000C0, 0xC0C000,
        0xC0C0C0, 0x0080FF, 0x8000FF, 0x8080FF, 0xFF0080, 0xFF8000, 0xFF8080, 0x00FF80, 0x80FF00, 0x80FF80};
    return table;
}

TColor GetNextChannelColor(const std::vector<TColor>& listedColors) {
    if (listedColors.size() < 2)
        return clRed;
    std::vector<TiColorCountObject> counts;
    for (TColor color : ChannelColorTable())
        counts.push_back({color, 0});
    for (TColor used : listedColors)
        for (TiColorCountObject& entry : counts)
            if (entry.Color == used)
                ++entry.Count;
    const auto least = std::min_element(counts.begin(), counts.end(),
                                        [](const auto& a, const auto& b) { return a.Count < b.Count; });
    return least == counts.end() ? clRed : least->Color;
}

} // namespace korvan::plot
