#include "controls/panels/FrameDrawing.h"

#include "controls/panels/ColorShading.h"
#include "controls/panels/PackText.h"

#include <algorithm>
#include <limits>

namespace {

void Line(TCanvas& c, int x1, int y1, int x2, int y2) {
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

// The two colour pairs of an etched frame (a = top-left, b = bottom-right).
TRect DrawEtched(TCanvas& c, TRect r, TColor a, TColor b, TSides sides) {
    const bool left = sides & sdLeft, top = sides & sdTop, right = sides & sdRight, bottom = sides & sdBottom;
    if (right)
        c.SetPixel(r.Right - 1, r.Top, b);
    if (top && !right)
        c.SetPixel(r.Right - 1, r.Top, a);
    if (bottom)
        c.SetPixel(r.Left, r.Bottom - 1, b);
    if (left && !bottom)
        c.SetPixel(r.Left, r.Bottom - 1, a);
    if (top && !left)
        c.SetPixel(r.Left, r.Top + 1, b);
    if (left && !top)
        c.SetPixel(r.Left + 1, r.Top, b);
    if (bottom && !right)
        c.SetPixel(r.Right - 1, r.Bottom - 2, a);
    if (right && !bottom)
        c.SetPixel(r.Right - 2, r.Bottom - 1, a);
    DrawSidesLines(c, {r.Left + 1, r.Top + 1, r.Right, r.Bottom}, b, b, sides);
    DrawSidesLines(c, {r.Left, r.Top, r.Right - 1, r.Bottom - 1}, a, a, sides);
    if (left)
        r.Left += 2;
    if (top)
        r.Top += 2;
    if (right)
        r.Right -= 2;
    if (bottom)
        r.Bottom -= 2;
    return r;
}

TRect Shrink(TRect r, int n) {
    return r.Inflate(-n, -n);
}

} // namespace

TRect DrawSidesLines(TCanvas& c, TRect r, TColor topLeft, TColor bottomRight, TSides sides) {
    if (topLeft != clNone) {
        c.Pen().SetColor(topLeft);
        if (sides & sdLeft)
            Line(c, r.Left, r.Top, r.Left, r.Bottom);
        if (sides & sdTop)
            Line(c, r.Left, r.Top, r.Right, r.Top);
    }
    if (bottomRight != clNone) {
        c.Pen().SetColor(bottomRight);
        if (sides & sdRight)
            Line(c, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
        if (sides & sdBottom)
            Line(c, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
    }
    if (sides & sdLeft)
        ++r.Left;
    if (sides & sdTop)
        ++r.Top;
    if (sides & sdRight)
        --r.Right;
    if (sides & sdBottom)
        --r.Bottom;
    return r;
}

TRect ShrinkSides(TRect r, int count, TSides sides) {
    const auto move = [](int v, long long by) {
        return int(
            std::clamp<long long>(v + by, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    };
    if (sides & sdLeft)
        r.Left = move(r.Left, count);
    if (sides & sdTop)
        r.Top = move(r.Top, count);
    if (sides & sdRight)
        r.Right = move(r.Right, -(long long)count);
    if (sides & sdBottom)
        r.Bottom = move(r.Bottom, -(long long)count);
    return r;
}

TRect DrawSidesBevel(TCanvas& c, TRect r, TColor topLeft, TColor bottomRight, int count, TSides sides) {
    c.Pen().SetWidth(1);
    // Rings stop where the rectangle has no room left; a band wider than
    // the control fills it and no more (and does not loop for ever).
    int i = 0;
    for (; i < count && r.Width() > 0 && r.Height() > 0; ++i)
        r = DrawSidesLines(c, r, topLeft, bottomRight, sides);
    return i < count ? ShrinkSides(r, count - i, sides) : r;
}

TRect DrawCtl3DFrame(TCanvas& c, TRect r, bool lowered, TSides sides) {
    if (lowered) {
        r = DrawSidesLines(c, r, clBtnShadow, clBtnHighlight, sides);
        return DrawSidesLines(c, r, cl3DDkShadow, cl3DLight, sides);
    }
    r = DrawSidesLines(c, r, cl3DLight, cl3DDkShadow, sides);
    return DrawSidesLines(c, r, clBtnHighlight, clBtnShadow, sides);
}

TRect DrawButtonFrame(TCanvas& c, TRect r, bool down, TSides sides) {
    if (down) {
        r = DrawSidesLines(c, r, clBtnText, clBtnText, sides);
        return DrawSidesLines(c, r, clBtnShadow, clBtnShadow, sides);
    }
    r = DrawSidesLines(c, r, clBtnHighlight, cl3DDkShadow, sides);
    return DrawSidesLines(c, r, cl3DLight, clBtnShadow, sides);
}

TRect DrawColorButtonFrame(TCanvas& c, TRect r, TColor face, bool down, TSides sides) {
    if (down) {
        r = DrawSidesLines(c, r, DarkerColor(face, 100), DarkerColor(face, 100), sides);
        return DrawSidesLines(c, r, DarkerColor(face, 50), DarkerColor(face, 50), sides);
    }
    r = DrawSidesLines(c, r, LighterColor(face, 100), DarkerColor(face, 100), sides);
    return DrawSidesLines(c, r, LighterColor(face, 40), DarkerColor(face, 50), sides);
}

TRect DrawFrameStyle(TCanvas& c, TRect r, TFrameStyleEx style, TSides sides) {
    switch (style) {
    case fsNone:
        return r;
    case fsFlat:
        return DrawSidesLines(c, r, cl3DDkShadow, cl3DDkShadow, sides);
    case fsGroove:
        return DrawEtched(c, r, clBtnShadow, clBtnHighlight, sides);
    case fsBump:
        return DrawEtched(c, r, clBtnHighlight, clBtnShadow, sides);
    case fsLowered:
        return DrawCtl3DFrame(c, r, true, sides);
    case fsButtonDown:
        return DrawButtonFrame(c, r, true, sides);
    case fsRaised:
        return DrawCtl3DFrame(c, r, false, sides);
    case fsButtonUp:
        return DrawButtonFrame(c, r, false, sides);
    case fsStatus:
        return DrawSidesLines(c, r, clBtnShadow, clBtnHighlight, sides);
    case fsPopup:
        return DrawSidesLines(c, r, clBtnHighlight, clBtnShadow, sides);
    case fsFlatBold:
        return DrawSidesBevel(c, r, clBtnShadow, clBtnShadow, 2, sides);
    case fsFlatRounded:
        // This style has no system colours of its own: it is shaded from
        // the button face exactly as the face-colour variant shades it.
        return DrawColorFrameStyle(c, r, clBtnFace, fsFlatRounded, sides);
    }
    return r;
}

TRect DrawColorFrameStyle(TCanvas& c, TRect r, TColor face, TFrameStyleEx style, TSides sides) {
    const TColor d50 = DarkerColor(face, 50), d100 = DarkerColor(face, 100);
    const TColor l50 = LighterColor(face, 50), l100 = LighterColor(face, 100);
    switch (style) {
    case fsNone:
        return r;
    case fsFlat:
        return DrawSidesLines(c, r, d50, d50, sides);
    case fsGroove:
        return DrawEtched(c, r, d50, l100, sides);
    case fsBump:
    case fsFlatRounded:
        return DrawEtched(c, r, l100, d50, sides);
    case fsLowered:
        r = DrawSidesLines(c, r, d50, l100, sides);
        return DrawSidesLines(c, r, d100, l50, sides);
    case fsRaised:
        r = DrawSidesLines(c, r, l50, d100, sides);
        return DrawSidesLines(c, r, l100, d50, sides);
    case fsButtonDown:
        return DrawColorButtonFrame(c, r, face, true, sides);
    case fsButtonUp:
        return DrawColorButtonFrame(c, r, face, false, sides);
    case fsStatus:
        return DrawSidesLines(c, r, d50, l100, sides);
    case fsPopup:
        return DrawSidesLines(c, r, l100, d50, sides);
    case fsFlatBold:
        return DrawSidesBevel(c, r, d50, d50, 2, sides);
    }
    return r;
}

TRect DrawFlatFrame(TCanvas& c, TRect r, TColor color) {
    return DrawSidesLines(c, r, color, color, sdAllSides);
}

TRect DrawDottedFrame(TCanvas& c, TRect r) {
    for (int y = r.Top + 1; y < r.Bottom; y += 2) {
        c.SetPixel(r.Left, y, clBlack);
        c.SetPixel(r.Right - 1, y, clBlack);
    }
    for (int x = r.Left + 1; x < r.Right; x += 2) {
        c.SetPixel(x, r.Top, clBlack);
        c.SetPixel(x, r.Bottom - 1, clBlack);
    }
    return Shrink(r, 1);
}

TRect DrawRoundedFlatFrame(TCanvas& c, TRect r, TColor color, TSides sides) {
    const bool left = sides & sdLeft, top = sides & sdTop, right = sides & sdRight, bottom = sides & sdBottom;
    const int y0 = top ? r.Top + 2 : r.Top, y1 = bottom ? r.Bottom - 2 : r.Bottom;
    const int x0 = left ? r.Left + 2 : r.Left, x1 = right ? r.Right - 2 : r.Right;
    c.Pen().SetColor(color);
    if (left)
        Line(c, r.Left, y0, r.Left, y1);
    if (top)
        Line(c, x0, r.Top, x1, r.Top);
    if (right)
        Line(c, r.Right - 1, y0, r.Right - 1, y1);
    if (bottom)
        Line(c, x0, r.Bottom - 1, x1, r.Bottom - 1);
    if (left && top)
        c.SetPixel(r.Left + 1, r.Top + 1, color);
    if (top && right)
        c.SetPixel(r.Right - 2, r.Top + 1, color);
    if (right && bottom)
        c.SetPixel(r.Right - 2, r.Bottom - 2, color);
    if (left && bottom)
        c.SetPixel(r.Left + 1, r.Bottom - 2, color);
    return {x0, y0, x1, y1};
}

TRect DrawPanelFrame(TCanvas& c, TRect r, TFrameStyleEx outer, bool roundedInner, bool transparent,
                     TColor parentColor, TColor color, int flatAdjustment, TColor flatColor,
                     TColor borderShadow, TColor borderHighlight, TColor borderColor, int bevelWidth,
                     TSides sides, int borderWidth, TFrameStyleEx inner) {
    const TColor m = AdjustedColor(flatColor, flatAdjustment);
    TRect out = r;
    // The styles the outer and the inner frame draw alike.
    auto drawStyle = [&](TFrameStyleEx style) {
        switch (style) {
        case fsFlat:
            return DrawSidesLines(c, out, m, m, sides);
        case fsFlatBold:
            return DrawSidesBevel(c, out, m, m, 2, sides);
        case fsStatus:
            return DrawSidesBevel(c, out, borderShadow, borderHighlight, bevelWidth, sides);
        case fsPopup:
            return DrawSidesBevel(c, out, borderHighlight, borderShadow, bevelWidth, sides);
        default:
            return DrawFrameStyle(c, out, style, sides);
        }
    };
    if (outer == fsFlatRounded) {
        const bool bordered = borderWidth > 0 || inner != fsNone;
        if (!transparent) {
            const TRect ring = DrawSidesLines(c, out, parentColor, parentColor, sides);
            const TColor second = bordered ? borderColor : color;
            DrawSidesLines(c, ring, second, second, sides);
        } else if (bordered) {
            DrawSidesLines(c, DrawSidesLines(c, out, clNone, clNone, sides), borderColor, borderColor, sides);
        }
        out = DrawRoundedFlatFrame(c, out, m, sides);
    } else {
        out = drawStyle(outer);
    }
    if (borderWidth > 0)
        out = DrawSidesBevel(c, out, borderColor, borderColor, borderWidth, sides);
    if (inner == fsFlat && roundedInner) {
        c.Pen().SetColor(m);
        Line(c, out.Left, out.Top + 1, out.Left, out.Bottom - 1);
        Line(c, out.Left + 1, out.Top, out.Right - 1, out.Top);
        Line(c, out.Right - 1, out.Top + 1, out.Right - 1, out.Bottom - 1);
        Line(c, out.Left + 1, out.Bottom - 1, out.Right - 1, out.Bottom - 1);
        out = Shrink(out, 1);
    } else if (inner == fsFlatRounded) {
        const TRect start = out;
        out = DrawSidesLines(c, out, borderColor, borderColor, sides);
        if (!transparent)
            out = DrawSidesLines(c, out, color, color, sides);
        DrawRoundedFlatFrame(c, start, m, sides);
    } else {
        out = drawStyle(inner);
    }
    return out;
}

void DrawDropDownArrow(TCanvas& c, TRect r, int look, bool enabled) {
    if (IsWindowsVersionOrLater(7))
        look = 2;
    const TColor savedBrush = c.Brush().Color();
    TColor fill = clBtnShadow;
    if (enabled) {
        if (look == 1)
            fill = ColorsAreClose(clBtnText, clWindow) ? cl3DDkShadow : clBtnText;
        else
            fill = ColorsAreClose(savedBrush, clBlack) ? cl3DDkShadow : clBlack;
    }
    c.Brush().SetColor(fill);
    c.Pen().SetStyle(psClear);
    const int cx = r.Left + (r.Right - r.Left) / 2;
    int cy = r.Top + (r.Bottom - r.Top) / 2;
    if ((r.Bottom - r.Top) % 2 == 0)
        --cy;
    if (look == 1)
        c.Polygon({{cx, cy + 4},
                   {cx - 4, cy - 1},
                   {cx - 3, cy - 3},
                   {cx, cy + 1},
                   {cx + 3, cy - 3},
                   {cx + 5, cy - 1}});
    else if (look == 0 || look == 2)
        c.Polygon({{cx, cy + 2}, {cx - 3, cy - 2}, {cx + 4, cy - 2}});
    c.Pen().SetStyle(psSolid);
    c.Brush().SetColor(savedBrush);
}
