#include "ui/dialogs/StandInControls.h"

namespace korvan {

namespace {
constexpr TColor BarColour = 0x00C000; // green
constexpr TColor TroughColour = clWhite;
} // namespace

PushButtonStandIn::PushButtonStandIn(TComponent* owner) : TPanel(owner) {
    SetBevelOuter(bvRaised);
    SetBevelWidth(2);
}

void PushButtonStandIn::SetDown(bool down) {
    if (down == down_)
        return;
    down_ = down;
    SetBevelOuter(down ? bvLowered : bvRaised);
    Invalidate();
}

ProgressBarStandIn::ProgressBarStandIn(TComponent* owner) : TCustomControl(owner) {
    SetBounds(0, 0, 150, 16);
}

void ProgressBarStandIn::SetMax(int max) {
    max_ = max;
    Invalidate();
}

void ProgressBarStandIn::SetPosition(int position) {
    if (position < min_) {
        position_ = min_;
        return;
    }
    if (position > max_) {
        position_ = max_;
        return;
    }
    position_ = position;
    Invalidate();
}

void ProgressBarStandIn::Paint() {
    TCanvas& c = Canvas();
    TRect r{0, 0, Width(), Height()};
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(TroughColour);
    c.FillRect(r);
    forms::Frame3D(c, r, clBtnShadow, clBtnHighlight, 1);
    const int span = max_ - min_;
    if (span <= 0 || position_ <= min_)
        return;
    const int filled = int((long long)(r.Right - r.Left) * (position_ - min_) / span);
    c.Brush().SetColor(BarColour);
    c.FillRect(TRect{r.Left, r.Top, r.Left + filled, r.Bottom});
}

} // namespace korvan
