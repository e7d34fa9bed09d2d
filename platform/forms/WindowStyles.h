#pragma once
// Window styles that a form carries beside its published properties: a
// window that is never activated, top-most placement without moving, a
// window region and the alpha blending of the whole window. They act on
// the form's top-level window; set them after the form's BorderStyle and
// FormStyle, which choose the window's flags afresh.

#include "platform/forms/Form.h"
#include "platform/gfx/Region.h"

#include <cstdint>

namespace korvan::forms {

// Shown without taking the activation and never given the focus: a click
// on the window leaves the active window active (the click itself still
// reaches the form). Such a window has no frame and no taskbar entry.
void SetNoActivate(TCustomForm& form);
bool IsNoActivate(TCustomForm& form);

// Top-most from now on, without moving, sizing or activating the window.
void MakeTopMost(TCustomForm& form);
bool IsTopMost(TCustomForm& form);

// The window shows and takes the mouse only inside `region` (client
// coordinates of a borderless form); an empty region gives the whole
// window back.
void SetWindowRegion(TCustomForm& form, const gfx::Region& region);
// The region set, empty when there is none.
gfx::Region WindowRegion(TCustomForm& form);

// Alpha blending of the whole window: while on, the window is drawn with
// the constant alpha `value` (0 transparent, 255 opaque); off, opaque.
void SetAlphaBlend(TCustomForm& form, bool on, std::uint8_t value);

} // namespace korvan::forms
