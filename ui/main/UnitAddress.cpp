#include "ui/main/UnitAddress.h"

#include "device/protocol/SharedConstants.h"

#include <cstdlib>

namespace korvan {

std::string UnitAddress() {
    const char* value = std::getenv(UnitAddressVariable);
    return value != nullptr && *value != '\0' ? std::string(value) : std::string(DefaultUnitAddress);
}

std::uint16_t UnitPortNumber() {
    const char* value = std::getenv(UnitPortVariable);
    if (value == nullptr || *value == '\0')
        return UnitPort;
    unsigned long port = 0;
    for (const char* c = value; *c != '\0'; ++c) {
        if (*c < '0' || *c > '9')
            return UnitPort;
        port = port * 10 + unsigned(*c - '0');
        if (port > 65535)
            return UnitPort;
    }
    return port == 0 ? UnitPort : std::uint16_t(port);
}

std::optional<std::uint32_t> ParseIpAddress(std::string_view text) {
    std::uint32_t address = 0;
    int octets = 0;
    std::size_t pos = 0;
    while (octets < 4) {
        std::size_t digits = 0;
        unsigned value = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && digits < 3) {
            value = value * 10 + unsigned(text[pos] - '0');
            ++pos;
            ++digits;
        }
        if (digits == 0 || value > 255)
            return std::nullopt;
        address = (address << 8) | value;
        ++octets;
        if (octets < 4) {
            if (pos >= text.size() || text[pos] != '.')
                return std::nullopt;
            ++pos;
        }
    }
    if (pos != text.size())
        return std::nullopt;
    return address;
}

std::string FormatIpAddress(std::uint32_t address) {
    return std::to_string(address >> 24) + "." + std::to_string((address >> 16) & 0xFF) + "." +
           std::to_string((address >> 8) & 0xFF) + "." + std::to_string(address & 0xFF);
}

} // namespace korvan
