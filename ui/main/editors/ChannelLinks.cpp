#include "ui/main/editors/ChannelLinks.h"

#include "controls/panels/PowerButton.h"
#include "device/model/LUnitControl.h"
#include "device/model/PresetImage.h"
#include "platform/text/AnsiText.h"
#include "ui/curves/Plot.h"
#include "ui/main/editors/CurveOverlays.h"
#include "ui/main/editors/LinkMembers.h"
#include "ui/main/form/PageNames.h"

namespace korvan::editors {

using mainform::ChannelCount;
using mainform::ChannelShort;
using mainform::ChannelSuffix;

namespace {

// Hides an overlay button of channel ch on display d, switched off, its
// curve gone and no longer waiting to be copied.
void HideOverlay(const EditorContext& context, TVrPowerButton& button, int d, int ch) {
    button.SetVisible(false);
    button.SetActive(false);
    context.overlayChanged[std::size_t(d)] &= ~(1 << ch);
    if (Plot* plot = context.PlotAt(d))
        plot->RemoveCurve(CurveOverlays::SlotOf(d, ch));
}

} // namespace

void ChannelLinks::UpdateShowButtons(int ch, bool shown) {
    if (ch < 0 || ch >= ChannelCount)
        return;
    auto* page = context_.Find<TControl>("rzbMenu" + ChannelSuffix(ch));
    auto* gain = context_.Find<TVrPowerButton>("vrbShow" + ChannelShort(ch) + "Gain");
    if (page == nullptr || gain == nullptr)
        return;
    const int gainDisplay = layout::IsInput(ch) ? GainInDisplay : GainOutDisplay;
    if (shown)
        gain->SetVisible(true);
    else
        HideOverlay(context_, *gain, gainDisplay, ch);
    const int first = layout::KindFirst(ch);
    for (int p = first; p < first + layout::KindCount(ch); ++p) {
        if (p == ch)
            continue;
        auto* button = context_.Find<TVrPowerButton>("vrbShow" + ChannelShort(ch) + ChannelSuffix(p));
        if (button == nullptr)
            return;
        if (shown)
            button->SetVisible(true);
        else
            HideOverlay(context_, *button, p, ch);
    }
}

void ChannelLinks::UpdateLinkCaptions(int head, int ch) {
    if (ch < 0 || ch >= ChannelCount || head < 0 || head >= ChannelCount)
        return;
    auto* page = context_.Find<TControl>("rzbMenu" + ChannelSuffix(ch));
    TControl* geq = nullptr;
    if (layout::IsInput(ch)) {
        geq = context_.Find<TControl>("rzbGeqSel" + ChannelSuffix(ch));
        if (geq == nullptr)
            return;
    }
    if (page == nullptr)
        return;
    page->SetCaption(head == ch ? ChannelSuffix(ch) : ChannelShort(ch) + "=" + ChannelShort(head));
    if (geq != nullptr)
        geq->SetCaption(page->Caption());
}

void ChannelLinks::CopyInModel(int from, int to) {
    LUnitControl& model = context_.Model();
    if (!layout::IsChannel(from) || !layout::IsChannel(to) || layout::IsInput(from) != layout::IsInput(to))
        return;
    for (const int member : LinkMembers(model, to))
        model.CopyChannelSettings(from, member);
}

void ChannelLinks::SetChannelName(int ch, const std::string& name) {
    if (ch < 0 || ch >= ChannelCount)
        return;
    auto* label = context_.Find<TControl>("lbMatrixChName" + ChannelSuffix(ch));
    auto* page = context_.Find<TControl>("rzbMenu" + ChannelSuffix(ch));
    if (label == nullptr || page == nullptr)
        return;
    std::string bytes = name.substr(0, layout::kChannelNameLen);
    bytes.resize(layout::kChannelNameLen, '\0');
    const std::string shown = text::FromAnsiField(bytes);
    label->SetCaption(shown);
    page->SetHint(shown);
    context_.Model().SetChName(ch, bytes.c_str());
}

} // namespace korvan::editors
