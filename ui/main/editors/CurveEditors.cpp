#include "ui/main/editors/CurveEditors.h"

#include "controls/gdip/CurvyControls.h"
#include "controls/panels/BmpButton.h"
#include "controls/panels/PowerButton.h"
#include "device/model/LUnitControl.h"
#include "platform/forms/Timer.h"
#include "platform/forms/WinControl.h"
#include "ui/curves/LMyFFTDrawHpLp6dB.h"
#include "ui/curves/Plot.h"
#include "ui/main/form/Faders.h"
#include "ui/main/form/PageNames.h"

namespace korvan::editors {

using mainform::ChannelCount;
using mainform::ChannelSuffix;

namespace {

constexpr unsigned CurveTimerMs = 1;
constexpr int MaxBandCount = 9;

int TagOf(TObject* sender) {
    auto* control = dynamic_cast<TControl*>(sender);
    return control ? control->Tag() : -1;
}

} // namespace

CurveEditors::CurveEditors(const EditorContext& context, forms::LoadScope& scope)
    : context_(context),
      eqTimer_(scope.PlaceTimer("tmEqCurve", CurveTimerMs, [this] { peq_.EqCurveTimer(); })),
      mouseEqTimer_(scope.PlaceTimer("tmMouseEqCurve", CurveTimerMs, [this] { drag_.MouseEqCurveTimer(); })),
      passTimer_(scope.PlaceTimer("tmHpLpCurve", CurveTimerMs, [this] { passCurve_.Fire(); })),
      curves_(context_), overlays_(context_), peq_(context_, curves_, *eqTimer_),
      passCurve_(context_, curves_, *passTimer_), drag_(context_, curves_, peq_, *mouseEqTimer_, passCurve_),
      crossover_(context_, passCurve_) {
    // The Gain page starts showing InA and Out1, as stored with the form.
    for (const char* first : {"vrbShowAGain", "vrbShow1Gain"})
        if (auto* button = context_.Find<TVrPowerButton>(first))
            button->SetActive(true);
}

void CurveEditors::AttachHandlers(std::function<void(int)> openReset) {
    overlays_.AttachHandlers();
    drag_.AttachHandlers();
    crossover_.AttachHandlers();
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const std::string suffix = ChannelSuffix(ch);
        peq_.AttachGrid(ch);
        AttachPeqFaders(ch);
        AttachBandSelection(ch);
        if (auto* bypass = context_.Find<TControl>("vrbEqBypass" + suffix))
            bypass->OnClick = [this](TObject* s) { peq_.ToggleBypass(TagOf(s)); };
        if (auto* reset = context_.Find<TControl>("vrbEqReset" + suffix))
            reset->OnClick = [openReset](TObject* s) {
                if (openReset)
                    openReset(TagOf(s));
            };
        if (auto* showAll = context_.Find<TVrPowerButton>("vrbEqShowAll" + suffix))
            showAll->OnClick = [this](TObject* s) {
                if (auto* button = dynamic_cast<TVrPowerButton*>(s))
                    peq_.ShowAll(button->Tag(), button->Active());
            };
        if (auto* magnitude = context_.Find<TControl>("rbShowGain" + suffix))
            magnitude->OnClick = [this](TObject* s) { SetPhaseView(TagOf(s), false); };
        if (auto* phase = context_.Find<TControl>("rbShowPhase" + suffix))
            phase->OnClick = [this](TObject* s) { SetPhaseView(TagOf(s), true); };
    }
}

void CurveEditors::AttachPeqFaders(int ch) {
    const std::string suffix = ChannelSuffix(ch);
    const std::pair<const char*, FaderKind> faders[] = {
        {"isEqFreq", FaderKind::Frequency}, {"isEqBw", FaderKind::Q}, {"isEqGain", FaderKind::Gain}};
    for (const auto& fader : faders) {
        const FaderKind kind = fader.second;
        mainform::OnFaderChange(context_.Find<TControl>(fader.first + suffix),
                                [this, kind, ch](int position) { peq_.FaderChanged(kind, ch, position); });
    }
}

void CurveEditors::AttachBandSelection(int ch) {
    const std::string suffix = ChannelSuffix(ch);
    // A band button's group is its channel + 1, its tag its band.
    for (int n = 1; n <= MaxBandCount; ++n)
        if (auto* button = context_.Find<TRzBmpButton>("rzbEq" + std::to_string(n) + suffix))
            button->OnClick = [this](TObject* s) {
                if (auto* b = dynamic_cast<TRzBmpButton*>(s))
                    peq_.SelectBand(b->GroupIndex() - 1, b->Tag());
            };
    if (auto* readOut = context_.Find<TCurvyEdit>("cvdEqFreq" + suffix))
        readOut->OnKeyDown = [this, ch](TObject*, std::uint16_t& key, TShiftState) {
            peq_.SteerByKey(ch, key);
        };
}

void CurveEditors::AfterRefresh() {
    curves_.BuildAll();
    overlays_.RefreshPage(context_.currentPage);
    peq_.SelectFirstPeqBands();
}

void CurveEditors::PageShown(int page) {
    const std::uint32_t built = curves_.BuildAll();
    for (int ch = 0; ch < ChannelCount; ++ch) {
        if ((built >> ch & 1u) == 0)
            continue;
        MarkOverlayChanged(context_.overlayChanged, ch);
        const int band = peq_.SelectedBand(ch);
        if (band == NoBand)
            continue;
        const LUnitControl& model = context_.Model();
        peq_.ShowBand(ch, band, {model.GetPeqBand(ch, band), model.IsPeqBandBypassed(ch, band)}, false);
    }
    overlays_.RefreshPage(page);
}

void CurveEditors::SetPhaseView(int ch, bool phase) {
    if (!curves_.SetPhaseView(ch, phase))
        return;
    const std::string suffix = ChannelSuffix(ch);
    auto* clicked = context_.Find<TControl>((phase ? "rbShowPhase" : "rbShowGain") + suffix);
    auto* other = context_.Find<TControl>((phase ? "rbShowGain" : "rbShowPhase") + suffix);
    if (clicked && other) {
        clicked->Font().SetColor(clYellow);
        other->Font().SetColor(clSilver);
    }
    const int band = peq_.SelectedBand(ch);
    Plot* plot = context_.PlotAt(ch);
    if (plot != nullptr && band != NoBand) {
        const BandValues v = ValuesOf(context_.Model().GetPeqBand(ch, band));
        plot->ShowSectionParam(v.type, band, float(v.gainDb), float(v.q), true);
    }
    if (plot != nullptr && plot->Display)
        plot->Display->UpdateCurvePage();
    if (auto* group = context_.Find<TControl>("rzgFft" + suffix))
        group->Repaint();
    MarkOverlayChanged(context_.overlayChanged, ch);
    overlays_.RefreshChannelOverlays(ch);
}

} // namespace korvan::editors
