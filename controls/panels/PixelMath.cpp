#include "controls/panels/PixelMath.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace korvan::panels {

namespace {
constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();
} // namespace

int SaturatedInt(std::int64_t value) {
    return int(std::clamp<std::int64_t>(value, kIntMin, kIntMax));
}

int SaturatedInt(double value) {
    if (std::isnan(value))
        return 0;
    return int(std::lround(std::clamp(value, double(kIntMin), double(kIntMax))));
}

int WithinPixelRange(int value) {
    return std::clamp(value, -kPixelLimit, kPixelLimit);
}

TRect WithinPixelRange(TRect rect) {
    return {WithinPixelRange(rect.Left), WithinPixelRange(rect.Top), WithinPixelRange(rect.Right),
            WithinPixelRange(rect.Bottom)};
}

TRect Deflated(TRect rect, int dx, int dy) {
    const auto inward = [](int v, std::int64_t by) { return SaturatedInt(std::int64_t(v) + by); };
    return {inward(rect.Left, dx), inward(rect.Top, dy), inward(rect.Right, -std::int64_t(dx)),
            inward(rect.Bottom, -std::int64_t(dy))};
}

} // namespace korvan::panels
