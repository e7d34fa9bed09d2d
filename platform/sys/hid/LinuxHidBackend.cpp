#include "platform/sys/hid/LinuxHidBackend.h"

#include "platform/sys/Utf16Text.h"
#include "platform/sys/hid/FdReportChannel.h"
#include "platform/sys/hid/HidReportDescriptor.h"
#include "platform/sys/hid/HidSysfs.h"
#include "platform/sys/hid/UdevHidMonitor.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace korvan::sys::hid {
namespace fs = std::filesystem;
namespace {

// hidraw keeps a fixed queue of this many input reports per open node.
constexpr std::uint32_t kHidrawQueueLength = 64;
// The language of the strings sysfs gives: the kernel reads them in the
// device's first language, which it does not tell; US English is what
// nearly every device lists first.
constexpr char16_t kDefaultLanguage = 0x0409;

class LinuxHidHandle final : public HidHandle {
public:
    LinuxHidHandle(SysfsHidNode node, std::unique_ptr<FdReportChannel> channel)
        : node_(std::move(node)), channel_(std::move(channel)) {}

    bool GetAttributes(HIDD_ATTRIBUTES& a) override {
        a.Size = sizeof(HIDD_ATTRIBUTES);
        a.VendorID = node_.vendor;
        a.ProductID = node_.product;
        a.VersionNumber = NodeVersion(node_);
        return true;
    }

    bool GetReportDescriptor(std::vector<std::uint8_t>& descriptor) override {
        if (auto bytes = ReadBinaryAttribute(node_.hidDir / "report_descriptor")) {
            descriptor = std::move(*bytes);
            return true;
        }
        if (!channel_)
            return false;
        int size = 0;
        if (ioctl(channel_->Fd(), HIDIOCGRDESCSIZE, &size) < 0)
            return false;
        hidraw_report_descriptor rd{};
        rd.size = std::uint32_t(std::clamp(size, 0, HID_MAX_DESCRIPTOR_SIZE));
        if (ioctl(channel_->Fd(), HIDIOCGRDESC, &rd) < 0)
            return false;
        descriptor.assign(rd.value, rd.value + rd.size);
        return true;
    }

    bool GetManufacturerString(std::u16string& text) override { return UsbString("manufacturer", text); }

    bool GetProductString(std::u16string& text) override {
        return node_.usbDir.empty() ? UeventString("HID_NAME", text) : UsbString("product", text);
    }

    bool GetSerialNumberString(std::u16string& text) override {
        return node_.usbDir.empty() ? UeventString("HID_UNIQ", text) : UsbString("serial", text);
    }

    bool GetIndexedString(std::uint32_t index, std::u16string& text) override {
        if (index != 0) { // sysfs offers only the named strings
            errno = EOPNOTSUPP;
            return false;
        }
        std::u16string any;
        if (!GetManufacturerString(any) && !GetProductString(any) && !GetSerialNumberString(any))
            return false;
        text.assign(1, kDefaultLanguage);
        return true;
    }

    bool GetPhysicalDescriptor(std::uint8_t*, std::size_t) override { return Unsupported(); }
    bool GetConfiguration(HIDD_CONFIGURATION&) override { return Unsupported(); }
    bool SetConfiguration(const HIDD_CONFIGURATION&) override { return Unsupported(); }

    bool GetNumInputBuffers(std::uint32_t& count) override {
        count = kHidrawQueueLength;
        return true;
    }

    bool SetNumInputBuffers(std::uint32_t count) override {
        return count == kHidrawQueueLength || Unsupported();
    }

    bool FlushQueue() override { return channel_ ? channel_->Flush() : NoHandle(); }

    bool GetFeature(std::uint8_t* report, std::size_t length) override {
        return ReportIoctl(HIDIOCGFEATURE(length), report, length);
    }
    bool SetFeature(const std::uint8_t* report, std::size_t length) override {
        std::vector<std::uint8_t> copy(report, report + length);
        return ReportIoctl(HIDIOCSFEATURE(length), copy.data(), length);
    }
    bool GetInputReport(std::uint8_t* report, std::size_t length) override {
        return ReportIoctl(HIDIOCGINPUT(length), report, length);
    }
    bool SetOutputReport(const std::uint8_t* report, std::size_t length) override {
        std::vector<std::uint8_t> copy(report, report + length);
        return ReportIoctl(HIDIOCSOUTPUT(length), copy.data(), length);
    }

    bool IoControl(std::uint32_t code, const void* in, std::size_t inSize, void* out, std::size_t outSize,
                   std::size_t& returned) override {
        returned = 0;
        if (!channel_)
            return NoHandle();
        // The ioctl takes one buffer: the input is copied into the output
        // buffer when there is one.
        std::vector<std::uint8_t> inCopy;
        void* arg = out;
        if (out != nullptr && in != nullptr)
            std::memcpy(out, in, std::min(inSize, outSize));
        if (out == nullptr && in != nullptr) {
            inCopy.assign(static_cast<const std::uint8_t*>(in),
                          static_cast<const std::uint8_t*>(in) + inSize);
            arg = inCopy.data();
        }
        if (ioctl(channel_->Fd(), code, arg) < 0)
            return false;
        returned = outSize;
        return true;
    }

