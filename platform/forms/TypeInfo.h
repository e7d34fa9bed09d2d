#pragma once
// Published properties: a registry per class with, for every property, its
// name, kind (the framework's kind numbers), enumeration or set names,
// getter, setter, stored condition and declared default. Inherited
// properties come first, then each class's own in declaration order.
//
// A class declares its registry with KORVAN_CLASS and builds it once with
// korvan::forms::ClassBuilder in its .cpp file:
//
//   const TClassInfo& TMyThing::StaticClassInfo() {
//       static const TClassInfo info = korvan::forms::ClassBuilder<TMyThing>("TMyThing",
//       &TBase::StaticClassInfo())
//           .Creator<TMyThing>()
//           .Property("Count", &TMyThing::GetCount, &TMyThing::SetCount).Default(0)
//           .Enum("Kind", &TMyThing::GetKind, &TMyThing::SetKind, {"mkOne", "mkTwo"}).Default(mkOne)
//           .Build();
//       return info;
//   }
//
// Objects are reached through ObjectRef, a pointer plus its class registry,
// so that a class outside the TObject tree (a font, say) can publish
// properties too: it builds its registry with ClassBuilder<TFontLike, TFontLike>
// and specialises korvan::forms::ForeignClassInfo for itself.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

class TObject;
class TComponent;
class TCollection;
class TCollectionItem;
struct TClassInfo;

// Kind numbers as the framework numbers them.
enum TTypeKind {
    tkUnknown = 0,
    tkInteger = 1,
    tkChar = 2,
    tkEnumeration = 3,
    tkFloat = 4,
    tkString = 5,
    tkSet = 6,
    tkClass = 7,
    tkMethod = 8,
    tkWChar = 9,
    tkLString = 10,
    tkWString = 11,
    tkVariant = 12,
    tkArray = 13,
    tkRecord = 14,
    tkInterface = 15,
    tkInt64 = 16,
    tkDynArray = 17,
    tkUString = 18
};

bool IsOrdinalKind(TTypeKind kind);
bool IsStringKind(TTypeKind kind);

// A pointer to an object together with the registry of its class. The
// pointer is of the registry's root type (TObject for the TObject tree).
struct ObjectRef {
    void* Ptr = nullptr;
    const TClassInfo* Class = nullptr;
    TObject* Object = nullptr; // set when the object is a TObject
    explicit operator bool() const { return Ptr != nullptr; }
};

struct TPropInfo {
    std::string Name;
    TTypeKind Kind = tkUnknown;
    std::string TypeName;
    std::vector<std::string> Names; // enumeration values, or set elements
    bool HasDefault = false;
    std::int64_t Default = 0;
    std::function<std::int64_t(void*)> GetOrd;
    std::function<void(void*, std::int64_t)> SetOrd;
    std::function<double(void*)> GetFloat;
    std::function<void(void*, double)> SetFloat;
    std::function<std::string(void*)> GetStr;
    std::function<void(void*, const std::string&)> SetStr;
    std::function<ObjectRef(void*)> GetObj;
    std::function<void(void*, TObject*)> SetObj; // component references
    std::function<bool(void*)> Stored;           // none: always stored

    bool HasGetter() const { return GetOrd || GetFloat || GetStr || GetObj; }
    bool HasSetter() const { return SetOrd || SetFloat || SetStr || SetObj; }
    bool IsStored(void* instance) const { return !Stored || Stored(instance); }
};

struct TClassInfo {
    std::string Name;
    const TClassInfo* Parent = nullptr;
    std::vector<TPropInfo> OwnProps;
    // Creates an instance: for components the argument is the owner, for
    // collection items the collection. None for abstract classes.
    std::function<TObject*(void* context)> Create;

    // Inherited first, then declaration order.
    std::vector<const TPropInfo*> Properties() const;
    // Case-insensitive; null when the class has no such property.
    const TPropInfo* FindProperty(std::string_view name) const;
    bool InheritsFrom(const TClassInfo& other) const;
};

// Names of integer constants for integer types that write identifiers
// (colours are written as clRed rather than 255 once registered).
void RegisterIntegerIdents(const std::string& typeName,
                           std::vector<std::pair<std::string, std::int64_t>> idents);
bool IdentToInt(const std::string& typeName, std::string_view ident, std::int64_t& value);
bool IntToIdent(const std::string& typeName, std::int64_t value, std::string& ident);

// Classes the form reader can create by name.
void RegisterClass(const TClassInfo& info);
const TClassInfo* FindClass(std::string_view name);

