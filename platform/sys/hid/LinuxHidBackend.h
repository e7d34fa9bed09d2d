#pragma once
// The HID backend of a Linux system: hidraw nodes found through sysfs,
// report lengths from the report descriptor, reports through the hidraw
// node, feature and direct input/output reports through its ioctls, strings
// from sysfs, and hot-plug notices from udev.

#include "platform/sys/hid/HidBackend.h"

#include <filesystem>

namespace korvan::sys::hid {

class LinuxHidBackend final : public HidBackend {
public:
    // The roots are parameters so that tests can point them at a fixture.
    explicit LinuxHidBackend(std::filesystem::path sysRoot = "/sys", std::filesystem::path devRoot = "/dev");

    bool Available() override;
    std::optional<std::vector<HidInterfaceInfo>> EnumerateInterfaces() override;
    std::unique_ptr<HidHandle> Open(const std::string& devicePath, HidAccess access) override;
    std::unique_ptr<HidMonitor> StartMonitor(std::function<void()> onChange) override;
    std::string Version() override;

private:
    std::filesystem::path sysRoot_;
    std::filesystem::path devRoot_;
};

// The process-wide backend of the running system.
HidBackend& SystemHidBackend();

} // namespace korvan::sys::hid
