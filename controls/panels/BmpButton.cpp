#include "controls/panels/BmpButton.h"

#include "controls/panels/Accelerator.h"
#include "controls/panels/FrameDrawing.h"
#include "controls/panels/GradientPainting.h"
#include "controls/panels/PackText.h"
#include "controls/panels/ParentImage.h"
#include "platform/forms/Form.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/forms/Messages.h"
#include "platform/forms/VirtualKeys.h"

namespace {

using korvan::forms::ClassBuilder;

// Shared by every button: the held-down pattern, freed with the last button.
std::unique_ptr<TBitmap> gDownPattern;
int gButtonCount = 0;

TBitmap& DownPattern() {
    if (!gDownPattern) {
        gDownPattern = std::make_unique<TBitmap>(8, 8);
        TCanvas& c = gDownPattern->Canvas();
        c.Brush().SetColor(clBtnFace);
        c.FillRect(Rect(0, 0, 8, 8));
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                if ((x % 2) == (y % 2))
                    c.SetPixel(x, y, clWhite);
    }
    return *gDownPattern;
}

} // namespace

const TClassInfo& TRzBmpButton::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TRzBmpButton>("TRzBmpButton", &TCustomControl::StaticClassInfo())
            .Creator()
            .Property("AllowAllUp", &TRzBmpButton::AllowAllUp, &TRzBmpButton::SetAllowAllUp)
            .Default(false)
            .Enum("ButtonBorder", &TRzBmpButton::ButtonBorder, &TRzBmpButton::SetButtonBorder,
                  {"bbNone", "bbSingle", "bbButton"}, "TButtonBorder")
            .Default(bbNone)
            .Enum("ButtonSize", &TRzBmpButton::ButtonSize, &TRzBmpButton::SetButtonSize,
                  {"bszNeither", "bszButtonToBitmap", "bszStretchToButton", "bszTileToButton"}, "TBtnSize")
            .Default(bszButtonToBitmap)
            .Enum("ButtonStyle", &TRzBmpButton::ButtonStyle, &TRzBmpButton::SetButtonStyle,
                  {"bsAutoDetect", "bsWin31", "bsNew"}, "TButtonStyle")
            .Default(bsAutoDetect)
            // The group comes before Down so that a stored Down survives.
            .Property("GroupIndex", &TRzBmpButton::GroupIndex, &TRzBmpButton::SetGroupIndex)
            .Default(0)
            .Property("Down", &TRzBmpButton::Down, &TRzBmpButton::SetDown)
            .Default(false)
            .Property("CaptionDownOffset", &TRzBmpButton::CaptionDownOffset,
                      &TRzBmpButton::SetCaptionDownOffset)
            .Default(1)
            .Enum("Layout", &TRzBmpButton::Layout, &TRzBmpButton::SetLayout,
                  {"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"}, "TButtonLayout")
            .Default(blGlyphLeft)
            .Property("Margin", &TRzBmpButton::Margin, &TRzBmpButton::SetMargin)
            .Default(-1)
            .Property("ShowDownPattern", &TRzBmpButton::ShowDownPattern, &TRzBmpButton::SetShowDownPattern)
            .Default(true)
            .Property("ShowFocus", &TRzBmpButton::ShowFocus, &TRzBmpButton::SetShowFocus)
            .Default(true)
            .Property("Spacing", &TRzBmpButton::Spacing, &TRzBmpButton::SetSpacing)
            .Default(4)
            .Property("ModalResult", &TRzBmpButton::ModalResult, &TRzBmpButton::SetModalResult)
            .Default(0)
            .Property("Bitmaps", &TRzBmpButton::Bitmaps, &TRzBmpButton::SetBitmaps)
            // The caption is stored with the button.
            .Property("Caption", &TRzBmpButton::Text, &TRzBmpButton::SetText)
            .Build();
    return info;
}

TRzBmpButton::TRzBmpButton(TComponent* owner)
    : TCustomControl(owner), bitmaps_(std::make_unique<TRzButtonBitmaps>()) {
    controlStyle_ = csCaptureMouse | csOpaque | csDoubleClicks;
    SetBounds(0, 0, 80, 30);
    SetTabStop(true);
    bitmaps_->OnChange = [this](TObject*) { BitmapsChanged(); };
    ++gButtonCount;
}

