#pragma once
// Date-time values as the framework keeps them: days since 1899-12-30 as a
// double, the time of day as the fraction. A negative value counts days
// before that date; its fraction is still the time of day.

#include "platform/text/FormatSettings.h"

#include <string>
#include <string_view>

using TDateTime = double;

constexpr double MSecsPerDay = 86400000.0;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// Year 1..9999, month 1..12, day within the month; otherwise EConvertError
// "Invalid argument to date encode".
TDateTime EncodeDate(int year, int month, int day);
// Hour 0..23, minute and second 0..59, milliseconds 0..999; otherwise
// EConvertError "Invalid argument to time encode".
TDateTime EncodeTime(int hour, int minute, int second, int msec);
bool TryEncodeDate(int year, int month, int day, TDateTime& value);
bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& value);
void DecodeDate(TDateTime value, int& year, int& month, int& day);
void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec);
// 1 for Sunday .. 7 for Saturday.
int DayOfWeek(TDateTime value);

// Local date and time from the system clock.
TDateTime Now();
TDateTime Date();

// The framework's date-time patterns: c d dd ddd dddd ddddd dddddd m mm mmm
// mmmm yy yyyy h hh n nn s ss z zzz t tt am/pm a/p ampm / : and quoted text.
std::string FormatDateTime(std::string_view pattern, TDateTime value);
std::string FormatDateTime(std::string_view pattern, TDateTime value, const korvan::text::FormatSettings& fs);
std::string DateTimeToStr(TDateTime value);
std::string DateToStr(TDateTime value);
std::string TimeToStr(TDateTime value);

// Parse by the settings' short date order and separators; failures raise
// EConvertError "'<text>' is not a valid date" (time, date and time).
TDateTime StrToDate(std::string_view text);
TDateTime StrToTime(std::string_view text);
TDateTime StrToDateTime(std::string_view text);
TDateTime StrToDate(std::string_view text, const korvan::text::FormatSettings& fs);
TDateTime StrToTime(std::string_view text, const korvan::text::FormatSettings& fs);
TDateTime StrToDateTime(std::string_view text, const korvan::text::FormatSettings& fs);
bool TryStrToDate(std::string_view text, TDateTime& value, const korvan::text::FormatSettings& fs);
bool TryStrToTime(std::string_view text, TDateTime& value, const korvan::text::FormatSettings& fs);
bool TryStrToDateTime(std::string_view text, TDateTime& value, const korvan::text::FormatSettings& fs);
