#pragma once
// GDI+ helpers of the two-half ("mirrored") faces of thumbs and step
// buttons: rounded-rectangle and pointer paths, half-face gradients and
// the face outlines.

#include "controls/gdip/TrackBarTypes.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Gdiplus.h"

namespace korvan::gdip {

// A rectangle (x, y, w, h) with corner arcs of radius a, at most half the
// shorter side (a plain rectangle when a is 0 or less); alternate fill.
Gdiplus::GraphicsPath BuildRoundedRectPath(float x, float y, float w, float h, float a);
void StrokeRoundedRect(Gdiplus::Graphics& g, float x, float y, float w, float h, float radius, TColor color);
// A thumb body with a tip toward each tick row that `tickPos` names.
Gdiplus::GraphicsPath BuildPointerPath(const TRect& body, TPoint tip1, TPoint tip2, TTickMark tickPos,
                                       bool vertical);
// One half of a face: `outer` is the upper half.
void FillHalfGradient(Gdiplus::Graphics& g, const Gdiplus::RectF& half, TColor a, bool outer,
                      TGDIPGradient kind, TColor b);

// The colours of a two-half face.
struct MirrorFace {
    TColor Color = clNone, ColorTo = clNone, Mirror = clNone, MirrorTo = clNone;
    TColor Border = clNone, Light = clNone;
    TGDIPGradient Kind = ggVertical, MirrorKind = ggVertical;
};
void DrawMirrorBorders(Gdiplus::Graphics& g, const TRect& r, TTrackButtonShape shape, bool vertical,
                       TColor border, TColor light);
// The upper half from Color to ColorTo, the lower from MirrorTo to Mirror
// (only when all four are set), then the outlines.
void DrawMirrorGradient(Gdiplus::Graphics& g, const TRect& r, bool vertical, const MirrorFace& face,
                        TTrackButtonShape shape);

} // namespace korvan::gdip
