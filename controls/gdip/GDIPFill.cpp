#include "controls/gdip/GDIPFill.h"

using korvan::forms::ClassBuilder;

namespace {

const std::vector<std::string> kGradientNames = {
    "gtSolid", "gtRadial", "gtVertical", "gtHorizontal", "gtForwardDiagonal", "gtBackwardDiagonal", "gtAngle",
    "gtHatch", "gtPath",   "gtTexture",  "gtNone"};
const std::vector<std::string> kHatchNames = {"HatchStyleHorizontal",
                                              "HatchStyleVertical",
                                              "HatchStyleForwardDiagonal",
                                              "HatchStyleBackwardDiagonal",
                                              "HatchStyleCross",
                                              "HatchStyleDiagonalCross",
                                              "HatchStyle05Percent",
                                              "HatchStyle10Percent",
                                              "HatchStyle20Percent",
                                              "HatchStyle25Percent",
                                              "HatchStyle30Percent",
                                              "HatchStyle40Percent",
                                              "HatchStyle50Percent",
                                              "HatchStyle60Percent",
                                              "HatchStyle70Percent",
                                              "HatchStyle75Percent",
                                              "HatchStyle80Percent",
                                              "HatchStyle90Percent",
                                              "HatchStyleLightDownwardDiagonal",
                                              "HatchStyleLightUpwardDiagonal",
                                              "HatchStyleDarkDownwardDiagonal",
                                              "HatchStyleDarkUpwardDiagonal",
                                              "HatchStyleWideDownwardDiagonal",
                                              "HatchStyleWideUpwardDiagonal",
                                              "HatchStyleLightVertical",
                                              "HatchStyleLightHorizontal",
                                              "HatchStyleNarrowVertical",
                                              "HatchStyleNarrowHorizontal",
                                              "HatchStyleDarkVertical",
                                              "HatchStyleDarkHorizontal",
                                              "HatchStyleDashedDownwardDiagonal",
                                              "HatchStyleDashedUpwardDiagonal",
                                              "HatchStyleDashedHorizontal",
                                              "HatchStyleDashedVertical",
                                              "HatchStyleSmallConfetti",
                                              "HatchStyleLargeConfetti",
                                              "HatchStyleZigZag",
                                              "HatchStyleWave",
                                              "HatchStyleDiagonalBrick",
                                              "HatchStyleHorizontalBrick",
                                              "HatchStyleWeave",
                                              "HatchStylePlaid",
                                              "HatchStyleDivot",
                                              "HatchStyleDottedGrid",
                                              "HatchStyleDottedDiamond",
                                              "HatchStyleShingle",
                                              "HatchStyleTrellis",
                                              "HatchStyleSphere",
                                              "HatchStyleSmallGrid",
                                              "HatchStyleSmallCheckerBoard",
                                              "HatchStyleLargeCheckerBoard",
                                              "HatchStyleOutlinedDiamond",
                                              "HatchStyleSolidDiamond",
                                              "HatchStyleTotal"};
const std::vector<std::string> kPositionNames = {
    "ppTopLeft", "ppTopCenter", "ppTopRight",   "ppBottomLeft",   "ppBottomCenter", "ppBottomRight",
    "ppTiled",   "ppStretched", "ppCenterLeft", "ppCenterCenter", "ppCenterRight",  "ppCustom"};
const std::vector<std::string> kAspectNames = {"pmStretch", "pmNormal"};

} // namespace

