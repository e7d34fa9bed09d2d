#include "platform/forms/ProgressBar.h"

#include "platform/forms/ExtCtrls.h"
#include "platform/text/Exception.h"

#include <algorithm>
#include <cstdint>

namespace {

// The well sits one pixel inside the sunken edge; blocks are two thirds
// as wide as the well is high, two pixels apart.
constexpr int kEdge = 1;
constexpr int kGap = 1;
constexpr int kBlockGap = 2;

} // namespace

const TClassInfo& TProgressBar::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TProgressBar>("TProgressBar", &TCustomControl::StaticClassInfo())
            .Creator()
            .Property("Min", &TProgressBar::Min, &TProgressBar::SetMin)
            .Default(0)
            .Property("Max", &TProgressBar::Max, &TProgressBar::SetMax)
            .Default(100)
            .Property("Position", &TProgressBar::Position, &TProgressBar::SetPosition)
            .Default(0)
            .Property("Step", &TProgressBar::Step, &TProgressBar::SetStep)
            .Default(10)
            .Property("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth)
            .Default(false)
            .Enum("Orientation", &TProgressBar::Orientation, &TProgressBar::SetOrientation,
                  {"pbHorizontal", "pbVertical"}, "TProgressBarOrientation")
            .Default(pbHorizontal)
            .Property("BarColor", &TProgressBar::BarColor, &TProgressBar::SetBarColor)
            .Default(clDefault)
            .Property("BackgroundColor", &TProgressBar::BackgroundColor, &TProgressBar::SetBackgroundColor)
            .Default(clDefault)
            .Build();
    return info;
}

TProgressBar::TProgressBar(TComponent* owner) : TCustomControl(owner) {
    controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque;
    SetBounds(0, 0, 150, 16);
}

void TProgressBar::SetRange(int min, int max) {
    min_ = min;
    max_ = max;
    // While a form loads the range may be crossed for a moment; Loaded
    // pulls the position in once both ends are known.
    if (min_ <= max_)
        position_ = std::clamp(position_, min_, max_);
    Invalidate();
}

void TProgressBar::SetMin(int value) {
    if (value == min_)
        return;
    if (value > max_ && !HasState(csLoading))
        throw EInvalidOperation("TProgressBar property out of range");
    SetRange(value, max_);
}

void TProgressBar::SetMax(int value) {
    if (value == max_)
        return;
    if (value < min_ && !HasState(csLoading))
        throw EInvalidOperation("TProgressBar property out of range");
    SetRange(min_, value);
}

void TProgressBar::SetPosition(int value) {
    const int clamped = min_ <= max_ ? std::clamp(value, min_, max_) : value;
    if (clamped == position_)
        return;
    position_ = clamped;
    Invalidate();
}

void TProgressBar::StepIt() {
    const std::int64_t next = std::int64_t(position_) + step_;
    if (next > max_)
        SetPosition(min_);
    else if (next < min_)
        SetPosition(max_);
    else
        SetPosition(int(next));
}

void TProgressBar::StepBy(int delta) {
    SetPosition(int(std::clamp<std::int64_t>(std::int64_t(position_) + delta, min_, max_)));
}

void TProgressBar::SetSmooth(bool value) {
    if (value == smooth_)
        return;
    smooth_ = value;
    Invalidate();
}

void TProgressBar::SetOrientation(TProgressBarOrientation value) {
    if (value == orientation_)
        return;
    orientation_ = value;
    Invalidate();
}

void TProgressBar::SetBarColor(TColor value) {
    if (value == barColor_)
        return;
    barColor_ = value;
    Invalidate();
}

void TProgressBar::SetBackgroundColor(TColor value) {
    if (value == backgroundColor_)
        return;
    backgroundColor_ = value;
    Invalidate();
}

void TProgressBar::Loaded() {
    TCustomControl::Loaded();
    if (min_ <= max_)
        position_ = std::clamp(position_, min_, max_);
}

void TProgressBar::Paint() {
    TCanvas& c = Canvas();
    TRect r{0, 0, Width(), Height()};
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(backgroundColor_ == clDefault ? clBtnFace : backgroundColor_);
    c.FillRect(r);
    korvan::forms::Frame3D(c, r, clBtnShadow, clBtnHighlight, kEdge);
    const TRect well{r.Left + kGap, r.Top + kGap, r.Right - kGap, r.Bottom - kGap};
    const bool vertical = orientation_ == pbVertical;
    const int length = vertical ? well.Bottom - well.Top : well.Right - well.Left;
    const int across = vertical ? well.Right - well.Left : well.Bottom - well.Top;
    const std::int64_t span = std::int64_t(max_) - min_;
    if (length <= 0 || across <= 0 || span <= 0 || position_ <= min_)
        return;
    const int filled = int(std::int64_t(length) * (std::int64_t(position_) - min_) / span);
    c.Brush().SetColor(barColor_ == clDefault ? clHighlight : barColor_);
    // A piece of the bar `from` to `to` pixels along the well, from its
    // left or bottom edge.
    auto fill = [&](int from, int to) {
        to = std::min(to, length);
        if (to <= from)
            return;
        c.FillRect(vertical ? TRect{well.Left, well.Bottom - to, well.Right, well.Bottom - from}
                            : TRect{well.Left + from, well.Top, well.Left + to, well.Bottom});
    };
    if (smooth_) {
        fill(0, filled);
        return;
    }
    // Whole blocks up to the one the position reaches into.
    const int block = std::max(1, across * 2 / 3);
    for (int at = 0; at < filled; at += block + kBlockGap)
        fill(at, at + block);
}
