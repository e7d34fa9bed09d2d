#include "controls/plot/core/PackNumbers.h"

#include "platform/text/Exception.h"
#include "platform/text/Rounding.h"

#include <cmath>
#include <limits>

namespace korvan::plot {

namespace {

std::int32_t WholeUnits(TDateTime t, std::int64_t perDay, std::int64_t perHour, std::int64_t perMinute,
                        std::int64_t perSecond, double perMillisecond, std::int32_t overflow) {
    if (!std::isfinite(t) || std::fabs(t) > 1e9)
        return overflow;
    const std::int64_t days = Trunc(t + 1e-15);
    int hour = 0, minute = 0, second = 0, msec = 0;
    DecodeTime(t, hour, minute, second, msec);
    const std::int64_t value = days * perDay + hour * perHour + minute * perMinute + second * perSecond +
                               std::int64_t(msec * perMillisecond);
    if (value < 0 || value > std::numeric_limits<std::int32_t>::max())
        return overflow;
    return std::int32_t(value);
}

struct PaperSize {
    int code;
    double width;
    double height;
    bool millimetres;
};

// The printer device mode's paper sizes, width first.
constexpr PaperSize kPaperSizes[] = {
    {3, 11, 17, false},        {4, 17, 11, false},      {5, 8.5, 14, false},      {6, 5.5, 8.5, false},
    {7, 7.25, 10.5, false},    {8, 297, 420, true},     {9, 210, 297, true},      {10, 210, 297, true},
    {11, 148, 210, true},      {12, 250, 354, true},    {13, 182, 257, true},     {14, 8.5, 13, false},
    {15, 215, 275, true},      {16, 10, 14, false},     {17, 11, 17, false},      {18, 8.5, 11, false},
    {19, 3.875, 8.875, false}, {20, 4.125, 9.5, false}, {21, 4.5, 10.375, false}, {22, 4.75, 11, false},
    {23, 5, 11.5, false},      {24, 17, 22, false},     {25, 22, 34, false},      {26, 34, 44, false},
    {27, 110, 220, true},      {28, 162, 229, true},    {29, 324, 458, true},     {30, 229, 324, true},
    {31, 114, 162, true},      {32, 114, 229, true},    {33, 250, 353, true},     {34, 176, 250, true},
    {35, 176, 125, true},      {36, 110, 230, true},    {37, 3.875, 7.5, false},  {38, 3.625, 6.5, false},
    {39, 14.875, 11, false},   {40, 8.5, 12, false},    {41, 8.5, 13, false},     {42, 250, 353, true},
    {43, 100, 148, true},      {44, 9, 11, false},      {45, 10, 11, false},      {46, 15, 11, false},
    {47, 220, 220, true},      {50, 9.5, 12, false},    {51, 9.5, 15, false},     {52, 11.69, 18, false},
    {53, 9.27, 12.69, false},  {54, 8.5, 11, false},    {55, 210, 297, true},     {56, 9.5, 12, false},
    {57, 227, 356, true},      {58, 305, 487, true},    {59, 8.5, 12.69, false},  {60, 210, 330, true},
    {61, 148, 210, true},      {62, 182, 257, true},    {63, 322, 445, true},     {64, 174, 235, true},
    {65, 201, 276, true},      {66, 420, 594, true},    {67, 297, 420, true},     {68, 322, 445, true},
};

} // namespace

int DecimalPlacesFor(int precision, TiPrecisionStyle style, double a, double b) {
    if (style == ipsFixedDecimalPoints)
        return precision;
    if (style != ipsSignificantDigits || precision <= 0)
        return 0;
    const double span = std::fabs(b - a);
    if (!std::isfinite(span))
        return 0;
    std::int64_t places = span == 0 ? 0 : precision - (Trunc(std::log10(span)) + 1);
    if (span < 1)
        ++places;
    return places < 0 ? 0 : int(std::min<std::int64_t>(places, std::numeric_limits<int>::max()));
}

std::int32_t DateTimeToMilliseconds(TDateTime t) {
    return WholeUnits(t, 86400000, 3600000, 60000, 1000, 1, 2147483647);
}

std::int32_t DateTimeToSeconds(TDateTime t) {
    return WholeUnits(t, 86400, 3600, 60, 1, 0.001, 2147483647);
}

std::int32_t DateTimeToMinutes(TDateTime t) {
    return WholeUnits(t, 1440, 60, 1, 0, 0, 10000);
}

std::int32_t DateTimeToHours(TDateTime t) {
    return WholeUnits(t, 24, 1, 0, 0, 0, 2147483647);
}

void PaperSizeOf(int code, double& width, double& height) {
    width = 8.5;
    height = 11;
    for (const PaperSize& p : kPaperSizes)
        if (p.code == code) {
            width = p.millimetres ? MillimetersToInches(p.width) : p.width;
            height = p.millimetres ? MillimetersToInches(p.height) : p.height;
            return;
        }
}

void GetPrinterPageSize(IPrinterSettings& printer, double& width, double& height) {
    std::optional<TPrinterPaper> mode = printer.ReadDeviceMode();
    if (!mode) {
        printer.Reselect();
        mode = printer.ReadDeviceMode();
    }
    if (!mode)
        throw Exception("Could not initialize printer DeviceMode Structure");
    PaperSizeOf(mode->PaperSize, width, height);
    if (mode->Landscape)
        std::swap(width, height);
}

} // namespace korvan::plot
