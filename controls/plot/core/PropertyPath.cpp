#include "controls/plot/core/PropertyPath.h"

#include "platform/forms/Component.h"
#include "platform/text/FloatText.h"
#include "platform/text/IntText.h"
#include "platform/text/StrUtils.h"

namespace korvan::plot {

namespace {

// Deep enough for any real property tree; a cycle of sub-objects stops here.
constexpr int MaxDepth = 16;

std::string FullName(const std::string& prefix, const std::string& name) {
    return prefix.empty() ? name : prefix + "." + name;
}

// Sub-objects are searched; references to other components are not (they
// lead out of the target).
ObjectRef SearchableChild(const ObjectRef& object, const TPropInfo& prop) {
    if (prop.Kind != tkClass || !prop.GetObj)
        return {};
    ObjectRef child = GetObjectProp(object, prop);
    if (child.Object && dynamic_cast<TComponent*>(child.Object))
        return {};
    return child;
}

TTypeKind FindKind(const ObjectRef& object, const std::string& prefix, std::string_view path, int depth) {
    if (!object || !object.Class || depth > MaxDepth)
        return tkUnknown;
    for (const TPropInfo* prop : object.Class->Properties()) {
        const std::string name = FullName(prefix, prop->Name);
        if (prop->Kind == tkClass) {
            if (const ObjectRef child = SearchableChild(object, *prop)) {
                const TTypeKind kind = FindKind(child, name, path, depth + 1);
                if (kind != tkUnknown)
                    return kind;
            }
            continue;
        }
        if (prop->HasSetter() && SameText(name, path))
            return prop->Kind;
    }
    return tkUnknown;
}

void SetFromText(const ObjectRef& object, const TPropInfo& prop, const std::string& text) {
    switch (prop.Kind) {
    case tkInteger:
    case tkChar:
    case tkWChar:
    case tkSet:
    case tkInt64:
        SetOrdProp(object, prop, StrToInt64(text));
        break;
    case tkEnumeration: {
        std::string ordinal = text;
        if (SameText(ordinal, "True"))
            ordinal = "1";
        else if (SameText(ordinal, "False"))
            ordinal = "0";
        if (prop.Names.size() == 2 && ordinal != "0")
            ordinal = "1";
        SetOrdProp(object, prop, StrToInt64(ordinal));
        break;
    }
    case tkFloat:
        SetFloatProp(object, prop, StrToFloat(text));
        break;
    case tkString:
    case tkLString:
    case tkWString:
    case tkUString:
        SetStrProp(object, prop, text);
        break;
    default:
        break;
    }
}

void SetByPath(const ObjectRef& object, const std::string& prefix, const std::string& text,
               std::string_view path, int depth) {
    if (!object || !object.Class || depth > MaxDepth)
        return;
    for (const TPropInfo* prop : object.Class->Properties()) {
        const std::string name = FullName(prefix, prop->Name);
        if (prop->Kind == tkClass) {
            if (const ObjectRef child = SearchableChild(object, *prop))
                SetByPath(child, name, text, path, depth + 1);
            continue;
        }
        // The walk goes on after a match: every property of that path is set.
        if (prop->HasSetter() && SameText(name, path))
            SetFromText(object, *prop, text);
    }
}

} // namespace

TTypeKind PropertyKindByPath(const ObjectRef& target, std::string_view path) {
    return FindKind(target, std::string(), path, 0);
}

std::string OPCValueText(const TiOPCValue& value) {
    struct Visitor {
        std::string operator()(std::monostate) const { return {}; }
        std::string operator()(bool b) const { return b ? "True" : "False"; }
        std::string operator()(std::int64_t i) const { return IntToStr(i); }
        std::string operator()(double d) const { return FloatToStr(d); }
        std::string operator()(const std::string& s) const { return s; }
    };
    return std::visit(Visitor{}, value);
}

void SetPropertyValueByPath(const ObjectRef& target, const std::string& prefix, const TiOPCValue& value,
                            std::string_view path) {
    SetByPath(target, prefix, OPCValueText(value), path, 0);
}

} // namespace korvan::plot
