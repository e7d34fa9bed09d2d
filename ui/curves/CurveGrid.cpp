#include "ui/curves/CurveGrid.h"

#include <cmath>
#include <numbers>

namespace korvan::curves {

namespace {

std::array<GridPoint, CurvePointCount> MakeGrid() {
    std::array<GridPoint, CurvePointCount> grid{};
    for (int k = 0; k < CurvePointCount; ++k) {
        const double f = GridFrequency(k);
        const double w = std::numbers::pi * f / CurveTopFrequency;
        grid[static_cast<std::size_t>(k)] = {f, std::cos(-w), std::sin(-w), std::cos(-2.0 * w),
                                             std::sin(-2.0 * w)};
    }
    return grid;
}

} // namespace

const std::array<GridPoint, CurvePointCount>& Grid() {
    static const std::array<GridPoint, CurvePointCount> grid = MakeGrid();
    return grid;
}

double GridFrequency(int k) {
    return std::pow(10.0, std::log10(CurveTopFrequency) * k / CurvePointCount);
}

double GridPosition(double hz) {
    return CurvePointCount * std::log10(hz) / std::log10(CurveTopFrequency);
}

} // namespace korvan::curves
