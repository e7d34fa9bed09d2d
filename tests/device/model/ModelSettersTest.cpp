#include "device/model/LUnitControl.h"
#include "tests/support/FakeUnitHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace {

using korvan::test::FakeUnitHost;
using Payload = std::vector<std::uint8_t>;

constexpr bool kReplaceable = false;
constexpr bool kAppended = true;

struct SetterCase {
    const char* name;
    std::function<void(LUnitControl&)> call;
    std::uint8_t code;
    Payload payload;
    bool append;
    std::function<bool(const LUnitControl&)> stored; // the image took the value
    int overlay;                                     // channel marked, or -1
};

const std::vector<SetterCase>& Cases() {
    static const std::vector<SetterCase> cases = {
        {"SetGain",
         [](auto& m) { m.SetGain(4, 300); },
         0x34,
         {4, 0x2C, 0x01},
         kReplaceable,
         [](auto& m) { return m.GetGain(4) == 300; },
         -1},
        {"SetDelay",
         [](auto& m) { m.SetDelay(2, 0x1234); },
         0x38,
         {2, 0x34, 0x12},
         kReplaceable,
         [](auto& m) { return m.GetDelay(2) == 0x1234; },
         -1},
        {"SetPolarity",
         [](auto& m) { m.SetPolarity(5, 5); },
         0x36,
         {5, 1},
         kReplaceable,
         [](auto& m) { return m.GetImage().U16(korvan::layout::PolarityOffset(5)) == 5; },
         -1},
        {"SetMute",
         [](auto& m) { m.SetMute(6, 1); },
         0x35,
         {6, 1},
         kReplaceable,
         [](auto& m) { return m.GetImage().U16(1410) == 0b100 && m.GetImage().U16(1408) == 0; },
         -1},
        {"SetPeq",
         [](auto& m) {
             m.SetPeq(0, 3, PeqBand{100, 170, 50, 2}, 1);
         },
         0x33,
         {0, 3, 100, 0, 170, 0, 50, 2, 1},
         kReplaceable,
         [](auto& m) {
             return m.GetPeqBand(0, 3) == PeqBand{100, 170, 50, 2} && m.IsPeqBandBypassed(0, 3);
         },
         0},
        {"SetGeq",
         [](auto& m) { m.SetGeq(2, 30, 200); },
         0x48,
         {2, 30, 200, 0},
         kReplaceable,
         [](auto& m) { return m.GetGeqBand(2, 30) == 200; },
         2},
        {"SetHighPass",
         [](auto& m) {
             m.SetHighPass(7, CrossoverSetting{150, 200, 3, 4});
         },
         0x32,
         {7, 150, 0, 3},
         kReplaceable,
         [](auto& m) {
             return m.GetCrossover(7) == CrossoverSetting{150, 300, 3, 0};
         },
         7},
        {"SetLowPass",
         [](auto& m) {
             m.SetLowPass(7, CrossoverSetting{150, 0x123, 3, 4});
         },
         0x31,
         {7, 0x23, 0x01, 4},
         kReplaceable,
         [](auto& m) {
             return m.GetCrossover(7) == CrossoverSetting{0, 0x123, 0, 4};
         },
         7},
        {"SetComp",
         [](auto& m) {
             m.SetComp(11, CompSetting{3, 10, 0x100, 6, 200});
         },
         0x30,
         {11, 3, 0, 10, 0, 0, 1, 6, 0, 200, 0},
         kReplaceable,
         [](auto& m) {
             return m.GetComp(11) == CompSetting{3, 10, 0x100, 6, 200};
         },
         -1},
        {"SetLimit",
         [](auto& m) {
             m.SetLimit(8, LimitSetting{1, 2, 3, 4});
         },
         0x3F,
         {8, 1, 0, 2, 0, 3, 0, 4, 0},
         kReplaceable,
         [](auto& m) {
             return m.GetLimit(8) == LimitSetting{1, 2, 3, 4};
         },
         -1},
        {"SetGate",
         [](auto& m) {
             m.SetGate(3, GateSetting{5, 6, 7, 8});
         },
         0x3E,
         {3, 5, 0, 6, 0, 7, 0, 8, 0},
         kReplaceable,
         [](auto& m) {
             return m.GetGate(3) == GateSetting{5, 6, 7, 8};
         },
         -1},
        {"SetMatrix",
         [](auto& m) { m.SetMatrix(5, 2, 1); },
         0x3A,
         {5, 0b0110},
         kReplaceable,
         [](auto& m) { return m.GetSourceMask(5) == 0b0110; },
         -1},
        {"SetMix",
         [](auto& m) { m.SetMix(9, 3, 100); },
         0x41,
         {9, 3, 100, 0},
         kReplaceable,
         [](auto& m) { return m.GetMixLevel(9, 3) == 100; },
         -1},
        {"SetDelayUnit",
         [](auto& m) { m.SetDelayUnit(2); },
         0x15,
         {2},
         kReplaceable,
         [](auto& m) { return m.GetDelayUnit() == 2; },
         -1},
        {"SetLinkMask",
         [](auto& m) { m.SetLinkMask(4, 0x0103); },
         0x3B,
         {4, 0x03},
         kAppended,
         [](auto& m) { return m.GetLinkMask(4) == 0x0103; },
         -1},
        {"SetChName",
         [](auto& m) { m.SetChName(10, "Sub\0\0\0\0\0"); },
         0x3D,
         {10, 'S', 'u', 'b', 0, 0, 0, 0, 0},
         kAppended,
         [](auto& m) { return std::memcmp(m.GetChannelNameChars(10), "Sub\0\0\0\0\0", 8) == 0; },
         -1},
    };
    return cases;
}

