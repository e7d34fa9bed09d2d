#include "tests/support/RecordingLinkOwner.h"

#include <cstdio>

namespace korvan::test {

std::string HexBytes(const std::uint8_t* bytes, std::size_t length) {
    std::string text;
    char item[4];
    for (std::size_t i = 0; i < length; ++i) {
        std::snprintf(item, sizeof item, "%02X ", bytes[i]);
        text += item;
    }
    return text;
}

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
    monitor_.push_back("COM W " + HexBytes(bytes, length));
}

void RecordingLinkOwner::LogComRead(const std::uint8_t* bytes, std::size_t length) {
    std::lock_guard lock(logMutex_);
    monitor_.push_back("COM R " + HexBytes(bytes, length));
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
