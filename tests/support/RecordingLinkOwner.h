#pragma once
// A link owner for tests: a fake GUI loop on the test thread, a port
// directory that shows only the ports a test adds, and a record of every
// frame, status and monitor line the link produced.

#include "device/link/LinkOwner.h"
#include "platform/sys/FakeGuiLoop.h"

#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace korvan::test {

struct ReceivedFrame {
    LinkId link;
    unsigned message;
    std::vector<std::uint8_t> bytes;
    std::uint32_t elapsedMs;
};

class RecordingLinkOwner : public LinkOwner {
public:
    explicit RecordingLinkOwner(sys::Clock& clock = sys::SystemClock());

    sys::GuiThread& LinkGui() override { return gui; }
    sys::Clock& LinkClock() override { return clock_; }
    sys::SerialPortDirectory& SerialPorts() override { return ports; }
    std::uint8_t GetUnitId() const override { return static_cast<std::uint8_t>(unitId); }
    void OnLinkFrame(const LinkFrameMessage& message) override;
    void OnLinkStatus(const LinkStatusMessage& message) override;
    void LogComWrite(const std::uint8_t* bytes, std::size_t length) override;
    void LogComRead(const std::uint8_t* bytes, std::size_t length) override;

    // Pump the GUI loop until so many frames or statuses came (5 s at most).
    bool RunUntilFrames(std::size_t count);
    bool RunUntilStatuses(std::size_t count);
    // Monitor lines as "COM W 10 02 ..." in the order made.
    std::vector<std::string> MonitorLines() const;

    sys::FakeGuiLoop gui;
    sys::SerialPortDirectory ports{"", "", false};
    int unitId = 1;
    // GUI thread only.
    std::vector<ReceivedFrame> frames;
    std::vector<LinkStatusMessage> statuses;
    // Runs inside the frame handler, after the frame is recorded.
    std::function<void(const LinkFrameMessage&)> onFrame;

private:
    sys::Clock& clock_;
    mutable std::mutex logMutex_;
    std::vector<std::string> monitor_;
};

} // namespace korvan::test
