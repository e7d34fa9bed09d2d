#pragma once
// The visual style's push-button element, drawn in this program's own
// look where no visual-style service exists: a rounded face with a soft
// top-to-bottom shading whose outline tells the state.

#include "platform/gfx/Canvas.h"

namespace korvan::panels {

enum class ButtonElementState { Normal, Hot, Pressed, Disabled, Defaulted };

void DrawButtonElement(TCanvas& canvas, const TRect& r, ButtonElementState state);

} // namespace korvan::panels
