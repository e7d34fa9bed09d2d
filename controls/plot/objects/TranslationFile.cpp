#include "controls/plot/objects/TranslationFile.h"

#include "platform/text/Exception.h"

namespace korvan::plot {

TiTranslationPair ParseTranslationLine(const std::string& line) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos)
        throw Exception("Invalid Format - Tab Deliminator Missing");
    return {line.substr(0, tab), line.substr(tab + 1)};
}

std::string TranslationLine(const TiTranslationPair& pair) {
    return pair.first + "\t" + pair.second;
}

} // namespace korvan::plot
