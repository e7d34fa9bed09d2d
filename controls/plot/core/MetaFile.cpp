#include "controls/plot/core/MetaFile.h"

#include "platform/gfx/Codecs.h"

namespace korvan::plot {

namespace {

constexpr std::uint32_t kEmfSignature = 0x464D4520; // " EMF"
constexpr std::uint32_t kHeaderSize = 108;          // with both header extensions
constexpr std::uint32_t kStretchDIBitsSize = 80;
constexpr std::uint32_t kBitmapInfoSize = 40;
constexpr std::uint32_t kEofSize = 20;
constexpr std::uint32_t kSrcCopy = 0x00CC0020;
// The reference device: a screen of 96 pixels an inch.
constexpr std::int32_t kDeviceWidth = 1920, kDeviceHeight = 1080;
constexpr std::int32_t kDeviceWidthMm = 508, kDeviceHeightMm = 286;

class Writer {
public:
    void U16(std::uint16_t v) {
        bytes.push_back(std::uint8_t(v));
        bytes.push_back(std::uint8_t(v >> 8));
    }
    void U32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(std::uint8_t(v >> (8 * i)));
    }
    void I32(std::int32_t v) { U32(std::uint32_t(v)); }
    void Rect(std::int32_t l, std::int32_t t, std::int32_t r, std::int32_t b) {
        I32(l);
        I32(t);
        I32(r);
        I32(b);
    }
    void PutU32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bytes[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
    }
    std::vector<std::uint8_t> bytes;
};

class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> d) : data(d) {}
    bool Has(std::size_t at, std::size_t n) const { return at <= data.size() && n <= data.size() - at; }
    std::uint32_t U32(std::size_t at) const {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v |= std::uint32_t(data[at + std::size_t(i)]) << (8 * i);
        return v;
    }
    std::int32_t I32(std::size_t at) const { return std::int32_t(U32(at)); }
    std::uint16_t U16(std::size_t at) const { return std::uint16_t(data[at] | (data[at + 1] << 8)); }
    std::span<const std::uint8_t> data;
};

std::uint32_t RowBytes(std::uint32_t width) {
    return (width * 3 + 3) & ~3u;
}

std::int32_t PixelsToHundredthsMm(std::int32_t pixels, std::int32_t devicePixels, std::int32_t deviceMm) {
    return std::int32_t((std::int64_t(pixels) * deviceMm * 100 + devicePixels / 2) / devicePixels);
}

// The picture of a stretched bitmap record: 24 or 32 bits a pixel, no
// compression, rows bottom-up (or top-down for a negative height).
QImage ReadStretchDIBits(const Reader& r, std::size_t record, std::uint32_t size) {
    if (size < kStretchDIBitsSize)
        return {};
    const std::uint32_t offBmi = r.U32(record + 48), cbBmi = r.U32(record + 52);
    const std::uint32_t offBits = r.U32(record + 56), cbBits = r.U32(record + 60);
    if (cbBmi < kBitmapInfoSize || offBmi > size || cbBmi > size - offBmi || offBits > size ||
        cbBits > size - offBits)
        return {};
    const std::size_t bmi = record + offBmi;
    const std::int32_t width = r.I32(bmi + 4), rawHeight = r.I32(bmi + 8);
    const std::uint16_t bits = r.U16(bmi + 14);
    const std::uint32_t compression = r.U32(bmi + 16);
    if (rawHeight == INT32_MIN || compression != 0 || (bits != 24 && bits != 32))
        return {};
    const bool topDown = rawHeight < 0;
    const std::int32_t height = topDown ? -rawHeight : rawHeight;
    if (!korvan::gfx::FitsPictureBudget(width, height))
        return {};
    const std::uint64_t stride = bits == 24 ? RowBytes(std::uint32_t(width)) : std::uint64_t(width) * 4;
    if (stride * std::uint64_t(height) > cbBits)
        return {};
    QImage image(width, height, QImage::Format_RGB32);
    const std::size_t pixelBytes = bits / 8;
    for (std::int32_t y = 0; y < height; ++y) {
        const std::size_t row = record + offBits + std::size_t(topDown ? y : height - 1 - y) * stride;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (std::int32_t x = 0; x < width; ++x) {
            const std::size_t p = row + std::size_t(x) * pixelBytes;
            line[x] = qRgb(r.data[p + 2], r.data[p + 1], r.data[p]);
        }
    }
    return image;
}

} // namespace

