#pragma once
// The connection core on a fake GUI loop and a driven clock, with the
// simulated unit behind each of the three links: a pty on COM3 (the port
// directory shows only that port), a device of the fake HID backend, and a
// TCP server on 127.0.0.1. Timers and reply time-outs move only when a test
// moves the clock.

#include "device/protocol/CommandCodes.h"
#include "platform/sys/FakeGuiLoop.h"
#include "tests/support/FakeHidBackend.h"
#include "tests/support/SimHidBackendTransport.h"
#include "tests/support/SimPtyTransport.h"
#include "tests/support/SimTcpTransport.h"
#include "tests/support/SimUnit.h"
#include "tests/ui/main/RecordingConnectionView.h"
#include "ui/main/MainConnection.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <optional>
#include <string>

namespace korvan::test {

inline const char* KindName(LinkKind kind) {
    return kind == LinkKind::Serial ? "Serial" : kind == LinkKind::Usb ? "Usb" : "Net";
}

// Records which link objects were freed, in order.
class RecordingConnection final : public TfmMainConnection {
public:
    using TfmMainConnection::TfmMainConnection;
    // The links' threads call into this object: they stop before its most
    // derived part goes.
    ~RecordingConnection() override { FreeLinksOnClose(); }

    std::vector<LinkKind> freed;

protected:
    void FreeLink(LinkKind kind) override {
        const bool set = kind == LinkKind::Serial ? bool(ComLink)
                         : kind == LinkKind::Usb  ? bool(UsbLink)
                                                  : bool(NetLink);
        if (set)
            freed.push_back(kind);
        TfmMainConnection::FreeLink(kind);
    }
};

// The simulated unit behind one link kind.
class UnitBehind {
public:
    UnitBehind(LinkKind kind, SimUnit& unit, FakeHidBackend& backend, sys::SerialPortDirectory& ports)
        : kind_(kind), backend_(backend) {
        switch (kind) {
        case LinkKind::Serial:
            pty_ = std::make_unique<SimPtyTransport>(unit);
            ports.SetOverride(3, pty_->SlavePath());
            break;
        case LinkKind::Usb:
            hidUnit_ = backend.Plug(KorvanUnitInfo());
            hid_ = std::make_unique<SimHidBackendTransport>(unit, *hidUnit_);
            break;
        case LinkKind::Net:
            tcp_ = std::make_unique<SimTcpTransport>(unit);
            break;
        }
    }

    // Opens the core's link to the unit, as the scan does for a candidate
    // (the socket is connected to 127.0.0.1 first, the HID device checked
    // out). False when the transport is not ready.
    bool Open(TfmMainConnection& core, sys::FakeGuiLoop& gui) {
        switch (kind_) {
        case LinkKind::Serial:
            core.ComPortName = "COM3";
            core.OpenComLink();
            return bool(core.ComLink);
        case LinkKind::Usb:
            if (!gui.RunUntil([&] { return core.HasUsbDevice(); }))
                return false;
            core.OpenUsbLink();
            return bool(core.UsbLink);
        case LinkKind::Net:
            core.ClientSocket.SetAddress("127.0.0.1");
            core.ClientSocket.SetPort(tcp_->Port());
            if (!core.ClientSocket.Open() || !gui.RunUntil([&] { return core.ClientSocket.IsConnected(); }))
                return false;
            core.OpenNetLink();
            return bool(core.NetLink);
        }
        return false;
    }

    SimTcpTransport* Tcp() { return tcp_.get(); }
    // Pulls the USB unit's plug, as a user does.
    void Unplug() {
        if (hidUnit_)
            backend_.Unplug(*hidUnit_);
    }

private:
    LinkKind kind_;
    FakeHidBackend& backend_;
    std::optional<FakeHidUnit> hidUnit_;
    std::unique_ptr<SimPtyTransport> pty_;
    std::unique_ptr<SimHidBackendTransport> hid_;
    std::unique_ptr<SimTcpTransport> tcp_;
};

// Requests as "code" or "code:first payload byte" (names and pages).
inline std::string RequestText(const UnitRequest& r) {
    std::string text = std::to_string(r.code);
    if ((r.code == MCS_READ_PRESET_NAME || r.code == MCS_READ_STATE_PAGE) && !r.payload.empty())
        text += ":" + std::to_string(r.payload[0]);
    return text;
}

// The requests of a whole connect read to an unlocked unit, in order.
inline std::vector<std::string> ConnectReadRequests() {
    std::vector<std::string> out = {std::to_string(MCS_CONNECT), std::to_string(MCS_IDENTITY),
                                    std::to_string(MCS_LOCK_STATE), std::to_string(MCS_PRESET_FLAGS),
                                    std::to_string(MCS_CURRENT_PRESET)};
    for (int n = 0; n < 20; ++n)
        out.push_back(std::to_string(MCS_READ_PRESET_NAME) + ":" + std::to_string(n));
    for (int p = 0; p < 29; ++p)
        out.push_back(std::to_string(MCS_READ_STATE_PAGE) + ":" + std::to_string(p));
    out.push_back(std::to_string(MCS_ALIVE));
    return out;
}

class ConnectionTest : public ::testing::Test {
protected:
    ConnectionTest() { ports.SetSystemPortsHidden(true); }

    // Pumps the GUI loop until the unit has received `count` requests.
    bool RunUntilReceived(SimUnit& u, std::size_t count) {
        return gui.RunUntil([&] { return u.ReceivedCount() >= count; });
    }
    // Pumps until the connect read has ended: every request sent, the
    // closing ALIVE answered.
    bool RunUntilReadEnded(std::size_t extraRequests = 0) {
        const std::size_t count = ConnectReadRequests().size() + extraRequests;
        return gui.RunUntil(
            [&] { return view.Has("EnableConnectButton") && unit.ReceivedCount() >= count && !LinkBusy(); });
    }
    bool LinkBusy() const {
        return core->ComLink   ? core->ComLink->Engine().IsBusy()
               : core->UsbLink ? core->UsbLink->Engine().IsBusy()
               : core->NetLink ? core->NetLink->Engine().IsBusy()
                               : false;
    }
    // Moves the clock and runs what falls due.
    void Advance(sys::Millis ms) {
        clock.Advance(ms);
        gui.RunPending();
    }

    // Puts the unit behind a link of `kind` and opens the core's link to it.
    bool OpenTo(LinkKind kind) {
        behind = std::make_unique<UnitBehind>(kind, unit, backend, ports);
        return behind->Open(*core, gui);
    }

    sys::ManualClock clock;
    sys::FakeGuiLoop gui{clock};
    sys::SerialPortDirectory ports{"", "", false};
    FakeHidBackend backend;
    RecordingConnectionView view;
    SimUnit unit;
    // Outlives the core, whose links talk to it.
    std::unique_ptr<UnitBehind> behind;
    std::unique_ptr<RecordingConnection> core =
        std::make_unique<RecordingConnection>(view, ConnectionServices{gui, clock, ports, backend});
};

inline std::vector<std::string> RequestTexts(const SimUnit& unit) {
    std::vector<std::string> out;
    for (const auto& r : unit.Received())
        out.push_back(RequestText(r));
    return out;
}

} // namespace korvan::test
