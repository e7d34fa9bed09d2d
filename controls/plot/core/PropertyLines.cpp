#include "controls/plot/core/PropertyLines.h"

#include "platform/forms/Component.h"
#include "platform/forms/Strings.h"
#include "platform/text/Exception.h"
#include "platform/text/FloatText.h"
#include "platform/text/FormatSettings.h"
#include "platform/text/IntText.h"
#include "platform/text/StrUtils.h"

#include <cstdint>
#include <limits>

namespace korvan::plot {

namespace {

// Object properties may point back at an object above them; no real
// control nests deeper than a few levels.
constexpr int kMaxNesting = 16;

bool IsLineOrdinal(TTypeKind kind) {
    return kind == tkInteger || kind == tkChar || kind == tkEnumeration || kind == tkSet;
}

// A nested object that belongs to its holder: a font, pen or brush, or a
// persistent part. A component held by a property is a link to another
// component, whose properties are its own to save.
bool IsOwnedPersistent(const ObjectRef& ref) {
    if (!ref || !ref.Class)
        return false;
    if (!ref.Object)
        return true;
    return dynamic_cast<TPersistent*>(ref.Object) != nullptr &&
           dynamic_cast<TComponent*>(ref.Object) == nullptr;
}

ObjectRef NestedObject(const ObjectRef& instance, const TPropInfo& prop) {
    if (prop.Kind != tkClass || !prop.GetObj)
        return {};
    ObjectRef ref = prop.GetObj(instance.Ptr);
    return IsOwnedPersistent(ref) ? ref : ObjectRef{};
}

bool InSkipList(const TStrings* skipList, std::string_view path) {
    if (!skipList)
        return false;
    for (int i = 0; i < skipList->Count(); ++i)
        if (SameText(skipList->Get(i), path))
            return true;
    return false;
}

void WriteLines(const ObjectRef& instance, const std::string& prefix, TStrings& lines, bool skipDefaults,
                const TStrings* skipList, int depth) {
    if (!instance || !instance.Class || depth > kMaxNesting)
        return;
    const std::string trimmedPrefix = Trim(prefix);
    for (const TPropInfo* prop : instance.Class->Properties()) {
        if (!prop->IsStored(instance.Ptr) || !prop->HasSetter())
            continue;
        const std::string path = trimmedPrefix.empty() ? prop->Name : prefix + "." + prop->Name;
        if (InSkipList(skipList, path))
            continue;
        if (IsLineOrdinal(prop->Kind)) {
            if (!prop->GetOrd)
                continue;
            std::int64_t value = prop->GetOrd(instance.Ptr);
            // A character's ordinal is its byte, 0..255, whatever the
            // signedness of char.
            if (prop->Kind == tkChar)
                value &= 0xFF;
            if (skipDefaults && prop->HasDefault && value == prop->Default)
                continue;
            lines.Add(path + " = " + IntToStr(value));
        } else if (prop->Kind == tkFloat) {
            if (prop->GetFloat)
                lines.Add(path + " = " +
                          PropertyFloatText(prop->GetFloat(instance.Ptr),
                                            korvan::text::CurrentFormatSettings().DecimalSeparator));
        } else if (IsStringKind(prop->Kind)) {
            if (prop->GetStr)
                lines.Add(path + " = " + EscapeLineBreaks(prop->GetStr(instance.Ptr)));
        } else if (prop->Kind == tkClass) {
            if (const ObjectRef nested = NestedObject(instance, *prop))
                WriteLines(nested, path, lines, skipDefaults, skipList, depth + 1);
        }
    }
}

void ApplyDefaults(const ObjectRef& instance, int depth) {
    if (!instance || !instance.Class || depth > kMaxNesting)
        return;
    for (const TPropInfo* prop : instance.Class->Properties()) {
        if (!prop->IsStored(instance.Ptr) || !prop->HasSetter())
            continue;
        if (IsLineOrdinal(prop->Kind)) {
            if (prop->HasDefault && prop->SetOrd)
                prop->SetOrd(instance.Ptr, prop->Default);
        } else if (prop->Kind == tkClass) {
            if (const ObjectRef nested = NestedObject(instance, *prop))
                ApplyDefaults(nested, depth + 1);
        }
    }
}

// The ordinal range a property's setter can take: enumeration members, set
// elements, characters, 32-bit integers.
bool OrdinalFits(const TPropInfo& prop, std::int64_t value) {
    switch (prop.Kind) {
    case tkEnumeration:
        return prop.Names.empty() || (value >= 0 && value < std::int64_t(prop.Names.size()));
    case tkSet:
        if (prop.Names.size() >= 63)
            return value >= 0;
        return value >= 0 && value < (std::int64_t(1) << prop.Names.size());
    case tkChar:
        return value >= 0 && value <= 255;
    default:
        return value >= std::numeric_limits<std::int32_t>::min() &&
               value <= std::numeric_limits<std::int32_t>::max();
    }
}

std::int64_t OrdinalOf(const TPropInfo& prop, std::string_view text) {
    std::int64_t v = 0;
    if (!TryStrToInt64(Trim(text), v) || !OrdinalFits(prop, v))
        throw EConvertError("'" + std::string(text) + "' is not a valid value of " + prop.Name);
    return v;
}

void ApplyLine(const ObjectRef& instance, std::string_view path, std::string_view value,
               char decimalSeparator, int depth) {
    if (!instance || !instance.Class || depth > kMaxNesting)
        return;
    const std::size_t dot = path.find('.');
    if (dot != std::string_view::npos) {
        const TPropInfo* head = instance.Class->FindProperty(path.substr(0, dot));
        if (!head)
            return;
        if (const ObjectRef nested = NestedObject(instance, *head))
            ApplyLine(nested, path.substr(dot + 1), value, decimalSeparator, depth + 1);
        return;
    }
    const TPropInfo* prop = instance.Class->FindProperty(path);
    if (!prop)
        return;
    if (IsLineOrdinal(prop->Kind)) {
        if (!prop->SetOrd)
            return;
        prop->SetOrd(instance.Ptr, OrdinalOf(*prop, value));
    } else if (prop->Kind == tkFloat) {
        if (prop->SetFloat)
            prop->SetFloat(instance.Ptr, PropertyFloatValue(value, decimalSeparator));
    } else if (IsStringKind(prop->Kind)) {
        if (prop->SetStr)
            prop->SetStr(instance.Ptr, UnescapeLineBreaks(value));
    }
}

void SetByPath(const ObjectRef& target, const std::string& prefix, const std::string& value,
               std::string_view path, int depth) {
    if (!target || !target.Class || depth > kMaxNesting)
        return;
    for (const TPropInfo* prop : target.Class->Properties()) {
        if (!prop->HasSetter())
            continue;
        const std::string name = prefix.empty() ? prop->Name : prefix + "." + prop->Name;
        if (prop->Kind == tkClass) {
            if (const ObjectRef nested = NestedObject(target, *prop))
                SetByPath(nested, name, value, path, depth + 1);
            continue;
        }
        if (!SameText(name, path))
            continue;
        if (prop->Kind == tkEnumeration && prop->SetOrd) {
            std::string text = value;
            if (SameText(text, "True"))
                text = "1";
            else if (SameText(text, "False"))
                text = "0";
            else if (prop->Names.size() == 2 && text != "0")
                text = "1";
            prop->SetOrd(target.Ptr, OrdinalOf(*prop, text));
        } else if (IsLineOrdinal(prop->Kind) && prop->SetOrd) {
            prop->SetOrd(target.Ptr, OrdinalOf(*prop, value));
        } else if (prop->Kind == tkFloat && prop->SetFloat) {
            prop->SetFloat(target.Ptr, StrToFloat(value, korvan::text::CurrentFormatSettings()));
        } else if (IsStringKind(prop->Kind) && prop->SetStr) {
            prop->SetStr(target.Ptr, value);
        }
    }
}

} // namespace

void SetPropertyValueByPath(const ObjectRef& target, const std::string& prefix, const std::string& value,
                            std::string_view path) {
    SetByPath(target, prefix, value, path, 0);
}

void WritePropertyLines(const ObjectRef& instance, const std::string& prefix, TStrings& lines,
                        bool skipDefaults, const TStrings* skipList) {
    WriteLines(instance, prefix, lines, skipDefaults, skipList, 0);
}

void ApplyDeclaredDefaults(TObject* instance) {
    ApplyDefaults(ObjectRefOf(instance), 0);
}

void WritePropertyLines(TObject* instance, const std::string& prefix, TStrings& lines, bool skipDefaults,
                        const TStrings* skipList) {
    WriteLines(ObjectRefOf(instance), prefix, lines, skipDefaults, skipList, 0);
}

void ReadPropertyLines(const ObjectRef& instance, const std::string& section, TStrings& lines) {
    const char separator = korvan::text::CurrentFormatSettings().DecimalSeparator;
    std::string path, value, found;
    while (lines.Count() > 0) {
        SplitAtSeparator(lines.Get(0), '=', path, value);
        StripSectionPrefix(section, path, found);
        if (found != section)
            return;
        ReadPropertyLine(instance, path, value, separator);
        lines.Delete(0);
    }
}

void ReadPropertyLines(TObject* instance, const std::string& section, TStrings& lines) {
    ReadPropertyLines(ObjectRefOf(instance), section, lines);
}

void ReadPropertyLine(const ObjectRef& instance, std::string_view path, std::string_view value,
                      char decimalSeparator) {
    ApplyLine(instance, path, value, decimalSeparator, 0);
}

void StripSectionPrefix(std::string_view section, std::string& path, std::string& found) {
    found.clear();
    if (section.empty())
        return;
    const std::size_t dot = path.find('.');
    const std::string first = Trim(std::string_view(path).substr(0, dot));
    if (!SameText(first, section))
        return;
    found = first;
    path = dot == std::string::npos ? std::string() : path.substr(dot + 1);
}

void SplitAtSeparator(std::string_view text, char separator, std::string& left, std::string& right) {
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos) {
        left.clear();
        right.clear();
        return;
    }
    left = Trim(text.substr(0, at));
    right = Trim(text.substr(at + 1));
}

