#pragma once
// Layered windows: a top-level window with per-pixel alpha whose content
// the program pushes as a whole picture. A layered form shows only what the
// last UpdateLayeredWindow pushed, each pixel's alpha scaled by the push's
// constant alpha; what the form and its controls paint no longer reaches
// the screen, and the window is see-through until the first push. The
// mouse still reaches the form.

#include "platform/forms/Form.h"
#include "platform/gfx/Gdiplus.h"

#include <cstdint>
#include <memory>

namespace korvan::forms {

// Makes the form's window layered for good. Best done before the window
// first shows.
void SetLayered(TCustomForm& form);
bool IsLayered(TCustomForm& form);

// Puts `picture` (ARGB, not premultiplied) on the screen with its top-left
// corner at the screen point `dest`, blended with `constantAlpha`. The
// window moves to `dest` when it stands elsewhere. Nothing happens on a
// window that is not layered.
void UpdateLayeredWindow(TCustomForm& form, TPoint dest, const Gdiplus::Bitmap& picture,
                         std::uint8_t constantAlpha);

// What the window shows: the last picture pushed with its constant alpha
// applied (ARGB, not premultiplied); null before the first push.
std::unique_ptr<Gdiplus::Bitmap> LayeredPicture(TCustomForm& form);
// How often a picture was pushed.
int LayeredPushCount(TCustomForm& form);

} // namespace korvan::forms
