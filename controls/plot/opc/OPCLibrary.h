#pragma once
// The optional OPC client library: loaded once at start-up by name, its entry
// points found by name. Each wrapper checks that the library is loaded and
// that the entry point exists, calls it, and raises the library's last error
// text when it is not empty. Without the library the items and managers test
// OPCLibraryMissing() and do nothing.

#include "controls/plot/core/PlotTypes.h"
#include "controls/plot/opc/OPCLibraryAbi.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace korvan::sys {
class SharedLibrary;
}

namespace korvan::plot::opc {

// The library's file name unless the environment names another.
inline constexpr const char* kOPCLibraryFileName = "libiOPC2.so";
inline constexpr const char* kOPCLibraryEnvironment = "KORVAN_OPC_LIBRARY";

// Every entry point looked up, in lookup order.
enum class OPCEntry {
    SignalAdd,
    SignalRemove,
    SignalSuspend,
    SignalResume,
    SignalGetActive,
    SignalGetUpdateSuspended,
    SignalGetGroupHandle,
    SignalSendData,
    SignalGetDataNow,
    SignalGetData,
    SignalGetTimeStamp,
    SignalGetQuality,
    EditorSessionStart,
    EditorSessionStop,
    EditorComputerBranchOpen,
    EditorComputerBranchClose,
    EditorComputerBranchGetItemCount,
    EditorComputerBranchGetItemData,
    EditorServerSetup,
    EditorServerGetCount,
    EditorServerGetData,
    EditorItemSetup,
    EditorItemGetBrowseType,
    EditorItemSetPath,
    EditorItemGetBranchItems,
    EditorItemGetQualifiedName,
    GroupAdd,
    GroupDelete,
    GroupResume,
    GroupSuspend,
    GroupGetCount,
    GroupGetHandleByName,
    GroupGetName,
    GroupGetComputerName,
    GroupGetOPCServerName,
    GroupGetUpdateRate,
    GroupSetUpdateRate,
    GroupGetHandle,
    CloseAllServerConnections,
    ServerConnectionGetCount,
    ServerConnectionGetName,
    ServerConnectionGetGroupCount,
    ServerConnectionGetGroupName,
    ServerConnectionReconnect,
    ServerConnectionDisconnect,
    ManagerCreated,
    ManagerAddItem,
    ManagerDestroyed,
    GetLastCallErrorString,
    Count
};
inline constexpr std::size_t kOPCEntryCount = static_cast<std::size_t>(OPCEntry::Count);
const char* OPCEntryName(OPCEntry entry);

// A value as the library delivers it: its variant type code beside the value.
struct OPCTypedValue {
    std::uint16_t type = kOpcVtEmpty;
    TiOPCValue value;
};

class OPCLibrary {
public:
    // No library (the normal case).
    OPCLibrary();
    // Loads `fileName` and resolves every entry point; a file that does not
    // load leaves the library missing.
    explicit OPCLibrary(const std::string& fileName);
    ~OPCLibrary();
    OPCLibrary(const OPCLibrary&) = delete;
    OPCLibrary& operator=(const OPCLibrary&) = delete;

    bool Loaded() const;
    const std::string& FileName() const { return fileName_; }
    bool HasEntry(OPCEntry entry) const { return Slot(entry) != nullptr; }

    std::int32_t SignalAdd(const std::string& computerName, const std::string& serverName,
                           const std::string& itemName, const std::string& groupName, std::int32_t updateRate,
                           bool startSuspended, std::uint16_t requestedType, KorvanOpcItemCallback* callback);
    void SignalRemove(std::int32_t handle);
    void SignalSuspend(std::int32_t handle);
    void SignalResume(std::int32_t handle);
    bool SignalGetActive(std::int32_t handle);
    bool SignalGetUpdateSuspended(std::int32_t handle);
    void SignalSendData(std::int32_t handle, const TiOPCValue& value);
    void SignalGetDataNow(std::int32_t handle);
    OPCTypedValue SignalGetData(std::int32_t handle);
    double SignalGetTimeStamp(std::int32_t handle);
    std::uint16_t SignalGetQuality(std::int32_t handle);
    std::int32_t GroupAdd(const std::string& name, const std::string& computerName,
                          const std::string& serverName, std::int32_t updateRate,
                          KorvanOpcGroupCallback* callback);
    void GroupDelete(std::int32_t handle);
    void GroupResume(std::int32_t handle);
    void GroupSuspend(std::int32_t handle);
    void GroupSetUpdateRate(std::int32_t handle, std::int32_t updateRate);
    void CloseAllServerConnections();
    std::int32_t ServerConnectionGetCount();
    std::string ServerConnectionGetName(std::int32_t index);
    // These three raise nothing for a missing library or entry point.
    bool ManagerCreated();
    void ManagerDestroyed();
    std::string GetLastCallErrorString();

private:
    void* Slot(OPCEntry entry) const { return slots_[static_cast<std::size_t>(entry)]; }
    // The entry point, after the library and entry checks.
    template <class Fn> Fn Entry(OPCEntry entry) const;
    void CheckLastCallError();
    // The checked call of an entry point taking a handle (and giving back a
    // 32-bit value).
    void CallWithHandle(OPCEntry entry, std::int32_t handle);
    std::int32_t GetForHandle(OPCEntry entry, std::int32_t handle);

    std::string fileName_;
    std::unique_ptr<sys::SharedLibrary> library_;
    std::array<void*, kOPCEntryCount> slots_{};
};

// The library every item and manager talks to (missing until start-up).
OPCLibrary& OPC();
inline bool OPCLibraryMissing() {
    return !OPC().Loaded();
}
// Makes `library` the one in use; returns the one it replaces.
std::unique_ptr<OPCLibrary> InstallOPCLibrary(std::unique_ptr<OPCLibrary> library);
// Start-up: loads the library named by the environment (or the default
// name), plugs the item lists into the components and registers the group
// manager with the form reader.
void StartOPCBinding();
// Lets forms hold group managers (once; start-up does it too).
void RegisterOPCClasses();

} // namespace korvan::plot::opc
