#include "controls/plot/opc/OPCLibrary.h"
#include "tests/controls/plot/PlotTestSupport.h"
#include "tests/controls/plot/opc/OPCTestSupport.h"

#include <gtest/gtest.h>

using korvan::plot::opc::OPC;
using korvan::plot::opc::OPCEntry;
using korvan::plot::opc::OPCLibrary;
using korvan::plot::opc::OPCLibraryMissing;
using korvan::testing::RaisedMessage;

namespace {

class OPCLibraryTest : public korvan::testing::OPCFixture {};

TEST_F(OPCLibraryTest, WithoutTheLibraryEveryWrapperRaisesNotFoundAndTheQuietOnesAnswerNothing) {
    Use("");
    EXPECT_TRUE(OPCLibraryMissing());
    // A name that is not on the search path loads nothing and raises nothing.
    const OPCLibrary absent("libno-such-opc-client.so");
    EXPECT_FALSE(absent.Loaded());
    EXPECT_EQ(RaisedMessage([] { OPC().SignalRemove(1); }), "Tashel OPC DLL Not Found.");
    EXPECT_EQ(RaisedMessage([] { OPC().ServerConnectionGetName(0); }), "Tashel OPC DLL Not Found.");
    EXPECT_EQ(RaisedMessage([] { OPC().CloseAllServerConnections(); }), "Tashel OPC DLL Not Found.");
    EXPECT_FALSE(OPC().ManagerCreated());
    EXPECT_NO_THROW(OPC().ManagerDestroyed());
    EXPECT_EQ(OPC().GetLastCallErrorString(), "");
}

TEST_F(OPCLibraryTest, AMissingEntryPointIsNamedWithTheFileTried) {
    Use(korvan::testing::kFakeOPCPartial);
    EXPECT_FALSE(OPC().HasEntry(OPCEntry::SignalGetQuality));
    EXPECT_TRUE(OPC().HasEntry(OPCEntry::SignalGetData));
    EXPECT_FALSE(OPC().HasEntry(OPCEntry::EditorSessionStart)); // resolved by name: absent here
    EXPECT_EQ(RaisedMessage([] { OPC().SignalGetQuality(1); }),
              "Function \"SignalGetQuality\" not found in \"" + korvan::testing::kFakeOPCPartial + "\".");
    // The rest of the library works.
    EXPECT_NO_THROW(OPC().SignalResume(1));
}

TEST_F(OPCLibraryTest, TheLibrarysLastErrorTextIsRaisedAfterTheCall) {
    Use(korvan::testing::kFakeOPCFull);
    SetError("Server \"X\" refused the group");
    EXPECT_EQ(RaisedMessage([] { OPC().GroupResume(7); }), "Server \"X\" refused the group");
    EXPECT_EQ(TakeLog(), "GroupResume 7\n"); // the call was made before the error was raised
    EXPECT_NO_THROW(OPC().GroupResume(7));   // the error text was taken
}

TEST_F(OPCLibraryTest, StringsVariantsAndOutValuesCrossTheInterface) {
    Use(korvan::testing::kFakeOPCFull);
    const std::int32_t handle = OPC().SignalAdd("Local", "Srv.1", "Tag", "G", 250, true, 8, nullptr);
    EXPECT_EQ(TakeLog(), "SignalAdd Local,Srv.1,Tag,G,250,1,8 -> " + std::to_string(handle) + "\n");
    // Only the low byte of a Boolean and the low word of a quality count.
    EXPECT_TRUE(OPC().SignalGetActive(handle));
    EXPECT_FALSE(OPC().SignalGetActive(handle + 100));
    EXPECT_TRUE(OPC().SignalGetUpdateSuspended(handle));
    SetValue(handle, {kOpcVtString, {}}, 0xC0, 45000.25, "hello");
    EXPECT_EQ(OPC().SignalGetQuality(handle), 0xC0);
    EXPECT_EQ(OPC().SignalGetTimeStamp(handle), 45000.25);
    const auto text = OPC().SignalGetData(handle);
    EXPECT_EQ(text.type, kOpcVtString);
    EXPECT_EQ(std::get<std::string>(text.value), "hello");
    SetValue(handle, Integer(kOpcVtBool, -1), 0xC0);
    EXPECT_EQ(OPC().SignalGetData(handle).value, TiOPCValue(true));

    const struct {
        TiOPCValue value;
        std::string logged;
    } sent[] = {
        {TiOPCValue(std::string("on")), "type 8 on"},
        {TiOPCValue(std::int64_t{-5}), "type 3 -5"},
        {TiOPCValue(std::int64_t{1} << 40), "type 20 1099511627776"},
        {TiOPCValue(2.5), "type 5 2.500000"},
        {TiOPCValue(true), "type 11 -1"},
        {TiOPCValue(), "type 0 0"},
    };
    for (const auto& c : sent) {
        OPC().SignalSendData(handle, c.value);
        EXPECT_EQ(TakeLog(), "SignalSendData " + std::to_string(handle) + " " + c.logged + "\n");
    }
    EXPECT_EQ(OPC().ServerConnectionGetCount(), 2);
    EXPECT_EQ(OPC().ServerConnectionGetName(1), "Server1");
    EXPECT_TRUE(OPC().ManagerCreated());  // the first manager
    EXPECT_FALSE(OPC().ManagerCreated()); // not the first
}

} // namespace
