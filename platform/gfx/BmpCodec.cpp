#include "platform/gfx/Codecs.h"

#include <cstring>

namespace korvan::gfx {

namespace {

std::uint32_t U32(ByteView d, std::size_t o) {
    return d[o] | (d[o + 1] << 8) | (d[o + 2] << 16) | (std::uint32_t(d[o + 3]) << 24);
}
std::uint16_t U16(ByteView d, std::size_t o) {
    return static_cast<std::uint16_t>(d[o] | (d[o + 1] << 8));
}

void Put16(Bytes& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v & 0xFF));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back((v >> (8 * i)) & 0xFF);
}

// Position of the lowest set bit and the width of a channel mask.
void MaskShape(std::uint32_t mask, int& shift, int& bits) {
    shift = 0;
    bits = 0;
    if (!mask)
        return;
    while (!((mask >> shift) & 1))
        ++shift;
    while (shift + bits < 32 && ((mask >> (shift + bits)) & 1))
        ++bits;
}

int Channel(std::uint32_t v, std::uint32_t mask) {
    int shift, bits;
    MaskShape(mask, shift, bits);
    if (!bits)
        return 0;
    const std::uint32_t raw = (v & mask) >> shift;
    const std::uint32_t max = (bits >= 32) ? 0xFFFFFFFFu : ((1u << bits) - 1);
    return static_cast<int>(raw * 255 / max);
}

} // namespace

QImage DecodeBmp(ByteView d, int* bitsPerPixel) {
    if (d.size() < 26 || d[0] != 'B' || d[1] != 'M')
        return {};
    const std::uint32_t dataOffset = U32(d, 10);
    const std::uint32_t headerSize = U32(d, 14);
    if (headerSize < 12 || 14 + std::size_t(headerSize) > d.size())
        return {};
    // 64 bits: a stored height of -2^31 still negates.
    std::int64_t width, height;
    int bits;
    std::uint32_t compression = 0, colorsUsed = 0;
    std::size_t paletteEntry = 4;
    if (headerSize == 12) {
        width = U16(d, 18);
        height = static_cast<std::int16_t>(U16(d, 20));
        bits = U16(d, 24);
        paletteEntry = 3;
    } else {
        if (d.size() < 14 + 40)
            return {};
        width = static_cast<std::int32_t>(U32(d, 18));
        height = static_cast<std::int32_t>(U32(d, 22));
        bits = U16(d, 28);
        compression = U32(d, 30);
        colorsUsed = U32(d, 46);
    }
    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    if (!FitsPictureBudget(width, height))
        return {};
    std::uint32_t rMask = 0x00FF0000, gMask = 0x0000FF00, bMask = 0x000000FF, aMask = 0;
    if (bits == 16) {
        rMask = 0x7C00;
        gMask = 0x03E0;
        bMask = 0x001F;
    }
    if (compression == 3 /* bit fields */) {
        const std::size_t m = headerSize >= 52 ? 14 + 40 : 14 + headerSize;
        if (m + 12 > d.size())
            return {};
        rMask = U32(d, m);
        gMask = U32(d, m + 4);
        bMask = U32(d, m + 8);
        if (headerSize >= 56)
            aMask = U32(d, 14 + 52);
    } else if (compression != 0) {
        return {}; // run-length and embedded formats are not read
    }
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return {};
    std::vector<std::uint32_t> palette;
    if (bits <= 8) {
        std::size_t count = colorsUsed ? colorsUsed : (1u << bits);
        count = std::min<std::size_t>(count, 256);
        std::size_t p = 14 + headerSize + (compression == 3 && headerSize < 52 ? 12 : 0);
        for (std::size_t i = 0; i < count; ++i, p += paletteEntry) {
            if (p + 3 > d.size())
                return {};
            palette.push_back(0xFF000000u | (d[p + 2] << 16) | (d[p + 1] << 8) | d[p]);
        }
    }
    const std::size_t stride = ((std::size_t(width) * bits + 31) / 32) * 4;
    if (dataOffset > d.size() || stride * height > d.size() - dataOffset)
        return {};
    QImage img(static_cast<int>(width), static_cast<int>(height),
               aMask ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int row = 0; row < img.height(); ++row) {
        const std::uint8_t* src = d.data() + dataOffset + stride * row;
        const int y = topDown ? row : img.height() - 1 - row;
        auto* out = reinterpret_cast<std::uint32_t*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            std::uint32_t px = 0;
            switch (bits) {
            case 1:
            case 4:
            case 8: {
                const int perByte = 8 / bits;
                const int shift = 8 - bits * (x % perByte + 1);
                const std::size_t idx = (src[x / perByte] >> shift) & ((1 << bits) - 1);
                px = idx < palette.size() ? palette[idx] : 0xFF000000u;
                break;
            }
            case 16: {
                const std::uint32_t v = src[2 * x] | (src[2 * x + 1] << 8);
                px = 0xFF000000u | (Channel(v, rMask) << 16) | (Channel(v, gMask) << 8) | Channel(v, bMask);
                break;
            }
            case 24:
                px = 0xFF000000u | (src[3 * x + 2] << 16) | (src[3 * x + 1] << 8) | src[3 * x];
                break;
            case 32: {
                const std::uint32_t v = src[4 * x] | (src[4 * x + 1] << 8) | (src[4 * x + 2] << 16) |
                                        (std::uint32_t(src[4 * x + 3]) << 24);
                const std::uint32_t a = aMask ? std::uint32_t(Channel(v, aMask)) : 0xFF;
                px = (a << 24) | (Channel(v, rMask) << 16) | (Channel(v, gMask) << 8) | Channel(v, bMask);
                break;
            }
            }
            out[x] = px;
        }
    }
    if (bitsPerPixel)
        *bitsPerPixel = bits;
    return img;
}

