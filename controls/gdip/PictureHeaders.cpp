#include "controls/gdip/PictureHeaders.h"

#include <cctype>
#include <cstdlib>
#include <optional>
#include <string>

namespace korvan::gdip {

namespace {

// Reads fixed-size values at offsets of a byte span; every read is checked
// against the end and an empty optional tells it ran past.
class Reader {
public:
    explicit Reader(HeaderBytes bytes) : bytes_(bytes) {}
    std::size_t Size() const { return bytes_.size(); }
    std::optional<std::uint32_t> U8(std::size_t at) const {
        if (at >= bytes_.size())
            return std::nullopt;
        return bytes_[at];
    }
    std::optional<std::uint32_t> U16(std::size_t at, bool bigEndian) const {
        if (at > bytes_.size() || bytes_.size() - at < 2)
            return std::nullopt;
        const std::uint32_t a = bytes_[at], b = bytes_[at + 1];
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    }
    std::optional<std::uint32_t> U32(std::size_t at, bool bigEndian) const {
        const auto hi = U16(at, bigEndian), lo = U16(at + 2, bigEndian);
        if (!hi || !lo)
            return std::nullopt;
        return bigEndian ? (*hi << 16 | *lo) : (*lo << 16 | *hi);
    }
    bool StartsWith(std::initializer_list<std::uint8_t> magic) const {
        if (bytes_.size() < magic.size())
            return false;
        std::size_t i = 0;
        for (std::uint8_t m : magic)
            if (bytes_[i++] != m)
                return false;
        return true;
    }

private:
    HeaderBytes bytes_;
};

std::uint16_t Low16(std::uint32_t v) {
    return static_cast<std::uint16_t>(v & 0xFFFF);
}

// The absolute value of a signed 32-bit field, low 16 bits.
std::uint16_t AbsLow16(std::uint32_t v) {
    const std::int64_t s = static_cast<std::int32_t>(v);
    return Low16(static_cast<std::uint32_t>(std::llabs(s) & 0xFFFFFFFF));
}

bool IsStartOfFrame(std::uint32_t m) {
    // C4 (Huffman tables), C8 (reserved) and CC (arithmetic conditioning)
    // share the range but are no frames.
    return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
}

bool IsStandalone(std::uint32_t m) {
    return m == 0x01 || (m >= 0xD0 && m <= 0xD7);
}

} // namespace

HeaderSize JpegHeaderSize(HeaderBytes file) {
    const Reader r(file);
    if (!r.StartsWith({0xFF, 0xD8}))
        return {};
    std::size_t at = 2;
    while (at < r.Size()) {
        if (*r.U8(at) != 0xFF)
            return {};
        // Fill bytes: any number of FF before the marker.
        while (at < r.Size() && *r.U8(at) == 0xFF)
            ++at;
        const auto marker = r.U8(at);
        if (!marker)
            return {};
        ++at;
        if (IsStartOfFrame(*marker)) {
            // Length (2) and sample precision (1), then height and width.
            const auto height = r.U16(at + 3, true), width = r.U16(at + 5, true);
            if (!height || !width)
                return {};
            return {Low16(*width), Low16(*height)};
        }
        if (IsStandalone(*marker))
            continue;
        const auto length = r.U16(at, true);
        if (!length || *length < 2)
            return {};
        at += *length;
    }
    return {};
}

HeaderSize PngHeaderSize(HeaderBytes file) {
    const Reader r(file);
    if (!r.StartsWith({0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A}))
        return {};
    const auto width = r.U16(18, true), height = r.U16(22, true);
    if (!width || !height)
        return {};
    return {Low16(*width), Low16(*height)};
}

HeaderSize BmpHeaderSize(HeaderBytes file) {
    const Reader r(file);
    if (!r.StartsWith({'B', 'M'}))
        return {};
    const auto width = r.U32(18, false), height = r.U32(22, false);
    if (!width || !height)
        return {};
    return {Low16(*width), AbsLow16(*height)};
}

HeaderSize TiffHeaderSize(HeaderBytes file) {
    const Reader r(file);
    bool big = false;
    if (r.StartsWith({'M', 'M'}))
        big = true;
    else if (!r.StartsWith({'I', 'I'}))
        return {};
    const auto directory = r.U32(4, big);
    if (!directory)
        return {};
    const auto count = r.U16(*directory, big);
    if (!count)
        return {};
    std::optional<std::uint32_t> width, height;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const std::size_t entry = std::size_t(*directory) + 2 + std::size_t(i) * 12;
        const auto tag = r.U16(entry, big), type = r.U16(entry + 2, big);
        if (!tag || !type)
            return {};
        if (*tag != 256 && *tag != 257)
            continue;
        // A SHORT sits in the first two bytes of the value field, whatever
        // the byte order; anything else is read as a LONG.
        const auto value = *type == 3 ? r.U16(entry + 8, big) : r.U32(entry + 8, big);
        if (!value)
            return {};
        (*tag == 256 ? width : height) = *value;
        if (width && height)
            return {AbsLow16(*width), AbsLow16(*height)};
    }
    return {};
}

HeaderSize GifHeaderSize(HeaderBytes file) {
    const Reader r(file);
    if (!r.StartsWith({'G', 'I', 'F'}))
        return {};
    const auto flags = r.U8(10);
    if (!flags || r.Size() < 13)
        return {};
    std::size_t at = 13;
    if (*flags & 0x80)
        at += 3 * (std::size_t(1) << ((*flags & 7) + 1));
    while (const auto block = r.U8(at)) {
        ++at;
        if (*block == 0x2C) {
            // Left, top, width, height, flags.
            const auto width = r.U16(at + 4, false), height = r.U16(at + 6, false);
            if (!width || !height || !r.U8(at + 8))
                return {};
            return {Low16(*width), Low16(*height)};
        }
        if (*block != 0x21)
            return {}; // the trailer, or no block at all
        // Extension: a label, then data sub-blocks up to an empty one.
        ++at;
        while (true) {
            const auto size = r.U8(at);
            if (!size)
                return {};
            at += 1 + *size;
            if (*size == 0)
                break;
        }
    }
    return {};
}

HeaderSize HeaderSizeByExtension(std::string_view fileName, HeaderBytes file) {
    const std::size_t dot = fileName.find_last_of('.');
    if (dot == std::string_view::npos)
        return {};
    std::string ext(fileName.substr(dot));
    for (char& c : ext)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (ext == ".JPG" || ext == ".JPEG")
        return JpegHeaderSize(file);
    if (ext == ".PNG")
        return PngHeaderSize(file);
    if (ext == ".BMP")
        return BmpHeaderSize(file);
    if (ext == ".TIFF" || ext == ".TIF")
        return TiffHeaderSize(file);
    if (ext == ".GIF")
        return GifHeaderSize(file);
    return {};
}

} // namespace korvan::gdip
