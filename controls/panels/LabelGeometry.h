#pragma once
// The geometry of the pack's label: angles, frame widths, the size a
// rotated caption needs, the centre point and arc radii of turned text,
// and where flat turned text is anchored.

#include "controls/panels/AnchoredText.h"
#include "controls/panels/FrameDrawing.h"
#include "platform/forms/ControlTypes.h"
#include "platform/gfx/Types.h"

enum TRotation { roNone, roFlat, roCurve };
enum TCenterPoint {
    cpUpperLeft,
    cpUpperCenter,
    cpUpperRight,
    cpLeftCenter,
    cpCenter,
    cpRightCenter,
    cpLowerLeft,
    cpLowerCenter,
    cpLowerRight
};

namespace korvan::panels {

// Any angle in degrees brought into 0..359.
int NormalizeAngle(int degrees);

// Pixels one side of a frame of that style takes: 1 for fsFlat, the bevel
// width for fsStatus and fsPopup, 2 for the etched, 3-D, bold and rounded
// styles, 0 for none.
int FrameStyleWidth(TFrameStyleEx style, int bevelWidth);

// The room a caption of `text` size needs once turned by `angle` degrees
// (flat rotation): the bounding box of the turned text.
TSize RotatedExtent(TSize text, int angle);

// The point turned text stands around, and the radii of arc text, in a
// control of that size with that border width.
TPoint CenterPointOf(TCenterPoint point, int width, int height, int borderWidth);
TPoint ArcRadii(TCenterPoint point, int width, int height, int borderWidth);

// Where flat turned text goes inside the text rectangle `t`: the reference
// point and which point of the text it is. `centre` is the centre point,
// `lineHeight` the height of a line, `textWidth` the caption's width and
// `shadow` the shadow's share of the size (ShadowDepth div 2 for a
// shadowed caption, else 0).
struct FlatTextPlace {
    int X = 0;
    int Y = 0;
    TextAnchor Anchor = TextAnchor::Baseline;
};
FlatTextPlace PlaceFlatText(const TRect& t, int angle, TAlignment alignment, TPoint centre, int lineHeight,
                            int textWidth, int shadow);

} // namespace korvan::panels
