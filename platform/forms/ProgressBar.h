#pragma once
// The standard progress bar: a sunken well that fills from its left (or
// bottom) edge in proportion to Position between Min and Max, smoothly or
// in blocks.
//
// Position always lies in Min..Max: a value outside is clamped to the
// nearer end, and a new range pulls a position that falls outside it in.
// Outside loading, a Min above Max (or a Max below Min) is refused with
// "TProgressBar property out of range"; while a form loads the two may
// cross for a moment, as the stored order demands.

#include "platform/forms/WinControl.h"

enum TProgressBarOrientation { pbHorizontal, pbVertical };

class TProgressBar : public TCustomControl {
    KORVAN_CLASS(TProgressBar)
public:
    explicit TProgressBar(TComponent* owner);

    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Position() const { return position_; }
    void SetPosition(int value);
    // StepIt's increment.
    int Step() const { return step_; }
    void SetStep(int value) { step_ = value; }
    // One continuous bar instead of blocks.
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool value);
    TProgressBarOrientation Orientation() const { return orientation_; }
    void SetOrientation(TProgressBarOrientation value);
    // clDefault: the highlight colour for the bar, the button face for
    // the well.
    TColor BarColor() const { return barColor_; }
    void SetBarColor(TColor value);
    TColor BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(TColor value);

    // Moves Position by Step, or by `delta`, and clamps it. Past Max the
    // bar wraps to Min as the system's bar does.
    void StepIt();
    void StepBy(int delta);

    void Loaded() override;

protected:
    void Paint() override;

private:
    void SetRange(int min, int max);
    int min_ = 0, max_ = 100, position_ = 0, step_ = 10;
    bool smooth_ = false;
    TProgressBarOrientation orientation_ = pbHorizontal;
    TColor barColor_ = clDefault;
    TColor backgroundColor_ = clDefault;
};
