#include "ui/main/editors/GeqEditor.h"

#include "device/model/LUnitControl.h"
#include "device/protocol/CommandCodes.h"
#include "device/protocol/CommandRecords.h"
#include "device/protocol/SharedConstants.h"
#include "device/protocol/ValueScales.h"
#include "platform/forms/Timer.h"
#include "platform/sys/FlagScope.h"
#include "ui/curves/LMyFFTDrawHpLp6dB.h"
#include "ui/curves/Plot.h"
#include "ui/curves/PlotSection.h"
#include "ui/main/MainConnection.h"
#include "ui/main/RefreshTexts.h"
#include "ui/main/editors/LinkMembers.h"
#include "ui/main/form/Faders.h"
#include "ui/main/form/PageNames.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace korvan::editors {

using mainform::ChannelShort;
using mainform::InputCount;

namespace {

constexpr int Bands = 31;
constexpr int MaxLevel = 240;
constexpr int PeakType = 1;
constexpr int GeqCaptionKind = 1;
// The reset dialog's code for the graphic EQ of input 0; 0..11 are the PEQs.
constexpr int FirstGeqReset = 12;

std::string BandSuffix(int b, int x) {
    char number[4];
    std::snprintf(number, sizeof number, "%02d", (b + 1) % 100);
    return std::string(number) + "In" + ChannelShort(x);
}

} // namespace

void GeqEditor::AttachHandlers(std::function<void(int)> openReset) {
    for (int x = 0; x < InputCount; ++x) {
        for (int b = 0; b < Bands; ++b)
            mainform::OnFaderChange(context_.Find<TControl>("isGeqCh" + BandSuffix(b, x)),
                                    [this, x, b](int position) { BandMoved(x, b, position); });
        const std::string in = "In" + ChannelShort(x);
        if (auto* bypass = context_.Find<TControl>("vrbEqBypassGeq" + in))
            bypass->OnClick = [this, x](TObject*) { ToggleBypass(x); };
        if (auto* reset = context_.Find<TControl>("vrbEqResetGeq" + in))
            reset->OnClick = [openReset, x](TObject*) {
                if (openReset)
                    openReset(FirstGeqReset + x);
            };
        if (auto* selector = context_.Find<TControl>("rzbGeqSel" + in))
            selector->OnClick = [this, x](TObject*) { Select(x); };
    }
}

// Every input honours the update guard: a refresh from the model moves the
// faders without writing one input's levels into its link members.
void GeqEditor::BandMoved(int x, int b, int v) {
    if (context_.updating)
        return;
    auto* label = context_.Find<TControl>("lbGeqGainCh" + BandSuffix(b, x));
    Plot* plot = context_.PlotAt(FirstGeqDisplay + x);
    if (label == nullptr || plot == nullptr)
        return;
    label->SetCaption(GeqText(v));
    const double gain = DeviceToGain(v);
    SetSection(*plot->Sections[std::size_t(b)], gain, double(GeqCentres[std::size_t(b)]), GeqQ, PeakType);
    pending_ = {FirstGeqDisplay + x, b, gain, float(GeqQ)};
    timer_.SetEnabled(true);
    context_.Model().SetGeq(x, b, static_cast<std::uint16_t>(v));
}

void GeqEditor::CurveTimer() {
    timer_.SetEnabled(false);
    Plot* plot = context_.PlotAt(pending_.plotIndex);
    if (plot == nullptr)
        return;
    plot->ShowSectionParam(GeqCaptionKind, pending_.section, float(pending_.gain), pending_.q,
                           pending_.gain != 0);
    plot->DrawTotalCurve(pending_.plotIndex);
    if (plot->Display)
        plot->Display->UpdateCurvePage();
}

void GeqEditor::ToggleBypass(int x) {
    LUnitControl& model = context_.Model();
    std::uint16_t mask = model.GetGeqBypassMask();
    const bool bypass = !((mask >> x) & 1u);
    for (int i : LinkMembers(model, x)) {
        mask = static_cast<std::uint16_t>(bypass ? mask | (1u << i) : mask & ~(1u << i));
        if (auto* display = context_.Find<LMyFFTDrawHpLp6dB>("fftDrawGeqIn" + ChannelShort(i))) {
            display->DrawTextA(display->Width() / 3, display->Height() / 4, 60, clBtnFace, "Times New Roman",
                               bypass ? "BYPASS" : "");
            display->Repaint();
        }
    }
    model.SetGeqBypassMask(mask);
    context_.host.SendCmd(
        CM_MCS_CMD(context_.host.GetUnitId(), MCS_GEQ_BYPASS, static_cast<std::uint8_t>(x), bypass ? 1 : 0),
        false);
}

void GeqEditor::Select(int x) {
    const LUnitControl& model = context_.Model();
    int head = model.GetLinkMask(x) != 0 ? x : -1;
    for (int i = 0; head < 0 && i < InputCount; ++i)
        if ((model.GetLinkMask(i) >> x) & 1u)
            head = i;
    if (head < 0)
        return;
    const std::string h = "In" + ChannelShort(head);
    auto* panel = context_.Find<TControl>("rzgGeq" + h);
    auto* curvePanel = context_.Find<TControl>("rzgFftGeq" + h);
    if (!panel || !curvePanel)
        return;
    if (Plot* plot = context_.PlotAt(FirstGeqDisplay + head)) {
        plot->RemoveCurve(Plot::TotalSection);
        plot->DrawSectionCurve(Plot::TotalSection, mainform::OverlayColour(x));
        if (plot->Display)
            plot->Display->UpdateCurvePage();
    }
    auto* name = context_.Find<TControl>("lbFftChGeq" + h);
    auto* otherName = context_.Find<TControl>("lbGeqin" + ChannelShort(head));
    if (!name || !otherName)
        return;
    name->SetCaption("In" + ChannelShort(x));
    otherName->SetCaption("In" + ChannelShort(x));
    for (int i = 0; i < InputCount; ++i) {
        const std::string other = "In" + ChannelShort(i);
        for (const char* group : {"rzgGeq", "rzgFftGeq"})
            if (auto* box = context_.Find<TControl>(group + other))
                box->SetVisible(i == head);
    }
    panel->BringToFront();
    curvePanel->BringToFront();
    if (Plot* shown = context_.PlotAt(pending_.plotIndex))
        shown->ShowSectionParam(GeqCaptionKind, pending_.section, float(pending_.gain), pending_.q, false);
}

// A moved fader stores, draws and sends its band as a user's move does;
// every band is then queued behind whatever waits, so the unit gets the
// whole reset in band order even where a fader was already in place. A
// fader in place whose input's stored level differs (a link member's
// faders follow their group only at a refresh) has the level stored
// without a second send.
void GeqEditor::ResetBands(int x) {
    if (x < 0 || x >= InputCount)
        return;
    LUnitControl& model = context_.Model();
    for (int b = 0; b < Bands; ++b) {
        const auto level = static_cast<std::uint16_t>(std::min<int>(model.GetDefaultGeqBand(x, b), MaxLevel));
        auto* fader = context_.Find<TControl>("isGeqCh" + BandSuffix(b, x));
        if (fader == nullptr)
            return;
        mainform::SetFaderPosition(fader, level);
        if (model.GetGeqBand(x, b) != level) {
            sys::FlagScope quiet(context_.updating);
            model.SetGeq(x, b, level);
        }
        context_.host.SendCmd(CM_MCS_GEQ(context_.host.GetUnitId(), static_cast<std::uint8_t>(x),
                                         static_cast<std::uint8_t>(b), level),
                              true);
    }
}

} // namespace korvan::editors
