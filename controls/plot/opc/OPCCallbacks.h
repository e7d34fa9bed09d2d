#pragma once
// The callback objects handed to the OPC client library. The library may call
// them on its own thread, so a callback only posts its work to the GUI
// thread; the work runs there only while its target still exists. The
// objects count their references: the library may keep one after the target
// is gone, and the object lives until the last reference is released.

#include "controls/plot/opc/OPCLibraryAbi.h"
#include "platform/sys/GuiThread.h"

#include <atomic>
#include <cstring>
#include <functional>
#include <memory>
#include <type_traits>

namespace korvan::plot::opc {

inline constexpr std::int32_t kOpcOk = 0;
inline constexpr std::int32_t kOpcNoInterface = static_cast<std::int32_t>(0x80004002u);

// A GUID from its text form's parts, in the platform's byte layout.
constexpr KorvanOpcGuid MakeGuid(std::uint32_t a, std::uint16_t b, std::uint16_t c, std::uint64_t d) {
    KorvanOpcGuid g{};
    for (int i = 0; i < 4; ++i)
        g.bytes[i] = static_cast<std::uint8_t>(a >> (8 * i));
    for (int i = 0; i < 2; ++i) {
        g.bytes[4 + i] = static_cast<std::uint8_t>(b >> (8 * i));
        g.bytes[6 + i] = static_cast<std::uint8_t>(c >> (8 * i));
    }
    for (int i = 0; i < 8; ++i)
        g.bytes[8 + i] = static_cast<std::uint8_t>(d >> (8 * (7 - i)));
    return g;
}
inline constexpr KorvanOpcGuid kUnknownGuid = MakeGuid(0, 0, 0, 0xC000000000000046ull);
inline constexpr KorvanOpcGuid kItemCallbackGuid =
    MakeGuid(0x7F440F9E, 0x2014, 0x4D28, 0x8C8483B938DBACC0ull);
inline constexpr KorvanOpcGuid kGroupCallbackGuid =
    MakeGuid(0xA2E9253A, 0xE335, 0x4D6E, 0xA298CFA504F5B837ull);

// The life token a target keeps; callbacks hold it weakly.
using OPCAliveToken = std::shared_ptr<int>;

// What a callback does on the GUI thread: the method's number in the
// interface (after the three standard ones, from 0) and its argument.
using OPCCallbackHandler = std::function<void(int method, std::int32_t argument)>;

// One callback object of interface `Iface` (whose first member is its table
// pointer). `Fire` hands a call to the GUI thread, where the handler runs if
// its target still lives.
template <class Iface> class OPCCallbackObject {
public:
    using Table = std::remove_cv_t<std::remove_pointer_t<decltype(Iface::table)>>;
    OPCCallbackObject(const Table* table, KorvanOpcGuid guid, sys::GuiThread& gui, const OPCAliveToken& alive,
                      OPCCallbackHandler handler)
        : gui_(gui), guid_(guid), alive_(alive), handler_(std::move(handler)) {
        iface_.table = table;
    }
    // The object as the library sees it; the caller holds one reference.
    Iface* Interface() { return &iface_; }

    static OPCCallbackObject* From(Iface* self) { return reinterpret_cast<OPCCallbackObject*>(self); }

    static std::int32_t QueryInterface(Iface* self, const KorvanOpcGuid* iid, void** object) {
        OPCCallbackObject* me = From(self);
        if (iid != nullptr && object != nullptr &&
            (std::memcmp(iid, &me->guid_, sizeof(KorvanOpcGuid)) == 0 ||
             std::memcmp(iid, &kUnknownGuid, sizeof(KorvanOpcGuid)) == 0)) {
            AddRef(self);
            *object = self;
            return kOpcOk;
        }
        if (object != nullptr)
            *object = nullptr;
        return kOpcNoInterface;
    }
    static std::uint32_t AddRef(Iface* self) { return ++From(self)->refs_; }
    static std::uint32_t Release(Iface* self) {
        OPCCallbackObject* me = From(self);
        const std::uint32_t left = --me->refs_;
        if (left == 0)
            delete me;
        return left;
    }
    // Any thread (the library's).
    static void Fire(Iface* self, int method, std::int32_t argument) {
        OPCCallbackObject* me = From(self);
        me->gui_.Post([alive = me->alive_, handler = me->handler_, method, argument] {
            if (alive.lock())
                handler(method, argument);
        });
    }

private:
    Iface iface_{}; // first member: the library's pointer is this object's
    sys::GuiThread& gui_;
    KorvanOpcGuid guid_;
    std::weak_ptr<int> alive_;
    OPCCallbackHandler handler_;
    std::atomic<std::uint32_t> refs_{1};
};

// Releases the owner's reference when the owner goes.
template <class Iface> struct OPCCallbackRelease {
    void operator()(OPCCallbackObject<Iface>* object) const {
        if (object != nullptr)
            OPCCallbackObject<Iface>::Release(object->Interface());
    }
};
template <class Iface>
using OPCCallbackHandle = std::unique_ptr<OPCCallbackObject<Iface>, OPCCallbackRelease<Iface>>;

} // namespace korvan::plot::opc
