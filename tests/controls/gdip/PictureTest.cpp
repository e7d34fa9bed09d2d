#include "PictureTestSupport.h"
#include "controls/gdip/AdvGDIP.h"
#include "controls/gdip/GDIPicture.h"
#include "platform/forms/Clipboard.h"
#include "platform/forms/Filer.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Graphic.h"
#include "platform/gfx/Pictures.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

using namespace korvan::gdip::testing;

namespace {

const QRgb kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu, kWhite = 0xFFFFFFFFu;

std::string TempFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::filesystem::path dir = std::filesystem::path(KORVAN_TEST_OUTPUT_DIR) / "gdip-pictures";
    std::filesystem::create_directories(dir);
    const std::string path = (dir / name).string();
    korvan::gfx::WriteFileBytes(path, bytes);
    return path;
}

// Counts events in the order they come.
struct EventLog {
    std::string text;
    void Watch(korvan::gdip::GDIPPictureBase& p) {
        p.OnChange = [this] { text += "change;"; };
        p.OnClear = [this](TObject*) { text += "clear;"; };
    }
};

QImage Canvas(int w, int h, QRgb fill) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    return img;
}

} // namespace

TEST(GDIPPictures, StreamLoadsMeasureAndRaiseChange) {
    const auto png = PngFile(Swatch(12, 7, kRed, kRed));
    TGDIPPicture plain;
    TAdvGDIPPicture adv;
    EventLog plainLog, advLog;
    plainLog.Watch(plain);
    advLog.Watch(adv);
    EXPECT_TRUE(plain.Empty());
    plain.LoadFromStream(png);
    adv.LoadFromStream(png);
    for (korvan::gdip::GDIPPictureBase* p : {static_cast<korvan::gdip::GDIPPictureBase*>(&plain),
                                             static_cast<korvan::gdip::GDIPPictureBase*>(&adv)}) {
        EXPECT_FALSE(p->Empty());
        EXPECT_EQ(p->Width(), 12);
        EXPECT_EQ(p->Height(), 7);
        EXPECT_EQ(p->Bytes(), png);
        EXPECT_EQ(p->DefaultExtension(), "png");
    }
    EXPECT_EQ(plainLog.text, "change;");
    EXPECT_EQ(advLog.text, "change;");

    // An empty block: the plain picture takes it, the other ignores it.
    plain.LoadFromStream({});
    adv.LoadFromStream({});
    EXPECT_FALSE(plain.Empty());
    EXPECT_TRUE(plain.Bytes().empty());
    EXPECT_EQ(adv.Bytes(), png);
}

TEST(GDIPPictures, FileLoadTakesTheHeaderSizeOrFailsQuietly) {
    const auto png = PngFile(Swatch(30, 20, kRed, kRed));
    TAdvGDIPPicture adv;
    EventLog log;
    log.Watch(adv);
    adv.LoadFromFile(TempFile("a.png", png));
    EXPECT_EQ(adv.Width(), 30);
    EXPECT_EQ(adv.Height(), 20);
    EXPECT_EQ(log.text, "clear;change;");

    // PNG bytes under a JPEG name: the header reader finds no size, the
    // bytes are kept and still decode.
    adv.LoadFromFile(TempFile("photo.jpeg", png));
    EXPECT_FALSE(adv.Empty());
    EXPECT_EQ(adv.Width(), 0);
    EXPECT_EQ(adv.Height(), 0);
    ASSERT_NE(adv.DecodedImage(), nullptr);
    EXPECT_EQ(adv.DecodedImage()->GetWidth(), 30u);

    TGDIPPicture plain;
    plain.LoadFromFile(TempFile("photo.jpeg", png));
    EXPECT_EQ(plain.Width(), 30); // measured by decoding

    adv.LoadFromFile(TempFile("a.png", png) + ".missing");
    plain.LoadFromFile("/no/such/file.png");
    EXPECT_TRUE(adv.Empty());
    EXPECT_TRUE(plain.Empty());
}

