// Level readings on the main window's meters, found by name on a board that
// holds all 81 as the window's builder places them: which meter shows which
// channel, the compressor and limiter indicators, the dynamics pages' own
// meters, a missing meter, and clearing.

#include "ui/main/LevelMeters.h"
#include "tests/support/SimUnit.h"
#include "tests/support/gui/GuiHarness.h"
#include "ui/curves/LProgressBar.h"
#include "ui/main/MeterPlacement.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

using namespace korvan;
using korvan::testing::GuiTest;

namespace {

// A level of `db` as the unit sends it.
float Level(double db) {
    return static_cast<float>(std::pow(10.0, db / 20.0));
}

class LevelMetersTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        board = std::make_unique<TForm>(nullptr);
        forms::LoadScope scope(board.get());
        board->SetName("fmBoard");
        PlaceLevelMeters(scope, board.get(), board.get());
        scope.Finish();
    }
    void TearDown() override {
        board.reset();
        GuiTest::TearDown();
    }
    int At(const std::string& name) const {
        auto* meter = dynamic_cast<LProgressBar*>(board->FindComponent(name));
        EXPECT_NE(meter, nullptr) << name;
        return meter ? meter->Position() : -1;
    }
    int At(const char* prefix, int channel) const { return At(MeterName(prefix, channel)); }
    void Show(const test::Bytes& payload) {
        const auto reading = DecodeLevelReply(payload);
        ASSERT_TRUE(reading);
        ShowLevels(*board, *reading, context);
    }

    std::unique_ptr<TForm> board;
    LevelMeterContext context;
};

TEST_F(LevelMetersTest, TheBuilderPlacesEightyOneMetersOfThreeKinds) {
    const std::vector<std::string> names = LevelMeterNames();
    ASSERT_EQ(names.size(), 81u);
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), 81u);
    int inputs = 0, outputs = 0, indicators = 0;
    for (const std::string& name : names) {
        auto* meter = korvan::testing::Find<LProgressBar>(board.get(), name);
        ASSERT_NE(meter, nullptr);
        EXPECT_EQ(meter->Width(), 14) << name;
        const std::string zones = std::to_string(meter->FirstNum()) + "/" +
                                  std::to_string(meter->SecondNum()) + "/" +
                                  std::to_string(meter->ThirdNum()) + " max " + std::to_string(meter->Max());
        if (zones == "1/2/6 max 9")
            ++inputs;
        else if (zones == "1/3/4 max 8")
            ++outputs;
        else if (zones == "0/1/0 max 1" && meter->SecondColor() == 20123 && meter->LSecondColor() == 4629503)
            ++indicators;
        else
            ADD_FAILURE() << name << " " << zones;
    }
    EXPECT_EQ(inputs, 13);
    EXPECT_EQ(outputs, 34);
    EXPECT_EQ(indicators, 34);
}

struct ChannelCase {
    int channel;
    double db;
    int segments;
};

TEST_F(LevelMetersTest, EachChannelsLevelReachesEveryMeterOfThatChannel) {
    using namespace meter_names;
    const ChannelCase cases[] = {{0, -70, 0}, {1, -50, 2}, {2, -12, 6}, {3, 3, 9},
                                 {4, -70, 0}, {5, -30, 2}, {6, -12, 5}, {7, -1, 7},
                                 {8, 1, 8},   {9, -21, 3}, {10, -5, 6}, {11, -50, 1}};
    std::array<float, 12> levels{};
    for (const ChannelCase& c : cases)
        levels[std::size_t(c.channel)] = Level(c.db);
    Show(test::SimUnit::LevelPayload(levels, 0));
    for (const ChannelCase& c : cases) {
        SCOPED_TRACE(c.channel);
        if (c.channel < 4) {
            for (const char* prefix : {LevelIn, LevelBackupIn, LevelGateIn})
                EXPECT_EQ(At(prefix, c.channel), c.segments) << prefix;
        } else {
            for (const char* prefix : {LevelOut, LevelBackupOut, LevelCompOut, LevelLimitOut})
                EXPECT_EQ(At(prefix, c.channel), c.segments) << prefix;
        }
    }
    // The pages' own meters show the channels they are set to: InA on the
    // gate page, Out1 on the compressor and limiter pages.
    EXPECT_EQ(At(LevelGateIn), 0);
    EXPECT_EQ(At(LevelCompOut), 0);
    EXPECT_EQ(At(LevelLimitOut), 0);
    context.gatePageChannel = 3;
    context.compPageChannel = 8;
    context.limitPageChannel = 10;
    Show(test::SimUnit::LevelPayload(levels, 0));
    EXPECT_EQ(At(LevelGateIn), 9);
    EXPECT_EQ(At(LevelCompOut), 8);
    EXPECT_EQ(At(LevelLimitOut), 6);
}

