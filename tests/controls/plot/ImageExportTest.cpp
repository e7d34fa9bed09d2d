// Pictures of a control: BMP, JPEG (quality, progressive), PNG (deflate
// level) and metafile exports read back, the range checks, and the lock the
// byte exports paint under.

#include "controls/plot/core/ImageExport.h"
#include "controls/plot/core/MetaFile.h"
#include "controls/plot/core/PackDrawing.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Codecs.h"
#include "platform/gfx/Pictures.h"
#include "platform/text/Exception.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace {

using namespace korvan::plot;
using Bytes = std::vector<std::uint8_t>;

// A small picture with areas of flat colour, a gradient and text.
class TestPicture : public IImageSource {
public:
    int ImageWidth() const override { return 160; }
    int ImageHeight() const override { return 90; }
    void PaintImageTo(TCanvas& canvas) override {
        ++paints;
        canvas.Brush().SetColor(clWhite);
        canvas.FillRect({0, 0, 160, 90});
        GradientFill(canvas, {0, 0, 160, 30}, ifdLeftRight, RGB(0, 40, 200), RGB(250, 200, 20));
        canvas.Brush().SetColor(clRed);
        canvas.FillRect({10, 40, 50, 80});
        canvas.Brush().SetColor(clLime);
        canvas.FillRect({60, 40, 100, 80});
        DrawBevel(canvas, {110, 40, 150, 80}, 1);
        canvas.Brush().SetStyle(bsClear);
        canvas.Font().SetColor(clBlack);
        canvas.TextOut(112, 52, "Plot");
    }
    void LockImage() override { ++locks; }
    void UnlockImage() override { ++unlocks; }
    int paints = 0, locks = 0, unlocks = 0;
};

Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// The first quantisation table's first value and whether the frame is
// progressive, from the JPEG markers.
struct JpegMarkers {
    int firstQuant = -1;
    bool progressive = false;
    bool baseline = false;
};
JpegMarkers ReadMarkers(const Bytes& b) {
    JpegMarkers m;
    std::size_t at = 2;
    while (at + 4 <= b.size() && b[at] == 0xFF) {
        const int marker = b[at + 1];
        const std::size_t length = std::size_t(b[at + 2] << 8 | b[at + 3]);
        if (marker == 0xDB && m.firstQuant < 0 && at + 5 < b.size())
            m.firstQuant = b[at + 5]; // after the length and the precision/table byte
        if (marker == 0xC2)
            m.progressive = true;
        if (marker == 0xC0)
            m.baseline = true;
        if (marker == 0xDA)
            break;
        at += 2 + length;
    }
    return m;
}

// The second byte of the zlib stream in the first IDAT chunk: its level
// field tells the deflate level class.
int ZlibLevelByte(const Bytes& png) {
    std::size_t at = 8;
    while (at + 12 <= png.size()) {
        const std::size_t length = std::size_t(png[at]) << 24 | std::size_t(png[at + 1]) << 16 |
                                   std::size_t(png[at + 2]) << 8 | png[at + 3];
        if (std::string(png.begin() + long(at) + 4, png.begin() + long(at) + 8) == "IDAT")
            return png[at + 9];
        at += 12 + length;
    }
    return -1;
}

// The first pixel where two pictures differ, or "same".
std::string FirstDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return "sizes differ";
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return std::to_string(x) + "," + std::to_string(y) + ": " + std::to_string(a.pixel(x, y)) +
                       " vs " + std::to_string(b.pixel(x, y));
    return "same";
}

class ImageExport : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::path(KORVAN_TEST_OUTPUT_DIR) / "plot-export";
        std::filesystem::create_directories(dir);
        expected = korvan::gfx::DecodePng(GetBytesPNG(picture, 0));
        picture = TestPicture();
    }
    std::string Path(const std::string& name) const { return (dir / name).string(); }
    std::filesystem::path dir;
    TestPicture picture;
    QImage expected;
};

