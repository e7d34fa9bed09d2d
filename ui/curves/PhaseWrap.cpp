#include "ui/curves/PhaseWrap.h"

#include <cmath>

namespace korvan::curves {

double WrapPhaseUnits(double units) {
    constexpr double half = 18.0;
    constexpr double turn = 36.0;
    if (!std::isfinite(units)) {
        return units;
    }
    if (units > half) {
        units -= turn * std::ceil((units - half) / turn);
    } else if (units < -half) {
        units += turn * std::ceil((-half - units) / turn);
    }
    return units;
}

} // namespace korvan::curves
