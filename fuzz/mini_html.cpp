// Any bytes as mini-HTML markup: measured, hit-tested and drawn into a small
// bitmap. Layout must end, and what it reports must stay within what the
// text can need.

#include "controls/gdip/MiniHtml.h"
#include "fuzz/FuzzTarget.h"

#include <QGuiApplication>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Lives for the whole program (reachable through qApp).
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Gdiplus::Bitmap bitmap(120, 60);
    Gdiplus::Graphics graphics(bitmap);
    TFont font;
    font.SetName("Tahoma");
    font.SetSize(8);
    for (int pass = 0; pass < 3; ++pass) {
        korvan::gdip::MiniHtmlOptions options;
        options.MeasureOnly = pass == 0;
        options.HitTestOnly = pass == 1;
        options.WordWrap = size % 2 == 0;
        options.X = 20;
        options.Y = 5;
        korvan::gdip::MiniHtmlResult result;
        korvan::gdip::DrawMiniHtml(graphics, font, text, Rect(0, 0, 120, 60), options, result);
        FuzzCheck(result.Width >= 0 && result.Height >= 2);
        FuzzCheck(result.AnchorCount >= 0 && result.AnchorCount <= static_cast<int>(size));
        FuzzCheck(result.PlainText.size() <= size + 1 || size > 8192);
    }
    return 0;
}
