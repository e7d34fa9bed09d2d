#pragma once
// The pack's buttons answer their caption's accelerator the same way: the
// control clicks itself and takes the dialog-character message.

#include "platform/forms/ControlTypes.h"
#include "platform/forms/Messages.h"

#include <string>

namespace korvan::panels {

// For a CM_DIALOGCHAR message: when the character is `caption`'s
// accelerator and the control `canClick`, runs `click`, marks the message
// handled and says so.
template <class Click>
bool ClickOnAccelerator(TMessage& message, const std::string& caption, bool canClick, Click click) {
    if (!IsAccel(unsigned(message.WParam), caption) || !canClick)
        return false;
    click();
    message.Result = 1;
    return true;
}

} // namespace korvan::panels
