#pragma once
// Hot-plug notices for hidraw nodes from the udev monitor, delivered on a
// thread of the monitor's own until it is destroyed.

#include "platform/sys/hid/HidBackend.h"

#include <functional>
#include <memory>
#include <thread>

struct udev;
struct udev_monitor;

namespace korvan::sys::hid {

class UdevHidMonitor final : public HidMonitor {
public:
    // Null when udev cannot be reached (no netlink, no udev).
    static std::unique_ptr<UdevHidMonitor> Start(std::function<void()> onChange);
    ~UdevHidMonitor() override;

private:
    UdevHidMonitor(udev* context, udev_monitor* monitor, int stopFd, std::function<void()> onChange);
    void Run();

    udev* context_;
    udev_monitor* monitor_;
    int stopFd_;
    std::function<void()> onChange_;
    std::thread thread_;
};

} // namespace korvan::sys::hid
