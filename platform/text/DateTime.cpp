#include "platform/text/DateTime.h"

#include "platform/text/Exception.h"
#include "platform/text/StrUtils.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <vector>

using korvan::text::FormatSettings;

namespace {

constexpr long kUnixEpochOffset = 25569; // 1970-01-01 as a day count from 1899-12-30

// Days since 1970-01-01 of a proleptic Gregorian date and back.
long DaysFromCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + long(doe) - 719468;
}

void CivilFromDays(long z, int& year, int& month, int& day) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long y = long(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = int(doy - (153 * mp + 2) / 5 + 1);
    month = int(mp < 10 ? mp + 3 : mp - 9);
    year = int(y + (month <= 2));
}

// Milliseconds of the time of day, rounded to the nearest one.
// The day count of a value within years 1..9999. Beyond them (or for a
// value that is not a number) there is no calendar date, and the count
// would not fit the integer it is taken into.
long DayNumber(TDateTime value) {
    constexpr double kFirstDay = -693593; // 0001-01-01
    constexpr double kLastDay = 2958465;  // 9999-12-31
    if (!(value > kFirstDay - 1 && value < kLastDay + 1))
        throw EConvertError("Invalid argument to date decode");
    return long(std::trunc(value));
}

long TimeMs(TDateTime value) {
    double f = std::fabs(value - std::trunc(value));
    long ms = std::lround(f * MSecsPerDay);
    return ms >= long(MSecsPerDay) ? long(MSecsPerDay) - 1 : ms;
}

} // namespace

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return days[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool TryEncodeDate(int year, int month, int day, TDateTime& value) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return false;
    value = double(DaysFromCivil(year, unsigned(month), unsigned(day)) + kUnixEpochOffset);
    return true;
}

bool TryEncodeTime(int hour, int minute, int second, int msec, TDateTime& value) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 || msec < 0 ||
        msec > 999)
        return false;
    value = (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + msec) / MSecsPerDay;
    return true;
}

TDateTime EncodeDate(int year, int month, int day) {
    TDateTime v = 0;
    if (!TryEncodeDate(year, month, day, v))
        throw EConvertError("Invalid argument to date encode");
    return v;
}

TDateTime EncodeTime(int hour, int minute, int second, int msec) {
    TDateTime v = 0;
    if (!TryEncodeTime(hour, minute, second, msec, v))
        throw EConvertError("Invalid argument to time encode");
    return v;
}

void DecodeDate(TDateTime value, int& year, int& month, int& day) {
    CivilFromDays(DayNumber(value) - kUnixEpochOffset, year, month, day);
}

void DecodeTime(TDateTime value, int& hour, int& minute, int& second, int& msec) {
    long ms = TimeMs(value);
    hour = int(ms / 3600000);
    minute = int(ms / 60000 % 60);
    second = int(ms / 1000 % 60);
    msec = int(ms % 1000);
}

int DayOfWeek(TDateTime value) {
    // 1899-12-30 was a Saturday.
    long d = DayNumber(value);
    long r = (d + 6) % 7;
    if (r < 0)
        r += 7;
    return int(r) + 1;
}

