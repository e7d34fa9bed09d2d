#pragma once
// Conversions between the UTF-8 text the system hands out and the UTF-16
// text of HID device strings. Malformed input becomes U+FFFD.

#include <string>
#include <string_view>

namespace korvan::sys::hid {

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

} // namespace korvan::sys::hid
