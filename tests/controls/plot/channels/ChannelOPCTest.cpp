// The channels' OPC binding: their published OPC properties, their group
// and how received values become points, against the stand-in library and
// without any.

#include "controls/plot/channels/StripChannel.h"
#include "platform/forms/Filer.h"
#include "platform/forms/GuiThread.h"
#include "tests/controls/plot/channels/ChannelTestSupport.h"
#include "tests/controls/plot/opc/OPCTestSupport.h"

#include <gtest/gtest.h>

namespace {

class ChannelOPCTest : public korvan::testing::OPCFixture, public korvan::testing::ChannelFixture {
protected:
    // Both items hold a value (as after their NewData) and the group of the
    // channel reports an update; all of it reaches the channel on the GUI
    // thread.
    void FeedGroup(TiChannelOPCBinding& channel, KorvanOpcVariant x, KorvanOpcVariant y) {
        const std::int32_t h0 = channel.OPCItemManager().Item(0).SignalHandle();
        const std::int32_t h1 = channel.OPCItemManager().Item(1).SignalHandle();
        SetValue(h0, x, 0xC0);
        SetValue(h1, y, 0xC0);
        FireNewData(h0);
        FireNewData(h1);
        FireGroupUpdate(channel.OPCManager().Groups(0).DLLGroupHandle());
        korvan::forms::ProcessPendingCalls();
    }
};

TEST_F(ChannelOPCTest, TheEditorsXYChannelsSetUpTheirGroupOnInsertAndSubscribeNothing) {
    for (const std::string& library : {std::string(), korvan::testing::kFakeOPCFull}) {
        Use(library);
        auto channel = MakeChannel();
        EXPECT_TRUE(channel->OPCAutoConnect());
        channel->DoInsert();
        ASSERT_EQ(channel->OPCManager().GroupCount(), 1);
        const std::string group = channel->OPCManager().Groups(0).Name();
        EXPECT_EQ(channel->OPCItemManager().Item(0).GroupName(), group);
        EXPECT_EQ(channel->OPCItemManager().Item(1).GroupName(), group);
        EXPECT_EQ(channel->OPCItemManager().Item(0).SignalHandle(), 0);
        EXPECT_FALSE(channel->OPCActive());
        EXPECT_NO_THROW(channel->OPCActivateSuspend());
        EXPECT_NO_THROW(channel->OPCUpdateResume());
        EXPECT_EQ(channel->Count(), 0);
        if (!library.empty()) {
            const std::string log = TakeLog();
            EXPECT_EQ(log.find("SignalAdd"), std::string::npos) << log;
            EXPECT_NE(log.find("GroupAdd " + group + ",Local,,500"), std::string::npos) << log;
        }
        TearDown();
    }
}

TEST_F(ChannelOPCTest, AnXYChannelTakesXFromItemOneAndYFromItemTwoAtEachGroupUpdate) {
    Use(korvan::testing::kFakeOPCFull);
    auto channel = MakeChannel();
    channel->SetOPCServerName("Srv");
    channel->SetOPCItemName("X");
    channel->SetOPCItem2Name("Y");
    channel->SetOPCScalar2(2);
    channel->OPCActivate();
    EXPECT_TRUE(channel->OPCActive());
    FeedGroup(*channel, Integer(kOpcVtI4, -30), Real(-12.5));
    ASSERT_EQ(channel->Count(), 1);
    EXPECT_EQ(channel->GetPointX(0), -30);
    EXPECT_EQ(channel->GetPointY(0), -25);
    channel->OPCDeactivate();
    EXPECT_FALSE(channel->OPCActive());
}

TEST_F(ChannelOPCTest, AStripChartChannelStampsEachValueByItsXSource) {
    Use(korvan::testing::kFakeOPCFull);
    auto channel = MakeOn<TiPlotChannel>();
    channel->SetClock([] { return 46000.0; });
    channel->SetOPCServerName("Srv");
    channel->SetOPCItemName("Level");
    const struct {
        TiOPCXValueSourceStyle source;
        double x;
    } cases[] = {{iopcxvsOPCServerTimeStamp, 45000.5}, {iopcxvsSystemTimeStamp, 46000.0}};
    for (const auto& c : cases) {
        channel->Clear();
        channel->SetOPCXValueSource(c.source);
        channel->OPCActivate();
        EXPECT_EQ(channel->OPCItemManager().Item(1).SignalHandle(), 0); // item 0 alone
        const std::int32_t handle = channel->OPCItemManager().Item(0).SignalHandle();
        SetValue(handle, Real(3.5), 0xC0, 45000.5);
        FireNewData(handle);
        EXPECT_EQ(channel->Count(), 0); // not before the GUI thread runs it
        korvan::forms::ProcessPendingCalls();
        ASSERT_EQ(channel->Count(), 1);
        EXPECT_EQ(channel->GetPointX(0), c.x);
        EXPECT_EQ(channel->GetPointY(0), 3.5);
    }
    // X from a second item: the values make a point only at the group update.
    channel->Clear();
    channel->SetOPCItem2Name("Time");
    channel->SetOPCXValueSource(iopcxvsOPCItem);
    channel->OPCActivate();
    ASSERT_EQ(channel->OPCManager().GroupCount(), 1);
    EXPECT_EQ(channel->OPCGroupName(), channel->OPCManager().Groups(0).Name());
    EXPECT_EQ(channel->OPCItemManager().Item(1).GroupName(), channel->OPCGroupName());
    FeedGroup(*channel, Real(5), Integer(kOpcVtI2, 7));
    ASSERT_EQ(channel->Count(), 1);
    EXPECT_EQ(channel->GetPointX(0), 5);
    EXPECT_EQ(channel->GetPointY(0), 7);
}

TEST_F(ChannelOPCTest, TheOPCPropertiesStreamOnlyWhenTheyDifferFromTheirDefaults) {
    Use("");
    auto channel = MakeOn<TiPlotChannel>();
    const auto written = [](TPersistent* object) {
        korvan::forms::FormTokens tokens;
        TWriter writer(tokens);
        writer.WriteProperties(object);
        writer.WriteListEnd();
        std::string names;
        for (const auto& token : tokens)
            if (token.kind == korvan::forms::FormToken::Kind::Name && token.text.rfind("OPC", 0) == 0)
                names += token.text + " ";
        return std::make_pair(names, tokens);
    };
    EXPECT_EQ(written(channel.get()).first, "");

    channel->SetOPCGroupName("G");
    channel->SetOPCComputerName("Box");
    channel->SetOPCItemName("Tag");
    channel->SetOPCUpdateRate(250);
    channel->SetOPCOffset(-1);
    channel->SetOPCScalar2(1.5);
    channel->SetOPCAutoConnect(false);
    channel->SetOPCXValueSource(iopcxvsElapsedSeconds);
    const auto [names, tokens] = written(channel.get());
    EXPECT_EQ(names, "OPCGroupName OPCComputerName OPCItemName OPCUpdateRate OPCOffset OPCScalar2 "
                     "OPCAutoConnect OPCXValueSource ");
    auto back = MakeOn<TiPlotChannel>();
    TReader reader(tokens);
    reader.ReadProperties(back.get());
    EXPECT_EQ(back->OPCGroupName(), "G");
    EXPECT_EQ(back->OPCComputerName(), "Box");
    EXPECT_EQ(back->OPCItemName(), "Tag");
    EXPECT_EQ(back->OPCUpdateRate(), 250);
    EXPECT_EQ(back->OPCOffset(), -1);
    EXPECT_EQ(back->OPCScalar2(), 1.5);
    EXPECT_FALSE(back->OPCAutoConnect());
    EXPECT_EQ(back->OPCXValueSource(), iopcxvsElapsedSeconds);
}

} // namespace
