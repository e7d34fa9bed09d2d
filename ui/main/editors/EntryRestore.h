#pragma once
// The failure path of the main window's typed entries: the field shows the
// text of the value its control holds, with the caret at the end, and
// nothing is stored, sent or moved.

#include "controls/gdip/CurvyControls.h"

#include <string>

namespace korvan::editors {

inline void RestoreEntryText(TCurvyEdit& field, const std::string& text) {
    field.SetText(text);
    field.Edit()->SetSelStart(int(text.size()));
}

} // namespace korvan::editors
