#include "tests/support/FakeHidBackend.h"

#include "platform/sys/hid/FdReportChannel.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace korvan::test {
using namespace sys::hid;

// Shared by the unit, the backend and every handle open on the unit.
struct FakeHidUnitState {
    std::uint32_t deviceId = 0;
    std::string path;
    FakeHidDeviceInfo info;

    struct Peer {
        int id;
        int fd; // device end of the handle's socket pair
        bool reader;
        bool writer;
    };

    mutable std::mutex mutex;
    std::condition_variable changed;
    bool plugged = true;
    std::vector<Peer> peers;
    int nextPeer = 0;
    std::size_t handles = 0;
    std::map<std::uint8_t, std::vector<std::uint8_t>> features;
    std::map<std::uint8_t, std::vector<std::uint8_t>> inputs;
    std::vector<std::uint8_t> lastFeatureSet;
    std::vector<std::uint8_t> lastOutputSet;
    HIDD_CONFIGURATION configuration;
    int wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC); // written when a handle opens

    ~FakeHidUnitState() {
        for (const Peer& p : peers)
            close(p.fd);
        close(wakeFd);
    }

    void RemovePeer(int id) {
        std::lock_guard lock(mutex);
        const auto it = std::find_if(peers.begin(), peers.end(), [&](const Peer& p) { return p.id == id; });
        if (it != peers.end()) {
            close(it->fd);
            peers.erase(it);
        }
        --handles;
        changed.notify_all();
    }
};

namespace {

class FakeHidHandle final : public HidHandle {
public:
    FakeHidHandle(std::shared_ptr<FakeHidUnitState> unit, std::unique_ptr<FdReportChannel> channel, int peer)
        : unit_(std::move(unit)), channel_(std::move(channel)), peer_(peer) {}

    ~FakeHidHandle() override {
        channel_.reset();
        unit_->RemovePeer(peer_);
    }

    bool GetAttributes(HIDD_ATTRIBUTES& a) override {
        if (!Alive() || !unit_->info.identifiable)
            return Fail(EIO);
        a.Size = sizeof(HIDD_ATTRIBUTES);
        a.VendorID = unit_->info.vendorId;
        a.ProductID = unit_->info.productId;
        a.VersionNumber = unit_->info.version;
        return true;
    }
    bool GetReportDescriptor(std::vector<std::uint8_t>& d) override {
        if (!Alive())
            return Fail(ENODEV);
        d = unit_->info.reportDescriptor;
        return true;
    }
    bool GetManufacturerString(std::u16string& t) override { return String(unit_->info.manufacturer, t); }
    bool GetProductString(std::u16string& t) override { return String(unit_->info.product, t); }
    bool GetSerialNumberString(std::u16string& t) override { return String(unit_->info.serialNumber, t); }
    bool GetIndexedString(std::uint32_t index, std::u16string& t) override {
        if (!Alive())
            return Fail(ENODEV);
        if (index == 0) {
            if (unit_->info.languageIds.empty())
                return Fail(EPIPE);
            t.assign(unit_->info.languageIds.begin(), unit_->info.languageIds.end());
            return true;
        }
        const auto it = unit_->info.indexedStrings.find(index);
        if (it == unit_->info.indexedStrings.end())
            return Fail(EPIPE);
        t = it->second;
        return true;
    }
    bool GetPhysicalDescriptor(std::uint8_t* buffer, std::size_t length) override {
        const auto& d = unit_->info.physicalDescriptor;
        if (!Alive() || !d)
            return Fail(EOPNOTSUPP);
        if (length < d->size())
            return Fail(ERANGE);
        std::copy(d->begin(), d->end(), buffer);
        return true;
    }
    bool GetConfiguration(HIDD_CONFIGURATION& c) override {
        std::lock_guard lock(unit_->mutex);
        c = unit_->configuration;
        return true;
    }
    bool SetConfiguration(const HIDD_CONFIGURATION& c) override {
        std::lock_guard lock(unit_->mutex);
        unit_->configuration = c;
        return true;
    }
    bool GetNumInputBuffers(std::uint32_t& count) override {
        count = inputBuffers_;
        return true;
    }
    bool SetNumInputBuffers(std::uint32_t count) override {
        if (count < 2 || count > 512)
            return Fail(EINVAL);
        inputBuffers_ = count;
        return true;
    }
    bool FlushQueue() override { return channel_ ? channel_->Flush() : Fail(EBADF); }

