// The statistics of the selected channel: read only when the user asks,
// since recalculating the running values walks every point.

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/channels/PlotChannelCustom.h"
#include "controls/plot/editor/EditorChannelPageParts.h"
#include "controls/plot/editor/EditorPickers.h"
#include "platform/forms/StdCtrls.h"
#include "platform/text/FloatText.h"
#include "platform/text/IntText.h"

#include <array>
#include <string>

namespace korvan::plot::editor {

namespace {

struct StatLabel {
    std::string_view name;
    std::string_view caption;
};

constexpr std::array<StatLabel, 11> kStats{{
    {"ChannelStatsPointCountDisplay", "Point Count ="},
    {"ChannelStatsPointCapacityDisplay", "Point Capacity ="},
    {"ChannelStatsMemoryDisplay", "Memory Used ="},
    {"ChannelStatsDataPointSizeDisplay", "Data Point Size ="},
    {"ChannelStatsMaxDataPointsDisplay", "Max Data Points ="},
    {"ChannelStatsXMinDisplay", "X-Min ="},
    {"ChannelStatsXMaxDisplay", "X-Max ="},
    {"ChannelStatsXMeanDisplay", "X-Mean ="},
    {"ChannelStatsYMinDisplay", "Y-Min ="},
    {"ChannelStatsYMaxDisplay", "Y-Max ="},
    {"ChannelStatsYMeanDisplay", "Y-Mean ="},
}};

void Show(PageContext& page, size_t stat, const std::string& text) {
    if (auto* label = page.Find<TLabel>(kStats[stat].name))
        label->SetText(text);
}

// As the axis writes its labels, or plain when the channel has no axis.
std::string AxisText(TiPlotAxis* axis, double value) {
    return axis ? axis->GetLabelText(value) : FloatToStr(value);
}

} // namespace

std::vector<PageRow> ChannelStatsRows() {
    constexpr std::string_view place = "Stats";
    std::vector<PageRow> rows{Button("ChannelStatsRefreshButton", "Refresh", place)};
    for (const StatLabel& stat : kStats)
        rows.push_back(Display(stat.name, stat.caption, place));
    return rows;
}

void ResetChannelStats(PageContext& page, bool channelSelected) {
    for (size_t i = 0; i < kStats.size(); ++i)
        Show(page, i, channelSelected ? "Click Refresh" : "");
}

void RefreshChannelStats(PageContext& page, TiPlotChannelCustom* channel) {
    if (!channel) {
        ResetChannelStats(page, false);
        return;
    }
    channel->ReCalcRunningMinMaxMean();
    TiPlotAxis* x = channel->XAxis();
    TiPlotAxis* y = channel->YAxis();
    const std::array<std::string, kStats.size()> texts{
        IntToStr(channel->Count()),
        IntToStr(channel->Capacity()),
        IntToStr(channel->MemoryUsed()) + " Bytes",
        IntToStr(channel->DataPointSize()) + " Bytes",
        IntToStr(channel->MaxDataPoints()),
        AxisText(x, channel->RunningXMin()),
        AxisText(x, channel->RunningXMax()),
        AxisText(x, channel->RunningXMean()),
        AxisText(y, channel->RunningYMin()),
        AxisText(y, channel->RunningYMax()),
        AxisText(y, channel->RunningYMean()),
    };
    for (size_t i = 0; i < texts.size(); ++i)
        Show(page, i, texts[i]);
}

} // namespace korvan::plot::editor
