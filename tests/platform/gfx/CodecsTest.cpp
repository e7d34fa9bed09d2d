#include "platform/gfx/Codecs.h"
#include "platform/gfx/Pictures.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

using namespace korvan::gfx;

namespace {

QImage Sample(int w, int h, bool alpha = false) {
    QImage img(w, h, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(
                x, y,
                qRgba(x * 40 % 256, y * 70 % 256, (x + y) * 30 % 256, alpha ? (x == 0 ? 0 : 200) : 255));
    return img;
}

bool SamePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
    return true;
}

} // namespace

TEST(Codecs, BmpRoundTripsAndHeaderSizes) {
    const QImage img = Sample(2, 2);
    const Bytes b24 = EncodeBmp(img, 24);
    EXPECT_EQ(b24.size(), 54u + 2 * 8); // rows padded to 4 bytes
    int bits = 0;
    EXPECT_TRUE(SamePixels(DecodeBmp(b24, &bits), img));
    EXPECT_EQ(bits, 24);
    const Bytes b32 = EncodeBmp(img, 32);
    EXPECT_EQ(b32.size(), 54u + 16);
    EXPECT_TRUE(SamePixels(DecodeBmp(b32).convertToFormat(QImage::Format_RGB32), img));

    QImage bw(3, 1, QImage::Format_RGB32);
    bw.setPixel(0, 0, 0xFF000000u);
    bw.setPixel(1, 0, 0xFFFFFFFFu);
    bw.setPixel(2, 0, 0xFF000000u);
    const Bytes b1 = EncodeBmp(bw, 1);
    EXPECT_EQ(b1.size(), 62u + 4);
    EXPECT_TRUE(SamePixels(DecodeBmp(b1, &bits), bw));
    EXPECT_EQ(bits, 1);

    // A top-down file (negative height) comes back the right way up.
    Bytes topDown = b24;
    const std::int32_t negative = -2;
    std::memcpy(topDown.data() + 22, &negative, 4);
    const QImage flipped = DecodeBmp(topDown);
    EXPECT_EQ(flipped.pixel(0, 0), img.pixel(0, 1));
}

TEST(Codecs, DecodersRejectTruncatedInput) {
    const Bytes bmp = EncodeBmp(Sample(4, 4));
    const Bytes png = EncodePng(Sample(4, 4));
    const Bytes jpg = EncodeJpeg(Sample(8, 8));
    for (std::size_t cut : {std::size_t(0), std::size_t(10), std::size_t(30)}) {
        EXPECT_TRUE(DecodeBmp(ByteView(bmp).first(cut)).isNull()) << cut;
        EXPECT_TRUE(DecodePng(ByteView(png).first(cut)).isNull()) << cut;
        EXPECT_TRUE(DecodeJpeg(ByteView(jpg).first(cut)).isNull()) << cut;
    }
    EXPECT_TRUE(DecodeBmp(ByteView(bmp).first(bmp.size() - 1)).isNull());
    EXPECT_TRUE(DecodeGif(ByteView(png)).isNull());
    EXPECT_TRUE(DecodeIco(ByteView(bmp)).isNull());
}

TEST(Codecs, PngKeepsAlphaAtEveryLevel) {
    const QImage img = Sample(5, 3, true);
    const Bytes fast = EncodePng(img, 0), small = EncodePng(img, 9);
    EXPECT_GT(fast.size(), small.size());
    EXPECT_EQ(fast[16] << 24 | fast[17] << 16 | fast[18] << 8 | fast[19], 5); // header width
    for (const Bytes& b : {fast, small}) {
        const QImage back = DecodePng(b);
        EXPECT_TRUE(SamePixels(back, img));
        EXPECT_EQ(qAlpha(back.pixel(0, 0)), 0);
    }
}

