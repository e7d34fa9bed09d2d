// A channel's settings file, and its data file and log as the channel
// drives them.

#include "platform/forms/Strings.h"
#include "tests/controls/plot/channels/ChannelTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

using korvan::testing::RaisedMessage;
using korvan::testing::ScratchDir;

std::string ReadAll(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteAll(const std::string& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

class ChannelFilesTest : public ::testing::Test, public korvan::testing::ChannelFixture {
protected:
    ScratchDir dir;
};

TEST_F(ChannelFilesTest, SettingsFileHoldsTheTypeAndEveryPropertyButName) {
    auto channel = MakeChannel();
    channel->SetName("Curve");
    const std::string file = dir.Path("channel.txt");
    channel->SavePropertiesToFile(file);
    const std::string text = ReadAll(file);
    EXPECT_EQ(text.rfind("File Type = Plot Channel Config", 0), 0u);
    EXPECT_NE(text.find("Channel.Color = 255"), std::string::npos);
    EXPECT_NE(text.find("Channel.MarkersFont.Color = "), std::string::npos);
    EXPECT_NE(text.find("Channel.DataStyle = 0"), std::string::npos);
    EXPECT_EQ(text.find("Curve"), std::string::npos);
    EXPECT_EQ(text.find("LoggingActive"), std::string::npos);
    plot.differential = true;
    channel->SavePropertiesToFile(file);
    const std::string brief = ReadAll(file);
    EXPECT_EQ(brief.find("Channel.Color"), std::string::npos);
    EXPECT_NE(brief.find("Channel.MarkersTurnOffLimit = 0"), std::string::npos);
    EXPECT_NE(brief.find("Channel.XAxisName = X-Axis 1"), std::string::npos);
}

TEST_F(ChannelFilesTest, SettingsRoundTripAndTheFileTypeIsChecked) {
    auto channel = MakeChannel();
    channel->SetColor(clLime);
    channel->SetMarkersSize(8);
    channel->SetTitleText("Gain");
    channel->SetDataStyle(ipdsFullFeature);
    channel->MarkersFont()->SetSize(14);
    const std::string file = dir.Path("channel.txt");
    channel->SavePropertiesToFile(file);
    auto copy = MakeOn<TiXYPlotChannel>();
    copy->LoadPropertiesFromFile(file);
    EXPECT_EQ(copy->Color(), clLime);
    EXPECT_EQ(copy->MarkersSize(), 8);
    EXPECT_EQ(copy->TitleText(), "Gain");
    EXPECT_EQ(copy->DataStyle(), ipdsFullFeature);
    EXPECT_EQ(copy->MarkersFont()->Size(), 14);
    EXPECT_EQ(copy->XAxisName(), "X-Axis 1");

    WriteAll(file, "file type = plot channel config\r\nChannel.MarkersSize = 4\r\n");
    copy->LoadPropertiesFromFile(file);
    EXPECT_EQ(copy->MarkersSize(), 4);
    WriteAll(file, "File Type = TiXYPlot\r\nChannel.MarkersSize = 5\r\n");
    EXPECT_EQ(RaisedMessage([&] { copy->LoadPropertiesFromFile(file); }),
              "Error Loading Properties - Incompatible Plot Channel Configuration File Type");
    EXPECT_EQ(copy->MarkersSize(), 4);
    EXPECT_EQ(RaisedMessage([&] {
                  copy->SavePropertiesToFile(dir.Path("no/such/folder.txt"));
              }).rfind("Error Saving Properties - ", 0),
              0u);
}

TEST_F(ChannelFilesTest, DataFileSkipsEmptyPointsAndReadsBackThroughAddDataPoint) {
    plot.separator = ',';
    auto channel = MakeChannel();
    channel->AddXY(1, 2);
    channel->AddDataPoint(3, 0, true, false);
    channel->AddDataPoint(4, 0, false, true);
    const std::string file = dir.Path("data.txt");
    channel->SaveDataToFile(file);
    EXPECT_EQ(ReadAll(file), "1,2\r\n3,Null\r\n");
    auto copy = MakeChannel();
    copy->AddXY(9, 9);
    copy->LoadDataFromFile(file, true);
    EXPECT_EQ(copy->Count(), 2);
    EXPECT_TRUE(copy->GetPointNull(1));
    EXPECT_EQ(copy->RunningCount(), 2);
}

TEST_F(ChannelFilesTest, LogWritesInBatchesAndStopsOnClear) {
    plot.separator = ',';
    auto channel = MakeChannel();
    const std::string file = dir.Path("log.txt");
    channel->SetLogFileName(file);
    channel->SetLogBufferSize(3);
    channel->LogActivate(false);
    for (int i = 0; i < 4; ++i)
        channel->AddXY(i, i * 10);
    EXPECT_EQ(ReadAll(file), "0,0\r\n1,10\r\n2,20\r\n");
    EXPECT_EQ(RaisedMessage([&] { channel->SetLogFileName(dir.Path("other.txt")); }),
              "Log File Name can not be changed while logging is active.");
    channel->Clear();
    EXPECT_FALSE(channel->LoggingActive());
    EXPECT_EQ(ReadAll(file), "0,0\r\n1,10\r\n2,20\r\n3,30\r\n");
    EXPECT_EQ(RaisedMessage([&] { channel->LogDeactivate(); }), "Logging not Active");
}

} // namespace
