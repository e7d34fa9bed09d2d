#pragma once
// A channel's parametric EQ as the user edits it: which band is selected,
// the faders' values deferred to the EQ timer, the Q rules, a band stored
// over the channel's link group and sent as one record, the read-outs, the
// whole-EQ bypass, the reset to the built-in bands and the display of every
// band's parameters. The grid and the faders call these; the controls that
// are not on the form are skipped.

#include "ui/main/editors/ChannelCurves.h"
#include "ui/main/editors/PendingEdits.h"

#include <array>
#include <cstdint>
#include <string>

class TObject;
class TTimer;

namespace korvan::editors {

enum class FaderKind { Frequency = 0, Q = 1, Gain = 2 };

// The read-outs: " %4.1fHz" below 1 kHz, else "%4.2fKHz"; "%3.2f" of the Q
// table; "+%3.1fdB" from 0 dB up, else "%4.1fdB" of a gain position.
std::string PeqFrequencyText(double hz);
std::string PeqQText(int qIndex);
std::string PeqGainText(int position);

// The Q rules on a band about to be stored: a Peak or all-pass band that
// changes type takes the default band's Q; a shelf or pass band keeps at
// most Q 3.0 and takes Q 0.71 when it changes type. Compared as Q indices.
// True when `band.q` was corrected.
bool ApplyQRules(PeqBand& band, int modelType, int defaultQIndex);

class PeqBandEditor {
public:
    PeqBandEditor(const EditorContext& context, ChannelCurves& curves, TTimer& eqTimer)
        : context_(context), curves_(curves), eqTimer_(eqTimer) {}

    // --- selection ---
    // 0..n-1, or NoBand.
    int SelectedBand(int ch) const;
    // Selects band b of channel ch: read-outs, marker, caption, total, and
    // (with focus) the keys on the frequency read-out.
    void SelectBand(int ch, int band, bool focus = true);
    void SelectFirstPeqBands();
    void DeselectPeqBands();

    // --- a band changed (the grid's change road) ---
    // Applies the Q rules, then, unless the update guard is set or a curve
    // drag runs: selects the band, redraws it, stores it over the link
    // group and sends one record, and sets the read-outs. Returns the band
    // as corrected, for the grid to show.
    BandSetting ApplyBand(int ch, int band, BandSetting setting);

    // --- the channel's band grid, when the form has one ---
    // Gives grid peqPeq<ch> its change, edit-click and wheel handlers.
    void AttachGrid(int ch);
    // The grid's change: its selected band through the Q rules (written
    // back into the grid) and ApplyBand. Closed while a curve drag runs.
    void GridChanged(TObject* sender);

    // --- faders ---
    // A fader of channel ch moved to `position`: its read-out at once, the
    // value to the EQ timer. The Q fader of a shelf or pass band stops at
    // 35 (Q 3.0).
    void FaderChanged(FaderKind kind, int ch, int position);
    // The EQ timer: the pending value into the selected band.
    void EqCurveTimer();
    const PendingPeqEdit& Pending() const { return pending_; }

    // A key on channel ch's frequency read-out steers its faders by one
    // step: left/right the frequency, +/- the Q, up/down the gain. Other
    // keys do nothing; the key is left to the read-out.
    void SteerByKey(int ch, std::uint16_t key);

    // Faders and read-outs of channel ch from values in the user's units.
    void UpdatePeqEdits(int ch, bool enabled, double hz, double q, double gainDb);

    // --- whole channel ---
    // Bypass of channel ch's PEQ over its link group: the text on its
    // display, the model's mask, one record for ch.
    void ToggleBypass(int ch);
    // Every band of ch to the built-in preset's, last band first, each sent
    // queued and stored over the link group; band 1 selected.
    void ResetChannel(int ch);
    // Every band's parameters beside its marker, or not.
    void ShowAll(int ch, bool on);

    // The band's marker, caption and shaded curve, the total when it
    // changed, on screen.
    void ShowBand(int ch, int band, const BandSetting& setting, bool totalChanged = true);
    void PressBandButton(int ch, int band, bool down);
    // The keys act on the channel's frequency read-out.
    void FocusFrequency(int ch);
    // Band b of ch becomes the selected one without being drawn.
    void MarkSelected(int ch, int band);

private:
    // The grid shows the selected band (NoBand, then -1: none, no highlight).
    void SyncGrid(int ch, int band);

    const EditorContext& context_;
    ChannelCurves& curves_;
    TTimer& eqTimer_;
    PendingPeqEdit pending_;
    std::array<int, 12> selected_{};
};

} // namespace korvan::editors