TEST_F(ImageExport, CompressionRanges) {
    struct Case {
        const char* what;
        std::function<void()> save;
        const char* message; // empty: succeeds
    };
    const std::string jpg = Path("range.jpg"), png = Path("range.png");
    for (const Case& c :
         {Case{"jpeg 0", [&] { SaveImageToJPEG(picture, jpg, 0, false); },
               "Compression must be in the range of 1-100"},
          Case{"jpeg 101", [&] { SaveImageToJPEG(picture, jpg, 101, false); },
               "Compression must be in the range of 1-100"},
          Case{"jpeg bytes 0", [&] { GetBytesJPEG(picture, 0, true); },
               "Compression must be in the range of 1-100"},
          Case{"jpeg image 101", [&] { GetJPEGImage(picture, 101, true); },
               "Compression must be in the range of 1-100"},
          Case{"png 10", [&] { SaveImageToPNG(picture, png, 10); },
               "Compression must be in the range of 0-9"},
          Case{"png -1", [&] { SaveImageToPNG(picture, png, -1); },
               "Compression must be in the range of 0-9"},
          Case{"png bytes 10", [&] { GetBytesPNG(picture, 10); }, "Compression must be in the range of 0-9"},
          Case{"jpeg 1", [&] { SaveImageToJPEG(picture, jpg, 1, false); }, ""},
          Case{"jpeg 100", [&] { SaveImageToJPEG(picture, jpg, 100, false); }, ""},
          Case{"png 0", [&] { SaveImageToPNG(picture, png, 0); }, ""},
          Case{"png 9", [&] { SaveImageToPNG(picture, png, 9); }, ""}}) {
        std::filesystem::remove(jpg);
        std::filesystem::remove(png);
        picture.paints = 0;
        std::string message;
        try {
            c.save();
        } catch (const Exception& e) {
            message = e.Message();
        }
        EXPECT_EQ(message, c.message) << c.what;
        if (*c.message) {
            EXPECT_EQ(picture.paints, 0) << c.what;
            EXPECT_FALSE(std::filesystem::exists(jpg) || std::filesystem::exists(png)) << c.what;
        }
    }
    // The byte exports release their lock on failure too.
    EXPECT_EQ(picture.locks, picture.unlocks);
    EXPECT_GT(picture.locks, 0);
}

TEST_F(ImageExport, BitmapReadsBackPixelForPixel) {
    SaveImageToBitmap(picture, Path("picture.bmp"));
    int bits = 0;
    const QImage back = korvan::gfx::DecodeBmp(ReadAll(Path("picture.bmp")), &bits);
    EXPECT_EQ(bits, 24);
    ASSERT_EQ(back.size(), QSize(160, 90));
    EXPECT_EQ(FirstDifference(back, expected), "same");
    EXPECT_EQ(picture.locks, 0); // file exports paint without the lock
}

TEST_F(ImageExport, JpegQualityAndProgressiveMarkers) {
    SaveImageToJPEG(picture, Path("q100.jpg"), 100, false);
    SaveImageToJPEG(picture, Path("q50.jpg"), 50, true);
    const Bytes q100 = ReadAll(Path("q100.jpg")), q50 = ReadAll(Path("q50.jpg"));
    // The standard luminance table scaled by the quality: 16 at 50, all
    // ones at 100.
    const JpegMarkers m100 = ReadMarkers(q100), m50 = ReadMarkers(q50);
    EXPECT_EQ(m100.firstQuant, 1);
    EXPECT_TRUE(m100.baseline);
    EXPECT_FALSE(m100.progressive);
    EXPECT_EQ(m50.firstQuant, 16);
    EXPECT_TRUE(m50.progressive);
    EXPECT_LT(q50.size(), q100.size());
    EXPECT_EQ(korvan::gfx::DecodeJpeg(q50).size(), QSize(160, 90));

    const Bytes bytes = GetBytesJPEG(picture, 10, true);
    EXPECT_EQ(ReadMarkers(bytes).firstQuant, 80);
    EXPECT_TRUE(ReadMarkers(bytes).progressive);
    EXPECT_EQ(picture.locks, 1);
    EXPECT_EQ(picture.unlocks, 1);

    std::unique_ptr<TJPEGImage> image = GetJPEGImage(picture, 75, false);
    EXPECT_EQ(image->Width(), 160);
    EXPECT_EQ(image->CompressionQuality, 75);
    EXPECT_EQ(ReadMarkers(image->SaveToBytes()).firstQuant, 8);
}

