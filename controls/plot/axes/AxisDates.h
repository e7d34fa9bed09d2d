#pragma once
// Calendar steps of the date-time tick calculation. Values are day numbers
// (whole days since 1899-12-30, the fraction the time of day); the time of
// day stays as it is. A day beyond the end of the new month becomes its
// last day (29 February of a year without one becomes 28 February).

#include "platform/text/DateTime.h"

namespace korvan::plot {

TDateTime IncMonth(TDateTime value, int months);
TDateTime IncYear(TDateTime value, int years);
// value with its month (1..12), day or year replaced.
TDateTime WithMonth(TDateTime value, int month);
TDateTime WithDay(TDateTime value, int day);
TDateTime WithYear(TDateTime value, int year);
int MonthOf(TDateTime value);
int YearOf(TDateTime value);

} // namespace korvan::plot
