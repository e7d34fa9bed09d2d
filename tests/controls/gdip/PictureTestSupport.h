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

// The picture as a big-endian, uncompressed RGB TIFF file of one strip.
inline std::vector<std::uint8_t> TiffFile(const QImage& img) {
    std::vector<std::uint8_t> out = {'M', 'M', 0, 42, 0, 0, 0, 8};
    auto u16 = [&out](unsigned v) {
        out.push_back(std::uint8_t(v >> 8));
        out.push_back(std::uint8_t(v));
    };
    auto u32 = [&](std::uint32_t v) {
        u16(v >> 16);
        u16(v & 0xFFFF);
    };
    const unsigned entries = 8;
    const std::uint32_t bitsAt = 8 + 2 + 12 * entries + 4, stripAt = bitsAt + 6;
    const std::uint32_t stripSize = std::uint32_t(img.width() * img.height() * 3);
    auto entry = [&](unsigned tag, unsigned type, std::uint32_t count, std::uint32_t value) {
        u16(tag);
        u16(type);
        u32(count);
        if (type == 3 && count == 1) {
            u16(value);
            u16(0);
        } else {
            u32(value);
        }
    };
    u16(entries);
    entry(256, 3, 1, std::uint32_t(img.width()));
    entry(257, 3, 1, std::uint32_t(img.height()));
    entry(258, 3, 3, bitsAt);
    entry(259, 3, 1, 1);
    entry(262, 3, 1, 2);
    entry(273, 4, 1, stripAt);
    entry(277, 3, 1, 3);
    entry(279, 4, 1, stripSize);
    u32(0);
    u16(8);
    u16(8);
    u16(8);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            out.push_back(std::uint8_t(qRed(p)));
            out.push_back(std::uint8_t(qGreen(p)));
            out.push_back(std::uint8_t(qBlue(p)));
        }
    return out;
}

// A 2 x 1 GIF: red and a transparent pixel, a graphic control extension
// before the image descriptor.
inline std::vector<std::uint8_t> GifFile() {
    return {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x02, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0xff, 0x00,
            0x00, 0x00, 0x00, 0x00, 0x21, 0xf9, 0x04, 0x01, 0x00, 0x00, 0x01, 0x00, 0x2c, 0x00, 0x00,
            0x00, 0x00, 0x02, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x0a, 0x00, 0x3b};
}

} // namespace korvan::gdip::testing
