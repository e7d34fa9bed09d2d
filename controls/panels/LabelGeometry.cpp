#include "controls/panels/LabelGeometry.h"

#include "controls/panels/PixelMath.h"

#include <cmath>

namespace korvan::panels {

namespace {
int Rnd(double v) {
    return SaturatedInt(v);
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

TPoint CenterPointOf(TCenterPoint point, int width, int height, int borderWidth) {
    // Every right-hand point keeps the border width from the right edge.
    // Worked out wide: the stored border width may be anything.
    const int cx = width / 2, cy = height / 2, b = borderWidth;
    const int right = SaturatedInt(std::int64_t(width) - b), bottom = SaturatedInt(std::int64_t(height) - b);
    switch (point) {
    case cpUpperLeft:
        return Point(b, b);
    case cpUpperCenter:
        return Point(cx, b);
    case cpUpperRight:
        return Point(right, b);
    case cpLeftCenter:
        return Point(b, cy);
    case cpCenter:
        return Point(cx, cy);
    case cpRightCenter:
        return Point(right, cy);
    case cpLowerLeft:
        return Point(b, bottom);
    case cpLowerCenter:
        return Point(cx, bottom);
    case cpLowerRight:
        return Point(right, bottom);
    }
    return Point(cx, cy);
}

TPoint ArcRadii(TCenterPoint point, int width, int height, int borderWidth) {
    const std::int64_t a = 2 * std::int64_t(borderWidth);
    const auto less = [a](int v) { return SaturatedInt(v - a); };
    switch (point) {
    case cpUpperCenter:
    case cpLowerCenter:
        return Point(less(width / 2), less(height));
    case cpLeftCenter:
    case cpRightCenter:
        return Point(less(width), less(height / 2));
    case cpCenter:
        return Point(less(width / 2), less(height / 2));
    default:
        return Point(less(width), less(height));
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
