#pragma once
// Integer to text and back with the framework's rules.

#include <cstdint>
#include <string>
#include <string_view>

std::string IntToStr(std::int64_t value);
// Upper-case hexadecimal with at least `digits` digits.
std::string IntToHex(std::uint64_t value, int digits);

namespace korvan::text {
// Bytes as two upper-case hexadecimal digits and a blank each ("0A FF "),
// as frame monitors show them.
std::string HexList(const std::uint8_t* bytes, std::size_t length);
} // namespace korvan::text

// Optional blanks, an optional sign, then decimal digits or a hexadecimal
// number after "$" or "0x"; the result must fit 32 bits (StrToInt) or 64
// bits (StrToInt64). Anything else raises EConvertError
// "'<text>' is not a valid integer value".
int StrToInt(std::string_view text);
std::int64_t StrToInt64(std::string_view text);
bool TryStrToInt(std::string_view text, int& value);
bool TryStrToInt64(std::string_view text, std::int64_t& value);
int StrToIntDef(std::string_view text, int fallback);
