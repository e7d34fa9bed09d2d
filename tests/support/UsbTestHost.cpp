#include "tests/support/UsbTestHost.h"

#include "device/link/UsbReports.h"

namespace korvan::test {

UsbTestHost::UsbTestHost(FakeHidReportChannel& channel, sys::GuiThread& gui) : channel_(channel), gui_(gui) {
    reader_.Start([this, target = target_] {
        while (auto report = channel_.ReadInputReport()) {
            gui_.Post([target, report = std::move(*report)] {
                if (target->link == nullptr || report.size() < 2)
                    return;
                const std::uint8_t* data = report.data() + 1;
                target->link->PushReceived(data, InputReportFrameLength(data, report.size() - 1));
            });
        }
    });
}

UsbTestHost::~UsbTestHost() {
    target_->link = nullptr;
    channel_.ShutdownHost();
    reader_.Join(sys::EventSet::Infinite);
}

void UsbTestHost::SetLink(PushLink* link) {
    target_->link = link;
}

bool UsbTestHost::UsbWriteReport(const std::uint8_t* bytes, std::size_t length) {
    auto report = BuildOutputReport(bytes, length, channel_.OutputReportLength());
    if (!report)
        return false;
    {
        std::lock_guard lock(mutex_);
        written_.push_back(*report);
    }
    channel_.WriteOutputReport(*report);
    return true;
}

std::vector<Bytes> UsbTestHost::WrittenReports() const {
    std::lock_guard lock(mutex_);
    return written_;
}

} // namespace korvan::test
