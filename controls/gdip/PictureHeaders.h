#pragma once
// Picture sizes read from a file's header without decoding it. Every
// reader takes the whole file as bytes, checks each read against the end,
// and gives 0 x 0 when it finds no size.

#include <cstdint>
#include <span>
#include <string_view>

namespace korvan::gdip {

struct HeaderSize {
    std::uint16_t Width = 0;
    std::uint16_t Height = 0;
    bool operator==(const HeaderSize&) const = default;
};

using HeaderBytes = std::span<const std::uint8_t>;

// The first start-of-frame segment (any SOFn marker) gives the size.
HeaderSize JpegHeaderSize(HeaderBytes file);
// The low halves of the header chunk's width and height.
HeaderSize PngHeaderSize(HeaderBytes file);
// The low halves of the width and of the absolute height (a top-down
// bitmap stores its height negative).
HeaderSize BmpHeaderSize(HeaderBytes file);
// Tags 256 and 257 of the first image directory, in the byte order the
// header names ("II" little endian, "MM" big endian).
HeaderSize TiffHeaderSize(HeaderBytes file);
// The first image descriptor, after the global colour table and any
// extension blocks.
HeaderSize GifHeaderSize(HeaderBytes file);

// The reader chosen by a file name's extension (case ignored): .jpg and
// .jpeg, .png, .bmp, .tif and .tiff, .gif; any other extension gives 0 x 0.
HeaderSize HeaderSizeByExtension(std::string_view fileName, HeaderBytes file);

} // namespace korvan::gdip
