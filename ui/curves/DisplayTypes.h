#pragma once
// Published enumerations of the response-curve displays.

#include <cstdint>

enum TMyAxisStyle : std::int32_t { Box, Centered, CenteredBox, LB, None };
enum TMyAxisFormat : std::int32_t { Linear, Log };
// Points of the frequency scale: 256 x 2^ordinal.
enum TFFTNumber : std::int32_t { n256, n512, n1024, n2048, n4096 };
// The frequency scale's top is 24000 x (ordinal + 1) Hz.
enum TSampleRate : std::int32_t { n48000, n96000, n192000 };
enum TStringFloatFormat : std::int32_t { sffGeneral, sffExponent, sffFixed, sffNumber, sffCurrency };
