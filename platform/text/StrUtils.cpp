#include "platform/text/StrUtils.h"

namespace {
char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}
char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}
bool Blank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}
} // namespace

std::string UpperCase(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        c = Upper(c);
    return r;
}

std::string LowerCase(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        c = Lower(c);
    return r;
}

int CompareText(std::string_view a, std::string_view b) {
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const unsigned char ca = static_cast<unsigned char>(Upper(a[i]));
        const unsigned char cb = static_cast<unsigned char>(Upper(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && CompareText(a, b) == 0;
}

int CompareStr(std::string_view a, std::string_view b) {
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

std::string TrimLeft(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && Blank(s[i]))
        ++i;
    return std::string(s.substr(i));
}

std::string TrimRight(std::string_view s) {
    size_t n = s.size();
    while (n > 0 && Blank(s[n - 1]))
        --n;
    return std::string(s.substr(0, n));
}

std::string Trim(std::string_view s) {
    return TrimRight(TrimLeft(s));
}

std::string StringReplaceAll(std::string_view s, std::string_view from, std::string_view to,
                             bool ignoreCase) {
    if (from.empty())
        return std::string(s);
    std::string result;
    size_t i = 0;
    while (i < s.size()) {
        const bool match =
            i + from.size() <= s.size() &&
            (ignoreCase ? SameText(s.substr(i, from.size()), from) : s.substr(i, from.size()) == from);
        if (match) {
            result += to;
            i += from.size();
        } else {
            result += s[i++];
        }
    }
    return result;
}

int Pos(std::string_view sub, std::string_view s) {
    if (sub.empty())
        return 0;
    const size_t p = s.find(sub);
    return p == std::string_view::npos ? 0 : int(p) + 1;
}
