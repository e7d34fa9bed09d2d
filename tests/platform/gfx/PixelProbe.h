#pragma once
// Small helpers for pixel probes on test images.

#include "platform/gfx/Canvas.h"

#include <QImage>
#include <string>

namespace korvan::test {

inline QImage WhiteImage(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(0xFFFFFFFFu);
    return img;
}

// The image as rows of characters: '.' for white, '#' for black, '?' else;
// makes pixel patterns readable in failure messages.
inline std::string Ascii(const QImage& img) {
    std::string out;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y) & 0xFFFFFF;
            out += p == 0xFFFFFF ? '.' : p == 0 ? '#' : '?';
        }
        out += '\n';
    }
    return out;
}

inline int CountColour(const QImage& img, TColor c) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += korvan::gfx::FromQRgb(img.pixel(x, y)) == c;
    return n;
}

} // namespace korvan::test
