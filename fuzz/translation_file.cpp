// A translation file: the input's lines read into pairs (a line without a
// tab stops the read, the pairs before it stay), then written and read
// again, which must give the same pairs.

#include "controls/plot/objects/TranslationFile.h"
#include "fuzz/FuzzTarget.h"
#include "platform/forms/Strings.h"
#include "platform/text/Exception.h"

#include <string_view>
#include <vector>

namespace {

using Pairs = std::vector<korvan::plot::TiTranslationPair>;

Pairs Read(std::string_view text, bool& complete) {
    TStringList lines;
    lines.SetText(text);
    Pairs pairs;
    complete = true;
    try {
        korvan::plot::ReadTranslationLines(lines.ToVector(),
                                           [&](const auto& pair) { pairs.push_back(pair); });
    } catch (const Exception&) {
        complete = false;
    }
    return pairs;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    bool complete = false;
    const Pairs pairs = Read(std::string_view(reinterpret_cast<const char*>(data), size), complete);
    TStringList written;
    for (const auto& pair : pairs) {
        FuzzCheck(pair.first.find('\t') == std::string::npos);
        written.Add(korvan::plot::TranslationLine(pair));
    }
    bool again = false;
    FuzzCheck(Read(written.Text(), again) == pairs);
    FuzzCheck(again);
    return 0;
}