TRzBmpButton::~TRzBmpButton() {
    bitmaps_->OnChange = nullptr;
    if (--gButtonCount == 0)
        gDownPattern.reset();
}

const TBitmap* TRzBmpButton::DownPatternBitmap() {
    return gDownPattern.get();
}

int TRzBmpButton::BmpButtonCount() {
    return gButtonCount;
}

// ---------------------------------------------------------------- setters

void TRzBmpButton::SetAllowAllUp(bool value) {
    if (value == allowAllUp_)
        return;
    allowAllUp_ = value;
    NotifyGroup();
}

void TRzBmpButton::SetButtonBorder(TButtonBorder value) {
    if (value == buttonBorder_)
        return;
    buttonBorder_ = value;
    UpdateSize();
    Invalidate();
}

void TRzBmpButton::SetButtonSize(TBtnSize value) {
    if (value == buttonSize_)
        return;
    buttonSize_ = value;
    UpdateSize();
    Invalidate();
}

void TRzBmpButton::SetButtonStyle(TButtonStyle value) {
    if (value == buttonStyle_)
        return;
    buttonStyle_ = value;
    UpdateSize();
    Invalidate();
}

void TRzBmpButton::SetCaptionDownOffset(int value) {
    if (value == captionDownOffset_)
        return;
    captionDownOffset_ = value;
    Invalidate();
}

void TRzBmpButton::SetGroupIndex(int value) {
    if (value == groupIndex_)
        return;
    groupIndex_ = value;
    NotifyGroup();
}

void TRzBmpButton::SetLayout(TButtonLayout value) {
    if (value == layout_)
        return;
    layout_ = value;
    Invalidate();
}

void TRzBmpButton::SetMargin(int value) {
    if (value == margin_ || value < -1)
        return;
    margin_ = value;
    Invalidate();
}

void TRzBmpButton::SetShowDownPattern(bool value) {
    if (value == showDownPattern_)
        return;
    showDownPattern_ = value;
    Invalidate();
}

void TRzBmpButton::SetShowFocus(bool value) {
    if (value == showFocus_)
        return;
    showFocus_ = value;
    Invalidate();
}

void TRzBmpButton::SetSpacing(int value) {
    if (value == spacing_)
        return;
    spacing_ = value;
    Invalidate();
}

// ---------------------------------------------------------------- size

bool TRzBmpButton::NewStyle() const {
    // The framework's new-style flag is set on every supported system.
    return buttonStyle_ == bsAutoDetect || buttonStyle_ == bsNew;
}

void TRzBmpButton::UpdateSize() {
    const TBitmap* up = bitmaps_->Up();
    if (HasState(csLoading) || buttonSize_ == bszNeither || up->Empty())
        return;
    if (buttonSize_ == bszButtonToBitmap) {
        const int b = buttonBorder_ == bbNone ? 0 : buttonBorder_ == bbSingle ? 1 : NewStyle() ? 2 : 3;
        SetBounds(Left(), Top(), up->Width() + 2 * b, up->Height() + 2 * b);
    }
    Invalidate();
}

void TRzBmpButton::BitmapsChanged() {
    if (buttonSize_ == bszButtonToBitmap)
        UpdateSize();
    Invalidate();
}

void TRzBmpButton::Resize() {
    // The size follows the bitmap; OnResize is not raised.
    UpdateSize();
}

void TRzBmpButton::Loaded() {
    TCustomControl::Loaded();
    UpdateSize();
}

// ---------------------------------------------------------------- groups

void TRzBmpButton::SetDown(bool value) {
    if (groupIndex_ == 0)
        value = false;
    if (value == down_ || (down_ && !allowAllUp_))
        return;
    down_ = value;
    state_ = value ? bsExclusive : bsUp;
    Invalidate();
    if (value)
        NotifyGroup();
}

void TRzBmpButton::NotifyGroup() {
    if (groupIndex_ != 0 && Parent()) {
        TMessage m;
        m.Msg = BmpButtonGroupMessage;
        m.WParam = std::uintptr_t(groupIndex_);
        m.LParam = reinterpret_cast<std::intptr_t>(this);
        Parent()->Broadcast(m);
    } else {
        state_ = bsUp;
    }
}

