#include "controls/plot/opc/OPCLibrary.h"

#include "platform/sys/SharedLibrary.h"
#include "platform/sys/Utf16Text.h"
#include "platform/text/Exception.h"

#include <cstdlib>
#include <limits>

namespace korvan::plot::opc {

namespace {

constexpr const char* kEntryNames[kOPCEntryCount] = {"SignalAdd",
                                                     "SignalRemove",
                                                     "SignalSuspend",
                                                     "SignalResume",
                                                     "SignalGetActive",
                                                     "SignalGetUpdateSuspended",
                                                     "SignalGetGroupHandle",
                                                     "SignalSendData",
                                                     "SignalGetDataNow",
                                                     "SignalGetData",
                                                     "SignalGetTimeStamp",
                                                     "SignalGetQuality",
                                                     "EditorSessionStart",
                                                     "EditorSessionStop",
                                                     "EditorComputerBranchOpen",
                                                     "EditorComputerBranchClose",
                                                     "EditorComputerBranchGetItemCount",
                                                     "EditorComputerBranchGetItemData",
                                                     "EditorServerSetup",
                                                     "EditorServerGetCount",
                                                     "EditorServerGetData",
                                                     "EditorItemSetup",
                                                     "EditorItemGetBrowseType",
                                                     "EditorItemSetPath",
                                                     "EditorItemGetBranchItems",
                                                     "EditorItemGetQualifiedName",
                                                     "GroupAdd",
                                                     "GroupDelete",
                                                     "GroupResume",
                                                     "GroupSuspend",
                                                     "GroupGetCount",
                                                     "GroupGetHandleByName",
                                                     "GroupGetName",
                                                     "GroupGetComputerName",
                                                     "GroupGetOPCServerName",
                                                     "GroupGetUpdateRate",
                                                     "GroupSetUpdateRate",
                                                     "GroupGetHandle",
                                                     "CloseAllServerConnections",
                                                     "ServerConnectionGetCount",
                                                     "ServerConnectionGetName",
                                                     "ServerConnectionGetGroupCount",
                                                     "ServerConnectionGetGroupName",
                                                     "ServerConnectionReconnect",
                                                     "ServerConnectionDisconnect",
                                                     "ManagerCreated",
                                                     "ManagerAddItem",
                                                     "ManagerDestroyed",
                                                     "GetLastCallErrorString"};

// Text handed to the library: the UTF-16 copy lives as long as this object.
class WideArg {
public:
    explicit WideArg(const std::string& text) : text_(sys::Utf8ToUtf16(text)) {}
    const KorvanOpcString* get() {
        arg_ = {text_.data(), static_cast<std::int32_t>(text_.size())};
        return &arg_;
    }

private:
    std::u16string text_;
    KorvanOpcString arg_{};
};

// Takes over text the library allocated.
std::string TakeText(KorvanOpcString& text) {
    std::string result;
    if (text.chars != nullptr && text.length > 0)
        result = sys::Utf16ToUtf8(std::u16string_view(text.chars, static_cast<std::size_t>(text.length)));
    std::free(const_cast<char16_t*>(text.chars));
    text = {nullptr, 0};
    return result;
}

OPCTypedValue TakeVariant(KorvanOpcVariant& variant) {
    OPCTypedValue result;
    result.type = variant.type;
    switch (variant.type) {
    case kOpcVtI2:
    case kOpcVtI4:
    case kOpcVtI1:
    case kOpcVtUI1:
    case kOpcVtUI2:
    case kOpcVtUI4:
    case kOpcVtI8:
        result.value = variant.value.integer;
        break;
    case kOpcVtUI8: {
        const std::uint64_t value = variant.value.unsignedInteger;
        constexpr auto top = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
        result.value = static_cast<std::int64_t>(value > top ? top : value);
        break;
    }
    case kOpcVtR4:
    case kOpcVtR8:
        result.value = variant.value.real;
        break;
    case kOpcVtBool:
        result.value = variant.value.integer != 0;
        break;
    case kOpcVtString:
        result.value = TakeText(variant.value.text);
        break;
    default:
        result.type = kOpcVtEmpty;
        break;
    }
    return result;
}

} // namespace

const char* OPCEntryName(OPCEntry entry) {
    return kEntryNames[static_cast<std::size_t>(entry)];
}

OPCLibrary::OPCLibrary() = default;

OPCLibrary::OPCLibrary(const std::string& fileName)
    : fileName_(fileName), library_(std::make_unique<sys::SharedLibrary>(fileName)) {
    if (!library_->IsLoaded())
        return;
    for (std::size_t i = 0; i < kOPCEntryCount; ++i)
        slots_[i] = library_->Symbol(kEntryNames[i]);
}

OPCLibrary::~OPCLibrary() = default;

bool OPCLibrary::Loaded() const {
    return library_ != nullptr && library_->IsLoaded();
}

template <class Fn> Fn OPCLibrary::Entry(OPCEntry entry) const {
    if (!Loaded())
        throw Exception("Tashel OPC DLL Not Found.");
    void* slot = Slot(entry);
    if (slot == nullptr)
        throw Exception(std::string("Function \"") + OPCEntryName(entry) + "\" not found in \"" + fileName_ +
                        "\".");
    return reinterpret_cast<Fn>(slot);
}

void OPCLibrary::CallWithHandle(OPCEntry entry, std::int32_t handle) {
    Entry<KorvanOpcHandleCall>(entry)(handle);
    CheckLastCallError();
}

std::int32_t OPCLibrary::GetForHandle(OPCEntry entry, std::int32_t handle) {
    std::int32_t value = 0;
    Entry<KorvanOpcHandleGetInt>(entry)(handle, &value);
    CheckLastCallError();
    return value;
}

void OPCLibrary::CheckLastCallError() {
    std::string text = GetLastCallErrorString();
    if (!text.empty())
        throw Exception(std::move(text));
}

std::int32_t OPCLibrary::SignalAdd(const std::string& computerName, const std::string& serverName,
                                   const std::string& itemName, const std::string& groupName,
                                   std::int32_t updateRate, bool startSuspended, std::uint16_t requestedType,
                                   KorvanOpcItemCallback* callback) {
    auto fn = Entry<KorvanOpcSignalAdd>(OPCEntry::SignalAdd);
    WideArg computer(computerName), server(serverName), item(itemName), group(groupName);
    std::int32_t handle = 0;
    fn(&handle, computer.get(), server.get(), item.get(), group.get(), updateRate, startSuspended ? 1 : 0,
       requestedType, callback);
    CheckLastCallError();
    return handle;
}

void OPCLibrary::SignalRemove(std::int32_t handle) {
    CallWithHandle(OPCEntry::SignalRemove, handle);
}

void OPCLibrary::SignalSuspend(std::int32_t handle) {
    CallWithHandle(OPCEntry::SignalSuspend, handle);
}

void OPCLibrary::SignalResume(std::int32_t handle) {
    CallWithHandle(OPCEntry::SignalResume, handle);
}

bool OPCLibrary::SignalGetActive(std::int32_t handle) {
    const std::int32_t value = GetForHandle(OPCEntry::SignalGetActive, handle);
    return (value & 0xFF) != 0;
}

bool OPCLibrary::SignalGetUpdateSuspended(std::int32_t handle) {
    const std::int32_t value = GetForHandle(OPCEntry::SignalGetUpdateSuspended, handle);
    return (value & 0xFF) != 0;
}

void OPCLibrary::SignalSendData(std::int32_t handle, const TiOPCValue& value) {
    auto fn = Entry<KorvanOpcSignalSendData>(OPCEntry::SignalSendData);
    KorvanOpcVariant variant{};
    std::u16string text;
    if (const auto* b = std::get_if<bool>(&value)) {
        variant.type = kOpcVtBool;
        variant.value.integer = *b ? -1 : 0;
    } else if (const auto* i = std::get_if<std::int64_t>(&value)) {
        const bool fits =
            *i >= std::numeric_limits<std::int32_t>::min() && *i <= std::numeric_limits<std::int32_t>::max();
        variant.type = fits ? kOpcVtI4 : kOpcVtI8;
        variant.value.integer = *i;
    } else if (const auto* d = std::get_if<double>(&value)) {
        variant.type = kOpcVtR8;
        variant.value.real = *d;
    } else if (const auto* s = std::get_if<std::string>(&value)) {
        text = sys::Utf8ToUtf16(*s);
        variant.type = kOpcVtString;
        variant.value.text = {text.data(), static_cast<std::int32_t>(text.size())};
    }
    fn(handle, &variant);
    CheckLastCallError();
}

void OPCLibrary::SignalGetDataNow(std::int32_t handle) {
    CallWithHandle(OPCEntry::SignalGetDataNow, handle);
}

OPCTypedValue OPCLibrary::SignalGetData(std::int32_t handle) {
    auto fn = Entry<KorvanOpcSignalGetData>(OPCEntry::SignalGetData);
    KorvanOpcVariant variant{};
    fn(handle, &variant);
    OPCTypedValue result = TakeVariant(variant);
    CheckLastCallError();
    return result;
}

double OPCLibrary::SignalGetTimeStamp(std::int32_t handle) {
    double value = 0;
    Entry<KorvanOpcSignalGetTimeStamp>(OPCEntry::SignalGetTimeStamp)(handle, &value);
    CheckLastCallError();
    return value;
}

std::uint16_t OPCLibrary::SignalGetQuality(std::int32_t handle) {
    const std::int32_t value = GetForHandle(OPCEntry::SignalGetQuality, handle);
    return static_cast<std::uint16_t>(value & 0xFFFF);
}

std::int32_t OPCLibrary::GroupAdd(const std::string& name, const std::string& computerName,
                                  const std::string& serverName, std::int32_t updateRate,
                                  KorvanOpcGroupCallback* callback) {
    auto fn = Entry<KorvanOpcGroupAdd>(OPCEntry::GroupAdd);
    WideArg group(name), computer(computerName), server(serverName);
    std::int32_t handle = 0;
    fn(&handle, group.get(), computer.get(), server.get(), updateRate, callback);
    CheckLastCallError();
    return handle;
}

void OPCLibrary::GroupDelete(std::int32_t handle) {
    CallWithHandle(OPCEntry::GroupDelete, handle);
}

void OPCLibrary::GroupResume(std::int32_t handle) {
    CallWithHandle(OPCEntry::GroupResume, handle);
}

void OPCLibrary::GroupSuspend(std::int32_t handle) {
    CallWithHandle(OPCEntry::GroupSuspend, handle);
}

void OPCLibrary::GroupSetUpdateRate(std::int32_t handle, std::int32_t updateRate) {
    Entry<KorvanOpcGroupSetUpdateRate>(OPCEntry::GroupSetUpdateRate)(handle, updateRate);
    CheckLastCallError();
}

void OPCLibrary::CloseAllServerConnections() {
    Entry<KorvanOpcNoArgs>(OPCEntry::CloseAllServerConnections)();
    CheckLastCallError();
}

std::int32_t OPCLibrary::ServerConnectionGetCount() {
    std::int32_t count = 0;
    Entry<KorvanOpcGetInt>(OPCEntry::ServerConnectionGetCount)(&count);
    CheckLastCallError();
    return count;
}

std::string OPCLibrary::ServerConnectionGetName(std::int32_t index) {
    auto fn = Entry<KorvanOpcGetStringAt>(OPCEntry::ServerConnectionGetName);
    KorvanOpcString text{nullptr, 0};
    fn(&text, index);
    std::string name = TakeText(text);
    CheckLastCallError();
    return name;
}

bool OPCLibrary::ManagerCreated() {
    if (!Loaded() || !HasEntry(OPCEntry::ManagerCreated))
        return false;
    std::int32_t result = 0;
    reinterpret_cast<KorvanOpcGetInt>(Slot(OPCEntry::ManagerCreated))(&result);
    CheckLastCallError();
    return (result & 0xFF) != 0;
}

void OPCLibrary::ManagerDestroyed() {
    if (!Loaded() || !HasEntry(OPCEntry::ManagerDestroyed))
        return;
    reinterpret_cast<KorvanOpcNoArgs>(Slot(OPCEntry::ManagerDestroyed))();
    CheckLastCallError();
}

std::string OPCLibrary::GetLastCallErrorString() {
    if (!Loaded() || !HasEntry(OPCEntry::GetLastCallErrorString))
        return {};
    KorvanOpcString text{nullptr, 0};
    reinterpret_cast<KorvanOpcGetString>(Slot(OPCEntry::GetLastCallErrorString))(&text);
    return TakeText(text);
}

// ------------------------------------------------------------ the one in use

namespace {
std::unique_ptr<OPCLibrary>& Current() {
    static std::unique_ptr<OPCLibrary> library = std::make_unique<OPCLibrary>();
    return library;
}
} // namespace

OPCLibrary& OPC() {
    return *Current();
}

std::unique_ptr<OPCLibrary> InstallOPCLibrary(std::unique_ptr<OPCLibrary> library) {
    std::unique_ptr<OPCLibrary> previous = std::move(Current());
    Current() = library ? std::move(library) : std::make_unique<OPCLibrary>();
    return previous;
}

} // namespace korvan::plot::opc
