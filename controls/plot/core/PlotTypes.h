#pragma once
// The enumerations, records and event types that the plot pack's controls
// and plot objects share. Enumerations are stored by ordinal (the first
// member is 0): form data names the member, property-line files hold the
// number.

#include "platform/forms/ControlTypes.h"

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

class TObject;
class TCanvas;
struct TClassInfo;

enum TiOrientation { ioVertical, ioHorizontal };
enum TiOrientationSide { iosBottomRight, iosTopLeft };
enum TiFillDirection {
    ifdTopBottom,
    ifdBottomTop,
    ifdLeftRight,
    ifdRightLeft,
    ifdTopLeftBottomRight,
    ifdBottomRightTopLeft,
    ifdBottomLeftTopRight,
    ifdTopRightBottomLeft,
    ifdRectangleOut,
    ifdRectangleIn,
    ifdCircleOut,
    ifdCircleIn
};
enum TiPlotMarkerStyle {
    ipmsCircle,
    ipmsSquare,
    ipmsDiamond,
    ipmsCross,
    ipmsPlus,
    ipmsTriangleUp,
    ipmsTriangleDown,
    ipmsTriangleLeft,
    ipmsTriangleRight,
    ipmsVerticalLine,
    ipmsHorizontalLine,
    ipmsCharacter
};
enum TiPlotLineStyle { iplsSolid, iplsDash, iplsDot, iplsDashDot, iplsDashDotDot };
enum TiPlotExportFormat { ipefMetaFile, ipefBitmap, ipefJPEG };
enum TiRotationAngle { ira000, ira090, ira180, ira270 };
enum TiBevelStyle { ibsNone, ibsRaised, ibsLowered };
enum TiAlignmentVertical { iavCenter, iavTop, iavBottom };
enum TiAlignmentHorizontal { iahCenter, iahLeft, iahRight };
enum TiPrecisionStyle { ipsSignificantDigits, ipsFixedDecimalPoints };

namespace korvan::plot {

// Member names in ordinal order, for publishing the enumerations above.
inline const std::vector<std::string>& OrientationNames() {
    static const std::vector<std::string> names{"ioVertical", "ioHorizontal"};
    return names;
}
inline const std::vector<std::string>& OrientationSideNames() {
    static const std::vector<std::string> names{"iosBottomRight", "iosTopLeft"};
    return names;
}
inline const std::vector<std::string>& FillDirectionNames() {
    static const std::vector<std::string> names{
        "ifdTopBottom",          "ifdBottomTop",          "ifdLeftRight",          "ifdRightLeft",
        "ifdTopLeftBottomRight", "ifdBottomRightTopLeft", "ifdBottomLeftTopRight", "ifdTopRightBottomLeft",
        "ifdRectangleOut",       "ifdRectangleIn",        "ifdCircleOut",          "ifdCircleIn"};
    return names;
}
inline const std::vector<std::string>& MarkerStyleNames() {
    static const std::vector<std::string> names{"ipmsCircle",       "ipmsSquare",         "ipmsDiamond",
                                                "ipmsCross",        "ipmsPlus",           "ipmsTriangleUp",
                                                "ipmsTriangleDown", "ipmsTriangleLeft",   "ipmsTriangleRight",
                                                "ipmsVerticalLine", "ipmsHorizontalLine", "ipmsCharacter"};
    return names;
}
inline const std::vector<std::string>& LineStyleNames() {
    static const std::vector<std::string> names{"iplsSolid", "iplsDash", "iplsDot", "iplsDashDot",
                                                "iplsDashDotDot"};
    return names;
}
inline const std::vector<std::string>& ExportFormatNames() {
    static const std::vector<std::string> names{"ipefMetaFile", "ipefBitmap", "ipefJPEG"};
    return names;
}
inline const std::vector<std::string>& RotationAngleNames() {
    static const std::vector<std::string> names{"ira000", "ira090", "ira180", "ira270"};
    return names;
}
inline const std::vector<std::string>& BevelStyleNames() {
    static const std::vector<std::string> names{"ibsNone", "ibsRaised", "ibsLowered"};
    return names;
}
inline const std::vector<std::string>& AlignmentVerticalNames() {
    static const std::vector<std::string> names{"iavCenter", "iavTop", "iavBottom"};
    return names;
}
inline const std::vector<std::string>& AlignmentHorizontalNames() {
    static const std::vector<std::string> names{"iahCenter", "iahLeft", "iahRight"};
    return names;
}
inline const std::vector<std::string>& PrecisionStyleNames() {
    static const std::vector<std::string> names{"ipsSignificantDigits", "ipsFixedDecimalPoints"};
    return names;
}

} // namespace korvan::plot

// What a plot object reads of a routed mouse event. The base routing fills
// the positions and the double-click flag; the screen position, shift state
// and button stay zero there (handlers read the object's own shift state).
struct TiPlotMouseData {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int32_t ScreenX = 0;
    std::int32_t ScreenY = 0;
    // The coordinate along the X axis and along the Y axis: X and Y, or
    // exchanged when the plot shows its X axis vertically.
    std::int32_t XAxisPixels = 0;
    std::int32_t YAxisPixels = 0;
    TShiftState Shift = 0;
    TMouseButton Button = mbLeft;
    bool DblClickActive = false;
};

// A hint a plot object asks for while the mouse hovers over it.
struct TiHintData {
    std::string Text;
    std::int32_t Top = 0;
    std::int32_t Left = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    bool Visible = false;
};

// A value delivered by an OPC item (empty, Boolean, integer, float or text).
using TiOPCValue = std::variant<std::monostate, bool, std::int64_t, double, std::string>;

using TiPaintEvent = std::function<void(TObject* sender, TCanvas& canvas)>;
using TChangePropertyEvent = std::function<void(TObject* sender, const std::string& propName)>;
using TRequestEditEvent = std::function<void(TObject* sender, const std::string& propName, bool& canEdit)>;
using TGetDesigningEvent = std::function<void(TObject* sender, bool& designing)>;
using TIndexObjectEvent = std::function<void(std::int32_t index)>;
using TBeforeOPCNewDataEvent = std::function<void(std::int32_t index, TiOPCValue& data)>;

// The class the channel manager creates channels of (a channel class's
// registry: its creator makes the channel).
using TiPlotChannelCustomClass = const TClassInfo*;

namespace korvan::plot {

// The mouse record of a routed event at (x, y): the axis coordinates follow
// the plot's XYAxesReversed flag.
inline TiPlotMouseData MakeMouseData(bool xyAxesReversed, std::int32_t x, std::int32_t y,
                                     bool dblClickActive = false) {
    TiPlotMouseData d;
    d.X = x;
    d.Y = y;
    d.XAxisPixels = xyAxesReversed ? y : x;
    d.YAxisPixels = xyAxesReversed ? x : y;
    d.DblClickActive = dblClickActive;
    return d;
}

} // namespace korvan::plot
