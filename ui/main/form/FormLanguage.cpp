#include "ui/main/form/FormLanguage.h"

#include "controls/panels/BmpButton.h"
#include "ui/curves/MyPEQType8.h"
#include "ui/main/LanguageTables.h"
#include "ui/main/PeqGridLanguage.h"
#include "ui/main/form/PageNames.h"

#include <span>
#include <string>

namespace korvan::mainform {

namespace {

enum class For { Inputs, Outputs, Channels };

// A caption family: the name prefix (the channel suffix follows) and its key.
struct Caption {
    const char* prefix;
    const char* key;
    For channels;
};

constexpr Caption ChannelCaptions[] = {
    {"lbFftParam", "SID_PARAM_KEY", For::Channels},
    {"lbGain", "SID_GAIN", For::Channels},
    {"rzbMute", "SID_MUTE", For::Channels},
    {"lbEqParam", "SID_EQ_PARAM", For::Channels},
    {"lbEqFreq", "SID_EQ_FREQ", For::Channels},
    {"lbEqBw", "SID_EQ_BW", For::Channels},
    {"lbEqGain", "SID_EQ_GAIN", For::Channels},
    {"lbEq", "SID_EQ_PARAM_TITLE", For::Channels},
    {"lbLowCutFreq", "SID_HPF", For::Channels},
    {"lbLowCutSlop", "SID_HLP_SLOP", For::Channels},
    {"rzbLowCutBypass", "SID_HLP_BYPASS", For::Channels},
    {"lbHighCutFreq", "SID_LPF", For::Channels},
    {"lbHighCutSlop", "SID_HLP_SLOP", For::Channels},
    {"rzbHighCutBypass", "SID_HLP_BYPASS", For::Channels},
    {"vrbEqShowAll", "SID_SHOW_ALL_EQ", For::Channels},
    {"vrbEqReset", "SID_RESET_EQ", For::Channels},
    {"vrbEqBypass", "SID_BYPASS_EQ", For::Channels},
    {"lbGateThreshold", "SID_COMP_THRESHOLD", For::Inputs},
    {"lbGateAttack", "SID_COMP_ATTACK", For::Inputs},
    {"lbGateRelease", "SID_COMP_RELEASE", For::Inputs},
    {"lbGateHold", "SID_GATE_HOLD", For::Inputs},
    {"vrbEqResetGeq", "SID_RESET_EQ", For::Inputs},
    {"vrbEqBypassGeq", "SID_BYPASS_EQ", For::Inputs},
    {"lbCompRatio", "SID_COMP_RATIO", For::Outputs},
    {"lbCompThreshold", "SID_COMP_THRESHOLD", For::Outputs},
    {"lbCompAttack", "SID_COMP_ATTACK", For::Outputs},
    {"lbCompRelease", "SID_COMP_RELEASE", For::Outputs},
    {"lbCompKnee", "SID_COMP_KNEE", For::Outputs},
    {"lbLimitThreshold", "SID_COMP_THRESHOLD", For::Outputs},
    {"lbLimitAttack", "SID_COMP_ATTACK", For::Outputs},
    {"lbLimitRelease", "SID_COMP_RELEASE", For::Outputs},
    {"lbLimitKnee", "SID_COMP_KNEE", For::Outputs},
};

// Captions of the function pages, by full name.
constexpr std::pair<const char*, const char*> PageCaptions[] = {
    {"lbGainInput", "SID_IN"},          {"lbGainOutput", "SID_OUT"}, {"lbFftDelayIn", "SID_IN_DELAY"},
    {"lbFftDelayOut", "SID_OUT_DELAY"}, {"rzbUnit0", "SID_UNIT_MS"}, {"rzbUnit1", "SID_UNIT_M"},
    {"rzbUnit2", "SID_UNIT_FT"},        {"lbDelayInput", "SID_IN"},  {"lbDelayOutput", "SID_OUT"},
    {"lbDelayUnit", "SID_DELAY_UNIT"},  {"lbFftGainIn", "SID_IN"},   {"lbFftGainOut", "SID_OUT"},
};

bool Applies(For channels, int ch) {
    return channels == For::Channels || (channels == For::Inputs) == (ch < InputCount);
}

bool SetCaption(TComponent& root, const std::string& name, const std::string& text) {
    auto* control = dynamic_cast<TControl*>(root.FindComponent(name));
    if (control == nullptr)
        return false;
    control->SetCaption(text);
    return true;
}

// A polarity button says whether it inverts.
bool SetPhaseCaption(TComponent& root, const TStrings& table, const std::string& name) {
    auto* button = dynamic_cast<TRzBmpButton*>(root.FindComponent(name));
    if (button == nullptr)
        return false;
    button->SetCaption(TranslateIn(table, button->Down() ? "SID_PHASE_ON" : "SID_PHASE_OFF"));
    return true;
}

} // namespace

bool ApplyFormLanguage(TComponent& root, const TStrings& table, DynamicsPageChannels pages) {
    for (int ch = 0; ch < ChannelCount; ++ch) {
        const std::string suffix = ChannelSuffix(ch);
        if (!SetCaption(root, "rzbMuteBackup" + suffix, TranslateIn(table, "SID_MUTE")) ||
            !SetPhaseCaption(root, table, "rzbPhaseBackup" + suffix) ||
            !SetPhaseCaption(root, table, "rzbPhase" + suffix))
            return false;
        for (const Caption& c : ChannelCaptions)
            if (Applies(c.channels, ch) && !SetCaption(root, c.prefix + suffix, TranslateIn(table, c.key)))
                return false;
        auto* grid = dynamic_cast<TMyPEQType8*>(root.FindComponent("peqPeq" + suffix));
        if (grid == nullptr)
            return false;
        ApplyPeqGridLanguage(*grid, table);
    }
    for (const auto& [name, key] : PageCaptions)
        if (!SetCaption(root, name, TranslateIn(table, key)))
            return false;
    const auto title = [&](const char* name, int channel, const char* key) {
        return SetCaption(root, name, DynamicsPageTitle(channel, TranslateIn(table, key)));
    };
    return title("lbGateName", pages.gate, "SID_GATE") && title("lbCompName", pages.comp, "SID_COMP") &&
           title("lbLimitName", pages.limit, "SID_LIMIT");
}

} // namespace korvan::mainform
