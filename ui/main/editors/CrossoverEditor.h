#pragma once
// The high- and low-pass filter of every channel: a frequency fader with
// its read-out, a slope list and a bypass button each. An edit stores the
// channel's crossover over its link group and sends one record for the
// channel; only the edited channel's controls change, the members show the
// values at the next refresh. A fader move draws its curve on the
// pass-curve queue's timer, a slope or bypass change draws at once.

#include "ui/main/editors/EditorContext.h"

namespace korvan::editors {

class PassCurveQueue;

class CrossoverEditor {
public:
    CrossoverEditor(const EditorContext& context, PassCurveQueue& passCurve)
        : context_(context), passCurve_(passCurve) {}

    // Binds the faders, slope lists and bypass buttons of every channel;
    // the wheel never changes a slope.
    void AttachHandlers();

    // The high-pass (or low-pass) fader of channel ch moved to `position`
    // on the 1/30-octave grid.
    void FaderMoved(int ch, bool highPass, int position);
    // The slope list or the bypass button of that filter changed.
    void TypeChanged(int ch, bool highPass);

private:
    EditorContext context_;
    PassCurveQueue& passCurve_;
};

} // namespace korvan::editors
