#include "ui/main/editors/PeqBandEditor.h"

#include "controls/panels/BmpButton.h"
#include "controls/panels/PowerButton.h"
#include "device/model/LUnitControl.h"
#include "device/protocol/CommandCodes.h"
#include "device/protocol/CommandRecords.h"
#include "device/protocol/SharedConstants.h"
#include "device/protocol/ValueScales.h"
#include "platform/forms/Timer.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/forms/WinControl.h"
#include "platform/sys/FlagScope.h"
#include "platform/text/Format.h"
#include "ui/curves/LMyFFTDrawHpLp6dB.h"
#include "ui/curves/PeqBandGrid.h"
#include "ui/curves/Plot.h"
#include "ui/main/form/Faders.h"
#include "ui/main/form/PageNames.h"

#include <cmath>
#include <cstddef>

namespace korvan::editors {

using mainform::ChannelCount;
using mainform::ChannelSuffix;
using mainform::InputCount;

namespace {

constexpr int ShelfMaxQIndex = 35;   // Q 3.0
constexpr int TypeChangeQIndex = 10; // Q 0.71
constexpr int GainZero = 120;
constexpr int MaxFreqIndex = 300;
constexpr int MaxQIndex = 100;
constexpr int MaxGain = 240;

int BandCount(int ch) {
    return ch < InputCount ? 8 : 9;
}

bool FreeQ(int type) {
    return type == 0 || type == 7 || type == 8;
}

bool IsChannel(int ch) {
    return ch >= 0 && ch < ChannelCount;
}

std::size_t At(int ch) {
    return static_cast<std::size_t>(ch);
}

int Clamp(long value, int high) {
    return value < 0 ? 0 : value > high ? high : int(value);
}

// A fader's position from its stored range; false when there is no fader.
bool MoveFader(TControl* fader, int position, bool enabled) {
    if (!mainform::SetFaderPosition(fader, position))
        return false;
    fader->SetEnabled(enabled);
    return true;
}

struct KeyStep {
    std::uint16_t key;
    const char* fader;
    int step;
};

// One 1/30-octave step, one Q index, 0.1 dB.
constexpr KeyStep KeySteps[] = {
    {VK_LEFT, "isEqFreq", -1},   {VK_RIGHT, "isEqFreq", +1},  {VK_ADD, "isEqBw", +1},
    {VK_OEM_PLUS, "isEqBw", +1}, {VK_SUBTRACT, "isEqBw", -1}, {VK_OEM_MINUS, "isEqBw", -1},
    {VK_UP, "isEqGain", +1},     {VK_DOWN, "isEqGain", -1},
};

} // namespace

std::string PeqFrequencyText(double hz) {
    const float f = float(hz);
    if (f >= 1000.0f)
        return text::Printf("%4.2fKHz", {double(f) * 0.001});
    return text::Printf(" %4.1fHz", {double(f)});
}

std::string PeqQText(int qIndex) {
    return text::Printf("%3.2f", {double(QTable[At(Clamp(qIndex, MaxQIndex))])});
}

std::string PeqGainText(int position) {
    const double db = (position - GainZero) * 0.1;
    return text::Printf(position >= GainZero ? "+%3.1fdB" : "%4.1fdB", {db});
}

bool ApplyQRules(PeqBand& band, int modelType, int defaultQIndex) {
    const int type = band.type;
    int q = band.q;
    if (FreeQ(type)) {
        if (modelType != type)
            q = defaultQIndex;
    } else if (modelType == type) {
        q = std::min(q, ShelfMaxQIndex);
    } else {
        q = TypeChangeQIndex;
    }
    if (q == band.q)
        return false;
    band.q = static_cast<std::uint8_t>(q);
    return true;
}

// --- selection ---------------------------------------------------------------------

int PeqBandEditor::SelectedBand(int ch) const {
    return IsChannel(ch) ? selected_[At(ch)] : NoBand;
}

void PeqBandEditor::PressBandButton(int ch, int band, bool down) {
    auto* button = context_.Find<TRzBmpButton>("rzbEq" + std::to_string(band + 1) + ChannelSuffix(ch));
    if (button == nullptr)
        return;
    if (down || button->AllowAllUp() || !button->Down()) {
        button->SetDown(down);
        return;
    }
    // A band group keeps one button down; a release lets all be up for
    // the moment, so no band shows as chosen.
    button->SetAllowAllUp(true);
    button->SetDown(false);
    button->SetAllowAllUp(false);
}

void PeqBandEditor::FocusFrequency(int ch) {
    if (auto* edit = context_.Find<TWinControl>("cvdEqFreq" + ChannelSuffix(ch)); edit && edit->CanFocus())
        edit->SetFocus();
}

void PeqBandEditor::MarkSelected(int ch, int band) {
    if (!IsChannel(ch) || band < 0 || band >= BandCount(ch))
        return;
    selected_[At(ch)] = band;
    SyncGrid(ch, band);
}

void PeqBandEditor::SyncGrid(int ch, int band) {
    auto* grid = context_.Find<TPeqBandGrid>("peqPeq" + ChannelSuffix(ch));
    if (grid == nullptr)
        return;
    grid->SetNowIndex(band);
    if (band == NoBand)
        grid->SetNowIndex(-1);
}

void PeqBandEditor::AttachGrid(int ch) {
    auto* grid = IsChannel(ch) ? context_.Find<TPeqBandGrid>("peqPeq" + ChannelSuffix(ch)) : nullptr;
    if (grid == nullptr)
        return;
    grid->OnChange = [this](TObject* s) { GridChanged(s); };
    grid->OnEditMouseDown = [this](TObject* s, TMouseButton, TShiftState, int, int) {
        if (auto* g = dynamic_cast<TPeqBandGrid*>(s))
            SelectBand(g->Tag(), g->NowIndex(), false);
    };
    // The wheel never changes a band's type.
    grid->OnPeqTypeMouseWheel = [](TObject*, TShiftState, int, int, int, bool& handled) { handled = true; };
}

void PeqBandEditor::GridChanged(TObject* sender) {
    auto* grid = dynamic_cast<TPeqBandGrid*>(sender);
    if (grid == nullptr || context_.selectedCurveHandle != -1)
        return;
    const int ch = grid->Tag();
    const int band = grid->NowIndex();
    if (!IsChannel(ch) || band < 0 || band >= BandCount(ch))
        return;
    BandSetting setting;
    setting.band.gain = static_cast<std::uint16_t>(Clamp(GainZero + grid->GainStep(band), MaxGain));
    setting.band.freq =
        static_cast<std::uint16_t>(Clamp(FreqToIndex(grid->GetFreqValue(band)), MaxFreqIndex));
    setting.band.q = static_cast<std::uint8_t>(Clamp(grid->QIndex(band), MaxQIndex));
    setting.band.type = static_cast<std::uint8_t>(Clamp(grid->GetTypeValue(band), 8));
    setting.bypass = grid->GetBypassValue(band);
    const LUnitControl& model = context_.Model();
    // The corrected Q goes into the grid first; its change runs this again
    // with that Q before this run goes on.
    if (ApplyQRules(setting.band, model.GetPeqBand(ch, band).type, model.GetDefaultPeqBand(ch, band).q))
        grid->SetQValue(band, setting.band.q);
    ApplyBand(ch, band, setting);
}

void PeqBandEditor::ShowBand(int ch, int band, const BandSetting& setting, bool totalChanged) {
    Plot* plot = context_.PlotAt(ch);
    if (plot == nullptr)
        return;
    const BandValues v = ValuesOf(setting.band);
    plot->DrawSectionMarker(band, float(v.gainDb), 1);
    plot->ShowSectionParam(v.type, band, float(v.gainDb), float(v.q), true);
    if (totalChanged)
        plot->DrawTotalCurve(ch);
    if (plot->Display)
        plot->Display->UpdateCurvePage();
    if (auto* hint = context_.Find<TControl>("lbFftParam" + ChannelSuffix(ch)))
        hint->SetVisible(true);
}

void PeqBandEditor::SelectBand(int ch, int band, bool focus) {
    if (!IsChannel(ch) || band < 0 || band >= BandCount(ch))
        return;
    const LUnitControl& model = context_.Model();
    const BandSetting setting{model.GetPeqBand(ch, band), model.IsPeqBandBypassed(ch, band)};
    MarkSelected(ch, band);
    PressBandButton(ch, band, true);
    const BandValues v = ValuesOf(setting.band);
    UpdatePeqEdits(ch, true, v.freqHz, v.q, v.gainDb);
    // Choosing a band changes no section: the total stands.
    ShowBand(ch, band, setting, false);
    if (focus)
        FocusFrequency(ch);
}

void PeqBandEditor::SelectFirstPeqBands() {
    for (int ch = 0; ch < ChannelCount; ++ch)
        SelectBand(ch, 0, false);
}

void PeqBandEditor::DeselectPeqBands() {
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const int band = selected_[At(ch)];
        PressBandButton(ch, band == NoBand ? 0 : band, false);
        UpdatePeqEdits(ch, false, IndexToFreq(0), double(QTable[0]), 0.0);
        selected_[At(ch)] = NoBand;
        SyncGrid(ch, NoBand);
        if (Plot* plot = context_.PlotAt(ch)) {
            // The sections stand: only the band's caption and shading go.
            plot->ShowSectionParam(0, 0, 0.0f, 0.0f, false);
            if (plot->Display)
                plot->Display->UpdateCurvePage();
        }
    }
}

