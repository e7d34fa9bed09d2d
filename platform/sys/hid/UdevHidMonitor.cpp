#include "platform/sys/hid/UdevHidMonitor.h"

#include <cerrno>
#include <libudev.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace korvan::sys::hid {

std::unique_ptr<UdevHidMonitor> UdevHidMonitor::Start(std::function<void()> onChange) {
    udev* context = udev_new();
    if (context == nullptr)
        return nullptr;
    udev_monitor* monitor = udev_monitor_new_from_netlink(context, "udev");
    if (monitor == nullptr ||
        udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor) < 0) {
        if (monitor)
            udev_monitor_unref(monitor);
        udev_unref(context);
        return nullptr;
    }
    const int stopFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (stopFd < 0) {
        udev_monitor_unref(monitor);
        udev_unref(context);
        return nullptr;
    }
    return std::unique_ptr<UdevHidMonitor>(new UdevHidMonitor(context, monitor, stopFd, std::move(onChange)));
}

UdevHidMonitor::UdevHidMonitor(udev* context, udev_monitor* monitor, int stopFd,
                               std::function<void()> onChange)
    : context_(context), monitor_(monitor), stopFd_(stopFd), onChange_(std::move(onChange)) {
    thread_ = std::thread([this] { Run(); });
}

UdevHidMonitor::~UdevHidMonitor() {
    const std::uint64_t one = 1;
    [[maybe_unused]] ssize_t n = write(stopFd_, &one, sizeof one);
    if (thread_.joinable())
        thread_.join();
    close(stopFd_);
    udev_monitor_unref(monitor_);
    udev_unref(context_);
}

void UdevHidMonitor::Run() {
    pollfd fds[2] = {{udev_monitor_get_fd(monitor_), POLLIN, 0}, {stopFd_, POLLIN, 0}};
    for (;;) {
        const int n = poll(fds, 2, -1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 || fds[1].revents != 0)
            return;
        if (fds[0].revents & POLLIN) {
            bool changed = false;
            while (udev_device* device = udev_monitor_receive_device(monitor_)) {
                udev_device_unref(device);
                changed = true;
            }
            if (changed && onChange_)
                onChange_();
        } else if (fds[0].revents != 0) {
            return; // the monitor socket failed
        }
    }
}

} // namespace korvan::sys::hid
