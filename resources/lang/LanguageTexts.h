#pragma once
// The language tables as compiled in from resources/lang: the whole text of
// each file, UTF-8, one table line per text line (LF-ended).

#include <string_view>

namespace korvan::lang {

std::string_view EnglishText();
std::string_view SimplifiedText();

} // namespace korvan::lang
