#include "controls/panels/ButtonBitmaps.h"

#include "controls/panels/BitmapData.h"
#include "platform/forms/Filer.h"

#include <cstdint>
#include <vector>

const TClassInfo& TRzButtonBitmaps::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TRzButtonBitmaps>("TRzButtonBitmaps", &TPersistent::StaticClassInfo())
            .Property("TransparentColor", &TRzButtonBitmaps::TransparentColor,
                      &TRzButtonBitmaps::SetTransparentColor)
            .TypeName("TColor")
            .Build();
    return info;
}

TRzButtonBitmaps::TRzButtonBitmaps() {
    for (TBitmap* b : {&up_, &upAndFocused_, &disabled_, &down_, &stayDown_, &hot_})
        b->OnChange = [this] { NotifyChange(); };
}

void TRzButtonBitmaps::Copy(TBitmap& held, const TBitmap* value) {
    if (value)
        held.Assign(*value);
    else
        held.Assign(TBitmap());
}

void TRzButtonBitmaps::SetTransparentColor(TColor value) {
    if (value == transparentColor_)
        return;
    transparentColor_ = value;
    NotifyChange();
}

void TRzButtonBitmaps::NotifyChange() {
    if (OnChange)
        OnChange(this);
}

void TRzButtonBitmaps::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TRzButtonBitmaps*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    SetUp(other->Up());
    SetUpAndFocused(other->UpAndFocused());
    SetDisabled(other->Disabled());
    SetDown(other->Down());
    SetStayDown(other->StayDown());
    SetHot(other->Hot());
    SetTransparentColor(other->TransparentColor());
}

namespace {

void DefineBitmap(TFiler& filer, const std::string& name, TBitmap& bitmap) {
    filer.DefineBinaryProperty(
        name + ".Data",
        [&bitmap](const std::vector<std::uint8_t>& bytes) { korvan::panels::ReadBitmapData(bytes, bitmap); },
        [&bitmap] { return korvan::panels::BitmapData(bitmap); }, !bitmap.Empty());
}

} // namespace

void TRzButtonBitmaps::DefineProperties(TFiler& filer) {
    DefineBitmap(filer, "Up", up_);
    DefineBitmap(filer, "UpAndFocused", upAndFocused_);
    DefineBitmap(filer, "Disabled", disabled_);
    DefineBitmap(filer, "Down", down_);
    DefineBitmap(filer, "StayDown", stayDown_);
    DefineBitmap(filer, "Hot", hot_);
}
