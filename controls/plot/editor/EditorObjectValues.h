#pragma once
// A plot object's published properties as the editor pages see them: read
// as the text an editor control loads (numbers in decimal, floats with the
// current decimal separator, Booleans as "True" / "False"), written back
// through the property's setter, and fonts reached as the object's own.

#include <string>
#include <string_view>

class TFont;
class TObject;

namespace korvan::plot {

// The value at the dotted path, "" when no property is there.
std::string PropertyTextByPath(TObject* object, std::string_view path);
// Through the property's setter; nothing when no property is there.
void WritePropertyTextByPath(TObject* object, std::string_view path, const std::string& text);
// The font held by the font-valued property at the path, or null.
TFont* FontByPath(TObject* object, std::string_view path);

} // namespace korvan::plot
