#pragma once
// The enumerations a plot's channels share with the data cursors, the
// legend and the editor pages, with their member names for publishing.

#include <string>
#include <vector>

// Which coordinates a user's drag of a data point changes.
enum TiPlotChannelDataPointMoveStyle { ipcdpmsXandY, ipcdpmsXOnly, ipcdpmsYOnly };
// What a data cursor reads off a channel.
enum TiPlotDataCursorStyle { ipcsValueXY, ipcsValueX, ipcsValueY, ipcsDeltaX, ipcsDeltaY, ipcsInverseDeltaX };
// What a channel holds at a cursor's place.
enum TiPlotDataPointStatus { ipdpsValid, ipdpsNull, ipdpsEmpty };
// How a strip-chart channel joins its points.
enum TiPlotInterpolationStyle {
    ipistStraightLine,
    ipistCubicSpline,
    ipistPolynomial,
    ipistRational,
    ipistDifferential,
    ipistDifferentialTerminated
};
// Digital levels as percentages of the data view's height, or as values of
// the Y axis.
enum TiPlotDigitalReferenceStyle { ipdrPercent, ipdrScale };
enum TiPlotHighLowStyle { iphlsOpenClose, iphlsCandleStick };
// Where the X of a strip-chart channel's OPC value comes from.
enum TiOPCXValueSourceStyle {
    iopcxvsOPCServerTimeStamp,
    iopcxvsSystemTimeStamp,
    iopcxvsElapsedTime,
    iopcxvsElapsedSeconds,
    iopcxvsOPCItem
};

namespace korvan::plot {

inline const std::vector<std::string>& DataPointMoveStyleNames() {
    static const std::vector<std::string> names{"ipcdpmsXandY", "ipcdpmsXOnly", "ipcdpmsYOnly"};
    return names;
}
inline const std::vector<std::string>& DataStyleNames() {
    static const std::vector<std::string> names{"ipdsStandard", "ipdsCompact", "ipdsCompactInterval",
                                                "ipdsFullFeature"};
    return names;
}
inline const std::vector<std::string>& InterpolationStyleNames() {
    static const std::vector<std::string> names{"ipistStraightLine", "ipistCubicSpline",
                                                "ipistPolynomial",   "ipistRational",
                                                "ipistDifferential", "ipistDifferentialTerminated"};
    return names;
}
inline const std::vector<std::string>& DigitalReferenceStyleNames() {
    static const std::vector<std::string> names{"ipdrPercent", "ipdrScale"};
    return names;
}
inline const std::vector<std::string>& HighLowStyleNames() {
    static const std::vector<std::string> names{"iphlsOpenClose", "iphlsCandleStick"};
    return names;
}
inline const std::vector<std::string>& OPCXValueSourceNames() {
    static const std::vector<std::string> names{"iopcxvsOPCServerTimeStamp", "iopcxvsSystemTimeStamp",
                                                "iopcxvsElapsedTime", "iopcxvsElapsedSeconds",
                                                "iopcxvsOPCItem"};
    return names;
}

} // namespace korvan::plot