// Run-time type queries over published properties.
ObjectRef ObjectRefOf(TObject* object);
const TPropInfo* GetPropInfo(const ObjectRef& object, std::string_view name);
std::int64_t GetOrdProp(const ObjectRef& object, const TPropInfo& prop);
void SetOrdProp(const ObjectRef& object, const TPropInfo& prop, std::int64_t value);
double GetFloatProp(const ObjectRef& object, const TPropInfo& prop);
void SetFloatProp(const ObjectRef& object, const TPropInfo& prop, double value);
std::string GetStrProp(const ObjectRef& object, const TPropInfo& prop);
void SetStrProp(const ObjectRef& object, const TPropInfo& prop, const std::string& value);
ObjectRef GetObjectProp(const ObjectRef& object, const TPropInfo& prop);
// Enumeration name of an ordinal value ("" when out of range) and back (-1).
std::string GetEnumName(const TPropInfo& prop, std::int64_t value);
int GetEnumValue(const TPropInfo& prop, std::string_view name);

namespace korvan::forms {

template <class U> struct ForeignClassInfo; // specialise with: static const TClassInfo& Get();

namespace detail {

template <class V> std::int64_t ToOrdinal(const V& v) {
    if constexpr (std::is_enum_v<V>)
        return static_cast<std::int64_t>(v);
    else if constexpr (std::is_arithmetic_v<V>)
        return static_cast<std::int64_t>(v);
    else
        return static_cast<std::int64_t>(v.Ordinal()); // set types
}

template <class V> V FromOrdinal(std::int64_t v) {
    if constexpr (std::is_same_v<V, bool>)
        return v != 0;
    else if constexpr (std::is_enum_v<V> || std::is_arithmetic_v<V>)
        return static_cast<V>(v);
    else
        return V::FromOrdinal(v);
}

template <class T> struct MemberArg;
template <class C, class A> struct MemberArg<void (C::*)(A)> {
    using type = std::remove_cv_t<std::remove_reference_t<A>>;
};

ObjectRef MakeObjectRef(TObject* object);

template <class U> ObjectRef RefOf(U* u) {
    if constexpr (std::is_base_of_v<TObject, U>) {
        return MakeObjectRef(static_cast<TObject*>(u));
    } else {
        ObjectRef r;
        r.Ptr = u;
        r.Class = u ? &ForeignClassInfo<U>::Get() : nullptr;
        return r;
    }
}

} // namespace detail

template <class T, class Root = TObject> class ClassBuilder {
public:
    ClassBuilder(std::string name, const TClassInfo* parent) {
        info_.Name = std::move(name);
        info_.Parent = parent;
    }

    static T* Self(void* p) { return static_cast<T*>(static_cast<Root*>(p)); }

    // Registers construction by name: T(TComponent* owner) for components,
    // T(TCollection* collection) for collection items.
    template <class U = T> ClassBuilder& Creator() {
        info_.Create = [](void* context) -> TObject* {
            if constexpr (std::is_constructible_v<U, TComponent*>)
                return new U(static_cast<TComponent*>(context));
            else
                return new U(static_cast<TCollection*>(context));
        };
        return *this;
    }

    // Kind from the value type: bool -> Boolean enumeration, char -> char,
    // other integers -> integer (64-bit -> int64), floating point -> float,
    // std::string -> string, pointers -> class.
    template <class G, class S = std::nullptr_t>
    ClassBuilder& Property(std::string name, G getter, S setter = nullptr) {
        using R = std::remove_cv_t<std::remove_reference_t<std::invoke_result_t<G, const T*>>>;
        TPropInfo p;
        p.Name = std::move(name);
        if constexpr (std::is_pointer_v<R>) {
            using U = std::remove_pointer_t<R>;
            p.Kind = tkClass;
            p.TypeName = "class";
            p.GetObj = [getter](void* o) {
                return detail::RefOf<U>(const_cast<U*>(std::invoke(getter, Self(o))));
            };
            if constexpr (!std::is_same_v<S, std::nullptr_t>)
                p.SetObj = [setter](void* o, TObject* v) {
                    std::invoke(setter, Self(o), dynamic_cast<U*>(v));
                };
        } else if constexpr (std::is_same_v<R, std::string>) {
            p.Kind = tkLString;
            p.TypeName = "string";
            p.GetStr = [getter](void* o) { return std::string(std::invoke(getter, Self(o))); };
            if constexpr (!std::is_same_v<S, std::nullptr_t>)
                p.SetStr = [setter](void* o, const std::string& v) { std::invoke(setter, Self(o), v); };
        } else if constexpr (std::is_floating_point_v<R>) {
            p.Kind = tkFloat;
            p.TypeName = "Double";
            p.GetFloat = [getter](void* o) { return double(std::invoke(getter, Self(o))); };
            if constexpr (!std::is_same_v<S, std::nullptr_t>)
                p.SetFloat = [setter](void* o, double v) { std::invoke(setter, Self(o), R(v)); };
        } else {
            if constexpr (std::is_same_v<R, bool>) {
                p.Kind = tkEnumeration;
                p.TypeName = "Boolean";
                p.Names = {"False", "True"};
            } else if constexpr (std::is_same_v<R, char>) {
                p.Kind = tkChar;
                p.TypeName = "Char";
            } else if constexpr (sizeof(R) > 4) {
                p.Kind = tkInt64;
                p.TypeName = "Int64";
            } else {
                p.Kind = tkInteger;
                p.TypeName = "Integer";
            }
            SetOrdinalAccess<R>(p, getter, setter);
        }
        info_.OwnProps.push_back(std::move(p));
        return *this;
    }

    // An enumeration written by its value names.
    template <class G, class S = std::nullptr_t>
    ClassBuilder& Enum(std::string name, G getter, S setter, std::vector<std::string> names,
                       std::string typeName = "enumeration") {
        using R = std::remove_cv_t<std::remove_reference_t<std::invoke_result_t<G, const T*>>>;
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = tkEnumeration;
        p.TypeName = std::move(typeName);
        p.Names = std::move(names);
        SetOrdinalAccess<R>(p, getter, setter);
        info_.OwnProps.push_back(std::move(p));
        return *this;
    }

    // A set: element i is bit i of the ordinal value.
    template <class G, class S = std::nullptr_t>
    ClassBuilder& Set(std::string name, G getter, S setter, std::vector<std::string> elements,
                      std::string typeName = "set") {
        using R = std::remove_cv_t<std::remove_reference_t<std::invoke_result_t<G, const T*>>>;
        TPropInfo p;
        p.Name = std::move(name);
        p.Kind = tkSet;
        p.TypeName = std::move(typeName);
        p.Names = std::move(elements);
        SetOrdinalAccess<R>(p, getter, setter);
        info_.OwnProps.push_back(std::move(p));
        return *this;
    }

    // Modifiers of the property declared last.
    template <class V> ClassBuilder& Default(V value) {
        info_.OwnProps.back().HasDefault = true;
        info_.OwnProps.back().Default = detail::ToOrdinal(value);
        return *this;
    }
    ClassBuilder& Stored(bool (T::*stored)() const) {
        info_.OwnProps.back().Stored = [stored](void* o) { return (Self(o)->*stored)(); };
        return *this;
    }
    // A stored test written as a function of the object, for tests that a
    // base class of T (not T itself) declares.
    template <class F> ClassBuilder& StoredBy(F stored) {
        info_.OwnProps.back().Stored = [stored](void* o) { return stored(*Self(o)); };
        return *this;
    }
    ClassBuilder& Stored(bool stored) {
        info_.OwnProps.back().Stored = [stored](void*) { return stored; };
        return *this;
    }
    ClassBuilder& TypeName(std::string typeName) {
        info_.OwnProps.back().TypeName = std::move(typeName);
        return *this;
    }

    TClassInfo Build() { return std::move(info_); }

private:
    template <class R, class G, class S> static void SetOrdinalAccess(TPropInfo& p, G getter, S setter) {
        p.GetOrd = [getter](void* o) { return detail::ToOrdinal<R>(std::invoke(getter, Self(o))); };
        if constexpr (!std::is_same_v<S, std::nullptr_t>)
            p.SetOrd = [setter](void* o, std::int64_t v) {
                using A = typename detail::MemberArg<S>::type;
                std::invoke(setter, Self(o), detail::FromOrdinal<A>(v));
            };
    }

    TClassInfo info_;
};

} // namespace korvan::forms

// Declares the class registry of a class in the TObject tree.
#define KORVAN_CLASS(Self)                                                                                   \
public:                                                                                                      \
    static const TClassInfo& StaticClassInfo();                                                              \
    const TClassInfo* ClassInfo() const override {                                                           \
        return &StaticClassInfo();                                                                           \
    }                                                                                                        \
                                                                                                             \
private:
