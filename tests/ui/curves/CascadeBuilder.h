#pragma once
// Builds a high- or low-pass curve the way the crossover editor does: up to
// five work sections (34..38) of prototype types 11..16 with the shared
// Butterworth and Bessel coefficients, summed into section 31 or 32.
// Shared by the curve tests and the curve benchmark.

#include "device/protocol/SharedConstants.h"
#include "ui/curves/Plot.h"

#include <cstddef>

namespace korvan::curves::testing {

inline constexpr int FirstWorkSection = 34;
inline constexpr int WorkSections = 5;

// row: a CrossoverRowMap value, 1..8 Butterworth order 1..8, 9..16 Bessel
// order 1..8, 17..20 Linkwitz-Riley 12, 24, 36, 48 dB.
inline void BuildCascade(Plot& plot, int target, bool highPass, int row, double frequency) {
    for (int i = 0; i < WorkSections; ++i) {
        SetSection(*plot.Sections[static_cast<std::size_t>(FirstWorkSection + i)], 0.0, 1000.0, 0.4, 10);
    }
    int next = FirstWorkSection;
    auto add = [&](int type, float a, float b) {
        SetSectionEx(*plot.Sections[static_cast<std::size_t>(next++)], 0.0, frequency, 0.4, type, a, b);
    };
    auto butterworth = [&](int order) {
        const auto& c = ButterworthSections[static_cast<std::size_t>(order - 1)];
        if (c[0] != 0.0f) {
            add(highPass ? 14 : 11, c[0], 0.0f);
        }
        for (std::size_t j = 1; j < c.size(); ++j) {
            if (c[j] != 0.0f) {
                add(highPass ? 15 : 12, c[j], 0.0f);
            }
        }
    };
    if (row >= 1 && row <= 8) {
        butterworth(row);
    } else if (row >= 9 && row <= 16) {
        const auto& pairs = BesselSections[static_cast<std::size_t>(row - 9)];
        if (pairs[0][0] != 0.0f) {
            add(highPass ? 14 : 11, pairs[0][0], 0.0f);
        }
        for (std::size_t j = 1; j < pairs.size(); ++j) {
            if (pairs[j][0] != 0.0f) {
                add(highPass ? 16 : 13, pairs[j][0], pairs[j][1]);
            }
        }
    } else if (row >= 17 && row <= 20) {
        butterworth(row - 16);
        butterworth(row - 16);
    }
    // The pass curve keeps the parameters of the last work section set.
    PlotSection& curve = *plot.Sections[static_cast<std::size_t>(target)];
    if (next > FirstWorkSection) {
        const PlotSection& last = *plot.Sections[static_cast<std::size_t>(next - 1)];
        curve.Type = last.Type;
        curve.Frequency = last.Frequency;
        curve.Gain = last.Gain;
        curve.Q = last.Q;
        curve.CoefA = last.CoefA;
        curve.CoefB = last.CoefB;
    }
    auto& out = curve.Response;
    out.fill(0.0);
    for (int i = 0; i < WorkSections; ++i) {
        const auto& r = plot.Sections[static_cast<std::size_t>(FirstWorkSection + i)]->Response;
        for (std::size_t k = 0; k < out.size(); ++k) {
            out[k] += r[k];
        }
    }
}

} // namespace korvan::curves::testing
