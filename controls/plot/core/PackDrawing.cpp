#include "controls/plot/core/PackDrawing.h"

#include "platform/gfx/Canvas.h"
#include "platform/text/Rounding.h"

#include <algorithm>

namespace korvan::plot {

namespace {

constexpr unsigned kTopLeftSingleNoClip = itfLeft | itfTop | itfSingleLine | itfNoClip; // 649

struct FlagPair {
    unsigned pack;
    unsigned platform;
};
constexpr FlagPair kFlagMap[] = {{itfCenter, DT_CENTER},
                                 {itfRight, DT_RIGHT},
                                 {itfVCenter, DT_VCENTER},
                                 {itfBottom, DT_BOTTOM},
                                 {itfWordBreak, DT_WORDBREAK},
                                 {itfSingleLine, DT_SINGLELINE},
                                 {itfExpandTabs, DT_EXPANDTABS},
                                 {itfNoClip, DT_NOCLIP},
                                 {itfCalcRect, DT_CALCRECT},
                                 {itfEndEllipsis, DT_END_ELLIPSIS},
                                 {itfPathEllipsis, DT_PATH_ELLIPSIS},
                                 {itfWordEllipsis, DT_WORD_ELLIPSIS},
                                 {itfModifyString, DT_MODIFYSTRING}};

int Red(TColor c) {
    return c & 0xFF;
}
int Green(TColor c) {
    return (c >> 8) & 0xFF;
}
int Blue(TColor c) {
    return (c >> 16) & 0xFF;
}
TColor Rgb(std::int64_t r, std::int64_t g, std::int64_t b) {
    auto clamp = [](std::int64_t v) { return TColor(std::clamp<std::int64_t>(v, 0, 255)); };
    return clamp(r) | (clamp(g) << 8) | (clamp(b) << 16);
}

// A rotated copy of the canvas font for the length of one drawing.
class RotatedFontScope {
public:
    RotatedFontScope(TCanvas& canvas, int tenths) : canvas_(canvas), saved_(canvas.Font().Orientation()) {
        canvas_.Font().SetOrientation(tenths);
    }
    ~RotatedFontScope() { canvas_.Font().SetOrientation(saved_); }
    RotatedFontScope(const RotatedFontScope&) = delete;
    RotatedFontScope& operator=(const RotatedFontScope&) = delete;

private:
    TCanvas& canvas_;
    int saved_;
};

void DrawAt(TCanvas& canvas, const std::string& text, int x, int y, TColor color, bool enabled) {
    TRect r{x, y, x, y};
    DrawText3D(canvas, text, r, color, enabled, kTopLeftSingleNoClip);
}

void HLine(TCanvas& canvas, int x1, int x2, int y, TColor c) {
    if (x2 <= x1)
        return;
    canvas.Brush().SetColor(c);
    canvas.FillRect({x1, y, x2, y + 1});
}

void VLine(TCanvas& canvas, int x, int y1, int y2, TColor c) {
    if (y2 <= y1)
        return;
    canvas.Brush().SetColor(c);
    canvas.FillRect({x, y1, x + 1, y2});
}

// One ring of an edge: the top-left colour along the left and top sides,
// the bottom-right colour along the bottom and right sides.
void EdgeRing(TCanvas& canvas, const TRect& r, TColor topLeft, TColor bottomRight) {
    if (r.IsEmpty())
        return;
    VLine(canvas, r.Left, r.Top, r.Bottom - 1, topLeft);
    HLine(canvas, r.Left, r.Right - 1, r.Top, topLeft);
    HLine(canvas, r.Left, r.Right, r.Bottom - 1, bottomRight);
    VLine(canvas, r.Right - 1, r.Top, r.Bottom - 1, bottomRight);
}

void Edge(TCanvas& canvas, const TRect& r, TColor outerTL, TColor outerBR, TColor innerTL, TColor innerBR) {
    const TColor brush = canvas.Brush().Color();
    const TBrushStyle style = canvas.Brush().Style();
    canvas.Brush().SetStyle(bsSolid);
    EdgeRing(canvas, r, outerTL, outerBR);
    EdgeRing(canvas, r.Inflate(-1, -1), innerTL, innerBR);
    canvas.Brush().SetColor(brush);
    canvas.Brush().SetStyle(style);
}

void Line(TCanvas& canvas, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    canvas.Polyline({TPoint{int(x1), int(y1)}, TPoint{int(x2), int(y2)}});
}

} // namespace

unsigned PlatformTextFlags(unsigned packFlags) {
    unsigned flags = 0;
    for (const FlagPair& f : kFlagMap)
        if (packFlags & f.pack)
            flags |= f.platform;
    if (!(packFlags & itfPrefix))
        flags |= DT_NOPREFIX;
    return flags;
}

TColor ColorShade(TColor color, int amount, bool lighter) {
    const TColor c = ColorToRGB(color);
    const int d = lighter ? amount : -amount;
    return Rgb(Red(c) + d, Green(c) + d, Blue(c) + d);
}

int DrawText3D(TCanvas& canvas, const std::string& text, TRect& rect, TColor color, bool enabled,
               unsigned flags) {
    const unsigned platformFlags = PlatformTextFlags(flags);
    if (enabled || (flags & itfCalcRect) || ColorToRGB(color) == clBlack)
        return canvas.DrawText(text, rect, platformFlags);
    const TColor saved = canvas.Font().Color();
    canvas.Font().SetColor(ColorShade(clBtnFace, 64, true));
    TRect shifted = rect.Offset(1, 1);
    canvas.DrawText(text, shifted, platformFlags);
    canvas.Font().SetColor(ColorShade(clBtnFace, 32, false));
    const int height = canvas.DrawText(text, rect, platformFlags);
    canvas.Font().SetColor(saved);
    return height;
}

void DrawRotatedText(TCanvas& canvas, const std::string& text, const TRect& rect, TColor color, bool enabled,
                     TiAlignmentHorizontal alignment, TiRotationAngle angle, TRect& textRect) {
    const int cx = (rect.Left + rect.Right) / 2;
    const int cy = (rect.Top + rect.Bottom) / 2;
    const int w = canvas.TextWidth(text);
    const int h = canvas.TextHeight(text);
    const TRect across{cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2};
    const TRect upright{cx - h / 2, cy - w / 2, cx + h / 2, cy + w / 2};
    switch (angle) {
    case ira000: {
        unsigned flags = itfVCenter | itfNoClip;
        flags |= alignment == iahLeft ? itfLeft : alignment == iahRight ? itfRight : itfCenter;
        if (text.find('\r') == std::string::npos)
            flags |= itfSingleLine;
        TRect r = rect;
        DrawText3D(canvas, text, r, color, enabled, flags);
        textRect = across;
        break;
    }
    case ira090: {
        RotatedFontScope turned(canvas, 900);
        DrawAt(canvas, text, cx - h / 2, cy + w / 2, color, enabled);
        textRect = upright;
        break;
    }
    case ira180: {
        RotatedFontScope turned(canvas, 1800);
        DrawAt(canvas, text, cx + w / 2, cy + h / 2, color, enabled);
        textRect = across;
        break;
    }
    case ira270: {
        RotatedFontScope turned(canvas, 2700);
        DrawAt(canvas, text, cx + h - h / 2, cy - w / 2, color, enabled);
        textRect = upright;
        break;
    }
    }
}

int MultiLineTextWidth(const TCanvas& canvas, const std::string& text) {
    int widest = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = text.size();
        widest = std::max(widest, canvas.TextWidth(text.substr(start, end - start)));
        if (end == text.size())
            break;
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    return text.empty() ? 0 : widest;
}

int GetTextHeight(TCanvas& canvas, const std::string& text) {
    TRect r{0, 0, 0, 0};
    return DrawText3D(canvas, text, r, clBlack, true, itfNoClip | itfCalcRect);
}

int GetWrappedTextHeight(TCanvas& canvas, const std::string& text, int width) {
    // Drawn above the visible area: only the height counts.
    TRect r{0, -800, width, -100};
    return DrawText3D(canvas, text, r, clBlack, true, itfLeft | itfTop | itfWordBreak);
}

void DrawFocusRectangle(TCanvas& canvas, const TRect& rect) {
    canvas.DrawFocusRect(rect);
}

void DrawBevel(TCanvas& canvas, const TRect& rect, int kind) {
    switch (kind) {
    case 0:
        Edge(canvas, rect, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight);
        break;
    case 1:
        Edge(canvas, rect, cl3DLight, cl3DDkShadow, clBtnHighlight, clBtnShadow);
        break;
    case 2:
        canvas.Pen().SetStyle(psSolid);
        canvas.Pen().SetColor(clBtnShadow);
        canvas.Polygon({{rect.Left, rect.Top},
                        {rect.Right - 1, rect.Top},
                        {rect.Right - 1, rect.Bottom - 1},
                        {rect.Left, rect.Bottom - 1}});
        break;
    default:
        break;
    }
}

void GradientFill(TCanvas& canvas, const TRect& rect, TiFillDirection direction, TColor startColor,
                  TColor stopColor) {
    const int w = rect.Right - rect.Left;
    const int h = rect.Bottom - rect.Top;
    const int m = std::max(rect.Right, rect.Bottom);
    int steps = 0, penWidth = 1;
    bool reversed = false;
    switch (direction) {
    case ifdBottomTop:
        reversed = true;
        [[fallthrough]];
    case ifdTopBottom:
        steps = h - 1;
        break;
    case ifdRightLeft:
        reversed = true;
        [[fallthrough]];
    case ifdLeftRight:
        steps = w - 1;
        break;
    case ifdBottomRightTopLeft:
    case ifdTopRightBottomLeft:
        reversed = true;
        [[fallthrough]];
    case ifdTopLeftBottomRight:
    case ifdBottomLeftTopRight:
        steps = 2 * m - 2;
        break;
    case ifdRectangleIn:
        reversed = true;
        [[fallthrough]];
    case ifdRectangleOut:
        steps = (m - 1) / 3;
        penWidth = 2;
        break;
    case ifdCircleIn:
        reversed = true;
        [[fallthrough]];
    case ifdCircleOut:
        steps = (m - 1) / 8;
        penWidth = 16;
        break;
    }
    canvas.Brush().SetStyle(bsClear);
    if (steps < 0)
        return;
    const TColor from = reversed ? stopColor : startColor;
    const TColor to = reversed ? startColor : stopColor;
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(penWidth);
    const double right1 = rect.Right - 1;
    const double bottom1 = rect.Bottom - 1;
    for (int i = 0; i <= steps; ++i) {
        // A single step is drawn in the first colour.
        const double hi = steps == 0 ? 0.0 : double(i) / steps;
        const double lo = steps == 0 ? 1.0 : double(steps - i) / steps;
        canvas.Pen().SetColor(Rgb(Round(hi * Red(to) + lo * Red(from)),
                                  Round(hi * Green(to) + lo * Green(from)),
                                  Round(hi * Blue(to) + lo * Blue(from))));
        switch (direction) {
        case ifdTopBottom:
        case ifdBottomTop:
            Line(canvas, rect.Left, rect.Top + i, rect.Right, rect.Top + i);
            break;
        case ifdLeftRight:
        case ifdRightLeft:
            Line(canvas, rect.Left + i, rect.Top, rect.Left + i, rect.Bottom);
            break;
        case ifdTopLeftBottomRight:
        case ifdBottomRightTopLeft:
            Line(canvas, Round(2 * hi * right1) - 1, 0, -1, Round(2 * hi * bottom1));
            break;
        case ifdBottomLeftTopRight:
        case ifdTopRightBottomLeft:
            Line(canvas, 0, rect.Bottom - 1 - Round(2 * hi * bottom1), Round(2 * hi * right1),
                 rect.Bottom - 1);
            break;
        case ifdRectangleOut:
        case ifdRectangleIn:
        case ifdCircleOut:
        case ifdCircleIn: {
            const double k = (direction == ifdCircleOut || direction == ifdCircleIn) ? hi * 1.414 : hi;
            const int x1 = int(Round((1 - k) * right1 / 2)), y1 = int(Round((1 + k) * bottom1 / 2));
            const int x2 = int(Round((1 + k) * right1 / 2)), y2 = int(Round((1 - k) * bottom1 / 2));
            if (direction == ifdRectangleOut || direction == ifdRectangleIn)
                canvas.Rectangle(x1, y1, x2, y2);
            else
                canvas.Ellipse(x1, y1, x2, y2);
            break;
        }
        }
    }
    if (direction == ifdRectangleOut || direction == ifdRectangleIn)
        canvas.SetPixel(rect.Left + w / 2 - 1, rect.Top + h / 2 - 1,
                        direction == ifdRectangleOut ? startColor : stopColor);
}

} // namespace korvan::plot
