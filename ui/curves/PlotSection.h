#pragma once
// One filter section of a curve calculator: a biquad designed for 96 kHz by
// the bilinear transform, and its magnitude (dB) or phase (units of 10
// degrees) on the 4096-point curve grid.

#include "ui/curves/CurveGrid.h"
#include "ui/curves/SectionCurve.h"

#include <cstdint>

struct PlotSection {
    float CoefA = 0.0f; // prototype coefficient a (types 11 to 16)
    float CoefB = 0.0f; // prototype coefficient b (types 13 and 16)
    // 0: Response holds magnitudes in dB; any other value: phase.
    std::uint8_t PhaseMode = 0;
    // 1 peak, 2 low shelf, 3 high shelf, 4 high-pass (Q), 5 low-pass (Q),
    // 6 band-pass, 7 all-pass 1st order, 8 low-pass 1st order, 9 inverted
    // high-pass 1st order, 10 flat, 11 to 16 low- and high-pass prototypes,
    // 17 all-pass 2nd order. Any other code is flat.
    std::int32_t Type = 3;
    double Frequency = 1000.0; // corner or centre frequency in Hz
    double Gain = 0.0;         // dB (types 1 to 3)
    double Q = 0.4;            // types 1 to 6 and 17
    // Reads 0 everywhere until the section is first computed.
    korvan::curves::SectionCurve Response;
};

namespace korvan::curves {

// H(z) = (b0 + b1 z^-1 + b2 z^-2) / (a0 + a1 z^-1 + a2 z^-2); a new set is
// the flat filter.
struct Biquad {
    double b0 = 1.0, b1 = 0.0, b2 = 0.0;
    double a0 = 1.0, a1 = 0.0, a2 = 0.0;
};

struct Complex {
    double Re = 0.0;
    double Im = 0.0;
};

} // namespace korvan::curves

// Stores the four values and recomputes the response.
void SetSection(PlotSection& section, double gain, double frequency, double q, std::int32_t type);
// The same with the prototype coefficients of a cascade section.
void SetSectionEx(PlotSection& section, double gain, double frequency, double q, std::int32_t type,
                  float coefA, float coefB);

// Designs the section and fills Response. A type outside 1..17 evaluates
// as the flat filter (0 dB, 0 phase), never as an earlier design.
void ComputeResponse(PlotSection& section);

// Fills coefficients for type codes 1..17 and returns true; returns false
// and leaves coefficients untouched for any other code.
bool DesignBiquad(const PlotSection& section, korvan::curves::Biquad& coefficients);

inline void ComplexAdd(korvan::curves::Complex& result, const korvan::curves::Complex& first,
                       const korvan::curves::Complex& second) {
    result = {first.Re + second.Re, first.Im + second.Im};
}

double ComplexAbs(double re, double im);
