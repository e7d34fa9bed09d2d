// A plot's data files and log through the component: round trips in both
// layouts, the failure prefix and when events fire, and rows logged in
// batches from AddDataArray.

#include "controls/plot/channels/StripChannel.h"
#include "controls/plot/plots/StripChartPlot.h"
#include "platform/sys/FileIo.h"
#include "tests/controls/plot/PlotTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

namespace {

using korvan::testing::RaisedMessage;
using korvan::testing::ScratchDir;

std::string FileText(const std::string& path) {
    const auto bytes = korvan::sys::ReadFileBytes(path, 1 << 20);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "<missing>";
}

class PlotFiles : public ::testing::Test {
protected:
    PlotFiles() {
        plot.AddChannel();
        plot.Channel(0)->SetTitleText("a");
        plot.Channel(1)->SetTitleText("b");
    }
    std::string Points(int channel) const {
        std::string out;
        TiPlotChannel& c = *plot.Channel(channel);
        for (int i = 0; i < c.Count(); ++i)
            out += std::to_string(int(c.GetPointX(i))) + ":" +
                   (c.GetPointNull(i) ? "N" : std::to_string(int(c.GetPointY(i)))) + " ";
        return out;
    }
    static TiPlotValueArray Row(double a, double b) { return {{0}, {1}, {a, b}}; }

    TiPlot plot{nullptr};
    ScratchDir dir;
    std::vector<std::string> events;
};

TEST_F(PlotFiles, DataRoundTripsInBothLayoutsAndAppendsToTheChannels) {
    plot.Channel(0)->AddXY(1, 10);
    plot.Channel(0)->AddXY(2, 20);
    plot.Channel(0)->SetPointNull(1, true);
    plot.Channel(1)->AddXY(1, 30);
    plot.OnAfterSaveData = [&](TObject*) { events.push_back("saved"); };
    plot.OnAfterLoadData = [&](TObject*) { events.push_back("loaded"); };
    for (TiPlotDataFileFormat format : {ipdffText, ipdffCompactInterval}) {
        SCOPED_TRACE(format);
        plot.SetDataFileFormat(format);
        const std::string file = dir.Path(format == ipdffText ? "data.txt" : "data.bin");
        plot.SaveDataToFile(file);
        EXPECT_EQ(plot.LastDataFileName(), file);
        plot.LoadDataFromFile(file);
        EXPECT_FALSE(plot.UpdateActive());
        plot.Channel(0)->Clear();
        plot.Channel(1)->Clear();
        plot.Channel(0)->AddXY(1, 10);
        plot.Channel(0)->AddXY(2, 20);
        plot.Channel(0)->SetPointNull(1, true);
        plot.Channel(1)->AddXY(1, 30);
    }
    EXPECT_EQ(events, (std::vector<std::string>{"saved", "loaded", "saved", "loaded"}));
    // Loading appends to what the channels hold; the compact layout keeps no
    // null flag.
    plot.LoadDataFromFile(dir.Path("data.txt"));
    plot.LoadDataFromFile(dir.Path("data.bin"));
    EXPECT_EQ(Points(0), "1:10 2:N 1:10 2:N 1:10 2:20 ");
    EXPECT_EQ(Points(1), "1:30 1:30 1:30 ");
}

TEST_F(PlotFiles, FailuresCarryTheOperationsPrefixAndFireNothing) {
    plot.OnAfterLoadData = [&](TObject*) { events.push_back("loaded"); };
    const std::string missing = dir.Path("none.txt");
    EXPECT_EQ(RaisedMessage([&] { plot.LoadDataFromFile(missing); }),
              "Error Loading Data - Cannot open file \"" + missing + "\"");
    ASSERT_TRUE(korvan::sys::WriteFileReplacing(
        dir.Path("bad.txt"), std::vector<std::uint8_t>{'x', '\t', 'y', '\n', 'z', '\t', '1'}));
    EXPECT_EQ(RaisedMessage([&] { plot.LoadDataFromFile(dir.Path("bad.txt")); }).substr(0, 21),
              "Error Loading Data - ");
    EXPECT_EQ(RaisedMessage([&] { plot.SaveDataToFile(dir.Path("no-such-dir/x.txt")); }).substr(0, 20),
              "Error Saving Data - ");
    EXPECT_TRUE(events.empty());
    EXPECT_FALSE(plot.UpdateActive());
    EXPECT_EQ(plot.LastDataFileName(), "");
}

TEST_F(PlotFiles, LoggingWritesBufferedRowsOfEveryChannel) {
    EXPECT_EQ(RaisedMessage([&] { plot.LogActivate(false); }), "Log File Name not Defined");
    EXPECT_EQ(RaisedMessage([&] { plot.LogDeactivate(); }), "Logging not Active");
    plot.SetLogFileName(dir.Path("missing.log"));
    EXPECT_NE(RaisedMessage([&] { plot.LogActivate(true); }), "no error");
    EXPECT_FALSE(plot.LoggingActive());

    const std::string log = dir.Path("run.log");
    plot.SetLogFileName(log);
    plot.SetLogBufferSize(2);
    plot.LogActivate(false);
    EXPECT_EQ(RaisedMessage([&] { plot.LogActivate(false); }), "Logging Already Active");
    EXPECT_EQ(FileText(log), "(X)\ta(Y)\tb(Y)\r\n");
    plot.AddDataArray(1, Row(10, 20));
    EXPECT_EQ(plot.LogBufferCount(), 1);
    plot.AddDataArray(2, Row(11, 21));
    EXPECT_EQ(plot.LogBufferCount(), 0);
    plot.AddDataArray(3, Row(12, 22));
    EXPECT_EQ(FileText(log), "(X)\ta(Y)\tb(Y)\r\n1\t10\t20\r\n2\t11\t21\r\n");
    // Clearing the data stops logging after writing what is buffered.
    plot.ClearAllData();
    EXPECT_FALSE(plot.LoggingActive());
    EXPECT_EQ(FileText(log), "(X)\ta(Y)\tb(Y)\r\n1\t10\t20\r\n2\t11\t21\r\n3\t12\t22\r\n");
    // Appending keeps the file as it is.
    plot.LogActivate(true);
    plot.AddDataArray(4, Row(13, 23));
    plot.LogDeactivate();
    EXPECT_EQ(FileText(log).substr(FileText(log).size() - 9), "4\t13\t23\r\n");
}

} // namespace
