// TIFF: the baseline files a paint program writes. One image (the first
// directory), 8 bits a sample, chunky samples in strips, uncompressed or
// PackBits; grey (either polarity), palette, RGB and RGBA. Anything else
// is refused with a null image.

#include "platform/gfx/Codecs.h"

#include <optional>

namespace korvan::gfx {

namespace {

class TiffReader {
public:
    TiffReader(ByteView data, bool bigEndian) : data_(data), big_(bigEndian) {}
    std::optional<std::uint32_t> U16(std::uint64_t at) const {
        if (at + 2 > data_.size())
            return std::nullopt;
        const std::uint32_t a = data_[at], b = data_[at + 1];
        return big_ ? (a << 8 | b) : (b << 8 | a);
    }
    std::optional<std::uint32_t> U32(std::uint64_t at) const {
        const auto a = U16(at), b = U16(at + 2);
        if (!a || !b)
            return std::nullopt;
        return big_ ? (*a << 16 | *b) : (*b << 16 | *a);
    }
    ByteView Data() const { return data_; }

private:
    ByteView data_;
    bool big_;
};

// One directory entry: its values (SHORT or LONG) read where they sit.
struct Entry {
    std::uint32_t type = 0, count = 0;
    std::uint64_t valueAt = 0; // inline field or the offset it holds

    std::optional<std::uint32_t> Value(const TiffReader& r, std::uint32_t i) const {
        if (i >= count)
            return std::nullopt;
        if (type == 3)
            return r.U16(valueAt + 2ull * i);
        if (type == 4)
            return r.U32(valueAt + 4ull * i);
        return std::nullopt;
    }
};

constexpr std::uint32_t kMaxEntries = 4096;

// PackBits runs into exactly `want` bytes; false when the data ends first
// or a run goes past.
bool UnpackBits(ByteView in, std::size_t want, Bytes& out) {
    out.clear();
    std::size_t at = 0;
    while (out.size() < want) {
        if (at >= in.size())
            return false;
        const auto n = static_cast<std::int8_t>(in[at++]);
        if (n >= 0) {
            const std::size_t len = std::size_t(n) + 1;
            if (at + len > in.size() || out.size() + len > want)
                return false;
            out.insert(out.end(), in.begin() + std::ptrdiff_t(at), in.begin() + std::ptrdiff_t(at + len));
            at += len;
        } else if (n != -128) {
            const std::size_t len = std::size_t(1 - n);
            if (at >= in.size() || out.size() + len > want)
                return false;
            out.insert(out.end(), len, in[at++]);
        }
    }
    return true;
}

} // namespace

QImage DecodeTiff(ByteView data) {
    if (data.size() < 8)
        return {};
    bool big = false;
    if (data[0] == 'M' && data[1] == 'M')
        big = true;
    else if (data[0] != 'I' || data[1] != 'I')
        return {};
    const TiffReader r(data, big);
    if (r.U16(2) != 42u)
        return {};
    const auto directory = r.U32(4);
    const auto count = directory ? r.U16(*directory) : std::nullopt;
    if (!count || *count > kMaxEntries)
        return {};
    Entry tags[340];
    for (std::uint32_t i = 0; i < *count; ++i) {
        const std::uint64_t at = std::uint64_t(*directory) + 2 + 12ull * i;
        const auto tag = r.U16(at), type = r.U16(at + 2), n = r.U32(at + 4);
        if (!tag || !type || !n)
            return {};
        if (*tag >= 340)
            continue;
        Entry e{*type, *n, at + 8};
        const std::uint64_t bytes = std::uint64_t(*n) * (*type == 3 ? 2 : 4);
        if (bytes > 4) {
            const auto offset = r.U32(at + 8);
            if (!offset)
                return {};
            e.valueAt = *offset;
        }
        tags[*tag] = e;
    }
    auto value = [&](int tag, std::uint32_t fallback) -> std::optional<std::uint32_t> {
        if (tags[tag].count == 0)
            return fallback;
        return tags[tag].Value(r, 0);
    };
    const auto width = value(256, 0), height = value(257, 0), compression = value(259, 1);
    const auto photometric = value(262, 1), samples = value(277, 1), planar = value(284, 1);
    const auto bits = value(258, 1);
    if (!width || !height || !compression || !photometric || !samples || !planar || !bits)
        return {};
    if (!FitsPictureBudget(*width, *height) || *planar != 1 || *bits != 8 ||
        (*compression != 1 && *compression != 32773))
        return {};
    for (std::uint32_t s = 1; s < *samples; ++s)
        if (tags[258].Value(r, s).value_or(8) != 8)
            return {};
    const bool grey = *photometric == 0 || *photometric == 1, palette = *photometric == 3;
    const bool rgb = *photometric == 2;
    if (!((grey || palette) && *samples >= 1) && !(rgb && *samples >= 3))
        return {};
    QList<QRgb> colours;
    if (palette) {
        const Entry& map = tags[320];
        if (map.count != 3 * 256)
            return {};
        for (std::uint32_t i = 0; i < 256; ++i) {
            const auto red = map.Value(r, i), green = map.Value(r, 256 + i), blue = map.Value(r, 512 + i);
            if (!red || !green || !blue)
                return {};
            colours.push_back(qRgb(int(*red >> 8), int(*green >> 8), int(*blue >> 8)));
        }
    }
    const bool alpha = rgb && *samples >= 4 && tags[338].count > 0;
    const std::size_t rowBytes = std::size_t(*width) * *samples;
    const std::uint32_t rowsPerStrip = std::max<std::uint32_t>(1, value(278, *height).value_or(*height));
    const Entry& offsets = tags[273];
    const Entry& counts = tags[279];
    const std::uint64_t strips = (std::uint64_t(*height) + rowsPerStrip - 1) / rowsPerStrip;
    if (offsets.count < strips || counts.count < strips)
        return {};

    QImage img(int(*width), int(*height), QImage::Format_ARGB32);
    Bytes unpacked;
    for (std::uint32_t strip = 0; strip < strips; ++strip) {
        const auto at = offsets.Value(r, strip), size = counts.Value(r, strip);
        if (!at || !size || std::uint64_t(*at) + *size > data.size())
            return {};
        const std::uint32_t firstRow = strip * rowsPerStrip;
        const std::uint32_t rows = std::min(rowsPerStrip, *height - firstRow);
        const std::size_t want = rowBytes * rows;
        ByteView raw = data.subspan(*at, *size);
        if (*compression == 32773) {
            if (!UnpackBits(raw, want, unpacked))
                return {};
            raw = unpacked;
        } else if (raw.size() < want) {
            return {};
        }
        for (std::uint32_t y = 0; y < rows; ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(int(firstRow + y)));
            const std::uint8_t* px = raw.data() + std::size_t(y) * rowBytes;
            for (std::uint32_t x = 0; x < *width; ++x, px += *samples) {
                if (rgb)
                    line[x] = qRgba(px[0], px[1], px[2], alpha ? px[3] : 255);
                else if (palette)
                    line[x] = colours[px[0]];
                else {
                    const int v = *photometric == 0 ? 255 - px[0] : px[0];
                    line[x] = qRgb(v, v, v);
                }
            }
        }
    }
    return img;
}

} // namespace korvan::gfx
