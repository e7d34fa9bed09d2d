#pragma once
// The channels' response curves on their calculators: one section per PEQ
// band, the high- and low-pass results built as cascades of prototype
// stages, the graphic EQ's 31 bands, the total curve, and the switch of a
// channel display between magnitude and phase. Everything is built from the
// device model.

#include "device/protocol/PresetTypes.h"
#include "ui/main/editors/EditorContext.h"

#include <array>
#include <cstdint>

namespace korvan::editors {

// One PEQ band as the editors hand it on: the model's band in device units
// and its bypass flag.
struct BandSetting {
    PeqBand band;
    bool bypass = false;
};

// The band's values in the user's units, as the curves take them.
struct BandValues {
    double freqHz = 0.0;
    double gainDb = 0.0;
    double q = 0.0;
    int type = 0;
};
BandValues ValuesOf(const PeqBand& band);

// The first section of every high- or low-pass build, and the cascade's
// work sections behind it.
inline constexpr int PassSection = 31;

class ChannelCurves {
public:
    explicit ChannelCurves(const EditorContext& context) : context_(context) {}

    // Section `band` of channel ch from the values (flat when bypassed),
    // with its circle marker. No total.
    void SetBandSection(int ch, int band, const BandSetting& setting);
    // Sections 0..n-1 from the model's bands with their markers, then the
    // total. The page is not copied to the screen.
    void BuildPeqCurve(int ch);
    // Section 31 (32) from the model's high-pass (low-pass), then the total.
    void BuildHighPassCurve(int ch);
    void BuildLowPassCurve(int ch);
    // The cascade of filter type 0..20 at hz in the work sections first + 3
    // .. first + 7, summed into first (high-pass) or first + 1 (low-pass),
    // with its "HPF" or "LPF" box. No total.
    void BuildHpLpCurve(bool highPass, int type, double hz, int first, int ch);
    // Sections 0..30 of graphic-EQ display 14 + input from the model, the
    // total, and the page on screen.
    void BuildGeqCurve(int input);
    // What the three builders and the graphic-EQ builder make, for every
    // display whose model values or view changed since its last build
    // here, with one total each. The sections of these displays are set
    // through this class only, which notes every other change. Only the
    // displays on show and the channels they overlay are built; the others
    // wait for their page. Returns the displays built, one bit each.
    std::uint32_t BuildAll();
    // Total of channel ch's calculator, drawn and copied to the screen.
    void RedrawTotal(int ch);

    // The view of channel display ch: magnitude (false) or phase (true).
    // False when it already shows that view; otherwise rebuilds the
    // channel's sections in the new mode and sets the display's axis.
    bool SetPhaseView(int ch, bool phase);
    static int GetPlotMode(const Plot& plot);

private:
    // The model's values a calculator was last built from by BuildAll.
    struct Inputs {
        std::array<PeqBand, 31> bands{};
        std::uint32_t bypassed = 0;
        CrossoverSetting crossover;
        int phase = -1;
        friend bool operator==(const Inputs&, const Inputs&) = default;
    };
    Inputs InputsOf(int d) const;
    // Display d is on show, or overlaid on a display that is.
    bool NeededNow(int d) const;
    // Display d's sections changed outside BuildAll: its next one builds.
    void Touched(int d);
    void SetPeqSections(int ch);
    void SetPassSection(int ch, bool highPass);
    void SetGeqSections(int input);

    const EditorContext& context_;
    std::array<Inputs, CalculatorCount> built_{};
};

} // namespace korvan::editors
