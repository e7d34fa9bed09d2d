#include "ui/curves/Plot.h"

#include "device/protocol/SharedConstants.h"
#include "platform/gfx/Color.h"
#include "ui/curves/LMyFFTDrawHpLp6dB.h"
#include "ui/curves/PhaseWrap.h"

#include <algorithm>
#include <array>
#include <memory>
#include <utility>

using korvan::curves::CurvePointCount;

namespace {

// Every section starts designed as a PlotSection's own defaults (0 dB high
// shelf at 1000 Hz, Q 0.4, magnitude): that curve is computed once and
// shared by every fresh section until it is designed anew.
std::shared_ptr<const korvan::curves::CurveValues> FreshSectionCurve() {
    static const auto curve = [] {
        PlotSection fresh;
        SetSection(fresh, fresh.Gain, fresh.Frequency, fresh.Q, fresh.Type);
        auto values = std::make_shared<korvan::curves::CurveValues>();
        std::copy(std::as_const(fresh.Response).begin(), std::as_const(fresh.Response).end(),
                  values->begin());
        return std::shared_ptr<const korvan::curves::CurveValues>(std::move(values));
    }();
    return curve;
}

} // namespace

Plot::Plot(LMyFFTDrawHpLp6dB* display) : Display(display) {
    for (auto& section : Sections) {
        section = std::make_unique<PlotSection>();
        section->Response = korvan::curves::SectionCurve(FreshSectionCurve());
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
    // Summed a block of points at a time in a small buffer: the sections'
    // curves lie a near multiple of 4 KiB apart, and adding each one into
    // the total in turn made every load wait on the store before it.
    constexpr int Block = 256;
    static_assert(CurvePointCount % Block == 0);
    for (int k0 = 0; k0 < CurvePointCount; k0 += Block) {
        std::array<double, Block> sum{};
        for (int n = 0; n < SummedSections; ++n) {
            const double* r = std::as_const(Sections[static_cast<std::size_t>(n)]->Response).data() + k0;
            for (int i = 0; i < Block; ++i) {
                sum[static_cast<std::size_t>(i)] += r[i];
            }
        }
        std::copy(sum.begin(), sum.end(), total.begin() + k0);
    }
    if (PhaseMode == 1) {
        for (double& s : total) {
            s = korvan::curves::WrapPhaseUnits(s);
        }
    }
}

namespace {

bool IsSection(int n) {
    return n >= 0 && n < Plot::SectionSlots;
}

} // namespace

void Plot::DrawSectionMarker(int n, float level, int kind) {
    if (Display == nullptr || !IsSection(n)) {
        return;
    }
    const PlotSection& s = *Sections[static_cast<std::size_t>(n)];
    const auto color = static_cast<TColor>(MarkerColors[static_cast<std::size_t>(n)]);
    Display->DrawBlock(level, korvan::curves::GridPosition(s.Frequency), color, n, false, kind);
    Display->SetBlockParameter(n, s.Frequency, s.Gain, s.Q, s.Type);
}

void Plot::DrawTotalCurve(int colourIndex) {
    BuildTotal();
    if (Display == nullptr || colourIndex < 0 || colourIndex >= static_cast<int>(TotalCurveColors.size())) {
        return;
    }
    const auto color = static_cast<TColor>(TotalCurveColors[static_cast<std::size_t>(colourIndex)]);
    Display->FFTDraw(std::as_const(Sections[TotalSection]->Response).data(), CurvePointCount, TotalSection,
                     color, PlotLine);
}

void Plot::DrawSectionCurve(int n, TColor colour) {
    if (Display == nullptr || !IsSection(n)) {
        return;
    }
    Display->FFTDraw(std::as_const(Sections[static_cast<std::size_t>(n)]->Response).data(), CurvePointCount,
                     n, colour, PlotLine);
}

void Plot::RemoveCurve(int n) {
    if (Display != nullptr) {
        Display->RemovePlot(n);
    }
}

void Plot::ShowSectionParam(int peqType, int n, float gain, float q, bool show) {
    if (Display == nullptr) {
        return;
    }
    n = n < 0 ? 0 : n;
    if (!show || !IsSection(n)) {
        Display->SetCurveDisplay(false);
        return;
    }
    const PlotSection& s = *Sections[static_cast<std::size_t>(n)];
    Display->DrawParam(peqType, gain, korvan::curves::GridPosition(s.Frequency),
                       static_cast<float>(s.Frequency), q, clYellow);
    Display->DrawCurveFill(peqType, s.Response.data(), CurvePointCount);
    Display->SetCurveDisplay(true);
}
