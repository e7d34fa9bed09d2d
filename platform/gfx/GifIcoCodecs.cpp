// Readers for GIF (first frame) and ICO (largest image) files.

#include "platform/gfx/Codecs.h"
#include "platform/gfx/GifLzw.h"

namespace korvan::gfx {

namespace {

std::uint16_t U16(ByteView d, std::size_t o) {
    return static_cast<std::uint16_t>(d[o] | (d[o + 1] << 8));
}
std::uint32_t U32(ByteView d, std::size_t o) {
    return d[o] | (d[o + 1] << 8) | (d[o + 2] << 16) | (std::uint32_t(d[o + 3]) << 24);
}

} // namespace

QImage DecodeGif(ByteView d) {
    if (d.size() < 13 || d[0] != 'G' || d[1] != 'I' || d[2] != 'F')
        return {};
    const int width = U16(d, 6), height = U16(d, 8);
    std::size_t p = 13;
    std::vector<std::uint32_t> global, local;
    auto readTable = [&](std::uint8_t flags, std::vector<std::uint32_t>& table) {
        const std::size_t n = std::size_t(1) << ((flags & 7) + 1);
        if (p + 3 * n > d.size())
            return false;
        table.resize(n);
        for (std::size_t i = 0; i < n; ++i, p += 3)
            table[i] = 0xFF000000u | (d[p] << 16) | (d[p + 1] << 8) | d[p + 2];
        return true;
    };
    if ((d[10] & 0x80) && !readTable(d[10], global))
        return {};
    int transparent = -1;
    while (p < d.size()) {
        const std::uint8_t block = d[p++];
        if (block == 0x21) { // extension: graphic control gives the transparent index
            if (p >= d.size())
                return {};
            const std::uint8_t label = d[p++];
            if (label == 0xF9 && p + 5 < d.size() && d[p] >= 4 && (d[p + 1] & 1))
                transparent = d[p + 4];
            while (p < d.size() && d[p] != 0)
                p += d[p] + 1u;
            ++p;
        } else if (block == 0x2C) {
            if (p + 9 > d.size())
                return {};
            const int left = U16(d, p), top = U16(d, p + 2), w = U16(d, p + 4), h = U16(d, p + 6);
            const std::uint8_t flags = d[p + 8];
            p += 9;
            if ((flags & 0x80) && !readTable(flags, local))
                return {};
            const auto& palette = (flags & 0x80) ? local : global;
            if (p >= d.size() || !FitsPictureBudget(w, h))
                return {};
            const int minCode = d[p++];
            Bytes data;
            while (p < d.size() && d[p] != 0) {
                const std::size_t n = d[p];
                if (p + 1 + n > d.size())
                    return {};
                data.insert(data.end(), d.begin() + static_cast<std::ptrdiff_t>(p + 1),
                            d.begin() + static_cast<std::ptrdiff_t>(p + 1 + n));
                p += n + 1;
            }
            // A header without a canvas size takes the frame's.
            const int cw = width ? width : w, ch = height ? height : h;
            if (!FitsPictureBudget(cw, ch))
                return {};
            std::vector<std::uint8_t> indices;
            if (!DecodeGifLzw(data, minCode, std::size_t(w) * h, indices))
                return {};
            QImage img(cw, ch, QImage::Format_ARGB32);
            img.fill(0);
            const bool interlaced = flags & 0x40;
            std::vector<int> rowOrder;
            if (interlaced) {
                for (int pass : {0, 1, 2, 3}) {
                    static const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
                    for (int y = start[pass]; y < h; y += step[pass])
                        rowOrder.push_back(y);
                }
            } else {
                for (int y = 0; y < h; ++y)
                    rowOrder.push_back(y);
            }
            for (std::size_t i = 0; i < indices.size(); ++i) {
                const int x = left + static_cast<int>(i % w);
                const int y = top + rowOrder[i / w];
                const std::uint8_t idx = indices[i];
                if (x >= cw || y >= ch || idx == transparent || idx >= palette.size())
                    continue;
                img.setPixel(x, y, palette[idx]);
            }
            return img;
        } else {
            break; // trailer or garbage
        }
    }
    return {};
}

QImage DecodeIco(ByteView d) {
    if (d.size() < 6 || U16(d, 0) != 0 || (U16(d, 2) != 1 && U16(d, 2) != 2))
        return {};
    const int count = U16(d, 4);
    if (6 + 16 * std::size_t(count) > d.size())
        return {};
    int best = -1, bestArea = -1;
    for (int i = 0; i < count; ++i) {
        const std::size_t e = 6 + 16 * std::size_t(i);
        const int w = d[e] ? d[e] : 256, h = d[e + 1] ? d[e + 1] : 256;
        if (w * h > bestArea) {
            bestArea = w * h;
            best = i;
        }
    }
    if (best < 0)
        return {};
    const std::size_t e = 6 + 16 * std::size_t(best);
    const std::uint32_t size = U32(d, e + 8), offset = U32(d, e + 12);
    if (offset > d.size() || size > d.size() - offset)
        return {};
    const ByteView img = d.subspan(offset, size);
    if (img.size() >= 8 && img[0] == 0x89 && img[1] == 'P')
        return DecodePng(img);
    // A DIB whose height counts the colour rows and the AND mask rows.
    if (img.size() < 40)
        return {};
    const std::uint32_t headerSize = U32(img, 0);
    const int width = static_cast<int>(U32(img, 4));
    const int height = static_cast<int>(U32(img, 8)) / 2;
    const int bits = U16(img, 14);
    if (headerSize < 40 || headerSize > img.size() || width <= 0 || height <= 0 || width > 256 ||
        height > 256)
        return {};
    const std::size_t paletteCount = bits <= 8 ? (U32(img, 32) ? U32(img, 32) : (1u << bits)) : 0;
    const std::size_t colourStride = ((std::size_t(width) * bits + 31) / 32) * 4;
    const std::size_t maskStride = ((std::size_t(width) + 31) / 32) * 4;
    const std::size_t colourStart = headerSize + 4 * paletteCount;
    const std::size_t maskStart = colourStart + colourStride * height;
    // Rebuild a BMP file around the colour rows and decode it.
    Bytes bmp = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0};
    const std::uint32_t dataOffset = static_cast<std::uint32_t>(14 + colourStart);
    for (int i = 0; i < 4; ++i)
        bmp.push_back((dataOffset >> (8 * i)) & 0xFF);
    if (colourStart + colourStride * height > img.size())
        return {};
    bmp.insert(bmp.end(), img.begin(),
               img.begin() + static_cast<std::ptrdiff_t>(colourStart + colourStride * height));
    const std::uint32_t h2 = static_cast<std::uint32_t>(height);
    for (int i = 0; i < 4; ++i)
        bmp[14 + 8 + i] = (h2 >> (8 * i)) & 0xFF;
    QImage out = DecodeBmp(bmp).convertToFormat(QImage::Format_ARGB32);
    if (out.isNull())
        return {};
    bool anyAlpha = false;
    if (bits == 32) {
        // 32-bit rows may carry their own alpha; then the AND mask is unused.
        for (int row = 0; row < height && !anyAlpha; ++row)
            for (int x = 0; x < width; ++x)
                if (img[colourStart + colourStride * row + 4 * x + 3] != 0) {
                    anyAlpha = true;
                    break;
                }
        for (int row = 0; anyAlpha && row < height; ++row)
            for (int x = 0; x < width; ++x) {
                const int y = height - 1 - row;
                const QRgb p = out.pixel(x, y);
                out.setPixel(
                    x, y,
                    qRgba(qRed(p), qGreen(p), qBlue(p), img[colourStart + colourStride * row + 4 * x + 3]));
            }
    }
    if (!anyAlpha && maskStart + maskStride * height <= img.size()) {
        for (int row = 0; row < height; ++row)
            for (int x = 0; x < width; ++x)
                if ((img[maskStart + maskStride * row + x / 8] >> (7 - x % 8)) & 1)
                    out.setPixel(x, height - 1 - row, 0);
    }
    return out;
}

} // namespace korvan::gfx