Bytes EncodeBmp(const QImage& source, int bits) {
    if (source.isNull())
        return {};
    if (bits != 1 && bits != 32)
        bits = 24;
    if (!FitsPictureBudget(source.width(), source.height()))
        return {};
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width(), h = img.height();
    const std::uint32_t stride = ((std::uint32_t(w) * bits + 31) / 32) * 4;
    const std::uint32_t paletteSize = bits == 1 ? 8 : 0;
    const std::uint32_t offset = 14 + 40 + paletteSize;
    Bytes b;
    b.reserve(offset + stride * h);
    b.push_back('B');
    b.push_back('M');
    Put32(b, offset + stride * h);
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, 40);
    Put32(b, static_cast<std::uint32_t>(w));
    Put32(b, static_cast<std::uint32_t>(h));
    Put16(b, 1);
    Put16(b, static_cast<std::uint16_t>(bits));
    Put32(b, 0);
    Put32(b, stride * h);
    Put32(b, 3780); // 96 dpi in pixels per metre
    Put32(b, 3780);
    Put32(b, bits == 1 ? 2 : 0);
    Put32(b, 0);
    if (bits == 1) {
        Put32(b, 0x00000000);
        Put32(b, 0x00FFFFFF);
    }
    for (int y = h - 1; y >= 0; --y) {
        const auto* in = reinterpret_cast<const std::uint32_t*>(img.constScanLine(y));
        const std::size_t start = b.size();
        b.resize(start + stride, 0);
        std::uint8_t* out = b.data() + start;
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = in[x];
            if (bits == 1) {
                if (qGray(p) >= 128)
                    out[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            } else if (bits == 24) {
                out[3 * x] = p & 0xFF;
                out[3 * x + 1] = (p >> 8) & 0xFF;
                out[3 * x + 2] = (p >> 16) & 0xFF;
            } else {
                std::memcpy(out + 4 * x, &p, 4);
            }
        }
    }
    return b;
}

} // namespace korvan::gfx
