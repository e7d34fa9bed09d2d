#pragma once
// Conversions between the UTF-8 text the system uses and UTF-16 text (HID
// device strings, UTF-16 settings files). Malformed input becomes U+FFFD.

#include <string>
#include <string_view>

namespace korvan::sys {

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

} // namespace korvan::sys
