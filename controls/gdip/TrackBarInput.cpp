// The track bar's input: keys, wheel, presses on the thumb, the track and
// the step buttons, dragging, hover, the auto-repeat and the drag hint.

#include "controls/gdip/TrackBar.h"

#include "platform/forms/Screen.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/text/IntText.h"
#include "platform/text/Rounding.h"

#include <cmath>

// ---------------------------------------------------------------- keys

bool TCustomTrackBar::WantSpecialKey(std::uint16_t key) const {
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

void TCustomTrackBar::KeyDown(std::uint16_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (shift & ssShift)
        return;
    const bool vertical = orientation_ == trVertical;
    switch (key) {
    case VK_PRIOR:
        SetPosition(position_ + pageSize_);
        break;
    case VK_NEXT:
        SetPosition(position_ - pageSize_);
        break;
    case VK_HOME:
        SetPosition(vertical ? GetMaxPosition() : GetMinPosition());
        break;
    case VK_END:
        SetPosition(vertical ? GetMinPosition() : GetMaxPosition());
        break;
    case VK_UP:
    case VK_RIGHT:
        if (position_ < max_)
            SetPosition(position_ + 1);
        break;
    case VK_DOWN:
    case VK_LEFT:
        if (position_ > min_)
            SetPosition(position_ - 1);
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------- wheel

bool TCustomTrackBar::DoMouseWheelDown(TShiftState shift, TPoint mousePos) {
    TCustomControl::DoMouseWheelDown(shift, mousePos);
    if (position_ > min_)
        SetPosition(position_ - 1);
    return true;
}

bool TCustomTrackBar::DoMouseWheelUp(TShiftState shift, TPoint mousePos) {
    TCustomControl::DoMouseWheelUp(shift, mousePos);
    if (position_ < max_)
        SetPosition(position_ + 1);
    return true;
}

// ---------------------------------------------------------------- value at a pointer

int TCustomTrackBar::ValueAtOffset(int offset) const {
    const int travel = Travel();
    if (travel <= 0)
        return position_;
    auto v = Round(double(offset) / travel * (double(max_) - min_) + min_);
    v = std::clamp<std::int64_t>(v, min_, std::max(min_, max_));
    return IsValidPosition(int(v)) ? int(v) : position_;
}

void TCustomTrackBar::ClickToMove(int x, int y) {
    if (Travel() <= 0)
        return;
    const TRect a = GetTrackArea();
    const int offset =
        orientation_ == trVertical ? a.Bottom - GetThumbLength() - y : x - a.Left - PointerOffset();
    SetPosition(ValueAtOffset(offset));
}

void TCustomTrackBar::DragTo(int x, int y) {
    if (Travel() <= 0)
        return;
    const TRect a = GetTrackArea();
    const int w = GetThumbLength();
    const int offset = orientation_ == trVertical ? a.Bottom - w + w / 2 - y + thumbCenterOffsetY_
                                                  : x - a.Left - thumbCenterOffsetX_ - w / 2;
    const int v = ValueAtOffset(offset);
    if (v != position_ && trackHint_ && v != hintTickIndex_)
        ShowTrackHint(v);
    sliderButtonDown_ = false;
    SetPosition(v);
}

// ---------------------------------------------------------------- paging

void TCustomTrackBar::PageTowardPress() {
    const int travel = Travel();
    if (travel <= 0)
        return;
    const TRect a = GetTrackArea();
    const double s = max_ == min_ ? 0.0 : double(travel) / (double(max_) - min_);
    const int done = int(Round((double(position_) - min_) * s));
    int direction = 0;
    int distance = 0;
    if (orientation_ == trVertical) {
        const int p = a.Bottom - done; // the thumb's bottom edge
        const int y0 = sliderDownPt_.Y;
        const int t = p > y0 ? y0 : y0 + PointerOffset();
        distance = std::abs(t - p);
        direction = p > y0 ? 1 : -1;
    } else {
        const int p = a.Left + done; // the thumb's left edge
        const int x0 = sliderDownPt_.X;
        const int t = p > x0 ? x0 - PointerOffset() : x0;
        distance = std::abs(t - p);
        direction = p > x0 ? -1 : 1;
    }
    if (distance < s)
        return;
    // The first page of a press fixes the way; once the thumb has passed
    // the pointer the held press is done.
    if (pageDirection_ == 0)
        pageDirection_ = direction;
    else if (direction != pageDirection_)
        return;
    SetPosition(position_ + direction * pageSize_);
}

// ---------------------------------------------------------------- repeat

void TCustomTrackBar::StartRepeatTimer() {
    if (!repeatTimer_) {
        repeatTimer_ = std::make_unique<TTimer>(nullptr);
        repeatTimer_->SetEnabled(false);
        repeatTimer_->SetOnTimer([this](TObject*) { RepeatTimerTick(); });
    }
    repeatTimer_->SetEnabled(false);
    repeatTimer_->SetInterval(unsigned(std::max(1, buttons_->InitRepeatPause())));
    repeatTimer_->SetEnabled(true);
}

void TCustomTrackBar::RepeatTimerTick() {
    if (!repeatTimer_) // no press has started one yet
        return;
    try {
        repeatTimer_->SetInterval(unsigned(std::max(1, buttons_->RepeatPause())));
        if (!leftButtonHeld_)
            return;
        if (sliderButtonDown_)
            PageTowardPress();
        else if (minButtonDown_)
            StepDown();
        else if (maxButtonDown_)
            StepUp();
        else
            repeatTimer_->SetEnabled(false);
    } catch (...) {
        repeatTimer_->SetEnabled(false);
        throw;
    }
}

// ---------------------------------------------------------------- mouse

void TCustomTrackBar::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft)
        leftButtonHeld_ = true;
    TCustomControl::MouseDown(button, shift, x, y);
    if (!Focused() && CanFocus())
        SetFocus();
    const TPoint pt = Point(x, y);
    const TRect hitArea = GetTrackArea().Inflate(4, 4);
    const bool onMin = buttons_->Visible() && GetMinButtonRect().Contains(pt);
    const bool onMax = buttons_->Visible() && GetMaxButtonRect().Contains(pt);
    const bool rating = RatingMode();
    const bool onThumb = GetThumbRect().Contains(pt);

    if (!rating && !onThumb && button == mbLeft && moveOnClick_ != mcStep && !onMin && !onMax) {
        ClickToMove(x, y);
        if (moveOnClick_ == mcMoveSlide) {
            thumbDown_ = true;
            sliding_ = true;
        }
        return;
    }
    if (button != mbLeft || rating)
        return;
    if (onThumb && CanDragThumb()) {
        sliding_ = true;
        thumbDown_ = true;
        const TRect thumb = GetThumbRect();
        thumbCenterOffsetX_ = x - thumb.Left - (thumb.Right - thumb.Left) / 2;
        thumbCenterOffsetY_ = y - thumb.Top - (thumb.Bottom - thumb.Top) / 2;
        Invalidate();
        return;
    }
    if (hitArea.Contains(pt) && CanPageOnClick()) {
        sliderButtonDown_ = true;
        sliderDownPt_ = pt;
        pageDirection_ = 0;
        PageTowardPress();
        StartRepeatTimer();
        return;
    }
    if (!buttons_->Visible())
        return;
    if (onMin && !minButtonDown_) {
        minButtonDown_ = true;
        Invalidate();
        if (buttons_->RepeatClick())
            StartRepeatTimer();
    }
    if (onMax && !maxButtonDown_) {
        maxButtonDown_ = true;
        Invalidate();
        if (buttons_->RepeatClick())
            StartRepeatTimer();
    }
}

void TCustomTrackBar::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    if (RatingMode())
        return;
    if (sliding_)
        DragTo(x, y);
    else
        TrackHover(x, y);
}

