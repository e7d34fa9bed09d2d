// The toolbar's glyphs, drawn on a 24-unit design grid and scaled to the
// glyph size, on teal, the colour the image list leaves transparent.

#include "controls/plot/objects/PlotToolBar.h"

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

#include <functional>
#include <map>
#include <string_view>

namespace {

constexpr TColor Ink = clBlack;
constexpr TColor Paper = clWhite;
constexpr TColor Go = TColor(0x00A000);
constexpr TColor Stop = TColor(0x0000C0);
constexpr TColor Glass = TColor(0xC08000);

// Drawing in design units: 24 units span the glyph.
class Pen {
public:
    Pen(TCanvas& canvas, int size) : canvas_(canvas), size_(size) {}
    TPoint P(int x, int y) const { return {x * size_ / 24, y * size_ / 24}; }
    int U(int v) const { return v * size_ / 24; }
    void Colors(TColor pen, TColor brush) {
        canvas_.Pen().SetStyle(psSolid);
        canvas_.Pen().SetWidth(1);
        canvas_.Pen().SetColor(pen);
        canvas_.Brush().SetStyle(bsSolid);
        canvas_.Brush().SetColor(brush);
    }
    void Shape(std::initializer_list<TPoint> units, TColor fill) {
        Colors(Ink, fill);
        std::vector<TPoint> points;
        for (const TPoint& u : units)
            points.push_back(P(u.X, u.Y));
        canvas_.Polygon(points);
    }
    void Box(int l, int t, int r, int b, TColor fill) {
        Colors(Ink, fill);
        canvas_.Rectangle(U(l), U(t), U(r), U(b));
    }
    void Line(int x1, int y1, int x2, int y2, TColor color = Ink, int width = 1) {
        canvas_.Pen().SetColor(color);
        canvas_.Pen().SetWidth(std::max(1, U(width)));
        canvas_.Polyline({P(x1, y1), P(x2, y2)});
        canvas_.Pen().SetWidth(1);
    }
    void Ring(int l, int t, int r, int b, TColor fill) {
        Colors(Ink, fill);
        canvas_.Ellipse(U(l), U(t), U(r), U(b));
    }
    // A magnifying glass with an optional sign in its lens.
    void Magnifier(int sign) {
        Line(14, 14, 21, 21, Ink, 3);
        Ring(3, 3, 16, 16, Glass);
        if (sign != 0)
            Line(6, 9, 13, 9, Paper, 2);
        if (sign > 0)
            Line(9, 6, 9, 13, Paper, 2);
    }
    // A sheet of paper with a turned corner.
    void Sheet(int l, int t, int r, int b) {
        Shape({{l, t}, {r - 4, t}, {r, t + 4}, {r, b}, {l, b}}, Paper);
        for (int y = t + 5; y < b - 2; y += 3)
            Line(l + 2, y, r - 2, y, TColor(0x808080));
    }

private:
    TCanvas& canvas_;
    int size_;
};

using Painter = std::function<void(Pen&)>;

const std::map<std::string_view, Painter>& Painters() {
    static const std::map<std::string_view, Painter> painters{
        {"AUTO",
         [](Pen& p) {
             p.Shape({{7, 4}, {19, 12}, {7, 20}}, Go);
         }},
        {"PAUSE",
         [](Pen& p) {
             p.Box(6, 5, 10, 19, Stop);
             p.Box(14, 5, 18, 19, Stop);
         }},
        {"SCROLL",
         [](Pen& p) {
             p.Shape({{2, 12},
                      {7, 7},
                      {7, 10},
                      {17, 10},
                      {17, 7},
                      {22, 12},
                      {17, 17},
                      {17, 14},
                      {7, 14},
                      {7, 17}},
                     Go);
         }},
        {"ZOOM",
         [](Pen& p) {
             p.Shape({{2, 12}, {7, 7}, {7, 17}}, Glass);
             p.Shape({{22, 12}, {17, 7}, {17, 17}}, Glass);
             p.Line(9, 12, 16, 12, Ink, 2);
         }},
        {"ZOOMOUT", [](Pen& p) { p.Magnifier(-1); }},
        {"ZOOMIN", [](Pen& p) { p.Magnifier(1); }},
        {"SELECT",
         [](Pen& p) {
             p.Shape({{6, 3}, {6, 19}, {10, 15}, {13, 21}, {16, 20}, {13, 14}, {18, 14}}, Paper);
         }},
        {"SCROLLBOX",
         [](Pen& p) {
             p.Box(3, 5, 21, 19, Paper);
             p.Box(7, 9, 17, 15, Glass);
         }},
        {"CURSOR",
         [](Pen& p) {
             p.Line(12, 2, 12, 22, Stop, 2);
             p.Line(2, 12, 22, 12, Stop, 2);
             p.Ring(8, 8, 16, 16, Paper);
         }},
        {"PROPERTIES",
         [](Pen& p) {
             p.Sheet(4, 2, 18, 21);
             p.Line(12, 20, 21, 8, Stop, 2);
         }},
        {"COPY",
         [](Pen& p) {
             p.Sheet(3, 2, 14, 16);
             p.Sheet(9, 8, 21, 22);
         }},
        {"SAVE",
         [](Pen& p) {
             p.Box(3, 3, 21, 21, Glass);
             p.Box(7, 3, 17, 10, Paper);
             p.Box(7, 14, 17, 21, TColor(0xC0C0C0));
         }},
        {"PRINTER",
         [](Pen& p) {
             p.Sheet(7, 2, 17, 10);
             p.Box(3, 10, 21, 18, TColor(0xC0C0C0));
             p.Box(7, 15, 17, 22, Paper);
         }},
        {"PREVIEW",
         [](Pen& p) {
             p.Sheet(3, 2, 17, 21);
             p.Ring(10, 9, 19, 18, Glass);
             p.Line(18, 17, 22, 21, Ink, 2);
         }},
    };
    return painters;
}

} // namespace

namespace korvan::plot {

TBitmap ToolBarGlyph(const std::string& name, int size) {
    TBitmap glyph(size, size);
    TCanvas& canvas = glyph.Canvas();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clTeal);
    canvas.FillRect(TRect{0, 0, size, size});
    std::string_view key = name;
    if (key.starts_with("SMALL"))
        key.remove_prefix(5);
    const auto& painters = Painters();
    if (const auto found = painters.find(key); found != painters.end()) {
        Pen pen(canvas, size);
        found->second(pen);
    }
    return glyph;
}

} // namespace korvan::plot
