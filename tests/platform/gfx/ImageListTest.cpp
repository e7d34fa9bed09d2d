#include "platform/gfx/ImageList.h"
#include "tests/platform/gfx/PixelProbe.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

namespace {

// A bitmap from rows of letters: 't' teal, 'k' black, 'w' white, 'r' red, 'b' blue.
TBitmap Picture(const std::vector<std::string>& rows) {
    TBitmap bmp(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < bmp.Height(); ++y)
        for (int x = 0; x < bmp.Width(); ++x) {
            const char c = rows[y][x];
            bmp.Canvas().SetPixel(x, y,
                                  c == 't'   ? clTeal
                                  : c == 'k' ? clBlack
                                  : c == 'w' ? clWhite
                                  : c == 'r' ? clRed
                                             : clBlue);
        }
    return bmp;
}

// The canvas area as letters: '.' the background, 'S' button shadow, 'H'
// button highlight, and the letters of Picture for the rest.
std::string Letters(const TCanvas& c, TRect r, TColor background) {
    std::string out;
    for (int y = r.Top; y < r.Bottom; ++y) {
        for (int x = r.Left; x < r.Right; ++x) {
            const TColor p = c.Pixel(x, y);
            out += p == background                   ? '.'
                   : p == ColorToRGB(clBtnShadow)    ? 'S'
                   : p == ColorToRGB(clBtnHighlight) ? 'H'
                   : p == clBlack                    ? 'k'
                   : p == clWhite                    ? 'w'
                   : p == clRed                      ? 'r'
                   : p == clBlue                     ? 'b'
                                                     : '?';
        }
        out += '\n';
    }
    return out;
}

struct ImageListFixture : ::testing::Test {
    TBitmap page{20, 12};
    void SetUp() override {
        page.Canvas().Brush().SetColor(clYellow);
        page.Canvas().FillRect(Rect(0, 0, 20, 12));
    }
};

} // namespace

TEST_F(ImageListFixture, MaskedImagesDrawTheirPixelsOnly) {
    TImageList list(3, 3);
    int changes = 0;
    list.OnChange = [&] { ++changes; };
    EXPECT_EQ(list.AddMasked(Picture({"tkt", "krk", "tkt"}), clTeal), 0);
    EXPECT_EQ(list.AddMasked(Picture({"tbt", "bbb", "tbt"}), clDefault), 1); // key: bottom-left pixel
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(changes, 2);
    list.Draw(page.Canvas(), 1, 1, 0);
    list.Draw(page.Canvas(), 5, 1, 1);
    list.Draw(page.Canvas(), 9, 1, 2);  // beyond the list: nothing
    list.Draw(page.Canvas(), 9, 1, -1); // likewise
    EXPECT_EQ(Letters(page.Canvas(), Rect(0, 0, 12, 5), clYellow), "............\n"
                                                                   "..k...b.....\n"
                                                                   ".krk.bbb....\n"
                                                                   "..k...b.....\n"
                                                                   "............\n");
    // clNone masks nothing; a monochrome mask hides where it is white.
    TImageList plain(2, 1);
    plain.AddMasked(Picture({"tk"}), clNone);
    TBitmap mask = Picture({"wk"});
    mask.SetMonochrome(true);
    plain.Add(Picture({"rr"}), &mask);
    plain.Draw(page.Canvas(), 1, 8, 0);
    plain.Draw(page.Canvas(), 5, 8, 1);
    EXPECT_EQ(page.Canvas().Pixel(1, 8), clTeal);
    EXPECT_EQ(Letters(page.Canvas(), Rect(5, 8, 7, 9), clYellow), ".r\n");
}

TEST_F(ImageListFixture, DrawingHonoursTheCanvasOriginAndClip) {
    TImageList list(3, 1);
    list.AddMasked(Picture({"kkk"}), clTeal);
    page.Canvas().SetViewportOrg(2, 2);
    page.Canvas().IntersectClipRect(Rect(0, 0, 2, 5));
    list.Draw(page.Canvas(), 0, 0, 0);
    page.Canvas().SetViewportOrg(0, 0);
    EXPECT_EQ(Letters(page.Canvas(), Rect(1, 2, 6, 3), clYellow), ".kk..\n");
}

TEST_F(ImageListFixture, DisabledImagesAreEmbossedFromTheirNonWhiteShape) {
    TImageList list(4, 3);
    list.AddMasked(Picture({"tttt", "tkwr", "tttt"}), clTeal);
    list.Draw(page.Canvas(), 1, 1, 0, false);
    // Black and red show as shadow, white vanishes, the highlight peeks out
    // one pixel down and right.
    EXPECT_EQ(Letters(page.Canvas(), Rect(0, 0, 7, 5), clYellow), ".......\n"
                                                                  ".......\n"
                                                                  "..S.S..\n"
                                                                  "...H.H.\n"
                                                                  ".......\n");
}

TEST(ImageList, WideNarrowAndTallBitmaps) {
    TImageList list(2, 2);
    // Three images side by side (the odd column is dropped).
    EXPECT_EQ(list.AddMasked(Picture({"kkrrbbt", "kkrrbbt"}), clTeal), 0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Image(1).pixel(0, 0), 0xFFFF0000u);
    // Narrower: one image, the missing column transparent; taller: rows cut.
    EXPECT_EQ(list.AddMasked(Picture({"k", "k", "k"}), clTeal), 3);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(qAlpha(list.Image(3).pixel(0, 1)), 255);
    EXPECT_EQ(qAlpha(list.Image(3).pixel(1, 0)), 0);
    EXPECT_EQ(list.AddMasked(TBitmap(), clTeal), -1);
    EXPECT_EQ(list.Count(), 4);
    EXPECT_TRUE(list.Image(4).isNull());

    TBitmap copy;
    ASSERT_TRUE(list.GetBitmap(3, copy));
    EXPECT_EQ(copy.Width(), 2);
    EXPECT_EQ(copy.Canvas().Pixel(1, 0), clWhite);
    EXPECT_EQ(copy.Canvas().Pixel(0, 0), clBlack);

    list.Delete(0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Image(0).pixel(0, 0), 0xFFFF0000u);
    list.SetSize(2, 2); // same size: kept
    EXPECT_EQ(list.Count(), 3);
    list.SetSize(4, 4); // new size: emptied
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Width(), 4);
}

TEST(ImageList, StreamRoundTripAndDamagedStreams) {
    TImageList list(3, 2);
    list.AddMasked(Picture({"tkr", "bwt"}), clTeal);
    list.AddMasked(Picture({"kkk", "ttt"}), clTeal);
    const TBytes bytes = list.SaveToBytes();

    TImageList back(16, 16);
    back.LoadFromBytes(bytes);
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(back.Width(), 3);
    EXPECT_EQ(back.Height(), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(back.Image(i), list.Image(i)) << i;

    TImageList empty(24, 24);
    back.LoadFromBytes(empty.SaveToBytes());
    EXPECT_EQ(back.Count(), 0);
    EXPECT_EQ(back.Width(), 24);

    // Truncated, wrong magic, a count that does not match the pictures.
    TBytes shortBytes(bytes.begin(), bytes.begin() + 30);
    TBytes badMagic = bytes;
    badMagic[0] = 'X';
    TBytes badCount = bytes;
    badCount[16] = 3;
    for (const TBytes& bad : {shortBytes, badMagic, badCount, TBytes{}}) {
        back.LoadFromBytes(bytes);
        EXPECT_THROW(back.LoadFromBytes(bad), EInvalidGraphic);
        EXPECT_EQ(back.Count(), 0);
    }
}
