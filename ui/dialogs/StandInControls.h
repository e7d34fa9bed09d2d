#pragma once
// Plain stand-ins for the two pack controls the connection windows need
// before the control packs provide them: a push button that can stay
// pressed (the bitmap button's Down) and a progress bar with the styled
// bar's Min, Max and Position rules.

#include "platform/forms/ExtCtrls.h"

namespace korvan {

class PushButtonStandIn : public TPanel {
public:
    explicit PushButtonStandIn(TComponent* owner);
    bool Down() const { return down_; }
    // Shows the button pressed or released; runs no click handler.
    void SetDown(bool down);

private:
    bool down_ = false;
};

class ProgressBarStandIn : public TCustomControl {
public:
    explicit ProgressBarStandIn(TComponent* owner);
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    // Stores the maximum and repaints.
    void SetMax(int max);
    // A value in Min..Max becomes the position and repaints; one outside is
    // clamped to the nearer end without a repaint.
    void SetPosition(int position);

protected:
    void Paint() override;

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

} // namespace korvan
