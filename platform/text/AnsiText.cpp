#include "platform/text/AnsiText.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <iconv.h>

namespace korvan::text {

namespace {

constexpr char kNoForm = '?';
constexpr int kNoOverride = -1;
std::atomic<int> g_override{kNoOverride};

// --- UTF-8 -----------------------------------------------------------------

// Reads one character at `at`; returns its code point and advances `at`, or
// returns -1 and advances by one byte when no valid character starts there.
long NextCodePoint(std::string_view s, std::size_t& at) {
    struct Form {
        unsigned char mask, lead; // lead byte & mask == lead
        std::size_t extra;        // continuation bytes
        long minimum;             // smallest code point of the form (no overlong forms)
    };
    static constexpr Form kForms[] = {
        {0x80, 0x00, 0, 0}, {0xE0, 0xC0, 1, 0x80}, {0xF0, 0xE0, 2, 0x800}, {0xF8, 0xF0, 3, 0x10000}};
    const auto lead = static_cast<unsigned char>(s[at]);
    const Form* form = nullptr;
    for (const Form& f : kForms)
        if ((lead & f.mask) == f.lead)
            form = &f;
    if (form == nullptr || at + form->extra >= s.size()) {
        ++at;
        return -1;
    }
    const std::size_t extra = form->extra;
    long cp = lead & static_cast<unsigned char>(~form->mask);
    for (std::size_t i = 1; i <= extra; ++i) {
        const auto b = static_cast<unsigned char>(s[at + i]);
        if ((b & 0xC0) != 0x80) {
            ++at;
            return -1;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < form->minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++at;
        return -1;
    }
    at += extra + 1;
    return cp;
}

void AppendUtf8(std::string& out, long cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// --- Windows-1252 ------------------------------------------------------------

// Bytes 0x80..0x9F. The five bytes the code page leaves free stand for the
// control characters of the same number, so every byte has a character and
// comes back as itself.
constexpr std::array<std::uint16_t, 32> kHigh1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char To1252(long cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHigh1252.size(); ++i)
        if (kHigh1252[i] == cp)
            return static_cast<char>(0x80 + i);
    return kNoForm;
}

long From1252(unsigned char b) {
    return b >= 0x80 && b < 0xA0 ? kHigh1252[b - 0x80] : b;
}

// --- GBK (through the C library's converters) ------------------------------------

// One conversion descriptor, closed with its owner. Invalid when the C
// library has no converter for the pair; then only ASCII passes.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(::iconv_open(to, from)) {}
    ~Converter() {
        if (IsValid())
            ::iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool IsValid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of `in` or nothing; true with the result in `out`.
    bool Convert(std::string_view in, std::string& out) {
        if (!IsValid())
            return false;
        ::iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[16];
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char* dst = buffer;
        std::size_t dstLeft = sizeof buffer;
        if (::iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == static_cast<std::size_t>(-1) || srcLeft != 0)
            return false;
        out.assign(buffer, dst);
        return true;
    }

private:
    iconv_t cd_;
};

std::string ToGbk(std::string_view utf8) {
    Converter converter("GBK", "UTF-8");
    std::string out;
    std::string one;
    for (std::size_t at = 0; at < utf8.size();) {
        const std::size_t start = at;
        const long cp = NextCodePoint(utf8, at);
        if (cp >= 0 && cp < 0x80)
            out += static_cast<char>(cp);
        else if (cp >= 0 && converter.Convert(utf8.substr(start, at - start), one))
            out += one;
        else
            out += kNoForm;
    }
    return out;
}

bool IsGbkLead(unsigned char b) {
    return b >= 0x81 && b <= 0xFE;
}
bool IsGbkTrail(unsigned char b) {
    return b >= 0x40 && b <= 0xFE && b != 0x7F;
}

std::string FromGbk(std::string_view bytes) {
    Converter converter("UTF-8", "GBK");
    std::string out;
    std::string one;
    for (std::size_t at = 0; at < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[at]);
        if (b < 0x80) {
            out += static_cast<char>(b);
            ++at;
        } else if (IsGbkLead(b) && at + 1 < bytes.size() &&
                   IsGbkTrail(static_cast<unsigned char>(bytes[at + 1]))) {
            out += converter.Convert(bytes.substr(at, 2), one) ? one : std::string(1, kNoForm);
            at += 2;
        } else {
            // 0x80 (the euro sign) is GBK's only single byte above ASCII.
            out += converter.Convert(bytes.substr(at, 1), one) ? one : std::string(1, kNoForm);
            ++at;
        }
    }
    return out;
}

bool StartsWithChinese(std::string_view name) {
    return name.size() >= 2 && (name[0] == 'z' || name[0] == 'Z') && (name[1] == 'h' || name[1] == 'H') &&
           (name.size() == 2 || name[2] == '_' || name[2] == '.' || name[2] == '@' || name[2] == '-');
}

} // namespace

AnsiCodePage CodePageOfLocale(std::string_view localeName) {
    return StartsWithChinese(localeName) ? AnsiCodePage::Gbk : AnsiCodePage::Windows1252;
}

AnsiCodePage SystemAnsiCodePage() {
    const int forced = g_override.load();
    if (forced != kNoOverride)
        return static_cast<AnsiCodePage>(forced);
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return CodePageOfLocale(value);
    }
    return AnsiCodePage::Windows1252;
}

ScopedAnsiCodePage::ScopedAnsiCodePage(AnsiCodePage page)
    : previous_(g_override.exchange(static_cast<int>(page))) {}

ScopedAnsiCodePage::~ScopedAnsiCodePage() {
    g_override.store(previous_);
}

std::string ToAnsi(std::string_view utf8, AnsiCodePage page) {
    if (page == AnsiCodePage::Gbk)
        return ToGbk(utf8);
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const long cp = NextCodePoint(utf8, at);
        out += cp < 0 ? kNoForm : To1252(cp);
    }
    return out;
}

std::string FromAnsi(std::string_view bytes, AnsiCodePage page) {
    if (page == AnsiCodePage::Gbk)
        return FromGbk(bytes);
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        AppendUtf8(out, From1252(static_cast<unsigned char>(c)));
    return out;
}

std::string ToAnsiBuffer(std::string_view utf8) {
    return ToAnsi(utf8, SystemAnsiCodePage());
}

std::string FromAnsiBuffer(std::string_view bytes) {
    return FromAnsi(bytes, SystemAnsiCodePage());
}

std::string ToAnsiField(std::string_view utf8, std::size_t width, char pad) {
    std::string field = ToAnsiBuffer(utf8);
    field.resize(width, pad);
    return field;
}

std::string FromAnsiField(std::string_view bytes) {
    return FromAnsiBuffer(bytes.substr(0, bytes.find('\0')));
}

} // namespace korvan::text
