#pragma once
// The main window's content lies in a scroll box that fills the window. The
// layout places the content as if nothing were scrolled; the box scrolls
// only while the layout asks for it (below the design size) and otherwise
// shows no bars.

#include "platform/forms/ExtCtrls.h"

#include <functional>

namespace korvan::mainform {

// Runs `layOut` with the content of `box` back at its unscrolled places,
// then lets the box scroll when `layOut` returns true (its ranges follow
// the content) or shows it whole without bars. A position the user
// scrolled to is kept as far as the new ranges allow. Returns what
// `layOut` returned.
bool LayOutScrolled(TScrollBox& box, const std::function<bool()>& layOut);

} // namespace korvan::mainform
