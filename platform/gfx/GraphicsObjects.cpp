#include "platform/gfx/GraphicsObjects.h"

#include <cmath>

namespace {
int MulDivRound(int a, int b, int c) {
    return static_cast<int>(std::lround(double(a) * b / c));
}
} // namespace

int TFont::Size() const {
    return -MulDivRound(height_, 72, PixelsPerInch);
}

void TFont::SetSize(int points) {
    SetHeight(-MulDivRound(points, PixelsPerInch, 72));
}

void TFont::Assign(const TFont& o) {
    if (SameAs(o))
        return;
    name_ = o.name_;
    height_ = o.height_;
    style_ = o.style_;
    color_ = o.color_;
    charset_ = o.charset_;
    pitch_ = o.pitch_;
    quality_ = o.quality_;
    orientation_ = o.orientation_;
    Changed();
}

bool TFont::SameAs(const TFont& o) const {
    return name_ == o.name_ && height_ == o.height_ && style_ == o.style_ && color_ == o.color_ &&
           charset_ == o.charset_ && pitch_ == o.pitch_ && quality_ == o.quality_ &&
           orientation_ == o.orientation_;
}
