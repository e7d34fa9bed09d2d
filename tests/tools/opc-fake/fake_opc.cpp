// A stand-in OPC client library: keeps signals and groups in memory, logs
// every call, and lets a test set values, set the next error text and fire
// the callbacks from a thread of its own, as a real library would.
#include "controls/plot/opc/OPCLibraryAbi.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>
#include <string>
#include <thread>

#define FAKE_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

struct Signal {
    std::string item;
    std::string group;
    std::int32_t rate = 0;
    bool suspended = false;
    std::uint16_t requestedType = 0;
    KorvanOpcItemCallback* callback = nullptr;
    KorvanOpcVariant value{};
    std::string text;
    std::int32_t quality = 0;
    double timeStamp = 0;
};

struct Group {
    std::string name;
    KorvanOpcGroupCallback* callback = nullptr;
};

struct State {
    std::mutex lock;
    std::map<std::int32_t, Signal> signals;
    std::map<std::int32_t, Group> groups;
    std::int32_t nextHandle = 1;
    std::string log;
    std::string error;
    std::int32_t managers = 0;
};

State& S() {
    static State state;
    return state;
}

std::string Narrow(const KorvanOpcString* s) {
    std::string out;
    if (s != nullptr)
        for (std::int32_t i = 0; i < s->length; ++i)
            out += static_cast<char>(s->chars[i]);
    return out;
}

KorvanOpcString Allocate(const std::string& text) {
    auto* chars = static_cast<char16_t*>(std::malloc((text.size() + 1) * sizeof(char16_t)));
    for (std::size_t i = 0; i < text.size(); ++i)
        chars[i] = static_cast<char16_t>(static_cast<unsigned char>(text[i]));
    chars[text.size()] = 0;
    return {chars, static_cast<std::int32_t>(text.size())};
}

void Log(const std::string& line) {
    S().log += line + "\n";
}

} // namespace

// ------------------------------------------------------------ the interface

FAKE_EXPORT void SignalAdd(std::int32_t* handle, const KorvanOpcString* computer,
                           const KorvanOpcString* server, const KorvanOpcString* item,
                           const KorvanOpcString* group, std::int32_t rate, std::uint8_t startSuspended,
                           std::uint16_t requestedType, KorvanOpcItemCallback* callback) {
    std::lock_guard guard(S().lock);
    *handle = S().nextHandle++;
    Signal& signal = S().signals[*handle];
    signal.item = Narrow(item);
    signal.group = Narrow(group);
    signal.rate = rate;
    signal.suspended = startSuspended != 0;
    signal.requestedType = requestedType;
    signal.callback = callback;
    Log("SignalAdd " + Narrow(computer) + "," + Narrow(server) + "," + signal.item + "," + signal.group +
        "," + std::to_string(rate) + "," + std::to_string(startSuspended) + "," +
        std::to_string(requestedType) + " -> " + std::to_string(*handle));
}

