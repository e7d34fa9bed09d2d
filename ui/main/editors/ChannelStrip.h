#pragma once
// Gain, polarity and mute of every channel. Each control is on the
// channel's own page and, as a twin named "...Backup", on the Gain page;
// an edit on either stores over the link group, sends one record for the
// edited channel, and shows the value on both copies of every member.

#include "ui/main/editors/EditorContext.h"

namespace korvan::editors {

class ChannelStrip {
public:
    explicit ChannelStrip(const EditorContext& context) : context_(context) {}

    // Binds the faders and buttons of every channel on both pages.
    void AttachHandlers();

    // A gain fader of channel ch moved to v (-280..120).
    void GainMoved(int ch, int v);
    // A polarity or mute button of channel ch clicked; `down` its new state.
    void PolarityClicked(int ch, bool down);
    void MuteClicked(int ch, bool down);

    // Both copies of every member of ch's group show the value.
    void MirrorGain(int ch, int v);
    void MirrorPolarity(int ch, bool on);
    void MirrorMute(int ch, bool on);

private:
    EditorContext context_;
};

} // namespace korvan::editors