// --- a band changed ------------------------------------------------------------------

BandSetting PeqBandEditor::ApplyBand(int ch, int band, BandSetting setting) {
    if (context_.selectedCurveHandle != -1 || !IsChannel(ch) || band < 0 || band >= BandCount(ch))
        return setting;
    LUnitControl& model = context_.Model();
    ApplyQRules(setting.band, model.GetPeqBand(ch, band).type, model.GetDefaultPeqBand(ch, band).q);
    if (context_.updating)
        return setting;

    MarkSelected(ch, band);
    PressBandButton(ch, band, true);
    curves_.SetBandSection(ch, band, setting);
    ShowBand(ch, band, setting);
    model.SetPeq(ch, band, setting.band, setting.bypass ? 1 : 0);
    const BandValues v = ValuesOf(setting.band);
    UpdatePeqEdits(ch, true, v.freqHz, v.q, v.gainDb);
    return setting;
}

// --- faders ----------------------------------------------------------------------------

void PeqBandEditor::FaderChanged(FaderKind kind, int ch, int position) {
    if (context_.updating || !IsChannel(ch))
        return;
    const std::string suffix = ChannelSuffix(ch);
    const int band = SelectedBand(ch);
    switch (kind) {
    case FaderKind::Frequency:
        position = Clamp(position, MaxFreqIndex);
        pending_.FreqHz = float(IndexToFreq(position));
        if (auto* readOut = context_.Find<TControl>("cvdEqFreq" + suffix))
            readOut->SetText(PeqFrequencyText(pending_.FreqHz));
        break;
    case FaderKind::Q:
        position = Clamp(position, MaxQIndex);
        if (band != NoBand && !FreeQ(context_.Model().GetPeqBand(ch, band).type) &&
            position > ShelfMaxQIndex) {
            // The fader shows the capped value; when it moves, its own change
            // runs this again with it, which leaves the same pending edit.
            MoveFader(context_.Find<TControl>("isEqBw" + suffix), ShelfMaxQIndex, true);
            position = ShelfMaxQIndex;
        }
        pending_.Q = float(position);
        if (auto* readOut = context_.Find<TControl>("cvdEqBw" + suffix))
            readOut->SetText(PeqQText(position));
        break;
    case FaderKind::Gain:
        position = Clamp(position, MaxGain);
        pending_.GainDb = DeviceToGain(position);
        if (auto* readOut = context_.Find<TControl>("cvdEqGain" + suffix))
            readOut->SetText(PeqGainText(position));
        break;
    }
    eqTimer_.SetEnabled(true);
    pending_.Kind = int(kind);
    pending_.Channel = ch;
}

