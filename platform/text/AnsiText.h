#pragma once
// Text in the system's 8-bit code page. The unit and the preset and unit
// files hold names and passwords as 8-bit characters of the code page of the
// machine that wrote them, while every control of the editor holds UTF-8.
// These conversions sit between the two: a Chinese locale uses GBK (double
// bytes for the Chinese characters), any other locale Windows-1252. A
// character with no form in the code page becomes '?', and so does a byte
// sequence that stands for no character.

#include <cstddef>
#include <string>
#include <string_view>

namespace korvan::text {

enum class AnsiCodePage { Windows1252, Gbk };

// The code page a locale name gives: GBK for a Chinese one ("zh", "zh_CN.UTF-8",
// "zh_TW"), Windows-1252 for every other one, the empty name included.
AnsiCodePage CodePageOfLocale(std::string_view localeName);

// The system's code page: that of the locale named by LC_ALL, LC_CTYPE or
// LANG (the first that is set and not empty), unless a ScopedAnsiCodePage
// holds another one.
AnsiCodePage SystemAnsiCodePage();

// Makes SystemAnsiCodePage answer `page` while it lives (tests); scopes nest.
class ScopedAnsiCodePage {
public:
    explicit ScopedAnsiCodePage(AnsiCodePage page);
    ~ScopedAnsiCodePage();
    ScopedAnsiCodePage(const ScopedAnsiCodePage&) = delete;
    ScopedAnsiCodePage& operator=(const ScopedAnsiCodePage&) = delete;

private:
    int previous_;
};

// UTF-8 text as bytes of `page`. Invalid UTF-8 counts as characters without
// a form: one '?' for each byte that starts no character.
std::string ToAnsi(std::string_view utf8, AnsiCodePage page);
// Bytes of `page` as UTF-8 text; NUL bytes stay NUL.
std::string FromAnsi(std::string_view bytes, AnsiCodePage page);

// The same in the system's code page.
std::string ToAnsiBuffer(std::string_view utf8);
std::string FromAnsiBuffer(std::string_view bytes);

// A fixed-width name or password field: the text in the system's code page,
// cut to `width` bytes (a double-byte character may be cut in half, as the
// unit's fields are counted in bytes) and padded with `pad` to exactly
// `width` bytes.
std::string ToAnsiField(std::string_view utf8, std::size_t width, char pad);

// The shown form of a field read from the unit or a file: its bytes up to
// the first NUL, through the system's code page.
std::string FromAnsiField(std::string_view bytes);

} // namespace korvan::text
