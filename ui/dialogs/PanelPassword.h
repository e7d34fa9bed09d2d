#pragma once
// What the two panel-lock windows share: the password field that keeps its
// text in upper case, and the four bytes a password record carries.

#include "platform/forms/StdCtrls.h"

#include <string>

namespace korvan {

// Makes `field` hold at most four characters, always in upper case.
void MakePasswordField(TEdit& field);
// The field's text as the four bytes of the system code page the unit
// takes; a shorter password is padded with NUL.
std::string PanelPasswordBytes(const TEdit& field);

} // namespace korvan