const TClassInfo& TGDIPFill::StaticClassInfo() {
    using F = TGDIPFill;
    static const TClassInfo info =
        ClassBuilder<F>("TGDIPFill", &TPersistent::StaticClassInfo())
            .Property("Color", &F::Color, &F::SetColor)
            .TypeName("TColor")
            .Default(clSilver)
            .Property("ColorTo", &F::ColorTo, &F::SetColorTo)
            .TypeName("TColor")
            .Default(clGray)
            .Property("ColorMirror", &F::ColorMirror, &F::SetColorMirror)
            .TypeName("TColor")
            .Property("ColorMirrorTo", &F::ColorMirrorTo, &F::SetColorMirrorTo)
            .TypeName("TColor")
            .Enum("GradientType", &F::GradientType, &F::SetGradientType, kGradientNames, "TAdvGradientType")
            .Default(gtVertical)
            .Enum("GradientMirrorType", &F::GradientMirrorType, &F::SetGradientMirrorType, kGradientNames,
                  "TAdvGradientType")
            .Default(gtSolid)
            .Enum("HatchStyle", &F::HatchStyle, &F::SetHatchStyle, kHatchNames, "HatchStyle")
            .Default(Gdiplus::HatchStyleHorizontal)
            .Enum("HatchStyleMirror", &F::HatchStyleMirror, &F::SetHatchStyleMirror, kHatchNames,
                  "HatchStyle")
            .Default(Gdiplus::HatchStyleHorizontal)
            .Property("BackGroundPictureAspectRatio", &F::BackGroundPictureAspectRatio,
                      &F::SetBackGroundPictureAspectRatio)
            .Default(false)
            .Enum("BackGroundPictureMode", &F::BackGroundPictureMode, &F::SetBackGroundPictureMode,
                  {"pmInsideFill", "pmOutsideFill"}, "TFillPictureMode")
            .Default(pmOutsideFill)
            .Property("BackGroundPicture", &F::BackGroundPicture, &F::SetBackGroundPicture)
            .Enum("BackGroundPicturePosition", &F::BackGroundPicturePosition,
                  &F::SetBackGroundPicturePosition, kPositionNames, "TFillPicturePosition")
            .Default(ppTopLeft)
            .Property("BackGroundPictureLeft", &F::BackGroundPictureLeft, &F::SetBackGroundPictureLeft)
            .Default(0)
            .Property("BackGroundPictureTop", &F::BackGroundPictureTop, &F::SetBackGroundPictureTop)
            .Default(0)
            .Enum("BackGroundPictureAspectMode", &F::BackGroundPictureAspectMode,
                  &F::SetBackGroundPictureAspectMode, kAspectNames, "TPictureMode")
            .Default(pmStretch)
            .Property("Picture", &F::Picture, &F::SetPicture)
            .Enum("PicturePosition", &F::PicturePosition, &F::SetPicturePosition, kPositionNames,
                  "TFillPicturePosition")
            .Default(ppTopLeft)
            .Property("PictureLeft", &F::PictureLeft, &F::SetPictureLeft)
            .Default(0)
            .Property("PictureTop", &F::PictureTop, &F::SetPictureTop)
            .Default(0)
            .Enum("PictureSize", &F::PictureSize, &F::SetPictureSize, {"psOriginal", "psCustom"},
                  "TFillPictureSize")
            .Default(psOriginal)
            .Property("PictureWidth", &F::PictureWidth, &F::SetPictureWidth)
            .Default(50)
            .Property("PictureHeight", &F::PictureHeight, &F::SetPictureHeight)
            .Default(50)
            .Property("PictureAspectRatio", &F::PictureAspectRatio, &F::SetPictureAspectRatio)
            .Default(false)
            .Enum("PictureAspectMode", &F::PictureAspectMode, &F::SetPictureAspectMode, kAspectNames,
                  "TPictureMode")
            .Default(pmStretch)
            .Property("Opacity", &F::Opacity, &F::SetOpacity)
            .Default(255)
            .Property("OpacityTo", &F::OpacityTo, &F::SetOpacityTo)
            .Default(255)
            .Property("OpacityMirror", &F::OpacityMirror, &F::SetOpacityMirror)
            .Default(255)
            .Property("OpacityMirrorTo", &F::OpacityMirrorTo, &F::SetOpacityMirrorTo)
            .Default(255)
            .Property("BorderColor", &F::BorderColor, &F::SetBorderColor)
            .TypeName("TColor")
            .Property("BorderOpacity", &F::BorderOpacity, &F::SetBorderOpacity)
            .Default(255)
            .Property("BorderWidth", &F::BorderWidth, &F::SetBorderWidth)
            .Default(1)
            .Property("Rounding", &F::Rounding, &F::SetRounding)
            .Enum("RoundingType", &F::RoundingType, &F::SetRoundingType,
                  {"rtNone", "rtTop", "rtBottom", "rtBoth", "rtLeft", "rtRight"}, "TFillRoundingType")
            .Default(rtBoth)
            .Property("ShadowColor", &F::ShadowColor, &F::SetShadowColor)
            .TypeName("TColor")
            .Default(clGray)
            .Property("ShadowOffset", &F::ShadowOffset, &F::SetShadowOffset)
            .Enum("ShadowType", &F::ShadowType, &F::SetShadowType,
                  {"stRightBottom", "stBottom", "stSurround"}, "TShadowType")
            .Default(stRightBottom)
            .Property("Angle", &F::Angle, &F::SetAngle)
            .Default(0)
            .Enum("Glow", &F::Glow, &F::SetGlow, {"gmNone", "gmGradient", "gmRadial", "gmRadialGradient"},
                  "TGlowMode")
            .Property("GlowGradientColor", &F::GlowGradientColor, &F::SetGlowGradientColor)
            .TypeName("TColor")
            .Default(clWhite)
            .Property("GlowRadialColor", &F::GlowRadialColor, &F::SetGlowRadialColor)
            .TypeName("TColor")
            .Default(clWhite)
            .Build();
    return info;
}

