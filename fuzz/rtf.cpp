// Any bytes as a rich-text label's document: parsed and drawn into a small
// bitmap. What it reads must stay within what the bytes can hold.

#include "controls/gdip/RtfLabel.h"
#include "fuzz/FuzzTarget.h"
#include "platform/gfx/Bitmap.h"

#include <QGuiApplication>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Lives for the whole program (reachable through qApp).
    new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const korvan::gdip::RtfDocument doc = korvan::gdip::ParseRtf(bytes);
    std::size_t runs = 0;
    for (const korvan::gdip::RtfParagraph& p : doc.Paragraphs) {
        runs += p.Runs.size();
        for (const korvan::gdip::RtfRun& r : p.Runs) {
            FuzzCheck(r.HalfPoints >= 2 && r.HalfPoints <= 400);
            FuzzCheck(r.Colour >= 0);
        }
    }
    FuzzCheck(runs <= size);
    FuzzCheck(doc.Paragraphs.size() <= size + 1);
    FuzzCheck(doc.Colours.size() <= size);
    TBitmap bitmap(160, 80);
    korvan::gdip::RenderRtf(bitmap.Canvas(), doc, Rect(1, 1, 159, 79), size % 2 == 0);
    return 0;
}
