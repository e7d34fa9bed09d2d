// A channel's data file and log: round trips with both column separators,
// what reading skips, and logging in batches.

#include "controls/plot/core/ChannelDataFile.h"
#include "controls/plot/core/ChannelLog.h"
#include "controls/plot/core/NullPointList.h"
#include "platform/forms/Strings.h"
#include "platform/text/FormatSettings.h"
#include "tests/controls/plot/PlotTestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

using korvan::testing::RaisedMessage;
using korvan::testing::ScratchDir;
using Point = std::tuple<double, double, bool>;

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<Point> Read(const std::string& text, char* separator = nullptr) {
    TStringList lines;
    lines.SetText(text);
    std::vector<Point> points;
    const char found = korvan::plot::ReadChannelData(
        lines, [&](double x, double y, bool null) { points.emplace_back(x, y, null); });
    if (separator != nullptr) {
        *separator = found;
    }
    return points;
}

// Switches the decimal separator for one test.
class DecimalComma {
public:
    DecimalComma() : saved_(korvan::text::CurrentFormatSettings().DecimalSeparator) {
        korvan::text::CurrentFormatSettings().DecimalSeparator = ',';
    }
    ~DecimalComma() { korvan::text::CurrentFormatSettings().DecimalSeparator = saved_; }

private:
    char saved_;
};

TEST(ChannelDataFile, WritesValidAndNullPointsWithAPointDecimal) {
    const DecimalComma comma;
    TiPlotDataNullList list;
    list.Add(1, 2, false, false);
    list.Add(3, 9, true, false);
    list.Add(4, 9, false, true);
    list.Add(0.5, -1.25e-7, false, false);
    for (char separator : {',', '\t'}) {
        TStringList lines;
        korvan::plot::WriteChannelData(list, separator, lines);
        const std::string s(1, separator);
        EXPECT_EQ(lines.ToVector(),
                  (std::vector<std::string>{"1" + s + "2", "3" + s + "Null", "0.5" + s + "-1.25E-7"}));
        char found = 0;
        EXPECT_EQ(Read(lines.Text(), &found),
                  (std::vector<Point>{{1, 2, false}, {3, 0, true}, {0.5, -1.25e-7, false}}));
        EXPECT_EQ(found, separator);
    }
}

TEST(ChannelDataFile, ReadingSkipsLinesWithoutAnX) {
    struct Case {
        std::string text;
        std::vector<Point> points;
    };
    const Case cases[] = {
        {"1\t2\r\n5\r\n6\tnull\r\n", {{1, 2, false}, {6, 0, true}}},
        {"1,2\r\n5\r\n6,null\r\n,7\r\n\r\n", {{1, 2, false}, {6, 0, true}}},
        {"1\t2,5\r\n3,5\t4\r\n", {{1, 2.5, false}, {3.5, 4, false}}},
        {"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Read(c.text), c.points) << c.text;
    }
}

TEST(ChannelDataFile, ANonNumberStopsTheLoadKeepingWhatWasRead) {
    std::vector<Point> points;
    TStringList lines;
    lines.SetText("1,2\r\n3,x\r\n5,6\r\n");
    EXPECT_NE(RaisedMessage([&] {
                  korvan::plot::ReadChannelData(
                      lines, [&](double x, double y, bool null) { points.emplace_back(x, y, null); });
              }),
              "no error");
    EXPECT_EQ(points, (std::vector<Point>{{1, 2, false}}));
}

TEST(ChannelDataFile, RoundTripsThroughAFile) {
    const ScratchDir dir;
    TiPlotDataNullList list;
    list.Add(1e300, 0.1, false, false);
    list.Add(-3, 7, true, false);
    korvan::plot::SaveChannelData(list, '\t', dir.Path("data.txt"));
    EXPECT_EQ(FileText(dir.Path("data.txt")), "1E300\t0.1\r\n-3\tNull\r\n");
    std::vector<Point> points;
    korvan::plot::LoadChannelData(dir.Path("data.txt"),
                                  [&](double x, double y, bool null) { points.emplace_back(x, y, null); });
    EXPECT_EQ(points, (std::vector<Point>{{1e300, 0.1, false}, {-3, 0, true}}));
    EXPECT_NE(RaisedMessage([&] { korvan::plot::LoadChannelData(dir.Path("none.txt"), {}); }), "no error");
}

TEST(ChannelLog, WritesInBatchesAndOnDeactivation) {
    const ScratchDir dir;
    TiPlotChannelLog log;
    log.SetFileName(dir.Path("log.txt"));
    log.SetBufferSize(3);
    log.Activate(false);
    for (int i = 1; i <= 4; ++i) {
        log.PointAdded(i, i * 10, ',');
    }
    EXPECT_EQ(FileText(dir.Path("log.txt")), "1,10\r\n2,20\r\n3,30\r\n");
    EXPECT_EQ(log.BufferCount(), 1);
    log.Deactivate();
    EXPECT_EQ(FileText(dir.Path("log.txt")), "1,10\r\n2,20\r\n3,30\r\n4,40\r\n");
    EXPECT_FALSE(log.Active());

    log.SetBufferSize(0);
    log.Activate(true);
    log.PointAdded(0.5, -2, '\t');
    EXPECT_EQ(FileText(dir.Path("log.txt")), "1,10\r\n2,20\r\n3,30\r\n4,40\r\n0.5\t-2\r\n");
    log.Deactivate();
    log.Activate(false);
    EXPECT_EQ(FileText(dir.Path("log.txt")), "");
}

TEST(ChannelLog, RefusesWhatCannotBeDone) {
    const ScratchDir dir;
    TiPlotChannelLog log([](const std::string& text) { return "[" + text + "]"; });
    EXPECT_EQ(RaisedMessage([&] { log.Activate(false); }), "Log File Name not Defined");
    log.SetFileName("  ");
    EXPECT_EQ(RaisedMessage([&] { log.Activate(false); }), "Log File Name not Defined");
    EXPECT_EQ(RaisedMessage([&] { log.Deactivate(); }), "Logging not Active");
    log.SetFileName(dir.Path("missing.txt"));
    EXPECT_NE(RaisedMessage([&] { log.Activate(true); }), "no error");
    EXPECT_FALSE(log.Active());

    log.Activate(false);
    EXPECT_EQ(RaisedMessage([&] { log.Activate(false); }), "Logging Already Active");
    EXPECT_EQ(RaisedMessage([&] { log.SetFileName(dir.Path("missing.txt")); }), "no error");
    EXPECT_EQ(RaisedMessage([&] { log.SetFileName(dir.Path("other.txt")); }),
              "[Log File Name can not be changed while logging is active.]");
    EXPECT_EQ(log.FileName(), dir.Path("missing.txt"));
}

} // namespace
