#pragma once
// TGDIPFill: how a control body is painted with GDI+. A body fill (solid,
// linear gradient at a fixed or free angle, radial, hatch or texture), an
// optional mirror fill for the lower half, rounded corners, a drop shadow,
// a glow, a border, a focus outline and up to two pictures. Controls own
// one per painted surface and call Fill from their paint handler.
//
// Every setter stores only a changed value and then raises OnChange
// (unless BeginUpdate is in force); the two pictures are owned and their
// own changes raise OnChange too.

#include "controls/gdip/AdvGDIP.h"
#include "controls/gdip/GDIPFillTypes.h"
#include "platform/forms/Persistent.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Gdiplus.h"

#include <cstdint>
#include <memory>
#include <string>

namespace korvan::sys {
class IniFile;
}

class TGDIPFill : public TPersistent {
    KORVAN_CLASS(TGDIPFill)
public:
    TGDIPFill();
    ~TGDIPFill() override;
    TGDIPFill(const TGDIPFill&) = delete;
    TGDIPFill& operator=(const TGDIPFill&) = delete;

    // Every published property but OnChange from another TGDIPFill, then
    // one more OnChange; any other source is ignored. Focus, FocusColor,
    // the focus rectangle and the update count stay.
    void Assign(TPersistent* source) override;
    void BeginUpdate() { ++updateCount_; }
    // Does not raise a change held back by BeginUpdate.
    void EndUpdate() {
        if (updateCount_ > 0)
            --updateCount_;
    }
    int UpdateCount() const { return updateCount_; }

    // Paints shadow, body, pictures, border, glow and focus outline over r
    // and returns the body rectangle left after the shadow's share (where
    // the caller draws its content). An opacity argument of 255 means
    // "the property's value". The caller's clip is kept.
    TGPRectF Fill(Gdiplus::Graphics* graphics, const TGPRectF& r, std::uint8_t borderOpacity = 255,
                  std::uint8_t opacity = 255, std::uint8_t opacityTo = 255, std::uint8_t opacityMirror = 255,
                  std::uint8_t opacityMirrorTo = 255);
    // One part of the body: the upper one, or the mirror part.
    void DrawGradientBackGround(Gdiplus::Graphics& graphics, const TGPRectF& r, bool mirror, std::uint8_t oc,
                                std::uint8_t octo, std::uint8_t ocmr, std::uint8_t ocmrto);
    // The glow over r, clipped to r; the caller's clip is kept.
    void DrawGlow(Gdiplus::Graphics& graphics, const TGPRectF& r);

    // The fill on the clipboard in the private format "GDI+ Fill", and back
    // (nothing when the clipboard holds no fill).
    void SaveToClipBoard();
    void LoadFromClipBoard();

    // The fill as keys of one INI section, and back. The picture-size mode
    // has a key of its own ("PictureSizeMode"); "PictureSize" holds the
    // length of the picture's hex text as files expect it.
    void SaveToFile(const std::string& fileName, const std::string& section);
    void SaveToFile(korvan::sys::IniFile& ini, const std::string& section);
    void LoadFromFile(const std::string& fileName, const std::string& section);
    void LoadFromFile(korvan::sys::IniFile& ini, const std::string& section);

