#include "tests/support/RecordingLinkOwner.h"

#include "platform/text/IntText.h"

namespace korvan::test {

RecordingLinkOwner::RecordingLinkOwner(sys::Clock& clock) : gui(clock), clock_(clock) {
    ports.SetSystemPortsHidden(true);
}

void RecordingLinkOwner::OnLinkFrame(const LinkFrameMessage& message) {
    frames.push_back({message.link, message.message, message.frame, message.elapsedMs});
    if (onFrame)
        onFrame(message);
}

void RecordingLinkOwner::OnLinkStatus(const LinkStatusMessage& message) {
    statuses.push_back(message);
}

void RecordingLinkOwner::LogComWrite(const std::uint8_t* bytes, std::size_t length) {
    std::lock_guard lock(logMutex_);
    monitor_.push_back("COM W " + text::HexList(bytes, length));
}

void RecordingLinkOwner::LogComRead(const std::uint8_t* bytes, std::size_t length) {
    std::lock_guard lock(logMutex_);
    monitor_.push_back("COM R " + text::HexList(bytes, length));
}

std::vector<std::string> RecordingLinkOwner::MonitorLines() const {
    std::lock_guard lock(logMutex_);
    return monitor_;
}

bool RecordingLinkOwner::RunUntilFrames(std::size_t count) {
    return gui.RunUntil([&] { return frames.size() >= count; });
}

bool RecordingLinkOwner::RunUntilStatuses(std::size_t count) {
    return gui.RunUntil([&] { return statuses.size() >= count; });
}

} // namespace korvan::test
