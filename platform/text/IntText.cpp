#include "platform/text/IntText.h"

#include "platform/text/Exception.h"

#include <limits>

std::string IntToStr(std::int64_t value) {
    return std::to_string(value);
}

std::string IntToHex(std::uint64_t value, int digits) {
    static const char hex[] = "0123456789ABCDEF";
    std::string s;
    do {
        s.insert(s.begin(), hex[value & 15]);
        value >>= 4;
    } while (value != 0);
    if (int(s.size()) < digits)
        s.insert(0, size_t(digits) - s.size(), '0');
    return s;
}

std::string korvan::text::HexList(const std::uint8_t* bytes, std::size_t length) {
    std::string text;
    text.reserve(3 * length);
    for (std::size_t i = 0; i < length; ++i)
        text += IntToHex(bytes[i], 2) + ' ';
    return text;
}

bool TryStrToInt64(std::string_view text, std::int64_t& value) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int base = 10;
    if (i < n && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == n)
        return false;
    // Accumulate the magnitude as unsigned; the range test below allows
    // the most negative value.
    std::uint64_t magnitude = 0;
    const std::uint64_t limit = std::uint64_t(std::numeric_limits<std::int64_t>::max()) + (negative ? 1 : 0);
    for (; i < n; ++i) {
        const char c = text[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        if (magnitude > (limit - std::uint64_t(digit)) / std::uint64_t(base))
            return false;
        magnitude = magnitude * std::uint64_t(base) + std::uint64_t(digit);
    }
    value = negative ? std::int64_t(0 - magnitude) : std::int64_t(magnitude);
    return true;
}

bool TryStrToInt(std::string_view text, int& value) {
    std::int64_t v = 0;
    if (!TryStrToInt64(text, v) || v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return false;
    value = int(v);
    return true;
}

int StrToInt(std::string_view text) {
    int v = 0;
    if (!TryStrToInt(text, v))
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    return v;
}

std::int64_t StrToInt64(std::string_view text) {
    std::int64_t v = 0;
    if (!TryStrToInt64(text, v))
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    return v;
}

int StrToIntDef(std::string_view text, int fallback) {
    int v = 0;
    return TryStrToInt(text, v) ? v : fallback;
}
