#pragma once
// What the axis labels of a curve display say and where they go, apart
// from number formatting: the frequencies labelled below the curve area
// and the levels labelled left of it.

#include "ui/curves/DisplayTypes.h"

#include <vector>

namespace korvan::curves {

// The labelled frequencies in drawing order: all ten from a control width
// of 800 pixels, the first four below that.
std::vector<double> LabelFrequencies(int controlWidth);

// x value of a frequency on a display's scale: 2^e x 256 x log10(f) /
// log10(24000 x (r + 1)), e and r the ordinals of the two settings.
double FrequencyPosition(double hz, TFFTNumber points, TSampleRate rate);

// One level label of the linear y axis: the value it shows (before the
// label scale) and whether a "+" goes in front.
struct LevelLabel {
    double Value;
    bool Plus;
    enum Kind { Top, Bottom, Grid } Where;
};

// The top label (always with "+"), the bottom label, then every second
// grid line from line 2: "+" only above zero.
std::vector<LevelLabel> LinearLevelLabels(double yMin, double yMax, int numHorzGrid);

} // namespace korvan::curves