    bool Read(std::uint8_t* report, std::size_t length, std::size_t& bytesRead) override {
        bytesRead = 0;
        return channel_ ? channel_->Read(report, length, bytesRead) : NoHandle();
    }
    ReadWait ReadTimed(std::uint8_t* report, std::size_t length, int timeoutMs,
                       std::size_t& bytesRead) override {
        bytesRead = 0;
        if (!channel_) {
            NoHandle();
            return ReadWait::Failed;
        }
        return channel_->ReadTimed(report, length, timeoutMs, bytesRead);
    }
    void CancelIo() override {
        if (channel_)
            channel_->CancelIo();
    }
    bool Write(const std::uint8_t* report, std::size_t length, std::size_t& bytesWritten) override {
        bytesWritten = 0;
        return channel_ ? channel_->Write(report, length, bytesWritten) : NoHandle();
    }

private:
    static bool Unsupported() {
        errno = EOPNOTSUPP;
        return false;
    }
    static bool NoHandle() {
        errno = EBADF;
        return false;
    }

    bool ReportIoctl(unsigned long request, std::uint8_t* report, std::size_t length) {
        if (!channel_)
            return NoHandle();
        if (report == nullptr || length == 0) {
            errno = EINVAL;
            return false;
        }
        return ioctl(channel_->Fd(), request, report) >= 0;
    }

    bool UsbString(const char* attribute, std::u16string& text) {
        if (node_.usbDir.empty()) {
            errno = ENOENT;
            return false;
        }
        const auto value = ReadAttribute(node_.usbDir / attribute);
        if (!value)
            return false;
        text = Utf8ToUtf16(*value);
        return true;
    }

    bool UeventString(const char* key, std::u16string& text) {
        const auto it = node_.uevent.find(key);
        if (it == node_.uevent.end() || it->second.empty()) {
            errno = ENOENT;
            return false;
        }
        text = Utf8ToUtf16(it->second);
        return true;
    }

    SysfsHidNode node_;
    std::unique_ptr<FdReportChannel> channel_;
};

} // namespace

LinuxHidBackend::LinuxHidBackend(fs::path sysRoot, fs::path devRoot)
    : sysRoot_(std::move(sysRoot)), devRoot_(std::move(devRoot)) {}

bool LinuxHidBackend::Available() {
    std::error_code ec;
    return fs::is_directory(sysRoot_ / "class", ec);
}

std::optional<std::vector<HidInterfaceInfo>> LinuxHidBackend::EnumerateInterfaces() {
    const auto names = ListHidrawNodes(sysRoot_);
    if (!names)
        return std::nullopt;
    std::vector<HidInterfaceInfo> found;
    for (const std::string& name : *names)
        if (const auto node = ReadHidrawNode(sysRoot_, name)) // a node that cannot be read is left out
            found.push_back(DescribeNode(*node, devRoot_));
    return found;
}

std::unique_ptr<HidHandle> LinuxHidBackend::Open(const std::string& devicePath, HidAccess access) {
    const fs::path path(devicePath);
    if (path.parent_path().lexically_normal() != devRoot_.lexically_normal()) {
        errno = ENOENT;
        return nullptr;
    }
    auto node = ReadHidrawNode(sysRoot_, path.filename().string());
    if (!node) {
        errno = ENOENT;
        return nullptr;
    }
    if (access == HidAccess::Identify)
        return std::make_unique<LinuxHidHandle>(std::move(*node), nullptr);

    const int flags = access == HidAccess::ReadWrite        ? O_RDWR
                      : access == HidAccess::OverlappedRead ? O_RDONLY
                                                            : O_WRONLY;
    const int fd = open(devicePath.c_str(), flags | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    // hidraw hands out reports of interfaces without report IDs without the
    // ID byte; the channel puts it back.
    bool usesIds = true;
    if (auto bytes = ReadBinaryAttribute(node->hidDir / "report_descriptor"))
        if (auto parsed = ParseReportDescriptor(*bytes))
            usesIds = parsed->usesReportIds;
    auto channel = std::make_unique<FdReportChannel>(fd, !usesIds);
    return std::make_unique<LinuxHidHandle>(std::move(*node), std::move(channel));
}

std::unique_ptr<HidMonitor> LinuxHidBackend::StartMonitor(std::function<void()> onChange) {
    return UdevHidMonitor::Start(std::move(onChange));
}

std::string LinuxHidBackend::Version() {
    utsname u{};
    if (uname(&u) != 0)
        return {};
    return u.release;
}

HidBackend& SystemHidBackend() {
    static LinuxHidBackend backend;
    return backend;
}

} // namespace korvan::sys::hid
