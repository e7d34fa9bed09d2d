#include "ui/main/editors/ChannelStrip.h"

#include "controls/panels/BmpButton.h"
#include "platform/sys/FlagScope.h"
#include "ui/main/RefreshTexts.h"
#include "ui/main/editors/LinkMembers.h"
#include "ui/main/form/Faders.h"
#include "ui/main/form/PageNames.h"

#include <cstdint>

namespace korvan::editors {

using mainform::ChannelCount;
using mainform::ChannelSuffix;

namespace {

// The model counts gain from the fader's minimum.
constexpr int GainFloor = -280;

} // namespace

void ChannelStrip::AttachHandlers() {
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const std::string x = ChannelSuffix(ch);
        for (const char* fader : {"isGain", "isGainBackup"})
            mainform::OnFaderChange(context_.Find<TControl>(fader + x),
                                    [this, ch](int position) { GainMoved(ch, position); });
        for (const char* phase : {"rzbPhase", "rzbPhaseBackup"})
            if (auto* button = context_.Find<TRzBmpButton>(phase + x))
                button->OnClick = [this, button](TObject*) {
                    PolarityClicked(button->Tag(), button->Down());
                };
        for (const char* mute : {"rzbMute", "rzbMuteBackup"})
            if (auto* button = context_.Find<TRzBmpButton>(mute + x))
                button->OnClick = [this, button](TObject*) { MuteClicked(button->Tag(), button->Down()); };
    }
}

// The twin is moved by the mirror under the update guard, so one move by
// the user stores and sends once.
void ChannelStrip::GainMoved(int ch, int v) {
    if (context_.updating)
        return;
    context_.Model().SetGain(ch, static_cast<std::uint16_t>(v - GainFloor));
    MirrorGain(ch, v);
}

void ChannelStrip::PolarityClicked(int ch, bool down) {
    context_.Model().SetPolarity(ch, down ? 1 : 0);
    MirrorPolarity(ch, down);
}

void ChannelStrip::MuteClicked(int ch, bool down) {
    context_.Model().SetMute(ch, down ? 1 : 0);
    MirrorMute(ch, down);
}

void ChannelStrip::MirrorGain(int ch, int v) {
    sys::FlagScope guard(context_.updating);
    const std::string text = LevelText(v);
    for (int member : LinkMembers(context_.Model(), ch)) {
        const std::string x = ChannelSuffix(member);
        auto* read = context_.Find<TControl>("cvdGain" + x);
        auto* readBackup = context_.Find<TControl>("cvdGainBackup" + x);
        auto* fader = context_.Find<TControl>("isGain" + x);
        auto* faderBackup = context_.Find<TControl>("isGainBackup" + x);
        if (!read || !readBackup || !fader || !faderBackup)
            return;
        read->SetText(text);
        readBackup->SetText(text);
        mainform::SetFaderPosition(fader, v);
        mainform::SetFaderPosition(faderBackup, v);
    }
}

void ChannelStrip::MirrorPolarity(int ch, bool on) {
    const std::string caption = context_.host.Translate(on ? "SID_PHASE_ON" : "SID_PHASE_OFF");
    for (int member : LinkMembers(context_.Model(), ch)) {
        const std::string x = ChannelSuffix(member);
        auto* button = context_.Find<TRzBmpButton>("rzbPhase" + x);
        auto* backup = context_.Find<TRzBmpButton>("rzbPhaseBackup" + x);
        if (!button || !backup)
            return;
        button->SetDown(on);
        backup->SetDown(on);
        button->SetCaption(caption);
        backup->SetCaption(caption);
    }
}

void ChannelStrip::MirrorMute(int ch, bool on) {
    for (int member : LinkMembers(context_.Model(), ch)) {
        const std::string x = ChannelSuffix(member);
        auto* button = context_.Find<TRzBmpButton>("rzbMute" + x);
        auto* backup = context_.Find<TRzBmpButton>("rzbMuteBackup" + x);
        if (!button || !backup)
            return;
        button->SetDown(on);
        backup->SetDown(on);
    }
}

} // namespace korvan::editors
