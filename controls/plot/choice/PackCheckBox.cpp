#include "controls/plot/choice/PackCheckBox.h"

#include "controls/plot/core/PackDrawing.h"
#include "controls/plot/core/PackForms.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/sys/FlagScope.h"

#include <algorithm>

using korvan::forms::ClassBuilder;
using namespace korvan::plot;

namespace {
constexpr unsigned kCaptionFlags = itfLeft | itfVCenter;
}

const TClassInfo& TiCheckBox::StaticClassInfo() {
    using C = TiCheckBox;
    static const TClassInfo info = ClassBuilder<C>("TiCheckBox", &TiCustomComponent::StaticClassInfo())
                                       .Creator()
                                       .Property("Caption", &C::Caption, &C::SetCaption)
                                       .Property("Checked", &C::Checked, &C::SetChecked)
                                       .Default(false)
                                       .Enum("Alignment", &C::Alignment, &C::SetAlignment,
                                             {"taLeftJustify", "taRightJustify"}, "TLeftRight")
                                       .Default(taRightJustify)
                                       .Property("AutoSize", &C::AutoSize, &C::SetAutoSize)
                                       .Default(true)
                                       .Property("Font", &C::Font, &C::SetFont)
                                       .Build();
    return info;
}

TiCheckBox::TiCheckBox(TComponent* owner) : TiPackChoiceControl(owner), font_(std::make_unique<TFont>()) {
    SetBounds(Left(), Top(), 97, 17);
    font_->OnChange = [this] {
        DoAutoSize();
        InvalidateChange();
    };
}

TiCheckBox::~TiCheckBox() {
    font_->OnChange = nullptr;
}

void TiCheckBox::SetCaption(const std::string& value) {
    if (value == caption_)
        return;
    caption_ = value;
    DoAutoSize();
    InvalidateChange();
}

void TiCheckBox::SetAlignment(TAlignment value) {
    alignment_ = value;
    InvalidateChange();
}

void TiCheckBox::SetAutoSize(bool value) {
    autoSize_ = value;
    DoAutoSize();
    InvalidateChange();
}

void TiCheckBox::SetFont(TFont* value) {
    if (value)
        font_->Assign(*value);
}

void TiCheckBox::SetChecked(bool value) {
    if (value == checked_)
        return;
    bool canEdit = true;
    if (OnRequestEdit)
        OnRequestEdit(this, "Checked", canEdit);
    if (!canEdit)
        return;
    checked_ = value;
    InvalidateChange();
    DoChange();
    OPCPropertyChanged("Checked", value);
}

void TiCheckBox::DoChange() {
    TiPackChoiceControl::DoChange("Checked");
}

void TiCheckBox::DoAutoSize() {
    if (!autoSize_ || IsLoading() || doingAutoSize_)
        return;
    korvan::sys::FlagScope guard(doingAutoSize_);
    TBitmap measure(1, 1);
    measure.Canvas().Font().Assign(*font_);
    const int w = measure.Canvas().TextWidth(caption_) + 20;
    const int h = measure.Canvas().TextHeight(caption_) + 4;
    // Left-justified captions keep the box at the right edge where it was.
    if (alignment_ == taLeftJustify && w != Width())
        SetBounds(Left() + Width() - w, Top(), w, Height());
    else
        SetBounds(Left(), Top(), w, Height());
    SetBounds(Left(), Top(), Width(), h);
}

// ---------------------------------------------------------------- painting

void TiCheckBox::iPaintTo(TCanvas& canvas) {
    SetTransparent(true);
    DrawBackGround(canvas, BackGroundColor());
    canvas.Font().Assign(*font_);
    canvas.Brush().SetStyle(bsSolid);
    const int tw = canvas.TextWidth(caption_);
    const int th = canvas.TextHeight(caption_);
    const int cy = Height() / 2;
    const int top = cy - th / 2 - 1;
    TRect box{}, text{};
    if (alignment_ == taLeftJustify) {
        box = Rect(Width() - 13, cy - 7, Width(), cy + 6);
        text = Rect(1, top, tw + 1, top + th);
    } else {
        box = Rect(0, cy - 7, 13, cy + 6);
        text = Rect(18, top, tw + 18, top + th);
    }
    canvas.Brush().SetColor((mouseDown_ || keyDown_ || !Enabled()) ? BackGroundColor() : clWhite);
    canvas.FillRect(box);
    DrawBevel(canvas, box, 0);
    canvas.Brush().SetStyle(bsClear);
    TRect captionRect = text;
    DrawText3D(canvas, caption_, captionRect, BackGroundColor(), Enabled(), kCaptionFlags);
    if (checked_) {
        canvas.Pen().SetColor(clBlack);
        canvas.Pen().SetStyle(psSolid);
        canvas.Pen().SetWidth(1);
        const int l = box.Left;
        for (int y : {cy, cy - 1, cy - 2})
            canvas.Polyline({TPoint{l + 3, y}, TPoint{l + 5, y + 2}, TPoint{l + 10, y - 3}});
    }
    if (HasFocus()) {
        TRect focus = Rect(std::max(0, text.Left - 1), std::max(0, text.Top - 1),
                           std::min(Width() - 1, text.Right + 1), std::min(Height() - 1, text.Bottom + 2));
        canvas.Font().SetColor(clWhite);
        canvas.Brush().SetColor(clBlack);
        DrawFocusRectangle(canvas, focus);
    }
}

// ---------------------------------------------------------------- input

void TiCheckBox::ToggleByUser() {
    AsUserChange([this] { SetChecked(!checked_); });
}

void TiCheckBox::iMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    (void)shift;
    (void)x;
    (void)y;
    Press(button);
}

void TiCheckBox::iMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    (void)button;
    (void)shift;
    if (Release() && x >= 0 && x < Width() && y >= 0 && y < Height())
        ToggleByUser();
}

void TiCheckBox::iKeyDown(std::uint16_t& key, TShiftState shift) {
    (void)shift;
    if (key != 32)
        return;
    mouseDown_ = false;
    keyDown_ = true;
    InvalidateChange();
}

void TiCheckBox::iKeyUp(std::uint16_t& key, TShiftState shift) {
    (void)shift;
    if (key == 32 && keyDown_) {
        InvalidateChange();
        keyDown_ = false;
        ToggleByUser();
    }
    keyDown_ = false;
}
