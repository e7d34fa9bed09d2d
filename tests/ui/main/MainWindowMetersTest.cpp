// The real window on line with the simulated unit, whose level replies are
// scripted: the meters found by name on the window show each channel's
// level, the compressor and limiter activity and the pages' channels; a
// short reply changes nothing; off line every meter is cleared and the poll
// stops.

#include "tests/ui/main/MainWindowFixture.h"
#include "ui/curves/LProgressBar.h"
#include "ui/main/LevelMeters.h"

#include <array>
#include <cmath>

using namespace korvan;
using namespace korvan::test;

namespace {

using MainWindowMeters = MainWindowTest;
using namespace meter_names;

int At(const std::string& name) {
    auto* meter = dynamic_cast<LProgressBar*>(fmMain->FindComponent(name));
    return meter ? meter->Position() : -1;
}
int At(const char* prefix, int channel) {
    return At(MeterName(prefix, channel));
}

// dB per channel and the segments each lights.
struct Script {
    std::array<double, 12> db;
    std::array<int, 12> segments;
    std::uint16_t activity;

    Bytes Payload() const {
        std::array<float, 12> levels{};
        for (std::size_t k = 0; k < 12; ++k)
            levels[k] = static_cast<float>(std::pow(10.0, db[k] / 20.0));
        return SimUnit::LevelPayload(levels, activity);
    }
};

// Outputs 1 and 2 compressing (only Out1 has a ratio above 1:1.0), Out3
// limiting.
const Script First = {
    {-70, -50, -12, 3, -70, -30, -12, -1, 1, -21, -5, -50}, {0, 2, 6, 9, 0, 2, 5, 7, 8, 3, 6, 1}, 0x0403};
// Every channel elsewhere; Out3 compressing (1:1.0) and Out4 limiting.
const Script Second = {
    {-1, -21, -40, -60, 3, -4, -16, -26, -44, -60, -70, -2}, {8, 4, 3, 1, 8, 6, 4, 2, 2, 1, 0, 7}, 0x0804};

bool Shows(const Script& script) {
    for (int k = 0; k < 12; ++k)
        if (At(k < 4 ? LevelIn : LevelOut, k) != script.segments[std::size_t(k)])
            return false;
    return true;
}

void ExpectChannels(const Script& script) {
    for (int k = 0; k < 4; ++k)
        for (const char* prefix : {LevelIn, LevelBackupIn, LevelGateIn})
            EXPECT_EQ(At(prefix, k), script.segments[std::size_t(k)]) << MeterName(prefix, k);
    for (int k = 4; k < 12; ++k)
        for (const char* prefix : {LevelOut, LevelBackupOut, LevelCompOut, LevelLimitOut})
            EXPECT_EQ(At(prefix, k), script.segments[std::size_t(k)]) << MeterName(prefix, k);
}

TEST_F(MainWindowMeters, LevelRepliesMoveTheMetersAndOffLineTheyClear) {
    // Out1's compressor ratio above 1:1.0 in the unit, read with the rest.
    Bytes image = unit.Image();
    image[sim_image::Comp(4)] = 3;
    unit.SetImage(image);
    unit.SetLevels(First.Payload());
    ASSERT_TRUE(ConnectToUnit());
    ASSERT_TRUE(fmMain->Connection().IsLevelPollRunning());
    ASSERT_TRUE(pump.RunUntil([] { return Shows(First); }));
    ExpectChannels(First);
    for (int k = 4; k < 12; ++k) {
        EXPECT_EQ(At(LimitCompOut, k), k == 4 ? 1 : 0) << k;
        EXPECT_EQ(At(LimitBackupOut, k), k == 4 ? 1 : 0) << k;
        EXPECT_EQ(At(LimitLimitOut, k), k == 6 ? 1 : 0) << k;
    }
    // The pages show InA and Out1.
    EXPECT_EQ(At(LevelGateIn), 0);
    EXPECT_EQ(At(LevelCompOut), 0);
    EXPECT_EQ(At(LimitCompOut), 1);
    EXPECT_EQ(At(LevelLimitOut), 0);
    EXPECT_EQ(At(LimitLimitOut), 0);
    const std::string path =
        korvan::testing::SavePng(korvan::testing::Grab(fmMain->rzgParamGain), "gain-page-meters");
    SCOPED_TRACE(path);

    // The pages switched to other channels follow them from the next reply.
    fmMain->GatePageChannel = 2;
    fmMain->CompPageChannel = 6;
    fmMain->LimitPageChannel = 7;
    unit.SetLevels(Second.Payload());
    ASSERT_TRUE(pump.RunUntil([] { return Shows(Second); }));
    ExpectChannels(Second);
    EXPECT_EQ(At(LevelGateIn), 3);
    EXPECT_EQ(At(LevelCompOut), 4);
    EXPECT_EQ(At(LimitCompOut), 0); // Out3 at 1:1.0
    EXPECT_EQ(At(LevelLimitOut), 2);
    EXPECT_EQ(At(LimitLimitOut), 1);
    EXPECT_EQ(At(LimitBackupOut, 4), 0);

    // A reply too short for its readings is passed over.
    fmMain->OnLevelMeters(Bytes(LevelReplySize - 1, 0x7F));
    ExpectChannels(Second);

    // Off line: the poll stops and every meter shows nothing.
    fmMain->rzbMenuLink->Click();
    ASSERT_TRUE(pump.RunUntil([] { return !fmMain->Connection().IsLinkOpen(); }));
    EXPECT_FALSE(fmMain->Connection().IsLevelPollRunning());
    for (const std::string& name : LevelMeterNames())
        EXPECT_EQ(At(name), 0) << name;
}

} // namespace
