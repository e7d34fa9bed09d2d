#include "ui/main/editors/DynamicsCurves.h"

#include "device/protocol/SharedConstants.h"

#include <algorithm>
#include <cstddef>

namespace korvan::editors {

namespace {

constexpr double Top = 20;
constexpr double Floor = -100;

double Decibels(int thresholdPosition) {
    return thresholdPosition * 0.5;
}

} // namespace

std::array<CurvePoint, 4> CompressorCurve(int thresholdPosition, int knee, int ratioStep) {
    const double t = Decibels(thresholdPosition);
    const double k = knee;
    double a = 0;
    double b = 0;
    if (ratioStep != LimitRatioStep) {
        const double r = RatioTable[std::size_t(std::clamp(ratioStep, 0, LimitRatioStep))];
        a = (Top - t) / r;
        b = k / r;
    }
    return {{{Top, t + a}, {t + k, t + b}, {t - k, t - k}, {Floor, Floor}}};
}

std::array<CurvePoint, 4> LimiterCurve(int thresholdPosition, int knee) {
    return CompressorCurve(thresholdPosition, knee, LimitRatioStep);
}

std::array<CurvePoint, 3> GateCurve(int thresholdPosition) {
    const double t = Decibels(thresholdPosition);
    return {{{Top, Top}, {t, t}, {t, Floor}}};
}

CurvePoint ThresholdMarker(int thresholdPosition) {
    const double t = Decibels(thresholdPosition);
    return {t + 0.2, t - 0.4};
}

} // namespace korvan::editors