void TRzBmpButton::GroupNotified(TMessage& message) {
    auto* sender = reinterpret_cast<TRzBmpButton*>(message.LParam);
    if (int(message.WParam) != groupIndex_ || !sender || sender == this)
        return;
    if (sender->down_ && down_) {
        down_ = false;
        state_ = bsUp;
        Invalidate();
    }
    allowAllUp_ = sender->allowAllUp_;
}

// ---------------------------------------------------------------- input

void TRzBmpButton::Click() {
    if (TCustomForm* form = GetParentForm())
        form->SetModalResult(modalResult_);
    TCustomControl::Click();
}

bool TRzBmpButton::Inside(int x, int y) const {
    // The row just below the control counts as inside; the column to its
    // right does not.
    return x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
}

void TRzBmpButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseDown(button, shift, x, y);
    if (Enabled() && !isFocused_ && WindowVisible() && CanFocus())
        SetFocus();
    if (button == mbLeft && Enabled() && isFocused_) {
        if (!down_) {
            state_ = bsDown;
            Repaint();
        }
        dragging_ = true;
    }
    // A double click of the left button raises OnDblClick on a held button.
    if (button == mbLeft && (shift & ssDouble) && down_)
        DblClick();
}

void TRzBmpButton::MouseMove(TShiftState shift, int x, int y) {
    TCustomControl::MouseMove(shift, x, y);
    if (!dragging_)
        return;
    TButtonState next = down_ ? bsExclusive : bsUp;
    if (Inside(x, y))
        next = down_ ? bsExclusive : bsDown;
    if (next != state_) {
        state_ = next;
        Repaint();
    }
}

void TRzBmpButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TCustomControl::MouseUp(button, shift, x, y);
    if (!dragging_)
        return;
    dragging_ = false;
    const bool inside = Inside(x, y);
    NotifyGroup();
    ButtonReleased(inside);
}

void TRzBmpButton::ButtonReleased(bool inside) {
    if (groupIndex_ == 0) {
        Repaint();
    } else if (inside) {
        SetDown(!down_);
    } else {
        if (down_)
            state_ = bsExclusive;
        Repaint();
    }
    if (inside)
        Click();
}

void TRzBmpButton::KeyDown(std::uint16_t& key, TShiftState shift) {
    TCustomControl::KeyDown(key, shift);
    if (key == VK_RETURN)
        Click();
    if (key == VK_SPACE && Enabled()) {
        if (!down_) {
            state_ = bsDown;
            Repaint();
        }
        dragging_ = true;
    }
}

void TRzBmpButton::KeyUp(std::uint16_t& key, TShiftState shift) {
    TCustomControl::KeyUp(key, shift);
    if (!dragging_)
        return;
    dragging_ = false;
    // A held button of a strict group stays held: it shows the held face.
    state_ = down_ ? bsExclusive : bsUp;
    ButtonReleased(true);
}

void TRzBmpButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case BmpButtonGroupMessage:
        GroupNotified(message);
        return;
    case CM_DIALOGCHAR:
        if (korvan::panels::ClickOnAccelerator(message, Caption(), Enabled(), [this] { Click(); }))
            return;
        break;
    case CM_FOCUSCHANGED: {
        const bool focused = message.LParam == reinterpret_cast<std::intptr_t>(this);
        if (focused != isFocused_) {
            isFocused_ = focused;
            Invalidate();
        }
        break;
    }
    case CM_MOUSEENTER:
        if (HasState(csDesigning))
            return;
        mouseOverButton_ = true;
        TCustomControl::WndProc(message);
        if (!bitmaps_->Hot()->Empty())
            Invalidate();
        return;
    case CM_MOUSELEAVE:
        mouseOverButton_ = false;
        TCustomControl::WndProc(message);
        if (!bitmaps_->Hot()->Empty())
            Invalidate();
        return;
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
    case CM_SYSCOLORCHANGE:
        TCustomControl::WndProc(message);
        Invalidate();
        return;
    default:
        break;
    }
    TCustomControl::WndProc(message);
}

// ---------------------------------------------------------------- painting

