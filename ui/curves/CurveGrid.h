#pragma once
// The shared logarithmic frequency grid of the response curves: point k
// (0..4095) lies at 48000^(k / 4096) Hz, so point 0 is 1 Hz and the last
// point about 47,874 Hz, just below half the unit's 96 kHz sample rate.

#include <array>
#include <cstddef>

namespace korvan::curves {

inline constexpr int CurvePointCount = 4096;
inline constexpr double CurveSampleRate = 96000.0;
// The frequency at grid position CurvePointCount (not itself a grid point).
inline constexpr double CurveTopFrequency = 48000.0;

using CurveValues = std::array<double, CurvePointCount>;

// What every response evaluation needs of a grid point: its frequency and
// the unit-circle terms e^(-jw) and e^(-2jw) at w = pi f / 48000.
struct GridPoint {
    double Frequency;
    double Cos1, Sin1; // cos(-w), sin(-w)
    double Cos2, Sin2; // cos(-2w), sin(-2w)
};

// The 4096 grid points, computed once on first use.
const std::array<GridPoint, CurvePointCount>& Grid();

// Frequency of grid point k: 10^(log10(48000) k / 4096).
double GridFrequency(int k);

// Grid position of a frequency: 4096 log10(f) / log10(48000). This is the x
// value of a frequency on every curve display.
double GridPosition(double hz);

} // namespace korvan::curves