TEST(GDIPPictures, UndecodableBytesKeepTheirBytesAndDrawNothing) {
    const std::vector<std::uint8_t> junk = {'B', 'M', 1, 2, 3};
    TAdvGDIPPicture adv;
    adv.LoadFromStream(junk);
    EXPECT_FALSE(adv.Empty());
    EXPECT_EQ(adv.Bytes(), junk);
    EXPECT_EQ(adv.DecodedImage(), nullptr);
    QImage target = Canvas(10, 10, kBlue);
    TCanvas canvas(&target);
    adv.Draw(canvas, TRect{0, 0, 10, 10});
    EXPECT_EQ(target.pixel(5, 5), kBlue);
}

TEST(GDIPPictures, AssignTakesOnlyTheSourcesEachKindAccepts) {
    const auto png = PngFile(Swatch(5, 6, kRed, kRed));
    const auto other = PngFile(Swatch(3, 4, kGreen, kGreen));
    TAdvGDIPPicture advSource;
    advSource.LoadFromStream(png);
    TGDIPPicture plainSource;
    plainSource.LoadFromStream(png);

    TGDIPPicture plain;
    plain.LoadFromStream(other);
    EventLog log;
    log.Watch(plain);
    plain.Assign(&advSource); // not a source it takes: unchanged
    plain.Assign(static_cast<const TGraphic&>(advSource));
    EXPECT_FALSE(plain.Empty());
    EXPECT_EQ(plain.Bytes(), other);
    EXPECT_EQ(log.text, "");
    plain.Assign(&plainSource);
    EXPECT_EQ(plain.Bytes(), png);
    EXPECT_EQ(plain.Width(), 5);
    EXPECT_EQ(log.text, "change;");

    TAdvGDIPPicture adv;
    adv.LoadFromStream(other);
    adv.Assign(&plainSource); // a persistent of another class: unchanged
    EXPECT_EQ(adv.Bytes(), other);
    adv.Assign(static_cast<const TGraphic&>(plainSource)); // any graphic: its file bytes
    EXPECT_EQ(adv.Bytes(), png);

    // A framework bitmap becomes a BMP file in both.
    TBitmap bitmap(4, 3);
    plain.Assign(bitmap);
    adv.Assign(bitmap);
    for (const auto* p : {static_cast<const korvan::gdip::GDIPPictureBase*>(&plain),
                          static_cast<const korvan::gdip::GDIPPictureBase*>(&adv)}) {
        ASSERT_GE(p->Bytes().size(), 2u);
        EXPECT_EQ(p->Bytes()[0], 'B');
        EXPECT_EQ(p->Bytes()[1], 'M');
        EXPECT_EQ(p->Width(), 4);
        EXPECT_EQ(p->Height(), 3);
    }
    // A picture holder hands over its graphic's file.
    TPicture holder;
    auto pngGraphic = std::make_unique<TPngImage>();
    pngGraphic->LoadFromBytes(png);
    holder.SetGraphic(std::move(pngGraphic));
    plain.Assign(holder);
    EXPECT_EQ(plain.Width(), 5);

    // None clears: change, then clear.
    log.text.clear();
    plain.Assign(static_cast<TPersistent*>(nullptr));
    EXPECT_TRUE(plain.Empty());
    EXPECT_TRUE(plain.Bytes().empty());
    EXPECT_EQ(log.text, "change;clear;");
}

TEST(GDIPPictures, EqualBytesAreDecodedOnceAndShared) {
    const auto png = PngFile(Swatch(8, 8, kRed, kRed));
    std::vector<std::unique_ptr<TGDIPPicture>> thumbs;
    for (int i = 0; i < 5; ++i) {
        thumbs.push_back(std::make_unique<TGDIPPicture>());
        thumbs.back()->LoadFromStream(std::vector<std::uint8_t>(png)); // a fresh buffer each time
    }
    const Gdiplus::Image* first = thumbs[0]->DecodedImage();
    ASSERT_NE(first, nullptr);
    for (const auto& t : thumbs)
        EXPECT_EQ(t->DecodedImage(), first);
    TGDIPPicture different;
    different.LoadFromStream(PngFile(Swatch(8, 8, kGreen, kGreen)));
    EXPECT_NE(different.DecodedImage(), first);
    // Loading new bytes drops the old image for this picture only.
    thumbs[0]->LoadFromStream(PngFile(Swatch(9, 9, kGreen, kGreen)));
    EXPECT_EQ(thumbs[0]->Width(), 9);
    EXPECT_EQ(thumbs[1]->DecodedImage(), first);
}

