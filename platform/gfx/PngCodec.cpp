#include "platform/gfx/Codecs.h"

#include <csetjmp>
#include <cstring>
#include <png.h>

namespace korvan::gfx {

namespace {

struct ReadCursor {
    ByteView data;
    std::size_t pos = 0;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t n) {
    auto* cur = static_cast<ReadCursor*>(png_get_io_ptr(png));
    if (cur->pos + n > cur->data.size())
        png_error(png, "truncated");
    std::memcpy(out, cur->data.data() + cur->pos, n);
    cur->pos += n;
}

void WriteToMemory(png_structp png, png_bytep in, png_size_t n) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), in, in + n);
}

void Flush(png_structp) {}

} // namespace

QImage DecodePng(ByteView data) {
    if (data.size() < 8 || png_sig_cmp(data.data(), 0, 8) != 0)
        return {};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return {};
    png_infop info = png_create_info_struct(png);
    QImage img;
    ReadCursor cursor{data};
    std::vector<png_bytep> rows; // declared before the jump point so that it is always freed
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
        return {};
    }
    png_set_read_fn(png, &cursor, ReadFromMemory);
    png_read_info(png, info);
    const png_uint_32 w = png_get_image_width(png, info), h = png_get_image_height(png, info);
    if (!FitsPictureBudget(w, h))
        png_error(png, "size");
    // Everything becomes 8-bit BGRA, which is ARGB32 in memory.
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    img = QImage(static_cast<int>(w), static_cast<int>(h), QImage::Format_ARGB32);
    rows.resize(h);
    for (png_uint_32 y = 0; y < h; ++y)
        rows[y] = img.scanLine(static_cast<int>(y));
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return img;
}

Bytes EncodePng(const QImage& source, int level) {
    if (source.isNull())
        return {};
    const QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const bool alpha = source.hasAlphaChannel();
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png)
        return {};
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return {};
    }
    png_set_write_fn(png, &out, WriteToMemory, Flush);
    png_set_compression_level(png, std::clamp(level, 0, 9));
    png_set_IHDR(png, info, static_cast<png_uint_32>(img.width()), static_cast<png_uint_32>(img.height()), 8,
                 alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_set_bgr(png);
    if (!alpha)
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < img.height(); ++y)
        png_write_row(png, const_cast<png_bytep>(img.constScanLine(y)));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

} // namespace korvan::gfx
