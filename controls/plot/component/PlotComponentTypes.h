#pragma once
// The plot component's own enumerations and event types, and the
// annotation reference enumerations its annotation defaults use.

#include "controls/plot/core/PlotTypes.h"
#include "controls/plot/objects/ToolBarTypes.h"
#include "platform/forms/ControlTypes.h"
#include "platform/forms/Printer.h"
#include "platform/gfx/Types.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum TiPlotFormStyle { ipfsModal, ipfsStayOnTop };
enum TiPlotDataFileColumnSeparator { ipdfcsTab, ipdfcsComma };
enum TiPlotDataFileFormat { ipdffText, ipdffCompactInterval };
enum TiPlotImageFormatStyle { ipifBitmap, ipifEnhancedMetaFile, ipifJPEG, ipifPNG };
enum TiPlotReferenceType { iprtDataView, iprtChannel, iprtXChannelYDataView, iprtXDataViewYChannel };
enum TiPlotReferenceIndividual { ipriDataView, ipriChannel, ipriAuto };

namespace korvan::plot {
const std::vector<std::string>& FormStyleNames();
const std::vector<std::string>& DataFileColumnSeparatorNames();
const std::vector<std::string>& DataFileFormatNames();
const std::vector<std::string>& ImageFormatStyleNames();
const std::vector<std::string>& ReferenceTypeNames();
const std::vector<std::string>& ReferenceIndividualNames();
const std::vector<std::string>& PrinterOrientationNames();
} // namespace korvan::plot

// Events of plot objects: the object's index in its own manager.
using TiPlotObjectEvent = std::function<void(int index)>;
// Before each printed page; lastPage when the page reaches the end of the
// printed range.
using TiPlotBeforePrintPageEvent = std::function<void(int pageIndex, bool lastPage)>;
using TiPlotObjectMouseEvent =
    std::function<void(int index, TMouseButton button, TShiftState shift, int x, int y)>;
using TiPlotObjectMouseMoveEvent = std::function<void(int index, TShiftState shift, int x, int y)>;
using TiPlotObjectMouseWheelEvent =
    std::function<void(int index, int wheelDelta, TShiftState shift, int x, int y)>;
using TiPlotObjectGetMouseCursorEvent = std::function<void(int index, TCursor& mouseCursor)>;
using TiPlotPopupMenuEvent = std::function<void(int index, bool& cancel, int screenX, int screenY)>;
using TiPlotObjectDoubleValueChangeEvent = std::function<void(int index, double oldValue, double newValue)>;
using TiPlotAxesMinSpanChangeEvent =
    std::function<void(int index, double oldMin, double oldSpan, double newMin, double newSpan)>;
using TiPlotAxesCustomizeLabelEvent = std::function<void(int index, double value, std::string& aLabel)>;
using TiPlotObjectCustomizeTextEvent = std::function<void(int index, std::string& aText)>;
using TiPlotDataPointMouseEvent = std::function<void(int channelIndex, int dataIndex, TMouseButton button,
                                                     TShiftState shift, int x, int y)>;
using TiPlotDataPointMouseMoveEvent =
    std::function<void(int channelIndex, int dataIndex, TShiftState shift, int x, int y)>;
using TiPlotClickDataPointEvent = std::function<void(int channelIndex, int dataIndex)>;
using TiPlotDataPointMovedEvent =
    std::function<void(int channelIndex, int dataIndex, double oldX, double oldY, double newX, double newY)>;
using TiPlotDataPointCustomizeTextEvent =
    std::function<void(int channelIndex, int dataPointIndex, std::string& aText)>;

// Toolbar events: the toolbar's index in the plot's toolbar list and the
// button; the first may cancel the button's action.
using TiPlotBeforeToolBarButtonClickEvent =
    std::function<void(int index, TiPlotToolBarButtonType buttonType, bool& cancel)>;
using TiPlotToolBarButtonClickEvent = std::function<void(int index, TiPlotToolBarButtonType buttonType)>;
// Before a zoom box zooms the axes: the handler may change the box or
// cancel.
using TiPlotBeforeZoomBoxEvent = std::function<void(TRect& zoomRect, bool& cancel)>;
