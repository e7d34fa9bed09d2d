// The channel manager in a plot's master manager: new channels of the
// plot's class, named, coloured and bound to the first axes; clearing all
// data; the manager forgetting removed axis managers.

#include "controls/plot/channels/ChannelManager.h"
#include "controls/plot/channels/XYChannel.h"
#include "controls/plot/master/MasterManager.h"
#include "tests/controls/plot/PlotTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using korvan::testing::RaisedMessage;

class ChannelManagerTest : public ::testing::Test {
protected:
    TComponent plot{nullptr};
    std::unique_ptr<TiPlotMasterManager> master = std::make_unique<TiPlotMasterManager>(&plot);
    TiPlotChannelManager* channels = korvan::plot::AdoptChannelManager(*master);
};

TEST_F(ChannelManagerTest, AddedChannelsAreNamedColouredAndBoundToTheFirstAxes) {
    EXPECT_EQ(RaisedMessage([&] { channels->AddChannel(); }), "Channel class not set");
    channels->SetChannelClass(korvan::plot::ChannelFactory<TiXYPlotChannel>());
    EXPECT_EQ(channels->AddChannel(), 0);
    master->AddXAxis();
    master->AddYAxis();
    EXPECT_EQ(channels->AddChannel(), 1);
    EXPECT_EQ(channels->AddChannel(), 2);
    TiPlotChannelCustom* first = channels->Items(0);
    TiPlotChannelCustom* second = channels->Items(1);
    EXPECT_NE(dynamic_cast<TiXYPlotChannel*>(first), nullptr);
    EXPECT_EQ(first->Name(), "Channel 1");
    EXPECT_EQ(first->TitleText(), "Channel 1");
    EXPECT_EQ(first->XAxisName(), "");
    EXPECT_EQ(second->XAxisName(), "X-Axis 1");
    EXPECT_EQ(second->YAxisName(), "Y-Axis 1");
    EXPECT_EQ(first->Color(), clRed);
    EXPECT_EQ(second->Color(), TColor(0x00FFFF));
    EXPECT_EQ(channels->Items(2)->Color(), TColor(0xFF0000));
    EXPECT_GE(master->ObjectManager()->GetIndex(second), 0);
}

TEST_F(ChannelManagerTest, ClearAllDataEmptiesEveryChannel) {
    channels->SetChannelClass(korvan::plot::ChannelFactory<TiXYPlotChannel>());
    channels->AddChannel();
    channels->AddChannel();
    channels->Items(0)->AddXY(1, 1);
    channels->Items(1)->AddXY(2, 2);
    master->ClearAllData();
    EXPECT_EQ(channels->Items(0)->Count(), 0);
    EXPECT_EQ(channels->Items(1)->Count(), 0);
}

TEST_F(ChannelManagerTest, FreedChannelLeavesEveryManager) {
    channels->SetChannelClass(korvan::plot::ChannelFactory<TiXYPlotChannel>());
    channels->AddChannel();
    const int all = master->ObjectManager()->Count();
    channels->Items(0)->Free();
    EXPECT_EQ(channels->Count(), 0);
    EXPECT_EQ(master->ObjectManager()->Count(), all - 1);
}

} // namespace
