#include "ui/main/editors/ChannelCurves.h"

#include "device/model/LUnitControl.h"
#include "device/protocol/SharedConstants.h"
#include "device/protocol/ValueScales.h"
#include "ui/curves/LMyFFTDrawHpLp6dB.h"
#include "ui/curves/Plot.h"
#include "ui/main/form/PageNames.h"

#include <cstddef>
#include <utility>

namespace korvan::editors {

namespace {

constexpr int WorkOffset = 3; // work sections start at first + 3
constexpr int WorkSections = 5;
constexpr int FlatType = 10;
constexpr int PeakType = 1;
constexpr double StageQ = 0.05;
constexpr int GeqBands = 31;

int BandCount(int ch) {
    return ch < mainform::InputCount ? 8 : 9;
}

PlotSection& Section(Plot& plot, int n) {
    return *plot.Sections[static_cast<std::size_t>(n)];
}

// The prototype stages of one filter, set one after the other into the
// work sections; the result then takes the last stage's parameters and
// the sum of every work section.
class Cascade {
public:
    Cascade(Plot& plot, int first, bool highPass, double hz)
        : plot_(plot), work_(first + WorkOffset), highPass_(highPass), hz_(hz) {}

    void FirstOrder(float a) { Stage(work_ + next_++, highPass_ ? 14 : 11, a, 0.0f); }
    void SecondOrder(float a) { Stage(work_ + next_++, highPass_ ? 15 : 12, a, 0.0f); }
    void SecondOrder(float a, float b) { Stage(work_ + next_++, highPass_ ? 16 : 13, a, b); }
    void Flat() { SetFlat(work_ + next_++); }

    void Butterworth(int row) {
        const auto& c = ButterworthSections[static_cast<std::size_t>(row - 1)];
        c[0] == 1.0f ? FirstOrder(1.0f) : Flat();
        for (std::size_t i = 1; i < c.size(); ++i)
            c[i] != 0.0f ? SecondOrder(c[i]) : Flat();
    }
    void Bessel(int row) {
        const auto& pairs = BesselSections[static_cast<std::size_t>(row - 9)];
        pairs[0][0] != 0.0f ? FirstOrder(pairs[0][0]) : Flat();
        for (std::size_t i = 1; i < pairs.size(); ++i)
            pairs[i][0] != 0.0f ? SecondOrder(pairs[i][0], pairs[i][1]) : Flat();
    }

    // The result section takes the last stage's parameters at hz and the
    // point-by-point sum of the work sections (not wrapped).
    void Sum(PlotSection& result) {
        if (last_ >= 0) {
            const PlotSection& stage = Section(plot_, last_);
            result.Type = stage.Type;
            result.CoefA = stage.CoefA;
            result.CoefB = stage.CoefB;
        }
        result.Frequency = hz_;
        result.Gain = 0.0;
        result.Q = StageQ;
        result.PhaseMode = plot_.PhaseMode;
        result.Response.fill(0.0);
        double* out = result.Response.data();
        for (int i = 0; i < WorkSections; ++i) {
            const double* r = std::as_const(Section(plot_, work_ + i).Response).data();
            for (std::size_t k = 0; k < korvan::curves::SectionCurve::size(); ++k)
                out[k] += r[k];
        }
    }

private:
    void Stage(int n, int type, float a, float b) {
        SetSectionEx(Section(plot_, n), 0.0, hz_, StageQ, type, a, b);
        last_ = n;
    }
    void SetFlat(int n) { SetSectionEx(Section(plot_, n), 0.0, 1000.0, StageQ, FlatType, 0.0f, 0.0f); }

