// Where the track bar's pieces lie: inner rectangle, step buttons, track
// area, tick rows, groove, thumb, label and rating cells. "Along" is x on
// a horizontal bar and y on a vertical one; "across" the other axis.

#include "controls/gdip/TrackBar.h"
#include "controls/gdip/TrackBarDrawing.h"
#include "platform/text/Rounding.h"

namespace {

const TRect kMissing{-1, -1, -1, -1};

bool Missing(const TRect& r) {
    return r == kMissing;
}

} // namespace

TRect TCustomTrackBar::GetInnerRect() const {
    const int inset = kBorderWidth + kOffset;
    return ClientRect().Inflate(-inset, -inset);
}

TRect TCustomTrackBar::GetMinButtonRect() const {
    TRect r = GetInnerRect();
    if (orientation_ == trHorizontal)
        r.Right = r.Left + buttons_->Size();
    else
        r.Top = r.Bottom - buttons_->Size();
    return r;
}

TRect TCustomTrackBar::GetMaxButtonRect() const {
    TRect r = GetInnerRect();
    if (orientation_ == trHorizontal)
        r.Left = r.Right - buttons_->Size();
    else
        r.Bottom = r.Top + buttons_->Size();
    return r;
}

TRect TCustomTrackBar::GetTrackArea() const {
    TRect a = GetInnerRect();
    const bool horizontal = orientation_ == trHorizontal;
    int& nearEdge = horizontal ? a.Top : a.Left;
    nearEdge += slider_->Offset();
    if (trackLabel_->Visible() && trackLabel_->AtTop()) {
        const TRect label = GetTrackLabelRect(false);
        nearEdge += (horizontal ? label.Height() : label.Width()) + 1;
    }
    if (buttons_->Visible()) {
        const TRect minButton = GetMinButtonRect();
        const TRect maxButton = GetMaxButtonRect();
        const int spacing = buttons_->Spacing();
        if (horizontal) {
            a.Left = minButton.Right + spacing;
            a.Right = maxButton.Left - spacing;
        } else {
            a.Top = maxButton.Bottom + spacing;
            a.Bottom = minButton.Top - spacing;
        }
    }
    return a;
}

int TCustomTrackBar::PointerOffset() const {
    const int w = thumb_->Width();
    if (w <= 0)
        return 0;
    switch (thumb_->ThumbPointer()) {
    case tpLeft:
        return 0;
    case tpCenter:
        return w / 2;
    case tpRight:
        return w;
    }
    return 0;
}

TRect TCustomTrackBar::GetTopLeftTickRect() const {
    if (tickMark_->Style() == tsNone || tickMark_->Position() == tmBottomRight)
        return kMissing;
    const TRect a = GetTrackArea();
    const int p = PointerOffset();
    const int extent = (tickMark_->ShowText() ? textHeight_ : 0) + tickMark_->Size();
    if (orientation_ == trHorizontal)
        return Rect(a.Left + p, a.Top, a.Right - p, a.Top + extent);
    return Rect(a.Left, a.Top + p, a.Left + extent, a.Bottom - p);
}

TRect TCustomTrackBar::GetSliderRect() const {
    if (!slider_->Visible() || slider_->Size() <= 0)
        return kMissing;
    const TRect a = GetTrackArea();
    const TRect r1 = GetTopLeftTickRect();
    const bool horizontal = orientation_ == trHorizontal;
    int start = horizontal ? a.Top : a.Left;
    if (!Missing(r1))
        start = (horizontal ? r1.Bottom : r1.Right) + tickMark_->Spacing();
    if (horizontal)
        return Rect(a.Left, start, a.Right, start + slider_->Size());
    return Rect(start, a.Top, start + slider_->Size(), a.Bottom);
}

TRect TCustomTrackBar::GetBottomRightTickRect() const {
    if (tickMark_->Style() == tsNone || tickMark_->Position() == tmTopLeft)
        return kMissing;
    const TRect a = GetTrackArea();
    const TRect r1 = GetTopLeftTickRect();
    const TRect s = GetSliderRect();
    const bool horizontal = orientation_ == trHorizontal;
    const int spacing = tickMark_->Spacing();
    int start = horizontal ? a.Top : a.Left;
    if (!Missing(s))
        start = (horizontal ? s.Bottom : s.Right) - (slider_->Border3D() ? 1 : 0) + spacing;
    else if (!Missing(r1))
        start = (horizontal ? r1.Bottom : r1.Right) + 2 * spacing;
    const int p = PointerOffset();
    const int extent = (tickMark_->ShowText() ? textHeight_ : 0) + tickMark_->Size();
    if (horizontal)
        return Rect(a.Left + p, start, a.Right - p, start + extent);
    return Rect(start, a.Top + p, start + extent, a.Bottom - p);
}

