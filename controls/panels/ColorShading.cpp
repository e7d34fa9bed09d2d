#include "controls/panels/ColorShading.h"

#include <QString>
#include <algorithm>
#include <cmath>

bool FullColorDisplay = true;
int XpColorScheme = 0;

namespace {

int RoundEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

korvan::panels::SchemeNameSource& NameSource() {
    static korvan::panels::SchemeNameSource source;
    return source;
}

struct SchemeColours {
    TColor start, stop, frame;
};

constexpr SchemeColours kSchemes[3] = {
    {0xFFEFE3, 0xEABB99, 0xBF7F57},
    {0xEDFFFF, 0x92C7B8, 0x77A17F},
    {0xFFF9F9, 0xD0BCBD, 0xB19F9F},
};

const SchemeColours& Scheme() {
    return kSchemes[std::clamp(XpColorScheme, 0, 2)];
}

} // namespace

void korvan::panels::SetColorSchemeNameSource(SchemeNameSource source) {
    NameSource() = std::move(source);
}

void InitPanelPack() {
    static int nesting = 0;
    if (nesting++ != 0)
        return;
    FullColorDisplay = ScreenHasFullColor();
    XpColorScheme = ReadXpColorScheme();
}

void ColorToHsl(TColor color, std::uint8_t& h, std::uint8_t& s, std::uint8_t& l) {
    const TColor c = ColorToRGB(color);
    const double r = GetRValue(c) / 255.0, g = GetGValue(c) / 255.0, b = GetBValue(c) / 255.0;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    const double lum = (mx + mn) / 2;
    double hue = 0, sat = 0;
    if (mx != mn) {
        const double d = mx - mn;
        sat = lum < 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
        if (r == mx)
            hue = (g - b) / d;
        else if (g == mx)
            hue = (b - r) / d + 2;
        else
            hue = (r - g) / d + 4;
        hue /= 6;
        if (hue < 0)
            hue += 1;
    }
    h = static_cast<std::uint8_t>(RoundEven(hue * 240));
    s = static_cast<std::uint8_t>(RoundEven(sat * 240));
    l = static_cast<std::uint8_t>(RoundEven(lum * 240));
}

std::uint8_t HueOfColor(TColor color) {
    std::uint8_t h, s, l;
    ColorToHsl(color, h, s, l);
    return h;
}

TColor ColorFromHsl(std::uint8_t H, std::uint8_t S, std::uint8_t L) {
    const double h = H / 239.0, s = S / 240.0, l = L / 240.0;
    const double v = l < 0.5 ? l * (1 + s) : l + s - l * s;
    if (v <= 0)
        return clBlack;
    const double m = 2 * l - v;
    const double sv = (v - m) / v;
    const double h6 = h * 6;
    const int sextant = static_cast<int>(h6);
    const double f = h6 - sextant;
    const double vsf = v * sv * f;
    const double mid1 = m + vsf, mid2 = v - vsf;
    double r, g, b;
    switch (sextant) {
    case 1:
        r = mid2, g = v, b = m;
        break;
    case 2:
        r = m, g = v, b = mid1;
        break;
    case 3:
        r = m, g = mid2, b = v;
        break;
    case 4:
        r = mid1, g = m, b = v;
        break;
    case 5:
        r = v, g = m, b = mid2;
        break;
    default:
        r = v, g = mid1, b = m;
        break;
    }
    auto channel = [](double x) { return RoundEven(std::min(x, 1.0) * 255); };
    return RGB(channel(r), channel(g), channel(b));
}

TColor DarkerColor(TColor color, std::uint8_t amount) {
    std::uint8_t h, s, l;
    ColorToHsl(color, h, s, l);
    return ColorFromHsl(h, s, static_cast<std::uint8_t>(std::max(int(l) - amount, 0)));
}

TColor LighterColor(TColor color, std::uint8_t amount) {
    std::uint8_t h, s, l;
    ColorToHsl(color, h, s, l);
    return ColorFromHsl(h, s, static_cast<std::uint8_t>(std::min(int(l) + amount, 255)));
}

TColor AdjustedColor(TColor color, int adjustment) {
    if (adjustment < 0)
        return DarkerColor(color, static_cast<std::uint8_t>((-adjustment) % 256));
    if (adjustment > 0)
        return LighterColor(color, static_cast<std::uint8_t>(adjustment % 256));
    return color;
}

TColor BlendColors(TColor color1, TColor color2, int weight) {
    const TColor a = ColorToRGB(color1), b = ColorToRGB(color2);
    const double w = weight / 255.0;
    auto mix = [w](int x, int y) { return RoundEven(x * w + y * (1 - w)); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

bool ColorsAreClose(TColor color1, TColor color2) {
    std::uint8_t h1, s1, l1, h2, s2, l2;
    ColorToHsl(color1, h1, s1, l1);
    ColorToHsl(color2, h2, s2, l2);
    return std::abs(h1 - h2) < 20 && std::abs(l1 - l2) < 60;
}

TColor ComplementColor(TColor color, std::uint8_t lightness) {
    std::uint8_t h, s, l;
    ColorToHsl(color, h, s, l);
    const int h2 = h < 120 ? h + 120 : h - 120;
    return ColorFromHsl(static_cast<std::uint8_t>(h2), 240, lightness);
}

int ReadXpColorScheme() {
    const auto& source = NameSource();
    if (!source)
        return 0;
    const std::optional<std::string> name = source();
    if (!name)
        return 0;
    const QString upper = QString::fromStdString(*name).toUpper();
    if (upper == u"HOMESTEAD")
        return 1;
    if (upper == u"METALLIC")
        return 2;
    return 0;
}

bool ScreenHasFullColor() {
    return true;
}

bool VisualStylesActive() {
    return false;
}

TColor ThemedColor(int) {
    return clBtnFace;
}

void GradientColorsForStyle(TRzGradientColorStyle style, TColor& start, TColor& stop) {
    if (style == gcsMSOffice && VisualStylesActive()) {
        start = Scheme().start;
        stop = Scheme().stop;
        return;
    }
    start = clWindow;
    stop = DarkerColor(clBtnFace, 10);
}

TColor FrameColorForStyle(TRzGradientColorStyle style) {
    if (style == gcsMSOffice && VisualStylesActive())
        return Scheme().frame;
    return LighterColor(clBtnShadow, 30);
}

void BannerColorsForStyle(TRzGradientColorStyle style, TColor& start, TColor& stop, TColor& frame) {
    if (style == gcsMSOffice && VisualStylesActive()) {
        start = Scheme().start;
        stop = Scheme().stop;
        frame = Scheme().stop;
        return;
    }
    start = clWindow;
    stop = DarkerColor(clBtnFace, 20);
    frame = DarkerColor(clBtnFace, 40);
}
