#include "ui/curves/AxisLabels.h"

#include <array>
#include <cmath>

namespace korvan::curves {

namespace {

constexpr std::array<double, 10> Frequencies = {20, 100, 1000, 10000, 20000, 50, 200, 500, 2000, 5000};
constexpr int FewLabelsBelowWidth = 800;

} // namespace

std::vector<double> LabelFrequencies(int controlWidth) {
    const std::size_t count = controlWidth < FewLabelsBelowWidth ? 4 : Frequencies.size();
    return {Frequencies.begin(), Frequencies.begin() + static_cast<std::ptrdiff_t>(count)};
}

double FrequencyPosition(double hz, TFFTNumber points, TSampleRate rate) {
    const double scale = std::ldexp(256.0, static_cast<int>(points));
    return scale * std::log10(hz) / std::log10(24000.0 * (static_cast<int>(rate) + 1));
}

std::vector<LevelLabel> LinearLevelLabels(double yMin, double yMax, int numHorzGrid) {
    std::vector<LevelLabel> labels = {{yMax, true, LevelLabel::Top}, {yMin, false, LevelLabel::Bottom}};
    const double step = (yMax - yMin) / (numHorzGrid + 1);
    for (int i = 0; i < numHorzGrid - 1; i += 2) {
        const double v = yMin + (i + 2) * step;
        labels.push_back({v, v > 0.0, LevelLabel::Grid});
    }
    return labels;
}

} // namespace korvan::curves
