#pragma once
// The file and log commands of the plot editor: the general page's file
// pickers and log buttons act on the plot, the channel page's on the
// selected channel.

class TiPlotEditorForm;

namespace korvan::plot::editor {

class PageContext;

// Binds the general page's file pickers and log buttons.
void BindPlotFileCommands(TiPlotEditorForm& form);
// Binds those of the channel page that exist: ChannelPropertiesSavePicker,
// ChannelPropertiesOpenPicker, ChannelDataSavePicker, ChannelDataOpenPicker,
// ChannelLogFileNamePicker, ChannelLogActivateButton and
// ChannelLogDeactivateButton. For the channel page's afterBuild hook.
void BindChannelFileCommands(PageContext& page);

} // namespace korvan::plot::editor
