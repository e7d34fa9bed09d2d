#pragma once
// One way to load, read, enable and listen to any editor control, so that
// a page described as a table of controls and property paths can be built
// and driven by one piece of code. Values travel as property text: the
// text field's text, "True"/"False" for a check box, the item index for a
// radio group or combo box, the colour's number for a colour picker, the
// file name for a file picker, the number for an up-down.

#include "platform/forms/Control.h"

#include <string>

namespace korvan::plot {

// The control's value as text; empty for a control that holds none.
std::string EditorValueText(const TControl* control);
// Loads the value silently: no event and no UserChange.
void LoadEditorValue(TControl* control, const std::string& text);
// The control's Enable or Disable (a disabled field is emptied).
void SetEditorControlEnabled(TControl* control, bool enabled);
// Attaches `handler` to the event the control reports the user's changes
// with (an up-down reports through its text field).
void BindUserEdit(TControl* control, TNotifyEvent handler);

} // namespace korvan::plot
