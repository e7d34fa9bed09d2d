#include "controls/gdip/TrackBarDrawing.h"

#include "platform/text/Rounding.h"

#include <algorithm>
#include <cmath>

namespace korvan::gdip {

namespace {

int Channel(TColor c, int shift) {
    return int((ColorToRGB(c) >> shift) & 0xFF);
}

void Band(TCanvas& canvas, TColor c, const TRect& r) {
    canvas.Pen().SetColor(c);
    canvas.Pen().SetStyle(psSolid);
    canvas.Brush().SetColor(c);
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(r);
}

} // namespace

void FillStepGradient(TCanvas& canvas, TColor from, TColor to, bool horizontal, TRect r, int steps) {
    if (steps <= 0)
        steps = 1;
    if (horizontal)
        --r.Right;
    else
        --r.Bottom;
    const int extent = horizontal ? r.Width() : r.Height();
    const double d = double(extent) / steps;
    const int fr = Channel(from, 0), fg = Channel(from, 8), fb = Channel(from, 16);
    const int dr = Channel(to, 0) - fr, dg = Channel(to, 8) - fg, db = Channel(to, 16) - fb;
    const auto startOf = [d](int n) { return int(::Round(n * d)); };
    const int len = int(::Round(d)) + 1;
    for (int n = 0; n < steps; ++n) {
        // Later bands cover earlier ones: paint only what stays visible.
        const int start = startOf(n);
        const int end = n + 1 < steps ? std::min(start + len, startOf(n + 1)) : start + len;
        if (end <= start)
            continue;
        const auto part = [&](int delta) { return int(::Round(double(n) * delta / steps)); };
        const TColor c = RGB(fr + part(dr), fg + part(dg), fb + part(db));
        if (horizontal)
            Band(canvas, c, Rect(r.Left + start, r.Top, r.Left + end, r.Bottom));
        else
            Band(canvas, c, Rect(r.Left, r.Top + start, r.Right, r.Top + end));
    }
}

void FillDirectedGradient(TCanvas& canvas, TColor from, TColor to, TGradientDirection direction,
                          const TRect& r, int steps) {
    switch (direction) {
    case gdHorizontal:
        FillStepGradient(canvas, from, to, true, r, steps);
        break;
    case gdVertical:
        FillStepGradient(canvas, from, to, false, r, steps);
        break;
    case gdHorizontalInOut: {
        const int mid = r.Left + r.Width() / 2;
        FillStepGradient(canvas, from, to, true, Rect(r.Left, r.Top, mid + 1, r.Bottom), steps);
        FillStepGradient(canvas, to, from, true, Rect(mid, r.Top, r.Right, r.Bottom), steps);
        break;
    }
    case gdVerticalInOut: {
        const int mid = r.Top + r.Height() / 2;
        FillStepGradient(canvas, from, to, false, Rect(r.Left, r.Top, r.Right, mid + 1), steps);
        FillStepGradient(canvas, to, from, false, Rect(r.Left, mid, r.Right, r.Bottom), steps);
        break;
    }
    }
}

TSize MeasureText(TCanvas& canvas, const TFont& font, const std::string& text) {
    TFont saved;
    saved.Assign(canvas.Font());
    canvas.Font().Assign(font);
    const TSize size = canvas.TextExtent(text);
    canvas.Font().Assign(saved);
    return size;
}

TSize TextSize(const TFont& font, const std::string& text) {
    static TCanvas measuring;
    return MeasureText(measuring, font, text);
}

TColor MixColors(TColor a, TColor b, int percentA) {
    if (percentA >= 100)
        return a;
    if (percentA <= 0)
        return b;
    const double p = percentA / 100.0;
    const auto mix = [&](int shift) {
        return int(::Round(p * Channel(a, shift) + (1 - p) * Channel(b, shift)));
    };
    return RGB(mix(0), mix(8), mix(16));
}

void DrawTwoToneFrame(TCanvas& canvas, const TRect& r, bool lightFirst, TColor dark, TColor light) {
    const TColor first = lightFirst ? light : dark;
    const TColor second = lightFirst ? dark : light;
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(first);
    if (r.Height() > 2) {
        canvas.MoveTo(r.Left, r.Bottom - 1);
        canvas.LineTo(r.Left, r.Top);
    } else {
        canvas.MoveTo(r.Left, r.Top);
    }
    canvas.LineTo(r.Right - 1, r.Top);
    canvas.MoveTo(r.Right - 2, r.Top);
    canvas.LineTo(r.Right - 2, r.Bottom - 2);
    canvas.LineTo(r.Left - 1, r.Bottom - 2);
    canvas.Pen().SetColor(second);
    canvas.MoveTo(r.Left + 1, r.Bottom - 1);
    canvas.LineTo(r.Right - 1, r.Bottom - 1);
    canvas.LineTo(r.Right - 1, r.Top - 1);
    canvas.MoveTo(r.Left + 1, r.Bottom - 1);
    canvas.LineTo(r.Left + 1, r.Top + 1);
    canvas.LineTo(r.Right - 2, r.Top + 1);
}

void DrawFocusFrame(TCanvas& canvas, const TRect& r, TColor color) {
    canvas.Pen().SetColor(color);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetStyle(psAlternate);
    canvas.Brush().SetStyle(bsClear);
    canvas.MoveTo(r.Left, r.Top);
    canvas.LineTo(r.Right, r.Top);
    canvas.LineTo(r.Right, r.Bottom);
    canvas.LineTo(r.Left, r.Bottom);
    canvas.LineTo(r.Left, r.Top);
    canvas.Pen().SetStyle(psSolid);
}

void DrawPictureAt(TCanvas& canvas, TGDIPPicture& picture, int x, int y) {
    if (picture.Empty())
        return;
    if (picture.Width() <= 0 || picture.Height() <= 0)
        picture.GetImageSizes();
    if (picture.Width() > 0 && picture.Height() > 0)
        picture.Draw(canvas, Bounds(x, y, picture.Width(), picture.Height()));
}

void DrawPictureStretched(TCanvas& canvas, TGDIPPicture& picture, const TRect& r) {
    if (!picture.Empty() && !r.IsEmpty())
        picture.Draw(canvas, r);
}

} // namespace korvan::gdip