void TCustomTrackBar::TrackHover(int x, int y) {
    const TPoint pt = Point(x, y);
    if (buttons_->Visible()) {
        const auto hover = [this, pt](const TRect& r, bool& hot, bool& down) {
            if (r.Contains(pt)) {
                if (!hot) {
                    hot = true;
                    Invalidate();
                }
            } else if (hot || down) {
                hot = false;
                down = false;
                Invalidate();
            }
        };
        hover(GetMinButtonRect(), minButtonHot_, minButtonDown_);
        hover(GetMaxButtonRect(), maxButtonHot_, maxButtonDown_);
    }
    if (GetThumbRect().Contains(pt) && CanDragThumb()) {
        if (!thumbHot_) {
            thumbHot_ = true;
            Invalidate();
        }
    } else if (thumbHot_) {
        thumbHot_ = false;
        thumbDown_ = false;
        Invalidate();
    }
}

void TCustomTrackBar::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (repeatTimer_)
        repeatTimer_->SetEnabled(false);
    sliderButtonDown_ = false;
    pageDirection_ = 0;
    if (button == mbLeft)
        leftButtonHeld_ = false;
    const TPoint pt = Point(x, y);
    if (RatingMode()) {
        if (button == mbLeft) {
            const int v = RatingValueAt(x, y);
            const TRect first = GetRatingRect(min_ + 1);
            if (v >= 0)
                SetPosition(v);
            else if (x >= first.Left - 4 && x < first.Left && y >= first.Top && y < first.Bottom)
                SetPosition(min_);
        }
    } else if (button == mbLeft) {
        HideTrackHint();
        sliding_ = false;
        if (thumbDown_) {
            thumbDown_ = false;
            if (!GetThumbRect().Contains(pt))
                thumbHot_ = false;
            Invalidate();
        }
        if (buttons_->Visible()) {
            if (GetMinButtonRect().Contains(pt) && minButtonDown_) {
                minButtonDown_ = false;
                Invalidate();
                StepDown();
            }
            if (GetMaxButtonRect().Contains(pt) && maxButtonDown_) {
                maxButtonDown_ = false;
                Invalidate();
                StepUp();
            }
        }
    }
    TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomTrackBar::CancelPress() {
    if (repeatTimer_)
        repeatTimer_->SetEnabled(false);
    leftButtonHeld_ = false;
    sliderButtonDown_ = false;
    pageDirection_ = 0;
    sliding_ = false;
    thumbDown_ = false;
    minButtonDown_ = false;
    maxButtonDown_ = false;
    HideTrackHint();
}

