#include "ui/curves/CaptionRules.h"

#include "device/protocol/SharedConstants.h"

#include <cmath>
#include <cstddef>

namespace korvan::curves {

namespace {

const std::vector<CaptionLine> QFrequencyGain = {CaptionQ, CaptionFrequency, CaptionGain};
const std::vector<CaptionLine> QFrequency = {CaptionQ, CaptionFrequency};
const std::vector<CaptionLine> FrequencyOnly = {CaptionFrequency};

} // namespace

std::vector<CaptionLine> MainCaptionLines(int type) {
    if (type <= 2) {
        return QFrequencyGain;
    }
    if (type == 3 || type == 5 || type == 7) {
        return FrequencyOnly;
    }
    return QFrequency;
}

std::vector<CaptionLine> TwinShowParamLines(int type) {
    if (type <= 2) {
        return QFrequencyGain;
    }
    if (type == 5 || type == 10 || type == 11) {
        return FrequencyOnly;
    }
    if (type == 3 || type == 4 || type == 6) {
        return QFrequency;
    }
    return {};
}

std::vector<CaptionLine> TwinCurvePaintLines(int type) {
    if (type <= 2) {
        return QFrequencyGain;
    }
    if (type == 5 || type == 10 || type == 11) {
        return FrequencyOnly;
    }
    return QFrequency;
}

std::vector<CaptionRow> CaptionRows(const std::vector<CaptionLine>& lines, bool cut) {
    std::vector<CaptionRow> rows;
    if (lines.size() == 1) {
        rows.push_back({lines[0], cut ? -43 : 20});
        return rows;
    }
    int top = cut ? -69 : 20;
    for (CaptionLine line : lines) {
        rows.push_back({line, top});
        top += 13;
    }
    return rows;
}

int MarkerCaptionType(double sectionKind) {
    // The inverse of the PEQ type map, so each band shows the lines of its
    // own PEQ type (HP -12dB its Q, HP -6dB none).
    for (std::size_t type = 0; type < PeqTypeSectionKind.size(); ++type) {
        if (sectionKind == PeqTypeSectionKind[type]) {
            return static_cast<int>(type);
        }
    }
    if (!(std::fabs(sectionKind) < 1e9)) {
        return 8; // not a kind at all: the lines of the "other" types
    }
    return static_cast<int>(sectionKind) - 1;
}

} // namespace korvan::curves
