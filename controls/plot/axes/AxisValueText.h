#pragma once
// Values of an axis as text: tick labels, data cursor and legend texts.

#include "controls/plot/axes/AxisTypes.h"
#include "controls/plot/core/PlotTypes.h"

#include <string>

namespace korvan::plot {

struct TiValueTextFormat {
    TiPlotTextFormat Style = iptfValue;
    // Date-time pattern ("hh:nn:ss"); a leading "J" or "j" puts the whole
    // day count before the rest.
    std::string DateTimeFormat;
    TiPrecisionStyle PrecisionStyle = ipsSignificantDigits;
    int Precision = 3;
};

// The text of value on an axis of `span` and `scale`. Returns false when the
// text is final at once ("Unknown" for a value not above 0 on a log10
// axis), true when the caller may still customise it. A text that cannot be
// made (a bad pattern, a date beyond the calendar) reads "Error"; a style
// or scale outside the enumerations "Unknown".
bool FormatValueText(const TiValueTextFormat& format, double value, double span, TiPlotScaleType scale,
                     std::string& text);

// Every CR LF pair, then every single CR, replaced by one blank: data
// cursors and legends show one line.
std::string JoinTextLines(std::string text);

} // namespace korvan::plot
