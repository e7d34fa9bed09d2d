#include "controls/plot/axes/AxisDates.h"

#include <algorithm>
#include <cmath>

namespace korvan::plot {

namespace {

struct Parts {
    int year = 1899, month = 12, day = 30;
    double time = 0;
};

Parts Split(TDateTime value) {
    Parts p;
    DecodeDate(value, p.year, p.month, p.day);
    p.time = std::fabs(value - std::trunc(value));
    return p;
}

// Years outside the calendar stop at its ends.
TDateTime Join(Parts p) {
    p.year = std::clamp(p.year, 1, 9999);
    p.month = std::clamp(p.month, 1, 12);
    p.day = std::clamp(p.day, 1, DaysInMonth(p.year, p.month));
    const TDateTime date = EncodeDate(p.year, p.month, p.day);
    return date < 0 ? date - p.time : date + p.time;
}

} // namespace

TDateTime IncMonth(TDateTime value, int months) {
    Parts p = Split(value);
    const long long total =
        std::clamp<long long>((long long)p.year * 12 + (p.month - 1) + months, 12, 9999LL * 12 + 11);
    p.year = int(total / 12);
    p.month = int(total % 12) + 1;
    return Join(p);
}

TDateTime IncYear(TDateTime value, int years) {
    Parts p = Split(value);
    p.year = int(std::clamp<long long>((long long)p.year + years, 1, 9999));
    return Join(p);
}

TDateTime WithMonth(TDateTime value, int month) {
    Parts p = Split(value);
    p.month = month;
    return Join(p);
}

TDateTime WithDay(TDateTime value, int day) {
    Parts p = Split(value);
    p.day = day;
    return Join(p);
}

TDateTime WithYear(TDateTime value, int year) {
    Parts p = Split(value);
    p.year = year;
    return Join(p);
}

int MonthOf(TDateTime value) {
    return Split(value).month;
}

int YearOf(TDateTime value) {
    return Split(value).year;
}

} // namespace korvan::plot
