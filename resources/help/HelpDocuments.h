#pragma once
// The protocol help as compiled in from resources/help: the English and the
// Chinese document (rich text, ASCII with \u escapes) and the ten packet-table
// pictures (JPEG files), laid out as Rs232HelpLayout.h says.

#include <cstdint>
#include <span>
#include <string_view>

namespace korvan::help {

std::string_view Rs232EnglishDocument();
std::string_view Rs232ChineseDocument();
// The bytes of picture n (1 to 10); empty for any other n.
std::span<const std::uint8_t> Rs232TablePicture(int n);

} // namespace korvan::help
