#include "ui/curves/Plot.h"

#include "ui/curves/PhaseWrap.h"

using korvan::curves::CurvePointCount;

Plot::Plot(LMyFFTDrawHpLp6dB* display) : Display(display) {
    for (auto& section : Sections) {
        section = std::make_unique<PlotSection>();
        SetSection(*section, 0.0, 1000.0, 0.4, 3);
    }
}

Plot::~Plot() = default;

void Plot::SetPhaseMode(std::uint8_t mode) {
    PhaseMode = mode;
    for (auto& section : Sections) {
        section->PhaseMode = mode;
    }
}

void Plot::BuildTotal() {
    auto& total = Sections[TotalSection]->Response;
    total.fill(0.0);
    for (int n = 0; n < SummedSections; ++n) {
        const auto& r = Sections[static_cast<std::size_t>(n)]->Response;
        for (int k = 0; k < CurvePointCount; ++k) {
            total[static_cast<std::size_t>(k)] += r[static_cast<std::size_t>(k)];
        }
    }
    if (PhaseMode == 1) {
        for (double& s : total) {
            s = korvan::curves::WrapPhaseUnits(s);
        }
    }
}
