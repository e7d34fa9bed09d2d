#pragma once
// Published properties reached by dotted paths ("TitleFont.Color"): the
// kind of one, and setting one from the text of an incoming value.

#include "controls/plot/core/PlotTypes.h"
#include "platform/forms/TypeInfo.h"

#include <string>
#include <string_view>

namespace korvan::plot {

// The kind of the first published property with a setter whose full path
// equals `path` (letter case ignored), searching object-valued properties
// with "Name." prefixes; tkUnknown when none.
TTypeKind PropertyKindByPath(const ObjectRef& target, std::string_view path);

// Sets every published property of `target` (with a setter) whose full
// name (`prefix` + "." + name, or the name for an empty prefix) equals
// `path`, letter case ignored, from the text of `value`: integers, chars
// and sets from an integer text; enumerations by ordinal, with "True" and
// "False" read as 1 and 0 and, for a 0..1 range, any text but "0" as 1;
// floats in the locale's format; strings as they are. Object-valued
// properties are searched with their full name as prefix. A text that does
// not convert raises EConvertError.
void SetPropertyValueByPath(const ObjectRef& target, const std::string& prefix, const TiOPCValue& value,
                            std::string_view path);

// The text of an OPC value ("True"/"False", decimal numbers, the string).
std::string OPCValueText(const TiOPCValue& value);

} // namespace korvan::plot
