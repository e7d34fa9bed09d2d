#pragma once
// The texts the main window shows for the model's values: frequencies,
// levels, graphic-EQ levels, thresholds, times, knees and ratios.

#include <string>

namespace korvan {

// "%4.2fKHz" of kHz from 1000 Hz up, else "%4.1fHz".
std::string FrequencyText(int frequencyIndex);
// A gain fader position -280..120: 0.1 dB steps, and below -20 dB 0.5 dB
// steps ("+0.0dB", "-20.5dB").
std::string LevelText(int position);
// A graphic-EQ fader position 0..240, 120 = 0 dB ("+ 0.0" style, no unit).
std::string GeqText(int position);
// A threshold fader position in 0.5 dB steps ("+1.5dB", "-90.0dB").
std::string ThresholdText(int position);
// The gate's "%dms" and the compressor's and limiter's "%3dms" of
// position + 1.
std::string GateTimeText(int position);
std::string DynamicsTimeText(int position);
std::string KneeText(int position);
// "Limit" for 15, else "1:" and the ratio's label.
std::string RatioText(int position);

} // namespace korvan
