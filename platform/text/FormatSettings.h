#pragma once
// The separators and date-time patterns the text routines use. The program
// runs with fixed English settings, independent of the process locale; a
// test or a file reader may pass other settings explicitly (a comma as the
// decimal separator, for instance).

#include <array>
#include <string>

namespace korvan::text {

struct FormatSettings {
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    char DateSeparator = '/';
    char TimeSeparator = ':';
    std::string ShortDateFormat = "m/d/yyyy";
    std::string LongDateFormat = "dddd, mmmm d, yyyy";
    std::string ShortTimeFormat = "h:nn AMPM";
    std::string LongTimeFormat = "h:nn:ss AMPM";
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::string CurrencyString = "$";
    int CurrencyFormat = 0; // 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $"
    int NegCurrFormat = 0;  // 0 "($1)", 1 "-$1", ...
    int CurrencyDecimals = 2;
    std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::array<std::string, 12> LongMonthNames{"January",   "February", "March",    "April",
                                               "May",       "June",     "July",     "August",
                                               "September", "October",  "November", "December"};
    std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    std::array<std::string, 7> LongDayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
};

// The fixed English settings.
const FormatSettings& DefaultFormatSettings();

// The settings the routines use when none are passed. Read and changed on
// the GUI thread only (tests change them inside a scope and restore them).
FormatSettings& CurrentFormatSettings();

} // namespace korvan::text
