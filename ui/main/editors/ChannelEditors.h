#pragma once
// The main window's channel editors besides the curves: the strip (gain,
// polarity, mute), the delay, the graphic EQ and the links, bound to the form's
// controls in one place.

#include "platform/forms/LoadScope.h"
#include "ui/main/editors/ChannelLinks.h"
#include "ui/main/editors/ChannelStrip.h"
#include "ui/main/editors/DelayEditor.h"
#include "ui/main/editors/GeqEditor.h"

#include <functional>

namespace korvan::editors {

class ChannelEditors {
public:
    // Places the graphic EQ's timer through `scope`.
    ChannelEditors(const EditorContext& context, forms::LoadScope& scope, PendingGeqEditState& pendingGeq)
        : strip_(context), delay_(context),
          geq_(context, pendingGeq, *scope.PlaceTimer("tmGeqCurve", 1, [this] { geq_.CurveTimer(); })),
          links_(context) {}

    // `openReset` shows the EQ-reset dialog for a code (12 + input here).
    void AttachHandlers(std::function<void(int)> openReset) {
        strip_.AttachHandlers();
        delay_.AttachHandlers();
        geq_.AttachHandlers(std::move(openReset));
    }
    // After every refresh from the model: the delay lines cut to their icons.
    void AfterRefresh() { delay_.PlaceAll(); }
    // After every new layout of the window: the same.
    void AfterResize() { delay_.PlaceAll(); }

    ChannelStrip& Strip() { return strip_; }
    DelayEditor& Delay() { return delay_; }
    GeqEditor& Geq() { return geq_; }
    ChannelLinks& Links() { return links_; }

private:
    ChannelStrip strip_;
    DelayEditor delay_;
    GeqEditor geq_;
    ChannelLinks links_;
};

} // namespace korvan::editors
