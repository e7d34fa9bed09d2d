// How the track bar paints: background, groove, ticks, label, rating
// images and the focus frame (thumb and step-button faces are in
// TrackBarFaces.cpp).

#include "controls/gdip/TrackBar.h"
#include "controls/gdip/TrackBarDrawing.h"
#include "platform/text/IntText.h"
#include "platform/text/Rounding.h"

using namespace korvan::gdip;

namespace {

const TRect kMissing{-1, -1, -1, -1};

bool Set(TColor c) {
    return c != clNone;
}

// Both colours: a banded gradient; one: a solid fill with the one set.
void FillPair(TCanvas& canvas, TColor first, TColor second, TGradientDirection direction, const TRect& r,
              int steps) {
    if (Set(first) && Set(second)) {
        FillDirectedGradient(canvas, first, second, direction, r, steps);
    } else if (Set(first) || Set(second)) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(Set(first) ? first : second);
        canvas.FillRect(r);
    }
}

void Outline(TCanvas& canvas, const TRect& r, TColor color) {
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(color);
    canvas.Brush().SetStyle(bsClear);
    canvas.Rectangle(r);
}

} // namespace

void TCustomTrackBar::Paint() {
    TCanvas& c = Canvas();
    if (!transparent_) {
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(Color());
        c.FillRect(ClientRect());
    }
    PaintBackground();
    if (RatingMode()) {
        PaintRating();
        return;
    }
    PaintTrackLabel();
    PaintSlider();
    PaintTicks();
    PaintThumb();
    PaintButtons();
    if (showFocus_ && Focused())
        DrawFocusFrame(c, Rect(0, 0, Width() - 1, Height() - 1), clBlack);
}

void TCustomTrackBar::PaintBackground() {
    TCanvas& c = Canvas();
    const bool enabled = Enabled();
    TGDIPPicture& picture = enabled || backGroundDisabled_->Empty() ? *backGround_ : *backGroundDisabled_;
    const TColor first = enabled ? Color() : colorDisabled_;
    const TColor second = enabled ? colorTo_ : colorDisabledTo_;
    const TColor frame = enabled ? borderColor_ : borderColorDisabled_;
    if (!picture.Empty()) {
        if (backGroundStretched_)
            DrawPictureStretched(c, picture, ClientRect());
        else
            DrawPictureAt(c, picture, 0, 0);
    } else if (!transparent_) {
        FillPair(c, first, second, direction_, ClientRect(), 80);
    }
    if (Set(frame) && kBorderWidth >= 1)
        Outline(c, ClientRect(), frame);
}

void TCustomTrackBar::PaintSlider() {
    const TRect s = GetSliderRect();
    if (RatingMode() || slider_->Size() <= 0 || !slider_->Visible() || s == kMissing)
        return;
    TCanvas& c = Canvas();
    const TTrackBarSlider& sl = *slider_;
    const bool enabled = Enabled();
    TGDIPPicture& picture = enabled || sl.PictureDisabled()->Empty() ? *sl.Picture() : *sl.PictureDisabled();
    TGDIPPicture& completedPicture = enabled ? *sl.PictureCompleted() : *sl.PictureCompletedDisabled();
    const TColor frame = enabled ? sl.BorderColor() : sl.BorderColorDisabled();
    const TColor first = enabled ? sl.Color() : sl.ColorDisabled();
    const TColor second = enabled ? sl.ColorTo() : sl.ColorDisabledTo();
    const TColor done = enabled ? sl.ColorCompleted() : sl.ColorCompletedDisabled();
    const TColor doneTo = enabled ? sl.ColorCompletedTo() : sl.ColorCompletedDisabledTo();

    // Split at the thumb's centre: Min's end is the completed part.
    TRect completed = kMissing, remaining = s;
    if (sl.HasCompletedLook()) {
        const TRect thumb = GetThumbRect();
        if (orientation_ == trHorizontal) {
            const int centre = thumb.Left + thumb_->Width() / 2;
            completed = Rect(s.Left, s.Top, centre, s.Bottom);
            remaining = Rect(centre - 1, s.Top, s.Right, s.Bottom);
        } else {
            const int centre = thumb.Top + thumb_->Width() / 2;
            completed = Rect(s.Left, centre, s.Right, s.Bottom);
            remaining = Rect(s.Left, s.Top, s.Right, centre + 1);
        }
        if (position_ <= min_)
            completed = kMissing, remaining = s;
        else if (position_ >= max_)
            completed = s, remaining = kMissing;
    }

    const int saved = c.SaveDC();
    if (sl.Rounded() && picture.Empty())
        c.SelectClipRegion(korvan::gfx::Region::FromRoundRect(s, 7, 7));
    if (picture.Empty()) {
        if (completed != kMissing)
            FillPair(c, done, doneTo, sl.Direction(), completed, sl.Steps());
        if (remaining != kMissing)
            FillPair(c, first, second, sl.Direction(), remaining, sl.Steps());
    } else {
        const auto drawPart = [&](TGDIPPicture& part, const TRect& r) {
            if (part.Empty() || r == kMissing)
                return;
            if (sl.PictureStretched()) {
                DrawPictureStretched(c, part, r);
            } else if (r.Left > 0 && r.Right > 0) {
                const int inner = c.SaveDC();
                c.IntersectClipRect(r);
                DrawPictureAt(c, part, s.Left, s.Top);
                c.RestoreDC(inner);
            }
        };
        if (sl.HasCompletedLook())
            drawPart(completedPicture, completed);
        drawPart(picture, remaining);
    }
    c.RestoreDC(saved);

    if (!Set(frame))
        return;
    c.Brush().SetStyle(bsClear);
    c.Pen().SetStyle(psSolid);
    c.Pen().SetWidth(1);
    if (sl.Rounded()) {
        c.Pen().SetColor(frame);
        c.RoundRect(s.Left, s.Top, s.Right, s.Bottom, 7, 7);
        if (sl.Border3D()) {
            c.Pen().SetColor(clWhite);
            c.RoundRect(s.Left + 1, s.Top + 1, s.Right - 1, s.Bottom - 1, 7, 7);
        }
    } else if (sl.Border3D()) {
        DrawTwoToneFrame(c, s, true, frame, MixColors(frame, clWhite, 10));
    } else {
        Outline(c, s, frame);
    }
}

