// Numbers and geometry of the plot pack: decimal places, date-times as
// whole units, paper sizes, swapped axes and line-rectangle tests.

#include "controls/plot/core/PackNumbers.h"
#include "controls/plot/core/LineGeometry.h"
#include "controls/plot/core/PlotTypes.h"
#include "platform/text/Exception.h"

#include <gtest/gtest.h>

#include <deque>
#include <limits>

namespace {

using namespace korvan::plot;

TEST(PackNumbers, DecimalPlaces) {
    struct Case {
        int precision;
        TiPrecisionStyle style;
        double a, b;
        int places;
    };
    for (const Case& c : {Case{4, ipsSignificantDigits, 0, 250, 1}, Case{4, ipsSignificantDigits, 0, 0.05, 5},
                          Case{4, ipsSignificantDigits, 250, 0, 1}, Case{3, ipsSignificantDigits, 5, 5, 1},
                          Case{2, ipsSignificantDigits, 0, 12345, 0}, Case{0, ipsSignificantDigits, 0, 1, 0},
                          Case{-3, ipsSignificantDigits, 0, 1, 0}, Case{3, ipsSignificantDigits, 0, 1, 2},
                          Case{4, ipsFixedDecimalPoints, 0, 250, 4},
                          Case{4, ipsSignificantDigits, 0, std::numeric_limits<double>::infinity(), 0}})
        EXPECT_EQ(DecimalPlacesFor(c.precision, c.style, c.a, c.b), c.places)
            << c.precision << " " << c.style << " " << c.a << ".." << c.b;
}

TEST(PackNumbers, DateTimesAsWholeUnits) {
    const TDateTime oneAndHalf = 1.5;
    EXPECT_EQ(DateTimeToMinutes(oneAndHalf), 2160);
    EXPECT_EQ(DateTimeToHours(oneAndHalf), 36);
    EXPECT_EQ(DateTimeToSeconds(oneAndHalf), 129600);
    EXPECT_EQ(DateTimeToMilliseconds(oneAndHalf), 129600000);
    const TDateTime t = 2 + EncodeTime(1, 2, 3, 4);
    EXPECT_EQ(DateTimeToMilliseconds(t), 2 * 86400000 + 3723004);
    EXPECT_EQ(DateTimeToSeconds(t), 2 * 86400 + 3723);
    EXPECT_EQ(DateTimeToMinutes(t), 2 * 1440 + 62);
    EXPECT_EQ(DateTimeToHours(t), 49);
    // Beyond 32 bits.
    EXPECT_EQ(DateTimeToMilliseconds(30), 2147483647);
    EXPECT_EQ(DateTimeToSeconds(30000), 2147483647);
    EXPECT_EQ(DateTimeToMinutes(1e7), 10000);
    EXPECT_EQ(DateTimeToHours(1e9), 2147483647);
    EXPECT_EQ(DateTimeToMilliseconds(std::numeric_limits<double>::quiet_NaN()), 2147483647);
}

TEST(PackNumbers, PaperSizes) {
    struct Case {
        int code;
        double width, height;
    };
    for (const Case& c : {Case{9, 210 / 25.4, 297 / 25.4}, Case{5, 8.5, 14}, Case{53, 9.27, 12.69},
                          Case{8, 297 / 25.4, 420 / 25.4}, Case{68, 322 / 25.4, 445 / 25.4}, Case{1, 8.5, 11},
                          Case{2, 8.5, 11}, Case{48, 8.5, 11}, Case{49, 8.5, 11}, Case{0, 8.5, 11},
                          Case{69, 8.5, 11}, Case{-5, 8.5, 11}}) {
        double w = 0, h = 0;
        PaperSizeOf(c.code, w, h);
        EXPECT_DOUBLE_EQ(w, c.width) << c.code;
        EXPECT_DOUBLE_EQ(h, c.height) << c.code;
    }
    EXPECT_NEAR(210 / 25.4, 8.27, 0.005);
}

class FakePrinter : public IPrinterSettings {
public:
    std::optional<TPrinterPaper> ReadDeviceMode() override {
        if (modes.empty())
            return std::nullopt;
        auto m = modes.front();
        modes.pop_front();
        return m;
    }
    void Reselect() override { ++reselected; }
    std::deque<std::optional<TPrinterPaper>> modes;
    int reselected = 0;
};

TEST(PackNumbers, PrinterPageSize) {
    FakePrinter printer;
    printer.modes = {TPrinterPaper{9, true}};
    double w = 0, h = 0;
    GetPrinterPageSize(printer, w, h);
    EXPECT_DOUBLE_EQ(w, 297 / 25.4);
    EXPECT_DOUBLE_EQ(h, 210 / 25.4);
    EXPECT_EQ(printer.reselected, 0);

    printer.modes = {std::nullopt, TPrinterPaper{5, false}};
    GetPrinterPageSize(printer, w, h);
    EXPECT_EQ(printer.reselected, 1);
    EXPECT_DOUBLE_EQ(h, 14);

    printer.modes = {};
    try {
        GetPrinterPageSize(printer, w, h);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Could not initialize printer DeviceMode Structure");
    }
}

TEST(PlotGeometry, SwappedAxes) {
    const TiPlotMouseData reversed = MakeMouseData(true, 10, 200);
    EXPECT_EQ(reversed.X, 10);
    EXPECT_EQ(reversed.Y, 200);
    EXPECT_EQ(reversed.XAxisPixels, 200);
    EXPECT_EQ(reversed.YAxisPixels, 10);
    EXPECT_EQ(reversed.ScreenX, 0);
    const TiPlotMouseData plain = MakeMouseData(false, 10, 200, true);
    EXPECT_EQ(plain.XAxisPixels, 10);
    EXPECT_EQ(plain.YAxisPixels, 200);
    EXPECT_TRUE(plain.DblClickActive);

    EXPECT_EQ(GetXYPoint(true, 1, 2), (TPoint{2, 1}));
    EXPECT_EQ(GetXYPoint(false, 1, 2), (TPoint{1, 2}));
    EXPECT_EQ(OrderedRect(30, 5, 10, 40), (TRect{10, 5, 30, 40}));
    EXPECT_EQ(GetXYRect(true, 30, 5, 10, 40), (TRect{5, 10, 40, 30}));
    int a = 1, b = 2;
    SwapIntegers(a, b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);
}

TEST(PlotGeometry, LineMeetsRectangle) {
    const TRect r{10, 10, 20, 20};
    struct Case {
        TPoint p1, p2;
        bool meets;
        const char* what;
    };
    for (const Case& c :
         {Case{{12, 12}, {15, 15}, true, "wholly inside"},
          Case{{0, 15}, {30, 15}, true, "across, horizontal"},
          Case{{15, 0}, {15, 30}, true, "across, vertical"}, Case{{0, 0}, {30, 30}, true, "diagonal through"},
          Case{{0, 15}, {12, 15}, true, "ends inside"},
          Case{{20, 20}, {40, 40}, true, "starts on the corner"}, Case{{0, 0}, {5, 30}, false, "left of it"},
          Case{{25, 0}, {25, 30}, false, "vertical, right of it"},
          Case{{0, 100}, {30, 101}, false, "below, across its X range"},
          Case{{0, 9}, {30, 9}, false, "parallel above"}, Case{{0, 0}, {0, 0}, false, "a point outside"}})
        EXPECT_EQ(LineIntersectsRect(c.p1, c.p2, r), c.meets) << c.what;

    double slope = 0, intercept = 0;
    LineCoefficients({2, 1}, {4, 5}, slope, intercept);
    EXPECT_EQ(slope, 2);
    EXPECT_EQ(intercept, -3);
    LineCoefficients({2, 1}, {2, 5}, slope, intercept);
    EXPECT_EQ(slope, 1e30);
    EXPECT_FALSE(SegmentsIntersect({0, 0}, {10, 10}, {0, 1}, {10, 11}));
}

} // namespace
