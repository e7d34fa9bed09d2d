#pragma once
// Conversions between the unit's integer device values and the user's
// units. A value converted one way and back lands on the index it came from.
// Pure functions; the texts they make and read never depend on the locale.

#include <string>
#include <string_view>

// Frequency index (170 = 1000 Hz, 30 steps per octave) to Hz.
double IndexToFreq(int index);
// Hz to the nearest frequency index (a fraction of exactly 0.5 rounds down).
// Not clamped to 0..300.
int FreqToIndex(double hz);

// EQ gain device value (120 = 0 dB, 0.1 dB steps) to dB.
double DeviceToGain(int value);
// dB to the EQ gain device value, truncating. Not clamped to 0..240.
int GainToDevice(double db);

// Q to Q index 0..100 (base 1.0596); maps every QTable value and every
// IndexToQ value back to its own index.
int QToIndex(double q);
// Q index to Q (base 1.0594), to two decimals. Only the low 8 bits count.
double IndexToQ(int index);

// Level gain (-280..+120) as text: 0.1 dB steps down to -20.0 dB, 0.5 dB
// steps below, e.g. "+12.0dB", "-0.1dB", "-20.5dB", "-60.0dB".
std::string FormatMixGain(int value);

// Delay in ms (unit 0), metres (1) or feet (2) to samples at 96 kHz,
// truncating. Any other unit is taken as ms.
int DelayToSamples(double value, int unit);

// True when every character is a digit or a point; the empty text is true.
bool IsNumericText(std::string_view text);
