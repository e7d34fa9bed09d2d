// The main window paints about 280 fader thumbs, each a picture holding its
// own copy of the same small BMP file. Prints, for one repaint of all 280
// onto a 1400 x 800 surface: the first paint (decoding included), a paint
// with the decoded images kept (what the pictures do), a paint that decodes
// every picture again (what keeping them saves), and 280 rounded gradient
// fills with border, the body of the pack's controls.

#include "controls/gdip/GDIPFill.h"
#include "controls/gdip/GDIPicture.h"
#include "platform/gfx/Codecs.h"
#include "platform/gfx/Gdiplus.h"

#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kThumbs = 280, kColumns = 40, kRounds = 50;

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

std::vector<std::uint8_t> ThumbFile() {
    QImage img(22, 21, QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, qRgb(90 + 6 * x, 90 + 6 * y, 160));
    img.setPixel(0, img.height() - 1, qRgb(255, 0, 255));
    return korvan::gfx::EncodeBmp(img, 24);
}

TGPRectF Cell(int i) {
    return {float(i % kColumns * 35), float(i / kColumns * 110), 30.0f, 100.0f};
}

template <class Paint> double AveragePaint(Paint&& paint) {
    const auto start = Clock::now();
    for (int round = 0; round < kRounds; ++round)
        paint();
    return Ms(Clock::now() - start) / kRounds;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::vector<std::uint8_t> file = ThumbFile();
    std::vector<std::unique_ptr<TGDIPPicture>> thumbs;
    for (int i = 0; i < kThumbs; ++i) {
        thumbs.push_back(std::make_unique<TGDIPPicture>());
        thumbs.back()->ReadData(std::vector<std::uint8_t>(file)); // as the form reader hands it over
    }
    Gdiplus::Bitmap surface(1400, 800);
    Gdiplus::Graphics g(surface);
    auto paintThumbs = [&] {
        for (int i = 0; i < kThumbs; ++i) {
            const TGPRectF r = Cell(i);
            thumbs[std::size_t(i)]->DrawImage(g, int(r.X), int(r.Y));
        }
    };

    const auto first = Clock::now();
    paintThumbs();
    const double firstMs = Ms(Clock::now() - first);
    const double keptMs = AveragePaint(paintThumbs);
    const double decodingMs = AveragePaint([&] {
        for (int i = 0; i < kThumbs; ++i) {
            const auto image = Gdiplus::Image::FromBytes(file);
            const TGPRectF r = Cell(i);
            g.DrawImage(*image, r.X, r.Y);
        }
    });

    std::vector<std::unique_ptr<TGDIPFill>> fills;
    for (int i = 0; i < kThumbs; ++i) {
        fills.push_back(std::make_unique<TGDIPFill>());
        fills.back()->SetRounding(6);
        fills.back()->SetBorderColor(clGray);
        fills.back()->SetColorTo(clWhite);
    }
    const double fillMs = AveragePaint([&] {
        for (int i = 0; i < kThumbs; ++i)
            fills[std::size_t(i)]->Fill(&g, Cell(i));
    });

    std::printf("%d picture thumbs, first paint (decoding):   %8.3f ms\n", kThumbs, firstMs);
    std::printf("%d picture thumbs, decoded images kept:      %8.3f ms\n", kThumbs, keptMs);
    std::printf("%d picture thumbs, decoded at every paint:   %8.3f ms\n", kThumbs, decodingMs);
    std::printf("%d rounded gradient fills with border:       %8.3f ms\n", kThumbs, fillMs);
    return 0;
}
