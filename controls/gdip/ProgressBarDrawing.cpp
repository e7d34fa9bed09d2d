// The progress bar's drawing routine: outline, level zones, the filled
// part (stacked, smooth or blocks), the travelling piece of infinite mode
// and the text.

#include "controls/gdip/AdvProgressBar.h"
#include "platform/text/Exception.h"
#include "platform/text/Format.h"
#include "platform/text/Rounding.h"

#include <algorithm>

namespace korvan::gdip {

namespace {

constexpr TColor kMagenta = 0xFF00FF;

int R(double v) {
    return static_cast<int>(Round(v));
}

class GaugePainter {
public:
    GaugePainter(TCanvas& canvas, const TRect& r, const TGaugeSettings& s)
        : c_(canvas), r_(r), s_(s), horizontal_(s.Orientation == goHorizontal) {}

    void Draw();

private:
    // A solid rectangle, kept inside the bar's inner area.
    void Solid(TRect rect, TColor colour) {
        rect = IntersectRect(rect, r_);
        if (rect.IsEmpty())
            return;
        c_.Brush().SetColor(colour);
        c_.FillRect(rect);
    }
    // A stepped gradient from c1 to c2 along the bar's thickness.
    void Stepped(const TRect& rect, TColor c1, TColor c2);
    // A level pair over rect: two mirrored gradient halves, or solid.
    void Level(const TRect& rect, TColor colour, TColor colourTo);
    // Along the bar: a piece from `from` to `to` pixels past the start
    // (left edge L + 2, or bottom edge B - 2), across [a, b).
    TRect Along(int from, int to, int acrossA, int acrossB) const {
        if (horizontal_)
            return {r_.Left + 2 + from, r_.Top + acrossA, r_.Left + 2 + to, r_.Bottom - acrossB};
        return {r_.Left + acrossA, r_.Bottom - 2 - to, r_.Right - acrossB, r_.Bottom - 2 - from};
    }
    void Zones(int m);
    void Fill(int p, int m);
    void InfinitePiece(int n);
    void Text();