    // ---- properties
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor v);
    TColor ColorMirror() const { return colorMirror_; }
    void SetColorMirror(TColor v);
    TColor ColorMirrorTo() const { return colorMirrorTo_; }
    void SetColorMirrorTo(TColor v);
    TAdvGradientType GradientType() const { return gradientType_; }
    void SetGradientType(TAdvGradientType v);
    TAdvGradientType GradientMirrorType() const { return gradientMirrorType_; }
    void SetGradientMirrorType(TAdvGradientType v);
    Gdiplus::HatchStyle HatchStyle() const { return hatchStyle_; }
    void SetHatchStyle(Gdiplus::HatchStyle v);
    Gdiplus::HatchStyle HatchStyleMirror() const { return hatchStyleMirror_; }
    void SetHatchStyleMirror(Gdiplus::HatchStyle v);

    bool BackGroundPictureAspectRatio() const { return backGroundPictureAspectRatio_; }
    void SetBackGroundPictureAspectRatio(bool v);
    TFillPictureMode BackGroundPictureMode() const { return backGroundPictureMode_; }
    void SetBackGroundPictureMode(TFillPictureMode v);
    TAdvGDIPPicture* BackGroundPicture() const { return backGroundPicture_.get(); }
    // Copies the given picture into the owned one, then notifies.
    void SetBackGroundPicture(TAdvGDIPPicture* v);
    TFillPicturePosition BackGroundPicturePosition() const { return backGroundPicturePosition_; }
    void SetBackGroundPicturePosition(TFillPicturePosition v);
    int BackGroundPictureLeft() const { return backGroundPictureLeft_; }
    void SetBackGroundPictureLeft(int v);
    int BackGroundPictureTop() const { return backGroundPictureTop_; }
    void SetBackGroundPictureTop(int v);
    TPictureMode BackGroundPictureAspectMode() const { return backGroundPictureAspectMode_; }
    void SetBackGroundPictureAspectMode(TPictureMode v);

    TAdvGDIPPicture* Picture() const { return picture_.get(); }
    // Copies the given picture into the owned one, then notifies.
    void SetPicture(TAdvGDIPPicture* v);
    TFillPicturePosition PicturePosition() const { return picturePosition_; }
    void SetPicturePosition(TFillPicturePosition v);
    int PictureLeft() const { return pictureLeft_; }
    void SetPictureLeft(int v);
    int PictureTop() const { return pictureTop_; }
    void SetPictureTop(int v);
    TFillPictureSize PictureSize() const { return pictureSize_; }
    void SetPictureSize(TFillPictureSize v);
    int PictureWidth() const { return pictureWidth_; }
    void SetPictureWidth(int v);
    int PictureHeight() const { return pictureHeight_; }
    void SetPictureHeight(int v);
    bool PictureAspectRatio() const { return pictureAspectRatio_; }
    void SetPictureAspectRatio(bool v);
    TPictureMode PictureAspectMode() const { return pictureAspectMode_; }
    void SetPictureAspectMode(TPictureMode v);

    std::uint8_t Opacity() const { return opacity_; }
    void SetOpacity(std::uint8_t v);
    std::uint8_t OpacityTo() const { return opacityTo_; }
    void SetOpacityTo(std::uint8_t v);
    std::uint8_t OpacityMirror() const { return opacityMirror_; }
    void SetOpacityMirror(std::uint8_t v);
    std::uint8_t OpacityMirrorTo() const { return opacityMirrorTo_; }
    void SetOpacityMirrorTo(std::uint8_t v);

    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor v);
    std::uint8_t BorderOpacity() const { return borderOpacity_; }
    void SetBorderOpacity(std::uint8_t v);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v);
    int Rounding() const { return rounding_; }
    void SetRounding(int v);
    TFillRoundingType RoundingType() const { return roundingType_; }
    void SetRoundingType(TFillRoundingType v);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor v);
    int ShadowOffset() const { return shadowOffset_; }
    void SetShadowOffset(int v);
    TShadowType ShadowType() const { return shadowType_; }
    void SetShadowType(TShadowType v);
    int Angle() const { return angle_; }
    void SetAngle(int v);
    TGlowMode Glow() const { return glow_; }
    void SetGlow(TGlowMode v);
    TColor GlowGradientColor() const { return glowGradientColor_; }
    void SetGlowGradientColor(TColor v);
    TColor GlowRadialColor() const { return glowRadialColor_; }
    void SetGlowRadialColor(TColor v);

    // Public, not streamed.
    bool Focus() const { return focus_; }
    void SetFocus(bool v);
    TColor FocusColor() const { return focusColor_; }
    void SetFocusColor(TColor v);
    // The focus rectangle of the last Fill.
    TGPRectF FocusRect() const { return focusRect_; }

    TNotifyEvent OnChange;

private:
    void NotifyChange();
    template <class V> void Store(V& field, V value);
    // Steps of Fill.
    TGPRectF DrawShadow(Gdiplus::Graphics& graphics, TGPRectF r);
    void DrawBody(Gdiplus::Graphics& graphics, const TGPRectF& r, std::uint8_t opacity,
                  std::uint8_t opacityTo, std::uint8_t opacityMirror, std::uint8_t opacityMirrorTo);
    void DrawBackGroundPicture(Gdiplus::Graphics& graphics, const TRect& pr);
    void DrawForegroundPicture(Gdiplus::Graphics& graphics, const TRect& pr);
    void DrawFocus(Gdiplus::Graphics& graphics, const TGPRectF& r, std::uint8_t opacity);

    TColor borderColor_ = clNone;
    std::uint8_t opacity_ = 255;
    TFillPicturePosition picturePosition_ = ppTopLeft;
    TAdvGradientType gradientType_ = gtVertical;
    std::uint8_t opacityTo_ = 255;
    std::unique_ptr<TAdvGDIPPicture> picture_;
    Gdiplus::HatchStyle hatchStyle_ = Gdiplus::HatchStyleHorizontal;
    TColor color_ = clSilver;
    int shadowOffset_ = 0;
    TShadowType shadowType_ = stRightBottom;
    std::uint8_t opacityMirror_ = 255;
    TAdvGradientType gradientMirrorType_ = gtSolid;
    std::uint8_t opacityMirrorTo_ = 255;
    int rounding_ = 0;
    TColor shadowColor_ = clGray;
    int borderWidth_ = 1;
    TColor colorMirror_ = clNone;
    TColor colorMirrorTo_ = clNone;
    TColor colorTo_ = clGray;
    Gdiplus::HatchStyle hatchStyleMirror_ = Gdiplus::HatchStyleHorizontal;
    int pictureTop_ = 0;
    int pictureLeft_ = 0;
    int backGroundPictureTop_ = 0;
    int backGroundPictureLeft_ = 0;
    TFillPicturePosition backGroundPicturePosition_ = ppTopLeft;
    std::unique_ptr<TAdvGDIPPicture> backGroundPicture_;
    int pictureWidth_ = 50;
    TFillPictureSize pictureSize_ = psOriginal;
    int pictureHeight_ = 50;
    TFillRoundingType roundingType_ = rtBoth;
    int updateCount_ = 0;
    bool focus_ = false;
    TColor focusColor_ = clBlack;
    int angle_ = 0;
    std::uint8_t borderOpacity_ = 255;
    TGPRectF focusRect_{};
    TFillPictureMode backGroundPictureMode_ = pmOutsideFill;
    TColor glowGradientColor_ = clWhite;
    TGlowMode glow_ = gmNone;
    TColor glowRadialColor_ = clWhite;
    bool backGroundPictureAspectRatio_ = false;
    bool pictureAspectRatio_ = false;
    TPictureMode backGroundPictureAspectMode_ = pmStretch;
    TPictureMode pictureAspectMode_ = pmStretch;
};
