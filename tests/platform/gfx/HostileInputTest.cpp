// Picture bytes made to hurt: sizes beyond the picture budget, data that
// ends early, codes that reach past the frame, header values at the edge of
// their type. Each must give a null image (or EInvalidGraphic), quickly and
// without touching memory it does not own.

#include "platform/gfx/Codecs.h"
#include "platform/gfx/GifLzw.h"
#include "platform/gfx/Pictures.h"
#include "platform/text/Exception.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

using namespace korvan::gfx;

namespace {

void PutU16(Bytes& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

// A GIF with the given canvas and one frame of 3 x 1 pixels at the top
// left, 2 colours. Its LZW codes (2-bit minimum: clear 4, end 5) are
// 0, 0, 6, end: the third code stands for two pixels, so the frame's three
// pixels are followed by a fourth that belongs to no pixel.
Bytes OverreachingGif(std::uint16_t canvasWidth, std::uint16_t canvasHeight) {
    Bytes gif = {'G',  'I', 'F',  '8',  '9',  'a', 0, 0, 0, 0, 0x80, 0, 0, // screen, 2 colours
                 0xFF, 0,   0,    0,    0xFF, 0,                           // red, green
                 0x2C, 0,   0,    0,    0,    3,   0, 1, 0, 0,             // frame 3 x 1
                 2,    2,   0x04, 0x5C, 0,                                 // LZW: 4 0 0 6, then 5 in 4 bits
                 0x3B};
    PutU16(gif, 6, canvasWidth);
    PutU16(gif, 8, canvasHeight);
    return gif;
}

// The start of frame segment of a baseline JPEG: height at +5, width at +7.
std::size_t StartOfFrame(const Bytes& jpeg) {
    for (std::size_t i = 0; i + 9 < jpeg.size(); ++i)
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0)
            return i;
    return 0;
}

Bytes WithJpegSize(Bytes jpeg, std::uint16_t width, std::uint16_t height) {
    const std::size_t sof = StartOfFrame(jpeg);
    jpeg[sof + 5] = static_cast<std::uint8_t>(height >> 8);
    jpeg[sof + 6] = static_cast<std::uint8_t>(height & 0xFF);
    jpeg[sof + 7] = static_cast<std::uint8_t>(width >> 8);
    jpeg[sof + 8] = static_cast<std::uint8_t>(width & 0xFF);
    return jpeg;
}

QImage Noise(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    std::uint32_t state = 12345;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            state = state * 1103515245u + 12345u;
            img.setPixel(x, y, 0xFF000000u | (state >> 8));
        }
    return img;
}

} // namespace

TEST(HostileInput, PictureBudgetBoundsSidesAndArea) {
    EXPECT_TRUE(FitsPictureBudget(32768, 2048));
    EXPECT_TRUE(FitsPictureBudget(8192, 8192));
    EXPECT_FALSE(FitsPictureBudget(8193, 8192)); // above 64 megapixels
    EXPECT_FALSE(FitsPictureBudget(32769, 1));
    EXPECT_FALSE(FitsPictureBudget(0, 1));
    EXPECT_FALSE(FitsPictureBudget(1, -1));
}

TEST(HostileInput, GifLzwNeverOutgrowsTheFrame) {
    const Bytes codes = {0x04, 0x5C}; // 4 0 0 6 5: three codes give four indices
    std::vector<std::uint8_t> out;
    ASSERT_TRUE(DecodeGifLzw(codes, 2, 3, out));
    EXPECT_EQ(out, (std::vector<std::uint8_t>{0, 0, 0}));
    out.clear();
    ASSERT_TRUE(DecodeGifLzw(codes, 2, 100, out));
    EXPECT_EQ(out.size(), 4u);
}

TEST(HostileInput, GifPixelsPastTheFrameAreDropped) {
    // The canvas is taller than the frame: the extra index has a row of the
    // canvas to land in but none of the frame, and must not be placed.
    const QImage img = DecodeGif(OverreachingGif(4, 4));
    ASSERT_EQ(img.size(), QSize(4, 4));
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(img.pixel(x, 0), 0xFFFF0000u) << x;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            if (y > 0 || x == 3) {
                EXPECT_EQ(img.pixel(x, y), 0u) << x << "," << y;
            }
}

