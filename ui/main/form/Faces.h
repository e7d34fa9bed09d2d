#pragma once
// The main window's own pictures on its controls: a bitmap button gets the
// up and down faces of its style, an image its picture (see-through around
// it, or stretched over the image for the "base-" background strips), a
// fader its thumb's pictures. Each button or image picture is decoded once
// and every control that shows it shares its pixels.

#include "platform/forms/Control.h"

namespace korvan::mainform {

// Gives `control` the picture or faces named `face` ("page", "route", ..,
// "delay-marker", "base-left-up", "thumb"); a button also stops following
// its bitmap's size. Throws for a name the resources do not hold.
void ApplyFace(TControl& control, const char* face);

} // namespace korvan::mainform
