#include "controls/panels/GradientPainting.h"

#include "controls/panels/ColorShading.h"

#include <cmath>
#include <cstdlib>

namespace {

// A colour ramp in 16.16 fixed point per channel. A ramp of zero steps
// stays on its first colour.
struct Ramp {
    int r, g, b, dr, dg, db;
    Ramp(TColor from, TColor to, int steps) {
        const TColor a = ColorToRGB(from), z = ColorToRGB(to);
        r = GetRValue(a) << 16;
        g = GetGValue(a) << 16;
        b = GetBValue(a) << 16;
        dr = steps ? ((GetRValue(z) - GetRValue(a)) << 16) / steps : 0;
        dg = steps ? ((GetGValue(z) - GetGValue(a)) << 16) / steps : 0;
        db = steps ? ((GetBValue(z) - GetBValue(a)) << 16) / steps : 0;
    }
    TColor Colour() const { return RGB(r >> 16, g >> 16, b >> 16); }
    void Step() {
        r += dr;
        g += dg;
        b += db;
    }
};

// The banding rule: how many pixels a band takes at least beyond its first.
int BandExtra(int steps, bool box) {
    int k = steps <= 8 ? steps : (box ? 256 : 255) / steps + 1;
    return std::max(k - 1, 0);
}

void Fill(TCanvas& c, TColor colour, const TRect& r) {
    c.Brush().SetColor(colour);
    c.Brush().SetStyle(bsSolid);
    c.FillRect(r);
}

} // namespace

void FillLinearGradient(TCanvas& dc, int xCentre, int yCentre, int steps, TColor firstColor,
                        TColor secondColor, int length) {
    const bool alongX = xCentre != 0;
    const int centre = alongX ? xCentre : yCentre;
    const int extra = BandExtra(steps, false);
    // Pixel p - 1 is position p; a band [lo, hi) of positions is one rectangle.
    auto paint = [&](int lo, int hi, TColor colour) {
        Fill(dc, colour, alongX ? TRect{lo - 1, 0, hi - 1, 8} : TRect{0, lo - 1, 8, hi - 1});
    };
    auto pass = [&](int from, int downTo, TColor a, TColor z) {
        const int n = from - downTo + 1;
        if (n <= 0)
            return;
        Ramp ramp(a, z, n + 1);
        int bandTop = from + 1; // exclusive upper end of the current band
        TColor bandColour = ramp.Colour();
        int taken = 0;
        for (int p = from; p >= downTo; --p) {
            const TColor colour = ramp.Colour();
            if (colour != bandColour && taken > extra) {
                paint(p + 1, bandTop, bandColour);
                bandTop = p + 1;
                bandColour = colour;
                taken = 0;
            }
            ++taken;
            ramp.Step();
        }
        paint(downTo, bandTop, bandColour);
    };
    if (centre < 0) {
        pass(length, 1, firstColor, secondColor);
        return;
    }
    pass(centre + 1, 1, firstColor, secondColor);
    pass(length, centre + 2, secondColor, firstColor);
}

void FillBoxGradient(TCanvas& dc, int width, int height, int steps, TColor centreColor, TColor edgeColor,
                     int yInset, int xInset) {
    if (ColorToRGB(centreColor) == ColorToRGB(edgeColor) || width < 5 || height <= 4) {
        Fill(dc, edgeColor, {0, 0, width + 1, height + 1});
        return;
    }
    const int hw = (width - 1) / 2, hh = (height - 1) / 2;
    const int x = hw - xInset, y = hh - yInset;
    const int n = std::max(x, y) + 1;
    const int extra = BandExtra(steps, true);
    // The flat centre (a bar when an inset is set).
    Fill(dc, centreColor, {x, y, hw + 1, hh + 1});
    Ramp ramp(centreColor, edgeColor, n);
    long long fx = static_cast<long long>(x) << 16, fy = static_cast<long long>(y) << 16;
    const long long sx = (static_cast<long long>(x) << 16) / n, sy = (static_cast<long long>(y) << 16) / n;
    int prevX = x, prevY = y;
    TColor bandColour = ramp.Colour();
    int taken = 0;
    for (int i = 1; i <= n + 1; ++i) {
        fx -= sx;
        fy -= sy;
        if (i <= n)
            ramp.Step();
        int nx = static_cast<int>(fx >> 16), ny = static_cast<int>(fy >> 16);
        if (i == n + 1) {
            nx = std::min(nx, -1);
            ny = std::min(ny, -1);
        }
        const TColor colour = ramp.Colour();
        ++taken;
        if (colour == bandColour && taken <= extra && i <= n)
            continue;
        if (nx != prevX || ny != prevY) {
            // The L-shaped strip of the upper-left quarter.
            Fill(dc, colour, {nx, ny, hw + 1, prevY});
            Fill(dc, colour, {nx, prevY, prevX, hh + 1});
        }
        prevX = nx;
        prevY = ny;
        bandColour = colour;
        taken = 0;
    }
}