void PeqBandEditor::EqCurveTimer() {
    eqTimer_.SetEnabled(false);
    const int ch = pending_.Channel;
    const int band = SelectedBand(ch);
    if (band == NoBand)
        return;
    const std::string suffix = ChannelSuffix(ch);
    // With a grid on the form the value goes into the grid, whose change
    // comes back through ApplyBand; otherwise straight into the band.
    if (auto* grid = context_.Find<TPeqBandGrid>("peqPeq" + suffix)) {
        switch (pending_.Kind) {
        case 0:
            grid->SetFreqValue(band, pending_.FreqHz);
            break;
        case 1:
            grid->SetQValue(band, pending_.Q);
            break;
        case 2:
            grid->SetGainValue(band, pending_.GainDb);
            break;
        default:
            break;
        }
        return;
    }
    const LUnitControl& model = context_.Model();
    BandSetting setting{model.GetPeqBand(ch, band), model.IsPeqBandBypassed(ch, band)};
    switch (pending_.Kind) {
    case 0:
        setting.band.freq = static_cast<std::uint16_t>(Clamp(FreqToIndex(pending_.FreqHz), MaxFreqIndex));
        break;
    case 1:
        setting.band.q = static_cast<std::uint8_t>(Clamp(std::lround(pending_.Q), MaxQIndex));
        break;
    case 2:
        setting.band.gain =
            static_cast<std::uint16_t>(Clamp(GainZero + std::lround(pending_.GainDb * 10.0), MaxGain));
        break;
    default:
        return;
    }
    ApplyBand(ch, band, setting);
}

