#include "ui/main/editors/CrossoverEditor.h"

#include "controls/panels/BmpButton.h"
#include "device/model/LUnitControl.h"
#include "device/protocol/ValueScales.h"
#include "platform/forms/StdCtrls.h"
#include "ui/main/editors/PassCurveQueue.h"
#include "ui/main/editors/PeqBandEditor.h"
#include "ui/main/form/Faders.h"
#include "ui/main/form/PageNames.h"

#include <cstdint>
#include <string>

namespace korvan::editors {

using mainform::ChannelCount;
using mainform::ChannelSuffix;

namespace {

// The high-pass filter's controls are named "LowCut", the low-pass
// filter's "HighCut".
std::string Named(const char* prefix, bool highPass, const char* role, int ch) {
    return prefix + std::string(highPass ? "LowCut" : "HighCut") + role + ChannelSuffix(ch);
}

// 0 is the filter off; 1..20 the slope item + 1 (none chosen: off too).
int FilterType(const TRzBmpButton& bypass, const TComboBox& slope) {
    return bypass.Down() || slope.ItemIndex() < 0 ? 0 : slope.ItemIndex() + 1;
}

void Store(LUnitControl& model, int ch, bool highPass, int position, int type) {
    CrossoverSetting setting = model.GetCrossover(ch);
    if (highPass) {
        setting.hpFreq = static_cast<std::uint16_t>(position);
        setting.hpType = static_cast<std::uint8_t>(type);
        model.SetHighPass(ch, setting);
    } else {
        setting.lpFreq = static_cast<std::uint16_t>(position);
        setting.lpType = static_cast<std::uint8_t>(type);
        model.SetLowPass(ch, setting);
    }
}

} // namespace

void CrossoverEditor::AttachHandlers() {
    for (int ch = 0; ch < ChannelCount; ++ch) {
        for (bool highPass : {true, false}) {
            mainform::OnFaderChange(
                context_.Find<TControl>(Named("is", highPass, "Freq", ch)),
                [this, ch, highPass](int position) { FaderMoved(ch, highPass, position); });
            if (auto* slope = context_.Find<TComboBox>(Named("rzc", highPass, "Slop", ch))) {
                slope->OnChange = [this, ch, highPass](TObject*) { TypeChanged(ch, highPass); };
                slope->OnMouseWheel = [](TObject*, TShiftState, int, int, int, bool& handled) {
                    handled = true;
                };
            }
            if (auto* bypass = context_.Find<TControl>(Named("rzb", highPass, "Bypass", ch)))
                bypass->OnClick = [this, ch, highPass](TObject*) { TypeChanged(ch, highPass); };
        }
    }
}

void CrossoverEditor::FaderMoved(int ch, bool highPass, int position) {
    if (context_.updating)
        return;
    auto* readOut = context_.Find<TControl>(Named("cvd", highPass, "Freq", ch));
    auto* slope = context_.Find<TComboBox>(Named("rzc", highPass, "Slop", ch));
    auto* bypass = context_.Find<TRzBmpButton>(Named("rzb", highPass, "Bypass", ch));
    if (!readOut || !slope || !bypass)
        return;
    const float hz = float(IndexToFreq(position));
    readOut->SetText(PeqFrequencyText(hz));
    const int type = FilterType(*bypass, *slope);
    passCurve_.Queue(highPass, ch, hz, type);
    Store(context_.Model(), ch, highPass, position, type);
}

// No guard at entry: a change made by a refresh draws its curve, and only
// the store is left out.
void CrossoverEditor::TypeChanged(int ch, bool highPass) {
    mainform::FaderRange fader;
    auto* slope = context_.Find<TComboBox>(Named("rzc", highPass, "Slop", ch));
    auto* bypass = context_.Find<TRzBmpButton>(Named("rzb", highPass, "Bypass", ch));
    if (!slope || !bypass ||
        !mainform::ReadFaderRange(context_.Find<TControl>(Named("is", highPass, "Freq", ch)), fader))
        return;
    const int type = FilterType(*bypass, *slope);
    passCurve_.Draw(highPass, ch, double(float(IndexToFreq(fader.position))), type);
    if (context_.updating)
        return;
    Store(context_.Model(), ch, highPass, fader.position, type);
}

} // namespace korvan::editors
