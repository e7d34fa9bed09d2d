// The push button's faces: styled, hot-tracked and classic, the held-down
// pattern, the caption and the focus rectangle.

#include "controls/panels/ButtonElement.h"
#include "controls/panels/FrameDrawing.h"
#include "controls/panels/GradientPainting.h"
#include "controls/panels/ParentImage.h"
#include "controls/panels/PushButton.h"

using korvan::panels::ButtonElementState;

namespace {

// Four edges of `r` drawn as lines that stop `cut` pixels short of each
// corner.
void CutCornerOutline(TCanvas& c, const TRect& r, int cut, TColor topLeft, TColor bottomRight) {
    c.Pen().SetColor(topLeft);
    c.MoveTo(r.Left, r.Top + cut);
    c.LineTo(r.Left, r.Bottom - cut);
    c.MoveTo(r.Left + cut, r.Top);
    c.LineTo(r.Right - cut, r.Top);
    c.Pen().SetColor(bottomRight);
    c.MoveTo(r.Right - 1, r.Top + cut);
    c.LineTo(r.Right - 1, r.Bottom - cut);
    c.MoveTo(r.Left + cut, r.Bottom - 1);
    c.LineTo(r.Right - cut, r.Bottom - 1);
}

} // namespace

void TRzButton::PaintParentBackground(TCanvas& c) {
    // The parent's picture under the whole button: the face painted next
    // covers all of it but the cut corners.
    DrawParentImage(this, c, true);
}

void TRzButton::CreateDownPattern(TBitmap& bitmap) const {
    bitmap.SetSize(8, 8);
    TCanvas& c = bitmap.Canvas();
    c.Brush().SetStyle(bsSolid);
    c.Brush().SetColor(Color());
    c.FillRect(Rect(0, 0, 8, 8));
    const TColor dots = ColorToRGB(Color()) == ColorToRGB(clSilver) ? clGray : clSilver;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (x % 2 == y % 2)
                c.SetPixel(x, y, dots);
}

void TRzButton::PaintGradientFace(TCanvas& c, TRect r) {
    c.Pen().SetColor(DarkerColor(Color(), 20));
    c.MoveTo(r.Left, r.Bottom - 2);
    c.LineTo(r.Right, r.Bottom - 2);
    c.Pen().SetColor(DarkerColor(Color(), 30));
    c.MoveTo(r.Left, r.Bottom - 1);
    c.LineTo(r.Right, r.Bottom - 1);
    r.Bottom -= 2;
    if (FullColorDisplay) {
        FillGradientRect(c, r, gdHorizontalEnd, LighterColor(Color(), 30), DarkerColor(Color(), 10), 1);
    } else {
        c.Brush().SetColor(Color());
        c.FillRect(r);
    }
}

TRect TRzButton::PaintHotTrackFace(TCanvas& c) {
    TRect b = ClientRect();
    const TColor p = Parent() ? Parent()->Color() : clBtnFace;
    if (!Enabled()) {
        CutCornerOutline(c, b, 2, p, p);
        b = b.Inflate(-1, -1);
        const TColor ring = ColorToRGB(Color()) == ColorToRGB(clBtnFace) ? LighterColor(clBtnShadow, 30)
                                                                         : DarkerColor(Color(), 80);
        CutCornerOutline(c, b, 1, ring, ring);
        b = b.Inflate(-1, -1);
        c.Brush().SetColor(Color());
        c.FillRect(b);
        return b;
    }
    const TColor dark = DarkerColor(p, 20), light = LighterColor(p, 20);
    CutCornerOutline(c, b, 2, dark, light);
    c.SetPixel(b.Left + 1, b.Top + 1, dark);
    c.SetPixel(b.Right - 2, b.Top + 1, dark);
    c.SetPixel(b.Left + 1, b.Bottom - 2, dark);
    c.SetPixel(b.Right - 2, b.Bottom - 2, light);
    b = b.Inflate(-1, -1);
    CutCornerOutline(c, b, 1, frameColor_, frameColor_);
    b = b.Inflate(-1, -1);

    if (Pressed()) {
        c.Brush().SetColor(DarkerColor(Color(), 10));
        c.FillRect(b);
    } else if (MouseOverButton()) {
        PaintGradientFace(c, b);
        TColor start = BlendColors(clWhite, HotTrackColor(), 190), stop = HotTrackColor();
        if (HotTrackColorType() == htctComplement) {
            start = ComplementColor(HotTrackColor(), 180);
            stop = DarkerColor(start, 30);
        }
        PaintGradientBorder(c, b, gdHorizontalEnd, start, stop);
    } else if (Grouped() || (!active_ && !Focused()) || showDownVersion_) {
        PaintGradientFace(c, b);
    } else {
        PaintGradientFace(c, b);
        const TColor h = ColorsAreClose(HighlightColor(), clBtnFace) ? DarkerColor(HighlightColor(), 30)
                                                                     : HighlightColor();
        const TColor base = LighterColor(Color(), 30);
        PaintGradientBorder(c, b, gdHorizontalEnd, BlendColors(h, base, 60), BlendColors(h, base, 160));
    }
    return b;
}

