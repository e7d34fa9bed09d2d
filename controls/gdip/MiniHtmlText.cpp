// The mini-HTML renderer's text primitives, colour names and the text
// preparation before layout.

#include "controls/gdip/GDIPColors.h"
#include "controls/gdip/MiniHtml.h"

#include <array>
#include <cctype>
#include <cmath>
#include <utility>

namespace korvan::gdip {

namespace {

Gdiplus::RectF Measure(const Gdiplus::Graphics& graphics, const std::string& text, const TFont& font,
                       const Gdiplus::RectF& layout) {
    Gdiplus::RectF box;
    graphics.MeasureString(text, MakeFont(font), layout, nullptr, &box);
    return box;
}

bool ReplaceFirstNoCase(std::string& text, const std::string& what, const std::string& by) {
    if (text.size() < what.size())
        return false;
    for (std::size_t i = 0; i + what.size() <= text.size(); ++i) {
        bool same = true;
        for (std::size_t j = 0; j < what.size() && same; ++j)
            same = std::tolower(static_cast<unsigned char>(text[i + j])) == what[j];
        if (same) {
            text.replace(i, what.size(), by);
            return true;
        }
    }
    return false;
}

} // namespace

Gdiplus::Font MakeFont(const TFont& font) {
    int style = Gdiplus::FontStyleRegular;
    if (font.Style() & fsBold)
        style |= Gdiplus::FontStyleBold;
    if (font.Style() & fsItalic)
        style |= Gdiplus::FontStyleItalic;
    if (font.Style() & fsUnderline)
        style |= Gdiplus::FontStyleUnderline;
    return Gdiplus::Font(font.Name(), static_cast<Gdiplus::REAL>(font.Size()), style);
}

int HtmlDrawText(Gdiplus::Graphics& graphics, const std::string& text, TRect& rect, const TFont& font,
                 unsigned flags, TColor background) {
    const bool measure = (flags & kHtmlMeasure) != 0;
    if (measure || background != clNone) {
        const int points = font.Size();
        const double c = 2 + (points > 8 ? std::nearbyint((points - 8) / 1.5) : 0);
        // A trailing space would not be measured: a narrow letter stands in.
        std::string sized = text;
        if (sized.size() > 1 && sized.back() == ' ')
            sized.back() = 'i';
        const Gdiplus::RectF layout{static_cast<float>(rect.Left), static_cast<float>(rect.Top),
                                    static_cast<float>(rect.Right - rect.Left + 1000),
                                    static_cast<float>(rect.Bottom - rect.Top)};
        const Gdiplus::RectF box = Measure(graphics, sized, font, layout);
        rect.Right = rect.Left + static_cast<int>(std::lround(box.Width - c));
        rect.Bottom = rect.Top + static_cast<int>(std::lround(box.Height));
        if (background != clNone) {
            const Gdiplus::SolidBrush fill(ColorToOpaqueARGB(background));
            graphics.FillRectangle(fill, {static_cast<float>(rect.Left + 1), static_cast<float>(rect.Top),
                                          static_cast<float>(box.Width - c + 1), box.Height});
        }
    }
    if (!measure) {
        const Gdiplus::SolidBrush ink(ColorToOpaqueARGB(font.Color()));
        graphics.DrawString(text, MakeFont(font),
                            Gdiplus::PointF{static_cast<float>(rect.Left), static_cast<float>(rect.Top)},
                            ink);
    }
    return rect.Bottom - rect.Top;
}

int HtmlTextHeight(const Gdiplus::Graphics& graphics, const std::string& text, const TFont& font) {
    return static_cast<int>(std::lround(Measure(graphics, text, font, {0, 0, 10000, 10000}).Height));
}

int HtmlTextWidth(const Gdiplus::Graphics& graphics, const std::string& text, const TFont& font) {
    return static_cast<int>(std::lround(Measure(graphics, text, font, {0, 0, 10000, 10000}).Width));
}

TColor HtmlColorByName(const std::string& name) {
    static const std::array<std::pair<const char*, TColor>, 40> kNames{{
        {"clred", clRed},
        {"clblack", clBlack},
        {"clblue", clBlue},
        {"clgreen", clGreen},
        {"claqua", clAqua},
        {"clyellow", clYellow},
        {"clfuchsia", clFuchsia},
        {"clwhite", clWhite},
        {"cllime", clLime},
        {"clsilver", clSilver},
        {"clgray", clGray},
        {"clolive", clOlive},
        {"clnavy", clNavy},
        {"clpurple", clPurple},
        {"clteal", clTeal},
        {"clmaroon", clMaroon},
        {"clbackground", SystemColor(1)},
        {"clactivecaption", SystemColor(2)},
        {"clinactivecaption", SystemColor(3)},
        {"clmenu", SystemColor(4)},
        {"clwindow", SystemColor(5)},
        {"clwindowframe", SystemColor(6)},
        {"clmenutext", SystemColor(7)},
        {"clwindowtext", SystemColor(8)},
        {"clcaptiontext", SystemColor(9)},
        {"clactiveborder", SystemColor(10)},
        {"clinactiveborder", SystemColor(11)},
        {"clappworkspace", SystemColor(12)},
        {"clhighlight", SystemColor(13)},
        {"clhighlighttext", SystemColor(14)},
        {"clbtnface", SystemColor(15)},
        {"clbtnshadow", SystemColor(16)},
        {"clgraytext", SystemColor(17)},
        {"clbtntext", SystemColor(18)},
        {"clinactivecaptiontext", SystemColor(19)},
        {"clbtnhighlight", SystemColor(20)},
        {"cl3ddkshadow", SystemColor(21)},
        {"cl3dlight", SystemColor(22)},
        {"clinfotext", SystemColor(23)},
        {"clinfobk", SystemColor(24)},
    }};
    for (const auto& [known, colour] : kNames)
        if (name == known)
            return colour;
    return clBlack;
}

TColor HtmlHexToColor(const std::string& text) {
    // Characters 2-3, 4-5 and 6-7 (after the "#"); a short pair is 0.
    const auto pair = [&text](std::size_t at) -> std::uint32_t {
        if (at + 2 > text.size())
            return 0;
        std::uint32_t v = 0;
        for (std::size_t i = at; i < at + 2; ++i) {
            const int ch = static_cast<unsigned char>(text[i]);
            v = v * 16 + static_cast<std::uint32_t>((ch < 'A' ? ch - 48 : ch - 55) & 0xFF);
        }
        return v & 0xFF;
    };
    return static_cast<TColor>(pair(1) + pair(3) * 256 + pair(5) * 65536);
}

std::string PrepareMiniHtml(std::string text) {
    if (text.find('&') != std::string::npos) {
        // One ampersand for "&amp;" (text is drawn without prefix handling).
        static const std::array<std::pair<const char*, const char*>, 9> kEntities{{
            {"&amp;", "&"},
            {"&quot;", "\""},
            {"&sect;", "\xC2\xA7"},
            {"&permil;", "\xE2\x80\xB0"},
            {"&reg;", "\xC2\xAE"},
            {"&copy;", "\xC2\xA9"},
            {"&para;", "\xC2\xB6"},
            {"&trade;", "\xE2\x84\xA2"},
            {"&euro;", "\xE2\x82\xAC"},
        }};
        // Every replacement shortens the text, so the passes end.
        bool replaced = true;
        while (replaced) {
            replaced = false;
            for (const auto& [entity, by] : kEntities)
                replaced = ReplaceFirstNoCase(text, entity, by) || replaced;
        }
    }
    if (const std::size_t at = text.find("<#"); at != std::string::npos) {
        text.erase(at, 1);
        if (const std::size_t close = text.find('>', at); close != std::string::npos)
            text.erase(close, 1);
    }
    std::string out;
    out.reserve(text.size());
    for (const char ch : text) {
        if (ch == '\r')
            out += "<BR>";
        else if (ch != '\n')
            out += ch;
    }
    return out;
}

} // namespace korvan::gdip
