#pragma once
// The drawing layer's objects as published properties: a control's Font
// streams as "Font.Name = ...", colours write their clXxx names.

#include "platform/forms/TypeInfo.h"
#include "platform/gfx/GraphicsObjects.h"

namespace korvan::forms {

template <> struct ForeignClassInfo<TFont> { static const TClassInfo& Get(); };

template <> struct ForeignClassInfo<TPen> { static const TClassInfo& Get(); };

template <> struct ForeignClassInfo<TBrush> { static const TClassInfo& Get(); };

// Registers the colour names with the form stream (once).
void RegisterColorIdents();

} // namespace korvan::forms