namespace korvan::panels {

TBitmap EmbossedImage(const TBitmap& up) {
    const int w = up.Width(), h = up.Height();
    // The mask: white where the bitmap has its background colour.
    TBitmap source(up);
    source.Canvas().Brush().SetColor(clBlack);
    if (source.Monochrome()) {
        source.Canvas().Font().SetColor(clWhite);
        source.SetMonochrome(false);
        source.Canvas().Brush().SetColor(clWhite);
    }
    TBitmap mask(w, h);
    mask.SetMonochrome(true);
    mask.Canvas().BitBlt(0, 0, w, h, &source.Canvas(), 0, 0, SRCCOPY);

    TBitmap e(w, h);
    TCanvas& c = e.Canvas();
    c.Brush().SetColor(clBtnFace);
    c.FillRect(Rect(0, 0, w, h));
    c.Brush().SetColor(clBlack);
    c.Font().SetColor(clWhite);
    c.BitBlt(1, 1, w, h, &mask.Canvas(), 0, 0, MERGEPAINT);
    c.BitBlt(0, 0, w, h, &mask.Canvas(), 0, 0, SRCAND);
    c.Brush().SetColor(clBtnShadow);
    c.Font().SetColor(clBlack);
    c.BitBlt(0, 0, w, h, &mask.Canvas(), 0, 0, SRCPAINT);
    return e;
}

} // namespace korvan::panels

TBitmap* TRzBmpButton::ChooseBitmap(std::unique_ptr<TBitmap>& embossed) {
    TRzButtonBitmaps& b = *bitmaps_;
    if (b.Up()->Empty() && !(state_ == bsDisabled && !b.Disabled()->Empty()))
        return nullptr;
    switch (state_) {
    case bsUp:
        if (mouseOverButton_ && !b.Hot()->Empty())
            return b.Hot();
        if (isFocused_ && showFocus_ && !b.UpAndFocused()->Empty())
            return b.UpAndFocused();
        return b.Up();
    case bsDisabled:
        if (!b.Disabled()->Empty())
            return b.Disabled();
        embossed = std::make_unique<TBitmap>(korvan::panels::EmbossedImage(*b.Up()));
        return embossed.get();
    case bsDown:
        return !b.Down()->Empty() ? b.Down() : b.Up();
    case bsExclusive:
        if (!b.StayDown()->Empty())
            return b.StayDown();
        return !b.Down()->Empty() ? b.Down() : b.Up();
    }
    return b.Up();
}

korvan::panels::GlyphPlacement TRzBmpButton::CalcGlyphLayout(const TRect& face, const TBitmap* glyph) {
    TCanvas& c = Canvas();
    c.Font().Assign(Font());
    TSize glyphSize;
    if (glyph && !glyph->Empty() && buttonSize_ == bszNeither)
        glyphSize = {glyph->Width(), glyph->Height()};
    TSize textSize;
    if (!Caption().empty()) {
        TRect t = Rect(0, 0, face.Width(), 0);
        DrawCaptionText(c, Caption(), t, DT_CALCRECT);
        textSize = {t.Width(), t.Height()};
    }
    return korvan::panels::PlaceGlyph(face, glyphSize, textSize, layout_, margin_, spacing_);
}

TRect TRzBmpButton::DrawButtonFace(TCanvas& c) {
    // The framework's standard button face on the whole client area.
    TRect r = Rect(0, 0, ClientWidth(), ClientHeight());
    const bool pushed = state_ == bsDown || state_ == bsExclusive;
    c.Brush().SetColor(clBtnFace);
    c.Brush().SetStyle(bsSolid);
    c.FillRect(r);
    if (NewStyle()) {
        DrawCtl3DFrame(c, r, pushed, sdAllSides);
    } else {
        TRect f = r;
        c.Brush().SetColor(clWindowFrame);
        c.FrameRect(f);
        // Rounded: the corners show the face.
        for (const TPoint p : {Point(f.Left, f.Top), Point(f.Right - 1, f.Top), Point(f.Left, f.Bottom - 1),
                               Point(f.Right - 1, f.Bottom - 1)})
            c.SetPixel(p.X, p.Y, clBtnFace);
        f = f.Inflate(-1, -1);
        if (isFocused_ && showFocus_) {
            c.FrameRect(f);
            f = f.Inflate(-1, -1);
        }
        if (pushed)
            DrawSidesLines(c, f, clBtnShadow, clNone, sdLeft | sdTop);
        else
            DrawSidesBevel(c, f, clBtnHighlight, clBtnShadow, BevelWidth(), sdAllSides);
        c.Brush().SetColor(clBtnFace);
    }
    TRect inner = Rect(r.Left + 1, r.Top + 1, r.Right - 2, r.Bottom - 2);
    if (pushed)
        inner = inner.Offset(1, 1);
    return inner;
}