void TCustomTrackBar::MouseLeave() {
    TCustomControl::MouseLeave();
    for (auto [hot, down] :
         {std::pair{&minButtonHot_, &minButtonDown_}, std::pair{&maxButtonHot_, &maxButtonDown_}}) {
        if (*hot || *down) {
            *hot = false;
            *down = false;
            Invalidate();
        }
    }
    if ((thumbHot_ || thumbDown_) && !sliding_) {
        thumbHot_ = false;
        thumbDown_ = false;
        Invalidate();
    }
}

int TCustomTrackBar::RatingValueAt(int x, int y) const {
    for (int v = min_ + 1; v <= max_; ++v) {
        const TRect r = GetRatingRect(v);
        if (r.Left < 0 && r.Top < 0)
            break;
        if (r.Contains(Point(x, y)))
            return v;
    }
    return -1;
}

// ---------------------------------------------------------------- drag hint

void TCustomTrackBar::ShowTrackHint(int value) {
    hintTickIndex_ = value;
    std::string text = IntToStr(value);
    if (OnGetTrackHint)
        OnGetTrackHint(this, value, text);
    if (!hintWindow_)
        hintWindow_ = std::make_unique<TTrackHintWindow>(nullptr);
    hintWindow_->SetColor(clInfoBk);
    const TPoint cursor = korvan::forms::CursorPos();
    const TRect r = hintWindow_->CalcHintRect(100, text).Offset(cursor.X + 10, cursor.Y);
    hintWindow_->ActivateHint(r, text);
    trackHintShow_ = true;
}

void TCustomTrackBar::HideTrackHint() {
    if (!trackHintShow_)
        return;
    if (hintWindow_)
        hintWindow_->ReleaseHint();
    trackHintShow_ = false;
}
