#include "controls/panels/ShapeButton.h"

#include "controls/panels/Accelerator.h"
#include "controls/panels/BitmapData.h"
#include "controls/panels/PackText.h"
#include "controls/panels/Setters.h"
#include "platform/forms/Filer.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/forms/Messages.h"
#include "platform/forms/Screen.h"
#include "platform/forms/WinControl.h"

#include <algorithm>

using korvan::forms::ClassBuilder;

const TClassInfo& TRzShapeButton::StaticClassInfo() {
    using S = TRzShapeButton;
    static const TClassInfo info =
        ClassBuilder<S>("TRzShapeButton", &TGraphicControl::StaticClassInfo())
            .Creator()
            .Property("AutoSize", &S::AutoSize, &S::SetAutoSize)
            .Default(true)
            .Property("BevelHighlightColor", &S::BevelHighlightColor, &S::SetBevelHighlightColor)
            .TypeName("TColor")
            .Default(clBtnHighlight)
            .Property("BevelShadowColor", &S::BevelShadowColor, &S::SetBevelShadowColor)
            .TypeName("TColor")
            .Default(clBtnShadow)
            .Property("BevelWidth", &S::BevelWidth, &S::SetBevelWidth)
            .Default(2)
            .Enum("BorderStyle", &S::BorderStyle, &S::SetBorderStyle, {"bsNone", "bsSingle"}, "TBorderStyle")
            .Default(bsSingle)
            .Property("BorderColor", &S::BorderColor, &S::SetBorderColor)
            .TypeName("TColor")
            .Default(cl3DDkShadow)
            .Property("PreciseClick", &S::PreciseClick, &S::SetPreciseClick)
            .Default(true)
            .Property("PreciseShowHint", &S::PreciseShowHint, &S::SetPreciseShowHint)
            .Default(true)
            .Enum("CaptionPosition", &S::CaptionPosition, &S::SetCaptionPosition, {"cpCentered", "cpXY"},
                  "TRzCaptionPosition")
            .Default(cpCentered)
            .Property("CaptionX", &S::CaptionX, &S::SetCaptionX)
            .Default(0)
            .Property("CaptionY", &S::CaptionY, &S::SetCaptionY)
            .Default(0)
            // The caption is stored with the button.
            .Property("Caption", &S::Text, &S::SetText)
            .Build();
    return info;
}

TRzShapeButton::TRzShapeButton(TComponent* owner) : TGraphicControl(owner) {
    controlStyle_ = csCaptureMouse;
    SetBounds(0, 0, 80, 80);
    SetParentFont(true);
    bitmap_.OnChange = [this] { RebuildImages(); };
}

TRzShapeButton::~TRzShapeButton() {
    bitmap_.OnChange = nullptr;
}

// ---------------------------------------------------------------- setters

using korvan::panels::StoreChanged;

namespace {
// The hourglass while the images are made.
struct HourGlass {
    TCursor saved = Screen->Cursor();
    HourGlass() { Screen->SetCursor(crHourGlass); }
    ~HourGlass() { Screen->SetCursor(saved); }
};
} // namespace

void TRzShapeButton::SetAutoSize(bool value) {
    if (StoreChanged(autoSize_, value))
        SetBounds(Left(), Top(), Width(), Height());
}

void TRzShapeButton::SetBevelHighlightColor(TColor value) {
    if (StoreChanged(bevelHighlightColor_, value))
        RebuildImages();
}

void TRzShapeButton::SetBevelShadowColor(TColor value) {
    if (StoreChanged(bevelShadowColor_, value))
        RebuildImages();
}

void TRzShapeButton::SetBevelWidth(int value) {
    if (StoreChanged(bevelWidth_, std::clamp(value, 0, 2)))
        RebuildImages();
}

void TRzShapeButton::SetBorderStyle(TBorderStyle value) {
    if (StoreChanged(borderStyle_, value))
        RebuildImages();
}

void TRzShapeButton::SetBorderColor(TColor value) {
    if (StoreChanged(borderColor_, value))
        RebuildImages();
}

void TRzShapeButton::SetBitmap(TBitmap* value) {
    // The copy raises the bitmap's change, which rebuilds the images.
    bitmap_.Assign(value ? *value : TBitmap());
}