void TCustomTrackBar::PaintTicks() {
    const TTrackBarTick& tm = *tickMark_;
    if (RatingMode() || tm.Size() <= 0 || tm.Style() != tsAuto)
        return;
    TCanvas& c = Canvas();
    const bool horizontal = orientation_ == trHorizontal;
    TRect r1 = GetTopLeftTickRect();
    TRect r2 = GetBottomRightTickRect();
    const TRect used = tm.Position() == tmTopLeft ? r1 : r2;
    const int b = (std::max(Width(), Height()) - 2 * (horizontal ? used.Left : used.Top)) / 2;
    const int last = OnDrawTick || tm.ShowText() || max_ <= b ? max_ : b;
    const TRect a = GetTrackArea();
    const int length = (horizontal ? a.Width() : a.Height()) - thumb_->Width();
    const double k = last == min_ ? 0.0 : double(length) / (double(last) - min_);
    const TRect r1Full = r1, r2Full = r2;
    if (tm.ShowText()) {
        const int t = textHeight_;
        if (r1 != kMissing)
            (horizontal ? r1.Top : r1.Left) += t;
        if (r2 != kMissing)
            (horizontal ? r2.Bottom : r2.Right) -= t;
    }
    const bool enabled = Enabled();
    const bool images = tickImages_ && tickImages_->Count() > 0;

    int lastOffset = 0;
    bool first = true;
    for (int i = min_; i <= last; ++i) {
        const int o = int(Trunc((double(i) - min_) * k));
        if (!OnDrawTick && !first && o < lastOffset + 2)
            continue;
        first = false;
        lastOffset = o;
        for (int row = 0; row < 2; ++row) {
            const TRect& r = row == 0 ? r1 : r2;
            const TRect& full = row == 0 ? r1Full : r2Full;
            if (r == kMissing)
                continue;
            const TTickMark side = row == 0 ? tmTopLeft : tmBottomRight;
            const int along = horizontal ? r.Left + o : r.Bottom - o;
            // The anchor: the row's edge away from the groove.
            const int anchor = row == 0 ? (horizontal ? r.Top : r.Left) : (horizontal ? r.Bottom : r.Right);
            bool draw = true;
            int len = tm.Size();
            TColor color = enabled ? tm.Color() : tm.ColorDisabled();
            TColor textColor = tm.Font()->Color();
            std::string text;
            if (tm.ShowText()) {
                text = IntToStr(i);
                if (OnGetTickMarkText)
                    OnGetTickMarkText(this, i, text);
            }
            if (OnDrawTick) {
                const int nearEnd = row == 0 ? anchor : anchor - tm.Size();
                const TPoint location = horizontal ? Point(along, nearEnd) : Point(nearEnd, along);
                OnDrawTick(this, c, location, i, side, len, color, textColor, text, draw);
            }
            c.Pen().SetColor(color);
            c.Pen().SetStyle(psSolid);
            c.Pen().SetWidth(1);
            if (!draw)
                continue;
            const int dir = row == 0 ? 1 : -1; // toward the groove
            if (!images) {
                const auto line = [&](int at, TColor col) {
                    c.Pen().SetColor(col);
                    if (horizontal) {
                        c.MoveTo(at, anchor);
                        c.LineTo(at, anchor + dir * len);
                    } else {
                        c.MoveTo(anchor, at);
                        c.LineTo(anchor + dir * len, at);
                    }
                };
                line(along, color);
                if (tm.Line3D())
                    line(horizontal ? along + 1 : along - 1, MixColors(color, clWhite, 10));
            } else {
                const bool atThumb = !tm.ShowImageAtThumbOnly() || i == position_;
                const bool atStep = tm.ShowImageAtSteps() <= 1 || i % tm.ShowImageAtSteps() == 0;
                if (atThumb && atStep) {
                    const int index = i >= 0 && i < tickImages_->Count() ? i : 0;
                    const int w = tickImages_->Width(), h = tickImages_->Height();
                    const int x = horizontal ? along - w / 2 : (row == 0 ? anchor : anchor - w);
                    const int y = horizontal ? (row == 0 ? anchor : anchor - h) : along - h / 2;
                    tickImages_->Draw(c, x, y, index, enabled);
                }
            }
            if (!tm.ShowText() || text.empty())
                continue;
            c.SetBkMode(TRANSPARENT);
            c.Font().Assign(*tm.Font());
            c.Font().SetColor(textColor);
            const int tw = c.TextWidth(text);
            if (horizontal) {
                const int y = row == 0 ? full.Top + kTickTextOffset : r.Bottom + kTickTextOffset;
                c.TextOut(along - tw / 2, y, text);
            } else if (tm.RotateFontVert()) {
                c.Font().SetOrientation(row == 0 ? 900 : 2700);
                if (row == 0)
                    c.TextOut(full.Left + kTickTextOffset, along + tw / 2, text);
                else
                    c.TextOut(full.Right, along - tw / 2, text);
                c.Font().SetOrientation(0);
            } else {
                const int y = along - textHeight_ / 2;
                if (row == 0)
                    c.TextOut(r.Left - kTickTextOffset - tw, y, text);
                else
                    c.TextOut(r.Left + tm.Size() + kTickTextOffset, y, text);
            }
        }
    }
}

