#pragma once
// How frames travel in the unit's HID reports. An output report is report ID
// 0, the frame, then zeros up to the device's output report length. An input
// report's data (the bytes after its ID) holds one frame from its start; the
// frame's length byte says how much of the data counts.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace korvan {

inline constexpr std::uint8_t UsbReportId = 0;

// The output report for a frame, `reportLength` bytes long (the device's
// output report length, ID byte included). Nothing when the frame and its ID
// byte do not fit.
std::optional<std::vector<std::uint8_t>> BuildOutputReport(const std::uint8_t* frame, std::size_t length,
                                                           std::size_t reportLength);

// How many of an input report's `size` data bytes belong to the frame: its
// length byte (data byte 4) + 8, never more than the data holds. Data too
// short to hold a length byte counts whole.
std::size_t InputReportFrameLength(const std::uint8_t* data, std::size_t size);

} // namespace korvan
