#include "ui/curves/PlotSection.h"

#include "device/protocol/SharedConstants.h"

#include <cmath>
#include <numbers>

using korvan::curves::Biquad;
using korvan::curves::Complex;

namespace {

// 10 / ln(10): converts the natural logarithm of a power ratio to dB.
constexpr double DbPerNeper = 10.0 / std::numbers::ln10;

// Boost and cut both use V = 10^(|G| / 20); which formula applies follows
// the sign of the gain, so a cut is the exact mirror of the same boost.
bool DesignPeakOrShelf(std::int32_t type, double gain, double q, double k, Biquad& c) {
    const double v = gain >= 0.0 ? std::pow(10.0, 0.05 * gain) : std::pow(10.0, -0.05 * gain);
    const double sv = std::sqrt(v);
    const double k2 = k * k;
    const bool boost = gain >= 0.0;
    if (type == 1) {
        if (boost) {
            const double d = 1.0 + k / q + k2;
            c = {(1.0 + v * k / q + k2) / d, 2.0 * (k2 - 1.0) / d, (1.0 - v * k / q + k2) / d, 1.0, 0.0,
                 (1.0 - k / q + k2) / d};
        } else {
            const double d = 1.0 + v * k / q + k2;
            c = {(1.0 + k / q + k2) / d,    2.0 * (k2 - 1.0) / d, (1.0 - k / q + k2) / d, 1.0, 0.0,
                 (1.0 - v * k / q + k2) / d};
        }
        c.a1 = c.b1;
        return true;
    }
    if (type == 2) {
        if (boost) {
            const double d = 1.0 + k / q + k2;
            c = {(1.0 + sv * k / q + v * k2) / d,
                 2.0 * (v * k2 - 1.0) / d,
                 (1.0 - sv * k / q + v * k2) / d,
                 1.0,
                 2.0 * (k2 - 1.0) / d,
                 (1.0 - k / q + k2) / d};
        } else {
            const double d = 1.0 + sv * k / q + v * k2;
            c = {(1.0 + k / q + k2) / d,   2.0 * (k2 - 1.0) / d,           (1.0 - k / q + k2) / d, 1.0,
                 2.0 * (v * k2 - 1.0) / d, (1.0 - sv * k / q + v * k2) / d};
        }
        return true;
    }
    // High shelf.
    if (boost) {
        const double d = 1.0 + k / q + k2;
        c = {(v + sv * k / q + k2) / d, 2.0 * (k2 - v) / d,    (v - sv * k / q + k2) / d, 1.0,
             2.0 * (k2 - 1.0) / d,      (1.0 - k / q + k2) / d};
    } else {
        const double d1 = v + sv * k / q + k2;
        const double isv = std::sqrt(1.0 / v);
        const double d2 = 1.0 + isv * k / q + k2 / v;
        c = {(1.0 + k / q + k2) / d1,   2.0 * (k2 - 1.0) / d1,
             (1.0 - k / q + k2) / d1,   1.0,
             2.0 * (k2 / v - 1.0) / d2, (1.0 - isv * k / q + k2 / v) / d2};
    }
    return true;
}

// The arc tangent folds the phase into -9..+9 units; each type's known
// phase range decides which half turn the value belongs to.
double CorrectPhase(const PlotSection& s, double gridFrequency, double p) {
    switch (s.Type) {
    case 4:
    case 7:
    case 9:
    case 15:
    case 16:
        return p < 0.0 ? p + 18.0 : p;
    case 5:
    case 8:
    case 12:
    case 13:
        return p > 0.0 ? p - 18.0 : p;
    case 17:
        if (p > 0.0) {
            p -= 18.0;
        }
        return gridFrequency > s.Frequency ? p + 18.0 : p;
    case 2:
        if (s.Gain > 0.0 && p > 0.0) {
            return p - 18.0;
        }
        return s.Gain < 0.0 && p < 0.0 ? p + 18.0 : p;
    case 3:
        if (s.Gain > 0.0 && p < 0.0) {
            return p + 18.0;
        }
        return s.Gain < 0.0 && p > 0.0 ? p - 18.0 : p;
    default:
        return p;
    }
}

} // namespace

