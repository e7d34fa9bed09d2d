#pragma once
// Showing and closing the editor's windows: the modal show that a window
// already up ignores, and the close that ends a modal show at once.

#include "platform/forms/Form.h"

namespace korvan {

// Shows `form` modally and returns its result; mrNone without showing when
// it is up already (a second modal show of a shown window is refused).
int ShowModalOnce(TCustomForm* form);
// Ends a modal show (or hides a modeless window) at once.
void CloseWindow(TCustomForm* form);

} // namespace korvan
