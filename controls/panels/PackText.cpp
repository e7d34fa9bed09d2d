#include "controls/panels/PackText.h"

int DrawCaptionText(TCanvas& canvas, const std::string& text, TRect& r, unsigned flags) {
    return canvas.DrawText(text, r, flags);
}

void DrawCenteredText(TCanvas& canvas, const std::string& text, const TRect& r) {
    TRect copy = r;
    canvas.DrawText(text, copy, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

std::string StripAccelerators(const std::string& text) {
    // A single '&' before another character disappears; in "&&" the first
    // is kept and the second, now before a letter, goes; the last
    // character always stays.
    std::string out;
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (!(text[i] == '&' && text[i + 1] != '&'))
            out += text[i];
    if (!text.empty())
        out += text.back();
    return out;
}

char LastChar(const std::string& text) {
    return text.empty() ? '\0' : text.back();
}

TFont CreateRotatedFont(const TFont& font, int angle) {
    TFont rotated;
    rotated.Assign(font);
    rotated.SetOrientation(angle * 10);
    return rotated;
}

bool IsTrueTypeFont(const TFont&) {
    return true;
} // every substituted face is an outline font

namespace korvan::panels {

bool IsWindowsVersion(int code, const OsVersion& v) {
    switch (code) {
    case 0:
        return v.platform == 1 && v.major <= 4 && v.minor == 0;
    case 1:
        return v.platform == 2 && v.major <= 4;
    case 2:
        return v.platform == 1 && v.major <= 4 && v.minor == 10;
    case 3:
        return v.platform == 1 && v.major <= 4 && v.minor == 90;
    case 4:
        return v.platform == 2 && v.major == 5 && v.minor == 0;
    case 5:
        return v.platform == 2 && v.major == 5 && v.minor == 1;
    case 6:
        return v.platform == 2 && v.major == 5 && v.minor == 2;
    case 7:
        return v.platform == 2 && v.major == 6 && v.minor == 0;
    case 8:
        return v.platform == 2 && v.major == 6 && v.minor == 1;
    default:
        return false;
    }
}

bool IsWindowsVersionOrLater(int code, const OsVersion& v) {
    const bool any = v.platform == 1 || v.platform == 2;
    const bool nt = v.platform == 2;
    switch (code) {
    case 0:
        return any && v.major >= 4;
    case 1:
        return nt && v.major >= 4;
    case 2:
        return any && v.major >= 4 && v.minor >= 10;
    case 3:
        return any && ((v.major >= 4 && v.minor >= 90) || v.major >= 5);
    case 4:
        return nt && v.major >= 5;
    case 5:
        return nt && ((v.major == 5 && v.minor >= 1) || v.major >= 6);
    case 6:
        return nt && ((v.major >= 5 && v.minor >= 2) || v.major >= 6);
    case 7:
        return nt && v.major >= 6;
    case 8:
        return nt && v.major >= 6 && v.minor >= 1;
    default:
        return false;
    }
}

} // namespace korvan::panels

bool IsWindowsVersion(int code) {
    return korvan::panels::IsWindowsVersion(code, {});
}

bool IsWindowsVersionOrLater(int code) {
    return korvan::panels::IsWindowsVersionOrLater(code, {});
}
