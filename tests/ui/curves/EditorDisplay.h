#pragma once
// A response display set up as the main window sets up a channel's display
// (1070 x 255, the grid scale from 966 to 3840, -18 to +18 dB, Tahoma
// fonts), with no parent (it draws into its own surface), and the
// scene of a channel: nine PEQ bands, a Linkwitz-Riley 24 dB high-pass and
// a Butterworth 24 dB low-pass. Shared by the display tests and the
// curve benchmark.

#include "platform/gfx/Bitmap.h"
#include "tests/ui/curves/CascadeBuilder.h"
#include "ui/curves/EditorScale.h"
#include "ui/curves/LMyFFTDrawHpLp6dB.h"
#include "ui/curves/Plot.h"

#include <array>
#include <memory>

namespace korvan::curves::testing {

// What the control shows: its canvas and the surface it draws on.
struct ControlScreen {
    TControl& control;
    TCanvas& Canvas() { return control.Canvas(); }
    const QImage& Image() { return control.Surface(); }
};

// Sets a display up as the main window sets up a channel's display.
inline void SetUpAsEditorDisplay(CurveDisplay& display, int width, int height) {
    display.SetAutoRedraw(false);
    display.SetBounds(display.Left(), display.Top(), width, height);
    SetEditorScale(display);
}

template <typename Display = LMyFFTDrawHpLp6dB> struct EditorDisplay {
    explicit EditorDisplay(int width = 1070, int height = 255) : display(nullptr), screen{display} {
        SetUpAsEditorDisplay(display, width, height);
        display.Paint();
    }

    Display display;
    ControlScreen screen;
};

struct ChannelBand {
    int PeqType; // 0..8
    double Gain;
    double Frequency;
    double Q;
};

// Nine bands of every kind that shows on a channel.
inline constexpr std::array<ChannelBand, 9> ChannelBands = {{
    {0, 6.0, 60.0, 2.0},
    {1, 4.0, 150.0, 0.71},
    {0, -8.0, 400.0, 4.0},
    {0, 3.0, 1000.0, 1.0},
    {0, -5.0, 2500.0, 8.0},
    {2, -6.0, 6000.0, 0.71},
    {7, 0.0, 800.0, 0.4},
    {8, 0.0, 3000.0, 2.0},
    {0, 9.0, 9000.0, 3.0},
}};

// Builds the channel's sections and hands curve and markers to the display
// as the editors do, then shows the selected band's caption and area.
inline void BuildChannel(Plot& plot, int displayNumber, int selected) {
    for (std::size_t i = 0; i < ChannelBands.size(); ++i) {
        const ChannelBand& b = ChannelBands[i];
        SetSection(*plot.Sections[i], b.Gain, b.Frequency, b.Q,
                   PeqTypeSectionKind[static_cast<std::size_t>(b.PeqType)]);
        plot.DrawSectionMarker(static_cast<int>(i), static_cast<float>(b.Gain), 1);
    }
    BuildCascade(plot, 31, true, CrossoverRowMap[10], 60.0); // Linkwitz-Riley 24 dB
    plot.DrawSectionMarker(31, 0.0f, 3);
    BuildCascade(plot, 32, false, CrossoverRowMap[8], 12000.0); // Butterworth 24 dB
    plot.DrawSectionMarker(32, 0.0f, 2);
    plot.DrawTotalCurve(displayNumber);
    const ChannelBand& b = ChannelBands[static_cast<std::size_t>(selected)];
    plot.ShowSectionParam(b.PeqType, selected, static_cast<float>(b.Gain), static_cast<float>(b.Q), true);
}

} // namespace korvan::curves::testing