TEST(GDIPPictures, CanvasDrawKeysABitmapByItsBottomLeftPixel) {
    // A red 6 x 4 bitmap whose bottom-left pixel is white: every white pixel
    // is transparent.
    QImage img = Swatch(6, 4, kRed, kWhite);
    img.setPixel(2, 1, kWhite);
    const auto bmp = BmpFile(img);
    TGDIPPicture plain;
    plain.LoadFromStream(bmp);
    TAdvGDIPPicture adv;
    adv.LoadFromStream(bmp);

    // The plain picture stretches into the rectangle (three times; the
    // pixels looked at sit on source pixel centres).
    QImage a = Canvas(24, 24, kBlue);
    TCanvas ca(&a);
    plain.Draw(ca, TRect{2, 2, 20, 14});
    EXPECT_EQ(a.pixel(18, 3), kRed);  // source (5, 0)
    EXPECT_EQ(a.pixel(3, 12), kBlue); // source (0, 3), keyed out
    EXPECT_EQ(a.pixel(9, 6), kBlue);  // source (2, 1)
    EXPECT_EQ(a.pixel(21, 5), kBlue); // outside the rectangle
    // The other draws at its own size at the rectangle's corner.
    QImage b = Canvas(20, 20, kBlue);
    TCanvas cb(&b);
    adv.Draw(cb, TRect{2, 2, 14, 10});
    EXPECT_EQ(b.pixel(7, 2), kRed);
    EXPECT_EQ(b.pixel(8, 2), kBlue);
    EXPECT_EQ(b.pixel(2, 5), kBlue);
    EXPECT_EQ(b.pixel(4, 3), kBlue); // (2, 1)
}

TEST(GDIPPictures, GraphicsDrawKeysATransparentBitmapOnly) {
    QImage img = Swatch(4, 4, kRed, kGreen);
    const auto bmp = BmpFile(img);
    TAdvGDIPPicture adv;
    adv.LoadFromStream(bmp);
    auto drawn = [&adv](const TRect& r) {
        Gdiplus::Bitmap target(10, 10);
        target.Pixels().fill(kBlue);
        Gdiplus::Graphics g(target);
        adv.GDIPDraw(g, r);
        return target.Pixels();
    };
    // Not transparent: stretched into the rectangle, nothing keyed.
    QImage plain = drawn(TRect{0, 0, 8, 8});
    EXPECT_EQ(plain.pixel(0, 7), kGreen);
    EXPECT_EQ(plain.pixel(0, 0), kRed);
    EXPECT_EQ(adv.PixelDepth(), 24);
    EXPECT_FALSE(adv.HasAlpha());
    EXPECT_FALSE(adv.HasPalette());

    adv.SetTransparent(true);
    QImage keyed = drawn(TRect{0, 0, 8, 8});
    EXPECT_EQ(keyed.pixel(0, 3), kBlue); // keyed by the bottom-left pixel, drawn at its own size
    EXPECT_EQ(keyed.pixel(3, 0), kRed);
    EXPECT_EQ(keyed.pixel(5, 5), kBlue);

    // The facts follow the image drawn last.
    TAdvGDIPPicture clear;
    clear.LoadFromStream(PngFile(Swatch(2, 2, 0x80FF0000u, 0xFF000000u)));
    Gdiplus::Bitmap elsewhere(4, 4);
    Gdiplus::Graphics eg(elsewhere);
    clear.GDIPDraw(eg, Gdiplus::RectF{0, 0, 2, 2});
    EXPECT_TRUE(clear.HasAlpha());
    EXPECT_EQ(clear.PixelFormat(), 0x26200A);
    EXPECT_EQ(clear.Width(), 2);

    adv.SetTransparentMode(tmFixed);
    adv.SetTransparentColor(clRed);
    QImage fixed = drawn(TRect{1, 1, 2, 2});
    EXPECT_EQ(fixed.pixel(1, 4), kGreen);
    EXPECT_EQ(fixed.pixel(2, 2), kBlue);
}