    TCanvas& c_;
    TRect r_;
    const TGaugeSettings& s_;
    bool horizontal_;
    int level1_ = 0, level2_ = 0;
};

void GaugePainter::Stepped(const TRect& rect, TColor c1, TColor c2) {
    const int len = horizontal_ ? rect.Height() : rect.Width();
    if (len <= 0)
        return;
    const int n = std::clamp(s_.Steps, 1, 1000);
    const TColor a = ColorToRGB(c1), b = ColorToRGB(c2);
    for (int i = 0; i < n; ++i) {
        const int start = R(double(i) * len / n);
        const int size = len / n + 1;
        const auto channel = [&](int shift) {
            const int from = int((a >> shift) & 0xFF), to = int((b >> shift) & 0xFF);
            return std::clamp(from + R(double(i) * (to - from) / n), 0, 255) << shift;
        };
        const TColor colour = TColor(channel(0) | channel(8) | channel(16));
        TRect band = rect;
        if (horizontal_) {
            band.Top = rect.Top + start;
            band.Bottom = std::min(rect.Bottom, band.Top + size);
        } else {
            band.Left = rect.Left + start;
            band.Right = std::min(rect.Right, band.Left + size);
        }
        Solid(band, colour);
    }
}

void GaugePainter::Level(const TRect& rect, TColor colour, TColor colourTo) {
    if (!s_.ShowGradient) {
        Solid(rect, colour);
        return;
    }
    TRect first = rect, second = rect;
    if (horizontal_) {
        first.Bottom = second.Top = rect.Top + rect.Height() / 2;
    } else {
        first.Right = second.Left = rect.Left + rect.Width() / 2;
    }
    Stepped(first, colourTo, colour);
    Stepped(second, colour, colourTo);
}

void GaugePainter::Zones(int m) {
    if (s_.Level0BkColor == clNone && s_.Level1BkColor == clNone && s_.Level2BkColor == clNone)
        return;
    const int z1 = R(s_.Level1Perc / 100.0 * m);
    const int z2 = R((s_.Level2Perc - s_.Level1Perc) / 100.0 * m);
    const int bounds[] = {0, z1, z1 + z2, m};
    const TColor colours[] = {s_.Level0BkColor, s_.Level1BkColor, s_.Level2BkColor};
    for (int i = 0; i < 3; ++i)
        if (colours[i] != clNone)
            Solid(Along(bounds[i], bounds[i + 1], 1, 1), colours[i]);
}

void GaugePainter::Fill(int p, int m) {
    if (s_.Stacked) {
        const auto to = [&](int percent) { return R(percent / 100.0 * m); };
        Level(Along(0, to(std::min(p, level1_)), 1, 1), s_.Level0Color, s_.Level0ColorTo);
        if (p >= level1_)
            Level(Along(to(level1_), to(std::min(p, level2_)), 1, 1), s_.Level1Color, s_.Level1ColorTo);
        if (p >= level2_)
            Level(Along(to(level2_), p >= 100 ? m : to(p), 1, 1), s_.Level2Color, s_.Level2ColorTo);
        return;
    }
    TColor colour = s_.Level3Color, colourTo = s_.Level3ColorTo;
    if (p < level1_) {
        colour = s_.Level0Color;
        colourTo = s_.Level0ColorTo;
    } else if (p < level2_) {
        colour = s_.Level1Color;
        colourTo = s_.Level1ColorTo;
    } else if (p < 100) {
        colour = s_.Level2Color;
        colourTo = s_.Level2ColorTo;
    }
    if (s_.CompletionSmooth) {
        const int length = std::min(R(p / 100.0 * m), m);
        Level(Along(0, length - 2, 2, 2), colour, colourTo);
        return;
    }
    // Past 100 % (Min or Max changed under the position) the bar stays inside.
    const int k = std::min(R(double(p) * m / 100), std::max(m, 0));
    if (k <= 9) {
        if (k > 1)
            Level(Along(0, k - 1, 2, 2), colour, colourTo);
        return;
    }
    const int blocks = k / 9;
    for (int i = 0; i < blocks; ++i)
        Level(Along(9 * i, 9 * i + 7, 2, 2), colour, colourTo);
    if (k % 9 > 2) {
        TRect piece = Along(9 * blocks, 9 * blocks + k % 9 - 1, 2, 2);
        if (!horizontal_)
            piece.Top = std::max(piece.Top, r_.Top + 2);
        Level(piece, colour, colourTo);
    }
}

void GaugePainter::InfinitePiece(int n) {
    const int q = n <= 4 ? 0 : R(s_.InfinitePos / 100.0 * (n - 4));
    const TRect& r = r_;
    if (horizontal_) {
        Solid({r.Left + 2, r.Top + 1, std::max(r.Left + 2, r.Left + 2 + q - 12), r.Bottom - 1},
              s_.BackgroundColor);
        Solid({std::min(r.Right - 2, r.Left + q + 12), r.Top + 2, r.Right - 2, r.Bottom - 2},
              s_.BackgroundColor);
    } else {
        Solid({r.Left + 2, r.Top + 2, r.Right - 2, std::max(r.Top + 2, r.Top + 2 + q - 12)},
              s_.BackgroundColor);
        Solid({r.Left + 2, std::min(r.Bottom - 2, r.Top + q + 12), r.Right - 2, r.Bottom - 2},
              s_.BackgroundColor);
    }
}

void GaugePainter::Text() {
    std::string text;
    if (!s_.Format.empty()) {
        // A format that does not take two integers shows no text.
        try {
            text = ::Format(s_.Format, {s_.Value, s_.Max});
        } catch (const Exception&) {
            return;
        }
    } else if (s_.ShowPercentage) {
        text = std::to_string(s_.Position) + "%";
    } else {
        text = std::to_string(s_.Value);
    }
    c_.SetBkMode(TRANSPARENT);
    TFont& font = c_.Font();
    font.Assign(*s_.Font);
    const int cx = r_.Left + r_.Width() / 2, cy = r_.Top + r_.Height() / 2;
    if (horizontal_) {
        const TSize size = c_.TextExtent(text);
        c_.TextOut(cx - size.cx / 2, cy - size.cy / 2, text);
    } else {
        const TSize size = c_.TextExtent(text);
        font.SetOrientation(900);
        c_.TextOut(cx - size.cy / 2, cy + size.cx / 2, text);
    }
}

void GaugePainter::Draw() {
    const int n = horizontal_ ? r_.Width() : r_.Height();
    if (s_.Rounded)
        Solid(r_, kMagenta);
    int p = s_.Position;
    level1_ = s_.Level1Perc;
    level2_ = s_.Level2Perc;
    if (s_.Infinite) {
        p = 100;
        level1_ = level2_ = 101;
    }
    c_.Brush().SetColor(s_.BackgroundColor);
    c_.Pen().SetColor(s_.ShowBorder ? s_.BorderColor : s_.BackgroundColor);
    if (s_.Rounded)
        c_.RoundRect(r_.Left, r_.Top, r_.Right, r_.Bottom, 6, 6);
    else
        c_.Rectangle(r_);
    const int m = n - 2;
    Zones(m);
    if (p > 0)
        Fill(p, m);
    if (s_.Infinite)
        InfinitePiece(n);
    if (s_.ShowPosition && s_.Font)
        Text();
}

} // namespace

int GaugePercent(int position, int min, int max) {
    if (max == min)
        return 0;
    const double percent = (double(position) - min) / (double(max) - min) * 100;
    return static_cast<int>(Round(std::clamp(percent, -1e6, 1e6)));
}

void DrawGauge(TCanvas& canvas, const TRect& r, const TGaugeSettings& settings) {
    GaugePainter(canvas, r, settings).Draw();
}

} // namespace korvan::gdip
