#include "controls/gdip/PictureHeaders.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <vector>

using namespace korvan::gdip;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}
Bytes Be16(unsigned v) {
    return {std::uint8_t(v >> 8), std::uint8_t(v)};
}
Bytes Le16(unsigned v) {
    return {std::uint8_t(v), std::uint8_t(v >> 8)};
}
Bytes Be32(std::uint32_t v) {
    return Cat({Be16(v >> 16), Be16(v & 0xFFFF)});
}
Bytes Le32(std::uint32_t v) {
    return Cat({Le16(v & 0xFFFF), Le16(v >> 16)});
}
Bytes Zeros(std::size_t n) {
    return Bytes(n, 0);
}

// A frame segment: length, precision, height, width, one component.
Bytes JpegFrame(std::uint8_t marker, unsigned width, unsigned height) {
    return Cat({{0xFF, marker}, Be16(11), {8}, Be16(height), Be16(width), {1, 1, 0x11, 0}});
}
// An application segment whose data holds bytes that look like a frame.
Bytes JpegThumbnailSegment() {
    const Bytes inner = JpegFrame(0xC0, 9, 9);
    return Cat({{0xFF, 0xE1}, Be16(unsigned(inner.size() + 2)), inner});
}

Bytes Png(std::uint32_t width, std::uint32_t height) {
    return Cat({{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A},
                Be32(13),
                {'I', 'H', 'D', 'R'},
                Be32(width),
                Be32(height),
                {8, 6, 0, 0, 0},
                Zeros(4)});
}

Bytes Bmp(std::int32_t width, std::int32_t height) {
    return Cat({{'B', 'M'},
                Le32(70),
                Zeros(4),
                Le32(54),
                Le32(40),
                Le32(std::uint32_t(width)),
                Le32(std::uint32_t(height)),
                Le16(1),
                Le16(24),
                Zeros(24),
                Zeros(16)});
}

// One directory after the header with a tag of another kind first; the
// size tags as SHORT (type 3) or LONG (type 4) values.
Bytes Tiff(bool bigEndian, unsigned width, unsigned height, unsigned type) {
    auto u16 = [&](unsigned v) { return bigEndian ? Be16(v) : Le16(v); };
    auto u32 = [&](std::uint32_t v) { return bigEndian ? Be32(v) : Le32(v); };
    auto value = [&](unsigned v) { return type == 3 ? Cat({u16(v), Zeros(2)}) : u32(v); };
    return Cat({bigEndian ? Bytes{'M', 'M'} : Bytes{'I', 'I'}, u16(42), u32(8), u16(3),
                Cat({u16(259), u16(3), u32(1), u16(1), Zeros(2)}),
                Cat({u16(256), u16(type), u32(1), value(width)}),
                Cat({u16(257), u16(type), u32(1), value(height)}), u32(0)});
}

// GIF89a with a 256-entry global colour table, a graphic control
// extension and a comment whose text holds an image separator byte.
Bytes GifWithExtensions(unsigned width, unsigned height) {
    return Cat({{'G', 'I', 'F', '8', '9', 'a'},
                Le16(300),
                Le16(200),
                {0x87, 0, 0},
                Bytes(768, 0x2C),
                {0x21, 0xF9, 4, 1, 0, 0, 0, 0},
                {0x21, 0xFE, 3, 0x2C, 0x2C, 0x2C, 2, 'h', 'i', 0},
                {0x2C},
                Le16(1),
                Le16(2),
                Le16(width),
                Le16(height),
                {0},
                {2, 2, 0x4C, 0x01, 0},
                {0x3B}});
}

} // namespace