TEST_F(ImageExport, PngLevelIsTheDeflateLevel) {
    SaveImageToPNG(picture, Path("picture.png"), 9);
    const Bytes level9 = ReadAll(Path("picture.png"));
    const Bytes level0 = GetBytesPNG(picture, 0);
    EXPECT_EQ(FirstDifference(korvan::gfx::DecodePng(level9), expected), "same");
    EXPECT_EQ(FirstDifference(korvan::gfx::DecodePng(level0), expected), "same");
    // zlib's header names the level class: 0 stores, 9 compresses most.
    EXPECT_EQ(ZlibLevelByte(level0), 0x01);
    EXPECT_EQ(ZlibLevelByte(level9), 0xDA);
    EXPECT_LT(level9.size() * 4, level0.size());
}

TEST_F(ImageExport, MetaFileHeaderDescriptionAndRaster) {
    SaveImageToMetaFile(picture, Path("picture.emf"));
    const Bytes emf = ReadAll(Path("picture.emf"));
    const auto info = ReadMetaFile(emf);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->Version, 0x10000u);
    EXPECT_EQ(info->Bytes, emf.size());
    EXPECT_EQ(info->Records, 3u);
    EXPECT_EQ(info->BoundsRight, 159);
    EXPECT_EQ(info->BoundsBottom, 89);
    // 160 pixels at 96 an inch are 42.33 mm.
    EXPECT_EQ(info->FrameRight, 4233 - 1);
    EXPECT_EQ(info->Description, std::vector<std::string>{"Tashel"});
    ASSERT_EQ(info->RecordList.size(), 3u);
    EXPECT_EQ(info->RecordList[0].Type, kEmrHeader);
    EXPECT_EQ(info->RecordList[1].Type, kEmrStretchDIBits);
    EXPECT_EQ(info->RecordList[2].Type, kEmrEof);
    EXPECT_EQ(FirstDifference(info->Picture, expected), "same");
    korvan::testing::SavePng(info->Picture, "plot_export_metafile_raster");
}

TEST(MetaFileReader, RefusesBrokenFiles) {
    QImage image(7, 3, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    const Bytes good = EncodeMetaFile(image, "Creator", "Title");
    const auto info = ReadMetaFile(good);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->Description, (std::vector<std::string>{"Creator", "Title"}));
    EXPECT_EQ(FirstDifference(info->Picture, image), "same");

    EXPECT_TRUE(EncodeMetaFile(QImage(), "x").empty());

    // A file written by another writer: 4 x 2 pixels, bottom-up rows.
    const auto seed = ReadMetaFile(ReadAll(KORVAN_SOURCE_DIR "/fuzz/corpus/metafile/small.emf"));
    ASSERT_TRUE(seed);
    ASSERT_EQ(seed->Picture.size(), QSize(4, 2));
    EXPECT_EQ(seed->Picture.pixel(3, 1), qRgb(200, 0, 180));
    EXPECT_EQ(seed->Picture.pixel(0, 0), qRgb(200, 120, 0));
    for (std::size_t cut : {std::size_t(0), std::size_t(40), std::size_t(100), good.size() - 1}) {
        const Bytes shorter(good.begin(), good.begin() + long(cut));
        EXPECT_FALSE(ReadMetaFile(shorter)) << cut;
    }
    struct Patch {
        std::size_t at;
        std::uint8_t value;
        const char* what;
    };
    for (const Patch& p :
         {Patch{40, 'X', "signature"}, Patch{52, 9, "record count"}, Patch{4, 3, "header size"},
          Patch{std::size_t(good[4]) + 4, 0xFF, "raster size"}}) {
        Bytes bad = good;
        bad[p.at] = p.value;
        EXPECT_FALSE(ReadMetaFile(bad)) << p.what;
    }
}

} // namespace
