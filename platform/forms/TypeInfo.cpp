#include "platform/forms/TypeInfo.h"

#include "platform/forms/Object.h"
#include "platform/text/Exception.h"
#include "platform/text/StrUtils.h"

#include <cxxabi.h>
#include <map>
#include <memory>
#include <mutex>
#include <typeinfo>

bool IsOrdinalKind(TTypeKind kind) {
    return kind == tkInteger || kind == tkChar || kind == tkEnumeration || kind == tkSet || kind == tkWChar ||
           kind == tkInt64;
}

bool IsStringKind(TTypeKind kind) {
    return kind == tkString || kind == tkLString || kind == tkWString || kind == tkUString;
}

std::vector<const TPropInfo*> TClassInfo::Properties() const {
    std::vector<const TPropInfo*> props;
    if (Parent)
        props = Parent->Properties();
    for (const auto& p : OwnProps) {
        // A redeclared property takes the inherited one's place.
        bool replaced = false;
        for (auto& q : props)
            if (SameText(q->Name, p.Name)) {
                q = &p;
                replaced = true;
            }
        if (!replaced)
            props.push_back(&p);
    }
    return props;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view name) const {
    for (const TClassInfo* c = this; c; c = c->Parent)
        for (const auto& p : c->OwnProps)
            if (SameText(p.Name, name))
                return &p;
    return nullptr;
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
    for (const TClassInfo* c = this; c; c = c->Parent)
        if (c == &other)
            return true;
    return false;
}

namespace {

std::mutex& RegistryMutex() {
    static std::mutex m;
    return m;
}

std::map<std::string, std::vector<std::pair<std::string, std::int64_t>>>& Idents() {
    static std::map<std::string, std::vector<std::pair<std::string, std::int64_t>>> idents;
    return idents;
}

std::vector<const TClassInfo*>& Classes() {
    static std::vector<const TClassInfo*> classes;
    return classes;
}

} // namespace

void RegisterIntegerIdents(const std::string& typeName,
                           std::vector<std::pair<std::string, std::int64_t>> idents) {
    std::lock_guard lock(RegistryMutex());
    Idents()[UpperCase(typeName)] = std::move(idents);
}

bool IdentToInt(const std::string& typeName, std::string_view ident, std::int64_t& value) {
    std::lock_guard lock(RegistryMutex());
    const auto it = Idents().find(UpperCase(typeName));
    if (it == Idents().end())
        return false;
    for (const auto& [name, v] : it->second)
        if (SameText(name, ident)) {
            value = v;
            return true;
        }
    return false;
}

bool IntToIdent(const std::string& typeName, std::int64_t value, std::string& ident) {
    std::lock_guard lock(RegistryMutex());
    const auto it = Idents().find(UpperCase(typeName));
    if (it == Idents().end())
        return false;
    for (const auto& [name, v] : it->second)
        if (v == value) {
            ident = name;
            return true;
        }
    return false;
}

void RegisterClass(const TClassInfo& info) {
    std::lock_guard lock(RegistryMutex());
    for (const TClassInfo* c : Classes())
        if (c == &info)
            return;
    Classes().push_back(&info);
}

const TClassInfo* FindClass(std::string_view name) {
    std::lock_guard lock(RegistryMutex());
    for (const TClassInfo* c : Classes())
        if (SameText(c->Name, name))
            return c;
    return nullptr;
}

namespace korvan::forms::detail {

ObjectRef MakeObjectRef(TObject* object) {
    ObjectRef r;
    r.Ptr = object;
    r.Object = object;
    r.Class = object ? object->ClassInfo() : nullptr;
    return r;
}

} // namespace korvan::forms::detail

ObjectRef ObjectRefOf(TObject* object) {
    return korvan::forms::detail::MakeObjectRef(object);
}

const TPropInfo* GetPropInfo(const ObjectRef& object, std::string_view name) {
    return object.Class ? object.Class->FindProperty(name) : nullptr;
}

namespace {
[[noreturn]] void NoAccess(const TPropInfo& prop) {
    throw EPropertyError("Property " + prop.Name + " cannot be accessed");
}
} // namespace

std::int64_t GetOrdProp(const ObjectRef& object, const TPropInfo& prop) {
    if (!prop.GetOrd)
        NoAccess(prop);
    return prop.GetOrd(object.Ptr);
}

void SetOrdProp(const ObjectRef& object, const TPropInfo& prop, std::int64_t value) {
    if (!prop.SetOrd)
        NoAccess(prop);
    prop.SetOrd(object.Ptr, value);
}

double GetFloatProp(const ObjectRef& object, const TPropInfo& prop) {
    if (!prop.GetFloat)
        NoAccess(prop);
    return prop.GetFloat(object.Ptr);
}

void SetFloatProp(const ObjectRef& object, const TPropInfo& prop, double value) {
    if (!prop.SetFloat)
        NoAccess(prop);
    prop.SetFloat(object.Ptr, value);
}

std::string GetStrProp(const ObjectRef& object, const TPropInfo& prop) {
    if (!prop.GetStr)
        NoAccess(prop);
    return prop.GetStr(object.Ptr);
}

void SetStrProp(const ObjectRef& object, const TPropInfo& prop, const std::string& value) {
    if (!prop.SetStr)
        NoAccess(prop);
    prop.SetStr(object.Ptr, value);
}

ObjectRef GetObjectProp(const ObjectRef& object, const TPropInfo& prop) {
    if (!prop.GetObj)
        NoAccess(prop);
    return prop.GetObj(object.Ptr);
}

std::string GetEnumName(const TPropInfo& prop, std::int64_t value) {
    if (value < 0 || value >= std::int64_t(prop.Names.size()))
        return {};
    return prop.Names[size_t(value)];
}

int GetEnumValue(const TPropInfo& prop, std::string_view name) {
    for (size_t i = 0; i < prop.Names.size(); ++i)
        if (SameText(prop.Names[i], name))
            return int(i);
    return -1;
}

std::string TObject::ClassName() const {
    if (const TClassInfo* info = ClassInfo())
        return info->Name;
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(
        abi::__cxa_demangle(typeid(*this).name(), nullptr, nullptr, &status), std::free);
    return status == 0 && name ? std::string(name.get()) : std::string(typeid(*this).name());
}

bool TObject::InheritsFrom(const TClassInfo& info) const {
    const TClassInfo* mine = ClassInfo();
    return mine && mine->InheritsFrom(info);
}
