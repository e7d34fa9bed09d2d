#include "ui/main/editors/DynamicsEditor.h"

#include "controls/gdip/CurvyControls.h"
#include "controls/plot/plots/XYPlot.h"
#include "device/model/LUnitControl.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/Timer.h"
#include "platform/sys/FlagScope.h"
#include "ui/main/editors/DynamicsCurves.h"
#include "ui/main/editors/DynamicsRows.h"
#include "ui/main/editors/LinkMembers.h"
#include "ui/main/form/Faders.h"
#include "ui/main/form/PageNames.h"

#include <cstdint>
#include <span>

namespace korvan::editors {

using mainform::ChannelSuffix;

namespace {

// Threshold words count from the threshold faders' minimum.
constexpr int ThresholdFloor = -180;
constexpr int FirstOutput = 4;
constexpr int GateChannels = 4;
constexpr int OutputChannels = 8;

std::uint16_t Word(int v) {
    return static_cast<std::uint16_t>(v);
}

std::uint16_t ThresholdWord(int v) {
    return Word(v - ThresholdFloor);
}

// Replaces a plot channel's points: the counts of a transfer plot stay
// what window creation made them.
void ReplacePoints(TiXYPlotChannel& channel, std::span<const CurvePoint> points) {
    channel.DeletePoints(channel.Count());
    for (const auto& [x, y] : points)
        channel.AddXY(x, y);
}

void DrawOn(TiXYPlot& plot, std::span<const CurvePoint> curve, CurvePoint marker) {
    ReplacePoints(*plot.Channel(0), curve);
    ReplacePoints(*plot.Channel(1), {&marker, 1});
    // The new points are shown now, not at the plot's next repaint.
    plot.InvalidateNow();
}

int FaderPosition(const TControl* fader) {
    mainform::FaderRange range;
    mainform::ReadFaderRange(fader, range);
    return range.position;
}

} // namespace

DynamicsEditor::DynamicsEditor(const EditorContext& context, forms::LoadScope& scope, DynamicsPages pages)
    : context_(context), pages_(pages),
      compTimer_(*scope.PlaceTimer("tmCompDisp", 1, [this] { CompTimer(); })),
      limitTimer_(*scope.PlaceTimer("tmLimitDisp", 1, [this] { LimitTimer(); })) {}

int& DynamicsEditor::PageOf(Dynamics kind) {
    return kind == Dynamics::Gate ? pages_.gate : kind == Dynamics::Comp ? pages_.comp : pages_.limit;
}

void DynamicsEditor::AttachHandlers() {
    for (Dynamics kind : {Dynamics::Gate, Dynamics::Comp, Dynamics::Limit}) {
        const int first = kind == Dynamics::Gate ? 0 : FirstOutput;
        const int count = kind == Dynamics::Gate ? GateChannels : OutputChannels;
        const auto rows = DynamicsRows(kind);
        for (int ch = first; ch < first + count; ++ch)
            for (int k = 0; k < int(rows.size()); ++k) {
                const DynamicsRow& row = rows[std::size_t(k)];
                const std::string suffix = ChannelSuffix(ch);
                if (row.upDown) {
                    if (auto* upDown = context_.Find<TUpDown>(std::string("ud") + row.name + suffix))
                        upDown->OnChangingEx = [this, kind, ch, k](TObject*, bool&, int v, TUpDownDirection) {
                            ParameterChanged(kind, ch, k, v);
                        };
                } else {
                    mainform::OnFaderChange(context_.Find<TControl>(std::string("is") + row.name + suffix),
                                            [this, kind, ch, k](int v) { ParameterChanged(kind, ch, k, v); });
                }
            }
    }
    BindEntries();
    BindMouseDowns();
}

// Pressing a control of a channel shows that channel's curve. The gate's
// faders other than hold, and the attack and release edits of InB to InD,
// are left unbound on purpose: the page keeps its channel when they are
// pressed.
void DynamicsEditor::BindMouseDowns() {
    const auto bind = [this](const std::string& name, void (DynamicsEditor::*draw)(int), int ch) {
        const auto press = [this, draw, ch](TObject*, TMouseButton, TShiftState, int, int) {
            (this->*draw)(ch);
        };
        // An edit reports the presses on its text box through its own event.
        if (auto* edit = context_.Find<TCurvyEdit>(name))
            edit->OnMouseDown = press;
        else if (auto* control = context_.Find<TControl>(name))
            control->OnMouseDown = press;
    };
    for (int ch = FirstOutput; ch < FirstOutput + OutputChannels; ++ch) {
        const std::string n = ChannelSuffix(ch);
        for (const char* name : {"Threshold", "Attack", "Release"}) {
            bind(std::string("isComp") + name + n, &DynamicsEditor::DrawCompCurve, ch);
            bind(std::string("isLimit") + name + n, &DynamicsEditor::DrawLimitCurve, ch);
        }
        for (const char* name : {"Threshold", "Ratio", "Attack", "Release", "Knee"})
            bind(std::string("cvdComp") + name + n, &DynamicsEditor::DrawCompCurve, ch);
        for (const char* name : {"Threshold", "Attack", "Release", "Knee"})
            bind(std::string("cvdLimit") + name + n, &DynamicsEditor::DrawLimitCurve, ch);
        bind("lbComp" + n, &DynamicsEditor::DrawCompCurve, ch);
        bind("lbLimit" + n, &DynamicsEditor::DrawLimitCurve, ch);
    }
    for (int ch = 0; ch < GateChannels; ++ch) {
        const std::string x = ChannelSuffix(ch);
        for (const char* name : {"cvdGateThreshold", "isGateHold", "lbGate"})
            bind(name + x, &DynamicsEditor::DrawGateCurve, ch);
    }
    bind("cvdGateAttackInA", &DynamicsEditor::DrawGateCurve, 0);
    bind("cvdGateReleaseInA", &DynamicsEditor::DrawGateCurve, 0);
}

// One handler for every fader and up-down of the three pages. The
// compressor and limiter draw on their timer's next tick, when an up-down
// has taken its new position; the gate has no up-down and draws at once.
void DynamicsEditor::ParameterChanged(Dynamics kind, int ch, int k, int v) {
    const DynamicsRow* row = DynamicsRowOf(kind, k);
    if (context_.updating || row == nullptr)
        return;
    const std::string suffix = ChannelSuffix(ch);
    if (row->upDown) {
        auto* upDown = context_.Find<TUpDown>(std::string("ud") + row->name + suffix);
        if (upDown == nullptr || v < upDown->Min() || v > upDown->Max())
            return;
    }
    auto* edit = context_.Find<TControl>(std::string("cvd") + row->name + suffix);
    if (edit == nullptr)
        return;
    edit->SetText(row->text(v));
    PageOf(kind) = ch;
    if (kind == Dynamics::Comp) {
        compCurveChannel_ = ch;
        compTimer_.SetEnabled(true);
    } else if (kind == Dynamics::Limit) {
        limitCurveChannel_ = ch;
        limitTimer_.SetEnabled(true);
    } else if (!DrawGate(ch, false)) {
        return;
    }
    SetParameter(kind, ch, k, v);
    Mirror(kind, ch, k, v);
}

void DynamicsEditor::SetParameter(Dynamics kind, int ch, int k, int v) {
    LUnitControl& model = context_.Model();
    switch (kind) {
    case Dynamics::Comp: {
        CompSetting comp = model.GetComp(ch);
        std::uint16_t* fields[] = {&comp.threshold, &comp.attack, &comp.release, &comp.ratio, &comp.knee};
        if (k < 0 || k >= int(std::size(fields)))
            return;
        *fields[k] = k == 0 ? ThresholdWord(v) : Word(v);
        if (!context_.updating)
            model.SetComp(ch, comp);
        return;
    }
    case Dynamics::Limit: {
        LimitSetting limit = model.GetLimit(ch);
        std::uint16_t* fields[] = {&limit.threshold, &limit.attack, &limit.release, &limit.knee};
        if (k < 0 || k >= int(std::size(fields)))
            return;
        *fields[k] = k == 0 ? ThresholdWord(v) : Word(v);
        if (!context_.updating)
            model.SetLimit(ch, limit);
        return;
    }
    case Dynamics::Gate: {
        GateSetting gate = model.GetGate(ch);
        std::uint16_t* fields[] = {&gate.threshold, &gate.attack, &gate.release, &gate.hold};
        if (k < 0 || k >= int(std::size(fields)))
            return;
        *fields[k] = k == 0 ? ThresholdWord(v) : Word(v);
        if (!context_.updating)
            model.SetGate(ch, gate);
        return;
    }
    }
}

// The edited channel's up-down is in the middle of its own change and its
// handler writes its text, so the mirror leaves it alone.
void DynamicsEditor::Mirror(Dynamics kind, int ch, int k, int v) {
    const DynamicsRow* row = DynamicsRowOf(kind, k);
    if (row == nullptr)
        return;
    sys::FlagScope guard(context_.updating);
    const std::string text = row->text(v);
    for (int member : LinkMembers(context_.Model(), ch)) {
        if (row->upDown && member == ch)
            continue;
        const std::string suffix = ChannelSuffix(member);
        auto* edit = context_.Find<TControl>(std::string("cvd") + row->name + suffix);
        if (edit == nullptr)
            return;
        if (row->upDown) {
            auto* upDown = context_.Find<TUpDown>(std::string("ud") + row->name + suffix);
            if (upDown == nullptr)
                return;
            upDown->SetPosition(v);
        } else if (!mainform::SetFaderPosition(
                       context_.Find<TControl>(std::string("is") + row->name + suffix), v)) {
            return;
        }
        edit->SetText(text);
    }
}

void DynamicsEditor::Retitle(const char* title, const char* head, int ch, const char* key) {
    if (auto* label = context_.Find<TControl>(title))
        label->SetCaption(mainform::DynamicsPageTitle(ch, context_.host.Translate(key)));
    if (head == nullptr)
        return;
    if (auto* label = context_.Find<TControl>(head))
        label->SetCaption(mainform::DynamicsPageHead(ch));
}

void DynamicsEditor::DrawCompCurve(int ch) {
    const std::string n = ChannelSuffix(ch);
    auto* threshold = context_.Find<TControl>("isCompThreshold" + n);
    auto* knee = context_.Find<TUpDown>("udCompKnee" + n);
    auto* ratio = context_.Find<TUpDown>("udCompRatio" + n);
    auto* plot = context_.Find<TiXYPlot>("ipComp");
    if (!threshold || !knee || !ratio || !plot)
        return;
    const int step = ratio->Position() == ratio->Max() ? LimitRatioStep : ratio->Position();
    const int t = FaderPosition(threshold);
    DrawOn(*plot, CompressorCurve(t, knee->Position(), step), ThresholdMarker(t));
    Retitle("lbCompName", "lbHeadCompOut", ch, "SID_COMP");
    pages_.comp = ch;
}

void DynamicsEditor::DrawLimitCurve(int ch) {
    const std::string n = ChannelSuffix(ch);
    auto* threshold = context_.Find<TControl>("isLimitThreshold" + n);
    auto* knee = context_.Find<TUpDown>("udLimitKnee" + n);
    auto* plot = context_.Find<TiXYPlot>("ipLimit");
    if (!threshold || !knee || !plot)
        return;
    const int t = FaderPosition(threshold);
    DrawOn(*plot, LimiterCurve(t, knee->Position()), ThresholdMarker(t));
    Retitle("lbLimitName", "lbHeadLimitOut", ch, "SID_LIMIT");
    pages_.limit = ch;
}

bool DynamicsEditor::DrawGate(int ch, bool head) {
    auto* threshold = context_.Find<TControl>("isGateThreshold" + ChannelSuffix(ch));
    auto* plot = context_.Find<TiXYPlot>("ipGate");
    if (!threshold || !plot)
        return false;
    const int t = FaderPosition(threshold);
    DrawOn(*plot, GateCurve(t), ThresholdMarker(t));
    Retitle("lbGateName", head ? "lbHeadGateIn" : nullptr, ch, "SID_GATE");
    pages_.gate = ch;
    return true;
}

void DynamicsEditor::DrawGateCurve(int ch) {
    DrawGate(ch, true);
}

void DynamicsEditor::DrawPageCurves() {
    DrawGateCurve(0);
    DrawCompCurve(FirstOutput);
    DrawLimitCurve(FirstOutput);
}

void DynamicsEditor::CompTimer() {
    compTimer_.SetEnabled(false);
    DrawCompCurve(compCurveChannel_);
}

void DynamicsEditor::LimitTimer() {
    limitTimer_.SetEnabled(false);
    DrawLimitCurve(limitCurveChannel_);
}

} // namespace korvan::editors
