#pragma once
// Property lines: the published properties of an object as text, one line
// per property, "Path = Value". The path names nested objects by dotted
// names (TitleFont.Color); ordinal values (integers, enumerations, sets,
// Booleans, colours) are written as decimal numbers, floats in the current
// decimal separator, strings with CR and LF written as #13 and #10. Lines
// keep their full length both ways.
//
// Reading exchanges the decimal separator of a float ("1,5" reads as 1.5
// under a point separator and the reverse), so a file written under one
// setting reads under the other. A number that does not convert raises
// EConvertError; the lines applied before stay applied and the failing one
// stays at the top of the list.

#include "platform/forms/TypeInfo.h"

#include <string>
#include <string_view>

class TStrings;

namespace korvan::plot {

// Appends a line per published, stored, settable property of instance in
// the class's property order. prefix is the path of instance itself (empty
// at the top). skipDefaults leaves out ordinal values equal to their
// declared default; skipList (may be null) holds full paths not written,
// compared without letter case. Nested persistent objects (fonts, pens,
// owned parts) are written with their path; linked components are not.
void WritePropertyLines(const ObjectRef& instance, const std::string& prefix, TStrings& lines,
                        bool skipDefaults, const TStrings* skipList);
void WritePropertyLines(TObject* instance, const std::string& prefix, TStrings& lines, bool skipDefaults,
                        const TStrings* skipList);

// Sets every ordinal that WritePropertyLines would leave out as a default
// to its declared default, nested objects included, so that lines written
// with skipDefaults read back into the same values whatever the instance
// started with.
void ApplyDeclaredDefaults(TObject* instance);

// Applies and removes lines from the top of lines while they belong to
// section: with an empty section every line is read; otherwise reading
// stops at the first line whose first path element is not the section name
// written exactly (letter case included), which stays in lines.
void ReadPropertyLines(const ObjectRef& instance, const std::string& section, TStrings& lines);
void ReadPropertyLines(TObject* instance, const std::string& section, TStrings& lines);

// Applies one value to the property at path (relative to instance). Paths
// naming no property, or a property of a kind that is not written, are
// ignored. decimalSeparator is the reader's separator ('.' or ',').
void ReadPropertyLine(const ObjectRef& instance, std::string_view path, std::string_view value,
                      char decimalSeparator);

// When section is not empty and path's first element (trimmed) equals it
// without letter case: found := the element as written, path loses it and
// its "."; otherwise found := "" and path stays.
void StripSectionPrefix(std::string_view section, std::string& path, std::string& found);

// At the first separator: the trimmed texts before and after it; both empty
// when the separator does not occur.
void SplitAtSeparator(std::string_view text, char separator, std::string& left, std::string& right);

// Finds the first line whose name (the trimmed text before its first "=")
// equals key without letter case, takes its trimmed value and deletes the
// line. False when no line has that name.
bool ExtractNamedValue(std::string_view key, std::string& value, TStrings& lines);

// The persistent object held by the object-valued published property name,
// or a null reference.
ObjectRef GetObjectProperty(const ObjectRef& instance, std::string_view name);

// Sets every non-object property whose full path (prefix + "." + name, or
// the name alone) equals path without letter case, walking nested
// persistent objects, from text: integers, characters and sets from its
// number; enumerations by ordinal, with "True" and "False" (any case) as 1
// and 0 and, for a two-member enumeration, any text but "0" as 1; floats in
// the current decimal separator; strings as they stand. A text that does
// not convert raises EConvertError.
void SetPropertyValueByPath(const ObjectRef& target, const std::string& prefix, const std::string& value,
                            std::string_view path);

// CR as "#13" and LF as "#10", and back.
std::string EscapeLineBreaks(std::string_view text);
std::string UnescapeLineBreaks(std::string_view text);

// Float text of value with the given decimal separator, and the reading of
// one with the separator exchange described above.
std::string PropertyFloatText(double value, char decimalSeparator);
double PropertyFloatValue(std::string_view text, char decimalSeparator);

} // namespace korvan::plot
