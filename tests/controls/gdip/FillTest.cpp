#include "PictureTestSupport.h"
#include "controls/gdip/GDIPFill.h"
#include "controls/gdip/GdipClasses.h"
#include "platform/forms/Filer.h"
#include "platform/sys/IniFile.h"
#include "platform/text/Exception.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace korvan::gdip::testing;

namespace {

std::filesystem::path IniPath(const std::string& name) {
    const auto dir = std::filesystem::path(KORVAN_TEST_OUTPUT_DIR) / "gdip-fills";
    std::filesystem::create_directories(dir);
    const auto path = dir / name;
    std::filesystem::remove(path);
    return path;
}

// Every property a fill streams, set away from its default.
void SetEverything(TGDIPFill& f) {
    f.SetColor(clRed);
    f.SetColorTo(clNone);
    f.SetColorMirror(clBlue);
    f.SetColorMirrorTo(0x123456);
    f.SetGradientType(gtAngle);
    f.SetGradientMirrorType(gtHatch);
    f.SetHatchStyle(Gdiplus::HatchStyleWeave);
    f.SetHatchStyleMirror(Gdiplus::HatchStyleSolidDiamond);
    f.SetBackGroundPictureMode(pmInsideFill);
    f.SetBackGroundPicturePosition(ppCustom);
    f.SetBackGroundPictureLeft(-3);
    f.SetBackGroundPictureTop(4);
    f.SetPicturePosition(ppCenterRight);
    f.SetPictureLeft(5);
    f.SetPictureTop(-6);
    f.SetPictureSize(psCustom);
    f.SetPictureWidth(17);
    f.SetPictureHeight(19);
    f.SetOpacity(1);
    f.SetOpacityTo(2);
    f.SetOpacityMirror(3);
    f.SetOpacityMirrorTo(0);
    f.SetBorderColor(clGreen);
    f.SetBorderOpacity(9);
    f.SetBorderWidth(3);
    f.SetRounding(8);
    f.SetRoundingType(rtRight);
    f.SetShadowOffset(5);
    f.SetShadowColor(clNone);
    f.SetAngle(-45);
    f.SetGlow(gmRadialGradient);
    f.SetGlowGradientColor(clYellow);
    f.SetGlowRadialColor(clAqua);
    TAdvGDIPPicture picture;
    picture.LoadFromStream(PngFile(Swatch(6, 5, 0xFFFF0000u, 0xFF00FF00u)));
    f.SetPicture(&picture);
    picture.LoadFromStream(BmpFile(Swatch(3, 2, 0xFF0000FFu, 0xFF00FF00u)));
    f.SetBackGroundPicture(&picture);
}

// The properties the INI form keeps.
void ExpectIniEqual(const TGDIPFill& a, const TGDIPFill& b) {
    EXPECT_EQ(a.Color(), b.Color());
    EXPECT_EQ(a.ColorTo(), b.ColorTo());
    EXPECT_EQ(a.ColorMirror(), b.ColorMirror());
    EXPECT_EQ(a.ColorMirrorTo(), b.ColorMirrorTo());
    EXPECT_EQ(a.GradientType(), b.GradientType());
    EXPECT_EQ(a.GradientMirrorType(), b.GradientMirrorType());
    EXPECT_EQ(a.HatchStyle(), b.HatchStyle());
    EXPECT_EQ(a.HatchStyleMirror(), b.HatchStyleMirror());
    EXPECT_EQ(a.BackGroundPictureMode(), b.BackGroundPictureMode());
    EXPECT_EQ(a.BackGroundPicturePosition(), b.BackGroundPicturePosition());
    EXPECT_EQ(a.BackGroundPictureLeft(), b.BackGroundPictureLeft());
    EXPECT_EQ(a.BackGroundPictureTop(), b.BackGroundPictureTop());
    EXPECT_EQ(a.PicturePosition(), b.PicturePosition());
    EXPECT_EQ(a.PictureLeft(), b.PictureLeft());
    EXPECT_EQ(a.PictureTop(), b.PictureTop());
    EXPECT_EQ(a.PictureSize(), b.PictureSize());
    EXPECT_EQ(a.PictureWidth(), b.PictureWidth());
    EXPECT_EQ(a.PictureHeight(), b.PictureHeight());
    EXPECT_EQ(a.Opacity(), b.Opacity());
    EXPECT_EQ(a.OpacityTo(), b.OpacityTo());
    EXPECT_EQ(a.OpacityMirror(), b.OpacityMirror());
    EXPECT_EQ(a.OpacityMirrorTo(), b.OpacityMirrorTo());
    EXPECT_EQ(a.BorderColor(), b.BorderColor());
    EXPECT_EQ(a.BorderOpacity(), b.BorderOpacity());
    EXPECT_EQ(a.BorderWidth(), b.BorderWidth());
    EXPECT_EQ(a.Rounding(), b.Rounding());
    EXPECT_EQ(a.RoundingType(), b.RoundingType());
    EXPECT_EQ(a.ShadowOffset(), b.ShadowOffset());
    EXPECT_EQ(a.ShadowColor(), b.ShadowColor());
    EXPECT_EQ(a.Angle(), b.Angle());
    EXPECT_EQ(a.Glow(), b.Glow());
    EXPECT_EQ(a.GlowGradientColor(), b.GlowGradientColor());
    EXPECT_EQ(a.GlowRadialColor(), b.GlowRadialColor());
    EXPECT_EQ(a.Picture()->Bytes(), b.Picture()->Bytes());
    EXPECT_EQ(a.BackGroundPicture()->Bytes(), b.BackGroundPicture()->Bytes());
}

// Everything streamed, the INI form's properties and the rest.
void ExpectEqual(const TGDIPFill& a, const TGDIPFill& b) {
    ExpectIniEqual(a, b);
    EXPECT_EQ(a.ShadowType(), b.ShadowType());
    EXPECT_EQ(a.BackGroundPictureAspectRatio(), b.BackGroundPictureAspectRatio());
    EXPECT_EQ(a.BackGroundPictureAspectMode(), b.BackGroundPictureAspectMode());
    EXPECT_EQ(a.PictureAspectRatio(), b.PictureAspectRatio());
    EXPECT_EQ(a.PictureAspectMode(), b.PictureAspectMode());
}

} // namespace

