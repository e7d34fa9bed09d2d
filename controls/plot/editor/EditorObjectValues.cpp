#include "controls/plot/editor/EditorObjectValues.h"

#include "controls/plot/core/PropertyLines.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/text/Exception.h"
#include "platform/text/FloatText.h"
#include "platform/text/IntText.h"

namespace korvan::plot {

namespace {

// The object holding the last element of the path, and that element.
ObjectRef HolderOf(TObject* object, std::string_view path, std::string_view& last) {
    ObjectRef ref = ObjectRefOf(object);
    while (ref) {
        const size_t dot = path.find('.');
        if (dot == std::string_view::npos) {
            last = path;
            return ref;
        }
        ref = GetObjectProperty(ref, path.substr(0, dot));
        path.remove_prefix(dot + 1);
    }
    return {};
}

} // namespace

std::string PropertyTextByPath(TObject* object, std::string_view path) {
    std::string_view name;
    const ObjectRef holder = HolderOf(object, path, name);
    const TPropInfo* prop = holder ? GetPropInfo(holder, name) : nullptr;
    if (!prop || !prop->HasGetter())
        return {};
    if (IsOrdinalKind(prop->Kind)) {
        const std::int64_t value = GetOrdProp(holder, *prop);
        if (prop->Kind == tkEnumeration && prop->TypeName == "Boolean")
            return value ? "True" : "False";
        return IntToStr(value);
    }
    if (prop->Kind == tkFloat)
        return FloatToStr(GetFloatProp(holder, *prop));
    if (IsStringKind(prop->Kind))
        return GetStrProp(holder, *prop);
    return {};
}

void WritePropertyTextByPath(TObject* object, std::string_view path, const std::string& text) {
    if (!object)
        return;
    try {
        SetPropertyValueByPath(ObjectRefOf(object), "", text, path);
    } catch (const EConvertError&) {
        // An editor field's text that is not a number reads as 0, as the
        // fields themselves read it.
        SetPropertyValueByPath(ObjectRefOf(object), "", "0", path);
    }
}

TFont* FontByPath(TObject* object, std::string_view path) {
    std::string_view name;
    const ObjectRef holder = HolderOf(object, path, name);
    const ObjectRef font = holder ? GetObjectProperty(holder, name) : ObjectRef{};
    if (!font || font.Class != &korvan::forms::ForeignClassInfo<TFont>::Get())
        return nullptr;
    return static_cast<TFont*>(font.Ptr);
}

} // namespace korvan::plot
