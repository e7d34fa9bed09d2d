// The level reply: any payload is read only as far as its 38 bytes, a
// shorter one not at all, and every level, whatever its bits, lights a
// number of segments its meter has.

#include "fuzz/FuzzTarget.h"
#include "ui/main/LevelReply.h"

#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto reading = korvan::DecodeLevelReply(std::span<const std::uint8_t>(data, size));
    FuzzCheck(reading.has_value() == (size >= korvan::LevelReplySize));
    if (!reading)
        return 0;
    FuzzCheck(reading->activity == (data[36] | data[37] << 8));
    for (double level : reading->levels) {
        const double db = korvan::LevelDb(level);
        const int in = korvan::InputLevelStep(db);
        const int out = korvan::OutputLevelStep(db);
        FuzzCheck(in >= 0 && in <= 9);
        FuzzCheck(out >= 0 && out <= 8);
    }
    return 0;
}
