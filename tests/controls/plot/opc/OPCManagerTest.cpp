#include "controls/plot/opc/OPCManager.h"
#include "platform/forms/Filer.h"
#include "platform/forms/GuiThread.h"
#include "tests/controls/plot/PlotTestSupport.h"
#include "tests/controls/plot/opc/OPCTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

using korvan::testing::RaisedMessage;

namespace {

class OPCManagerTest : public korvan::testing::OPCFixture {};

TEST_F(OPCManagerTest, GroupsAreMadeInTheLibraryAndTheirUpdatesArriveOnTheGuiThread) {
    Use(korvan::testing::kFakeOPCFull);
    std::vector<std::string> events;
    {
        TiOPCManager manager;
        manager.OnBeforeGroupUpdate = [&](const std::string& name) { events.push_back("before " + name); };
        manager.OnAfterGroupUpdate = [&](const std::string& name) { events.push_back("after " + name); };
        EXPECT_EQ(manager.GroupAdd("GRP", "Local", "Srv", 250), 0);
        const std::int32_t handle = manager.Groups(0).DLLGroupHandle();
        EXPECT_NE(handle, 0);
        EXPECT_EQ(TakeLog(), "GroupAdd GRP,Local,Srv,250 -> " + std::to_string(handle) + "\n");
        EXPECT_EQ(manager.GetGroupIndex("grp"), 0);
        EXPECT_EQ(manager.GetGroupIndex("other"), -1);

        FireGroupUpdate(handle);
        FireGroupUpdate(handle + 50); // a group this manager does not have
        EXPECT_TRUE(events.empty());
        korvan::forms::ProcessPendingCalls();
        EXPECT_EQ(events, (std::vector<std::string>{"before GRP", "after GRP", "before ", "after "}));

        manager.Groups(0).SetUpdateRate(100);
        manager.Groups(0).Suspend();
        EXPECT_EQ(TakeLog(), "GroupSetUpdateRate " + std::to_string(handle) + ",100\nGroupSuspend " +
                                 std::to_string(handle) + "\n");
        EXPECT_EQ(manager.ServerConnectionNames(), (std::vector<std::string>{"Server0", "Server1"}));
        FireGroupUpdate(handle);
    } // the first manager deletes its groups and says goodbye
    EXPECT_EQ(TakeLog(), "GroupDelete 1\nManagerDestroyed\n");
    korvan::forms::ProcessPendingCalls(); // the update fired before the end reaches no one
    EXPECT_EQ(events.size(), 4u);
}

TEST_F(OPCManagerTest, WithoutTheLibraryGroupsAreOnlyValuesAndCloseAllRaises) {
    Use("");
    TiOPCManager manager;
    manager.GroupAdd("A", "Local", "Srv", 500);
    EXPECT_EQ(manager.Groups(0).DLLGroupHandle(), 0);
    EXPECT_NO_THROW(manager.Groups(0).Suspend());
    EXPECT_NO_THROW(manager.Groups(0).Resume());
    EXPECT_NO_THROW(manager.Groups(0).SetUpdateRate(20));
    EXPECT_TRUE(manager.ServerConnectionNames().empty());
    EXPECT_EQ(RaisedMessage([&] { manager.CloseAllServerConnections(); }), "Tashel OPC DLL Not Found.");
    manager.GroupClear();
    EXPECT_EQ(manager.GroupCount(), 0);
}

TEST_F(OPCManagerTest, TheGroupStreamGivesBackEveryGroupAndNeedsItsMarker) {
    Use("");
    TiOPCManager manager;
    EXPECT_FALSE(manager.DoWriteToStream());
    manager.GroupAdd("A", "Box", "Srv.1", 250);
    manager.GroupAdd("B", "Local", "Srv.2", 500);
    korvan::forms::FormTokens tokens;
    TWriter writer(tokens);
    manager.WriteToStream(writer);

    TiOPCManager back;
    back.GroupAdd("old", "", "", 1);
    TReader reader(tokens);
    back.ReadFromStream(reader);
    ASSERT_EQ(back.GroupCount(), 2);
    EXPECT_EQ(back.Groups(0).Name(), "A");
    EXPECT_EQ(back.Groups(0).ComputerName(), "Box");
    EXPECT_EQ(back.Groups(0).OPCServerName(), "Srv.1");
    EXPECT_EQ(back.Groups(0).UpdateRate(), 250);
    EXPECT_EQ(back.Groups(1).Name(), "B");

    korvan::forms::FormTokens other;
    TWriter otherWriter(other);
    otherWriter.WriteListBegin();
    TReader otherReader(other);
    back.ReadFromStream(otherReader);
    EXPECT_EQ(back.GroupCount(), 0);
}

} // namespace
