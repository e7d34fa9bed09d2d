#pragma once
// The enumerations of the plot axes, their member names for publishing, and
// one tick of an axis' tick list.

#include <cstdint>
#include <string>
#include <vector>

// The side of the data view an axis stands on, worked out at every layout.
enum TiQuadSide { iqsLeft, iqsTop, iqsRight, iqsBottom };
enum TiPlotTickType { ipttMajor, ipttMinor };
enum TiPlotScaleType { ipstLinear, ipstLog10 };
// How a value becomes text.
enum TiPlotTextFormat { iptfValue, iptfExponent, iptfPrefix, iptfDateTime, iptfPrice32nds, iptfThousands };
// At the data view edge, or drawn through the data view (master: through its
// middle; child: at a value of a reference axis).
enum TiPlotCartesianStyle { ipcsNone, ipcsMaster, ipcsChild };
enum TiPlotGridLineStyle { ipglsSolid, ipglsDash, ipglsDot };
// What a drag, the wheel and the keys do to an axis.
enum TiPlotAxisMode { ipamScroll, ipamZoom };
enum TiPlotTrackingStyle {
    iptsScaleMinMax,
    iptsScaleMax,
    iptsScaleMin,
    iptsScrollSmooth,
    iptsScrollPage,
    iptsExpandCollapse,
    iptsExpandCollapseFast,
    iptsExpandMinMax
};
enum TiPlotTrackingIncrementStyle { iptisMinimum, iptisMajor, iptisMinor };
enum TiPlotAlignFirstStyle { ipafsMin, ipafsMax, ipafsAuto, ipafsNone };

// One tick. PositionPixels and Show are refreshed at every paint.
struct TiPlotTickObject {
    TiPlotTickType TickType = ipttMajor;
    double Position = 0;
    std::int32_t PositionPixels = 0;
    std::string Text;
    bool Show = false;
};

namespace korvan::plot {

inline const std::vector<std::string>& ScaleTypeNames() {
    static const std::vector<std::string> names{"ipstLinear", "ipstLog10"};
    return names;
}
inline const std::vector<std::string>& TextFormatNames() {
    static const std::vector<std::string> names{"iptfValue",    "iptfExponent",   "iptfPrefix",
                                                "iptfDateTime", "iptfPrice32nds", "iptfThousands"};
    return names;
}
inline const std::vector<std::string>& CartesianStyleNames() {
    static const std::vector<std::string> names{"ipcsNone", "ipcsMaster", "ipcsChild"};
    return names;
}
inline const std::vector<std::string>& TrackingStyleNames() {
    static const std::vector<std::string> names{
        "iptsScaleMinMax", "iptsScaleMax",       "iptsScaleMin",           "iptsScrollSmooth",
        "iptsScrollPage",  "iptsExpandCollapse", "iptsExpandCollapseFast", "iptsExpandMinMax"};
    return names;
}
inline const std::vector<std::string>& TrackingIncrementStyleNames() {
    static const std::vector<std::string> names{"iptisMinimum", "iptisMajor", "iptisMinor"};
    return names;
}
inline const std::vector<std::string>& AlignFirstStyleNames() {
    static const std::vector<std::string> names{"ipafsMin", "ipafsMax", "ipafsAuto", "ipafsNone"};
    return names;
}

} // namespace korvan::plot