class ModelSetters : public ::testing::Test {
protected:
    void SetUp() override { host.unitId = 7; }
    FakeUnitHost host;
    LUnitControl model{host};
};

TEST_F(ModelSetters, EachSetterStoresAndSendsItsRecord) {
    for (const SetterCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        model.LoadDefaults();
        host.Clear();
        c.call(model);
        EXPECT_TRUE(c.stored(model));
        ASSERT_EQ(host.sent.size(), 1u);
        EXPECT_EQ(host.sent[0].id, 7);
        EXPECT_EQ(host.sent[0].code, c.code);
        EXPECT_EQ(host.sent[0].payload, c.payload);
        EXPECT_EQ(host.sent[0].append, c.append);
        EXPECT_EQ(host.overlayMarks, c.overlay < 0 ? std::vector<int>{} : std::vector<int>{c.overlay});
    }
}

TEST_F(ModelSetters, UpdateGuardStoresWithoutSendingButStillMarksOverlays) {
    host.updating = true;
    for (const SetterCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        model.LoadDefaults();
        host.Clear();
        c.call(model);
        EXPECT_TRUE(c.stored(model));
        EXPECT_TRUE(host.sent.empty());
        EXPECT_EQ(host.overlayMarks, c.overlay < 0 ? std::vector<int>{} : std::vector<int>{c.overlay});
    }
}

TEST_F(ModelSetters, BypassMaskSettersStoreOnly) {
    model.SetPeqBypassMask(6, 0x04);
    model.SetGeqBypassMask(0x01);
    EXPECT_EQ(model.GetPeqBypassMask(6), 0x04);
    EXPECT_EQ(model.GetGeqBypassMask(), 0x01);
    EXPECT_TRUE(host.sent.empty());
}

TEST_F(ModelSetters, LeaderEditWritesItsGroupAndSendsOneRecord) {
    model.SetLinkMask(0, 0b0101); // InA leads InA + InC
    model.SetLinkMask(2, 0);
    host.Clear();
    model.SetGain(0, 350);
    EXPECT_EQ(model.GetGain(0), 350);
    EXPECT_EQ(model.GetGain(1), 0);
    EXPECT_EQ(model.GetGain(2), 350);
    EXPECT_EQ(model.GetGain(3), 0);
    ASSERT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.sent[0].payload[0], 0);
}