void TRzShapeButton::SetBitmapUp(TBitmap* value) {
    bitmapUp_.Assign(value ? *value : TBitmap());
    Invalidate();
}

void TRzShapeButton::SetBitmapDown(TBitmap* value) {
    bitmapDown_.Assign(value ? *value : TBitmap());
    Invalidate();
}

void TRzShapeButton::SetCaptionPosition(TRzCaptionPosition value) {
    if (StoreChanged(captionPosition_, value))
        Invalidate();
}

void TRzShapeButton::SetCaptionX(int value) {
    SetCaptionXY(value, captionY_);
}

void TRzShapeButton::SetCaptionY(int value) {
    SetCaptionXY(captionX_, value);
}

void TRzShapeButton::SetCaptionXY(int x, int y) {
    const bool changed = StoreChanged(captionX_, x) | StoreChanged(captionY_, y);
    if (!changed)
        return;
    captionPosition_ = cpXY;
    Invalidate();
}

// ---------------------------------------------------------------- images

void TRzShapeButton::RebuildImages() {
    SetBounds(Left(), Top(), Width(), Height());
    if (HasState(csReading) || HasState(csLoading))
        return;
    if (bitmap_.Empty()) {
        bitmapUp_.Assign(TBitmap());
        bitmapDown_.Assign(TBitmap());
        hitTestMask_.reset();
    } else {
        HourGlass busy;
        const korvan::panels::ShapeRings rings{bevelWidth_, borderStyle_ == bsSingle, bevelHighlightColor_,
                                               bevelShadowColor_, borderColor_};
        bitmapUp_.Assign(korvan::panels::BuildStateImage(bitmap_, bsUp, rings));
        bitmapDown_.Assign(korvan::panels::BuildStateImage(bitmap_, bsDown, rings));
        hitTestMask_ =
            std::make_unique<TBitmap>(korvan::panels::CreateMask(bitmapUp_, bitmap_.TransparentColor()));
    }
    Invalidate();
}

void TRzShapeButton::Loaded() {
    TGraphicControl::Loaded();
    if (bitmap_.Empty())
        return;
    // A form that kept the source but not its images gets them made now.
    if (bitmapUp_.Empty()) {
        RebuildImages();
        return;
    }
    // Inside is what is opaque in the source or in the stored up image.
    const TColor key = bitmap_.TransparentColor();
    TBitmap mask = korvan::panels::CreateMask(bitmap_, key);
    const TBitmap up = korvan::panels::CreateMask(bitmapUp_, key);
    // Where the stored image does not reach, the source alone decides.
    QImage& m = mask.Image();
    const int w = std::min(m.width(), up.Width()), h = std::min(m.height(), up.Height());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if ((up.Image().pixel(x, y) & 0xFFFFFFu) == 0)
                m.setPixel(x, y, 0xFF000000u);
    hitTestMask_ = std::make_unique<TBitmap>(std::move(mask));
}

void TRzShapeButton::DefineProperties(TFiler& filer) {
    TGraphicControl::DefineProperties(filer);
    korvan::panels::DefineBitmapData(filer, "Bitmap.Data", bitmap_);
    korvan::panels::DefineBitmapData(filer, "BitmapUp", bitmapUp_);
    korvan::panels::DefineBitmapData(filer, "BitmapDown", bitmapDown_);
}

// ---------------------------------------------------------------- geometry

void TRzShapeButton::SetBounds(int left, int top, int width, int height) {
    if (!HasState(csReading) && autoSize_ && !bitmap_.Empty()) {
        width = bitmap_.Width() + 4;
        height = bitmap_.Height() + 4;
    }
    TGraphicControl::SetBounds(left, top, width, height);
}

bool TRzShapeButton::PtInMask(int x, int y) const {
    if (!hitTestMask_)
        return true;
    const QImage& m = hitTestMask_->Image();
    if (x < 0 || y < 0 || x >= m.width() || y >= m.height())
        return false;
    return (m.pixel(x, y) & 0xFFFFFFu) == 0;
}

bool TRzShapeButton::HitTest(int x, int y) const {
    return TGraphicControl::HitTest(x, y) && (!preciseClick_ || PtInMask(x, y));
}

bool TRzShapeButton::Inside(int x, int y) const {
    if (preciseClick_)
        return PtInMask(x, y);
    return x >= 0 && x < ClientWidth() && y >= 0 && y <= ClientHeight();
}

