#pragma once
// Published properties reached by dotted paths ("TitleFont.Color"): the
// kind of one, and setting one from an incoming OPC value.

#include "controls/plot/core/PlotTypes.h"
#include "platform/forms/TypeInfo.h"

#include <string>
#include <string_view>

namespace korvan::plot {

// The kind of the first published property with a setter whose full path
// equals `path` (letter case ignored), searching object-valued properties
// with "Name." prefixes; tkUnknown when none.
TTypeKind PropertyKindByPath(const ObjectRef& target, std::string_view path);

// An incoming OPC value applied by its text (see SetPropertyValueByPath in
// PropertyLines.h for the conversions).
void SetPropertyValueByPath(const ObjectRef& target, const std::string& prefix, const TiOPCValue& value,
                            std::string_view path);

// The text of an OPC value ("True"/"False", decimal numbers, the string).
std::string OPCValueText(const TiOPCValue& value);

} // namespace korvan::plot
