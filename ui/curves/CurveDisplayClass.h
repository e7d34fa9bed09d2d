#pragma once
// The published properties of the two response-curve displays, for the
// form reader: both publish the same list in the same order.

#include "platform/forms/GraphicsProperties.h"
#include "platform/forms/TypeInfo.h"
#include "ui/curves/CurveDisplay.h"

namespace korvan::curves {

// The registry of a display class `T` named `name`, with the paint box's
// properties first.
template <class T> TClassInfo DisplayClassInfo(const char* name);

// Makes the display classes, the level meter and the PEQ grids known to the
// form reader by name.
void RegisterCurveClasses();

} // namespace korvan::curves
