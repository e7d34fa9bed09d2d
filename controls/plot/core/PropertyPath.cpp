#include "controls/plot/core/PropertyPath.h"

#include "controls/plot/core/PropertyLines.h"
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
    SetPropertyValueByPath(target, prefix, OPCValueText(value), path);
}

} // namespace korvan::plot
