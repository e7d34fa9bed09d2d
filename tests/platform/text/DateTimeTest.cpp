#include "platform/text/DateTime.h"
#include "platform/text/Exception.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

TEST(DateTime, DaysCountFrom1899_12_30) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(1899, 12, 29), -1.0);
    EXPECT_DOUBLE_EQ(EncodeTime(12, 0, 0, 0), 0.5);
    int y, m, d, h, n, s, ms;
    const TDateTime v = EncodeDate(2024, 2, 29) + EncodeTime(23, 59, 58, 999);
    DecodeDate(v, y, m, d);
    DecodeTime(v, h, n, s, ms);
    EXPECT_EQ((std::vector<int>{y, m, d, h, n, s, ms}), (std::vector<int>{2024, 2, 29, 23, 59, 58, 999}));
    // Before the epoch the fraction is still the time of day.
    DecodeDate(-1.25, y, m, d);
    DecodeTime(-1.25, h, n, s, ms);
    EXPECT_EQ((std::vector<int>{y, m, d, h}), (std::vector<int>{1899, 12, 29, 6}));
    EXPECT_EQ(DayOfWeek(EncodeDate(2024, 6, 2)), 1); // a Sunday
    EXPECT_THROW(EncodeDate(2023, 2, 29), EConvertError);
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
}

TEST(DateTime, ValuesBeyondTheCalendarAreRefusedNotOverflowed) {
    // The first and last days of years 1..9999 still decode.
    int y, m, d;
    DecodeDate(EncodeDate(1, 1, 1), y, m, d);
    EXPECT_EQ((std::vector<int>{y, m, d}), (std::vector<int>{1, 1, 1}));
    DecodeDate(EncodeDate(9999, 12, 31) + 0.999, y, m, d);
    EXPECT_EQ((std::vector<int>{y, m, d}), (std::vector<int>{9999, 12, 31}));
    // Beyond them the day count would not even fit an integer.
    for (const double v :
         {3.23e174, -1e300, EncodeDate(9999, 12, 31) + 1, EncodeDate(1, 1, 1) - 1,
          std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_THROW(DecodeDate(v, y, m, d), EConvertError) << v;
        EXPECT_THROW(DayOfWeek(v), EConvertError) << v;
        EXPECT_THROW(FormatDateTime("c", v), EConvertError) << v;
    }
}

TEST(DateTime, FormatsWithTheFrameworkPatterns) {
    const TDateTime v = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 45);
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss.zzz", v), "2024-03-05 14:07:09.045");
    EXPECT_EQ(FormatDateTime("d/m/yy", v), "5/3/24");
    EXPECT_EQ(FormatDateTime("h:mm", v), "14:07"); // m after h is the minute
    EXPECT_EQ(FormatDateTime("hh:nn am/pm", v), "02:07 pm");
    EXPECT_EQ(FormatDateTime("ddd mmm", v), "Tue Mar");
    EXPECT_EQ(FormatDateTime("dddd, mmmm", v), "Tuesday, March");
    EXPECT_EQ(FormatDateTime("'at' h 'o''clock'", v), "at 14 oclock");
    EXPECT_EQ(DateTimeToStr(v), "3/5/2024 2:07:09 PM");
    EXPECT_EQ(DateTimeToStr(EncodeDate(2024, 3, 5)), "3/5/2024");
}

TEST(DateTime, ParsesAndRejects) {
    EXPECT_EQ(StrToDate("3/5/2024"), EncodeDate(2024, 3, 5));
    EXPECT_DOUBLE_EQ(StrToTime("2:07:09 PM"), EncodeTime(14, 7, 9, 0));
    EXPECT_DOUBLE_EQ(StrToDateTime("3/5/2024 14:07"), EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 0, 0));
    const TDateTime v = EncodeDate(2024, 3, 5) + EncodeTime(14, 7, 9, 0);
    EXPECT_DOUBLE_EQ(StrToDateTime(DateTimeToStr(v)), v);
    for (const char* bad : {"", "13/45/2024", "2/30/2024", "3/5/2024 25:00", "x", "3/5/2024x"})
        EXPECT_THROW(StrToDateTime(bad), EConvertError) << bad;
    try {
        StrToDate("31/31/2024");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'31/31/2024' is not a valid date");
    }
}

} // namespace
