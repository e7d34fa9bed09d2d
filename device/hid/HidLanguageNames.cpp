#include "device/hid/HidLanguageNames.h"

#include "platform/sys/Utf16Text.h"

#include <cstdio>

namespace korvan::hid {
namespace {

struct Language {
    std::uint16_t id;
    const char* name;
};

// The languages USB devices list in practice.
constexpr Language kLanguages[] = {
    {0x0404, "Chinese (Traditional, Taiwan)"},
    {0x0405, "Czech (Czech Republic)"},
    {0x0406, "Danish (Denmark)"},
    {0x0407, "German (Germany)"},
    {0x0408, "Greek (Greece)"},
    {0x0409, "English (United States)"},
    {0x040A, "Spanish (Spain, Traditional Sort)"},
    {0x040B, "Finnish (Finland)"},
    {0x040C, "French (France)"},
    {0x040E, "Hungarian (Hungary)"},
    {0x0410, "Italian (Italy)"},
    {0x0411, "Japanese (Japan)"},
    {0x0412, "Korean (Korea)"},
    {0x0413, "Dutch (Netherlands)"},
    {0x0414, "Norwegian, Bokmal (Norway)"},
    {0x0415, "Polish (Poland)"},
    {0x0416, "Portuguese (Brazil)"},
    {0x0419, "Russian (Russia)"},
    {0x041D, "Swedish (Sweden)"},
    {0x041F, "Turkish (Turkey)"},
    {0x0804, "Chinese (Simplified, PRC)"},
    {0x0807, "German (Switzerland)"},
    {0x0809, "English (United Kingdom)"},
    {0x0816, "Portuguese (Portugal)"},
    {0x0C0A, "Spanish (Spain, International Sort)"},
};

} // namespace

std::u16string LanguageName(std::uint16_t languageId) {
    for (const Language& l : kLanguages)
        if (l.id == languageId)
            return sys::Utf8ToUtf16(l.name);
    char text[32];
    std::snprintf(text, sizeof text, "unknown Locale ID $%.4x", languageId);
    return sys::Utf8ToUtf16(text);
}

} // namespace korvan::hid
