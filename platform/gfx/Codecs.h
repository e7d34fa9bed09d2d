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

// The largest picture we read or write: 32768 pixels a side and 64
// megapixels in all (256 MiB as ARGB32). Decoders refuse a larger header
// before they allocate anything; encoders refuse a larger image, so what
// one writes the other reads.
inline constexpr std::int64_t kMaxPictureSide = 32768;
inline constexpr std::int64_t kMaxPicturePixels = std::int64_t(64) << 20;
constexpr bool FitsPictureBudget(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

// BMP: 1, 4, 8, 16, 24 and 32 bits, bottom-up and top-down. bitsPerPixel
// receives the stored depth.
QImage DecodeBmp(ByteView data, int* bitsPerPixel = nullptr);
// bitsPerPixel 1 (black and white), 24 or 32. Empty for an image beyond
// the picture budget.
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
// JPEG through libjpeg. Data that ends before the last line is refused.
QImage DecodeJpeg(ByteView data);
Bytes EncodeJpeg(const QImage& image, const JpegOptions& options = {});

// GIF: the first frame, with its transparent colour as alpha 0.
QImage DecodeGif(ByteView data);
// ICO: the largest image (BMP with AND mask, or PNG inside).
QImage DecodeIco(ByteView data);
// TIFF, either byte order: the first image, 8 bits a sample in strips,
// uncompressed or PackBits; grey, palette, RGB and RGBA.
QImage DecodeTiff(ByteView data);

} // namespace korvan::gfx
