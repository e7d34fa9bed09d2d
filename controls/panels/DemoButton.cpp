#include "controls/panels/DemoButton.h"

#include "controls/panels/BitmapData.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/forms/VirtualKeys.h"

#include <algorithm>

const TClassInfo& TVrDemoButton::StaticClassInfo() {
    using B = TVrDemoButton;
    static const TClassInfo info =
        korvan::forms::ClassBuilder<B>("TVrDemoButton", &TVrCustomImageControl::StaticClassInfo())
            .Creator()
            .Property("FontEnter", &B::FontEnter, &B::SetFontEnter)
            .Property("FontLeave", &B::FontLeave, &B::SetFontLeave)
            // "Bitmap.Data" is a defined property (DefineProperties).
            .Property("OutlineColor", &B::OutlineColor, &B::SetOutlineColor)
            .TypeName("TColor")
            .Default(clBlack)
            .Property("ShadowColor", &B::ShadowColor, &B::SetShadowColor)
            .TypeName("TColor")
            .Default(clBtnShadow)
            .Property("HighlightColor", &B::HighlightColor, &B::SetHighlightColor)
            .TypeName("TColor")
            .Default(clBtnHighlight)
            .Property("BevelWidth", &B::BevelWidth, &B::SetBevelWidth)
            .Default(2)
            .Property("OutlineWidth", &B::OutlineWidth, &B::SetOutlineWidth)
            .Default(1)
            .Enum("TextAlignment", &B::TextAlignment, &B::SetTextAlignment,
                  {"vtaLeft", "vtaCenter", "vtaRight", "vtaTopLeft", "vtaTop", "vtaTopRight", "vtaBottomLeft",
                   "vtaBottom", "vtaBottomRight"},
                  "TVrTextAlignment")
            .Default(vtaCenter)
            .Property("DisabledTextColor", &B::DisabledTextColor, &B::SetDisabledTextColor)
            .TypeName("TColor")
            .Default(clInactiveCaption)
            .Property("FocusColor", &B::FocusColor, &B::SetFocusColor)
            .TypeName("TColor")
            .Default(clBlue)
            .Property("Font3D", &B::Font3D, &B::SetFont3D)
            .Property("Flat", &B::Flat, &B::SetFlat)
            .Default(false)
            // The caption is stored with the button.
            .Property("Caption", &B::Text, &B::SetText)
            .Build();
    return info;
}

namespace {

std::unique_ptr<TFont> CaptionFont(TColor colour) {
    auto font = std::make_unique<TFont>();
    font->SetName("Arial");
    font->SetSize(12);
    font->SetColor(colour);
    font->SetStyle(fsBold);
    return font;
}

} // namespace

TVrDemoButton::TVrDemoButton(TComponent* owner)
    : TVrCustomImageControl(owner), bitmap_(std::make_unique<TBitmap>()), fontEnter_(CaptionFont(clRed)),
      fontLeave_(CaptionFont(clBlack)), font3D_(std::make_unique<TVrFont3D>()) {
    controlStyle_ = (controlStyle_ | csOpaque) & ~TControlStyle(csDoubleClicks);
    SetBounds(Left(), Top(), 150, 25);
    SetColor(clBtnFace);
    SetParentColor(false);
    bitmap_->OnChange = [this] { ControlChanged(); };
    fontEnter_->OnChange = [this] { ControlChanged(); };
    fontLeave_->OnChange = [this] { ControlChanged(); };
    font3D_->OnChange = [this](TObject*) { ControlChanged(); };
}

TVrDemoButton::~TVrDemoButton() {
    bitmap_->OnChange = nullptr;
    fontEnter_->OnChange = nullptr;
    fontLeave_->OnChange = nullptr;
    font3D_->OnChange = nullptr;
}

void TVrDemoButton::DefineProperties(TFiler& filer) {
    TVrCustomImageControl::DefineProperties(filer);
    korvan::panels::DefineBitmapData(filer, "Bitmap.Data", *bitmap_);
}

// ---------------------------------------------------------------- setters

template <class V> void TVrDemoButton::Store(V& field, V value) {
    if (field == value)
        return;
    field = value;
    ControlChanged();
}

void TVrDemoButton::SetFontEnter(TFont* value) {
    if (value)
        fontEnter_->Assign(*value);
}

void TVrDemoButton::SetFontLeave(TFont* value) {
    if (value)
        fontLeave_->Assign(*value);
}

void TVrDemoButton::SetBitmap(TBitmap* value) {
    bitmap_->Assign(value ? *value : TBitmap());
}

void TVrDemoButton::SetFont3D(TVrFont3D* value) {
    font3D_->Assign(value);
}