TEST(Codecs, JpegQualityAndProgressiveSettings) {
    QImage img(32, 32, QImage::Format_RGB32);
    img.fill(qRgb(200, 40, 40));
    const Bytes low = EncodeJpeg(Sample(32, 32), {10, false, JpegDct::Integer, false});
    const Bytes high = EncodeJpeg(Sample(32, 32), {95, false, JpegDct::Float, false});
    EXPECT_LT(low.size(), high.size());
    const Bytes progressive = EncodeJpeg(img, {80, true, JpegDct::FastInteger, false});
    bool sof2 = false;
    for (std::size_t i = 0; i + 1 < progressive.size(); ++i)
        sof2 |= progressive[i] == 0xFF && progressive[i + 1] == 0xC2;
    EXPECT_TRUE(sof2);
    const QImage back = DecodeJpeg(progressive);
    ASSERT_EQ(back.size(), img.size());
    EXPECT_NEAR(qRed(back.pixel(16, 16)), 200, 4);
    EXPECT_NEAR(qGreen(back.pixel(16, 16)), 40, 4);
}

TEST(Codecs, GifFirstFrameWithTransparency) {
    const Bytes gif = {'G',  'I',  'F', '8', '9', 'a', 2, 0, 1, 0, 0x80, 0, 0, // screen, 2 colours
                       0xFF, 0,    0,   0,   0,   0,                           // red, black
                       0x21, 0xF9, 4,   1,   0,   0,   1, 0,                   // index 1 transparent
                       0x2C, 0,    0,   0,   0,   2,   0, 1, 0, 0, 2,    2, 0x44,
                       0x0A, 0,    0x3B}; // pixels 0, 1
    const QImage img = DecodeGif(gif);
    ASSERT_EQ(img.size(), QSize(2, 1));
    EXPECT_EQ(img.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(qAlpha(img.pixel(1, 0)), 0);
}

TEST(Codecs, IconWithAndMask) {
    const Bytes bmp = EncodeBmp(Sample(2, 2), 24);
    Bytes dib(bmp.begin() + 14, bmp.end());
    dib[8] = 4; // height counts colour and mask rows
    // AND mask rows bottom-up, 4 bytes each: top-left pixel transparent.
    const Bytes mask = {0, 0, 0, 0, 0x80, 0, 0, 0};
    dib.insert(dib.end(), mask.begin(), mask.end());
    Bytes ico = {0, 0, 1, 0, 1, 0, 2, 2, 0, 0, 1, 0, 24, 0};
    const auto size = static_cast<std::uint32_t>(dib.size()), offset = 22u;
    for (int i = 0; i < 4; ++i)
        ico.push_back((size >> (8 * i)) & 0xFF);
    for (int i = 0; i < 4; ++i)
        ico.push_back((offset >> (8 * i)) & 0xFF);
    ico.insert(ico.end(), dib.begin(), dib.end());
    const QImage img = DecodeIco(ico);
    ASSERT_EQ(img.size(), QSize(2, 2));
    EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
    EXPECT_EQ(img.pixel(1, 1), Sample(2, 2).pixel(1, 1));
}

TEST(Pictures, FileKindFollowsTheExtension) {
    const std::string dir = KORVAN_TEST_OUTPUT_DIR;
    std::filesystem::create_directories(dir);
    TBitmap bmp(3, 2);
    bmp.Canvas().SetPixel(1, 1, clRed);
    bmp.SaveToFile(dir + "/pic.bmp");
    TPngImage png;
    png.Assign(bmp);
    png.SaveToFile(dir + "/pic.png");
    for (const char* name : {"/pic.bmp", "/pic.png"}) {
        TPicture pic;
        pic.LoadFromFile(dir + name);
        ASSERT_FALSE(pic.Empty()) << name;
        EXPECT_EQ(pic.Width(), 3);
        EXPECT_EQ(pic.Bitmap().Canvas().Pixel(1, 1), clRed) << name;
    }
    TPicture pic;
    EXPECT_THROW(pic.LoadFromFile(dir + "/pic.xyz"), EInvalidGraphic);
    EXPECT_THROW(pic.LoadFromFile(dir + "/missing.png"), EInvalidGraphic);
}
