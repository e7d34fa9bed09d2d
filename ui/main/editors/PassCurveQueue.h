#pragma once
// The high- and low-pass curves of the channel displays, drawn at once or
// deferred. A frequency fader or a dragged corner writes the filter it
// changed and arms the 1 ms one-shot; a burst of moves gives one redraw,
// of the last filter written. A type or bypass change draws at once.

#include "ui/main/editors/ChannelCurves.h"
#include "ui/main/editors/PendingEdits.h"

class TTimer;

namespace korvan::editors {

class PassCurveQueue {
public:
    PassCurveQueue(const EditorContext& context, ChannelCurves& curves, TTimer& timer)
        : context_(context), curves_(curves), timer_(timer) {}

    // Filter type 0..20 at hz for channel ch, drawn when the timer fires.
    void Queue(bool highPass, int ch, float hz, int type);
    // The timer's handler: the last queued filter drawn.
    void Fire();
    // The filter's cascade, its corner's caption and shaded curve, and the
    // channel's total, on screen now.
    void Draw(bool highPass, int ch, double hz, int type);

    const PendingPeqEdit& Pending() const { return pending_; }

private:
    const EditorContext& context_;
    ChannelCurves& curves_;
    TTimer& timer_;
    PendingPeqEdit pending_;
};

} // namespace korvan::editors