#define FAKE_HANDLE_CALL(Name, Body)                                                                         \
    FAKE_EXPORT void Name(std::int32_t handle) {                                                             \
        std::lock_guard guard(S().lock);                                                                     \
        Log(#Name " " + std::to_string(handle));                                                             \
        Body;                                                                                                \
    }

FAKE_HANDLE_CALL(SignalRemove, S().signals.erase(handle))
FAKE_HANDLE_CALL(SignalSuspend, S().signals[handle].suspended = true)
FAKE_HANDLE_CALL(SignalResume, S().signals[handle].suspended = false)
FAKE_HANDLE_CALL(SignalGetDataNow, (void)0)
FAKE_HANDLE_CALL(GroupDelete, S().groups.erase(handle))
FAKE_HANDLE_CALL(GroupResume, (void)0)
FAKE_HANDLE_CALL(GroupSuspend, (void)0)

FAKE_EXPORT void SignalGetActive(std::int32_t handle, std::int32_t* value) {
    std::lock_guard guard(S().lock);
    // Only the low byte counts: the high bytes carry noise.
    *value = S().signals.count(handle) != 0 ? 0x7F01 : 0x7F00;
}

FAKE_EXPORT void SignalGetUpdateSuspended(std::int32_t handle, std::int32_t* value) {
    std::lock_guard guard(S().lock);
    *value = S().signals.count(handle) != 0 && S().signals[handle].suspended ? 1 : 0;
}

FAKE_EXPORT void SignalSendData(std::int32_t handle, const KorvanOpcVariant* value) {
    std::lock_guard guard(S().lock);
    std::string text = "SignalSendData " + std::to_string(handle) + " type " + std::to_string(value->type);
    if (value->type == kOpcVtString)
        text += " " + Narrow(&value->value.text);
    else if (value->type == kOpcVtR8)
        text += " " + std::to_string(value->value.real);
    else
        text += " " + std::to_string(value->value.integer);
    Log(text);
}

FAKE_EXPORT void SignalGetData(std::int32_t handle, KorvanOpcVariant* value) {
    std::lock_guard guard(S().lock);
    const Signal& signal = S().signals[handle];
    *value = signal.value;
    if (signal.value.type == kOpcVtString)
        value->value.text = Allocate(signal.text);
}

FAKE_EXPORT void SignalGetTimeStamp(std::int32_t handle, double* value) {
    std::lock_guard guard(S().lock);
    *value = S().signals[handle].timeStamp;
}

#ifndef FAKE_OPC_WITHOUT_QUALITY
FAKE_EXPORT void SignalGetQuality(std::int32_t handle, std::int32_t* value) {
    std::lock_guard guard(S().lock);
    *value = S().signals[handle].quality | 0x70000; // high word is not the quality
}
#endif

FAKE_EXPORT void GroupAdd(std::int32_t* handle, const KorvanOpcString* name, const KorvanOpcString* computer,
                          const KorvanOpcString* server, std::int32_t rate,
                          KorvanOpcGroupCallback* callback) {
    std::lock_guard guard(S().lock);
    *handle = S().nextHandle++;
    S().groups[*handle] = {Narrow(name), callback};
    Log("GroupAdd " + Narrow(name) + "," + Narrow(computer) + "," + Narrow(server) + "," +
        std::to_string(rate) + " -> " + std::to_string(*handle));
}

FAKE_EXPORT void GroupSetUpdateRate(std::int32_t handle, std::int32_t rate) {
    std::lock_guard guard(S().lock);
    Log("GroupSetUpdateRate " + std::to_string(handle) + "," + std::to_string(rate));
}

FAKE_EXPORT void CloseAllServerConnections() {
    std::lock_guard guard(S().lock);
    Log("CloseAllServerConnections");
}

FAKE_EXPORT void ServerConnectionGetCount(std::int32_t* count) {
    *count = 2;
}

FAKE_EXPORT void ServerConnectionGetName(KorvanOpcString* name, std::int32_t index) {
    *name = Allocate("Server" + std::to_string(index));
}

FAKE_EXPORT void ManagerCreated(std::int32_t* first) {
    std::lock_guard guard(S().lock);
    *first = S().managers++ == 0 ? 1 : 0;
}

FAKE_EXPORT void ManagerDestroyed() {
    std::lock_guard guard(S().lock);
    Log("ManagerDestroyed");
}

FAKE_EXPORT void GetLastCallErrorString(KorvanOpcString* text) {
    std::lock_guard guard(S().lock);
    *text = S().error.empty() ? KorvanOpcString{nullptr, 0} : Allocate(S().error);
    S().error.clear();
}

// Entry points the pack resolves but never calls.
FAKE_EXPORT void SignalGetGroupHandle() {}
FAKE_EXPORT void GroupGetCount() {}
FAKE_EXPORT void ManagerAddItem() {}

// --------------------------------------------------------- test controls

// The calls so far, one a line; clears the log.
FAKE_EXPORT const char* FakeTakeLog() {
    static std::string taken;
    std::lock_guard guard(S().lock);
    taken = S().log;
    S().log.clear();
    return taken.c_str();
}

FAKE_EXPORT void FakeReset() {
    std::lock_guard guard(S().lock);
    S().signals.clear();
    S().groups.clear();
    S().log.clear();
    S().error.clear();
    S().managers = 0;
    S().nextHandle = 1;
}

// The error text the next call reports.
FAKE_EXPORT void FakeSetError(const char* text) {
    std::lock_guard guard(S().lock);
    S().error = text;
}

FAKE_EXPORT void FakeSetValue(std::int32_t handle, const KorvanOpcVariant* value, const char* text,
                              std::int32_t quality, double timeStamp) {
    std::lock_guard guard(S().lock);
    Signal& signal = S().signals[handle];
    signal.value = *value;
    signal.text = text != nullptr ? text : "";
    signal.quality = quality;
    signal.timeStamp = timeStamp;
}

// Calls the signal's NewData from a thread of the library's own.
FAKE_EXPORT void FakeFireNewData(std::int32_t handle) {
    KorvanOpcItemCallback* callback = nullptr;
    {
        std::lock_guard guard(S().lock);
        callback = S().signals[handle].callback;
    }
    std::thread([callback] { callback->table->NewData(callback, 0); }).join();
}

// Calls Before- and AfterGroupUpdate of the group from a thread of its own;
// a handle of no group goes to the first group's callback.
FAKE_EXPORT void FakeFireGroupUpdate(std::int32_t handle) {
    KorvanOpcGroupCallback* callback = nullptr;
    {
        std::lock_guard guard(S().lock);
        const auto found = S().groups.find(handle);
        callback = (found != S().groups.end() ? found : S().groups.begin())->second.callback;
    }
    std::thread([callback, handle] {
        callback->table->BeforeGroupUpdate(callback, handle);
        callback->table->AfterGroupUpdate(callback, handle);
    }).join();
}

// A library may keep a callback past the signal's removal (a call already
// under way on its thread): hold one with a reference of its own.
namespace {
KorvanOpcItemCallback* held = nullptr;
}

FAKE_EXPORT void FakeHoldCallback(std::int32_t handle) {
    std::lock_guard guard(S().lock);
    held = S().signals[handle].callback;
    held->table->AddRef(held);
}

FAKE_EXPORT void FakeFireHeld() {
    std::thread([] { held->table->NewData(held, 0); }).join();
}

FAKE_EXPORT std::uint32_t FakeReleaseHeld() {
    const std::uint32_t left = held->table->Release(held);
    held = nullptr;
    return left;
}
