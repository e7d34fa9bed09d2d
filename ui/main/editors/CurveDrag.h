#pragma once
// Dragging on a channel's curve display: the cross cursor over a band point
// or a filter corner, a band dragged to a new frequency and gain on the
// unit's steps, a high- or low-pass corner dragged to a new frequency. The
// band or filter is stored and sent on every move; its curve follows on
// the mouse timer (bands) or the pass-curve queue (corners).

#include "ui/main/editors/ChannelCurves.h"
#include "ui/main/editors/PassCurveQueue.h"
#include "ui/main/editors/PendingEdits.h"
#include "ui/main/editors/PeqBandEditor.h"

#include "platform/forms/ControlTypes.h"

class TObject;
class TTimer;
class LMyFFTDrawHpLp6dB;

namespace korvan::editors {

inline constexpr int HighPassHandle = 31;
inline constexpr int LowPassHandle = 32;

class CurveDrag {
public:
    CurveDrag(const EditorContext& context, ChannelCurves& curves, PeqBandEditor& peq, TTimer& mouseTimer,
              PassCurveQueue& passCurve)
        : context_(context), curves_(curves), peq_(peq), mouseTimer_(mouseTimer), passCurve_(passCurve) {}

    // The twelve channel displays take the three mouse handlers and stop
    // panning on a drag of their own.
    void AttachHandlers();

    void MouseDown(TObject* sender, TMouseButton button, int x, int y);
    void MouseMove(TObject* sender, int x, int y);
    void MouseUp(TObject* sender);
    // The dragged band's read-outs, section, marker, caption and total.
    void MouseEqCurveTimer();

    const PendingPeqEdit& PendingBand() const { return bandPending_; }

    // The drawn handle under (x, y) of channel ch's display, -1 when none:
    // the corners first, then the bands from the highest down, `firstOnly`
    // stopping at the first hit; otherwise the lowest band hit.
    int HitTest(LMyFFTDrawHpLp6dB& display, int ch, int x, int y, double scale, bool firstOnly) const;

private:
    bool HitsSlot(LMyFFTDrawHpLp6dB& display, int ch, int slot, int x, int y, double scale) const;
    void DragBand(int ch, int band, int freqIndex, int gainSteps);
    void DragCorner(int ch, int handle, int freqIndex);

    const EditorContext& context_;
    ChannelCurves& curves_;
    PeqBandEditor& peq_;
    TTimer& mouseTimer_;
    PassCurveQueue& passCurve_;
    PendingPeqEdit bandPending_;
    int lastX_ = 0;
    int lastY_ = 0;
};

} // namespace korvan::editors
