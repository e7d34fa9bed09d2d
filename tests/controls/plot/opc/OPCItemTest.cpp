#include "controls/plot/opc/OPCItemManager.h"
#include "platform/forms/Filer.h"
#include "platform/forms/GuiThread.h"
#include "tests/controls/plot/PlotTestSupport.h"
#include "tests/controls/plot/opc/OPCTestSupport.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

using korvan::plot::opc::ScaleOPCValue;

namespace {

class OPCItemTest : public korvan::testing::OPCFixture {
protected:
    std::vector<int> newData;
    bool designing = false;
    TTypeKind kind = tkFloat;

    std::unique_ptr<TiOPCItemManager> MakeManager() {
        korvan::plot::OPCItemListHost host;
        host.getDesigning = [this] { return designing; };
        host.newData = [this](int index) { newData.push_back(index); };
        host.getType = [this](const std::string&) { return kind; };
        return std::make_unique<TiOPCItemManager>(host);
    }
    // An item ready to subscribe.
    static TiOPCItem& Ready(TiOPCItemManager& manager) {
        TiOPCItem& item = manager.Item(manager.Add());
        item.SetPropertyName("Data");
        item.SetServerName("Srv");
        item.SetItemName("Tag");
        return item;
    }
};

TEST_F(OPCItemTest, ActivateSubscribesOnlyAFullyNamedItemOutsideDesignTime) {
    Use(korvan::testing::kFakeOPCFull);
    auto manager = MakeManager();
    const struct {
        const char* property;
        const char* group;
        const char* server;
        const char* item;
        bool design;
        bool subscribes;
    } cases[] = {
        {"Data", "", "Srv", "Tag", false, true}, {"Data", "G", "", "Tag", false, true},
        {"Data", "", "", "Tag", false, false},   {"Data", "G", "Srv", "  ", false, false},
        {" ", "G", "Srv", "Tag", false, false},  {"Data", "G", "Srv", "Tag", true, false},
    };
    for (const auto& c : cases) {
        TiOPCItem& item = manager->Item(manager->Add());
        item.SetPropertyName(c.property);
        item.SetGroupName(c.group);
        item.SetServerName(c.server);
        item.SetItemName(c.item);
        designing = c.design;
        item.Activate();
        EXPECT_EQ(item.SignalHandle() != 0, c.subscribes) << c.property << "|" << c.group << "|" << c.server;
        EXPECT_EQ(item.Active(), c.subscribes);
        designing = false;
    }
    TakeLog();
    // Handle 0 is no subscription: deactivating it calls nothing.
    manager->Item(2).Deactivate();
    EXPECT_EQ(TakeLog(), "");
}

TEST_F(OPCItemTest, ActivatingAgainReplacesTheSubscriptionAndTextPropertiesAskForText) {
    Use(korvan::testing::kFakeOPCFull);
    kind = tkLString;
    auto manager = MakeManager();
    TiOPCItem& item = Ready(*manager);
    item.ActivateSuspend();
    const std::int32_t first = item.SignalHandle();
    EXPECT_EQ(TakeLog(), "SignalAdd Local,Srv,Tag,,500,1,8 -> " + std::to_string(first) + "\n");
    EXPECT_TRUE(item.UpdateSuspended());
    item.SetUpdateRate(100); // an active item takes a new rate at once
    EXPECT_EQ(TakeLog(), "SignalRemove " + std::to_string(first) + "\nSignalAdd Local,Srv,Tag,,100,0,8 -> " +
                             std::to_string(item.SignalHandle()) + "\n");
    EXPECT_FALSE(item.UpdateSuspended());
    manager.reset(); // the item goes and takes its subscription with it
    EXPECT_EQ(TakeLog().rfind("SignalRemove ", 0), 0u);
}

TEST(OPCScaling, IntegersRoundHalfToEvenAndSaturateFloatsScaleAndOtherTypesStay) {
    const double kMax = std::numeric_limits<std::int32_t>::max();
    const struct {
        std::uint16_t type;
        TiOPCValue in;
        double scalar, offset;
        TiOPCValue out;
    } cases[] = {
        {kOpcVtI4, std::int64_t{3}, 2, 0.5, std::int64_t{6}}, // round(6.5) is 6
        {kOpcVtR8, 3.0, 2, 0.5, 6.5},
        {kOpcVtI2, std::int64_t{5}, 0, 0.5, std::int64_t{6}}, // round(5.5) is 6
        {kOpcVtUI1, std::int64_t{7}, 0, 0, std::int64_t{7}},
        {kOpcVtI8, std::int64_t{1} << 40, 1, 0, std::int64_t(kMax)},
        {kOpcVtI8, -(std::int64_t{1} << 40), 0, -1, std::int64_t{std::numeric_limits<std::int32_t>::min()}},
        {kOpcVtR4, 1.5, -2, 0, -3.0},
        {kOpcVtBool, true, 2, 1, true},
        {kOpcVtString, std::string("12"), 2, 1, std::string("12")},
        {kOpcVtUI8, std::int64_t{4}, 2, 0, std::int64_t{4}}, // not among the scaled types
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScaleOPCValue(c.type, c.in, c.scalar, c.offset), c.out) << "type " << c.type;
}

TEST_F(OPCItemTest, NewDataFromTheLibrarysThreadReachesTheItemOnlyOnTheGuiThread) {
    Use(korvan::testing::kFakeOPCFull);
    auto manager = MakeManager();
    manager->Add();
    TiOPCItem& item = Ready(*manager);
    item.SetScalar(2);
    item.SetOffset(0.5);
    item.Activate();
    SetValue(item.SignalHandle(), Integer(kOpcVtI4, 3), 0xC0, 45000.5);
    FireNewData(item.SignalHandle());
    EXPECT_EQ(item.Data(), TiOPCValue()); // nothing touched from the library's thread
    EXPECT_TRUE(newData.empty());
    korvan::forms::ProcessPendingCalls();
    EXPECT_EQ(item.Data(), TiOPCValue(std::int64_t{6}));
    EXPECT_EQ(item.TimeStamp(), 45000.5);
    EXPECT_TRUE(item.QualityGood());
    EXPECT_EQ(newData, std::vector<int>{1});

    // Bad quality: stored as it came, still reported.
    SetValue(item.SignalHandle(), Real(3.0), 0x40);
    FireNewData(item.SignalHandle());
    korvan::forms::ProcessPendingCalls();
    EXPECT_EQ(item.Data(), TiOPCValue(3.0));
    EXPECT_FALSE(item.QualityGood());
    EXPECT_EQ(newData, (std::vector<int>{1, 1}));

    // GetDataNow reads without scaling and without events.
    SetValue(item.SignalHandle(), Integer(kOpcVtI4, 3), 0xD8);
    std::uint16_t quality = 0;
    EXPECT_EQ(item.GetDataNow(quality), TiOPCValue(std::int64_t{3}));
    EXPECT_EQ(quality, 0xD8);
    EXPECT_EQ(newData.size(), 2u);
}

TEST_F(OPCItemTest, ACallbackTheLibraryStillHoldsOutlivesItsItemAndTouchesNothing) {
    Use(korvan::testing::kFakeOPCFull);
    auto manager = MakeManager();
    TiOPCItem& item = Ready(*manager);
    item.Activate();
    Control<void (*)(std::int32_t)>("FakeHoldCallback")(item.SignalHandle());
    manager.reset();
    Control<void (*)()>("FakeFireHeld")();
    korvan::forms::ProcessPendingCalls();
    EXPECT_TRUE(newData.empty());
    EXPECT_EQ(Control<std::uint32_t (*)()>("FakeReleaseHeld")(), 0u); // the last reference frees it
}

TEST_F(OPCItemTest, WithoutTheLibraryItemsExistAndDoNothing) {
    Use("");
    auto manager = MakeManager();
    TiOPCItem& item = Ready(*manager);
    item.SetGroupName("G");
    item.Activate();
    item.ActivateSuspend();
    item.UpdateSuspend();
    item.UpdateResume();
    item.SetData(TiOPCValue(1.0));
    item.Loaded();
    std::uint16_t quality = 7;
    EXPECT_EQ(item.GetDataNow(quality), TiOPCValue());
    EXPECT_EQ(quality, 7);
    EXPECT_FALSE(item.Active());
    EXPECT_FALSE(item.UpdateSuspended());
    EXPECT_EQ(item.SignalHandle(), 0);
    manager->Delete(0);
    EXPECT_EQ(manager->Count(), 0);
}

TEST_F(OPCItemTest, TheItemStreamGivesBackEveryStoredPropertyAndNeedsItsMarker) {
    Use("");
    auto manager = MakeManager();
    TiOPCItem& item = Ready(*manager);
    item.SetComputerName("Box");
    item.SetScalar(1.5);
    item.SetUpdateRate(250);
    item.SetAutoConnect(false);
    item.SetAutoError(true);
    manager->Add();
    EXPECT_TRUE(manager->DoWriteToStream());
    korvan::forms::FormTokens tokens;
    TWriter writer(tokens);
    manager->WriteToStream(writer);

    auto back = MakeManager();
    TReader reader(tokens);
    back->ReadFromStream(reader);
    ASSERT_EQ(back->Count(), 2);
    const TiOPCItem& copy = back->Item(0);
    EXPECT_EQ(copy.PropertyName(), "Data");
    EXPECT_EQ(copy.ServerName(), "Srv");
    EXPECT_EQ(copy.ItemName(), "Tag");
    EXPECT_EQ(copy.ComputerName(), "Box");
    EXPECT_EQ(copy.Scalar(), 1.5);
    EXPECT_EQ(copy.UpdateRate(), 250);
    EXPECT_FALSE(copy.AutoConnect());
    EXPECT_TRUE(copy.AutoError());
    EXPECT_EQ(back->Item(1).ComputerName(), "Local");

    korvan::forms::FormTokens other;
    TWriter otherWriter(other);
    otherWriter.WriteListBegin();
    otherWriter.WriteListEnd();
    TReader otherReader(other);
    back->ReadFromStream(otherReader);
    EXPECT_EQ(back->Count(), 0);
    EXPECT_THROW(back->Item(0), Exception);
}

} // namespace
