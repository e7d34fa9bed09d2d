#pragma once
// The static transfer curves of the dynamics pages, output level over
// input level in dB: the points the page's plot joins and the threshold
// marker beside them. Pure arithmetic over control positions.

#include <array>
#include <utility>

namespace korvan::editors {

using CurvePoint = std::pair<double, double>;

// The ratio step that limits (an infinite ratio).
inline constexpr int LimitRatioStep = 15;

// Unity below the knee, a straight knee from T - K to T + K, slope 1/ratio
// above it (0 at the limiting step). `thresholdPosition` counts half dB.
std::array<CurvePoint, 4> CompressorCurve(int thresholdPosition, int knee, int ratioStep);
// As the compressor at the limiting step.
std::array<CurvePoint, 4> LimiterCurve(int thresholdPosition, int knee);
// Unity down to the threshold, then straight down to -100 dB.
std::array<CurvePoint, 3> GateCurve(int thresholdPosition);
// The marker drawn just off the threshold on the diagonal.
CurvePoint ThresholdMarker(int thresholdPosition);

} // namespace korvan::editors
