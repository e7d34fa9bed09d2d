// The typed mix gain: every spelling of the unit, the tenths cut, the
// half-dB grid below -20 dB, the range ends and the texts that are no gain.

#include "ui/main/editors/MixGainEntry.h"
#include "device/protocol/ValueScales.h"

#include <optional>

#include <gtest/gtest.h>

using korvan::editors::ReadMixGainEntry;

namespace {

TEST(MixGainEntry, ReadsTypedGainsAsUpDownPositions) {
    struct Case {
        const char* text;
        std::optional<int> position;
    };
    const Case cases[] = {
        {"-3", -30},
        {"-3.25dB", -32},
        {"-3DB", -30},
        {"-3db", -30},
        {"-3Db", -30},
        {"-.5", -5},
        {"-20", -200},
        {"-20.3", -200},
        {"-20.5", -201},
        {"-20.7", -201},
        {"-25.2", -210},
        {"-25.7", -211},
        {"-25.5", -211},
        {"-60", -280},
        {"-60.7", -280},
        {"-75", -280},
        {"6", 0},
        {"+0.4", 0},
        {".5", 0},
        {"0", 0},
        {"-0.04", 0},
        {"-0", 0},
        {"+3dB", 0},
        {"-19.99", -199},
        {"-59.6", -279},
        {"-3DBdB", -30}, // each spelling found cuts two more characters
        {"-99999999999999999999", -280},
        {"99999999999999999999", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadMixGainEntry(c.text), c.position) << c.text;
}

TEST(MixGainEntry, RejectsTextsThatAreNoGain) {
    for (const char* text :
         {"",    "-",    ".",   "dB",  "-dB", "-3 dB", "-3dBdB", "12.", "-.",  "1.2.3",    "--3",
          "abc", "-3,5", "3e1", "+-3", "5-",  "3-.5",  "+",      "++3", "-+3", "\xC2\xB0", "-3\n"})
        EXPECT_EQ(ReadMixGainEntry(text), std::nullopt) << text;
}

TEST(MixGainEntry, EveryShownGainReadsBackAsItsPosition) {
    for (int p = -280; p <= 0; ++p)
        EXPECT_EQ(ReadMixGainEntry(FormatMixGain(p)), p) << FormatMixGain(p);
}

} // namespace
