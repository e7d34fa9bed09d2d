// Any bytes as a rich-text document: parsed, drawn into a small bitmap,
// written back as RTF and read again. What it reads must stay within what
// the bytes can hold, and a written document must read back unchanged.

#include "fuzz/FuzzTarget.h"
#include "platform/forms/RtfDocument.h"
#include "platform/forms/RtfRender.h"
#include "platform/forms/RtfWriter.h"
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
    using namespace korvan::forms;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const RtfDocument doc = ParseRtf(bytes);
    std::size_t runs = 0;
    for (const RtfParagraph& p : doc.Paragraphs) {
        runs += p.Runs.size();
        for (const RtfRun& r : p.Runs) {
            FuzzCheck(r.HalfPoints >= 2 && r.HalfPoints <= 400);
            FuzzCheck(r.Colour >= 0);
        }
    }
    FuzzCheck(runs <= size);
    FuzzCheck(doc.Paragraphs.size() <= size + 1);
    FuzzCheck(doc.Colours.size() <= size);
    TBitmap bitmap(160, 80);
    RenderRtf(bitmap.Canvas(), doc, Rect(1, 1, 159, 79), size % 2 == 0);
    const std::string written = WriteRtf(doc);
    for (const char c : written)
        FuzzCheck(static_cast<unsigned char>(c) < 0x80);
    FuzzCheck(ParseRtf(written) == doc);
    return 0;
}
