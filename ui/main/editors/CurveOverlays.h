#pragma once
// The other channels' total curves laid over a display: on a channel
// display the other channels of its kind, on the Gain page's two displays
// the inputs and the outputs. A channel whose filters change is marked on
// every display that may show it; the display copies the marked curves
// when it is shown or refreshed, and each overlay button shows or hides
// its channel's copy at once.

#include "ui/main/editors/EditorContext.h"

class TObject;

namespace korvan::editors {

// Marks channel ch's curve as changed on every display of its kind and on
// both Gain displays.
void MarkOverlayChanged(OverlayMarks& marks, int ch);

class CurveOverlays {
public:
    explicit CurveOverlays(const EditorContext& context) : context_(context) {}

    // Gives every overlay button its display's toggle.
    void AttachHandlers();
    // The overlay button `sender` of display d (0..13) was switched.
    void ToggleCurveOverlay(TObject* sender, int d);
    // Copies the marked curves into channel display ch and draws those
    // whose buttons are on. A page that is no channel changes nothing.
    void RefreshChannelOverlays(int ch);
    // Copies every channel's total into the Gain displays and draws the
    // marked ones whose buttons are on.
    void RefreshGainOverlays();
    // The overlays of the page on show.
    void RefreshPage(int page);

    // The section that holds channel c's copy on display d.
    static int SlotOf(int d, int c);

private:
    const EditorContext& context_;
};

} // namespace korvan::editors
