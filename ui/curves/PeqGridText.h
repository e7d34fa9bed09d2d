#pragma once
// The PEQ band grids' values and texts: a band's frequency is held as a
// step (frequency index - 170, 30 steps per octave around 1 kHz), its Q as
// an index into the Q table and its gain as a step of 0.1 dB (0.5 dB in the
// older grid). These routines turn Hz, Q and dB into steps, steps into the
// texts the edits show, and typed texts into steps. The typed parsers use
// the framework's number conversion, which raises EConvertError for a text
// that passes the character checks but is no number (a comma where the
// locale uses the point, "1-2").

#include <optional>
#include <string>

namespace korvan::curves {

// --- frequency ---
inline constexpr int kFreqStepMin = -170;
inline constexpr int kFreqStepMax = 130;
// 1000 x 2^(step / 30) Hz.
double FreqOfStep(int step);
// Hz to a step by the grid's rounding of the log ratio: a value made from a
// step lands on that step. Not clamped.
int FreqStepFromHz(double hz);
// The older grid: the same with the log ratio written to 15 digits.
int FreqStepFromHzPlain(double hz);
// "19.7Hz", "500.0Hz", "1.00KHz", "20.16KHz".
std::string FreqText(int step);
// Typed value (in kHz when `kHz`) to a frequency index 0..300: the nearest
// index, a fraction of exactly one half rounding down.
int SnapFreqToIndex(double value, bool kHz);

// --- Q ---
inline constexpr int kQIndexMax = 100;
double QOfIndex(int index);
// "0.40", "1.26", "128.00".
std::string QText(int index);

// --- gain, 0.1 dB steps ---
inline constexpr int kGainStepMax = 120;
// dB to the nearest 0.1 dB step, so that a value such as -3.3 handed over
// as a 32-bit float keeps its step.
int GainStepFromDb(double db);
// The whole-band setter's rule: hundredths cut, then one step further from
// zero when the dropped digit is above 5 (3.37 -> 34, -3.35 -> -33).
int GainStepFromDbBand(double db);
// "-3.3dB", "0dB", "12dB".
std::string GainText(int step);

// --- typed entry ---
// Each gives the step to store, or nothing when the text is rejected (the
// edit then shows the stored value again).
// "1k", "1000", "1KHz", "1.00KHz" -> step 0; "abc", "0", "0.0", "." -> none.
// `allowComma`: the main grids accept a comma among the characters (which
// the number conversion then rejects unless the locale uses it).
std::optional<int> ParseTypedFreq(std::string text, bool allowComma = true);
// Q index of a typed Q, clamped to 0.4..128 first ("0.0" -> 0.40).
std::optional<int> ParseTypedQ(const std::string& text);
// Gain step of a typed gain: suffix "dB" dropped, one decimal kept, clamped
// to -12..12 dB.
std::optional<int> ParseTypedGain(std::string text);

// --- the older grid (half-dB gain, no Q limits, no comma) ---
std::optional<int> ParseTypedQPlain(const std::string& text);
// Half-dB step of a typed gain put on the half-dB grid by its text.
std::optional<int> ParseTypedHalfGain(std::string text);
int HalfGainStepFromDb(float db);
// "3.5dB", "-12dB".
std::string HalfGainText(int halfStep);

} // namespace korvan::curves