std::vector<std::uint8_t> EncodeMetaFile(const QImage& source, const std::string& creator,
                                         const std::string& title) {
    if (source.isNull() || !korvan::gfx::FitsPictureBudget(source.width(), source.height()))
        return {};
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const std::int32_t w = image.width(), h = image.height();

    // "creator\0title\0\0" in UTF-16, padded to whole 32-bit words.
    std::vector<std::uint16_t> description;
    for (const std::string* part : {&creator, &title}) {
        for (const QChar c : QString::fromStdString(*part))
            description.push_back(c.unicode());
        description.push_back(0);
    }
    description.push_back(0);
    const std::uint32_t descriptionBytes = std::uint32_t(description.size() * 2);
    const std::uint32_t headerRecordSize = kHeaderSize + ((descriptionBytes + 3) & ~3u);
    const std::uint32_t bitsSize = RowBytes(std::uint32_t(w)) * std::uint32_t(h);
    const std::uint32_t rasterSize = kStretchDIBitsSize + kBitmapInfoSize + bitsSize;
    const std::uint32_t total = headerRecordSize + rasterSize + kEofSize;

    Writer out;
    out.bytes.reserve(total);
    // Header.
    out.U32(kEmrHeader);
    out.U32(headerRecordSize);
    out.Rect(0, 0, w - 1, h - 1);
    out.Rect(0, 0, PixelsToHundredthsMm(w, kDeviceWidth, kDeviceWidthMm) - 1,
             PixelsToHundredthsMm(h, kDeviceHeight, kDeviceHeightMm) - 1);
    out.U32(kEmfSignature);
    out.U32(0x10000);
    out.U32(total);
    out.U32(3); // records
    out.U16(1); // handles: the reserved zeroth one
    out.U16(0); // reserved
    out.U32(std::uint32_t(description.size()));
    out.U32(kHeaderSize);
    out.U32(0); // palette entries
    out.I32(kDeviceWidth);
    out.I32(kDeviceHeight);
    out.I32(kDeviceWidthMm);
    out.I32(kDeviceHeightMm);
    out.U32(0); // pixel format size
    out.U32(0); // pixel format offset
    out.U32(0); // no OpenGL records
    out.I32(kDeviceWidthMm * 1000);
    out.I32(kDeviceHeightMm * 1000);
    for (const std::uint16_t c : description)
        out.U16(c);
    while (out.bytes.size() < headerRecordSize)
        out.bytes.push_back(0);

    // The picture, copied 1:1.
    out.U32(kEmrStretchDIBits);
    out.U32(rasterSize);
    out.Rect(0, 0, w - 1, h - 1);
    out.I32(0); // destination x, y
    out.I32(0);
    out.I32(0); // source x, y, width, height
    out.I32(0);
    out.I32(w);
    out.I32(h);
    out.U32(kStretchDIBitsSize);
    out.U32(kBitmapInfoSize);
    out.U32(kStretchDIBitsSize + kBitmapInfoSize);
    out.U32(bitsSize);
    out.U32(0); // RGB colours
    out.U32(kSrcCopy);
    out.I32(w);
    out.I32(h);
    // Bitmap info header: 24 bits, bottom-up.
    out.U32(kBitmapInfoSize);
    out.I32(w);
    out.I32(h);
    out.U16(1);
    out.U16(24);
    out.U32(0);
    out.U32(bitsSize);
    out.I32(3780); // 96 pixels an inch, in pixels a metre
    out.I32(3780);
    out.U32(0);
    out.U32(0);
    const std::uint32_t stride = RowBytes(std::uint32_t(w));
    for (std::int32_t y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (std::int32_t x = 0; x < w; ++x) {
            out.bytes.push_back(std::uint8_t(qBlue(line[x])));
            out.bytes.push_back(std::uint8_t(qGreen(line[x])));
            out.bytes.push_back(std::uint8_t(qRed(line[x])));
        }
        for (std::uint32_t pad = std::uint32_t(w) * 3; pad < stride; ++pad)
            out.bytes.push_back(0);
    }

    // End of file: no palette.
    out.U32(kEmrEof);
    out.U32(kEofSize);
    out.U32(0);
    out.U32(16);
    out.U32(kEofSize);
    return out.bytes;
}

std::optional<TMetaFileInfo> ReadMetaFile(std::span<const std::uint8_t> data) {
    const Reader r(data);
    if (!r.Has(0, 88) || r.U32(0) != kEmrHeader || r.U32(40) != kEmfSignature)
        return std::nullopt;
    TMetaFileInfo info;
    info.BoundsLeft = r.I32(8);
    info.BoundsTop = r.I32(12);
    info.BoundsRight = r.I32(16);
    info.BoundsBottom = r.I32(20);
    info.FrameLeft = r.I32(24);
    info.FrameTop = r.I32(28);
    info.FrameRight = r.I32(32);
    info.FrameBottom = r.I32(36);
    info.Version = r.U32(44);
    info.Bytes = r.U32(48);
    info.Records = r.U32(52);
    const std::uint32_t headerSize = r.U32(4);
    if (headerSize < 88 || !r.Has(0, headerSize) || info.Bytes > data.size())
        return std::nullopt;

    const std::uint32_t chars = r.U32(60), offset = r.U32(64);
    if (chars > 0) {
        if (offset < 88 || offset > headerSize || chars > (headerSize - offset) / 2)
            return std::nullopt;
        std::string part;
        for (std::uint32_t i = 0; i < chars; ++i) {
            const std::uint16_t c = r.U16(offset + 2 * std::size_t(i));
            if (c == 0) {
                if (part.empty() && !info.Description.empty())
                    break;
                info.Description.push_back(part);
                part.clear();
            } else {
                part += c < 0x80 ? char(c) : '?';
            }
        }
    }

    std::size_t at = 0;
    while (true) {
        if (!r.Has(at, 8))
            return std::nullopt;
        const std::uint32_t type = r.U32(at), size = r.U32(at + 4);
        if (size < 8 || size % 4 != 0 || !r.Has(at, size))
            return std::nullopt;
        info.RecordList.push_back({type, size});
        if (type == kEmrStretchDIBits && info.Picture.isNull())
            info.Picture = ReadStretchDIBits(r, at, size);
        at += size;
        if (type == kEmrEof)
            break;
    }
    if (info.RecordList.size() != info.Records || at != info.Bytes)
        return std::nullopt;
    return info;
}

} // namespace korvan::plot
