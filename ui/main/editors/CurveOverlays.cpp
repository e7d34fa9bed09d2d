#include "ui/main/editors/CurveOverlays.h"

#include "controls/panels/PowerButton.h"
#include "ui/curves/LMyFFTDrawHpLp6dB.h"
#include "ui/curves/Plot.h"
#include "ui/main/form/PageNames.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace korvan::editors {

using mainform::ChannelCount;
using mainform::ChannelShort;
using mainform::ChannelSuffix;
using mainform::InputCount;

namespace {

constexpr int FirstOverlaySection = 39;

bool IsInput(int ch) {
    return ch < InputCount;
}

// The channels of ch's kind.
int KindFirst(int ch) {
    return IsInput(ch) ? 0 : InputCount;
}
int KindEnd(int ch) {
    return IsInput(ch) ? InputCount : ChannelCount;
}

std::string ChannelButton(int shown, int display) {
    return "vrbShow" + ChannelShort(shown) + ChannelSuffix(display);
}

std::string GainButton(int shown) {
    return "vrbShow" + ChannelShort(shown) + "Gain";
}

void CopyTotal(const Plot& from, Plot& to, int slot) {
    const auto& total = std::as_const(from.Sections[Plot::TotalSection]->Response);
    auto& copy = to.Sections[static_cast<std::size_t>(slot)]->Response;
    std::copy(total.begin(), total.end(), copy.data());
}

void ShowPage(Plot& plot) {
    if (plot.Display)
        plot.Display->UpdateCurvePage();
}

TColor Colour(int c) {
    return mainform::OverlayColour(c);
}

} // namespace

void MarkOverlayChanged(OverlayMarks& marks, int ch) {
    if (ch < 0 || ch >= ChannelCount)
        return;
    for (int d = KindFirst(ch); d < KindEnd(ch); ++d)
        marks[static_cast<std::size_t>(d)] |= 1 << ch;
    marks[GainInDisplay] |= 1 << ch;
    marks[GainOutDisplay] |= 1 << ch;
}

int CurveOverlays::SlotOf(int d, int c) {
    if (d >= GainInDisplay)
        return c;
    return FirstOverlaySection + c - KindFirst(c);
}

void CurveOverlays::AttachHandlers() {
    for (int d = 0; d < ChannelCount; ++d)
        for (int c = KindFirst(d); c < KindEnd(d); ++c)
            if (auto* button = context_.Find<TVrPowerButton>(ChannelButton(c, d)); button && c != d)
                button->OnClick = [this, d](TObject* s) { ToggleCurveOverlay(s, d); };
    for (int c = 0; c < ChannelCount; ++c)
        if (auto* button = context_.Find<TVrPowerButton>(GainButton(c)))
            button->OnClick = [this, c](TObject* s) {
                ToggleCurveOverlay(s, IsInput(c) ? GainInDisplay : GainOutDisplay);
            };
}

void CurveOverlays::ToggleCurveOverlay(TObject* sender, int d) {
    auto* button = dynamic_cast<TVrPowerButton*>(sender);
    Plot* plot = context_.PlotAt(d);
    if (button == nullptr || plot == nullptr)
        return;
    const int c = button->Tag();
    if (c < 0 || c >= ChannelCount)
        return;
    context_.overlayChanged[static_cast<std::size_t>(d)] &= ~(1 << c);
    if (button->Active())
        plot->DrawSectionCurve(SlotOf(d, c), Colour(c));
    else
        plot->RemoveCurve(SlotOf(d, c));
    ShowPage(*plot);
}

void CurveOverlays::RefreshChannelOverlays(int ch) {
    Plot* plot = context_.PlotAt(ch);
    if (plot == nullptr || ch >= ChannelCount)
        return;
    int& marks = context_.overlayChanged[static_cast<std::size_t>(ch)];
    for (int c = KindFirst(ch); c < KindEnd(ch); ++c) {
        if (c == ch)
            continue;
        auto* button = context_.Find<TVrPowerButton>(ChannelButton(c, ch));
        const Plot* source = context_.PlotAt(c);
        if (button == nullptr || source == nullptr)
            return;
        if (!(marks & (1 << c)))
            continue;
        marks &= ~(1 << c);
        // Copied even while the button is off, so switching it on shows the
        // fresh curve.
        CopyTotal(*source, *plot, SlotOf(ch, c));
        if (button->Active())
            plot->DrawSectionCurve(SlotOf(ch, c), Colour(c));
    }
    ShowPage(*plot);
}

void CurveOverlays::RefreshGainOverlays() {
    Plot* inputs = context_.PlotAt(GainInDisplay);
    Plot* outputs = context_.PlotAt(GainOutDisplay);
    if (inputs == nullptr || outputs == nullptr)
        return;
    for (int c = 0; c < ChannelCount; ++c)
        if (const Plot* source = context_.PlotAt(c))
            CopyTotal(*source, IsInput(c) ? *inputs : *outputs, c);
    for (int c = 0; c < ChannelCount; ++c) {
        auto* button = context_.Find<TVrPowerButton>(GainButton(c));
        if (button == nullptr)
            return;
        const int d = IsInput(c) ? GainInDisplay : GainOutDisplay;
        int& marks = context_.overlayChanged[static_cast<std::size_t>(d)];
        if (button->Active() && (marks & (1 << c))) {
            marks &= ~(1 << c);
            (IsInput(c) ? inputs : outputs)->DrawSectionCurve(c, Colour(c));
        }
    }
    ShowPage(*inputs);
    ShowPage(*outputs);
}

void CurveOverlays::RefreshPage(int page) {
    if (page == mainform::GainPage)
        RefreshGainOverlays();
    else
        RefreshChannelOverlays(page);
}

} // namespace korvan::editors
