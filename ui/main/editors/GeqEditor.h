#pragma once
// The 31-band graphic EQ of every input: band faders with their labels and
// curve sections (the total redrawn on a 1 ms timer), the bypass of the
// link group, the reset through the EQ-reset dialog, and the page's input
// selector.

#include "ui/main/editors/EditorContext.h"

#include <functional>

class TTimer;

namespace korvan {
struct PendingGeqEditState;
}

namespace korvan::editors {

class GeqEditor {
public:
    GeqEditor(const EditorContext& context, PendingGeqEditState& pending, TTimer& timer)
        : context_(context), pending_(pending), timer_(timer) {}

    // `openReset` shows the EQ-reset dialog for 12 + input.
    void AttachHandlers(std::function<void(int)> openReset);

    // Band b of input x moved to level v (0..240, 120 = 0 dB).
    void BandMoved(int x, int b, int v);
    // The deferred redraw of the last edited band's display.
    void CurveTimer();
    // Bypass on or off for the whole link group of input x.
    void ToggleBypass(int x);
    // The panels of input x's group head, labelled and drawn for x.
    void Select(int x);
    // The reset of input x: every band's fader moved to the default
    // preset's level in turn, each band queued to the unit.
    void ResetBands(int x);

private:
    EditorContext context_;
    PendingGeqEditState& pending_;
    TTimer& timer_;
};

} // namespace korvan::editors
