#pragma once
// The file and log commands of the plot editor: the general page's file
// pickers and log buttons act on the plot (the channel page binds its own).

class TiPlotEditorForm;

namespace korvan::plot::editor {

// Binds the general page's file pickers and log buttons.
void BindPlotFileCommands(TiPlotEditorForm& form);

} // namespace korvan::plot::editor
