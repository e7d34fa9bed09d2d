#pragma once
// The main window's channel editors besides the curves: the strip (gain,
// polarity, mute) and the delay, bound to the form's controls in one place.

#include "ui/main/editors/ChannelStrip.h"
#include "ui/main/editors/DelayEditor.h"

namespace korvan::editors {

class ChannelEditors {
public:
    explicit ChannelEditors(const EditorContext& context) : strip_(context), delay_(context) {}

    void AttachHandlers() {
        strip_.AttachHandlers();
        delay_.AttachHandlers();
    }
    // After every refresh from the model: the delay lines cut to their icons.
    void AfterRefresh() { delay_.PlaceAll(); }

    ChannelStrip& Strip() { return strip_; }
    DelayEditor& Delay() { return delay_; }

private:
    ChannelStrip strip_;
    DelayEditor delay_;
};

} // namespace korvan::editors
