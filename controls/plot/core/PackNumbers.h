#pragma once
// Numbers of the plot pack: decimal places of axis labels, date-times as
// whole units, and paper sizes of the printer.

#include "controls/plot/core/PlotTypes.h"
#include "platform/text/DateTime.h"

#include <cstdint>
#include <optional>

namespace korvan::plot {

// Decimal places that show precision digits of values between a and b:
// precision itself for fixed decimals; for significant digits precision
// less the digits before the point of |b - a|, one more below 1, never
// negative. Unknown styles give 0.
int DecimalPlacesFor(int precision, TiPrecisionStyle style, double a, double b);

// A date-time (days) as whole milliseconds, seconds, minutes or hours. A
// value beyond 32 bits (or before day 0) gives 2147483647, or 10000 for
// minutes.
std::int32_t DateTimeToMilliseconds(TDateTime t);
std::int32_t DateTimeToSeconds(TDateTime t);
std::int32_t DateTimeToMinutes(TDateTime t);
std::int32_t DateTimeToHours(TDateTime t);

inline double MillimetersToInches(double value) {
    return value / 10 / 2.54;
}

// Width and height in inches of a printer paper-size code (the device
// mode's numbering, 1 letter ... 68 A3 extra transverse); unknown codes are
// letter size.
void PaperSizeOf(int code, double& width, double& height);

// What the printer layer tells of the current printer's page.
struct TPrinterPaper {
    int PaperSize = 0;
    bool Landscape = false;
};
class IPrinterSettings {
public:
    virtual ~IPrinterSettings() = default;
    // The device mode of the current printer, none when it has none.
    virtual std::optional<TPrinterPaper> ReadDeviceMode() = 0;
    // Selects the current printer again (which makes the device mode anew).
    virtual void Reselect() = 0;
};

// The current printer's page in inches, exchanged in landscape. Without a
// device mode after one reselection raises an Exception "Could not
// initialize printer DeviceMode Structure".
void GetPrinterPageSize(IPrinterSettings& printer, double& width, double& height);

} // namespace korvan::plot
