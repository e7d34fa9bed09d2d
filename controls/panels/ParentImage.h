#pragma once
// Painting behind transparent controls: the parent's picture under a control
// drawn onto a canvas, and the repaint of a container's transparent children.

#include "platform/gfx/Canvas.h"

class TControl;
class TWinControl;

// Paints the parent's background and the controls below `control` into
// `canvas`, whose origin is the control's top-left corner. With
// `invalidateParent` a parent that is neither a painted control nor a form
// is asked to repaint as well. Nothing happens without a parent.
void DrawParentImage(TControl* control, TCanvas& canvas, bool invalidateParent);

// Repaints every child of `container` whose published "Transparent" is true.
void InvalidateTransparentChildren(TWinControl* container);
