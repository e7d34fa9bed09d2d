#include "controls/panels/ButtonBitmaps.h"

#include "controls/panels/BitmapData.h"

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

void TRzButtonBitmaps::DefineProperties(TFiler& filer) {
    korvan::panels::DefineBitmapData(filer, "Up.Data", up_);
    korvan::panels::DefineBitmapData(filer, "UpAndFocused.Data", upAndFocused_);
    korvan::panels::DefineBitmapData(filer, "Disabled.Data", disabled_);
    korvan::panels::DefineBitmapData(filer, "Down.Data", down_);
    korvan::panels::DefineBitmapData(filer, "StayDown.Data", stayDown_);
    korvan::panels::DefineBitmapData(filer, "Hot.Data", hot_);
}
