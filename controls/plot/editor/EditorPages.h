#pragma once
// The object pages of the plot editor, one description per kind, in the
// files that fill them: EditorChannelPages.cpp (channels, cursors, limits,
// labels), EditorAxisPages.cpp (X and Y axes) and EditorViewPages.cpp
// (legends, tables, toolbars, data views).

#include "controls/plot/editor/EditorPageRows.h"

namespace korvan::plot::editor {

KindPage ChannelPage();
KindPage DataCursorPage();
KindPage LimitPage();
KindPage LabelPage();
KindPage XAxisPage();
KindPage YAxisPage();
KindPage LegendPage();
KindPage TablePage();
KindPage ToolBarPage();
KindPage DataViewPage();

} // namespace korvan::plot::editor