TEST(GDIPFill, StartsWithTheDefaults) {
    const TGDIPFill f;
    EXPECT_EQ(f.Color(), clSilver);
    EXPECT_EQ(f.ColorTo(), clGray);
    EXPECT_EQ(f.ColorMirror(), clNone);
    EXPECT_EQ(f.ColorMirrorTo(), clNone);
    EXPECT_EQ(f.GradientType(), gtVertical);
    EXPECT_EQ(f.GradientMirrorType(), gtSolid);
    EXPECT_EQ(f.BorderColor(), clNone);
    EXPECT_EQ(f.BorderWidth(), 1);
    EXPECT_EQ(f.Rounding(), 0);
    EXPECT_EQ(f.RoundingType(), rtBoth);
    EXPECT_EQ(f.ShadowOffset(), 0);
    EXPECT_EQ(f.ShadowColor(), clGray);
    EXPECT_EQ(f.ShadowType(), stRightBottom);
    EXPECT_EQ(f.Glow(), gmNone);
    EXPECT_EQ(f.GlowGradientColor(), clWhite);
    EXPECT_EQ(f.PictureWidth(), 50);
    EXPECT_EQ(f.PictureHeight(), 50);
    EXPECT_EQ(f.BackGroundPictureMode(), pmOutsideFill);
    EXPECT_EQ(f.Opacity(), 255);
    EXPECT_EQ(f.BorderOpacity(), 255);
    EXPECT_FALSE(f.Focus());
    EXPECT_EQ(f.FocusColor(), clBlack);
    EXPECT_TRUE(f.Picture()->Empty());
    EXPECT_TRUE(f.BackGroundPicture()->Empty());
}

TEST(GDIPFill, ChangesNotifyOnceEachAndNotWhileUpdating) {
    TGDIPFill f;
    int changes = 0;
    f.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &f);
        ++changes;
    };
    f.SetColor(clSilver); // unchanged
    f.SetRounding(4);
    f.SetRounding(4);
    f.SetGlow(gmRadial);
    EXPECT_EQ(changes, 2);
    TAdvGDIPPicture picture;
    picture.LoadFromStream(PngFile(Swatch(2, 2, 0xFF000000u, 0xFF000000u)));
    f.SetPicture(&picture);
    EXPECT_EQ(f.Picture()->Bytes(), picture.Bytes());
    EXPECT_GE(changes, 3);
    changes = 0;
    f.Picture()->LoadFromStream(PngFile(Swatch(3, 3, 0xFF000000u, 0xFF000000u)));
    EXPECT_EQ(changes, 1) << "a change of an owned picture is a change of the fill";

    changes = 0;
    f.BeginUpdate();
    f.BeginUpdate();
    f.SetAngle(30);
    f.EndUpdate();
    f.SetAngle(31);
    f.EndUpdate();
    f.EndUpdate(); // not below zero
    EXPECT_EQ(f.UpdateCount(), 0);
    EXPECT_EQ(changes, 0);
    f.SetAngle(32);
    EXPECT_EQ(changes, 1);
}

TEST(GDIPFill, AssignCopiesTheStreamedPropertiesButNotFocus) {
    TGDIPFill source;
    SetEverything(source);
    source.SetShadowType(stSurround);
    source.SetPictureAspectRatio(true);
    source.SetBackGroundPictureAspectMode(pmNormal);
    source.SetFocus(true);
    source.SetFocusColor(clRed);
    TGDIPFill target;
    int changes = 0;
    target.OnChange = [&](TObject*) { ++changes; };
    target.Assign(&source);
    ExpectEqual(source, target);
    EXPECT_FALSE(target.Focus());
    EXPECT_EQ(target.FocusColor(), clBlack);
    EXPECT_GT(changes, 0);
    EXPECT_NE(target.Picture(), source.Picture());

    changes = 0;
    TAdvGDIPPicture notAFill;
    target.Assign(&notAFill);
    target.Assign(nullptr);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(target.Color(), clRed);
}

