#pragma once
// Small helpers for pixel probes on test images.

#include "platform/gfx/Canvas.h"

#include <QImage>
#include <initializer_list>
#include <sstream>
#include <string>

namespace korvan::test {

// Expected pixel maps written one row per string: the rows joined, each
// ending in a line break.
inline std::string Rows(std::initializer_list<const char*> rows) {
    std::string out;
    for (const char* r : rows)
        out += std::string(r) + '\n';
    return out;
}

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

// The first pixel where two images of one size differ, as "(x,y)", or
// "none"; for failure messages. Streamed rather than built by string
// concatenation, which g++ 12 flags with a false -Wrestrict when optimising.
inline std::string FirstDifference(const QImage& a, const QImage& b) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                std::ostringstream out;
                out << '(' << x << ',' << y << ')';
                return out.str();
            }
    return "none";
}

} // namespace korvan::test
