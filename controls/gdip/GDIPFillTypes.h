#pragma once
// The value types of the fill descriptor, shared with the painters that
// take a fill's settings (splash texts use the gradient kinds).

#include <cstdint>

enum TAdvGradientType : std::int32_t {
    gtSolid,
    gtRadial,
    gtVertical,
    gtHorizontal,
    gtForwardDiagonal,
    gtBackwardDiagonal,
    gtAngle,
    gtHatch,
    gtPath,
    gtTexture,
    gtNone
};
enum TFillRoundingType : std::uint8_t { rtNone, rtTop, rtBottom, rtBoth, rtLeft, rtRight };
enum TShadowType : std::uint8_t { stRightBottom, stBottom, stSurround };
enum TGlowMode : std::uint8_t { gmNone, gmGradient, gmRadial, gmRadialGradient };
enum TFillPicturePosition : std::uint8_t {
    ppTopLeft,
    ppTopCenter,
    ppTopRight,
    ppBottomLeft,
    ppBottomCenter,
    ppBottomRight,
    ppTiled,
    ppStretched,
    ppCenterLeft,
    ppCenterCenter,
    ppCenterRight,
    ppCustom
};
enum TFillPictureSize : std::uint8_t { psOriginal, psCustom };
// Where the background picture goes: clipped to the body or over everything.
enum TFillPictureMode : std::uint8_t { pmInsideFill, pmOutsideFill };
// Aspect fit of a stretched picture.
enum TPictureMode : std::uint8_t { pmStretch, pmNormal };
