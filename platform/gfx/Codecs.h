#pragma once
// Picture codecs. Decoders check every length against the input and return a
// null image for anything they cannot read; encoders write complete files.

#include <QImage>
#include <cstdint>
#include <span>
#include <vector>

namespace korvan::gfx {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

// BMP: 1, 4, 8, 16, 24 and 32 bits, bottom-up and top-down. bitsPerPixel
// receives the stored depth.
QImage DecodeBmp(ByteView data, int* bitsPerPixel = nullptr);
// bitsPerPixel 1 (black and white), 24 or 32.
Bytes EncodeBmp(const QImage& image, int bitsPerPixel = 24);

// PNG through libpng: ARGB32 with the file's alpha. Level 0..9.
QImage DecodePng(ByteView data);
Bytes EncodePng(const QImage& image, int compressionLevel = 6);

enum class JpegDct { Integer, FastInteger, Float };
struct JpegOptions {
    int Quality = 90;
    bool Progressive = false;
    JpegDct Dct = JpegDct::Integer;
    bool Grayscale = false;
};
// JPEG through libjpeg.
QImage DecodeJpeg(ByteView data);
Bytes EncodeJpeg(const QImage& image, const JpegOptions& options = {});

// GIF: the first frame, with its transparent colour as alpha 0.
QImage DecodeGif(ByteView data);
// ICO: the largest image (BMP with AND mask, or PNG inside).
QImage DecodeIco(ByteView data);

} // namespace korvan::gfx