int TCustomTrackBar::Travel() const {
    const TRect a = GetTrackArea();
    const int w = GetThumbLength();
    return orientation_ == trVertical ? a.Bottom - a.Top - w : a.Right - a.Left - w;
}

TRect TCustomTrackBar::GetThumbRect() const {
    const TRect a = GetTrackArea();
    const int w = GetThumbLength();
    const int d = max_ == min_ ? 0 : int(Round(Travel() * (double(position_ - min_) / double(max_ - min_))));
    const bool horizontal = orientation_ == trHorizontal;
    const int size = thumb_->Size();

    int across = horizontal ? a.Top : a.Left;
    const TRect s = GetSliderRect();
    if (!Missing(s)) {
        const int sNear = horizontal ? s.Top : s.Left;
        across = sNear + (horizontal ? s.Height() : s.Width()) / 2 - size / 2;
    } else if (tickMark_->Style() != tsNone) {
        const TRect r1 = GetTopLeftTickRect();
        const TRect r2 = GetBottomRightTickRect();
        if (!Missing(r1))
            across = (horizontal ? r1.Top : r1.Left) + tickMark_->Spacing() - size / 2;
        else if (!Missing(r2))
            across = horizontal ? r2.Top : r2.Left;
    }
    int acrossEnd = across + size;
    if (thumb_->Shape() == tsLine && thumb_->Picture()->Empty()) {
        const TRect inner = GetInnerRect();
        across = horizontal ? inner.Top : inner.Left;
        acrossEnd = (horizontal ? Height() : Width()) - kBorderWidth;
    }
    if (horizontal)
        return Rect(a.Left + d, across, a.Left + d + w, acrossEnd);
    return Rect(across, a.Bottom - d - w, acrossEnd, a.Bottom - d);
}

TRect TCustomTrackBar::GetTrackLabelRect(bool narrow) const {
    if (!trackLabel_->Visible())
        return kMissing;
    std::string text;
    GetTrackLabelText(text);
    if (text.empty() && HasTrackLabelHandler())
        text = "Pos";
    const TSize size = korvan::gdip::TextSize(*trackLabel_->Font(), text);
    const int w = size.cx, h = size.cy;
    const TRect inner = GetInnerRect();
    const bool horizontal = orientation_ == trHorizontal;
    int start = 0;
    if (trackLabel_->AtTop()) {
        start = (horizontal ? inner.Top : inner.Left) + slider_->Offset();
    } else {
        const TRect r2 = GetBottomRightTickRect();
        start = (horizontal ? r2.Bottom : r2.Right) + 1;
    }
    const int extent = h + trackLabel_->Spacing();
    TRect r = horizontal ? Rect(inner.Left, start, inner.Right, start + extent)
                         : Rect(start, inner.Top, start + extent, inner.Bottom);
    if (!narrow)
        return r;
    const TLabelPosition pos = trackLabel_->Position();
    const bool left = pos == lpTopLeft || pos == lpBottomLeft;
    const bool right = pos == lpTopRight || pos == lpBottomRight;
    if (horizontal) {
        if (left) {
            r.Right = r.Left + w + 5;
        } else if (right) {
            r.Left = r.Right - w - 5;
        } else {
            r.Left += (r.Right - r.Left - w) / 2;
            r.Right = r.Left + w + 5;
        }
    } else {
        // Text reading upward: Top lies below Bottom.
        const int top = r.Top, bottom = r.Bottom;
        if (left) {
            r.Top = bottom;
            r.Bottom = bottom - (w + 5);
        } else if (right) {
            r.Top = top + w + 5;
            r.Bottom = top;
        } else {
            const int m = top + (bottom - top - w) / 2;
            r.Top = m + w + 5;
            r.Bottom = m;
        }
    }
    return r;
}

// Cells run left to right and wrap when the next one would start at or
// past the right edge, so a last cell of a row may reach beyond it (two
// cells a row when each is wider than half the area).
TRect TCustomTrackBar::GetRatingRect(int value) const {
    const int cellW = std::max(rateActive_->Width(), rateInActive_->Width());
    const int cellH = std::max(rateActive_->Height(), rateInActive_->Height());
    const TRect a = GetTrackArea();
    if (cellW <= 0 || cellH <= 0 || value <= min_ || value > max_)
        return kMissing;
    const int perRow = std::max(1, (a.Width() + cellW - 1) / cellW);
    const long long index = static_cast<long long>(value) - min_ - 1;
    const long long y = a.Top + (index / perRow) * cellH;
    if (y > a.Bottom)
        return kMissing;
    return Bounds(a.Left + int(index % perRow) * cellW, int(y), cellW, cellH);
}
