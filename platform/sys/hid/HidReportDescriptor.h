#pragma once
// Parser of HID report descriptors (the byte stream the device declares its
// reports with). Every read is bounds-checked; a malformed descriptor gives
// no result and a reason.

#include "platform/sys/hid/HidPreparsedData.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace korvan::sys::hid {

std::optional<HidPreparsedData> ParseReportDescriptor(const std::uint8_t* data, std::size_t size,
                                                      std::string* error = nullptr);

inline std::optional<HidPreparsedData> ParseReportDescriptor(const std::vector<std::uint8_t>& bytes,
                                                             std::string* error = nullptr) {
    return ParseReportDescriptor(bytes.data(), bytes.size(), error);
}

} // namespace korvan::sys::hid
