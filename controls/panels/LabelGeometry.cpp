#include "controls/panels/LabelGeometry.h"

#include <cmath>

namespace korvan::panels {

namespace {
int Rnd(double v) {
    return int(std::lround(v));
}
constexpr double kDegree = M_PI / 180.0;
} // namespace

int NormalizeAngle(int degrees) {
    return ((degrees % 360) + 360) % 360;
}

int FrameStyleWidth(TFrameStyleEx style, int bevelWidth) {
    switch (style) {
    case fsNone:
        return 0;
    case fsFlat:
        return 1;
    case fsStatus:
    case fsPopup:
        return bevelWidth;
    default:
        return 2;
    }
}

TSize RotatedExtent(TSize text, int angle) {
    // The box around the turned text, in every quadrant.
    const double a = NormalizeAngle(angle) * kDegree;
    const double s = std::abs(std::sin(a)), c = std::abs(std::cos(a));
    const double w = text.cx, h = text.cy;
    return {Rnd(s * h + c * w), Rnd(s * w + c * h)};
}

TPoint CenterPointOf(TCenterPoint point, int width, int height, int b) {
    // Every right-hand point keeps the border width from the right edge.
    const int cx = width / 2, cy = height / 2;
    switch (point) {
    case cpUpperLeft:
        return Point(b, b);
    case cpUpperCenter:
        return Point(cx, b);
    case cpUpperRight:
        return Point(width - b, b);
    case cpLeftCenter:
        return Point(b, cy);
    case cpCenter:
        return Point(cx, cy);
    case cpRightCenter:
        return Point(width - b, cy);
    case cpLowerLeft:
        return Point(b, height - b);
    case cpLowerCenter:
        return Point(cx, height - b);
    case cpLowerRight:
        return Point(width - b, height - b);
    }
    return Point(cx, cy);
}

TPoint ArcRadii(TCenterPoint point, int width, int height, int borderWidth) {
    const int a = 2 * borderWidth;
    switch (point) {
    case cpUpperCenter:
    case cpLowerCenter:
        return Point(width / 2 - a, height - a);
    case cpLeftCenter:
    case cpRightCenter:
        return Point(width - a, height / 2 - a);
    case cpCenter:
        return Point(width / 2 - a, height / 2 - a);
    default:
        return Point(width - a, height - a);
    }
}

FlatTextPlace PlaceFlatText(const TRect& t, int angle, TAlignment alignment, TPoint centre, int lineHeight,
                            int textWidth, int shadow) {
    const double q = lineHeight / 4.0;
    const int e = shadow;
    const int f = textWidth + e;
    const double r = angle * kDegree + M_PI / 2;
    const bool right = alignment == taRightJustify, centred = alignment == taCenter;
    FlatTextPlace p{centre.X, centre.Y, TextAnchor::Baseline};
    switch (angle) {
    case 0:
    case 360:
        p.Anchor = centred ? TextAnchor::TopCenter : TextAnchor::TopLeft;
        if (!centred)
            p.X = right ? t.Right - textWidth - 2 * e : t.Left + e;
        p.Y -= (lineHeight + e) / 2;
        break;
    case 90:
        p.X -= Rnd(std::cos(r) * q);
        p.Y = centred ? t.Bottom - (t.Bottom - f) / 2 : right ? t.Top + f + e : t.Bottom - e;
        break;
    case 180:
        p.X = centred ? t.Right - (t.Right - f) / 2 : right ? t.Left + f : t.Right - e;
        p.Y -= (lineHeight + e) / 4;
        break;
    case 270:
        p.X -= Rnd(std::cos(r) * q);
        p.Y = centred ? (t.Bottom - f) / 2 : right ? t.Bottom - f - e : t.Top + e;
        break;
    default:
        p.X -= Rnd(std::cos(r) * q);
        p.Y += Rnd(std::sin(r) * q);
        p.Anchor = TextAnchor::BaselineCenter;
        break;
    }
    return p;
}

} // namespace korvan::panels