TEST(GDIPPictures, TextureFillTilesFromTheGraphicsOrigin) {
    TAdvGDIPPicture adv;
    adv.LoadFromStream(CheckerPng(kRed, kGreen, 2));
    Gdiplus::Bitmap target(12, 12);
    target.Pixels().fill(kBlue);
    Gdiplus::Graphics g(target);
    adv.FillRect(g, Gdiplus::RectF{3, 3, 6, 6});
    const QImage& out = target.Pixels();
    EXPECT_EQ(out.pixel(2, 2), kBlue);
    EXPECT_EQ(out.pixel(4, 4), kRed);   // tile pixel (0, 0) of the 4-pixel tile
    EXPECT_EQ(out.pixel(5, 7), kGreen); // tile pixel (1, 3)
    EXPECT_EQ(out.pixel(8, 8), kRed);
    TAdvGDIPPicture empty;
    empty.FillRect(g, Gdiplus::RectF{0, 0, 12, 12});
    EXPECT_EQ(out.pixel(0, 0), kBlue);
}

TEST(GDIPPictures, DataStreamsAsTheUnchangedFile) {
    const auto png = PngFile(Swatch(5, 3, kRed, kRed));
    for (bool advanced : {false, true}) {
        std::unique_ptr<korvan::gdip::GDIPPictureBase> source, target;
        if (advanced) {
            source = std::make_unique<TAdvGDIPPicture>();
            target = std::make_unique<TAdvGDIPPicture>();
        } else {
            source = std::make_unique<TGDIPPicture>();
            target = std::make_unique<TGDIPPicture>();
        }
        korvan::forms::FormTokens tokens;
        TWriter writer(tokens);
        writer.WriteProperties(source.get());
        EXPECT_TRUE(tokens.empty()) << "an empty picture writes nothing";
        source->LoadFromStream(png);
        writer.WriteProperties(source.get());
        writer.WriteListEnd();
        ASSERT_GE(tokens.size(), 2u);
        EXPECT_EQ(tokens[0].text, "Data");
        EXPECT_EQ(tokens[1].bytes, png);
        TReader reader(tokens);
        reader.ReadProperties(target.get());
        EXPECT_FALSE(target->Empty());
        EXPECT_EQ(target->Bytes(), png);
        // Only the advanced picture measures as it reads.
        EXPECT_EQ(target->Width(), advanced ? 5 : 0);
        target->GetImageSizes();
        EXPECT_EQ(target->Width(), 5);
    }
}

TEST(GDIPPictures, UrlsLoadFilesAndIgnoreOtherSchemes) {
    const auto png = PngFile(Swatch(7, 2, kRed, kRed));
    const std::string path = TempFile("url.png", png);
    TAdvGDIPPicture adv;
    adv.LoadFromURL("http://" + path);
    EXPECT_TRUE(adv.Empty());
    adv.LoadFromURL("res://NO_SUCH_RESOURCE");
    EXPECT_TRUE(adv.Empty());
    adv.LoadFromResourceName("NO_SUCH_RESOURCE");
    EXPECT_TRUE(adv.Empty());
    EXPECT_THROW(adv.LoadFromResourceID(4711), EResourceNotFound);
    adv.LoadFromURL("FiLe://" + path);
    EXPECT_EQ(adv.Width(), 7);
    EXPECT_EQ(adv.Bytes(), png);
}

// Raw-data resources come through the program's one resource lookup: by
// name in any letter case and without its extension, "#<number>", or a
// number; a missing number raises the resource error.
TEST(GDIPPictures, ResourcesLoadByNameOrNumber) {
    struct Case {
        const char* name;
        std::function<void(korvan::gdip::GDIPPictureBase&)> load;
        int width;
    };
    const Case cases[] = {
        {"name", [](auto& p) { p.LoadFromResourceName("SWATCH.BMP"); }, 16},
        {"name without extension", [](auto& p) { p.LoadFromResourceName("swatch"); }, 16},
        {"url", [](auto& p) { p.LoadFromURL("res://Swatch"); }, 16},
        {"#number", [](auto& p) { p.LoadFromResourceName("#102"); }, 24},
        {"number", [](auto& p) { p.LoadFromResourceID(102); }, 24},
    };
    for (const Case& c : cases) {
        TAdvGDIPPicture adv;
        c.load(adv);
        EXPECT_FALSE(adv.Empty()) << c.name;
        EXPECT_EQ(adv.Width(), c.width) << c.name;
    }

    TAdvGDIPPicture adv;
    for (int id : {4711, -1, 70000}) {
        try {
            adv.LoadFromResourceID(id);
            ADD_FAILURE() << id << " loaded";
        } catch (const EResourceNotFound& e) {
            EXPECT_EQ(e.Message(), "Resource " + std::to_string(id) + " not found");
        }
    }
    EXPECT_TRUE(adv.Empty());
}