void TCustomTrackBar::PaintTrackLabel() {
    if (!trackLabel_->Visible())
        return;
    TCanvas& c = Canvas();
    std::string text;
    GetTrackLabelText(text);
    c.Font().Assign(*trackLabel_->Font());
    c.SetBkMode(TRANSPARENT);
    if (orientation_ == trHorizontal) {
        TRect r = GetTrackLabelRect(false);
        const TLabelPosition pos = trackLabel_->Position();
        unsigned flags = DT_SINGLELINE;
        if (pos == lpTopLeft || pos == lpBottomLeft)
            flags |= DT_LEFT;
        else if (pos == lpTopRight || pos == lpBottomRight)
            flags |= DT_RIGHT;
        else
            flags |= DT_CENTER;
        flags |= trackLabel_->AtTop() ? DT_VCENTER : DT_BOTTOM;
        c.DrawText(text, r, flags);
    } else {
        const TRect r = GetTrackLabelRect(true);
        c.Font().SetOrientation(900);
        c.TextOut(r.Left + 3, r.Top, text);
        c.Font().SetOrientation(0);
    }
}

void TCustomTrackBar::InvalidateTrackLabel() {
    if (trackLabel_->Visible())
        Invalidate();
}

void TCustomTrackBar::PaintRating() {
    TCanvas& c = Canvas();
    for (int v = min_ + 1; v <= max_; ++v) {
        const TRect r = GetRatingRect(v);
        if (r == kMissing)
            break;
        if (r.Left <= 0 || r.Bottom <= 0)
            continue;
        DrawPictureAt(c, v <= position_ ? *rateActive_ : *rateInActive_, r.Left, r.Top);
    }
}

void TCustomTrackBar::PaintButtons() {
    if (!buttons_->Visible())
        return;
    PaintMinButton();
    PaintMaxButton();
}
