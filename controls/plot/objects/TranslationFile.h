#pragma once
// The translation file: one line per pair, the text to replace, a tab and
// the replacement (which may hold further tabs), lines ended by CR LF.

#include <string>
#include <utility>
#include <vector>

class TStrings;

namespace korvan::plot {

using TiTranslationPair = std::pair<std::string, std::string>;

// Splits one line at its first tab; a line without a tab (an empty one
// too) raises "Invalid Format - Tab Deliminator Missing".
TiTranslationPair ParseTranslationLine(const std::string& line);
std::string TranslationLine(const TiTranslationPair& pair);

// Every line in order; `add` takes each pair as soon as its line is read,
// so the pairs before a bad line stay taken.
template <class Add> void ReadTranslationLines(const std::vector<std::string>& lines, Add&& add) {
    for (const std::string& line : lines)
        add(ParseTranslationLine(line));
}

} // namespace korvan::plot
