#pragma once
// Plain-ASCII string helpers with the framework's names and rules: case
// folding and comparison ignore the locale, blanks are characters up to
// and including the space.

#include <string>
#include <string_view>

std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
// Negative, zero or positive like strcmp, ignoring ASCII letter case.
int CompareText(std::string_view a, std::string_view b);
bool SameText(std::string_view a, std::string_view b);
int CompareStr(std::string_view a, std::string_view b);
// Trim removes control characters and blanks (<= ' ') at both ends.
std::string Trim(std::string_view s);
std::string TrimLeft(std::string_view s);
std::string TrimRight(std::string_view s);
// Replaces every occurrence of `from`, optionally ignoring letter case.
std::string StringReplaceAll(std::string_view s, std::string_view from, std::string_view to,
                             bool ignoreCase = false);
// Position (1-based, 0 when absent) of `sub` in `s`, as the framework's Pos.
int Pos(std::string_view sub, std::string_view s);
