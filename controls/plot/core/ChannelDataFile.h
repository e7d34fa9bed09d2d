#pragma once
// A channel's points as a two-column text table: one line per point that
// is not empty, "X<sep>Y" for a valid point and "X<sep>Null" for a null
// one, lines ending in CR LF. Numbers are written in their shortest general
// form (up to 15 significant digits) with "." as the decimal separator
// whatever the column separator, so a comma-separated file stays
// readable; reading takes either decimal separator.

#include "controls/plot/core/PointList.h"

#include <functional>
#include <string>

class TStrings;

namespace korvan::plot {

// Called for every point read: a null point comes with Y 0.
using TiPlotReadPoint = std::function<void(double x, double y, bool null)>;

// A number as data and log files write it.
std::string ChannelValueText(double value);

void WriteChannelData(const TiPlotDataCustomList& list, char separator, TStrings& lines);
// The column separator is a tab when the first line holds one, else a
// comma; it is returned. A line is split at its first separator; a line
// without one, or with nothing before it, is skipped. A part that is no
// number raises EConvertError: the points read before stay read.
char ReadChannelData(const TStrings& lines, const TiPlotReadPoint& add);

// The same through a file; file errors raise the framework's file errors.
void SaveChannelData(const TiPlotDataCustomList& list, char separator, const std::string& fileName);
char LoadChannelData(const std::string& fileName, const TiPlotReadPoint& add);

} // namespace korvan::plot
