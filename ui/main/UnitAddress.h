#pragma once
// The network address of the unit. KORVAN_UNIT_ADDRESS, when set and not
// empty, replaces the built-in default address, so that tests, scripts and
// a developer beside the simulated unit talk to 127.0.0.1.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvan {

inline constexpr const char* UnitAddressVariable = "KORVAN_UNIT_ADDRESS";
// The TCP port the unit listens on.
inline constexpr std::uint16_t UnitPort = 9761;
// Replaces UnitPort, so that a test or script can run the simulated unit on
// a free port of 127.0.0.1.
inline constexpr const char* UnitPortVariable = "KORVAN_UNIT_PORT";

// KORVAN_UNIT_ADDRESS, or DefaultUnitAddress without it.
std::string UnitAddress();
// KORVAN_UNIT_PORT when it holds a port number 1..65535, else UnitPort.
std::uint16_t UnitPortNumber();
// A dotted IPv4 address as a number, first octet in the most significant
// byte; nothing for any other text.
std::optional<std::uint32_t> ParseIpAddress(std::string_view text);
// The dotted text of an address, first octet the most significant byte.
std::string FormatIpAddress(std::uint32_t address);

} // namespace korvan
