#include "ui/main/RefreshFamilies.h"

#include "controls/panels/BmpButton.h"
#include "controls/panels/ComboBox.h"
#include "device/protocol/ValueScales.h"
#include "platform/forms/ComCtrls.h"
#include "platform/text/AnsiText.h"
#include "ui/curves/LMyFFTDrawHpLp6dB.h"
#include "ui/curves/MyPEQType8.h"
#include "ui/main/LanguageTables.h"
#include "ui/main/RefreshTexts.h"
#include "ui/main/form/Faders.h"
#include "ui/main/form/PageNames.h"

#include <cstdint>
#include <cstdio>
#include <string>

namespace korvan {

namespace {

using namespace korvan::mainform;

constexpr std::size_t ChannelNameLength = 8;
constexpr int GeqBands = 31;
constexpr int InputPeqBands = 8;
constexpr int OutputPeqBands = 9;
// The model's gain and mix words count from the faders' and up-downs'
// minimum; thresholds from the threshold faders' minimum.
constexpr int GainFloor = -280;
constexpr int ThresholdFloor = -180;

template <class T = TControl> T* Named(TComponent& root, const std::string& name) {
    return dynamic_cast<T*>(root.FindComponent(name));
}

// Sets a fader's position within its stored range; the position it took,
// or nothing when `name` is no fader.
bool MoveFader(TComponent& root, const std::string& name, int position, int& took) {
    FaderRange range;
    TControl* fader = Named(root, name);
    if (!SetFaderPosition(fader, position) || !ReadFaderRange(fader, range))
        return false;
    took = range.position;
    return true;
}

// A fader and the edit that shows its position as `text`.
template <class Text>
bool FaderWithText(TComponent& root, const std::string& fader, const std::string& edit, int position,
                   Text text) {
    int took = 0;
    auto* shown = Named(root, edit);
    if (shown == nullptr || !MoveFader(root, fader, position, took))
        return false;
    shown->SetText(text(took));
    return true;
}

bool SetDown(TComponent& root, const std::string& name, bool down) {
    auto* button = Named<TRzBmpButton>(root, name);
    if (button == nullptr)
        return false;
    button->SetDown(down);
    return true;
}

bool Name(const RefreshContext& at, int ch) {
    auto* label = Named(at.form, "lbMatrixChName" + ChannelSuffix(ch));
    auto* button = Named(at.form, "rzbMenu" + ChannelSuffix(ch));
    if (!label || !button)
        return false;
    const std::string name = text::FromAnsiField({at.model.GetChannelNameChars(ch), ChannelNameLength});
    label->SetCaption(name);
    button->SetHint(name);
    return true;
}

bool Geq(const RefreshContext& at, int ch) {
    for (int band = 0; band < GeqBands; ++band) {
        char number[4];
        std::snprintf(number, sizeof number, "%02d", (band + 1) % 100);
        const std::string suffix = std::string(number) + "In" + ChannelShort(ch);
        auto* label = Named(at.form, "lbGeqGainCh" + suffix);
        int took = 0;
        if (!label || !MoveFader(at.form, "isGeqCh" + suffix, at.model.GetGeqBand(ch, band), took))
            return false;
        label->SetCaption(GeqText(took));
    }
    return true;
}

// Every band of the channel's grid, band 1 current.
bool Peq(const RefreshContext& at, int ch) {
    auto* grid = Named<TMyPEQType8>(at.form, "peqPeq" + ChannelSuffix(ch));
    if (grid == nullptr)
        return false;
    grid->SetNowIndex(0);
    const int bands = ch < InputCount ? InputPeqBands : OutputPeqBands;
    for (int b = 0; b < bands; ++b) {
        const PeqBand band = at.model.GetPeqBand(ch, b);
        const float hz = float(IndexToFreq(band.freq));
        grid->SetEqParamValue(b, hz, band.q, (band.gain - 120) * 0.1, band.type,
                              at.model.IsPeqBandBypassed(ch, b));
    }
    return true;
}

bool Gate(const RefreshContext& at, int ch) {
    const GateSetting gate = at.model.GetGate(ch);
    const std::string x = ChannelSuffix(ch);
    return FaderWithText(at.form, "isGateThreshold" + x, "cvdGateThreshold" + x,
                         gate.threshold + ThresholdFloor, ThresholdText) &&
           FaderWithText(at.form, "isGateAttack" + x, "cvdGateAttack" + x, gate.attack, GateTimeText) &&
           FaderWithText(at.form, "isGateRelease" + x, "cvdGateRelease" + x, gate.release, GateTimeText) &&
           FaderWithText(at.form, "isGateHold" + x, "cvdGateHold" + x, gate.hold, GateTimeText);
}

// One filter of the crossover: type 0 is the filter off (its bypass down,
// its slope list kept); another type chooses slope item type - 1.
bool CutFilter(const RefreshContext& at, int ch, const char* name, int frequency, int type) {
    const std::string x = ChannelSuffix(ch);
    auto* slope = Named<TRzComboBox>(at.form, std::string("rzc") + name + "Slop" + x);
    auto* bypass = Named<TRzBmpButton>(at.form, std::string("rzb") + name + "Bypass" + x);
    if (!slope || !bypass ||
        !FaderWithText(at.form, std::string("is") + name + "Freq" + x, std::string("cvd") + name + "Freq" + x,
                       frequency, FrequencyText))
        return false;
    if (type != 0)
        slope->SetItemIndex(type - 1);
    bypass->SetDown(type == 0);
    return true;
}

bool HighPass(const RefreshContext& at, int ch) {
    const CrossoverSetting cut = at.model.GetCrossover(ch);
    return CutFilter(at, ch, "LowCut", cut.hpFreq, cut.hpType);
}

bool LowPass(const RefreshContext& at, int ch) {
    const CrossoverSetting cut = at.model.GetCrossover(ch);
    return CutFilter(at, ch, "HighCut", cut.lpFreq, cut.lpType);
}

bool Gain(const RefreshContext& at, int ch) {
    const std::string x = ChannelSuffix(ch);
    const int position = at.model.GetGain(ch) + GainFloor;
    return FaderWithText(at.form, "isGain" + x, "cvdGain" + x, position, LevelText) &&
           FaderWithText(at.form, "isGainBackup" + x, "cvdGainBackup" + x, position, LevelText);
}

bool Polarity(const RefreshContext& at, int ch) {
    const bool inverted = at.model.GetPolarity(ch);
    const std::string caption = TranslateIn(at.texts, inverted ? "SID_PHASE_ON" : "SID_PHASE_OFF");
    for (const char* prefix : {"rzbPhase", "rzbPhaseBackup"}) {
        auto* button = Named<TRzBmpButton>(at.form, prefix + ChannelSuffix(ch));
        if (button == nullptr)
            return false;
        button->SetDown(inverted);
        button->SetCaption(caption);
    }
    return true;
}

bool Delay(const RefreshContext& at, int ch) {
    const std::string x = ChannelSuffix(ch);
    auto* image = Named(at.form, "imDelay" + x);
    auto* line = Named(at.form, "lbDelayLine" + x);
    FaderRange range;
    int took = 0;
    if (!image || !line || !MoveFader(at.form, "isDelay" + x, at.model.GetDelay(ch), took) ||
        !ReadFaderRange(Named(at.form, "isDelay" + x), range))
        return false;
    const int max = range.max > 0 ? range.max : 1;
    image->SetLeft(int(std::int64_t(took) * (line->Width() - 90) / max) + 40);
    return true;
}

bool Mute(const RefreshContext& at, int ch) {
    const bool muted = at.model.IsMuted(ch);
    return SetDown(at.form, "rzbMute" + ChannelSuffix(ch), muted) &&
           SetDown(at.form, "rzbMuteBackup" + ChannelSuffix(ch), muted);
}

// "BYPASS" across a display while its whole EQ is switched off.
bool BypassText(TControl* control, bool bypassed) {
    auto* display = dynamic_cast<LMyFFTDrawHpLp6dB*>(control);
    if (display == nullptr)
        return false;
    display->DrawTextA(display->Width() / 3, display->Height() / 4, 60, clBtnFace, "Times New Roman",
                       bypassed ? "BYPASS" : "");
    return true;
}

bool PeqBypassText(const RefreshContext& at, int ch) {
    const int bit = ch < InputCount ? ch : ch - InputCount;
    return BypassText(Named(at.form, "fftDraw" + ChannelSuffix(ch)),
                      (at.model.GetPeqBypassMask(ch) >> bit) & 1);
}

bool GeqBypassText(const RefreshContext& at, int ch) {
    auto* display = Named(at.form, "fftDrawGeqIn" + ChannelShort(ch));
    if (!BypassText(display, (at.model.GetGeqBypassMask() >> ch) & 1))
        return false;
    display->Repaint();
    return true;
}

bool Routing(const RefreshContext& at, int ch) {
    const unsigned mask = at.model.GetSourceMask(ch);
    for (int i = 0; i < InputCount; ++i)
        if (!SetDown(at.form, "rzb" + ChannelShort(i) + "Matrix" + ChannelSuffix(ch), (mask >> i) & 1))
            return false;
    return true;
}

// The mix up-downs; each edit beside them shows its level.
bool Mix(const RefreshContext& at, int ch) {
    for (int i = 0; i < InputCount; ++i) {
        const std::string input = ChannelShort(i);
        auto* upDown = Named<TUpDown>(at.form, "udMixGain" + input + ChannelSuffix(ch));
        auto* edit = Named(at.form, "cvd" + input + "Matrix" + ChannelSuffix(ch));
        if (!upDown || !edit)
            return false;
        upDown->SetPosition(at.model.GetMixLevel(ch, i) + GainFloor);
        edit->SetText(LevelText(upDown->Position()));
    }
    return true;
}

// An up-down and the edit that shows its position as `text`.
template <class Text>
bool UpDownWithText(TComponent& root, const std::string& name, int position, Text text) {
    auto* upDown = Named<TUpDown>(root, "ud" + name);
    auto* edit = Named(root, "cvd" + name);
    if (!upDown || !edit)
        return false;
    upDown->SetPosition(position);
    edit->SetText(text(upDown->Position()));
    return true;
}

bool Comp(const RefreshContext& at, int ch) {
    const CompSetting comp = at.model.GetComp(ch);
    const std::string n = ChannelSuffix(ch);
    return FaderWithText(at.form, "isCompThreshold" + n, "cvdCompThreshold" + n,
                         comp.threshold + ThresholdFloor, ThresholdText) &&
           UpDownWithText(at.form, "CompRatio" + n, comp.ratio, RatioText) &&
           FaderWithText(at.form, "isCompAttack" + n, "cvdCompAttack" + n, comp.attack, DynamicsTimeText) &&
           FaderWithText(at.form, "isCompRelease" + n, "cvdCompRelease" + n, comp.release,
                         DynamicsTimeText) &&
           UpDownWithText(at.form, "CompKnee" + n, comp.knee, KneeText);
}

bool Limit(const RefreshContext& at, int ch) {
    const LimitSetting limit = at.model.GetLimit(ch);
    const std::string n = ChannelSuffix(ch);
    return FaderWithText(at.form, "isLimitThreshold" + n, "cvdLimitThreshold" + n,
                         limit.threshold + ThresholdFloor, ThresholdText) &&
           FaderWithText(at.form, "isLimitAttack" + n, "cvdLimitAttack" + n, limit.attack,
                         DynamicsTimeText) &&
           FaderWithText(at.form, "isLimitRelease" + n, "cvdLimitRelease" + n, limit.release,
                         DynamicsTimeText) &&
           UpDownWithText(at.form, "LimitKnee" + n, limit.knee, KneeText);
}

constexpr RefreshFamily InputFamilies[] = {Name, Geq,      Peq,   Gate, HighPass,      LowPass,
                                           Gain, Polarity, Delay, Mute, PeqBypassText, GeqBypassText};
constexpr RefreshFamily OutputFamilies[] = {Name,  Routing, Mix,      HighPass, LowPass, Peq,          Comp,
                                            Limit, Gain,    Polarity, Delay,    Mute,    PeqBypassText};

} // namespace

std::span<const RefreshFamily> InputRefreshFamilies() {
    return InputFamilies;
}

std::span<const RefreshFamily> OutputRefreshFamilies() {
    return OutputFamilies;
}

} // namespace korvan
