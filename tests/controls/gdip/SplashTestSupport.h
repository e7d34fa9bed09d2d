#pragma once
// Renders a showing splash screen's window into a picture for the tests.

#include "controls/gdip/SplashScreen.h"
#include "tests/support/gui/GuiHarness.h"

#include <string>

namespace korvan::gdip::testing {

// The window's drawing on black, saved as <name>.png; empty when the
// splash screen has no window.
inline QImage RenderSplash(TDovOveruvAvovozIrurid& splash, const std::string& name) {
    TSplashScreenWindow* w = splash.SplashWindow();
    if (!w)
        return {};
    Gdiplus::Bitmap page(w->ClientWidth(), w->ClientHeight());
    page.Pixels().fill(0xFF000000u);
    Gdiplus::Graphics g(page);
    w->Render(g);
    korvan::testing::SavePng(page.Pixels(), name);
    return page.Pixels();
}

} // namespace korvan::gdip::testing
