#pragma once
// The main window's curve editors in one place: the channel curves, the
// overlays, the PEQ band editor, the crossover filters and the drags on the
// curves, their timers, and the handlers they give the form's controls by
// name.

#include "platform/forms/LoadScope.h"
#include "ui/main/editors/ChannelCurves.h"
#include "ui/main/editors/CrossoverEditor.h"
#include "ui/main/editors/CurveDrag.h"
#include "ui/main/editors/CurveOverlays.h"
#include "ui/main/editors/PassCurveQueue.h"
#include "ui/main/editors/PeqBandEditor.h"

#include <functional>

class TTimer;

namespace korvan::editors {

class CurveEditors {
public:
    // Places the timers through `scope`; the context's calculators may be
    // made later, before the first build.
    CurveEditors(const EditorContext& context, forms::LoadScope& scope);

    // Gives the overlay buttons, the EQ buttons and the view buttons their
    // handlers; `openReset` shows the EQ-reset dialog for a channel.
    void AttachHandlers(std::function<void(int)> openReset);
    // After every refresh from the model: every curve built again, the
    // overlays of the page on show, band 1 of every channel selected.
    void AfterRefresh();
    // A page was shown: the curves it needs that waited are built, with
    // their selected band's caption, then its overlays are taken.
    void PageShown(int page);

    ChannelCurves& Curves() { return curves_; }
    CurveOverlays& Overlays() { return overlays_; }
    PeqBandEditor& Peq() { return peq_; }
    CurveDrag& Drag() { return drag_; }
    CrossoverEditor& Crossover() { return crossover_; }
    PassCurveQueue& PassCurve() { return passCurve_; }

    // Magnitude or phase view of channel ch, with the selected band's
    // caption and the overlays taken again.
    void SetPhaseView(int ch, bool phase);

private:
    // The band faders of channel ch edit its selected band.
    void AttachPeqFaders(int ch);
    // The band buttons select their band; the keys on the frequency
    // read-out steer the faders.
    void AttachBandSelection(int ch);

    EditorContext context_;
    TTimer* eqTimer_;
    TTimer* mouseEqTimer_;
    TTimer* passTimer_;
    ChannelCurves curves_;
    CurveOverlays overlays_;
    PeqBandEditor peq_;
    PassCurveQueue passCurve_;
    CurveDrag drag_;
    CrossoverEditor crossover_;
};

} // namespace korvan::editors
