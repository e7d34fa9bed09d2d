#pragma once
// The drawing layer's objects as published properties: a control's Font
// streams as "Font.Name = ...", colours write their clXxx names.

#include "platform/forms/TypeInfo.h"
#include "platform/gfx/GraphicsObjects.h"

#include <string>
#include <vector>

namespace korvan::forms {

template <> struct ForeignClassInfo<TFont> { static const TClassInfo& Get(); };

template <> struct ForeignClassInfo<TPen> { static const TClassInfo& Get(); };

template <> struct ForeignClassInfo<TBrush> { static const TClassInfo& Get(); };

// Member names of the pen and brush styles, in ordinal order.
const std::vector<std::string>& PenStyleNames();
const std::vector<std::string>& BrushStyleNames();

// Registers the colour names with the form stream (once).
void RegisterColorIdents();

} // namespace korvan::forms
