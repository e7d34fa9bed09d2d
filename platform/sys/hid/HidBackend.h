#pragma once
// The HID backend: how the device layer finds HID interfaces, opens them,
// identifies them and moves reports. The Linux backend works on hidraw and
// sysfs; tests plug in a fake. Every call that can fail returns false (or
// null) and leaves the reason in errno.

#include "platform/sys/hid/HidTypes.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace korvan::sys::hid {

// Codes of the setup properties an interface may carry (the numbering of the
// device-setup registry properties; the backend fills what it knows).
enum PnPProperty : std::uint32_t {
    kPropDeviceDescr = 0,
    kPropHardwareId = 1,
    kPropCompatibleIds = 2,
    kPropService = 4,
    kPropClass = 7,
    kPropClassGuid = 8,
    kPropDriver = 9,
    kPropConfigFlags = 10,
    kPropMfg = 11,
    kPropFriendlyName = 12,
    kPropLocationInfo = 13,
    kPropPhysDevObjName = 14,
    kPropCapabilities = 15,
    kPropUiNumber = 16,
    kPropUpperFilters = 17,
    kPropLowerFilters = 18,
    kPropBusTypeGuid = 19,
    kPropLegacyBusType = 20,
    kPropBusNumber = 21,
    kPropEnumeratorName = 22,
    kPropSecuritySds = 24,
    kPropDevType = 25,
    kPropExclusive = 26,
    kPropCharacteristics = 27,
    kPropAddress = 28,
    kPropUiNumberDescFormat = 30,
};

// The device-interface class of HID devices, as text.
inline constexpr const char* kHidInterfaceClassGuid = "{4D1E55B2-F16F-11CF-88CB-001111000030}";

// One HID interface present on the system.
struct HidInterfaceInfo {
    // Identifies the interface from one enumeration to the next; a device
    // that is unplugged and plugged again gets a new number.
    std::uint32_t deviceId = 0;
    std::string devicePath;
    std::map<std::uint32_t, std::string> text;
    std::map<std::uint32_t, std::vector<std::string>> lists;
    std::map<std::uint32_t, std::uint32_t> numbers;
};

enum class HidAccess {
    Identify,       // no I/O: identity, strings and descriptor only
    ReadWrite,      // the blocking handle
    OverlappedRead, // the read thread's handle
    OverlappedWrite,
};

enum class ReadWait { Report, TimedOut, Cancelled, Failed };

// One open handle on an interface. Report buffers start with the report-ID
// byte (0 on interfaces without report IDs) whatever the transport does.
class HidHandle {
public:
    virtual ~HidHandle() = default;

    virtual bool GetAttributes(HIDD_ATTRIBUTES& attributes) = 0;
    virtual bool GetReportDescriptor(std::vector<std::uint8_t>& descriptor) = 0;
    virtual bool GetManufacturerString(std::u16string& text) = 0;
    virtual bool GetProductString(std::u16string& text) = 0;
    virtual bool GetSerialNumberString(std::u16string& text) = 0;
    // Index 0 gives the device's language IDs, one per character.
    virtual bool GetIndexedString(std::uint32_t index, std::u16string& text) = 0;
    // Fails with ERANGE while length is too small for the descriptor.
    virtual bool GetPhysicalDescriptor(std::uint8_t* buffer, std::size_t length) = 0;
    virtual bool GetConfiguration(HIDD_CONFIGURATION& configuration) = 0;
    virtual bool SetConfiguration(const HIDD_CONFIGURATION& configuration) = 0;
    virtual bool GetNumInputBuffers(std::uint32_t& count) = 0;
    virtual bool SetNumInputBuffers(std::uint32_t count) = 0;
    virtual bool FlushQueue() = 0;

    virtual bool GetFeature(std::uint8_t* report, std::size_t length) = 0;
    virtual bool SetFeature(const std::uint8_t* report, std::size_t length) = 0;
    virtual bool GetInputReport(std::uint8_t* report, std::size_t length) = 0;
    virtual bool SetOutputReport(const std::uint8_t* report, std::size_t length) = 0;
    virtual bool IoControl(std::uint32_t code, const void* in, std::size_t inSize, void* out,
                           std::size_t outSize, std::size_t& returned) = 0;

    // Blocking read of one input report; at most length bytes are stored.
    virtual bool Read(std::uint8_t* report, std::size_t length, std::size_t& bytesRead) = 0;
    // Waits up to timeoutMs for one input report, or until CancelIo.
    virtual ReadWait ReadTimed(std::uint8_t* report, std::size_t length, int timeoutMs,
                               std::size_t& bytesRead) = 0;
    // Ends a read in progress on another thread, or else the next read.
    virtual void CancelIo() = 0;
    virtual bool Write(const std::uint8_t* report, std::size_t length, std::size_t& bytesWritten) = 0;
};

// Watches for HID interfaces coming and going; stops when destroyed.
class HidMonitor {
public:
    virtual ~HidMonitor() = default;
};

class HidBackend {
public:
    virtual ~HidBackend() = default;

    // Whether the system offers HID devices at all.
    virtual bool Available() = 0;
    // The interfaces present now, in a stable order; nothing when the set of
    // interfaces cannot be had. Interfaces that cannot be described are left out.
    virtual std::optional<std::vector<HidInterfaceInfo>> EnumerateInterfaces() = 0;
    virtual std::unique_ptr<HidHandle> Open(const std::string& devicePath, HidAccess access) = 0;
    // Calls onChange, on a thread of the monitor's own, after interfaces came
    // or went. Null when hot-plug notices cannot be had.
    virtual std::unique_ptr<HidMonitor> StartMonitor(std::function<void()> onChange) = 0;
    // Version text of the system's HID support; empty when unknown.
    virtual std::string Version() = 0;
};

} // namespace korvan::sys::hid
