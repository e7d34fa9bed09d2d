#include "controls/panels/ButtonBitmaps.h"

#include "platform/forms/Filer.h"
#include "platform/text/Exception.h"

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
        [&bitmap](const std::vector<std::uint8_t>& bytes) {
            if (bytes.size() < 4)
                throw EReadError("Invalid bitmap data");
            const std::uint32_t size = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 |
                                       std::uint32_t(bytes[2]) << 16 | std::uint32_t(bytes[3]) << 24;
            if (size > bytes.size() - 4)
                throw EReadError("Invalid bitmap data");
            if (size == 0) {
                bitmap.Assign(TBitmap());
                return;
            }
            bitmap.LoadFromBytes(std::span<const std::uint8_t>(bytes).subspan(4, size));
        },
        [&bitmap] {
            const TBytes data = bitmap.SaveToBytes();
            std::vector<std::uint8_t> out(4 + data.size());
            const auto size = std::uint32_t(data.size());
            for (int i = 0; i < 4; ++i)
                out[size_t(i)] = std::uint8_t(size >> (8 * i));
            std::copy(data.begin(), data.end(), out.begin() + 4);
            return out;
        },
        !bitmap.Empty());
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