TGDIPFill::TGDIPFill()
    : picture_(std::make_unique<TAdvGDIPPicture>()), backGroundPicture_(std::make_unique<TAdvGDIPPicture>()) {
    picture_->OnChange = [this] { NotifyChange(); };
    backGroundPicture_->OnChange = [this] { NotifyChange(); };
}

TGDIPFill::~TGDIPFill() = default;

void TGDIPFill::NotifyChange() {
    if (OnChange && updateCount_ == 0)
        OnChange(this);
}

template <class V> void TGDIPFill::Store(V& field, V value) {
    if (field == value)
        return;
    field = value;
    NotifyChange();
}

void TGDIPFill::Assign(TPersistent* source) {
    auto* o = dynamic_cast<TGDIPFill*>(source);
    if (!o || o == this)
        return;
    SetColor(o->color_);
    SetColorTo(o->colorTo_);
    SetColorMirror(o->colorMirror_);
    SetColorMirrorTo(o->colorMirrorTo_);
    SetGradientType(o->gradientType_);
    SetGradientMirrorType(o->gradientMirrorType_);
    SetHatchStyle(o->hatchStyle_);
    SetHatchStyleMirror(o->hatchStyleMirror_);
    SetBackGroundPictureAspectRatio(o->backGroundPictureAspectRatio_);
    SetBackGroundPictureMode(o->backGroundPictureMode_);
    SetBackGroundPicture(o->backGroundPicture_.get());
    SetBackGroundPicturePosition(o->backGroundPicturePosition_);
    SetBackGroundPictureLeft(o->backGroundPictureLeft_);
    SetBackGroundPictureTop(o->backGroundPictureTop_);
    SetBackGroundPictureAspectMode(o->backGroundPictureAspectMode_);
    SetPicture(o->picture_.get());
    SetPicturePosition(o->picturePosition_);
    SetPictureLeft(o->pictureLeft_);
    SetPictureTop(o->pictureTop_);
    SetPictureSize(o->pictureSize_);
    SetPictureWidth(o->pictureWidth_);
    SetPictureHeight(o->pictureHeight_);
    SetPictureAspectRatio(o->pictureAspectRatio_);
    SetPictureAspectMode(o->pictureAspectMode_);
    SetOpacity(o->opacity_);
    SetOpacityTo(o->opacityTo_);
    SetOpacityMirror(o->opacityMirror_);
    SetOpacityMirrorTo(o->opacityMirrorTo_);
    SetBorderColor(o->borderColor_);
    SetBorderOpacity(o->borderOpacity_);
    SetBorderWidth(o->borderWidth_);
    SetRounding(o->rounding_);
    SetRoundingType(o->roundingType_);
    SetShadowColor(o->shadowColor_);
    SetShadowOffset(o->shadowOffset_);
    SetShadowType(o->shadowType_);
    SetAngle(o->angle_);
    SetGlow(o->glow_);
    SetGlowGradientColor(o->glowGradientColor_);
    SetGlowRadialColor(o->glowRadialColor_);
    NotifyChange();
}

void TGDIPFill::SetPicture(TAdvGDIPPicture* v) {
    if (v != picture_.get())
        picture_->Assign(v);
    NotifyChange();
}

void TGDIPFill::SetBackGroundPicture(TAdvGDIPPicture* v) {
    if (v != backGroundPicture_.get())
        backGroundPicture_->Assign(v);
    NotifyChange();
}

void TGDIPFill::SetColor(TColor v) {
    Store(color_, v);
}

