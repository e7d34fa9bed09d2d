// An INI file's bytes as a saved fill: every section loaded into a fill
// (bad hex text ends in the conversion error, nothing else), and a fill
// that loaded saves and reloads equal.

#include "controls/gdip/GDIPFill.h"
#include "fuzz/FuzzTarget.h"
#include "platform/sys/IniFile.h"
#include "platform/text/Exception.h"

#include <string_view>

namespace {

bool SameIniForm(const TGDIPFill& a, const TGDIPFill& b) {
    return a.Color() == b.Color() && a.ColorTo() == b.ColorTo() && a.ColorMirror() == b.ColorMirror() &&
           a.ColorMirrorTo() == b.ColorMirrorTo() && a.GradientType() == b.GradientType() &&
           a.GradientMirrorType() == b.GradientMirrorType() && a.HatchStyle() == b.HatchStyle() &&
           a.HatchStyleMirror() == b.HatchStyleMirror() && a.PictureSize() == b.PictureSize() &&
           a.Opacity() == b.Opacity() && a.BorderColor() == b.BorderColor() && a.Rounding() == b.Rounding() &&
           a.RoundingType() == b.RoundingType() && a.Glow() == b.Glow() && a.Angle() == b.Angle() &&
           a.Picture()->Bytes() == b.Picture()->Bytes() &&
           a.BackGroundPicture()->Bytes() == b.BackGroundPicture()->Bytes();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    korvan::sys::IniFile ini("/nonexistent/fuzz.ini");
    ini.SetAutoSave(false);
    ini.SetText(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const std::string& section : ini.ReadSections()) {
        TGDIPFill fill;
        try {
            fill.LoadFromFile(ini, section);
        } catch (const EConvertError&) {
            continue;
        }
        FuzzCheck(fill.UpdateCount() == 0);
        korvan::sys::IniFile saved("/nonexistent/fuzz-saved.ini");
        saved.SetAutoSave(false);
        fill.SaveToFile(saved, "F");
        TGDIPFill again;
        again.LoadFromFile(saved, "F");
        FuzzCheck(SameIniForm(fill, again));
    }
    return 0;
}
