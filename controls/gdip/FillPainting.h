#pragma once
// The painting helpers of the pack's fills, used by the fill descriptor
// and by the other GDI+ painters: the rounded-rectangle path, the aspect
// fit and placing of pictures, the radial fill and the one-kind fill of a
// rectangle or path.

#include "controls/gdip/AdvGDIP.h"
#include "controls/gdip/GDIPFillTypes.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Gdiplus.h"

#include <cstdint>
#include <memory>

namespace korvan::gdip {

// A closed path (fill mode alternate) for r with the chosen corners rounded
// by radius; starts at the top-left and runs clockwise. A corner arc whose
// box has no room (radius <= 0) is left out.
std::unique_ptr<Gdiplus::GraphicsPath> RoundRectPath(const TGPRectF& r, int radius, TFillRoundingType type);

struct FitSize {
    double Width = 0, Height = 0;
};
// The size of a picture fitted into a box; (0, 0) when any size is not
// positive. pmNormal keeps a picture smaller than the box in both directions.
FitSize FitPictureAspect(double picW, double picH, double boxW, double boxH, TPictureMode mode);

// The radial body fill: the path in one colour, then an elliptic gradient
// centred at the top or bottom middle, clipped to the path. The caller's
// clip is kept.
void RadialFill(Gdiplus::Graphics& graphics, const TGPRectF& r, TColor color, TColor colorTo,
                std::uint8_t opacityA, std::uint8_t opacityB, bool topCentre, int rounding,
                TFillRoundingType roundingType);

// Draws the picture placed in r by position (ppTiled draws nothing: tiling
// is a texture fill). picW x picH is the size to draw at.
void DrawPicturePlaced(Gdiplus::Graphics& graphics, bool aspectRatio, TPictureMode aspectMode,
                       TAdvGDIPPicture* picture, TFillPicturePosition position, int picW, int picH,
                       const TRect& r, int left, int top);

struct TFillParams {
    Gdiplus::Graphics* Graphics = nullptr;
    const Gdiplus::GraphicsPath* Path = nullptr;
    bool UsePath = false;
    TGPRectF Rect{};
    TAdvGradientType Kind = gtSolid;
    TColor Color = clNone;
    TColor ColorTo = clNone;
    std::uint8_t Opacity = 255;
    std::uint8_t OpacityTo = 255;
    Gdiplus::HatchStyle Hatch = Gdiplus::HatchStyleHorizontal;
    int Angle = 0;
    const TAdvGDIPPicture* Texture = nullptr;
    TColor BorderColor = clNone;
    int BorderWidth = 0;
    Gdiplus::DashStyle BorderStyle = Gdiplus::DashStyleSolid;
    bool Mirror = false;
};
// Fills the rectangle or path with one fill kind, then outlines it when
// the border colour is not clNone.
void FillRectOrPath(const TFillParams& p);

// Keeps a graphics object's clip and smoothing mode and gives them back
// when it goes out of scope.
class GraphicsStateGuard {
public:
    explicit GraphicsStateGuard(Gdiplus::Graphics& graphics);
    ~GraphicsStateGuard();
    GraphicsStateGuard(const GraphicsStateGuard&) = delete;
    GraphicsStateGuard& operator=(const GraphicsStateGuard&) = delete;

private:
    Gdiplus::Graphics& graphics_;
    Gdiplus::Region clip_;
    Gdiplus::SmoothingMode smoothing_;
};

} // namespace korvan::gdip