TRect TRzButton::PaintClassicFace(TCanvas& c) {
    TRect b = ClientRect();
    if (!Grouped() && (((active_ || Focused()) && !showDownVersion_) || clicking_))
        b = DrawSidesLines(c, b, clWindowFrame, clWindowFrame, sdAllSides);
    const bool pressed = Pressed();
    if (ColorToRGB(Color()) == ColorToRGB(clBtnFace)) {
        b = Grouped() ? DrawFrameStyle(c, b, pressed ? fsLowered : fsButtonUp)
                      : DrawButtonFrame(c, b, showDownVersion_);
    } else if (!Grouped()) {
        b = DrawColorButtonFrame(c, b, Color(), showDownVersion_);
    } else if (pressed) {
        b = DrawColorFrameStyle(c, b, Color(), fsLowered);
    } else {
        b = DrawColorButtonFrame(c, b, Color(), false);
    }
    c.Brush().SetColor(Color());
    c.FillRect(b);
    return b;
}

void TRzButton::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetBitmap(QImage());
    c.Brush().SetStyle(bsSolid);
    c.Pen().SetStyle(psSolid);
    c.Pen().SetWidth(1);
    if (Transparent())
        PaintParentBackground(c);
    const bool slim = HotTrack() || UseThemes();
    TRect f = ClientRect().Inflate(slim ? -3 : -4, slim ? -3 : -4);
    if (Grouped() && Pressed())
        f = f.Offset(1, 1);

    TRect b = ClientRect();
    if (UseThemes()) {
        DrawParentImage(this, c, false);
        ButtonElementState state = ButtonElementState::Defaulted;
        if (!Enabled())
            state = ButtonElementState::Disabled;
        else if (Pressed())
            state = ButtonElementState::Pressed;
        else if (MouseOverButton())
            state = ButtonElementState::Hot;
        else if (Grouped() || (!active_ && !Focused()) || showDownVersion_)
            state = ButtonElementState::Normal;
        korvan::panels::DrawButtonElement(c, b, state);
    } else if (HotTrack()) {
        b = PaintHotTrackFace(c);
    } else {
        b = PaintClassicFace(c);
    }

    if (Grouped() && state_ == bsExclusive && showDownPattern_) {
        TBitmap pattern;
        CreateDownPattern(pattern);
        c.Brush().SetBitmap(pattern.Image());
        c.FillRect(b);
        c.Brush().SetBitmap(QImage());
    }

    c.Font().Assign(Font());
    c.Brush().SetColor(Color());
    DrawButtonCaption(c);

    if (Focused() && showFocusRect_)
        DrawDottedFrame(c, f);
}

TRect TRzButton::GetCaptionRect() const {
    TRect r = ClientRect().Inflate(-5, -5);
    // Only the classic face moves its caption while pressed.
    const bool classic = !HotTrack() && !UseThemes();
    if (classic && (Grouped() ? Pressed() : showDownVersion_))
        r = r.Offset(1, 1);
    return r;
}

void TRzButton::DrawButtonCaption(TCanvas& c) {
    unsigned flags = DT_WORDBREAK | DT_EXPANDTABS;
    flags |= alignment_ == taLeftJustify ? DT_LEFT : alignment_ == taRightJustify ? DT_RIGHT : DT_CENTER;
    DrawCaption(c, GetCaptionRect(), flags);
}
