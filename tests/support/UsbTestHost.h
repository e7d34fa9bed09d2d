#pragma once
// What the main window does for a USB link, for tests without a window: it
// writes each frame as an output report on the host end of a fake HID report
// channel, and a reader thread hands each input report to the GUI thread,
// which pushes the report's frame bytes into the link.

#include "device/link/LinkWriteHooks.h"
#include "device/link/PushLink.h"
#include "platform/sys/GuiThread.h"
#include "platform/sys/Thread.h"
#include "tests/support/FakeHidReportChannel.h"

#include <memory>
#include <mutex>
#include <vector>

namespace korvan::test {

class UsbTestHost final : public UsbReportWriter {
public:
    UsbTestHost(FakeHidReportChannel& channel, sys::GuiThread& gui);
    // Shuts the channel's host end down and stops the reader.
    ~UsbTestHost();

    // GUI thread: the link that gets the input reports (or none).
    void SetLink(PushLink* link);
    // I/O thread of the link.
    bool UsbWriteReport(const std::uint8_t* bytes, std::size_t length) override;
    // The output reports written so far.
    std::vector<Bytes> WrittenReports() const;

private:
    struct Target {
        PushLink* link = nullptr; // GUI thread only
    };

    FakeHidReportChannel& channel_;
    sys::GuiThread& gui_;
    std::shared_ptr<Target> target_ = std::make_shared<Target>();
    mutable std::mutex mutex_;
    std::vector<Bytes> written_;
    sys::Thread reader_;
};

} // namespace korvan::test
