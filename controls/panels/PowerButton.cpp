#include "controls/panels/PowerButton.h"

#include "platform/forms/VirtualKeys.h"

#include <algorithm>

const TClassInfo& TVrPowerButton::StaticClassInfo() {
    using B = TVrPowerButton;
    static const TClassInfo info =
        korvan::forms::ClassBuilder<B>("TVrPowerButton", &TVrCustomImageControl::StaticClassInfo())
            .Creator()
            .Property("Active", &B::Active, &B::SetActive)
            .Default(false)
            .Property("LedWidth", &B::LedWidth, &B::SetLedWidth)
            .Default(12)
            .Property("LedHeight", &B::LedHeight, &B::SetLedHeight)
            .Default(12)
            .Enum("Layout", &B::Layout, &B::SetLayout, {"ImageLeft", "ImageRight", "ImageTop", "ImageBottom"},
                  "TVrImageTextLayout")
            .Default(ImageLeft)
            .Property("Margin", &B::Margin, &B::SetMargin)
            .Default(-1)
            .Property("Spacing", &B::Spacing, &B::SetSpacing)
            .Default(5)
            .Property("Palette", &B::Palette, &B::SetPalette)
            .Property("FocusColor", &B::FocusColor, &B::SetFocusColor)
            .TypeName("TColor")
            .Default(clBlue)
            .Property("OutlineColor", &B::OutlineColor, &B::SetOutlineColor)
            .TypeName("TColor")
            .Default(clBlack)
            .Property("OutlineWidth", &B::OutlineWidth, &B::SetOutlineWidth)
            .Default(1)
            .Property("HighlightColor", &B::HighlightColor, &B::SetHighlightColor)
            .TypeName("TColor")
            .Default(clBtnHighlight)
            .Property("ShadowColor", &B::ShadowColor, &B::SetShadowColor)
            .TypeName("TColor")
            .Default(clBtnShadow)
            .Property("BevelWidth", &B::BevelWidth, &B::SetBevelWidth)
            .Default(2)
            // The caption is stored with the button.
            .Property("Caption", &B::Text, &B::SetText)
            .Build();
    return info;
}

TVrPowerButton::TVrPowerButton(TComponent* owner)
    : TVrCustomImageControl(owner), palette_(std::make_unique<TVrPalette>()) {
    controlStyle_ = csCaptureMouse | csClickEvents | csSetCaption | csOpaque | csReplicatable;
    SetBounds(Left(), Top(), 125, 25);
    SetColor(clBtnFace);
    SetParentColor(false);
    SetTabStop(false);
    palette_->OnChange = [this](TObject*) { ControlChanged(); };
}

TVrPowerButton::~TVrPowerButton() {
    palette_->OnChange = nullptr;
}

// ---------------------------------------------------------------- setters

template <class V> void TVrPowerButton::Store(V& field, V value, bool relayout) {
    if (field == value)
        return;
    field = value;
    if (relayout)
        UpdateLayout(true);
    else
        ControlChanged();
}

void TVrPowerButton::SetActive(bool value) {
    Store(active_, value, false);
}

namespace {
// LED sizes are kept within what a window can show.
constexpr TVrMaxInt MaxLedSize = 0x7FFF;
} // namespace

void TVrPowerButton::SetLedWidth(TVrMaxInt value) {
    Store(ledWidth_, std::clamp(value, 0, MaxLedSize), true);
}

void TVrPowerButton::SetLedHeight(TVrMaxInt value) {
    Store(ledHeight_, std::clamp(value, 0, MaxLedSize), true);
}

void TVrPowerButton::SetLayout(TVrImageTextLayout value) {
    Store(layout_, value, true);
}

void TVrPowerButton::SetMargin(int value) {
    Store(margin_, value, true);
}

void TVrPowerButton::SetSpacing(int value) {
    Store(spacing_, value, true);
}

void TVrPowerButton::SetPalette(TVrPalette* value) {
    palette_->Assign(value);
}

void TVrPowerButton::SetFocusColor(TColor value) {
    Store(focusColor_, value, false);
}

void TVrPowerButton::SetOutlineColor(TColor value) {
    Store(outlineColor_, value, false);
}

void TVrPowerButton::SetHighlightColor(TColor value) {
    Store(highlightColor_, value, false);
}

void TVrPowerButton::SetShadowColor(TColor value) {
    Store(shadowColor_, value, false);
}

// The rings narrow the room of the LED and caption, so they lay out again.
void TVrPowerButton::SetOutlineWidth(TVrByteInt value) {
    Store(outlineWidth_, std::clamp(value, 0, 255), true);
}

