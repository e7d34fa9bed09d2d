#pragma once
// The main window's side of the link, copy and name windows: a channel's
// place in its link group on its page button (and an input's GEQ
// selector), the overlay buttons that a member may not have, the model's
// copy of one channel onto another's group, and the channel names on the
// labels.

#include "ui/main/editors/EditorContext.h"

#include <string>

namespace korvan::editors {

class ChannelLinks {
public:
    explicit ChannelLinks(const EditorContext& context) : context_(context) {}

    // Shows or hides every overlay button that lays ch's curve over a
    // display; a hidden one goes off and its curve leaves the display.
    void UpdateShowButtons(int ch, bool shown);
    // Channel ch's page button (and an input's GEQ selector) reads its own
    // name when it heads its group, else "B=A", "3=1".
    void UpdateLinkCaptions(int head, int ch);
    // Copies channel `from` into every channel of `to`'s group, in the
    // model only.
    void CopyInModel(int from, int to);
    // `name`: 8 bytes, NUL-padded. The name label and the page button's
    // hint show it; the model stores it and sends it.
    void SetChannelName(int ch, const std::string& name);

private:
    EditorContext context_;
};

} // namespace korvan::editors
