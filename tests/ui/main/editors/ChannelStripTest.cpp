// Gain, polarity and mute on the channel pages and the Gain page: twins,
// mirrors over a link group, the update guard, and one record per edit.

#include "controls/panels/BmpButton.h"
#include "device/model/LUnitControl.h"
#include "device/protocol/CommandCodes.h"
#include "platform/sys/FlagScope.h"
#include "tests/ui/main/editors/EditorsSupport.h"
#include "ui/main/form/Faders.h"

#include <gtest/gtest.h>

using namespace korvan;
using namespace korvan::test;

namespace {

constexpr int InA = 0, InB = 1, Out3 = 6, Out4 = 7;

class ChannelStripTest : public EditorsTest {
protected:
    void SetUp() override {
        EditorsTest::SetUp();
        CreateWindows();
    }
    LUnitControl& Model() { return fmMain->Model(); }
    void LinkOut3AndOut4() {
        sys::FlagScope updating(fmMain->Connection().Updating);
        Model().SetLinkMask(Out3, 0b1100);
        Model().SetLinkMask(Out4, 0);
    }
    int FaderAt(const std::string& name) {
        mainform::FaderRange range;
        EXPECT_TRUE(mainform::ReadFaderRange(Control<TControl>(name), range)) << name;
        return range.position;
    }
    void MoveFader(const std::string& name, int position) {
        ASSERT_TRUE(mainform::SetFaderPosition(Control<TControl>(name), position));
        ProcessEvents();
    }
    std::string Text(const std::string& name) { return Control<TControl>(name)->Text(); }
    TRzBmpButton* Button(const std::string& name) { return Control<TRzBmpButton>(name); }
};

TEST_F(ChannelStripTest, GainPositionsReachTheModelAndTheReadOuts) {
    struct Case {
        int v;
        const char* text;
        int stored;
    };
    const Case cases[] = {{-280, "-60.0dB", 0},  {-279, "-59.5dB", 1},  {-201, "-20.5dB", 79},
                          {-200, "-20.0dB", 80}, {-199, "-19.9dB", 81}, {-1, "-0.1dB", 279},
                          {0, "+0.0dB", 280},    {120, "+12.0dB", 400}};
    for (const Case& c : cases) {
        MoveFader("isGainInB", c.v);
        EXPECT_EQ(Model().GetGain(InB), c.stored) << c.v;
        EXPECT_EQ(Text("cvdGainInB"), c.text);
        EXPECT_EQ(Text("cvdGainBackupInB"), c.text);
        EXPECT_EQ(FaderAt("isGainBackupInB"), c.v);
    }
}

TEST_F(ChannelStripTest, TheGainPageFaderMovesEveryCopyOfTheGroupAndSendsOnce) {
    GoOnline();
    LinkOut3AndOut4();
    MoveFader("isGainBackupOut3", -201);
    for (const char* name : {"isGainOut3", "isGainBackupOut3", "isGainOut4", "isGainBackupOut4"})
        EXPECT_EQ(FaderAt(name), -201) << name;
    for (const char* name : {"cvdGainOut3", "cvdGainBackupOut3", "cvdGainOut4", "cvdGainBackupOut4"})
        EXPECT_EQ(Text(name), "-20.5dB") << name;
    EXPECT_EQ(Model().GetGain(Out4), 79);
    EXPECT_FALSE(fmMain->Connection().Updating);
    ASSERT_TRUE(Delivered(MCS_GAIN, 1));
    const auto frames = FramesOf(MCS_GAIN);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].payload, (Bytes{Out3, 79, 0}));
}

TEST_F(ChannelStripTest, AFaderMovedDuringARefreshStoresNothing) {
    {
        sys::FlagScope updating(fmMain->Connection().Updating);
        MoveFader("isGainOut4", 50);
    }
    EXPECT_EQ(Model().GetGain(Out4), 280);
    EXPECT_EQ(FaderAt("isGainBackupOut4"), 0);
}

TEST_F(ChannelStripTest, PolarityOfAMemberShowsOnEveryCopyOfItsGroup) {
    GoOnline();
    {
        sys::FlagScope updating(fmMain->Connection().Updating);
        Model().SetLinkMask(InA, 0b0011);
        Model().SetLinkMask(InB, 0);
    }
    input.Click(Control<TControl>("rzbMenuGain"));
    ProcessEvents();
    input.Click(Button("rzbPhaseBackupInB"));
    ProcessEvents();
    for (const char* name : {"rzbPhaseInA", "rzbPhaseBackupInA", "rzbPhaseInB", "rzbPhaseBackupInB"}) {
        EXPECT_TRUE(Button(name)->Down()) << name;
        EXPECT_EQ(Button(name)->Caption(), "Inverse") << name;
    }
    EXPECT_TRUE(Model().GetPolarity(InA));
    EXPECT_TRUE(Model().GetPolarity(InB));
    input.Click(Button("rzbPhaseBackupInB"));
    ProcessEvents();
    EXPECT_FALSE(Button("rzbPhaseBackupInA")->Down());
    EXPECT_EQ(Button("rzbPhaseBackupInA")->Caption(), "Normal");
    ASSERT_TRUE(Delivered(MCS_POLARITY, 2));
    const auto frames = FramesOf(MCS_POLARITY);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].payload, (Bytes{InB, 1}));
    EXPECT_EQ(frames[1].payload, (Bytes{InB, 0}));
}

TEST_F(ChannelStripTest, MuteOnTheGainPageMutesTheGroupAndShowsAsAPicture) {
    GoOnline();
    LinkOut3AndOut4();
    input.Click(Control<TControl>("rzbMenuGain"));
    ProcessEvents();
    input.Click(Button("rzbMuteBackupOut4"));
    ProcessEvents();
    for (const char* name : {"rzbMuteOut3", "rzbMuteBackupOut3", "rzbMuteOut4", "rzbMuteBackupOut4"})
        EXPECT_TRUE(Button(name)->Down()) << name;
    EXPECT_TRUE(Model().IsMuted(Out3));
    MoveFader("isGainBackupOut4", 60);
    input.Click(Button("rzbPhaseBackupInA"));
    ProcessEvents();
    ASSERT_TRUE(Delivered(MCS_MUTE, 1));
    EXPECT_EQ(FramesOf(MCS_MUTE)[0].payload, (Bytes{Out4, 1}));
    const std::string path = korvan::testing::SavePng(korvan::testing::Grab(fmMain), "editors-gain-strips");
    EXPECT_FALSE(path.empty());
}

} // namespace
