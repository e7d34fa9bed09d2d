#pragma once
// The pack's control versions: major, minor, release and build packed one
// byte each from the high byte down, and their text, the four bytes in
// decimal joined by ".".

#include <cstdint>
#include <string>

namespace korvan::gdip {

constexpr std::uint32_t PackVersion(std::uint8_t major, std::uint8_t minor, std::uint8_t release,
                                    std::uint8_t build) {
    return std::uint32_t(major) << 24 | std::uint32_t(minor) << 16 | std::uint32_t(release) << 8 | build;
}

inline std::string VersionText(std::uint32_t version) {
    return std::to_string(version >> 24) + "." + std::to_string((version >> 16) & 0xFF) + "." +
           std::to_string((version >> 8) & 0xFF) + "." + std::to_string(version & 0xFF);
}

} // namespace korvan::gdip
