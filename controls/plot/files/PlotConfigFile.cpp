#include "controls/plot/files/PlotConfigFile.h"

#include "controls/plot/core/PropertyLines.h"
#include "controls/plot/master/PlotKinds.h"
#include "platform/forms/Strings.h"
#include "platform/text/Exception.h"
#include "platform/text/IntText.h"
#include "platform/text/StrUtils.h"

#include <string>

namespace korvan::plot {

namespace {

std::optional<int> TakeInt(const char* key, TStringList& lines) {
    std::string value;
    if (!ExtractNamedValue(key, value, lines))
        return std::nullopt;
    return StrToInt(value);
}

int Bounded(int count, const TStringList& lines) {
    if (count < 0 || count > lines.Count())
        throw Exception("Invalid object count");
    return count;
}

} // namespace

const std::array<PlotConfigKind, kPlotConfigKindCount>& PlotConfigKinds() {
    static constexpr std::array<PlotConfigKind, kPlotConfigKindCount> kinds{{
        {kind::Channel, "Channel", "ChannelCount"},
        {kind::XAxis, "XAxis", "XAxisCount"},
        {kind::YAxis, "YAxis", "YAxisCount"},
        {kind::ToolBar, "ToolBar", "ToolBarCount"},
        {kind::Legend, "Legend", "LegendCount"},
        {kind::Table, "Table", "TableCount"},
        {kind::Label, "Label", "LabelCount"},
        {kind::DataView, "DataView", "DataViewCount"},
        {kind::DataCursor, "DataCursor", "DataCursorCount"},
        {kind::Limit, "Limit", "LimitCount"},
    }};
    return kinds;
}

PlotConfigHeader TakePlotConfigHeader(TStringList& lines) {
    std::string fileType;
    if (!ExtractNamedValue("File Type", fileType, lines) || !SameText(fileType, kPlotConfigFileType))
        throw Exception("Incompatible Plot Configuration File Type");
    PlotConfigHeader header;
    for (std::size_t k = 0; k < kPlotConfigKindCount; ++k)
        header.counts[k] = TakeInt(PlotConfigKinds()[k].count, lines).value_or(0);
    header.dataViewZHorz = TakeInt("DataViewZHorz", lines);
    header.dataViewZVert = TakeInt("DataViewZVert", lines);
    for (int& count : header.counts)
        count = Bounded(count, lines);
    return header;
}

std::optional<int> TakeAnnotationCount(TStringList& lines) {
    const std::optional<int> count = TakeInt("AnnotationCount", lines);
    if (count)
        return Bounded(*count, lines);
    return count;
}

} // namespace korvan::plot
