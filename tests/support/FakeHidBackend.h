#pragma once
// A HID backend for tests: devices are plugged and unplugged at will, and
// every handle opened for I/O gets its own SOCK_SEQPACKET socket pair, so the
// device layer's real read thread and blocking writes run against it. The
// device side of the pairs is driven through FakeHidUnit.

#include "platform/sys/hid/HidBackend.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace korvan::test {

struct FakeHidDeviceInfo {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t version = 0;
    std::vector<std::uint8_t> reportDescriptor;
    std::optional<std::u16string> manufacturer;
    std::optional<std::u16string> product;
    std::optional<std::u16string> serialNumber;
    std::vector<std::uint16_t> languageIds{0x0409};
    std::map<std::uint32_t, std::u16string> indexedStrings;
    std::optional<std::vector<std::uint8_t>> physicalDescriptor;
    std::string classDescr = "HIDClass";
    bool readWriteAccess = true; // false: opens for I/O fail with EACCES (a keyboard, say)
    bool identifiable = true;    // false: the attribute query fails
    bool openable = true;        // false: every open fails
    bool describable = true;     // false: the enumeration leaves the interface out
};

struct FakeHidUnitState;

// The device side of one plugged interface. Copies refer to the same unit.
class FakeHidUnit {
public:
    explicit FakeHidUnit(std::shared_ptr<FakeHidUnitState> state) : state_(std::move(state)) {}

    std::uint32_t DeviceId() const;
    std::string Path() const;
    bool Plugged() const;
    // Sends an input report (report-ID byte first) to every handle open for
    // reading; returns how many got it.
    std::size_t SendInputReport(const std::vector<std::uint8_t>& report);
    // The next report the host wrote on any handle; nothing after the
    // time-out (which only a failing test reaches).
    std::optional<std::vector<std::uint8_t>> WaitOutputReport(std::chrono::milliseconds timeout);
    // Waits until at least count handles are open for reading.
    bool WaitForReaders(std::size_t count, std::chrono::milliseconds timeout);
    std::size_t OpenHandles() const;
    std::size_t OpenReaders() const;
    // Feature and direct input reports the host can get, by report ID; the
    // last feature and direct output report it set.
    void SetFeatureReport(std::uint8_t id, std::vector<std::uint8_t> report);
    void SetInputReport(std::uint8_t id, std::vector<std::uint8_t> report);
    std::vector<std::uint8_t> LastFeatureSet() const;
    // Later opens fail (EACCES) while not openable.
    void SetOpenable(bool openable);
    std::vector<std::uint8_t> LastOutputReportSet() const;

private:
    friend class FakeHidBackend;
    std::shared_ptr<FakeHidUnitState> state_;
};

class FakeHidBackend final : public sys::hid::HidBackend {
public:
    FakeHidBackend();
    ~FakeHidBackend() override;

    FakeHidUnit Plug(const FakeHidDeviceInfo& info);
    void Unplug(const FakeHidUnit& unit);
    void SetAvailable(bool available);
    void SetEnumerationFails(bool fails);
    int EnumerationCount() const;
    std::size_t Monitors() const;

    bool Available() override;
    std::optional<std::vector<sys::hid::HidInterfaceInfo>> EnumerateInterfaces() override;
    std::unique_ptr<sys::hid::HidHandle> Open(const std::string& devicePath,
                                              sys::hid::HidAccess access) override;
    std::unique_ptr<sys::hid::HidMonitor> StartMonitor(std::function<void()> onChange) override;
    std::string Version() override { return "fake 1.0"; }

    struct MonitorList;

private:
    void NotifyMonitors();

    mutable std::mutex mutex_;
    std::vector<std::shared_ptr<FakeHidUnitState>> units_;
    std::shared_ptr<MonitorList> monitors_;
    std::uint32_t nextDeviceId_ = 1;
    bool available_ = true;
    bool enumerationFails_ = false;
    int enumerations_ = 0;
};

// A vendor-defined interface with 64-byte input and output reports and no
// report IDs (report byte lengths 65), like the KORVAN unit's.
std::vector<std::uint8_t> VendorReportDescriptor64();
FakeHidDeviceInfo KorvanUnitInfo();

} // namespace korvan::test