TEST(HostileInput, GifCanvasBeyondTheBudgetIsRefused) {
    struct Case {
        std::uint16_t w, h;
        bool accepted;
    };
    for (const Case c : {Case{65535, 65535, false}, Case{8193, 8193, false}, Case{32769, 1, false},
                         Case{32768, 16, true}, Case{4096, 4096, true}, Case{0, 0, true}}) {
        const QImage img = DecodeGif(OverreachingGif(c.w, c.h));
        EXPECT_EQ(!img.isNull(), c.accepted) << c.w << "x" << c.h;
    }
}

TEST(HostileInput, JpegBeyondTheBudgetOrEndingEarlyIsRefused) {
    const Bytes whole = EncodeJpeg(Noise(64, 64), {90, false, JpegDct::Integer, false});
    ASSERT_FALSE(DecodeJpeg(whole).isNull());
    // Cut in the middle of the picture data: no made-up lines below.
    EXPECT_TRUE(DecodeJpeg(ByteView(whole).first(whole.size() / 2)).isNull());
    // A 600-byte start of a file that claims 32768 x 32768.
    const Bytes huge = WithJpegSize(whole, 32768, 32768);
    EXPECT_TRUE(DecodeJpeg(ByteView(huge).first(std::min<std::size_t>(600, huge.size()))).isNull());
    // Complete data but a header above 64 megapixels.
    EXPECT_TRUE(DecodeJpeg(WithJpegSize(whole, 8193, 8193)).isNull());
}

TEST(HostileInput, BmpHeightOfMinusTwoToThe31IsRefused) {
    Bytes bmp = EncodeBmp(Noise(2, 2), 24);
    const std::uint32_t height = 0x80000000u;
    std::memcpy(bmp.data() + 22, &height, 4);
    EXPECT_TRUE(DecodeBmp(bmp).isNull());
    const std::uint32_t width = 0x80000000u;
    bmp = EncodeBmp(Noise(2, 2), 24);
    std::memcpy(bmp.data() + 18, &width, 4);
    EXPECT_TRUE(DecodeBmp(bmp).isNull());
}

TEST(HostileInput, BmpEncoderWritesExactlyWhatTheDecoderReads) {
    // The widest picture both accept round-trips; one pixel more and both refuse.
    QImage widest(32768, 1, QImage::Format_RGB32);
    widest.fill(0xFF336699u);
    const Bytes written = EncodeBmp(widest, 1);
    ASSERT_FALSE(written.empty());
    EXPECT_EQ(DecodeBmp(written).width(), 32768);
    QImage wider(32769, 1, QImage::Format_RGB32);
    wider.fill(0xFF336699u);
    EXPECT_TRUE(EncodeBmp(wider, 1).empty());
    Bytes declared = written;
    const std::uint32_t width = 32769;
    std::memcpy(declared.data() + 18, &width, 4);
    declared.resize(declared.size() + 4, 0); // room for the wider rows
    EXPECT_TRUE(DecodeBmp(declared).isNull());
    // Above 64 megapixels: a 1-bit file with all its rows is still refused.
    QImage tall(1, 8193, QImage::Format_RGB32);
    tall.fill(0xFFFFFFFFu);
    Bytes area = EncodeBmp(tall, 1);
    const std::uint32_t areaWidth = 8193;
    std::memcpy(area.data() + 18, &areaWidth, 4);
    area.resize(62 + std::size_t(8193) * ((8193 + 31) / 32) * 4, 0xFF);
    EXPECT_TRUE(DecodeBmp(area).isNull());
}

TEST(HostileInput, BadPicturesRaiseTheFrameworksOwnError) {
    static_assert(std::is_base_of_v<Exception, EInvalidGraphic>);
    const Bytes junk = {'G', 'I', 'F', '8', '9', 'a', 1, 0};
    std::vector<std::unique_ptr<TGraphic>> kinds;
    kinds.push_back(std::make_unique<TGIFImage>());
    kinds.push_back(std::make_unique<TPngImage>());
    kinds.push_back(std::make_unique<TJPEGImage>());
    kinds.push_back(std::make_unique<TIcon>());
    kinds.push_back(std::make_unique<TBitmap>());
    for (const auto& graphic : kinds) {
        try {
            graphic->LoadFromBytes(junk);
            ADD_FAILURE() << graphic->DefaultExtension();
        } catch (const Exception& e) {
            EXPECT_STREQ(e.ClassName(), "EInvalidGraphic");
            EXPECT_NE(e.Message().find("not valid"), std::string::npos) << e.Message();
        }
    }
}
