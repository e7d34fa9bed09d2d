#pragma once
// Text, font and system helpers of the panel and button pack.

#include "platform/gfx/Canvas.h"

#include <string>

int DrawCaptionText(TCanvas& canvas, const std::string& text, TRect& r, unsigned flags);
void DrawCenteredText(TCanvas& canvas, const std::string& text, const TRect& r);
std::string StripAccelerators(const std::string& text);
char LastChar(const std::string& text);
// A copy of the font turned by angle degrees (escapement in tenths).
TFont CreateRotatedFont(const TFont& font, int angle);
bool IsTrueTypeFont(const TFont& font);

// Version codes: 0..3 the 9x family, 4 = 5.0, 5 = 5.1, 6 = 5.2, 7 = 6.0, 8 = 6.1.
bool IsWindowsVersion(int code);
bool IsWindowsVersionOrLater(int code);

namespace korvan::panels {

// The platform the version tests answer for: the desktop family (2) at 6.1,
// the release whose default colours the system-colour table holds.
struct OsVersion {
    int platform = 2;
    int major = 6;
    int minor = 1;
};
bool IsWindowsVersion(int code, const OsVersion& v);
bool IsWindowsVersionOrLater(int code, const OsVersion& v);

} // namespace korvan::panels