    Plot& plot_;
    int work_;
    bool highPass_;
    double hz_;
    int next_ = 0;
    int last_ = -1;
};

} // namespace

BandValues ValuesOf(const PeqBand& band) {
    const std::size_t q = band.q < QTable.size() ? band.q : QTable.size() - 1;
    return {IndexToFreq(band.freq), DeviceToGain(band.gain), double(QTable[q]), band.type};
}

void ChannelCurves::SetBandSection(int ch, int band, const BandSetting& setting) {
    Plot* plot = context_.PlotAt(ch);
    if (plot == nullptr || band < 0 || band >= Plot::SummedSections)
        return;
    Touched(ch);
    const BandValues v = ValuesOf(setting.band);
    const std::size_t type = setting.band.type < PeqTypeSectionKind.size() ? setting.band.type : 0;
    if (setting.bypass)
        SetSection(Section(*plot, band), 0.0, v.freqHz, v.q, FlatType);
    else
        SetSection(Section(*plot, band), v.gainDb, v.freqHz, v.q, PeqTypeSectionKind[type]);
    plot->DrawSectionMarker(band, float(v.gainDb), 1);
}

void ChannelCurves::SetPeqSections(int ch) {
    const LUnitControl& model = context_.Model();
    for (int b = 0; b < BandCount(ch); ++b)
        SetBandSection(ch, b, {model.GetPeqBand(ch, b), model.IsPeqBandBypassed(ch, b)});
}

void ChannelCurves::SetPassSection(int ch, bool highPass) {
    const CrossoverSetting x = context_.Model().GetCrossover(ch);
    const int type = highPass ? x.hpType : x.lpType;
    const double hz = double(float(IndexToFreq(highPass ? x.hpFreq : x.lpFreq)));
    BuildHpLpCurve(highPass, type, hz, PassSection, ch);
}

void ChannelCurves::BuildPeqCurve(int ch) {
    Plot* plot = context_.PlotAt(ch);
    if (plot == nullptr || ch >= mainform::ChannelCount)
        return;
    SetPeqSections(ch);
    plot->DrawTotalCurve(ch);
}

void ChannelCurves::BuildHighPassCurve(int ch) {
    Plot* plot = context_.PlotAt(ch);
    if (plot == nullptr || ch >= mainform::ChannelCount)
        return;
    SetPassSection(ch, true);
    plot->DrawTotalCurve(ch);
}

void ChannelCurves::BuildLowPassCurve(int ch) {
    Plot* plot = context_.PlotAt(ch);
    if (plot == nullptr || ch >= mainform::ChannelCount)
        return;
    SetPassSection(ch, false);
    plot->DrawTotalCurve(ch);
}

void ChannelCurves::BuildHpLpCurve(bool highPass, int type, double hz, int first, int ch) {
    Plot* plot = context_.PlotAt(ch);
    if (plot == nullptr || first < 0 || first + WorkOffset + WorkSections > Plot::SectionSlots)
        return;
    Touched(ch);
    const int resultAt = highPass ? first : first + 1;
    PlotSection& result = Section(*plot, resultAt);
    const int row = type >= 0 && type < int(CrossoverRowMap.size()) ? CrossoverRowMap[std::size_t(type)] : 0;

    Cascade cascade(*plot, first, highPass, hz);
    for (int i = 0; i < WorkSections; ++i)
        cascade.Flat();
    Cascade stages(*plot, first, highPass, hz);
    if (row == 0) {
        SetSectionEx(result, 0.0, hz, StageQ, FlatType, 0.0f, 0.0f);
    } else if (row == 1) {
        SetSectionEx(result, 0.0, hz, StageQ, highPass ? 14 : 11, 1.0f, 0.0f);
    } else {
        if (row <= 8) {
            stages.Butterworth(row);
        } else if (row <= 16) {
            stages.Bessel(row);
        } else {
            // Linkwitz-Riley: the Butterworth filter of half the order, twice.
            const auto& bw = ButterworthSections;
            switch (row) {
            case 17:
                stages.FirstOrder(1.0f), stages.FirstOrder(1.0f);
                break;
            case 18:
                stages.SecondOrder(bw[1][1]), stages.SecondOrder(bw[1][1]);
                break;
            case 19:
                stages.FirstOrder(1.0f), stages.FirstOrder(1.0f);
                stages.SecondOrder(bw[2][1]), stages.SecondOrder(bw[2][1]);
                break;
            default:
                stages.SecondOrder(bw[3][2]), stages.SecondOrder(bw[3][2]);
                stages.SecondOrder(bw[3][1]), stages.SecondOrder(bw[3][1]);
                break;
            }
        }
        stages.Sum(result);
    }
    plot->DrawSectionMarker(resultAt, 0.0f, highPass ? 3 : 2);
}

void ChannelCurves::SetGeqSections(int input) {
    Touched(FirstGeqDisplay + input);
    Plot& plot = *context_.PlotAt(FirstGeqDisplay + input);
    const LUnitControl& model = context_.Model();
    for (int b = 0; b < GeqBands; ++b)
        SetSection(Section(plot, b), DeviceToGain(model.GetGeqBand(input, b)),
                   double(GeqCentres[std::size_t(b)]), GeqQ, PeakType);
}

void ChannelCurves::BuildGeqCurve(int input) {
    const int d = FirstGeqDisplay + input;
    Plot* plot = context_.PlotAt(d);
    if (plot == nullptr || input < 0 || input >= mainform::InputCount)
        return;
    SetGeqSections(input);
    plot->DrawTotalCurve(d);
    if (plot->Display)
        plot->Display->UpdateCurvePage();
}

ChannelCurves::Inputs ChannelCurves::InputsOf(int d) const {
    Inputs in;
    const LUnitControl& model = context_.Model();
    in.phase = context_.PlotAt(d)->PhaseMode;
    if (d < mainform::ChannelCount) {
        for (int b = 0; b < BandCount(d); ++b) {
            in.bands[std::size_t(b)] = model.GetPeqBand(d, b);
            in.bypassed |= model.IsPeqBandBypassed(d, b) ? 1u << b : 0u;
        }
        in.crossover = model.GetCrossover(d);
    } else {
        for (int b = 0; b < GeqBands; ++b)
            in.bands[std::size_t(b)].gain = model.GetGeqBand(d - FirstGeqDisplay, b);
    }
    return in;
}

bool ChannelCurves::NeededNow(int d) const {
    // On the page on show, whether or not the window itself is shown yet.
    auto showing = [this](int display) {
        const Plot* plot = context_.PlotAt(display);
        if (plot == nullptr || plot->Display == nullptr)
            return false;
        for (const TControl* c = plot->Display; c != nullptr && c->Parent() != nullptr; c = c->Parent())
            if (!c->Visible())
                return false;
        return true;
    };
    if (showing(d))
        return true;
    if (d >= mainform::ChannelCount)
        return false;
    // A channel display overlays the channels of its kind; the Gain page's
    // two take them all.
    if (showing(GainInDisplay) || showing(GainOutDisplay))
        return true;
    const bool input = d < mainform::InputCount;
    for (int other = 0; other < mainform::ChannelCount; ++other)
        if ((other < mainform::InputCount) == input && showing(other))
            return true;
    return false;
}

std::uint32_t ChannelCurves::BuildAll() {
    // Most refreshes change few channels: a display whose values and view
    // are those of its last build keeps its sections and its drawing.
    std::uint32_t builtNow = 0;
    for (int d = 0; d < CalculatorCount; ++d) {
        const bool channel = d < mainform::ChannelCount;
        if (context_.PlotAt(d) == nullptr || (!channel && d < FirstGeqDisplay))
            continue;
        const Inputs now = InputsOf(d);
        if (now == built_[std::size_t(d)] || !NeededNow(d))
            continue;
        if (channel) {
            SetPeqSections(d);
            SetPassSection(d, true);
            SetPassSection(d, false);
            context_.PlotAt(d)->DrawTotalCurve(d);
        } else {
            BuildGeqCurve(d - FirstGeqDisplay);
        }
        built_[std::size_t(d)] = now;
        builtNow |= 1u << d;
    }
    return builtNow;
}

void ChannelCurves::Touched(int d) {
    if (d >= 0 && d < CalculatorCount)
        built_[std::size_t(d)].phase = -1;
}

void ChannelCurves::RedrawTotal(int ch) {
    if (Plot* plot = context_.PlotAt(ch)) {
        plot->DrawTotalCurve(ch);
        if (plot->Display)
            plot->Display->UpdateCurvePage();
    }
}

int ChannelCurves::GetPlotMode(const Plot& plot) {
    return plot.PhaseMode;
}

bool ChannelCurves::SetPhaseView(int ch, bool phase) {
    Plot* plot = context_.PlotAt(ch);
    if (plot == nullptr || ch >= mainform::ChannelCount || (GetPlotMode(*plot) == 1) == phase)
        return false;
    plot->SetPhaseMode(phase ? 1 : 0);
    Touched(ch);
    BuildPeqCurve(ch);
    BuildHighPassCurve(ch);
    BuildLowPassCurve(ch);
    if (LMyFFTDrawHpLp6dB* display = plot->Display) {
        display->SetNumHorzGrid(phase ? 7 : 11);
        display->SetYLabel(phase ? "" : "dB");
        display->SetYLabelScale(phase ? 10.0 : 1.0);
        display->SetYMax(18.0);
        display->SetYMin(-18.0);
    }
    return true;
}

} // namespace korvan::editors
