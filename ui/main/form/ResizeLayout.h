#pragma once
// The main window's layout on resize: at the design size of 1118 x 720 the
// form's own places; above it the extra height and width are shared out
// over the pages by fixed rules with integer arithmetic; below it in one
// direction that direction keeps its last layout.

#include "platform/forms/Component.h"

#include <functional>

namespace korvan::mainform {

inline constexpr int DesignWidth = 1118;
inline constexpr int DesignHeight = 720;

struct LayoutResult {
    // Below the design size in either direction the window scrolls.
    bool autoScroll = false;
    // True when every control was found (the layout ends at a missing one).
    bool complete = true;
};

// Lays out the controls of `form` for an outer window size of width x
// height. `extraHeight` is written (height - 720) only when the height part
// runs. `placeDelayLine`, when given, is called for channels 0..11 last.
LayoutResult LayOutMainForm(TComponent& form, int width, int height, int& extraHeight,
                            const std::function<void(int)>& placeDelayLine = {});

} // namespace korvan::mainform