void TVrPowerButton::SetBevelWidth(TVrByteInt value) {
    Store(bevelWidth_, std::clamp(value, 0, 255), true);
}

// ---------------------------------------------------------------- layout

void TVrPowerButton::UpdateLayout(bool redraw) {
    TCanvas& c = Canvas();
    c.Font().Assign(Font());
    const int inset = bevelWidth_ + outlineWidth_;
    const TRect room = Rect(0, 0, ClientWidth(), ClientHeight()).Inflate(-inset, -inset);
    const ImageTextPlacement place =
        CalcImageTextLayout(c, room, Caption(), layout_, margin_, spacing_, TSize{ledWidth_, ledHeight_});
    textBounds_ = place.TextBounds;
    imageRect_ = Bounds(place.ImagePos.X, place.ImagePos.Y, ledWidth_, ledHeight_);
    if (redraw)
        ControlChanged();
}

void TVrPowerButton::Resize() {
    TVrCustomImageControl::Resize();
    UpdateLayout(true);
}

void TVrPowerButton::FontChanged() {
    TVrCustomImageControl::FontChanged();
    UpdateLayout(true);
}

void TVrPowerButton::TextChanged() {
    TVrCustomImageControl::TextChanged();
    UpdateLayout(true);
}

void TVrPowerButton::EnabledChanged() {
    TVrCustomImageControl::EnabledChanged();
    ControlChanged();
}

// ---------------------------------------------------------------- painting

void TVrPowerButton::Paint() {
    ClearBitmap();
    TCanvas& c = BitmapCanvas();
    const TRect client = Rect(0, 0, ClientWidth(), ClientHeight());
    const TColor outline = IsFocused() ? focusColor_ : outlineColor_;
    TRect r = DrawFrame3D(c, client, outline, outline, outlineWidth_);
    if (pressed_) {
        r = DrawFrame3D(c, client, outlineColor_, highlightColor_, outlineWidth_);
        DrawFrame3D(c, r, shadowColor_, outlineColor_, bevelWidth_);
    } else {
        DrawFrame3D(c, r, highlightColor_, shadowColor_, bevelWidth_);
    }

    const TColor led = Enabled() ? palette_->PaletteColor(active_ ? 1 : 0) : Color();
    TRect l = DrawFrame3D(c, imageRect_, shadowColor_, highlightColor_, 1);
    l = DrawFrame3D(c, l, clBlack, clBlack, 1);
    c.Brush().SetColor(led);
    c.Brush().SetStyle(bsSolid);
    c.FillRect(l);

    c.Font().Assign(Font());
    DrawEnabledText(c, Caption(), textBounds_, Enabled());
    TVrCustomImageControl::Paint();
}

// ---------------------------------------------------------------- input

void TVrPowerButton::SetPressed(bool value) {
    pressed_ = value;
    ControlChanged();
}

bool TVrPowerButton::Release() {
    down_ = false;
    if (!pressed_)
        return false;
    pressed_ = false;
    SetActive(!active_);
    return true;
}

void TVrPowerButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        down_ = true;
        SetPressed(true);
        if (TabStop() && CanFocus())
            SetFocus();
    }
    TVrCustomImageControl::MouseDown(button, shift, x, y);
}

void TVrPowerButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    // Another button's release while the left is held changes nothing.
    const bool flipped = button == mbLeft && Release();
    TVrCustomImageControl::MouseUp(button, shift, x, y);
    if (flipped)
        RaiseClick();
}

void TVrPowerButton::MouseEnter() {
    if (down_)
        SetPressed(true);
    TVrCustomImageControl::MouseEnter();
}

void TVrPowerButton::MouseLeave() {
    if (down_)
        SetPressed(false);
    TVrCustomImageControl::MouseLeave();
}

void TVrPowerButton::KeyDown(std::uint16_t& key, TShiftState shift) {
    TVrCustomImageControl::KeyDown(key, shift);
    if (key != VK_SPACE)
        return;
    spaceDown_ = true;
    SetPressed(true);
}

void TVrPowerButton::KeyUp(std::uint16_t& key, TShiftState shift) {
    TVrCustomImageControl::KeyUp(key, shift);
    // Only a space press that went down on this button toggles it.
    if (key != VK_SPACE || !spaceDown_)
        return;
    spaceDown_ = false;
    SetMouseCapture(false);
    pressed_ = false;
    SetActive(!active_);
    RaiseClick();
}

void TVrPowerButton::FocusChanged() {
    if (!IsFocused() && spaceDown_) {
        // The space release goes to the new focus: the key press is over.
        spaceDown_ = false;
        pressed_ = down_;
    }
    TVrCustomImageControl::FocusChanged();
}