void PeqBandEditor::SteerByKey(int ch, std::uint16_t key) {
    if (!IsChannel(ch))
        return;
    const std::string suffix = ChannelSuffix(ch);
    for (const char* name : {"isEqFreq", "isEqBw", "isEqGain", "peqPeq", "lbFftParam"})
        if (context_.Find<TComponent>(name + suffix) == nullptr)
            return;
    for (const KeyStep& k : KeySteps) {
        if (k.key != key)
            continue;
        // The fader holds its range; a changed position runs its change
        // handler as a mouse move would.
        auto* fader = context_.Find<TControl>(k.fader + suffix);
        mainform::FaderRange range;
        if (mainform::ReadFaderRange(fader, range))
            mainform::SetFaderPosition(fader, std::clamp(range.position + k.step, range.min, range.max));
        return;
    }
}

void PeqBandEditor::UpdatePeqEdits(int ch, bool enabled, double hz, double q, double gainDb) {
    if (context_.updating || !IsChannel(ch))
        return;
    const std::string suffix = ChannelSuffix(ch);
    auto* freqFader = context_.Find<TControl>("isEqFreq" + suffix);
    auto* qFader = context_.Find<TControl>("isEqBw" + suffix);
    auto* gainFader = context_.Find<TControl>("isEqGain" + suffix);
    auto* freqText = context_.Find<TControl>("cvdEqFreq" + suffix);
    auto* qText = context_.Find<TControl>("cvdEqBw" + suffix);
    auto* gainText = context_.Find<TControl>("cvdEqGain" + suffix);
    if (!freqFader || !qFader || !gainFader || !freqText || !qText || !gainText)
        return;
    sys::FlagScope guard(context_.updating);
    const int gain = Clamp(GainToDevice(gainDb), MaxGain);
    const int qIndex = Clamp(QToIndex(q), MaxQIndex);
    MoveFader(freqFader, Clamp(FreqToIndex(hz), MaxFreqIndex), enabled);
    freqText->SetText(PeqFrequencyText(hz));
    MoveFader(gainFader, gain, enabled);
    gainText->SetText(PeqGainText(gain));
    MoveFader(qFader, qIndex, enabled);
    qText->SetText(PeqQText(qIndex));
}

// --- whole channel ----------------------------------------------------------------------

void PeqBandEditor::ToggleBypass(int ch) {
    auto* display = context_.Find<LMyFFTDrawHpLp6dB>("fftDraw" + ChannelSuffix(ch));
    if (display == nullptr || !IsChannel(ch))
        return;
    LUnitControl& model = context_.Model();
    const int k = ch < InputCount ? ch : ch - InputCount;
    const int n = ch < InputCount ? InputCount : mainform::OutputCount;
    std::uint16_t mask = model.GetPeqBypassMask(ch);
    const std::uint16_t group = model.GetLinkGroupMask(ch);
    const bool bypass = !((mask >> k) & 1);
    display->DrawTextA(display->Width() / 3, display->Height() / 4, 60, clBtnFace, "Times New Roman",
                       bypass ? "BYPASS" : "");
    for (int i = 0; i < n; ++i)
        if ((group >> i) & 1)
            mask = static_cast<std::uint16_t>(bypass ? mask | (1u << i) : mask & ~(1u << i));
    model.SetPeqBypassMask(ch, mask);
    display->Repaint();
    context_.host.SendCmd(
        CM_MCS_CMD(context_.host.GetUnitId(), MCS_PEQ_BYPASS, static_cast<std::uint8_t>(ch), bypass ? 1 : 0),
        false);
}

void PeqBandEditor::ResetChannel(int ch) {
    if (!IsChannel(ch))
        return;
    LUnitControl& model = context_.Model();
    {
        // Stored over the link group without a record of the model's own:
        // the unit gets exactly one queued record per band.
        sys::FlagScope guard(context_.updating);
        for (int band = BandCount(ch) - 1; band >= 0; --band) {
            const PeqBand peq = model.GetDefaultPeqBand(ch, band);
            context_.host.SendCmd(CM_MCS_PEQ(context_.host.GetUnitId(), static_cast<std::uint8_t>(ch),
                                             static_cast<std::uint8_t>(band), peq, 0),
                                  true);
            model.SetPeq(ch, band, peq, 0);
        }
    }
    curves_.BuildPeqCurve(ch);
    SelectBand(ch, 0, false);
}

void PeqBandEditor::ShowAll(int ch, bool on) {
    auto* display = context_.Find<LMyFFTDrawHpLp6dB>("fftDraw" + ChannelSuffix(ch));
    auto* group = context_.Find<TControl>("rzgFft" + ChannelSuffix(ch));
    if (display == nullptr || group == nullptr)
        return;
    display->SetParameterDisplay(on);
    display->UpdateCurvePage();
    group->Repaint();
}

} // namespace korvan::editors
