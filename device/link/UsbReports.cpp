#include "device/link/UsbReports.h"

#include "device/protocol/Frame.h"

#include <algorithm>

namespace korvan {

namespace {
constexpr std::size_t LengthByte = 4;
} // namespace

std::optional<std::vector<std::uint8_t>> BuildOutputReport(const std::uint8_t* frame, std::size_t length,
                                                           std::size_t reportLength) {
    if (length >= reportLength || (length > 0 && frame == nullptr))
        return std::nullopt;
    std::vector<std::uint8_t> report(reportLength, 0);
    report[0] = UsbReportId;
    std::copy(frame, frame + length, report.begin() + 1);
    return report;
}

std::size_t InputReportFrameLength(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr)
        return 0;
    if (size <= LengthByte)
        return size;
    return std::min(size, static_cast<std::size_t>(data[LengthByte]) + FrameOverhead);
}

} // namespace korvan
