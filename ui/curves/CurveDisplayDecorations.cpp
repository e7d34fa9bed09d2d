// What a display paints over its curves: band markers, the selected band's
// caption and shaded area, per-marker captions, the free text and the line.
// Each is remembered when set, drawn at once (left to the next paint while
// the display cannot be seen), and painted again by every page update so
// that it survives the redraws of the curves.

#include "ui/curves/CurveDisplay.h"

#include "platform/gfx/Gdiplus.h"
#include "platform/text/Format.h"
#include "ui/curves/PixelMath.h"

#include <algorithm>

namespace korvan::curves {

namespace {

constexpr int CaptionFontSize = 8;
constexpr int NumberFontSize = 11;
constexpr int CaptionLeft = -20;
// The shaded area: translucent grey for both outline and fill.
const Gdiplus::Color FillColor(30, 128, 128, 128);

bool InRange(int n) {
    return n >= 0 && n < MarkerCount;
}

std::string CaptionText(CaptionLine line, double gain, float frequency, double q) {
    switch (line) {
    case CaptionQ:
        return korvan::text::Printf("Q:%4.2f", {q});
    case CaptionFrequency:
        if (frequency < 1000.0f) {
            return korvan::text::Printf("%4.1fHz", {frequency});
        }
        return korvan::text::Printf("%4.2fKHz", {static_cast<double>(frequency) / 1000.0});
    case CaptionGain:
        return korvan::text::Printf("%4.1fdB", {gain});
    }
    return {};
}

} // namespace

const MarkerSlot& CurveDisplay::Block(int n) const {
    static const MarkerSlot none{};
    return InRange(n) ? blocks_[static_cast<std::size_t>(n)] : none;
}

void CurveDisplay::DrawMarker(int n, int kind, int penWidth) {
    if (!CanDraw()) {
        return;
    }
    const MarkerSlot& slot = blocks_[static_cast<std::size_t>(n)];
    TCanvas& canvas = CurvePage().Canvas();
    const int sx = TruncPixel(ScreenX(slot.X));
    const int sy = TruncPixel(ScreenY(slot.Y));
    canvas.Pen().SetColor(slot.Color);
    canvas.Pen().SetWidth(penWidth);
    // The hatch takes whatever colour the page brush has (the background
    // colour after a clear).
    canvas.Brush().SetStyle(bsCross);
    // Everything a marker draws lies within this box around its point; a
    // marker entirely off the page (every slot never set, with the
    // editor's scale) changes the tools as usual but draws nothing.
    const TRect extent{sx - 12, sy - 40, sx + 60, sy + 12};
    const bool onPage =
        extent.Right > 0 && extent.Left < GetPlotWidth() && extent.Bottom > 0 && extent.Top < GetPlotHeight();
    if (onPage) {
        if (kind == 1) {
            canvas.Ellipse(sx - 3, sy - 3, sx + 3, sy + 3);
        } else {
            canvas.Rectangle(sx - 3, sy - 3, sx + 3, sy + 3);
        }
    }
    canvas.Font().SetColor(clWhite);
    if (kind == 2 || kind == 3) {
        canvas.Font().SetSize(CaptionFontSize);
        if (onPage) {
            canvas.TextOut(sx - 8, sy - 20, kind == 2 ? "LPF" : "HPF");
        }
        canvas.Font().SetSize(text_.Size);
    } else {
        canvas.Font().SetSize(NumberFontSize);
        if (onPage) {
            canvas.TextOut(sx - 3, sy - 23, std::to_string(n + 1));
        }
    }
}

void CurveDisplay::DrawBlock(double y, double x, TColor color, int n, bool hidden, int kind) {
    if (!InRange(n)) {
        return;
    }
    MarkerSlot& slot = blocks_[static_cast<std::size_t>(n)];
    slot.X = x;
    slot.Y = y;
    slot.Color = color;
    SetBlockPosition(ScreenX(x), ScreenY(y), n);
    DrawMarker(n, kind, 1);
    slot.Kind = kind;
    slot.Hidden = hidden;
}

void CurveDisplay::SetBlockParameter(int n, double frequency, double gain, double q, double type) {
    if (!InRange(n)) {
        return;
    }
    MarkerSlot& slot = blocks_[static_cast<std::size_t>(n)];
    slot.Frequency = frequency;
    slot.Gain = gain;
    slot.Q = q;
    slot.Type = type;
}

void CurveDisplay::SetBlockPosition(double screenX, double screenY, int n) {
    if (!InRange(n)) {
        return;
    }
    MarkerSlot& slot = blocks_[static_cast<std::size_t>(n)];
    slot.ScreenX = screenX;
    slot.ScreenY = screenY;
    slot.Pixel = {TruncPixel(screenX), TruncPixel(screenY)};
}

TPoint CurveDisplay::GetBlockPos(int n) const {
    return Block(n).Pixel;
}

void CurveDisplay::BlockPaint() {
    TCanvas& canvas = CurvePage().Canvas();
    for (int n = 0; n < MarkerCount; ++n) {
        const MarkerSlot& slot = blocks_[static_cast<std::size_t>(n)];
        if (slot.Hidden) {
            continue;
        }
        DrawMarker(n, slot.Kind, 5);
        canvas.Pen().SetWidth(1);
        const bool selected = slot.X == caption_.X && slot.Y == caption_.Gain;
        if (slot.Kind == 1 && parameterDisplay_ && !selected) {
            ShowParam(MarkerCaptionType(slot.Type), slot.Gain, slot.X, static_cast<float>(slot.Frequency),
                      slot.Q, clWhite);
        }
    }
}

void CurveDisplay::DrawCaption(const std::vector<CaptionLine>& lines, double y, double x, float frequency,
                               double q, TColor color) {
    if (!CanDraw()) {
        return;
    }
    TCanvas& canvas = CurvePage().Canvas();
    canvas.Pen().SetColor(color);
    canvas.Pen().SetWidth(1);
    canvas.Font().SetColor(color);
    canvas.Font().SetSize(CaptionFontSize);
    const int sx = TruncPixel(ScreenX(x));
    const int sy = TruncPixel(ScreenY(y));
    for (const CaptionRow& row : CaptionRows(lines, y <= 0.0)) {
        canvas.TextOut(sx + CaptionLeft, sy + row.Top, CaptionText(row.Line, y, frequency, q));
    }
    canvas.Font().SetSize(text_.Size);
}

void CurveDisplay::ShowParam(int type, double y, double x, float frequency, double q, TColor color) {
    DrawCaption(ShowParamLines(type), y, x, frequency, q, color);
}

void CurveDisplay::DrawParam(int type, double gain, double x, float frequency, double q, TColor color) {
    caption_ = {type, gain, x, frequency, q, color};
    ShowParam(type, gain, x, frequency, q, color);
}

void CurveDisplay::DrawCurveFill(int type, const double* values, int count) {
    (void)type; // the closing lines follow the remembered caption's type
    const int n = values == nullptr ? 0 : std::clamp(count, 0, CurvePointCount);
    std::copy(values, values + n, fillCurve_.begin());
    DrawFill(values, n);
}

void CurveDisplay::CuveDisplayPaint() {
    if (!curveDisplay_) {
        return;
    }
    DrawCaption(CurvePaintLines(caption_.Type), caption_.Gain, caption_.X, caption_.Frequency, caption_.Q,
                caption_.Color);
    DrawFill(fillCurve_.data(), CurvePointCount);
}

void CurveDisplay::DrawFill(const double* values, int count) {
    if (!CanDraw()) {
        return;
    }
    TPaintPage& page = CurvePage();
    const int w = GetPlotWidth();
    const int h = GetPlotHeight();
    if (count < 1 || page.Bitmap().Empty()) {
        return;
    }
    // Every value k at x = k on the linear scale, whatever the formats.
    const double xMin = scales_.XMin;
    const double xSpan = scales_.XMax - scales_.XMin;
    const double yMin = scales_.YMin;
    const double ySpan = scales_.YMax - scales_.YMin;
    ShadedAreaShape& shape = fillShape_;
    shape.Points.resize(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        shape.Points[static_cast<std::size_t>(k)] = {TruncPixel(w * (k - xMin) / xSpan),
                                                     TruncPixel(h - h * (values[k] - yMin) / ySpan)};
    }
    const auto x10 = static_cast<float>(ScreenX(10.0));
    const auto x20k = static_cast<float>(ScreenX(20000.0));
    const auto y0 = static_cast<float>(ScreenY(0.0));
    const auto yTop = static_cast<float>(ScreenY(scales_.YMax));
    const auto yBottom = static_cast<float>(ScreenY(scales_.YMin));
    const float yGain = caption_.Gain >= 0.0 ? yTop : yBottom;
    shape.Lines.clear();
    switch (caption_.Type) {
    case 0: // peak: back along the 0 dB line
        shape.Lines.push_back({x10, y0, x20k, y0});
        break;
    case 1: // low shelf
        shape.Lines.push_back({x20k, y0, x10, y0});
        shape.Lines.push_back({x10, y0, x10, yGain});
        break;
    case 2: // high shelf
        shape.Lines.push_back({x20k, yGain, x20k, y0});
        shape.Lines.push_back({x20k, y0, x10, y0});
        break;
    default:
        if (caption_.Type >= 3) { // pass and all-pass types: down to the bottom
            shape.Lines.push_back({x20k, y0, x20k, yBottom});
            shape.Lines.push_back({x20k, yBottom, x10, yBottom});
        }
        break;
    }
    shadedArea_.Paint(page.Canvas(), shape, FillColor);
}

void CurveDisplay::DrawTextA(int x, int y, int size, TColor color, const std::string& fontName,
                             const std::string& text) {
    text_ = {x, y, size, fontName, color, text};
    if (!CanDraw()) {
        return;
    }
    TCanvas& canvas = CurvePage().Canvas();
    canvas.Font().SetName(fontName);
    canvas.Font().SetSize(size);
    canvas.SetBkMode(TRANSPARENT);
    canvas.TextOut(x, y, text);
}

void CurveDisplay::TextPaint() {
    TCanvas& canvas = CurvePage().Canvas();
    canvas.Font().SetSize(text_.Size);
    canvas.Font().SetColor(text_.Color);
    canvas.Font().SetName(text_.FontName);
    canvas.SetBkMode(TRANSPARENT);
    if (!text_.Text.empty()) {
        canvas.TextOut(text_.X, text_.Y, text_.Text);
    }
}

void CurveDisplay::DrawMarkLine(TPenStyle style) {
    if (!CanDraw()) {
        return;
    }
    TCanvas& canvas = CurvePage().Canvas();
    const int sx = TruncPixel(ScreenX(line_.X));
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(clRed);
    canvas.Pen().SetStyle(style);
    canvas.MoveTo(sx, 0);
    canvas.LineTo(sx, Height() - 10);
    canvas.Pen().SetStyle(psSolid);
    if (line_.Mark) {
        const int sy = TruncPixel(ScreenY(-3.0)); // the -3 dB point
        canvas.Pen().SetColor(clYellow);
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(clYellow);
        canvas.Rectangle(sx - 4, sy - 4, sx + 4, sy + 4);
    }
}

void CurveDisplay::DrawLine(double x, TColor color, bool mark) {
    line_.X = x;
    line_.Color = color;
    line_.Mark = mark;
    line_.Visible = true;
    DrawMarkLine(psDash);
    line_.ScreenX = TruncPixel(ScreenX(x));
}

void CurveDisplay::LinePaint() {
    DrawMarkLine(psDot);
}

} // namespace korvan::curves
