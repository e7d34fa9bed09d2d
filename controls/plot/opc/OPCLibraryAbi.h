#pragma once
// The binary interface between the plot pack and the optional OPC client
// library. Every entry point is a plain C function found by name; integers
// have fixed widths, so the library may be built by any compiler.
//
// Strings: text given to the library is borrowed UTF-16 (`chars` need not be
// terminated). Text the library hands back (out strings, string variants) is
// allocated by the library with malloc and freed by the caller with free.
//
// Variants: `type` is an OLE variant type code; the value sits in the member
// of the union that type names (every integer type in `integer`, the
// unsigned 64-bit one in `unsignedInteger`, Booleans as 0 / -1 in `integer`).
//
// Callbacks are COM-style objects: a pointer to a table of functions whose
// first three are query, add reference and release. The library may call them
// on any thread.

#include <cstdint>

extern "C" {

struct KorvanOpcString {
    const char16_t* chars;
    std::int32_t length;
};

enum : std::uint16_t {
    kOpcVtEmpty = 0,
    kOpcVtI2 = 2,
    kOpcVtI4 = 3,
    kOpcVtR4 = 4,
    kOpcVtR8 = 5,
    kOpcVtString = 8,
    kOpcVtBool = 11,
    kOpcVtI1 = 16,
    kOpcVtUI1 = 17,
    kOpcVtUI2 = 18,
    kOpcVtUI4 = 19,
    kOpcVtI8 = 20,
    kOpcVtUI8 = 21,
};

struct KorvanOpcVariant {
    std::uint16_t type;
    union {
        std::int64_t integer;
        std::uint64_t unsignedInteger;
        double real;
        KorvanOpcString text;
    } value;
};

struct KorvanOpcGuid {
    std::uint8_t bytes[16];
};

// An item's callback: NewData says a new value waits in the library.
struct KorvanOpcItemCallback;
struct KorvanOpcItemCallbackTable {
    std::int32_t (*QueryInterface)(KorvanOpcItemCallback* self, const KorvanOpcGuid* iid, void** object);
    std::uint32_t (*AddRef)(KorvanOpcItemCallback* self);
    std::uint32_t (*Release)(KorvanOpcItemCallback* self);
    void (*NewData)(KorvanOpcItemCallback* self, std::int32_t reserved);
};
struct KorvanOpcItemCallback {
    const KorvanOpcItemCallbackTable* table;
};

// A manager's callback around each update of one of its groups.
struct KorvanOpcGroupCallback;
struct KorvanOpcGroupCallbackTable {
    std::int32_t (*QueryInterface)(KorvanOpcGroupCallback* self, const KorvanOpcGuid* iid, void** object);
    std::uint32_t (*AddRef)(KorvanOpcGroupCallback* self);
    std::uint32_t (*Release)(KorvanOpcGroupCallback* self);
    void (*BeforeGroupUpdate)(KorvanOpcGroupCallback* self, std::int32_t groupHandle);
    void (*AfterGroupUpdate)(KorvanOpcGroupCallback* self, std::int32_t groupHandle);
};
struct KorvanOpcGroupCallback {
    const KorvanOpcGroupCallbackTable* table;
};

// The entry points the pack calls. A result comes back through the first
// (out) parameter.
using KorvanOpcSignalAdd = void (*)(std::int32_t* handle, const KorvanOpcString* computerName,
                                    const KorvanOpcString* serverName, const KorvanOpcString* itemName,
                                    const KorvanOpcString* groupName, std::int32_t updateRate,
                                    std::uint8_t startSuspended, std::uint16_t requestedType,
                                    KorvanOpcItemCallback* callback);
using KorvanOpcHandleCall = void (*)(std::int32_t handle);
using KorvanOpcHandleGetInt = void (*)(std::int32_t handle, std::int32_t* value);
using KorvanOpcSignalSendData = void (*)(std::int32_t handle, const KorvanOpcVariant* value);
using KorvanOpcSignalGetData = void (*)(std::int32_t handle, KorvanOpcVariant* value);
using KorvanOpcSignalGetTimeStamp = void (*)(std::int32_t handle, double* value);
using KorvanOpcGroupAdd = void (*)(std::int32_t* handle, const KorvanOpcString* name,
                                   const KorvanOpcString* computerName, const KorvanOpcString* serverName,
                                   std::int32_t updateRate, KorvanOpcGroupCallback* callback);
using KorvanOpcGroupSetUpdateRate = void (*)(std::int32_t handle, std::int32_t updateRate);
using KorvanOpcNoArgs = void (*)();
using KorvanOpcGetInt = void (*)(std::int32_t* value);
using KorvanOpcGetString = void (*)(KorvanOpcString* text);
using KorvanOpcGetStringAt = void (*)(KorvanOpcString* text, std::int32_t index);

} // extern "C"