// ---------------------------------------------------------------- painting

void TRzShapeButton::Paint() {
    TCanvas& c = Canvas();
    if (HasState(csDesigning) || state_ == bsDisabled || state_ == bsExclusive)
        state_ = bsUp;
    TBitmap& image = state_ == bsUp ? bitmapUp_ : bitmapDown_;
    if (!image.Empty()) {
        // The image's opaque pixels over what the control shows now.
        const QRgb key = korvan::gfx::ToQRgb(ColorToRGB(bitmap_.TransparentColor())) | 0xFF000000u;
        const int shift = state_ == bsDown ? 1 : 0;
        const QImage& src = image.Image();
        QImage& dst = Surface();
        for (int y = 0; y < src.height(); ++y)
            for (int x = 0; x < src.width(); ++x) {
                const int dx = x + shift, dy = y + shift;
                const QRgb p = src.pixel(x, y) | 0xFF000000u;
                if (p != key && dx < dst.width() && dy < dst.height())
                    dst.setPixel(dx, dy, p);
            }
    }
    if (!Caption().empty()) {
        c.Font().Assign(Font());
        DrawCaption(c, Caption(), state_, GetCaptionRect(c, Caption()));
    }
}

TRect TRzShapeButton::GetCaptionRect(TCanvas& c, const std::string& caption) {
    if (captionPosition_ == cpCentered)
        return ClientRect();
    TRect r = Rect(0, 0, ClientWidth(), 0);
    DrawCaptionText(c, caption, r, DT_CALCRECT);
    return r.Offset(captionX_, captionY_);
}

void TRzShapeButton::DrawCaption(TCanvas& c, const std::string& caption, TButtonState state, TRect r) {
    // A disabled shape keeps its caption in the font's colour.
    c.Brush().SetStyle(bsClear);
    if (state == bsDown)
        r = r.Offset(1, 1);
    DrawCenteredText(c, caption, r);
}

// ---------------------------------------------------------------- input

void TRzShapeButton::SetState(TButtonState state) {
    if (StoreChanged(state_, state))
        Repaint();
}

void TRzShapeButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != mbLeft || !Enabled())
        return;
    if (!preciseClick_ || PtInMask(x, y))
        SetState(bsDown);
    dragging_ = true;
}

void TRzShapeButton::MouseMove(TShiftState shift, int x, int y) {
    TGraphicControl::MouseMove(shift, x, y);
    const bool over = PtInMask(x, y);
    if (preciseShowHint_ && !over) {
        // Off the shape: no hint.
        if (!prevShowHintSaved_) {
            prevShowHintSaved_ = true;
            prevShowHint_ = ShowHint();
            prevParentShowHint_ = ParentShowHint();
            SetParentShowHint(false);
            SetShowHint(false);
        }
    } else if (preciseClick_ && !over) {
        // Off the shape: the plain cursor.
        if (!prevCursorSaved_) {
            prevCursorSaved_ = true;
            prevCursor_ = Cursor();
            SetCursor(crDefault);
        }
    } else {
        if (prevShowHintSaved_) {
            prevShowHintSaved_ = false;
            SetShowHint(prevShowHint_);
            SetParentShowHint(prevParentShowHint_);
        }
        if (prevCursorSaved_) {
            prevCursorSaved_ = false;
            SetCursor(prevCursor_);
        }
    }
    if (dragging_)
        SetState(Inside(x, y) ? bsDown : bsUp);
}

void TRzShapeButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TGraphicControl::MouseUp(button, shift, x, y);
    if (!dragging_ || button != mbLeft)
        return;
    dragging_ = false;
    const bool inside = Inside(x, y);
    if (state_ == bsDown)
        SetState(bsUp);
    if (inside)
        Click();
}

void TRzShapeButton::Click() {
    TGraphicControl::Click();
}

void TRzShapeButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_DIALOGCHAR:
        if (korvan::panels::ClickOnAccelerator(message, Caption(), Enabled(), [this] { Click(); }))
            return;
        break;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
        TGraphicControl::WndProc(message);
        Invalidate();
        return;
    case CM_SYSCOLORCHANGE:
        TGraphicControl::WndProc(message);
        RebuildImages();
        return;
    default:
        break;
    }
    TGraphicControl::WndProc(message);
}
