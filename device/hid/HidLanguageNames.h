#pragma once
// Names of the languages a USB device lists its strings in, by language ID.

#include <cstdint>
#include <string>

namespace korvan::hid {

// The language's name, or "unknown Locale ID $xxxx" for an ID we have no
// name for.
std::u16string LanguageName(std::uint16_t languageId);

} // namespace korvan::hid
