#pragma once
// The events a plot raises for the objects of one kind. Each passes the
// object's index in its own manager. Not every kind raises every family:
// PlotComponentEvents.cpp holds which kinds take part in which.

#include "controls/plot/component/PlotComponentTypes.h"

struct TiPlotKindEvents {
    TiPlotObjectMouseEvent OnMouseDown;
    TiPlotObjectMouseMoveEvent OnMouseMove;
    TiPlotObjectMouseEvent OnMouseUp;
    TiPlotObjectEvent OnClick;
    TiPlotObjectEvent OnDblClick;
    TiPlotObjectMouseWheelEvent OnMouseWheel;
    TiPlotObjectEvent OnGotFocus;
    TiPlotObjectEvent OnLostFocus;
    TiPlotObjectEvent OnAdd;
    TiPlotObjectEvent OnRemove;
    TiPlotObjectGetMouseCursorEvent OnGetMouseCursor;
    TiPlotPopupMenuEvent OnPopupMenu;
};
