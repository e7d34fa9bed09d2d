#pragma once
// The curve calculator behind one response-curve display: 48 filter
// sections, their total and the hand-over of curves, markers and the
// selected band's caption to the display. It draws nothing itself.

#include "platform/gfx/Color.h"
#include "ui/curves/PlotSection.h"

#include <array>
#include <cstdint>
#include <memory>

class LMyFFTDrawHpLp6dB;

class Plot {
public:
    // Section roles: 0..30 PEQ or graphic-EQ bands, 31 high-pass, 32
    // low-pass, 33 the total, 34..38 cascade work sections, 39..47 overlays.
    static constexpr int SectionSlots = 48;
    static constexpr int TotalSection = 33;
    static constexpr int SummedSections = 33; // 0..32 enter the total

    // display may be null: the calculator then computes without drawing.
    explicit Plot(LMyFFTDrawHpLp6dB* display);
    ~Plot();
    Plot(const Plot&) = delete;
    Plot& operator=(const Plot&) = delete;

    // Stores mode in the calculator and all sections; each section takes it
    // at its next computation.
    void SetPhaseMode(std::uint8_t mode);

    // Places the marker of section n at its frequency and the given level
    // (dB; 0 for pass corners) with its parameters for the caption. Kinds: 0
    // square, 1 circle (PEQ band), 2 box "LPF", 3 box "HPF".
    void DrawSectionMarker(int n, float level, int kind);
    // Builds the total and shows it as plot 33 in TotalCurveColors[colourIndex].
    void DrawTotalCurve(int colourIndex);
    // Shows section n as plot n.
    void DrawSectionCurve(int n, TColor colour);
    void RemoveCurve(int n);
    // The selected band's caption and shaded area (show) or neither. peqType
    // is the PEQ type index 0..8; a negative n counts as 0.
    void ShowSectionParam(int peqType, int n, float gain, float q, bool show);

    // Section 33 := the sum of sections 0..32 at every point; with phase
    // mode 1 the sum is wrapped into -18..+18 units.
    void BuildTotal();

    std::int32_t SectionCount = SectionSlots;
    std::uint8_t PhaseMode = 0;
    LMyFFTDrawHpLp6dB* Display;
    std::array<std::unique_ptr<PlotSection>, SectionSlots> Sections;
};
