#pragma once
// The main window's level meters by name: which meter shows which channel's
// level or which output's compressor or limiter activity, a level reading
// put on them, and all of them cleared. The meters are found by their
// composed names among the window's components.

#include "ui/main/LevelReply.h"

#include <array>
#include <string>
#include <vector>

class TComponent;

namespace korvan {

// What decides what the pages' own meters show, read at each reply.
struct LevelMeterContext {
    // The channel each dynamics page shows (0..3 gate, 4..11 compressor
    // and limiter).
    int gatePageChannel = 0;
    int compPageChannel = 4;
    int limitPageChannel = 4;
    // Each output's compressor-ratio position (0 is 1:1.0, which shows no
    // compressor activity).
    std::array<int, LevelOutputs> compRatioPositions{};
};

// The meter families: each name is composed of a prefix and the channel's
// letter (inputs) or number (outputs); the dynamics pages' own meters are
// the bare prefixes.
namespace meter_names {
inline constexpr const char* LevelIn = "pbLevelIn";
inline constexpr const char* LevelBackupIn = "pbLevelBackupIn";
inline constexpr const char* LevelGateIn = "pbLevelGateIn";
inline constexpr const char* LevelOut = "pbLevelOut";
inline constexpr const char* LimitOut = "pbLimitOut";
inline constexpr const char* LevelBackupOut = "pbLevelBackupOut";
inline constexpr const char* LimitBackupOut = "pbLimitBackupOut";
inline constexpr const char* LevelCompOut = "pbLevelCompOut";
inline constexpr const char* LimitCompOut = "pbLimitCompOut";
inline constexpr const char* LevelLimitOut = "pbLevelLimitOut";
inline constexpr const char* LimitLimitOut = "pbLimitLimitOut";
} // namespace meter_names

// "pbLevelInC" for (LevelIn, 2); "pbLevelOut3" for (LevelOut, 6).
std::string MeterName(const char* prefix, int channel);

// Puts a reading on the meters of `window`, channel by channel. A meter
// that is missing ends the update there.
void ShowLevels(TComponent& window, const LevelReading& reading, const LevelMeterContext& context);

// The names of all 81 meters: each output's eight, each input's three, then
// the dynamics pages' own five.
std::vector<std::string> LevelMeterNames();

// Sets every meter (including the output pages' pbLimitOut<n>, which no
// reply sets) to 0. Missing meters are passed over.
void ClearLevelMeters(TComponent& window);

} // namespace korvan
