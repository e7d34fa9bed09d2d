#pragma once
// The head of a plot configuration file ("Plot Config"): its file type,
// the object count of each kind and the data view's two rows, taken out of
// the lines so that only the objects' sections and the plot's own lines
// stay. Also the count line of an annotation file.

#include <array>
#include <optional>
#include <string_view>

class TStringList;

namespace korvan::plot {

// The object kinds of the file, in the order of their counts and sections.
struct PlotConfigKind {
    std::string_view kind; // the kind manager's base name
    const char* section;   // "Channel" for sections "Channel0", "Channel1", ...
    const char* count;     // "ChannelCount"
};
inline constexpr std::size_t kPlotConfigKindCount = 10;
const std::array<PlotConfigKind, kPlotConfigKindCount>& PlotConfigKinds();

inline constexpr const char* kPlotConfigFileType = "Plot Config";

struct PlotConfigHeader {
    std::array<int, kPlotConfigKindCount> counts{};
    std::optional<int> dataViewZHorz, dataViewZVert;
};

// Raises "Incompatible Plot Configuration File Type" for a missing or other
// file type. A count that is no number raises EConvertError; one below 0 or
// above the lines left (every object writes at least its name) raises
// "Invalid object count", so a damaged file never makes millions of objects.
PlotConfigHeader TakePlotConfigHeader(TStringList& lines);

// "AnnotationCount", bounded the same way; none when the line is missing.
std::optional<int> TakeAnnotationCount(TStringList& lines);

} // namespace korvan::plot
