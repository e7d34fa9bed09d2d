#include "device/model/LUnitControl.h"
#include "tests/support/FakeUnitHost.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using korvan::test::FakeUnitHost;

class ModelAccessors : public ::testing::Test {
protected:
    FakeUnitHost host;
    LUnitControl model{host};
};

TEST_F(ModelAccessors, FreshModelShowsTheDefaults) {
    EXPECT_EQ(model.GetImage(), DefaultPresetImage());
    EXPECT_EQ(model.GetGain(0), 0);
    EXPECT_EQ(model.GetGain(4), 280);
    for (int ch = 0; ch < 12; ++ch) {
        EXPECT_EQ(model.GetLinkMask(ch), 1u << (ch < 4 ? ch : ch - 4)) << ch;
        EXPECT_EQ(model.GetLinkGroupMask(ch), model.GetLinkMask(ch)) << ch;
        EXPECT_FALSE(model.IsMuted(ch));
        EXPECT_FALSE(model.GetPolarity(ch));
        EXPECT_EQ(model.GetCrossover(ch), (CrossoverSetting{0, 300, 0, 0}));
    }
    EXPECT_EQ(model.GetPeqBand(0, 0), (PeqBand{120, 41, 35, 0}));
    EXPECT_EQ(model.GetPeqBand(11, 8), (PeqBand{120, 285, 35, 0}));
    EXPECT_EQ(model.GetGate(1), (GateSetting{0, 99, 99, 0}));
    EXPECT_EQ(model.GetComp(6), (CompSetting{0, 49, 499, 0, 220}));
    EXPECT_EQ(model.GetLimit(11), (LimitSetting{49, 499, 0, 220}));
    EXPECT_EQ(model.GetGeqBand(3, 30), 120);
    EXPECT_EQ(model.GetSourceMask(8), 1); // Out5 takes InA
    EXPECT_EQ(model.GetMixLevel(11, 3), 280);
    EXPECT_EQ(std::memcmp(model.GetChannelNameChars(2), "InC\0\0\0\0\0", 8), 0);
    EXPECT_EQ(std::memcmp(model.GetChannelNameChars(11), "Out8\0\0\0\0", 8), 0);
    EXPECT_EQ(std::memcmp(model.GetPresetNameChars(), "Default Preset", 14), 0);
    EXPECT_EQ(model.GetDelayUnit(), 0);
    EXPECT_TRUE(host.sent.empty());
}

TEST_F(ModelAccessors, MasksAreReadFromTheirOwnWords) {
    // Output mute bit 0 set, input mute word clear: IsMuted(4) reads the output word.
    model.SetMute(4, 1);
    EXPECT_TRUE(model.IsMuted(4));
    EXPECT_FALSE(model.IsMuted(0));
    model.SetPeqBypassMask(0, 0x0002);
    model.SetPeqBypassMask(4, 0x0080);
    model.SetGeqBypassMask(0x0008);
    EXPECT_EQ(model.GetPeqBypassMask(3), 0x0002);
    EXPECT_EQ(model.GetPeqBypassMask(11), 0x0080);
    EXPECT_EQ(model.GetGeqBypassMask(), 0x0008);
    EXPECT_EQ(model.GetImage().U16(1442), 0x0002);
    EXPECT_EQ(model.GetImage().U16(1444), 0x0080);
    EXPECT_EQ(model.GetImage().U16(1446), 0x0008);
}

TEST_F(ModelAccessors, DefaultsSurviveEdits) {
    model.SetPeq(5, 2, PeqBand{10, 20, 30, 4}, 0);
    model.SetGeq(1, 7, 3);
    EXPECT_EQ(model.GetDefaultPeqBand(5, 2), (PeqBand{120, 95, 35, 0}));
    EXPECT_EQ(model.GetDefaultGeqBand(1, 7), 120);
    model.LoadDefaults();
    EXPECT_EQ(model.GetImage(), DefaultPresetImage());
}

TEST_F(ModelAccessors, PresetUsedFlags) {
    EXPECT_FALSE(model.IsPresetUsed(4));
    model.MarkPresetUsed(4);
    EXPECT_TRUE(model.IsPresetUsed(4));
    EXPECT_THROW(model.MarkPresetUsed(20), std::out_of_range);
}

TEST_F(ModelAccessors, LinkGroupOfLeaderMemberAndOrphan) {
    // InA leads InA + InC; InC is a member (mask 0); InD has mask 0 and no leader.
    model.SetLinkMask(0, 0b0101);
    model.SetLinkMask(2, 0);
    model.SetLinkMask(3, 0);
    EXPECT_EQ(model.GetLinkGroupMask(0), 0b0101);
    EXPECT_EQ(model.GetLinkGroupMask(2), 0b0101);
    EXPECT_EQ(model.GetLinkGroupMask(1), 0b0010);
    EXPECT_EQ(model.GetLinkGroupMask(3), 0b1000);
    // Outputs count their bits within the outputs.
    model.SetLinkMask(5, 0b1110);
    model.SetLinkMask(6, 0);
    EXPECT_EQ(model.GetLinkGroupMask(6), 0b1110);
}

} // namespace
