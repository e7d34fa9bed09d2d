#include "controls/gdip/OfficeImage.h"
#include "PictureTestSupport.h"
#include "controls/gdip/ControlVersion.h"
#include "controls/gdip/GDIPFill.h"
#include "platform/forms/FormText.h"
#include "platform/gfx/Bitmap.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

namespace {

using korvan::gdip::testing::PngFile;
using korvan::gdip::testing::Swatch;

constexpr QRgb kPicture = 0xFF2060A0u;

class OfficeImageTest : public ::testing::Test {
protected:
    void SetUp() override { korvan::testing::EnsureGuiApplication(); }
    // Paints an office image of the help windows' kind and returns the picture.
    QImage Painted(int pictureW, int pictureH, bool centre, bool stretch) {
        TAdvOfficeImage image(nullptr);
        image.SetBounds(50, 0, 630, 99);
        image.Picture()->LoadFromStream(PngFile(Swatch(pictureW, pictureH, kPicture, kPicture)));
        image.SetCenter(centre);
        image.SetStretch(stretch);
        TBitmap target(630, 99);
        target.Canvas().Brush().SetColor(clWhite);
        target.Canvas().FillRect(Rect(0, 0, 630, 99));
        image.PaintImage(target.Canvas());
        return target.Image();
    }
};

TEST_F(OfficeImageTest, PlacesThePicture) {
    struct Case {
        int w, h;
        bool centre, stretch;
        TRect covered; // the picture's pixels inside the box
    };
    for (const Case& c :
         {Case{600, 80, true, false, Rect(15, 9, 615, 89)}, Case{600, 80, false, false, Rect(0, 0, 600, 80)},
          Case{600, 80, true, true, Rect(0, 0, 630, 99)}, Case{700, 80, true, false, Rect(0, 9, 630, 89)}}) {
        const QImage img = Painted(c.w, c.h, c.centre, c.stretch);
        const TRect& r = c.covered;
        EXPECT_EQ(img.pixel(r.Left, r.Top), kPicture) << c.w << c.centre << c.stretch;
        EXPECT_EQ(img.pixel(r.Right - 1, r.Bottom - 1), kPicture) << c.w << c.centre << c.stretch;
        if (r.Left > 0) {
            EXPECT_EQ(img.pixel(r.Left - 1, r.Top), 0xFFFFFFFFu);
        }
        if (r.Bottom < 99) {
            EXPECT_EQ(img.pixel(r.Left, r.Bottom), 0xFFFFFFFFu);
        }
    }
    korvan::testing::SavePng(Painted(600, 80, true, false), "office_image_centred");
}

// A picture wider than the box is cut evenly on both sides: its middle shows.
TEST_F(OfficeImageTest, AWiderPictureShowsItsMiddle) {
    constexpr QRgb kEdge = 0xFFC02020u;
    for (const int width : {700, 701}) {
        // 35 edge columns on each side (36 on the right of the odd one).
        QImage wide(width, 80, QImage::Format_ARGB32);
        wide.fill(kPicture);
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < width; ++x)
                if (x < 35 || x >= 665)
                    wide.setPixel(x, y, kEdge);
        TAdvOfficeImage image(nullptr);
        image.SetBounds(0, 0, 630, 99);
        image.Picture()->LoadFromStream(PngFile(wide));
        TBitmap target(630, 99);
        image.PaintImage(target.Canvas());
        // x = (630 - width) div 2: -35 for both, toward zero.
        EXPECT_EQ(target.Image().pixel(0, 40), kPicture) << width;
        EXPECT_EQ(target.Image().pixel(629, 40), kPicture) << width;
    }
}

TEST_F(OfficeImageTest, EmptyPictureDrawsNothing) {
    TAdvOfficeImage image(nullptr);
    TBitmap target(128, 128);
    target.Canvas().Brush().SetColor(clWhite);
    target.Canvas().FillRect(Rect(0, 0, 128, 128));
    image.PaintImage(target.Canvas());
    EXPECT_EQ(target.Image().pixel(64, 64), 0xFFFFFFFFu);
}

TEST_F(OfficeImageTest, VersionComesFromTheVersionNumber) {
    TAdvOfficeImage image(nullptr);
    EXPECT_EQ(image.GetVersionNr(), 0x01010000u);
    EXPECT_EQ(image.Version(), "1.1.0.0");
    image.SetVersion("2.0.0.0");
    EXPECT_EQ(image.Version(), "1.1.0.0");
    EXPECT_EQ(korvan::gdip::VersionText(korvan::gdip::PackVersion(255, 0, 7, 12)), "255.0.7.12");
}

TEST_F(OfficeImageTest, HintInfoEmptinessAndAssign) {
    TAdvHintInfo info;
    info.Picture()->LoadFromStream(PngFile(Swatch(4, 4, kPicture, kPicture)));
    info.SetShowHelp(true);
    EXPECT_TRUE(info.IsEmpty());
    info.Notes()->Add("one note");
    EXPECT_FALSE(info.IsEmpty());

    info.SetTitle("Title");
    TAdvHintInfo copy;
    copy.Assign(&info);
    EXPECT_EQ(copy.Title(), "Title");
    EXPECT_EQ(copy.Notes()->Text(), info.Notes()->Text());
    EXPECT_TRUE(copy.ShowHelp());
    EXPECT_FALSE(copy.Picture()->Empty());

    TGDIPFill other;
    copy.Assign(&other); // another class: unchanged, no error
    EXPECT_EQ(copy.Title(), "Title");
}

TEST_F(OfficeImageTest, HintNotesAreStoredAsAStringList) {
    TAdvOfficeImage image(nullptr);
    image.SetName("Image1");
    image.OfficeHint()->SetTitle("Title");
    image.OfficeHint()->Notes()->Add("first note");
    image.OfficeHint()->Notes()->Add("it's the second");
    const std::string text = korvan::forms::WriteComponentText(&image);
    EXPECT_NE(text.find("  OfficeHint.Notes.Strings = (\r\n"
                        "    'first note'\r\n"
                        "    'it''s the second')\r\n"),
              std::string::npos)
        << text;

    TAdvOfficeImage back(nullptr);
    korvan::forms::ReadComponentText(text, &back);
    EXPECT_EQ(back.OfficeHint()->Notes()->Text(), image.OfficeHint()->Notes()->Text());
    EXPECT_EQ(back.OfficeHint()->Title(), "Title");
    EXPECT_EQ(korvan::forms::WriteComponentText(&back), text);
}

} // namespace