TEST_F(ModelSetters, MemberEditWritesTheGroupItsLeaderHolds) {
    model.SetLinkMask(0, 0b0101);
    model.SetLinkMask(2, 0);
    host.Clear();
    model.SetPeq(2, 1, PeqBand{99, 150, 20, 1}, 1);
    for (int ch : {0, 2}) {
        EXPECT_EQ(model.GetPeqBand(ch, 1), (PeqBand{99, 150, 20, 1})) << ch;
        EXPECT_TRUE(model.IsPeqBandBypassed(ch, 1)) << ch;
    }
    EXPECT_EQ(model.GetPeqBand(1, 1), model.GetDefaultPeqBand(1, 1));
    EXPECT_FALSE(model.IsPeqBandBypassed(1, 1));
    ASSERT_EQ(host.sent.size(), 1u);
    EXPECT_EQ(host.sent[0].payload[0], 2);
    EXPECT_EQ(host.overlayMarks, std::vector<int>{2});

    // Clearing the bypass bit clears it over the group again.
    model.SetPeq(0, 1, PeqBand{99, 150, 20, 1}, 0);
    EXPECT_FALSE(model.IsPeqBandBypassed(2, 1));
}

TEST_F(ModelSetters, OrphanMemberStillChangesItself) {
    model.SetLinkMask(3, 0); // no leader holds InD's bit
    model.SetDelay(3, 960);
    EXPECT_EQ(model.GetDelay(3), 960);
    EXPECT_EQ(model.GetDelay(2), 0);
}

TEST_F(ModelSetters, MuteFollowsTheGroupInTheKindsMask) {
    model.SetLinkMask(1, 0b1010); // InB leads InB + InD
    model.SetLinkMask(3, 0);
    for (int i = 0; i < 4; ++i)
        model.SetMute(i, 1);
    EXPECT_EQ(model.GetImage().U16(1408), 0x0F);
    model.SetMute(1, 0);
    EXPECT_EQ(model.GetImage().U16(1408), 0b0101);
    EXPECT_EQ(model.GetImage().U16(1410), 0);
}

TEST_F(ModelSetters, OutputGroupsCountWithinTheOutputs) {
    model.SetLinkMask(4, 0b0011); // Out1 leads Out1 + Out2
    model.SetLinkMask(5, 0);
    const CompSetting comp{2, 20, 200, 3, 150};
    model.SetComp(5, comp);
    EXPECT_EQ(model.GetComp(4), comp);
    EXPECT_EQ(model.GetComp(5), comp);
    EXPECT_EQ(model.GetComp(6), model.GetComp(11));
    model.SetLimit(4, LimitSetting{9, 9, 9, 9});
    EXPECT_EQ(model.GetLimit(5), (LimitSetting{9, 9, 9, 9}));
}

TEST_F(ModelSetters, RoutingNamesAndLinkMasksAreNotSpreadOverGroups) {
    model.SetLinkMask(4, 0b0011);
    model.SetLinkMask(5, 0);
    model.SetMatrix(5, 2, 1);
    model.SetMix(5, 0, 10);
    model.SetChName(5, "Mid\0\0\0\0\0");
    EXPECT_EQ(model.GetSourceMask(4), 0b0001);
    EXPECT_EQ(model.GetSourceMask(5), 0b0110);
    EXPECT_EQ(model.GetMixLevel(4, 0), 280);
    EXPECT_EQ(model.GetMixLevel(5, 0), 10);
    EXPECT_EQ(std::memcmp(model.GetChannelNameChars(4), "Out1", 4), 0);
    EXPECT_EQ(model.GetLinkMask(4), 0b0011);
}

TEST_F(ModelSetters, OutOfRangeArgumentsChangeAndSendNothing) {
    model.SetGain(12, 1);
    model.SetGain(-1, 1);
    model.SetPeq(0, 8, PeqBand{}, 0); // inputs have bands 0..7
    model.SetGeq(4, 0, 1);            // outputs have no graphic EQ
    model.SetGeq(0, 31, 1);
    model.SetComp(3, CompSetting{});
    model.SetGate(4, GateSetting{});
    model.SetMatrix(5, 4, 1);
    model.SetChName(2, nullptr);
    EXPECT_EQ(model.GetImage(), DefaultPresetImage());
    EXPECT_TRUE(host.sent.empty());
}

} // namespace