TEST(PictureHeaders, JpegSizeComesFromEveryFrameKind) {
    for (int marker : {0xC0, 0xC1, 0xC2, 0xC3, 0xC5, 0xC6, 0xC7, 0xC9, 0xCA, 0xCB, 0xCD, 0xCE, 0xCF}) {
        const Bytes file = Cat({{0xFF, 0xD8}, JpegFrame(std::uint8_t(marker), 640, 480), {0xFF, 0xD9}});
        EXPECT_EQ(JpegHeaderSize(file), (HeaderSize{640, 480})) << marker;
    }
}

TEST(PictureHeaders, JpegSkipsSegmentsByLengthAndStandaloneMarkers) {
    // Huffman tables (C4) share the frame range but are skipped; fill
    // bytes and a restart marker precede the frame.
    const Bytes tables = Cat({{0xFF, 0xC4}, Be16(5), {1, 2, 3}});
    const Bytes file = Cat({{0xFF, 0xD8},
                            JpegThumbnailSegment(),
                            tables,
                            {0xFF, 0xD0},
                            {0xFF, 0xFF, 0xFF},
                            JpegFrame(0xC2, 1024, 768)});
    EXPECT_EQ(JpegHeaderSize(file), (HeaderSize{1024, 768}));
}

TEST(PictureHeaders, JpegWithoutAFrameOrSignatureHasNoSize) {
    const Bytes frame = Cat({{0xFF, 0xD8}, JpegFrame(0xC0, 10, 20)});
    EXPECT_EQ(JpegHeaderSize(Bytes{0xFF, 0xD9, 0xFF, 0xC0}), HeaderSize{});
    for (std::size_t cut = 0; cut < frame.size() - 4; ++cut)
        EXPECT_EQ(JpegHeaderSize(Bytes(frame.begin(), frame.begin() + std::ptrdiff_t(cut))), HeaderSize{})
            << cut;
    // A segment length below its own two bytes would loop.
    EXPECT_EQ(JpegHeaderSize(Cat({{0xFF, 0xD8, 0xFF, 0xE0}, Be16(0), JpegFrame(0xC0, 1, 1)})), HeaderSize{});
    // Something other than a marker where one belongs.
    EXPECT_EQ(JpegHeaderSize(Cat({{0xFF, 0xD8, 0x00}, JpegFrame(0xC0, 1, 1)})), HeaderSize{});
}

TEST(PictureHeaders, PngGivesTheLowHalvesOfItsHeaderChunk) {
    EXPECT_EQ(PngHeaderSize(Png(300, 200)), (HeaderSize{300, 200}));
    EXPECT_EQ(PngHeaderSize(Png(0x00012345, 0x0001FFFF)), (HeaderSize{0x2345, 0xFFFF}));
    Bytes wrong = Png(300, 200);
    wrong[1] = 'Q';
    EXPECT_EQ(PngHeaderSize(wrong), HeaderSize{});
    const Bytes png = Png(3, 2);
    EXPECT_EQ(PngHeaderSize(Bytes(png.begin(), png.begin() + 23)), HeaderSize{});
}

TEST(PictureHeaders, BmpTopDownHeightIsItsAbsoluteValue) {
    EXPECT_EQ(BmpHeaderSize(Bmp(17, 23)), (HeaderSize{17, 23}));
    EXPECT_EQ(BmpHeaderSize(Bmp(17, -23)), (HeaderSize{17, 23}));
    EXPECT_EQ(BmpHeaderSize(Bmp(0x10005, -0x10007)), (HeaderSize{5, 7}));
    // The most negative height has no positive twin in 32 bits; its
    // absolute value's low half is 0.
    EXPECT_EQ(BmpHeaderSize(Bmp(1, std::numeric_limits<std::int32_t>::min())), (HeaderSize{1, 0}));
    EXPECT_EQ(BmpHeaderSize(Bytes(25, 'B')), HeaderSize{});
    const Bytes bmp = Bmp(4, 4);
    EXPECT_EQ(BmpHeaderSize(Bytes(bmp.begin(), bmp.begin() + 25)), HeaderSize{});
}

