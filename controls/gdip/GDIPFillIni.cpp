// A fill as the keys of one INI section. Integers are decimal text
// (enumerations as their ordinal, colours as the signed 32-bit value); each
// picture is its file's bytes as hexadecimal text beside the length of
// that text. "PictureSize" has always held that length, so the
// picture-size mode is stored under "PictureSizeMode".

#include "controls/gdip/GDIPFill.h"
#include "platform/sys/IniFile.h"
#include "platform/text/Exception.h"

#include <algorithm>

namespace {

std::string HexText(const TBytes& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 15];
    }
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    throw EConvertError("No Hex-Number");
}

// Pairs of hexadecimal digits to bytes; a last odd digit is dropped.
TBytes HexBytes(std::string_view text) {
    TBytes bytes;
    bytes.reserve(text.size() / 2);
    for (std::size_t i = 0; i + 1 < text.size(); i += 2)
        bytes.push_back(static_cast<std::uint8_t>(HexDigit(text[i]) << 4 | HexDigit(text[i + 1])));
    return bytes;
}

// Holds a fill's change notifications back while it is loaded.
class UpdateScope {
public:
    explicit UpdateScope(TGDIPFill& fill) : fill_(fill) { fill_.BeginUpdate(); }
    ~UpdateScope() { fill_.EndUpdate(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

private:
    TGDIPFill& fill_;
};

struct SectionReader {
    const korvan::sys::IniFile& ini;
    const std::string& section;

    int Int(std::string_view key, int current) const { return ini.ReadInteger(section, key, current); }
    TColor Colour(std::string_view key, TColor current) const { return Int(key, current); }
    // An ordinal outside the type's values keeps the current one.
    template <class E> E Enum(std::string_view key, E current, int count) const {
        const int v = Int(key, static_cast<int>(current));
        return v >= 0 && v < count ? static_cast<E>(v) : current;
    }
    std::uint8_t Byte(std::string_view key, std::uint8_t current) const {
        const int v = Int(key, current);
        return v >= 0 && v <= 255 ? static_cast<std::uint8_t>(v) : current;
    }
    // The picture text up to its stored length; nothing when that is 0.
    void Picture(std::string_view key, std::string_view sizeKey, TAdvGDIPPicture& picture) const {
        const int length = Int(sizeKey, 0);
        if (length <= 0)
            return;
        const std::string text = ini.ReadString(section, key, "");
        const TBytes bytes = HexBytes(
            std::string_view(text).substr(0, std::min<std::size_t>(text.size(), std::size_t(length))));
        picture.LoadFromStream(bytes);
    }
};

} // namespace

void TGDIPFill::SaveToFile(const std::string& fileName, const std::string& section) {
    korvan::sys::IniFile ini(fileName);
    ini.SetAutoSave(false);
    SaveToFile(ini, section);
    ini.UpdateFile();
}

void TGDIPFill::LoadFromFile(const std::string& fileName, const std::string& section) {
    korvan::sys::IniFile ini(fileName);
    LoadFromFile(ini, section);
}

void TGDIPFill::SaveToFile(korvan::sys::IniFile& ini, const std::string& section) {
    auto put = [&](std::string_view key, int value) { ini.WriteInteger(section, key, value); };
    put("Color", color_);
    put("ColorTo", colorTo_);
    put("ColorMirror", colorMirror_);
    put("ColorMirrorTo", colorMirrorTo_);
    put("GradientType", gradientType_);
    put("GradientMirrorType", gradientMirrorType_);
    put("HatchStyle", hatchStyle_);
    put("HatchStyleMirror", hatchStyleMirror_);
    put("BackGroundPictureMode", backGroundPictureMode_);
    put("BackGroundPicturePosition", backGroundPicturePosition_);
    put("BackGroundPictureLeft", backGroundPictureLeft_);
    put("BackGroundPictureTop", backGroundPictureTop_);
    put("PicturePosition", picturePosition_);
    put("PictureLeft", pictureLeft_);
    put("PictureTop", pictureTop_);
    put("PictureSizeMode", pictureSize_);
    put("PictureWidth", pictureWidth_);
    put("PictureHeight", pictureHeight_);
    put("Opacity", opacity_);
    put("OpacityTo", opacityTo_);
    put("OpacityMirror", opacityMirror_);
    put("OpacityMirrorTo", opacityMirrorTo_);
    put("BorderColor", borderColor_);
    put("BorderOpacity", borderOpacity_);
    put("BorderWidth", borderWidth_);
    put("Rounding", rounding_);
    put("RoundingType", roundingType_);
    put("ShadowOffset", shadowOffset_);
    put("ShadowColor", shadowColor_);
    put("Angle", angle_);
    put("Glow", glow_);
    put("GlowGradientColor", glowGradientColor_);
    put("GlowRadialColor", glowRadialColor_);
    const std::string picture = HexText(picture_->Bytes());
    ini.WriteString(section, "Picture", picture);
    put("PictureSize", static_cast<int>(picture.size()));
    const std::string background = HexText(backGroundPicture_->Bytes());
    ini.WriteString(section, "BackgroundPicture", background);
    put("BackgroundPictureSize", static_cast<int>(background.size()));
}

void TGDIPFill::LoadFromFile(korvan::sys::IniFile& ini, const std::string& section) {
    {
        const UpdateScope quiet(*this);
        const SectionReader in{ini, section};
        SetColor(in.Colour("Color", color_));
        SetColorTo(in.Colour("ColorTo", colorTo_));
        SetColorMirror(in.Colour("ColorMirror", colorMirror_));
        SetColorMirrorTo(in.Colour("ColorMirrorTo", colorMirrorTo_));
        SetGradientType(in.Enum("GradientType", gradientType_, gtNone + 1));
        SetGradientMirrorType(in.Enum("GradientMirrorType", gradientMirrorType_, gtNone + 1));
        SetHatchStyle(in.Enum("HatchStyle", hatchStyle_, Gdiplus::HatchStyleTotal + 1));
        SetHatchStyleMirror(in.Enum("HatchStyleMirror", hatchStyleMirror_, Gdiplus::HatchStyleTotal + 1));
        SetBackGroundPictureMode(in.Enum("BackGroundPictureMode", backGroundPictureMode_, pmOutsideFill + 1));
        SetBackGroundPicturePosition(
            in.Enum("BackGroundPicturePosition", backGroundPicturePosition_, ppCustom + 1));
        SetBackGroundPictureLeft(in.Int("BackGroundPictureLeft", backGroundPictureLeft_));
        SetBackGroundPictureTop(in.Int("BackGroundPictureTop", backGroundPictureTop_));
        SetPicturePosition(in.Enum("PicturePosition", picturePosition_, ppCustom + 1));
        SetPictureLeft(in.Int("PictureLeft", pictureLeft_));
        SetPictureTop(in.Int("PictureTop", pictureTop_));
        SetPictureSize(in.Enum("PictureSizeMode", pictureSize_, psCustom + 1));
        SetPictureWidth(in.Int("PictureWidth", pictureWidth_));
        SetPictureHeight(in.Int("PictureHeight", pictureHeight_));
        SetOpacity(in.Byte("Opacity", opacity_));
        SetOpacityTo(in.Byte("OpacityTo", opacityTo_));
        SetOpacityMirror(in.Byte("OpacityMirror", opacityMirror_));
        SetOpacityMirrorTo(in.Byte("OpacityMirrorTo", opacityMirrorTo_));
        SetBorderColor(in.Colour("BorderColor", borderColor_));
        SetBorderOpacity(in.Byte("BorderOpacity", borderOpacity_));
        SetBorderWidth(in.Int("BorderWidth", borderWidth_));
        SetRounding(in.Int("Rounding", rounding_));
        SetRoundingType(in.Enum("RoundingType", roundingType_, rtRight + 1));
        SetShadowOffset(in.Int("ShadowOffset", shadowOffset_));
        SetShadowColor(in.Colour("ShadowColor", shadowColor_));
        SetAngle(in.Int("Angle", angle_));
        SetGlow(in.Enum("Glow", glow_, gmRadialGradient + 1));
        SetGlowGradientColor(in.Colour("GlowGradientColor", glowGradientColor_));
        SetGlowRadialColor(in.Colour("GlowRadialColor", glowRadialColor_));
        in.Picture("Picture", "PictureSize", *picture_);
        in.Picture("BackgroundPicture", "BackgroundPictureSize", *backGroundPicture_);
    }
    NotifyChange();
}
