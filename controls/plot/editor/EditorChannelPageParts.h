#pragma once
// The parts of the channel page that do more than load and write a
// property: the file pickers and log buttons acting on the selected
// channel (EditorChannelFiles.cpp) and the statistics read from it on
// request (EditorChannelStats.cpp). Each part gives its rows to the page
// table and the behaviour its hooks call.

#include "controls/plot/editor/EditorPageRows.h"

#include <vector>

class TiPlotChannelCustom;

namespace korvan::plot::editor {

// The sub-page "FileIO" (captioned "File I/O"): the log group (file name,
// picker, buffer size, Activate, Deactivate), the channel's properties and
// its data, each loaded and saved through a file picker.
std::vector<PageRow> ChannelFileRows();
// Makes the pickers and buttons act on the page's selected channel.
void BindChannelFileAndLogCommands(PageContext& page);
// While the channel logs, its log file can not be changed and only
// Deactivate is offered; otherwise only Activate.
void ShowChannelLogState(PageContext& page, const TiPlotChannelCustom& channel);

// The sub-page "Stats": the Refresh button and the eleven value labels.
std::vector<PageRow> ChannelStatsRows();
// Every value label reads "Click Refresh" for a selected channel, nothing
// without one.
void ResetChannelStats(PageContext& page, bool channelSelected);
// The values of the channel, or the reset without one.
void RefreshChannelStats(PageContext& page, TiPlotChannelCustom* channel);

} // namespace korvan::plot::editor
