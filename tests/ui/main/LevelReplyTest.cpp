// The level reply: the float of each channel from its three bytes, the
// activity masks, the dB of a level and the segments it lights, and a reply
// too short to hold all of it.

#include "ui/main/LevelReply.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace korvan;

namespace {

std::vector<std::uint8_t> Reply(std::size_t size = LevelReplySize) {
    return std::vector<std::uint8_t>(size, 0);
}

TEST(LevelReply, EachLevelIsAFloatFromItsThreeBytesInTheUnitsOrder) {
    auto payload = Reply();
    // Channel 5 (Out2), wire bytes 0x00 0x3F 0x80: the float 0x3F008000.
    payload[15] = 0x00;
    payload[16] = 0x3F;
    payload[17] = 0x80;
    const auto reading = DecodeLevelReply(payload);
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->levels[5], 0.501953125);
    EXPECT_NEAR(LevelDb(reading->levels[5]), -5.99, 0.005);
    EXPECT_EQ(InputLevelStep(LevelDb(reading->levels[5])), 7);
    EXPECT_EQ(OutputLevelStep(LevelDb(reading->levels[5])), 6);
    // Three zero bytes are silence: 1e-7, -140 dB, nothing lit.
    EXPECT_EQ(reading->levels[0], 0.0);
    EXPECT_DOUBLE_EQ(LevelDb(0.0), -140.0);
    EXPECT_EQ(InputLevelStep(LevelDb(0.0)), 0);
    EXPECT_EQ(OutputLevelStep(LevelDb(0.0)), 0);
}

TEST(LevelReply, TheMaskHoldsCompressorsInItsLowByteAndLimitersInItsHighByte) {
    auto payload = Reply();
    payload[36] = 0x81; // outputs 1 and 8
    payload[37] = 0x02; // output 2
    const auto reading = DecodeLevelReply(payload);
    ASSERT_TRUE(reading);
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(reading->CompressorActive(n), n == 1 || n == 8) << n;
        EXPECT_EQ(reading->LimiterActive(n), n == 2) << n;
    }
}

TEST(LevelReply, AReplyShorterThanItsThirtyEightBytesIsNotRead) {
    EXPECT_FALSE(DecodeLevelReply(Reply(37)));
    EXPECT_FALSE(DecodeLevelReply(Reply(0)));
    EXPECT_TRUE(DecodeLevelReply(Reply(38)));
    // Bytes beyond the reading are not looked at.
    auto longer = Reply(40);
    longer[38] = 0xFF;
    longer[39] = 0xFF;
    ASSERT_TRUE(DecodeLevelReply(longer));
    EXPECT_EQ(DecodeLevelReply(longer)->activity, 0);
}

struct StepCase {
    double db;
    int input;
    int output;
};

TEST(LevelReply, SegmentsStepAtTheThresholdsAndLightAllOnlyAboveZeroDb) {
    const StepCase cases[] = {
        {-140.0, 0, 0}, {-65.0, 0, 0}, {-64.99, 1, 1}, {-55.0, 1, 1}, {-54.9, 2, 1}, {-45.0, 2, 1},
        {-44.9, 3, 2},  {-35.0, 3, 2}, {-30.0, 4, 2},  {-25.0, 4, 2}, {-24.9, 4, 3}, {-20.0, 4, 3},
        {-19.9, 5, 4},  {-15.0, 5, 4}, {-14.9, 6, 5},  {-10.0, 6, 5}, {-9.9, 7, 6},  {-3.0, 7, 6},
        {-2.9, 8, 7},   {0.0, 8, 7},   {0.01, 9, 8},   {20.0, 9, 8},
    };
    for (const StepCase& c : cases) {
        EXPECT_EQ(InputLevelStep(c.db), c.input) << c.db;
        EXPECT_EQ(OutputLevelStep(c.db), c.output) << c.db;
    }
}

TEST(LevelReply, ALevelThatIsNotAFinitePositiveNumberLightsEverySegment) {
    for (double level :
         {-0.5, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(InputLevelStep(LevelDb(level)), 9) << level;
        EXPECT_EQ(OutputLevelStep(LevelDb(level)), 8) << level;
    }
}

} // namespace
