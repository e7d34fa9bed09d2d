#pragma once
// Small picture files made in memory for the picture and fill tests.

#include "platform/gfx/Codecs.h"

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

namespace korvan::gdip::testing {

// w x h of one colour (ARGB) with the bottom-left pixel `corner`.
inline QImage Swatch(int w, int h, QRgb colour, QRgb corner) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(colour);
    img.setPixel(0, h - 1, corner);
    return img;
}

inline std::vector<std::uint8_t> BmpFile(const QImage& img) {
    return korvan::gfx::EncodeBmp(img, 24);
}

inline std::vector<std::uint8_t> PngFile(const QImage& img) {
    return korvan::gfx::EncodePng(img);
}

// A 2 x 2 checker of two colours, as PNG.
inline std::vector<std::uint8_t> CheckerPng(QRgb a, QRgb b, int cell = 4) {
    QImage img(2 * cell, 2 * cell, QImage::Format_ARGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            img.setPixel(x, y, ((x / cell) + (y / cell)) % 2 ? b : a);
    return PngFile(img);
}

} // namespace korvan::gdip::testing