    bool GetFeature(std::uint8_t* r, std::size_t n) override { return GetStored(unit_->features, r, n); }
    bool SetFeature(const std::uint8_t* r, std::size_t n) override {
        return Store(unit_->lastFeatureSet, r, n);
    }
    bool GetInputReport(std::uint8_t* r, std::size_t n) override { return GetStored(unit_->inputs, r, n); }
    bool SetOutputReport(const std::uint8_t* r, std::size_t n) override {
        return Store(unit_->lastOutputSet, r, n);
    }
    bool IoControl(std::uint32_t, const void*, std::size_t, void*, std::size_t,
                   std::size_t& returned) override {
        returned = 0;
        return Fail(EOPNOTSUPP);
    }

    bool Read(std::uint8_t* r, std::size_t n, std::size_t& got) override {
        got = 0;
        return channel_ ? channel_->Read(r, n, got) : Fail(EBADF);
    }
    ReadWait ReadTimed(std::uint8_t* r, std::size_t n, int timeoutMs, std::size_t& got) override {
        got = 0;
        if (!channel_) {
            Fail(EBADF);
            return ReadWait::Failed;
        }
        return channel_->ReadTimed(r, n, timeoutMs, got);
    }
    void CancelIo() override {
        if (channel_)
            channel_->CancelIo();
    }
    bool Write(const std::uint8_t* r, std::size_t n, std::size_t& written) override {
        written = 0;
        return channel_ ? channel_->Write(r, n, written) : Fail(EBADF);
    }

private:
    static bool Fail(int error) {
        errno = error;
        return false;
    }
    bool Alive() const {
        std::lock_guard lock(unit_->mutex);
        return unit_->plugged;
    }
    bool String(const std::optional<std::u16string>& s, std::u16string& t) {
        if (!Alive() || !s)
            return Fail(EPIPE);
        t = *s;
        return true;
    }
    bool GetStored(const std::map<std::uint8_t, std::vector<std::uint8_t>>& m, std::uint8_t* r,
                   std::size_t n) {
        std::lock_guard lock(unit_->mutex);
        if (!unit_->plugged || !channel_ || r == nullptr || n == 0)
            return Fail(EIO);
        const auto it = m.find(r[0]);
        if (it == m.end())
            return Fail(EPIPE);
        std::fill(r, r + n, std::uint8_t(0));
        std::copy_n(it->second.begin(), std::min(n, it->second.size()), r);
        return true;
    }
    bool Store(std::vector<std::uint8_t>& into, const std::uint8_t* r, std::size_t n) {
        std::lock_guard lock(unit_->mutex);
        if (!unit_->plugged || !channel_ || r == nullptr || n == 0)
            return Fail(EIO);
        into.assign(r, r + n);
        return true;
    }

    std::shared_ptr<FakeHidUnitState> unit_;
    std::unique_ptr<FdReportChannel> channel_;
    int peer_;
    std::uint32_t inputBuffers_ = 32;
};

} // namespace

struct FakeHidBackend::MonitorList {
    std::mutex mutex;
    std::map<int, std::function<void()>> calls;
    int next = 0;
};

namespace {

class FakeHidMonitor final : public HidMonitor {
public:
    FakeHidMonitor(std::shared_ptr<FakeHidBackend::MonitorList> list, int id)
        : list_(std::move(list)), id_(id) {}
    ~FakeHidMonitor() override {
        std::lock_guard lock(list_->mutex);
        list_->calls.erase(id_);
    }

private:
    std::shared_ptr<FakeHidBackend::MonitorList> list_;
    int id_;
};

} // namespace

// --- FakeHidUnit ---

std::uint32_t FakeHidUnit::DeviceId() const {
    return state_->deviceId;
}
std::string FakeHidUnit::Path() const {
    return state_->path;
}

bool FakeHidUnit::Plugged() const {
    std::lock_guard lock(state_->mutex);
    return state_->plugged;
}

std::size_t FakeHidUnit::SendInputReport(const std::vector<std::uint8_t>& report) {
    std::lock_guard lock(state_->mutex);
    std::size_t sent = 0;
    if (!state_->plugged)
        return 0;
    for (const auto& p : state_->peers)
        if (p.reader && send(p.fd, report.data(), report.size(), MSG_NOSIGNAL | MSG_DONTWAIT) >= 0)
            ++sent;
    return sent;
}