// Every file kind the pack holds: measured from its header on loading,
// decoded to the same size, and drawn (a sheet written to look at).
TEST(GDIPPictures, EveryFileKindLoadsMeasuresAndDraws) {
    QImage art(24, 16, QImage::Format_ARGB32);
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x)
            art.setPixel(x, y, qRgb(40 + 8 * x, 60 + 10 * y, x < 12 ? 200 : 40));
    struct Kind {
        const char* name;
        std::vector<std::uint8_t> bytes;
        int w, h;
    };
    const std::vector<Kind> kinds = {{"a.bmp", BmpFile(art), 24, 16},
                                     {"a.png", PngFile(art), 24, 16},
                                     {"a.jpg", korvan::gfx::EncodeJpeg(art), 24, 16},
                                     {"a.gif", GifFile(), 2, 1},
                                     {"a.tiff", TiffFile(art), 24, 16}};
    Gdiplus::Bitmap sheet(int(kinds.size()) * 60, 50);
    sheet.Pixels().fill(0xFFF0F0F0u);
    Gdiplus::Graphics g(sheet);
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        TAdvGDIPPicture picture;
        picture.LoadFromFile(TempFile(kinds[i].name, kinds[i].bytes));
        EXPECT_EQ(picture.Width(), kinds[i].w) << kinds[i].name;
        EXPECT_EQ(picture.Height(), kinds[i].h) << kinds[i].name;
        const Gdiplus::Image* image = picture.DecodedImage();
        ASSERT_NE(image, nullptr) << kinds[i].name;
        EXPECT_EQ(int(image->GetWidth()), kinds[i].w) << kinds[i].name;
        EXPECT_EQ(int(image->GetHeight()), kinds[i].h) << kinds[i].name;
        const int left = int(i) * 60 + 6;
        picture.GDIPDraw(g, TRect{left, 9, left + 48, 41});
        const QRgb middle = sheet.Pixels().pixel(left + 10, 25);
        EXPECT_NE(middle, 0xFFF0F0F0u) << kinds[i].name << " drew nothing";
    }
    korvan::testing::SavePng(sheet.Pixels(), "gdip_picture_kinds");
}

// The clipboard hooks of both kinds do nothing: a picture puts nothing on
// the clipboard (what was there stays) and takes nothing from it.
TEST(GDIPPictures, ClipboardHooksLeaveClipboardAndPictureAlone) {
    korvan::testing::EnsureGuiApplication();
    const auto png = PngFile(Swatch(5, 3, kGreen, kGreen));
    const auto other = PngFile(Swatch(9, 9, kBlue, kBlue));
    TGDIPPicture plain;
    TAdvGDIPPicture adv;
    for (korvan::gdip::GDIPPictureBase* p : {static_cast<korvan::gdip::GDIPPictureBase*>(&plain),
                                             static_cast<korvan::gdip::GDIPPictureBase*>(&adv)}) {
        p->LoadFromStream(png);
        EventLog log;
        log.Watch(*p);
        std::string format = "kept";
        TBytes data{1, 2, 3};
        p->SaveToClipboardFormat(format, data);
        EXPECT_EQ(format, "kept");
        EXPECT_EQ(data, (TBytes{1, 2, 3}));
        p->LoadFromClipboardFormat("image/png", other);
        EXPECT_EQ(p->Bytes(), png);
        EXPECT_EQ(p->Width(), 5);
        EXPECT_EQ(log.text, "");

        korvan::forms::ClipboardSetJpeg({0xFF, 0xD8, 0x01});
        EXPECT_FALSE(korvan::forms::ClipboardSetGraphic(*p));
        EXPECT_EQ(korvan::forms::ClipboardData(korvan::forms::kClipboardJpeg), (TBytes{0xFF, 0xD8, 0x01}));
        EXPECT_TRUE(korvan::forms::ClipboardGetGraphic(*p, korvan::forms::kClipboardJpeg));
        EXPECT_EQ(p->Bytes(), png);
        EXPECT_FALSE(korvan::forms::ClipboardGetGraphic(*p, "image/x-none"));
    }
}
