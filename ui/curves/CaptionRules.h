#pragma once
// Which caption lines a curve display writes beside a band point, and
// where: Q, frequency and gain lines by PEQ type index (0 Peak, 1 Low
// Shelf, 2 High Shelf, 3 LP -6dB, 4 LP -12dB, 5 HP -6dB, 6 HP -12dB,
// 7 Allpass1, 8 Allpass2).

#include <vector>

namespace korvan::curves {

enum CaptionLine { CaptionQ, CaptionFrequency, CaptionGain };

struct CaptionRow {
    CaptionLine Line;
    int Top; // offset from the point's pixel y
};

// Lines of the main display (its ShowParam and its curve-page repaint).
std::vector<CaptionLine> MainCaptionLines(int type);
// The second display's ShowParam and its curve-page repaint choose
// differently from each other.
std::vector<CaptionLine> TwinShowParamLines(int type);
std::vector<CaptionLine> TwinCurvePaintLines(int type);

// The rows of a set of lines: above the point for a cut (gain <= 0),
// below it otherwise. Three lines stand at -69, -56, -43 or +20, +33, +46;
// Q and frequency at the first two; frequency alone at -43 or +20.
std::vector<CaptionRow> CaptionRows(const std::vector<CaptionLine>& lines, bool cut);

// The caption type of a band marker from its section kind: the PEQ type
// whose kind it is; a kind no PEQ type uses gives kind - 1.
int MarkerCaptionType(double sectionKind);

} // namespace korvan::curves