bool DesignBiquad(const PlotSection& section, Biquad& c) {
    const double k = std::tan(std::numbers::pi * section.Frequency / korvan::curves::CurveSampleRate);
    const double k2 = k * k;
    const double q = section.Q;
    const double a = section.CoefA;
    const double b = section.CoefB;
    switch (section.Type) {
    case 1:
    case 2:
    case 3:
        return DesignPeakOrShelf(section.Type, section.Gain, q, k, c);
    case 4: {
        const double d = 1.0 + k / q + k2;
        c = {1.0 / d, -2.0 / d, 1.0 / d, 1.0, 2.0 * (k2 - 1.0) / d, (1.0 - k / q + k2) / d};
        return true;
    }
    case 5: {
        const double d = 1.0 + k / q + k2;
        c = {k2 / d, 2.0 * k2 / d, k2 / d, 1.0, 2.0 * (k2 - 1.0) / d, (1.0 - k / q + k2) / d};
        return true;
    }
    case 6: {
        const double d = q * k2 + k + q;
        c = {2.0 * k / d, 0.0, -2.0 * k / d, 1.0, 2.0 * q * (k2 - 1.0) / d, (q * k2 - k + q) / d};
        return true;
    }
    case 7: {
        const double b0 = (1.0 - k) / (1.0 + k);
        c = {b0, -1.0, 0.0, 1.0, -b0, 0.0};
        return true;
    }
    case 8: {
        const double d = 1.0 + k;
        c = {k / d, k / d, 0.0, 1.0, (k - 1.0) / d, 0.0};
        return true;
    }
    case 9: {
        const double d = 1.0 + k;
        c = {-1.0 / d, 1.0 / d, 0.0, 1.0, (k - 1.0) / d, 0.0};
        return true;
    }
    case 10:
        c = Biquad{};
        return true;
    case 11: {
        const double cc = k / a;
        const double d = 1.0 + cc;
        c = {cc / d, cc / d, 0.0, 1.0, (cc - 1.0) / d, 0.0};
        return true;
    }
    case 12: {
        const double d = 1.0 + a * k + k2;
        c = {k2 / d, 2.0 * k2 / d, k2 / d, 1.0, 2.0 * (k2 - 1.0) / d, (1.0 - a * k + k2) / d};
        return true;
    }
    case 13: {
        const double d = 1.0 + (a / b) * k + k2 / b;
        c = {(k2 / b) / d, (2.0 * k2 / b) / d,       (k2 / b) / d,
             1.0,          2.0 * (k2 / b - 1.0) / d, (1.0 - (a / b) * k + k2 / b) / d};
        return true;
    }
    case 14: {
        const double d = 1.0 + a * k;
        c = {1.0 / d, -1.0 / d, 0.0, 1.0, (a * k - 1.0) / d, 0.0};
        return true;
    }
    case 15: {
        const double d = 1.0 + a * k + k2;
        c = {1.0 / d, -2.0 / d, 1.0 / d, 1.0, 2.0 * (k2 - 1.0) / d, (1.0 - a * k + k2) / d};
        return true;
    }
    case 16: {
        const double d = 1.0 + a * k + b * k2;
        c = {1.0 / d, -2.0 / d, 1.0 / d, 1.0, 2.0 * (b * k2 - 1.0) / d, (1.0 - a * k + b * k2) / d};
        return true;
    }
    case 17: {
        const double d = 1.0 + k / q + k2;
        const double b1 = (2.0 * k2 - 2.0) / d;
        c = {(1.0 - k / q + k2) / d, b1, (1.0 + k / q + k2) / d, 1.0, b1, (1.0 - k / q + k2) / d};
        return true;
    }
    default:
        return false;
    }
}

double ComplexAbs(double re, double im) {
    return std::sqrt(re * re + im * im);
}

void ComputeResponse(PlotSection& section) {
    // Starts from the flat set, so an unknown type reads flat.
    Biquad c;
    if (section.Type == 10 || !DesignBiquad(section, c)) {
        // Flat: 0 dB and 0 phase at every point, with no evaluation (the
        // crossover editor resets five work sections to flat on every edit).
        section.Response.SetZero();
        return;
    }
    const auto& grid = korvan::curves::Grid();
    double* response = section.Response.data();
    for (int k = 0; k < korvan::curves::CurvePointCount; ++k) {
        const korvan::curves::GridPoint& g = grid[static_cast<std::size_t>(k)];
        Complex a{c.a0, 0.0};
        ComplexAdd(a, a, {c.a1 * g.Cos1, c.a1 * g.Sin1});
        ComplexAdd(a, a, {c.a2 * g.Cos2, c.a2 * g.Sin2});
        Complex b{c.b0, 0.0};
        ComplexAdd(b, b, {c.b1 * g.Cos1, c.b1 * g.Sin1});
        ComplexAdd(b, b, {c.b2 * g.Cos2, c.b2 * g.Sin2});
        double& out = response[k];
        if (section.PhaseMode == 0) {
            // -20 log10(|A| / |B|), taken as 10 log10 of the squared ratio
            // through the natural logarithm, which is the faster one.
            out = DbPerNeper * std::log((b.Re * b.Re + b.Im * b.Im) / (a.Re * a.Re + a.Im * a.Im));
        } else {
            const double p =
                -std::atan((a.Im * b.Re - a.Re * b.Im) / (a.Re * b.Re + a.Im * b.Im)) * PhaseUnitsPerRadian;
            out = CorrectPhase(section, g.Frequency, p);
        }
    }
}

void SetSection(PlotSection& section, double gain, double frequency, double q, std::int32_t type) {
    section.Gain = gain;
    section.Frequency = frequency;
    section.Q = q;
    section.Type = type;
    ComputeResponse(section);
}

void SetSectionEx(PlotSection& section, double gain, double frequency, double q, std::int32_t type,
                  float coefA, float coefB) {
    section.Gain = gain;
    section.Frequency = frequency;
    section.Q = q;
    section.Type = type;
    section.CoefA = coefA;
    section.CoefB = coefB;
    ComputeResponse(section);
}
