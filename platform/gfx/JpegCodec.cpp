#include "platform/gfx/Codecs.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
// After jpeglib.h, which it needs.
#include <jerror.h>

namespace korvan::gfx {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void OnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}
void Silent(j_common_ptr) {}

// The library pads data that ends early with an end marker and goes on to
// decode every missing line: data that ends (or breaks off at a marker)
// before the picture does is refused instead.
void OnMessage(j_common_ptr info, int level) {
    const int code = info->err->msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER))
        OnError(info);
}

} // namespace

QImage DecodeJpeg(ByteView data) {
    if (data.size() < 4 || data[0] != 0xFF || data[1] != 0xD8)
        return {};
    jpeg_decompress_struct cinfo{};
    ErrorManager err{};
    cinfo.err = jpeg_std_error(&err.base);
    err.base.error_exit = OnError;
    err.base.emit_message = OnMessage;
    err.base.output_message = Silent;
    QImage img;
    std::vector<unsigned char> row; // declared before the jump point so that it is always freed
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return {};
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, const_cast<unsigned char*>(data.data()), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    // Refused before the library allocates its buffers for the whole picture.
    if (!FitsPictureBudget(cinfo.image_width, cinfo.image_height)) {
        jpeg_destroy_decompress(&cinfo);
        return {};
    }
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    if (!FitsPictureBudget(cinfo.output_width, cinfo.output_height) || cinfo.output_components != 3) {
        jpeg_destroy_decompress(&cinfo);
        return {};
    }
    img = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                 QImage::Format_RGB32);
    row.resize(cinfo.output_width * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = static_cast<int>(cinfo.output_scanline);
        unsigned char* rows[1] = {row.data()};
        jpeg_read_scanlines(&cinfo, rows, 1);
        auto* out = reinterpret_cast<std::uint32_t*>(img.scanLine(y));
        for (unsigned x = 0; x < cinfo.output_width; ++x)
            out[x] = 0xFF000000u | (row[3 * x] << 16) | (row[3 * x + 1] << 8) | row[3 * x + 2];
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return img;
}

Bytes EncodeJpeg(const QImage& source, const JpegOptions& options) {
    if (source.isNull())
        return {};
    const QImage img = source.convertToFormat(QImage::Format_RGB32);
    jpeg_compress_struct cinfo{};
    ErrorManager err{};
    cinfo.err = jpeg_std_error(&err.base);
    err.base.error_exit = OnError;
    err.base.output_message = Silent;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<unsigned char> row(static_cast<std::size_t>(img.width()) * 3);
    if (setjmp(err.jump)) {
        jpeg_destroy_compress(&cinfo);
        std::free(buffer);
        return {};
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(img.width());
    cinfo.image_height = static_cast<JDIMENSION>(img.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    if (options.Grayscale)
        jpeg_set_colorspace(&cinfo, JCS_GRAYSCALE);
    jpeg_set_quality(&cinfo, std::clamp(options.Quality, 1, 100), TRUE);
    cinfo.dct_method = options.Dct == JpegDct::FastInteger ? JDCT_IFAST
                       : options.Dct == JpegDct::Float     ? JDCT_FLOAT
                                                           : JDCT_ISLOW;
    if (options.Progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        const auto* in =
            reinterpret_cast<const std::uint32_t*>(img.constScanLine(static_cast<int>(cinfo.next_scanline)));
        for (int x = 0; x < img.width(); ++x) {
            row[3 * x] = (in[x] >> 16) & 0xFF;
            row[3 * x + 1] = (in[x] >> 8) & 0xFF;
            row[3 * x + 2] = in[x] & 0xFF;
        }
        unsigned char* rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

} // namespace korvan::gfx
