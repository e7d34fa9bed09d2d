// RefreshFromModel: every control of the main window shows the device
// model, family by family and channel by channel, under the update guard,
// so that no change handler sends anything.

#include "ui/main/MainWindow.h"

#include "controls/panels/BmpButton.h"
#include "platform/sys/FlagScope.h"
#include "platform/text/AnsiText.h"
#include "ui/curves/LMyFFTDrawHpLp6dB.h"
#include "ui/dialogs/FTest.h"
#include "ui/main/RefreshTexts.h"
#include "ui/main/form/Faders.h"
#include "ui/main/form/PageNames.h"

#include <cstdio>
#include <functional>

namespace {

using namespace korvan::mainform;

constexpr std::size_t PresetNameLength = 14;
constexpr std::size_t ChannelNameLength = 8;
constexpr int GeqBands = 31;
constexpr int AllChannels = (1 << ChannelCount) - 1;

template <class T = TControl> T* Named(TComponent& root, const std::string& name) {
    return dynamic_cast<T*>(root.FindComponent(name));
}

// Sets a fader's position, keeping its stored range.
bool SetFaderPosition(TControl* control, int position) {
    FaderRange range;
    if (!ReadFaderRange(control, range))
        return false;
    range.position = position;
    return SetFaderRange(*control, range);
}

// One family of a channel's controls; false when a control is missing,
// which ends the refresh.
using Family = bool (*)(TfmMain& w, LUnitControl& model, int ch);

bool Name(TfmMain& w, LUnitControl& model, int ch) {
    auto* label = Named(w, "lbMatrixChName" + ChannelSuffix(ch));
    auto* button = Named(w, "rzbMenu" + ChannelSuffix(ch));
    if (!label || !button)
        return false;
    const std::string name = korvan::text::FromAnsiField({model.GetChannelNameChars(ch), ChannelNameLength});
    label->SetCaption(name);
    button->SetHint(name);
    return true;
}

bool Geq(TfmMain& w, LUnitControl& model, int ch) {
    for (int band = 0; band < GeqBands; ++band) {
        char number[4];
        std::snprintf(number, sizeof number, "%02d", (band + 1) % 100);
        const std::string suffix = std::string(number) + "In" + ChannelShort(ch);
        auto* fader = Named(w, "isGeqCh" + suffix);
        auto* label = Named(w, "lbGeqGainCh" + suffix);
        const int position = model.GetGeqBand(ch, band);
        if (!label || !SetFaderPosition(fader, position))
            return false;
        FaderRange range;
        ReadFaderRange(fader, range);
        label->SetCaption(korvan::GeqText(range.position));
    }
    return true;
}

bool Delay(TfmMain& w, LUnitControl& model, int ch) {
    auto* fader = Named(w, "isDelay" + ChannelSuffix(ch));
    auto* image = Named(w, "imDelay" + ChannelSuffix(ch));
    auto* line = Named(w, "lbDelayLine" + ChannelSuffix(ch));
    if (!image || !line || !SetFaderPosition(fader, model.GetDelay(ch)))
        return false;
    FaderRange range;
    ReadFaderRange(fader, range);
    const int max = range.max > 0 ? range.max : 1;
    image->SetLeft(int(std::int64_t(range.position) * (line->Width() - 90) / max) + 40);
    return true;
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

bool PeqBypassText(TfmMain& w, LUnitControl& model, int ch) {
    const int bit = ch < InputCount ? ch : ch - InputCount;
    return BypassText(Named(w, "fftDraw" + ChannelSuffix(ch)), (model.GetPeqBypassMask(ch) >> bit) & 1);
}

bool GeqBypassText(TfmMain& w, LUnitControl& model, int ch) {
    auto* display = Named(w, "fftDrawGeqIn" + ChannelShort(ch));
    if (!BypassText(display, (model.GetGeqBypassMask() >> ch) & 1))
        return false;
    display->Repaint();
    return true;
}

// The families each kind of channel shows, in the order they are set. The
// PEQ grids, crossovers, channel strips, dynamics and routing join these
// as their controls come.
constexpr Family InputFamilies[] = {Name, Geq, Delay, PeqBypassText, GeqBypassText};
constexpr Family OutputFamilies[] = {Name, Delay, PeqBypassText};

} // namespace

void TfmMain::RefreshFromModel() {
    LUnitControl& model = *connection_.UnitControl;
    {
        korvan::sys::FlagScope guard(connection_.Updating);
        const int preset = connection_.CurrentPreset;
        char number[8];
        std::snprintf(number, sizeof number, preset >= 1 ? "U%02d" : "F%02d", preset % 100);
        lbPstNum->SetCaption(number);
        const char* name = model.GetPresetNameChars();
        lbPstName->SetCaption(korvan::text::FromAnsiField({name, PresetNameLength}));
        if (fmTest != nullptr)
            fmTest->ShowSource(model.GetWorkMode(), model.GetSineFreqIndex());

        // Every display copies every channel of its kind again.
        for (int d = 0; d < ChannelCount; ++d)
            OverlayChanged[std::size_t(d)] = d < InputCount ? (1 << InputCount) - 1 : AllChannels & ~0xF;
        OverlayChanged[12] = AllChannels;
        OverlayChanged[13] = AllChannels;

        for (int ch = 0; ch < ChannelCount; ++ch) {
            const std::span<const Family> families = ch < InputCount
                                                         ? std::span<const Family>(InputFamilies)
                                                         : std::span<const Family>(OutputFamilies);
            for (Family family : families)
                if (!family(*this, model, ch))
                    return;
        }

        const int unit = model.GetDelayUnit();
        if (auto* button = Named<TRzBmpButton>(*this, "rzbUnit" + std::to_string(unit))) {
            button->SetDown(true);
            button->Click();
        }
        if (auto* routes = Named(*this, "pbMatrix"))
            routes->Invalidate();
    }
    editors_->AfterRefresh();
}