std::optional<std::vector<std::uint8_t>> FakeHidUnit::WaitOutputReport(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        // Poll duplicates of the device ends, so that handles may close
        // meanwhile; a handle opened meanwhile wakes the poll.
        std::vector<pollfd> fds;
        {
            std::lock_guard lock(state_->mutex);
            fds.push_back({dup(state_->wakeFd), POLLIN, 0});
            for (const auto& p : state_->peers)
                if (p.writer)
                    fds.push_back({dup(p.fd), POLLIN, 0});
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        std::optional<std::vector<std::uint8_t>> out;
        bool woken = false;
        if (left.count() > 0 && poll(fds.data(), fds.size(), int(left.count())) > 0) {
            woken = fds[0].revents & POLLIN;
            for (std::size_t i = 1; i < fds.size() && !out; ++i)
                if (fds[i].revents & POLLIN) {
                    std::vector<std::uint8_t> buffer(4096);
                    const ssize_t n = recv(fds[i].fd, buffer.data(), buffer.size(), MSG_DONTWAIT);
                    if (n > 0) {
                        buffer.resize(std::size_t(n));
                        out = std::move(buffer);
                    }
                }
        }
        if (woken) {
            std::uint64_t drained;
            while (read(fds[0].fd, &drained, sizeof drained) > 0) {
            }
        }
        for (const pollfd& p : fds)
            close(p.fd);
        if (out || !woken)
            return out;
    }
}

bool FakeHidUnit::WaitForReaders(std::size_t count, std::chrono::milliseconds timeout) {
    std::unique_lock lock(state_->mutex);
    return state_->changed.wait_for(lock, timeout, [&] {
        return std::size_t(std::count_if(state_->peers.begin(), state_->peers.end(),
                                         [](const auto& p) { return p.reader; })) >= count;
    });
}

std::size_t FakeHidUnit::OpenHandles() const {
    std::lock_guard lock(state_->mutex);
    return state_->handles;
}

std::size_t FakeHidUnit::OpenReaders() const {
    std::lock_guard lock(state_->mutex);
    return std::size_t(
        std::count_if(state_->peers.begin(), state_->peers.end(), [](const auto& p) { return p.reader; }));
}

void FakeHidUnit::SetFeatureReport(std::uint8_t id, std::vector<std::uint8_t> report) {
    std::lock_guard lock(state_->mutex);
    state_->features[id] = std::move(report);
}

void FakeHidUnit::SetInputReport(std::uint8_t id, std::vector<std::uint8_t> report) {
    std::lock_guard lock(state_->mutex);
    state_->inputs[id] = std::move(report);
}

std::vector<std::uint8_t> FakeHidUnit::LastFeatureSet() const {
    std::lock_guard lock(state_->mutex);
    return state_->lastFeatureSet;
}

void FakeHidUnit::SetOpenable(bool openable) {
    std::lock_guard lock(state_->mutex);
    state_->info.openable = openable;
}

std::vector<std::uint8_t> FakeHidUnit::LastOutputReportSet() const {
    std::lock_guard lock(state_->mutex);
    return state_->lastOutputSet;
}

// --- FakeHidBackend ---

FakeHidBackend::FakeHidBackend() : monitors_(std::make_shared<MonitorList>()) {}

FakeHidBackend::~FakeHidBackend() = default;

FakeHidUnit FakeHidBackend::Plug(const FakeHidDeviceInfo& info) {
    auto state = std::make_shared<FakeHidUnitState>();
    {
        std::lock_guard lock(mutex_);
        state->deviceId = nextDeviceId_++;
        state->path = "/fake/hidraw" + std::to_string(state->deviceId);
        state->info = info;
        units_.push_back(state);
    }
    NotifyMonitors();
    return FakeHidUnit(state);
}

void FakeHidBackend::Unplug(const FakeHidUnit& unit) {
    {
        std::lock_guard lock(mutex_);
        units_.erase(std::remove(units_.begin(), units_.end(), unit.state_), units_.end());
    }
    {
        std::lock_guard lock(unit.state_->mutex);
        unit.state_->plugged = false;
        // The host's reads now end (the read fails) and its writes fail.
        for (const auto& p : unit.state_->peers)
            shutdown(p.fd, SHUT_RDWR);
        unit.state_->changed.notify_all();
    }
    NotifyMonitors();
}

void FakeHidBackend::SetAvailable(bool available) {
    std::lock_guard lock(mutex_);
    available_ = available;
}

void FakeHidBackend::SetEnumerationFails(bool fails) {
    std::lock_guard lock(mutex_);
    enumerationFails_ = fails;
}

int FakeHidBackend::EnumerationCount() const {
    std::lock_guard lock(mutex_);
    return enumerations_;
}

std::size_t FakeHidBackend::Monitors() const {
    std::lock_guard lock(monitors_->mutex);
    return monitors_->calls.size();
}