TDateTime Now() {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const int ms = int(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           EncodeTime(local.tm_hour, local.tm_min, local.tm_sec, ms);
}

TDateTime Date() {
    return std::trunc(Now());
}

namespace {

class DateTimeWriter {
public:
    DateTimeWriter(TDateTime v, const FormatSettings& fs) : fs_(fs) {
        DecodeDate(v, year_, month_, day_);
        DecodeTime(v, hour_, minute_, second_, msec_);
        dow_ = DayOfWeek(v);
        hasTime_ = TimeMs(v) != 0;
    }

    void Append(std::string_view p, std::string& out, int depth) {
        if (depth > 2)
            return;
        const bool twelve = UsesAmPm(p);
        bool lastWasHour = false;
        size_t i = 0;
        while (i < p.size()) {
            const char c = p[i];
            const char u = char(c >= 'a' && c <= 'z' ? c - 32 : c);
            auto count = [&](char letter) {
                size_t n = 0;
                while (i + n < p.size() && (p[i + n] | 0x20) == (letter | 0x20))
                    ++n;
                return n;
            };
            if (c == '\'' || c == '"') {
                const size_t end = p.find(c, i + 1);
                out += p.substr(i + 1, end == std::string_view::npos ? std::string_view::npos : end - i - 1);
                i = end == std::string_view::npos ? p.size() : end + 1;
                continue;
            }
            if (u == 'A') {
                if (StartsWith(p, i, "AMPM")) {
                    out += hour_ < 12 ? fs_.TimeAMString : fs_.TimePMString;
                    i += 4;
                } else if (StartsWith(p, i, "AM/PM")) {
                    out += TakeCase(p.substr(i, 2), hour_ < 12 ? "am" : "pm");
                    i += 5;
                } else if (StartsWith(p, i, "A/P")) {
                    out += TakeCase(p.substr(i, 1), hour_ < 12 ? "a" : "p");
                    i += 3;
                } else {
                    out += c;
                    ++i;
                }
                lastWasHour = false;
                continue;
            }
            size_t n = 0;
            switch (u) {
            case 'Y':
                n = count('y');
                out += n <= 2 ? Two(year_ % 100) : Pad(year_, 4);
                break;
            case 'M':
                n = count('m');
                if (lastWasHour && n <= 2)
                    out += n == 1 ? std::to_string(minute_) : Two(minute_);
                else if (n == 1)
                    out += std::to_string(month_);
                else if (n == 2)
                    out += Two(month_);
                else if (n == 3)
                    out += fs_.ShortMonthNames[size_t(month_ - 1)];
                else
                    out += fs_.LongMonthNames[size_t(month_ - 1)];
                break;
            case 'D':
                n = count('d');
                if (n == 1)
                    out += std::to_string(day_);
                else if (n == 2)
                    out += Two(day_);
                else if (n == 3)
                    out += fs_.ShortDayNames[size_t(dow_ - 1)];
                else if (n == 4)
                    out += fs_.LongDayNames[size_t(dow_ - 1)];
                else if (n == 5)
                    Append(fs_.ShortDateFormat, out, depth + 1);
                else
                    Append(fs_.LongDateFormat, out, depth + 1);
                break;
            case 'H': {
                n = count('h');
                int h = hour_;
                if (twelve) {
                    h %= 12;
                    if (h == 0)
                        h = 12;
                }
                out += n == 1 ? std::to_string(h) : Two(h);
                i += n;
                lastWasHour = true;
                continue;
            }
            case 'N':
                n = count('n');
                out += n == 1 ? std::to_string(minute_) : Two(minute_);
                break;
            case 'S':
                n = count('s');
                out += n == 1 ? std::to_string(second_) : Two(second_);
                break;
            case 'Z':
                n = count('z');
                out += n == 1 ? std::to_string(msec_) : Pad(msec_, 3);
                break;
            case 'T':
                n = count('t');
                Append(n == 1 ? fs_.ShortTimeFormat : fs_.LongTimeFormat, out, depth + 1);
                break;
            case 'C':
                n = 1;
                Append(fs_.ShortDateFormat, out, depth + 1);
                if (hasTime_) {
                    out += ' ';
                    Append(fs_.LongTimeFormat, out, depth + 1);
                }
                break;
            case '/':
                n = 1;
                out += fs_.DateSeparator;
                break;
            case ':':
                n = 1;
                out += fs_.TimeSeparator;
                break;
            default:
                n = 1;
                out += c;
                i += n;
                continue; // literal characters keep "h" then "m" a minute pair
            }
            i += n;
            if (u >= 'A' && u <= 'Z')
                lastWasHour = false;
        }
    }

private:
    static bool StartsWith(std::string_view p, size_t i, std::string_view word) {
        return p.size() - i >= word.size() && SameText(p.substr(i, word.size()), word);
    }
    static std::string TakeCase(std::string_view model, std::string text) {
        return (model[0] >= 'A' && model[0] <= 'Z') ? UpperCase(text) : text;
    }
    static bool UsesAmPm(std::string_view p) {
        for (size_t i = 0; i < p.size(); ++i)
            if (StartsWith(p, i, "AMPM") || StartsWith(p, i, "AM/PM") || StartsWith(p, i, "A/P"))
                return true;
        return false;
    }
    static std::string Two(int v) { return Pad(v, 2); }
    static std::string Pad(int v, int width) {
        std::string s = std::to_string(v);
        if (int(s.size()) < width)
            s.insert(0, size_t(width) - s.size(), '0');
        return s;
    }

    const FormatSettings& fs_;
    int year_, month_, day_, hour_, minute_, second_, msec_, dow_;
    bool hasTime_;
};

} // namespace

std::string FormatDateTime(std::string_view pattern, TDateTime value, const FormatSettings& fs) {
    std::string out;
    DateTimeWriter(value, fs).Append(pattern.empty() ? std::string_view("c") : pattern, out, 0);
    return out;
}

std::string FormatDateTime(std::string_view pattern, TDateTime value) {
    return FormatDateTime(pattern, value, korvan::text::CurrentFormatSettings());
}

std::string DateTimeToStr(TDateTime value) {
    return FormatDateTime("c", value);
}
std::string DateToStr(TDateTime value) {
    return FormatDateTime("ddddd", value);
}
std::string TimeToStr(TDateTime value) {
    return FormatDateTime("tt", value);
}

namespace {

// Reads an unsigned number; false when there is none or it is too long.
bool ReadNumber(std::string_view s, size_t& i, int& value, int& digits) {
    value = 0;
    digits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        if (++digits > 5)
            return false;
        value = value * 10 + (s[i++] - '0');
    }
    return digits > 0;
}

void SkipBlanks(std::string_view s, size_t& i) {
    while (i < s.size() && s[i] == ' ')
        ++i;
}

bool ScanDate(std::string_view s, size_t& i, TDateTime& value, const FormatSettings& fs) {
    // The field order comes from the first letters of the short date format.
    std::string order;
    for (char c : fs.ShortDateFormat) {
        const char l = char(c | 0x20);
        if ((l == 'd' || l == 'm' || l == 'y') && order.find(l) == std::string::npos)
            order += l;
    }
    if (order.size() != 3)
        order = "mdy";
    int n[3] = {0, 0, 0}, len[3] = {0, 0, 0};
    int count = 0;
    SkipBlanks(s, i);
    while (count < 3) {
        if (!ReadNumber(s, i, n[count], len[count]))
            return false;
        ++count;
        if (i < s.size() && s[i] == fs.DateSeparator && count < 3)
            ++i;
        else
            break;
    }
    if (count < 2)
        return false;
    int year = 0, month = 0, day = 0;
    int currentYear, m, d;
    DecodeDate(Now(), currentYear, m, d);
    if (count == 2) {
        // Day and month in the format's order; the year is this year.
        const bool dayFirst = order.find('d') < order.find('m');
        day = dayFirst ? n[0] : n[1];
        month = dayFirst ? n[1] : n[0];
        year = currentYear;
    } else {
        for (int k = 0; k < 3; ++k) {
            if (order[size_t(k)] == 'd')
                day = n[k];
            else if (order[size_t(k)] == 'm')
                month = n[k];
            else {
                year = n[k];
                if (len[k] <= 2) {
                    // Two-digit years fall within 50 years of this one.
                    year += currentYear / 100 * 100;
                    if (year > currentYear + 50)
                        year -= 100;
                    else if (year <= currentYear - 50)
                        year += 100;
                }
            }
        }
    }
    return TryEncodeDate(year, month, day, value);
}

bool ScanTime(std::string_view s, size_t& i, TDateTime& value, const FormatSettings& fs) {
    int h = 0, m = 0, sec = 0, ms = 0, len = 0;
    SkipBlanks(s, i);
    if (!ReadNumber(s, i, h, len))
        return false;
    if (i < s.size() && s[i] == fs.TimeSeparator) {
        ++i;
        if (!ReadNumber(s, i, m, len))
            return false;
        if (i < s.size() && s[i] == fs.TimeSeparator) {
            ++i;
            if (!ReadNumber(s, i, sec, len))
                return false;
            if (i < s.size() && s[i] == fs.DecimalSeparator) {
                ++i;
                if (!ReadNumber(s, i, ms, len))
                    return false;
            }
        }
    }
    SkipBlanks(s, i);
    auto word = [&](const std::string& w) {
        if (!w.empty() && s.size() - i >= w.size() && SameText(s.substr(i, w.size()), w)) {
            i += w.size();
            return true;
        }
        return false;
    };
    if (word(fs.TimeAMString) || word("AM")) {
        if (h == 0 || h > 12)
            return false;
        h %= 12;
    } else if (word(fs.TimePMString) || word("PM")) {
        if (h == 0 || h > 12)
            return false;
        h = h % 12 + 12;
    }
    return TryEncodeTime(h, m, sec, ms, value);
}

bool AtEnd(std::string_view s, size_t i) {
    SkipBlanks(s, i);
    return i == s.size();
}

} // namespace

