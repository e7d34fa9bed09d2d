#include "controls/plot/core/MarkerShapes.h"

#include "controls/plot/core/PackDrawing.h"
#include "platform/gfx/Canvas.h"
#include "platform/sys/Utf16Text.h"

#include <string>

namespace korvan::plot {

namespace {

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2) {
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
}

} // namespace

void DrawMarkerShape(TCanvas& canvas, TiPlotMarkerStyle style, int r, TPoint point, char16_t character,
                     TColor background) {
    const int x = point.X, y = point.Y;
    switch (style) {
    case ipmsCircle:
        canvas.Ellipse(x - r, y - r, x + r, y + r);
        break;
    case ipmsSquare:
        canvas.Rectangle(x - r, y - r, x + r, y + r);
        break;
    case ipmsDiamond:
        canvas.Polygon({{x + r, y}, {x, y + r}, {x - r, y}, {x, y - r}});
        break;
    case ipmsCross:
        Line(canvas, x + r, y + r, x - r, y - r);
        Line(canvas, x + r, y - r, x - r, y + r);
        break;
    case ipmsPlus:
        Line(canvas, x, y + r, x, y - r);
        Line(canvas, x + r, y, x - r, y);
        break;
    case ipmsTriangleUp:
        canvas.Polygon({{x - r, y + r}, {x, y}, {x + r, y + r}});
        break;
    case ipmsTriangleDown:
        canvas.Polygon({{x - r, y - r}, {x, y}, {x + r, y - r}});
        break;
    case ipmsTriangleLeft:
        canvas.Polygon({{x + r, y - r}, {x, y}, {x + r, y + r}});
        break;
    case ipmsTriangleRight:
        canvas.Polygon({{x - r, y - r}, {x, y}, {x - r, y + r}});
        break;
    case ipmsVerticalLine:
        Line(canvas, x, y - r, x, y + r);
        break;
    case ipmsHorizontalLine:
        Line(canvas, x - r, y, x + r, y);
        break;
    case ipmsCharacter: {
        if (character == 0) {
            break;
        }
        canvas.Brush().SetStyle(bsClear);
        canvas.SetBkColor(background);
        TRect rect{x, y, x, y};
        DrawText3D(canvas, korvan::sys::Utf16ToUtf8(std::u16string(1, character)), rect,
                   canvas.Font().Color(), true, itfCenter | itfVCenter | itfSingleLine | itfNoClip);
        break;
    }
    }
}

} // namespace korvan::plot