bool ExtractNamedValue(std::string_view key, std::string& value, TStrings& lines) {
    std::string name, found;
    for (int i = 0; i < lines.Count(); ++i) {
        const std::string line = lines.Get(i);
        if (line.find('=') == std::string::npos)
            continue;
        SplitAtSeparator(line, '=', name, found);
        if (SameText(name, key)) {
            value = found;
            lines.Delete(i);
            return true;
        }
    }
    return false;
}

ObjectRef GetObjectProperty(const ObjectRef& instance, std::string_view name) {
    if (!instance || !instance.Class)
        return {};
    const TPropInfo* prop = instance.Class->FindProperty(name);
    return prop ? NestedObject(instance, *prop) : ObjectRef{};
}

std::string EscapeLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '\r')
            out += "#13";
        else if (c == '\n')
            out += "#10";
        else
            out += c;
    }
    return out;
}

std::string UnescapeLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '#' && i + 2 < text.size() && text[i + 1] == '1' &&
            (text[i + 2] == '3' || text[i + 2] == '0')) {
            out += text[i + 2] == '3' ? '\r' : '\n';
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string PropertyFloatText(double value, char decimalSeparator) {
    korvan::text::FormatSettings settings = korvan::text::CurrentFormatSettings();
    settings.DecimalSeparator = decimalSeparator;
    return FloatToStr(value, settings);
}

double PropertyFloatValue(std::string_view text, char decimalSeparator) {
    std::string exchanged(Trim(text));
    const char other = decimalSeparator == '.' ? ',' : decimalSeparator == ',' ? '.' : '\0';
    if (other != '\0') {
        const std::size_t at = exchanged.find(other);
        if (at != std::string::npos)
            exchanged[at] = decimalSeparator;
    }
    korvan::text::FormatSettings settings = korvan::text::CurrentFormatSettings();
    settings.DecimalSeparator = decimalSeparator;
    return StrToFloat(exchanged, settings);
}

} // namespace korvan::plot