void TRzBmpButton::Paint() {
    const bool designing = HasState(csDesigning);
    if (!Enabled() && !designing) {
        state_ = bsDisabled;
        dragging_ = false;
    } else if (state_ == bsDisabled) {
        state_ = down_ ? bsDown : bsUp;
    }
    TCanvas& c = Canvas();
    c.Brush().SetBitmap(QImage());
    c.Brush().SetStyle(bsSolid);
    c.Pen().SetStyle(psSolid);
    c.Pen().SetColor(clBlack);
    c.SetCopyMode(cmSrcCopy);
    TRect r = Rect(0, 0, ClientWidth(), ClientHeight());
    c.Brush().SetColor(Color());
    const int dx = BevelWidth();

    switch (buttonBorder_) {
    case bbNone:
        // No wait after the parent's image: with a couple of hundred
        // buttons a pause per paint would stall the window.
        DrawParentImage(this, c, false);
        if (designing) {
            c.Pen().SetStyle(psDot);
            c.Brush().SetStyle(bsClear);
            c.Rectangle(r);
            c.Pen().SetStyle(psSolid);
            c.Brush().SetStyle(bsSolid);
        }
        break;
    case bbSingle:
        c.FillRect(r);
        c.Brush().SetColor(clBlack);
        c.FrameRect(r);
        r = r.Inflate(-1, -1);
        break;
    case bbButton:
        r = DrawButtonFace(c).Inflate(-1, -1);
        break;
    }

    if (state_ == bsExclusive) {
        if (showDownPattern_)
            c.Brush().SetBitmap(DownPattern().Image());
        const int cut = NewStyle() ? 2 : 1;
        r.Right -= cut;
        r.Bottom -= cut;
        r = r.Inflate(dx, dx);
        if (buttonBorder_ != bbNone)
            c.FillRect(r);
        r = r.Inflate(-dx, -dx);
        r.Right += cut;
        r.Bottom += cut;
        c.Brush().SetBitmap(QImage());
    }

    std::unique_ptr<TBitmap> embossed;
    TBitmap* glyph = ChooseBitmap(embossed);
    const korvan::panels::GlyphPlacement place = CalcGlyphLayout(r, glyph);
    TRect t = place.Text;
    if (glyph) {
        const TColor key = bitmaps_->TransparentColor();
        const TRect whole = Rect(0, 0, glyph->Width(), glyph->Height());
        switch (buttonSize_) {
        case bszNeither:
            DrawTransparentBitmapRect(c, *glyph, place.Glyph, key, whole);
            break;
        case bszButtonToBitmap:
            DrawTransparentBitmapStretched(c, *glyph, r, key, whole);
            break;
        case bszStretchToButton:
            DrawTransparentBitmap(c, *glyph, r, key);
            break;
        case bszTileToButton:
            TileTransparentBitmap(c, *glyph, r, key);
            break;
        }
    }

    if (Caption().empty())
        return;
    c.Font().Assign(Font());
    c.Brush().SetStyle(bsClear);
    switch (state_) {
    case bsDisabled:
        c.Font().SetColor(clWhite);
        DrawCenteredText(c, Caption(), t.Offset(1, 1));
        c.Font().SetColor(clGray);
        DrawCenteredText(c, Caption(), t);
        break;
    case bsDown:
    case bsExclusive:
        DrawCenteredText(c, Caption(), t.Offset(captionDownOffset_, captionDownOffset_));
        break;
    case bsUp:
        DrawCenteredText(c, Caption(), t);
        break;
    }
    if (isFocused_ && showFocus_) {
        c.Brush().SetColor(clBtnFace);
        c.DrawFocusRect(t.Inflate(2, 2));
    }
}