TEST(GDIPFill, IniRoundTripReloadsAnEqualFill) {
    const auto path = IniPath("fill.ini");
    TGDIPFill saved;
    SetEverything(saved);
    saved.SaveToFile(path.string(), "Body");

    TGDIPFill loaded;
    int changes = 0;
    loaded.OnChange = [&](TObject*) { ++changes; };
    loaded.SetShadowType(stBottom);
    changes = 0;
    loaded.LoadFromFile(path.string(), "Body");
    ExpectIniEqual(saved, loaded);
    EXPECT_EQ(loaded.ShadowType(), stBottom) << "not stored: keeps its value";
    EXPECT_EQ(changes, 1);

    // The file keeps the hex text's length under PictureSize, as files
    // always had it, and the mode beside it.
    const korvan::sys::IniFile ini(path);
    const std::string hex = ini.ReadString("Body", "Picture", "");
    EXPECT_EQ(hex.size(), saved.Picture()->Bytes().size() * 2);
    EXPECT_EQ(hex.substr(0, 4), "8950");
    EXPECT_EQ(ini.ReadInteger("Body", "PictureSize", -1), int(hex.size()));
    EXPECT_EQ(ini.ReadInteger("Body", "PictureSizeMode", -1), int(psCustom));
    EXPECT_EQ(ini.ReadInteger("Body", "Color", 0), int(clRed));
    EXPECT_EQ(ini.ReadInteger("Body", "ColorTo", 0), 536870911);
}

TEST(GDIPFill, IniLoadTakesLowerCaseHexAndTheStoredLengthOnly) {
    korvan::sys::IniFile ini(IniPath("short.ini"));
    TAdvGDIPPicture source;
    source.LoadFromStream(PngFile(Swatch(4, 4, 0xFF00FF00u, 0xFF00FF00u)));
    std::string hex;
    for (std::uint8_t b : source.Bytes()) {
        static const char digits[] = "0123456789abcdef";
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    ini.WriteString("F", "Picture", hex + "ZZZZ");
    ini.WriteInteger("F", "PictureSize", int(hex.size()));
    ini.WriteInteger("F", "GradientType", 99); // not a kind: kept
    ini.WriteInteger("F", "Opacity", 300);     // not a byte: kept
    ini.WriteInteger("F", "Rounding", 7);
    TGDIPFill f;
    f.LoadFromFile(ini, "F");
    EXPECT_EQ(f.Picture()->Bytes(), source.Bytes());
    EXPECT_EQ(f.Picture()->Width(), 4);
    EXPECT_EQ(f.GradientType(), gtVertical);
    EXPECT_EQ(f.Opacity(), 255);
    EXPECT_EQ(f.Rounding(), 7);
}

TEST(GDIPFill, IniLoadRejectsBadHexKeepingWhatItRead) {
    korvan::sys::IniFile ini(IniPath("bad.ini"));
    ini.WriteInteger("F", "Angle", 12);
    ini.WriteString("F", "Picture", "89G0");
    ini.WriteInteger("F", "PictureSize", 4);
    TGDIPFill f;
    int changes = 0;
    f.OnChange = [&](TObject*) { ++changes; };
    try {
        f.LoadFromFile(ini, "F");
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "No Hex-Number");
    }
    EXPECT_EQ(f.Angle(), 12);
    EXPECT_TRUE(f.Picture()->Empty());
    EXPECT_EQ(f.UpdateCount(), 0);
    f.SetAngle(13);
    EXPECT_EQ(changes, 1);
}

TEST(GDIPFill, StreamsAsNestedPropertiesWithPictureData) {
    korvan::gdip::RegisterGdipClasses();
    TGDIPFill source;
    SetEverything(source);
    source.SetShadowType(stSurround);
    source.SetPictureAspectMode(pmNormal);
    korvan::forms::FormTokens tokens;
    TWriter writer(tokens);
    writer.WriteProperties(&source);
    writer.WriteListEnd();
    std::vector<std::string> names;
    for (const auto& t : tokens)
        if (t.kind == korvan::forms::FormToken::Kind::Name)
            names.push_back(t.text);
    EXPECT_NE(std::find(names.begin(), names.end(), "Picture.Data"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "BackGroundPicture.Data"), names.end());

    TGDIPFill target;
    TReader reader(tokens);
    reader.ReadProperties(&target);
    ExpectEqual(source, target);
    EXPECT_EQ(target.Picture()->Width(), 6);

    // The properties without a default are written even at their values.
    korvan::forms::FormTokens defaults;
    TWriter defaultWriter(defaults);
    TGDIPFill plain;
    defaultWriter.WriteProperties(&plain);
    std::vector<std::string> written;
    for (const auto& t : defaults)
        if (t.kind == korvan::forms::FormToken::Kind::Name)
            written.push_back(t.text);
    EXPECT_EQ(written, (std::vector<std::string>{"ColorMirror", "ColorMirrorTo", "BorderColor", "Rounding",
                                                 "ShadowOffset", "Glow"}));
}