void TGDIPFill::SetColorTo(TColor v) {
    Store(colorTo_, v);
}

void TGDIPFill::SetColorMirror(TColor v) {
    Store(colorMirror_, v);
}

void TGDIPFill::SetColorMirrorTo(TColor v) {
    Store(colorMirrorTo_, v);
}

void TGDIPFill::SetGradientType(TAdvGradientType v) {
    Store(gradientType_, v);
}

void TGDIPFill::SetGradientMirrorType(TAdvGradientType v) {
    Store(gradientMirrorType_, v);
}

void TGDIPFill::SetHatchStyle(Gdiplus::HatchStyle v) {
    Store(hatchStyle_, v);
}

void TGDIPFill::SetHatchStyleMirror(Gdiplus::HatchStyle v) {
    Store(hatchStyleMirror_, v);
}

void TGDIPFill::SetBackGroundPictureAspectRatio(bool v) {
    Store(backGroundPictureAspectRatio_, v);
}

void TGDIPFill::SetBackGroundPictureMode(TFillPictureMode v) {
    Store(backGroundPictureMode_, v);
}

void TGDIPFill::SetBackGroundPicturePosition(TFillPicturePosition v) {
    Store(backGroundPicturePosition_, v);
}

void TGDIPFill::SetBackGroundPictureLeft(int v) {
    Store(backGroundPictureLeft_, v);
}

void TGDIPFill::SetBackGroundPictureTop(int v) {
    Store(backGroundPictureTop_, v);
}

void TGDIPFill::SetBackGroundPictureAspectMode(TPictureMode v) {
    Store(backGroundPictureAspectMode_, v);
}

void TGDIPFill::SetPicturePosition(TFillPicturePosition v) {
    Store(picturePosition_, v);
}

void TGDIPFill::SetPictureLeft(int v) {
    Store(pictureLeft_, v);
}

void TGDIPFill::SetPictureTop(int v) {
    Store(pictureTop_, v);
}

void TGDIPFill::SetPictureSize(TFillPictureSize v) {
    Store(pictureSize_, v);
}

void TGDIPFill::SetPictureWidth(int v) {
    Store(pictureWidth_, v);
}

void TGDIPFill::SetPictureHeight(int v) {
    Store(pictureHeight_, v);
}

void TGDIPFill::SetPictureAspectRatio(bool v) {
    Store(pictureAspectRatio_, v);
}

void TGDIPFill::SetPictureAspectMode(TPictureMode v) {
    Store(pictureAspectMode_, v);
}

void TGDIPFill::SetOpacity(std::uint8_t v) {
    Store(opacity_, v);
}

void TGDIPFill::SetOpacityTo(std::uint8_t v) {
    Store(opacityTo_, v);
}

void TGDIPFill::SetOpacityMirror(std::uint8_t v) {
    Store(opacityMirror_, v);
}

void TGDIPFill::SetOpacityMirrorTo(std::uint8_t v) {
    Store(opacityMirrorTo_, v);
}

void TGDIPFill::SetBorderColor(TColor v) {
    Store(borderColor_, v);
}

void TGDIPFill::SetBorderOpacity(std::uint8_t v) {
    Store(borderOpacity_, v);
}

void TGDIPFill::SetBorderWidth(int v) {
    Store(borderWidth_, v);
}

void TGDIPFill::SetRounding(int v) {
    Store(rounding_, v);
}

void TGDIPFill::SetRoundingType(TFillRoundingType v) {
    Store(roundingType_, v);
}

void TGDIPFill::SetShadowColor(TColor v) {
    Store(shadowColor_, v);
}

void TGDIPFill::SetShadowOffset(int v) {
    Store(shadowOffset_, v);
}

void TGDIPFill::SetShadowType(TShadowType v) {
    Store(shadowType_, v);
}

void TGDIPFill::SetAngle(int v) {
    Store(angle_, v);
}

void TGDIPFill::SetGlow(TGlowMode v) {
    Store(glow_, v);
}

void TGDIPFill::SetGlowGradientColor(TColor v) {
    Store(glowGradientColor_, v);
}

void TGDIPFill::SetGlowRadialColor(TColor v) {
    Store(glowRadialColor_, v);
}

void TGDIPFill::SetFocus(bool v) {
    Store(focus_, v);
}

void TGDIPFill::SetFocusColor(TColor v) {
    Store(focusColor_, v);
}
