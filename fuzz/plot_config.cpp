// A plot configuration file's head and an annotation file's count line:
// whatever the lines, the counts taken are never negative and never more
// than the lines left, and a failure is one of the framework's exceptions.

#include "controls/plot/files/PlotConfigFile.h"
#include "fuzz/FuzzTarget.h"
#include "platform/forms/Strings.h"
#include "platform/text/Exception.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        TStringList lines;
        lines.SetText(text);
        const korvan::plot::PlotConfigHeader header = korvan::plot::TakePlotConfigHeader(lines);
        for (int count : header.counts)
            FuzzCheck(count >= 0 && count <= lines.Count());
    } catch (const Exception&) {
    }
    try {
        TStringList lines;
        lines.SetText(text);
        if (const auto count = korvan::plot::TakeAnnotationCount(lines))
            FuzzCheck(*count >= 0 && *count <= lines.Count());
    } catch (const Exception&) {
    }
    return 0;
}