void FillDiagonalGradient(TCanvas& dc, int signedWidth, int height, int steps, TColor stopColor,
                          TColor startColor) {
    const int w = std::abs(signedWidth);
    if (w == 0 || height == 0)
        return;
    const int l = static_cast<int>(std::sqrt(double(w) * w + double(height) * height)) + 1;
    const int half = std::max(l / 2, 1);
    const int extra = BandExtra(steps, false);
    // Colour lines are parallel to the other diagonal: sweep position s runs
    // 0..2 from the starting corner, in steps of 1 / half.
    const TColor first = signedWidth > 0 ? startColor : stopColor;
    const TColor last = signedWidth > 0 ? stopColor : startColor;
    std::vector<TColor> colours;
    Ramp ramp(first, last, l);
    TColor band = ramp.Colour();
    int taken = 0;
    for (int i = 0; i <= 2 * half + 1; ++i) {
        const TColor c = ramp.Colour();
        if (c != band && taken > extra) {
            band = c;
            taken = 0;
        }
        colours.push_back(band);
        ++taken;
        ramp.Step();
    }
    for (int py = 0; py < height; ++py)
        for (int px = 0; px < w; ++px) {
            const double fx = signedWidth > 0 ? (px + 0.5) / w : (w - px - 0.5) / w;
            const double fy = (height - py - 0.5) / height;
            const int i =
                std::clamp(static_cast<int>((fx + fy) * half), 0, static_cast<int>(colours.size()) - 1);
            dc.SetPixel(px, py, colours[static_cast<std::size_t>(i)]);
        }
}

void ReplicateStripe(TCanvas& dc, int x, int y, std::uint32_t rop, int filledHeight, int filledWidth,
                     int height, int width) {
    int h = std::max(filledHeight, 1);
    while (h < height) {
        const int copy = std::min(h, height - h);
        dc.BitBlt(x, y + h, filledWidth, copy, &dc, x, y, rop);
        h += copy;
    }
    int w = std::max(filledWidth, 1);
    while (w < width) {
        const int copy = std::min(w, width - w);
        dc.BitBlt(x + w, y, copy, height, &dc, x, y, rop);
        w += copy;
    }
}

void MirrorQuadrant(TCanvas& dc, int x, int y, std::uint32_t rop, int height, int width) {
    const int hw = width / 2, hh = height / 2;
    dc.StretchBlt(x, y + height - 1, hw + 1, -hh, &dc, x, y, hw, hh, rop);
    const int b = (hw % 2 == 1) ? 1 : 0;
    dc.StretchBlt(x + width - 1, y, -(hw + b), height, &dc, x, y, hw - b, height, rop);
}

void PaintGradientBitmap(TCanvas& canvas, const TRect& r, TGradientDirection direction, TColor startColor,
                         TColor stopColor, int steps) {
    const int w = std::abs(r.Right - r.Left), h = std::abs(r.Bottom - r.Top);
    if (w == 0 || h == 0)
        return;
    TBitmap bmp(w, h);
    TCanvas& dc = bmp.Canvas();
    dc.Pen().SetWidth(1);
    dc.Pen().SetStyle(psClear);
    dc.Pen().SetMode(pmCopy);
    dc.Brush().SetStyle(bsSolid);
    switch (direction) {
    case gdDiagonalUp:
    case gdDiagonalDown:
        if (ColorToRGB(startColor) == ColorToRGB(stopColor))
            Fill(dc, startColor, {0, 0, w, h});
        else
            FillDiagonalGradient(dc, direction == gdDiagonalUp ? w : -w, h, steps, stopColor, startColor);
        break;
    case gdHorizontalCenter:
        FillLinearGradient(dc, 0, h / 2, steps, stopColor, startColor, h);
        ReplicateStripe(dc, 0, 0, SRCCOPY, h, 8, h, w);
        break;
    case gdVerticalCenter:
        FillLinearGradient(dc, std::max(w / 2, 1), 0, steps, stopColor, startColor, w);
        ReplicateStripe(dc, 0, 0, SRCCOPY, 8, w, h, w);
        break;
    case gdHorizontalBox:
        Fill(dc, startColor, {0, 0, w, h});
        FillBoxGradient(dc, w, h, steps, stopColor, startColor, 0, w / 4);
        MirrorQuadrant(dc, 0, 0, SRCCOPY, h, w);
        break;
    case gdVerticalBox:
        FillBoxGradient(dc, w, h, steps, stopColor, startColor, h / 4, 0);
        MirrorQuadrant(dc, 0, 0, SRCCOPY, h, w);
        break;
    case gdSquareBox:
        Fill(dc, startColor, {0, 0, w, h});
        FillBoxGradient(dc, w, h, steps, stopColor, startColor, 0, 0);
        MirrorQuadrant(dc, 0, 0, SRCCOPY, h, w);
        break;
    case gdBigSquareBox:
        FillBoxGradient(dc, w, h, steps, stopColor, startColor, h / 4, w / 4);
        MirrorQuadrant(dc, 0, 0, SRCCOPY, h, w);
        break;
    case gdHorizontalEnd:
    case gdVerticalEnd:
        dc.GradientFillRect({0, 0, w, h}, startColor, stopColor, direction == gdVerticalEnd);
        break;
    }
    canvas.Draw(std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), bmp);
}