TEST(PictureHeaders, TiffHonoursEitherByteOrderAndValueType) {
    struct Case {
        bool bigEndian;
        unsigned type;
    };
    for (const Case c : {Case{false, 3}, Case{false, 4}, Case{true, 3}, Case{true, 4}})
        EXPECT_EQ(TiffHeaderSize(Tiff(c.bigEndian, 321, 123, c.type)), (HeaderSize{321, 123}))
            << c.bigEndian << " " << c.type;
}

TEST(PictureHeaders, TiffWithABadDirectoryHasNoSize) {
    Bytes far = Tiff(false, 5, 6, 3);
    far[4] = 0xF0; // directory beyond the end
    EXPECT_EQ(TiffHeaderSize(far), HeaderSize{});
    Bytes many = Tiff(true, 5, 6, 4);
    many[8] = 0xFF; // more entries than the file holds, none of them the size
    many[9] = 0xFF;
    const Bytes cut(many.begin(), many.begin() + 8 + 2 + 12);
    EXPECT_EQ(TiffHeaderSize(cut), HeaderSize{});
    EXPECT_EQ(TiffHeaderSize(Bytes{'X', 'X', 42, 0, 8, 0, 0, 0}), HeaderSize{});
}

TEST(PictureHeaders, GifWalksExtensionsToTheImageDescriptor) {
    EXPECT_EQ(GifHeaderSize(GifWithExtensions(48, 36)), (HeaderSize{48, 36}));
    const Bytes plain = Cat({{'G', 'I', 'F', '8', '7', 'a'},
                             Le16(8),
                             Le16(8),
                             {0, 0, 0},
                             {0x2C},
                             Zeros(4),
                             Le16(8),
                             Le16(9),
                             {0}});
    EXPECT_EQ(GifHeaderSize(plain), (HeaderSize{8, 9}));
    const Bytes gif = GifWithExtensions(48, 36);
    for (std::size_t cut :
         {std::size_t(5), std::size_t(12), std::size_t(500), std::size_t(790), std::size_t(805)})
        EXPECT_EQ(GifHeaderSize(Bytes(gif.begin(), gif.begin() + std::ptrdiff_t(cut))), HeaderSize{}) << cut;
    // The trailer before any image.
    EXPECT_EQ(GifHeaderSize(Cat({{'G', 'I', 'F', '8', '9', 'a'}, Zeros(7), {0x3B}, {0x2C}, Zeros(9)})),
              HeaderSize{});
}

TEST(PictureHeaders, TheExtensionChoosesTheReader) {
    const Bytes png = Png(30, 20);
    EXPECT_EQ(HeaderSizeByExtension("a.png", png), (HeaderSize{30, 20}));
    EXPECT_EQ(HeaderSizeByExtension("dir.x/A.PnG", png), (HeaderSize{30, 20}));
    EXPECT_EQ(HeaderSizeByExtension("a.jpg", png), HeaderSize{});
    EXPECT_EQ(HeaderSizeByExtension("a.png.txt", png), HeaderSize{});
    EXPECT_EQ(HeaderSizeByExtension("png", png), HeaderSize{});
    const Bytes tiff = Tiff(true, 7, 8, 3);
    EXPECT_EQ(HeaderSizeByExtension("scan.tif", tiff), (HeaderSize{7, 8}));
    EXPECT_EQ(HeaderSizeByExtension("scan.TIFF", tiff), (HeaderSize{7, 8}));
    EXPECT_EQ(HeaderSizeByExtension("p.JPEG", Cat({{0xFF, 0xD8}, JpegFrame(0xC0, 2, 3)})),
              (HeaderSize{2, 3}));
    EXPECT_EQ(HeaderSizeByExtension("p.bmp", Bmp(2, -3)), (HeaderSize{2, 3}));
    EXPECT_EQ(HeaderSizeByExtension("p.gif", GifWithExtensions(4, 5)), (HeaderSize{4, 5}));
}