bool FakeHidBackend::Available() {
    std::lock_guard lock(mutex_);
    return available_;
}

std::optional<std::vector<HidInterfaceInfo>> FakeHidBackend::EnumerateInterfaces() {
    std::lock_guard lock(mutex_);
    ++enumerations_;
    if (enumerationFails_ || !available_)
        return std::nullopt;
    std::vector<HidInterfaceInfo> found;
    for (const auto& unit : units_) {
        if (!unit->info.describable)
            continue;
        HidInterfaceInfo info;
        info.deviceId = unit->deviceId;
        info.devicePath = unit->path;
        info.text[kPropClass] = unit->info.classDescr;
        info.text[kPropClassGuid] = kHidInterfaceClassGuid;
        info.text[kPropDeviceDescr] = "fake HID device";
        info.lists[kPropHardwareId] = {"fake:v" + std::to_string(unit->info.vendorId) + "p" +
                                       std::to_string(unit->info.productId)};
        found.push_back(std::move(info));
    }
    return found;
}

std::unique_ptr<HidHandle> FakeHidBackend::Open(const std::string& devicePath, HidAccess access) {
    std::shared_ptr<FakeHidUnitState> unit;
    {
        std::lock_guard lock(mutex_);
        for (const auto& u : units_)
            if (u->path == devicePath)
                unit = u;
    }
    if (!unit) {
        errno = ENOENT;
        return nullptr;
    }
    {
        std::lock_guard lock(unit->mutex);
        if (!unit->info.openable || (access != HidAccess::Identify && !unit->info.readWriteAccess)) {
            errno = EACCES;
            return nullptr;
        }
    }
    std::unique_ptr<FdReportChannel> channel;
    int peerFd = -1;
    if (access != HidAccess::Identify) {
        int pair[2];
        if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, pair) != 0)
            return nullptr;
        channel = std::make_unique<FdReportChannel>(pair[0], false);
        peerFd = pair[1];
    }
    std::lock_guard lock(unit->mutex);
    if (!unit->plugged) {
        if (peerFd >= 0)
            close(peerFd);
        errno = ENOENT;
        return nullptr;
    }
    const int id = unit->nextPeer++;
    if (peerFd >= 0)
        unit->peers.push_back({id, peerFd,
                               access == HidAccess::ReadWrite || access == HidAccess::OverlappedRead,
                               access == HidAccess::ReadWrite || access == HidAccess::OverlappedWrite});
    ++unit->handles;
    unit->changed.notify_all();
    const std::uint64_t one = 1;
    [[maybe_unused]] ssize_t n = write(unit->wakeFd, &one, sizeof one);
    return std::make_unique<FakeHidHandle>(unit, std::move(channel), id);
}

std::unique_ptr<HidMonitor> FakeHidBackend::StartMonitor(std::function<void()> onChange) {
    std::lock_guard lock(monitors_->mutex);
    const int id = monitors_->next++;
    monitors_->calls[id] = std::move(onChange);
    return std::make_unique<FakeHidMonitor>(monitors_, id);
}

void FakeHidBackend::NotifyMonitors() {
    std::vector<std::function<void()>> calls;
    {
        std::lock_guard lock(monitors_->mutex);
        for (const auto& [id, f] : monitors_->calls)
            calls.push_back(f);
    }
    for (const auto& f : calls)
        f();
}

std::vector<std::uint8_t> VendorReportDescriptor64() {
    return {
        0x06, 0x00, 0xFF, // Usage Page (vendor 0xFF00)
        0x09, 0x01,       // Usage (1)
        0xA1, 0x01,       // Collection (Application)
        0x15, 0x00,       //   Logical Minimum (0)
        0x26, 0xFF, 0x00, //   Logical Maximum (255)
        0x75, 0x08,       //   Report Size (8)
        0x95, 0x40,       //   Report Count (64)
        0x09, 0x01,       //   Usage (1)
        0x81, 0x02,       //   Input (Data, Variable, Absolute)
        0x95, 0x40,       //   Report Count (64)
        0x09, 0x02,       //   Usage (2)
        0x91, 0x02,       //   Output (Data, Variable, Absolute)
        0xC0,             // End Collection
    };
}

FakeHidDeviceInfo KorvanUnitInfo() {
    FakeHidDeviceInfo info;
    info.vendorId = 0x0168;
    info.productId = 0x0821;
    info.version = 0x0100;
    info.reportDescriptor = VendorReportDescriptor64();
    info.manufacturer = u"Brivane";
    info.product = u"KORVAN DSP";
    info.serialNumber = u"KV0001";
    return info;
}

} // namespace korvan::test