TEST_F(LevelMetersTest, TheMetersTakeTheBytesOfTheReplyAsTheUnitSendsThem) {
    using namespace meter_names;
    test::Bytes payload(LevelReplySize, 0);
    // 0x00 0x3F 0x80 (-5.99 dB) for InB and Out2.
    for (int k : {1, 5}) {
        payload[std::size_t(3 * k)] = 0x00;
        payload[std::size_t(3 * k + 1)] = 0x3F;
        payload[std::size_t(3 * k + 2)] = 0x80;
    }
    // 0x80 0x3F 0x00 (the float 0x3F800000, 1.0: 0 dB exactly) for InC and
    // Out3: one segment short of full.
    for (int k : {2, 6}) {
        payload[std::size_t(3 * k)] = 0x80;
        payload[std::size_t(3 * k + 1)] = 0x3F;
        payload[std::size_t(3 * k + 2)] = 0x00;
    }
    Show(payload);
    EXPECT_EQ(At(LevelIn, 1), 7);
    EXPECT_EQ(At(LevelOut, 5), 6);
    EXPECT_EQ(At(LevelIn, 2), 8);
    EXPECT_EQ(At(LevelOut, 6), 7);
    // Zero bytes beside them show nothing.
    EXPECT_EQ(At(LevelIn, 0), 0);
    EXPECT_EQ(At(LevelOut, 4), 0);
}

TEST_F(LevelMetersTest, CompressorActivityNeedsARatioAboveOneAndLimiterActivityNothing) {
    using namespace meter_names;
    // Every compressor and limiter bit set; outputs 2 and 5 at ratio 1:1.0.
    context.compRatioPositions = {3, 0, 1, 15, 0, 2, 2, 2};
    Show(test::SimUnit::LevelPayload({}, 0xFFFF));
    for (int n = 1; n <= 8; ++n) {
        const int k = n + 3;
        const int compressing = (n == 2 || n == 5) ? 0 : 1;
        EXPECT_EQ(At(LimitCompOut, k), compressing) << n;
        EXPECT_EQ(At(LimitBackupOut, k), compressing) << n;
        EXPECT_EQ(At(LimitLimitOut, k), 1) << n;
        // The output page's indicator is the implementer's; no reply sets it.
        EXPECT_EQ(At(LimitOut, k), 0) << n;
    }
    // The page indicators follow the output each page shows.
    context.compPageChannel = 5; // Out2, ratio 1:1.0
    context.limitPageChannel = 5;
    Show(test::SimUnit::LevelPayload({}, 0x0202));
    EXPECT_EQ(At(LimitCompOut), 0);
    EXPECT_EQ(At(LimitLimitOut), 1);
    context.compPageChannel = 6; // Out3, compressing
    Show(test::SimUnit::LevelPayload({}, 0x0404));
    EXPECT_EQ(At(LimitCompOut), 1);
    EXPECT_EQ(At(LimitLimitOut), 0); // still Out2's, which stopped limiting
    EXPECT_EQ(At(LimitLimitOut, 5), 0);
    EXPECT_EQ(At(LimitLimitOut, 6), 1);
    EXPECT_EQ(At(LimitCompOut, 6), 1);
}

TEST_F(LevelMetersTest, AMissingMeterEndsTheUpdateWhereItIsNeeded) {
    using namespace meter_names;
    delete board->FindComponent(MeterName(LevelGateIn, 1));
    std::array<float, 12> levels;
    levels.fill(Level(3));
    Show(test::SimUnit::LevelPayload(levels, 0));
    EXPECT_EQ(At(LevelGateIn, 0), 9);
    EXPECT_EQ(At(LevelGateIn), 9);
    // InB's meters before the missing one are set, everything after is not.
    EXPECT_EQ(At(LevelBackupIn, 1), 9);
    EXPECT_EQ(At(LevelIn, 1), 9);
    EXPECT_EQ(At(LevelBackupIn, 2), 0);
    EXPECT_EQ(At(LevelOut, 4), 0);
    // Clearing passes over it.
    ClearLevelMeters(*board);
    EXPECT_EQ(At(LevelIn, 1), 0);
}

TEST_F(LevelMetersTest, ClearingSetsEveryMeterToZero) {
    std::array<float, 12> levels;
    levels.fill(Level(3));
    Show(test::SimUnit::LevelPayload(levels, 0xFFFF));
    // pbLimitOut<n>, which no reply sets, is cleared too.
    korvan::testing::Find<LProgressBar>(board.get(), "pbLimitOut4")->SetPosition(1);
    ClearLevelMeters(*board);
    for (const std::string& name : LevelMeterNames())
        EXPECT_EQ(At(name), 0) << name;
    for (const std::string& name : LevelMeterNames()) {
        auto* meter = korvan::testing::Find<LProgressBar>(board.get(), name);
        for (int i = 0; i < meter->SegmentCount(); ++i)
            EXPECT_FALSE(meter->IsSegmentLit(i)) << name << " " << i;
    }
}

} // namespace