bool TryStrToDate(std::string_view text, TDateTime& value, const FormatSettings& fs) {
    size_t i = 0;
    TDateTime v = 0;
    if (!ScanDate(text, i, v, fs) || !AtEnd(text, i))
        return false;
    value = v;
    return true;
}

bool TryStrToTime(std::string_view text, TDateTime& value, const FormatSettings& fs) {
    size_t i = 0;
    TDateTime v = 0;
    if (!ScanTime(text, i, v, fs) || !AtEnd(text, i))
        return false;
    value = v;
    return true;
}

bool TryStrToDateTime(std::string_view text, TDateTime& value, const FormatSettings& fs) {
    size_t i = 0;
    TDateTime d = 0, t = 0;
    if (ScanDate(text, i, d, fs)) {
        if (AtEnd(text, i)) {
            value = d;
            return true;
        }
        if (!ScanTime(text, i, t, fs) || !AtEnd(text, i))
            return false;
        value = d < 0 ? d - t : d + t;
        return true;
    }
    return TryStrToTime(text, value, fs);
}

namespace {
using TryParse = bool (*)(std::string_view, TDateTime&, const FormatSettings&);
TDateTime Require(TryParse parse, std::string_view text, const FormatSettings& fs, const char* what) {
    TDateTime v = 0;
    if (!parse(text, v, fs))
        throw EConvertError("'" + std::string(text) + "' is not a valid " + what);
    return v;
}
} // namespace

TDateTime StrToDate(std::string_view text, const FormatSettings& fs) {
    return Require(TryStrToDate, text, fs, "date");
}
TDateTime StrToTime(std::string_view text, const FormatSettings& fs) {
    return Require(TryStrToTime, text, fs, "time");
}
TDateTime StrToDateTime(std::string_view text, const FormatSettings& fs) {
    return Require(TryStrToDateTime, text, fs, "date and time");
}
TDateTime StrToDate(std::string_view text) {
    return StrToDate(text, korvan::text::CurrentFormatSettings());
}
TDateTime StrToTime(std::string_view text) {
    return StrToTime(text, korvan::text::CurrentFormatSettings());
}
TDateTime StrToDateTime(std::string_view text) {
    return StrToDateTime(text, korvan::text::CurrentFormatSettings());
}