void FillGradientRect(TCanvas& canvas, const TRect& r, TGradientDirection direction, TColor startColor,
                      TColor stopColor, int steps) {
    if (direction == gdHorizontalEnd)
        canvas.GradientFillRect(r, startColor, stopColor, false);
    else if (direction == gdVerticalEnd)
        canvas.GradientFillRect(r, startColor, stopColor, true);
    else
        PaintGradientBitmap(canvas, r, direction, startColor, stopColor, steps);
}

void PaintGradientBorder(TCanvas& canvas, const TRect& r, TGradientDirection direction, TColor startColor,
                         TColor stopColor) {
    if (!FullColorDisplay)
        return;
    canvas.ExcludeClipRect(r.Inflate(-2, -2));
    FillGradientRect(canvas, r, direction, startColor, stopColor, 1);
    canvas.SelectClipRegion(std::nullopt);
}

namespace {

// T: the source part stretched to w x h; M: white where T has the
// transparent colour.
void MakeImageAndMask(TBitmap& bitmap, int w, int h, TColor transparentColor, const TRect& source, TBitmap& t,
                      TBitmap& m) {
    t.SetSize(w, h);
    t.Canvas().StretchBlt(0, 0, w, h, &bitmap.Canvas(), source.Left, source.Top, source.Width(),
                          source.Height(), SRCCOPY);
    m.SetMonochrome(true);
    m.SetSize(w, h);
    t.Canvas().Brush().SetColor(transparentColor);
    m.Canvas().BitBlt(0, 0, w, h, &t.Canvas(), 0, 0, SRCCOPY);
}

} // namespace

void DrawTransparentBitmapRect(TCanvas& canvas, TBitmap& bitmap, const TRect& dest, TColor transparentColor,
                               const TRect& source) {
    const int w = dest.Width(), h = dest.Height();
    if (w <= 0 || h <= 0 || bitmap.Empty())
        return;
    TBitmap t, m;
    MakeImageAndMask(bitmap, w, h, transparentColor, source, t, m);
    if (ColorToRGB(transparentColor) != clBlack) {
        // Transparent pixels of T become black: T AND (mask as black/white).
        t.Canvas().Brush().SetColor(clBlack);
        t.Canvas().Font().SetColor(clWhite);
        t.Canvas().BitBlt(0, 0, w, h, &m.Canvas(), 0, 0, SRCAND);
    }
    const int saved = canvas.SaveDC();
    canvas.Font().SetColor(clBlack);
    canvas.SetBkColor(clWhite);
    canvas.SetCopyMode(cmSrcAnd);
    canvas.CopyRect(dest, m.Canvas(), {0, 0, w, h});
    canvas.SetCopyMode(cmSrcPaint);
    canvas.CopyRect(dest, t.Canvas(), {0, 0, w, h});
    canvas.RestoreDC(saved);
}

void DrawTransparentBitmapStretched(TCanvas& canvas, TBitmap& bitmap, const TRect& dest,
                                    TColor transparentColor, const TRect& source) {
    const int w = dest.Width(), h = dest.Height();
    if (w <= 0 || h <= 0 || bitmap.Empty())
        return;
    TBitmap t, m;
    MakeImageAndMask(bitmap, w, h, transparentColor, source, t, m);
    canvas.MaskedStretchBlt(dest.Left, dest.Top, w, h, t.Canvas(), 0, 0, w, h, m.Canvas(), 0, 0);
}

void DrawTransparentBitmap(TCanvas& canvas, TBitmap& bitmap, const TRect& dest, TColor transparentColor) {
    DrawTransparentBitmapRect(canvas, bitmap, dest, transparentColor,
                              {0, 0, bitmap.Width(), bitmap.Height()});
}

void TileTransparentBitmap(TCanvas& canvas, TBitmap& bitmap, const TRect& dest, TColor transparentColor) {
    const int bw = bitmap.Width(), bh = bitmap.Height();
    if (bw <= 0 || bh <= 0)
        return;
    for (int y = dest.Top; y < dest.Bottom; y += bh)
        for (int x = dest.Left; x < dest.Right; x += bw) {
            const int tw = std::min(bw, dest.Right - x), th = std::min(bh, dest.Bottom - y);
            DrawTransparentBitmapRect(canvas, bitmap, {x, y, x + tw, y + th}, transparentColor,
                                      {0, 0, tw, th});
        }
}