void TVrDemoButton::SetOutlineColor(TColor value) {
    Store(outlineColor_, value);
}

void TVrDemoButton::SetShadowColor(TColor value) {
    Store(shadowColor_, value);
}

void TVrDemoButton::SetHighlightColor(TColor value) {
    Store(highlightColor_, value);
}

void TVrDemoButton::SetBevelWidth(TVrByteInt value) {
    Store(bevelWidth_, std::clamp(value, 0, 255));
}

void TVrDemoButton::SetOutlineWidth(int value) {
    Store(outlineWidth_, value);
}

void TVrDemoButton::SetTextAlignment(TVrTextAlignment value) {
    Store(textAlignment_, value);
}

void TVrDemoButton::SetDisabledTextColor(TColor value) {
    Store(disabledTextColor_, value);
}

void TVrDemoButton::SetFocusColor(TColor value) {
    Store(focusColor_, value);
}

void TVrDemoButton::SetFlat(bool value) {
    Store(flat_, value);
}

void TVrDemoButton::SetDown(bool value) {
    Store(down_, value);
}

// ---------------------------------------------------------------- painting

void TVrDemoButton::Paint() {
    ClearBitmap();
    TCanvas& c = BitmapCanvas();
    const TRect client = Rect(0, 0, ClientWidth(), ClientHeight());
    const int shift = down_ ? 1 : 0;
    if (!bitmap_->Empty())
        TileBitmap(c, client.Offset(shift, shift), *bitmap_);

    const TColor outline = IsFocused() ? focusColor_ : outlineColor_;
    TRect r = DrawFrame3D(c, client, outline, outline, outlineWidth_);
    if (down_)
        r = DrawFrame3D(c, r, shadowColor_, highlightColor_, bevelWidth_);
    else if (!flat_ || hasMouse_)
        r = DrawFrame3D(c, r, highlightColor_, shadowColor_, bevelWidth_);
    else
        r = r.Inflate(-bevelWidth_, -bevelWidth_);

    c.Font().Assign(hasMouse_ && Enabled() ? *fontEnter_ : *fontLeave_);
    if (!Enabled())
        c.Font().SetColor(disabledTextColor_);
    c.Brush().SetStyle(bsClear);
    font3D_->Paint(c, r.Offset(shift, shift), Caption(), DT_SINGLELINE | TextAlignmentFlags(textAlignment_));
    TVrCustomImageControl::Paint();
}

// ---------------------------------------------------------------- input

void TVrDemoButton::PressAt(int x, int y) {
    if (!ClientRect().Contains(Point(x, y)))
        return;
    pressed_ = true;
    down_ = true;
    SetMouseCapture(true);
    if (TabStop() && CanFocus())
        SetFocus();
    ControlChanged();
}

void TVrDemoButton::EndPress() {
    if (pressed_ && down_) {
        down_ = false;
        ControlChanged();
        RaiseClick();
    }
    down_ = false;
    pressed_ = false;
}

void TVrDemoButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TVrCustomImageControl::MouseDown(button, shift, x, y);
    if (button == mbLeft)
        PressAt(x, y);
}

void TVrDemoButton::MouseMove(TShiftState shift, int x, int y) {
    TVrCustomImageControl::MouseMove(shift, x, y);
    if (pressed_)
        SetDown(ClientRect().Contains(Point(x, y)));
}

void TVrDemoButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == mbLeft) {
        SetMouseCapture(false);
        EndPress();
    }
    TVrCustomImageControl::MouseUp(button, shift, x, y);
}

void TVrDemoButton::KeyDown(std::uint16_t& key, TShiftState shift) {
    TVrCustomImageControl::KeyDown(key, shift);
    if (key == VK_SPACE && !down_)
        PressAt(0, 0);
}

void TVrDemoButton::KeyUp(std::uint16_t& key, TShiftState shift) {
    TVrCustomImageControl::KeyUp(key, shift);
    if (key != VK_SPACE)
        return;
    SetMouseCapture(false);
    EndPress();
}

void TVrDemoButton::MouseEnter() {
    TVrCustomImageControl::MouseEnter();
    hasMouse_ = true;
    ControlChanged();
}

void TVrDemoButton::MouseLeave() {
    TVrCustomImageControl::MouseLeave();
    hasMouse_ = false;
    ControlChanged();
}

void TVrDemoButton::TextChanged() {
    TVrCustomImageControl::TextChanged();
    ControlChanged();
}

void TVrDemoButton::EnabledChanged() {
    TVrCustomImageControl::EnabledChanged();
    ControlChanged();
}
