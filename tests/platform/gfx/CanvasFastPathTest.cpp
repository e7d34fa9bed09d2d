// The canvas's fast paths against its general pixel-by-pixel paths: on small
// random images both must leave exactly the same pixels.

#include "platform/gfx/Canvas.h"
#include "platform/gfx/CanvasImpl.h"
#include "tests/platform/gfx/PixelProbe.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <random>

namespace {

using korvan::test::FirstDifference;

using Impl = TCanvas::Impl;

QImage RandomImage(int w, int h, std::mt19937& rng, bool opaque = true) {
    QImage img(w, h, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = opaque ? 0xFF000000u | (rng() & 0xFFFFFF) : static_cast<std::uint32_t>(rng());
    }
    return img;
}

struct BlitCase {
    const char* name;
    int x, y, w, h, sx, sy;
    TPoint dstOrg, srcOrg;
    std::optional<TRect> clip; // logical, on the destination
};

// Inside, over every edge of the destination and the source, origins and a
// rectangular clip.
const BlitCase kBlits[] = {
    {"inside", 2, 1, 6, 4, 1, 2, {}, {}, {}},
    {"whole", 0, 0, 13, 9, 0, 0, {}, {}, {}},
    {"over the destination's edges", -3, -2, 20, 15, 0, 0, {}, {}, {}},
    {"over the source's edges", 1, 1, 12, 8, 4, 3, {}, {}, {}},
    {"source above and left", 4, 3, 8, 6, -2, -3, {}, {}, {}},
    {"origins", 1, 0, 7, 5, 2, 1, {2, 3}, {-1, 2}, {}},
    {"rectangular clip", 0, 0, 13, 9, 0, 0, {}, {}, TRect{3, 2, 9, 7}},
    {"clip and origin", -1, 1, 10, 6, 1, 0, {1, 1}, {}, TRect{0, 0, 5, 4}},
};

const std::uint32_t kRops[] = {SRCCOPY,    SRCPAINT,    SRCAND,     SRCINVERT,  SRCERASE,
                               NOTSRCCOPY, NOTSRCERASE, MERGECOPY,  MERGEPAINT, PATCOPY,
                               PATPAINT,   PATINVERT,   DSTINVERT,  BLACKNESS,  WHITENESS,
                               DSPDxax,    0x00B80000,  0x00E40000, 0x00AA0029};

void Prepare(TCanvas& c, const BlitCase& k) {
    c.SetViewportOrg(k.dstOrg.X, k.dstOrg.Y);
    if (k.clip)
        c.SetClipRect(*k.clip);
    c.Brush().SetColor(static_cast<TColor>(0x3C5A96));
}

} // namespace

TEST(CanvasFastPaths, RowBlitsMatchThePixelPathForEveryRasterOperation) {
    std::mt19937 rng(7);
    for (const BlitCase& k : kBlits) {
        for (std::uint32_t rop : kRops) {
            for (bool opaqueSource : {true, false}) {
                const std::uint8_t code = static_cast<std::uint8_t>(rop >> 16);
                QImage srcImage = RandomImage(11, 7, rng, opaqueSource);
                const QImage start = RandomImage(13, 9, rng);
                QImage rows = start, pixels = start;
                TCanvas src(&srcImage), byRows(&rows), byPixels(&pixels);
                src.SetViewportOrg(k.srcOrg.X, k.srcOrg.Y);
                Prepare(byRows, k);
                Prepare(byPixels, k);
                ASSERT_TRUE(Impl::BltRows(byRows, k.x, k.y, k.w, k.h, &src, k.sx, k.sy, k.w, k.h, code))
                    << k.name;
                Impl::BltPixels(byPixels, k.x, k.y, k.w, k.h, &src, k.sx, k.sy, k.w, k.h, code);
                EXPECT_EQ(rows, pixels) << k.name << ", rop " << std::hex << rop << ", first difference "
                                        << FirstDifference(rows, pixels);
            }
        }
    }
}

TEST(CanvasFastPaths, RowBlitsWithinOneImageCopyWhatWasThereBefore) {
    std::mt19937 rng(11);
    const QPoint shifts[] = {{2, 1}, {-2, -1}, {3, 0}, {-3, 0}, {0, 2}, {0, -2}, {1, -2}, {-1, 2}, {0, 0}};
    for (const QPoint shift : shifts) {
        for (std::uint32_t rop : {SRCCOPY, SRCINVERT, MERGEPAINT}) {
            const std::uint8_t code = static_cast<std::uint8_t>(rop >> 16);
            const QImage start = RandomImage(12, 10, rng);
            QImage rows = start, pixels = start;
            TCanvas byRows(&rows), byPixels(&pixels);
            ASSERT_TRUE(Impl::BltRows(byRows, 3, 3, 6, 5, &byRows, 3 + shift.x(), 3 + shift.y(), 6, 5, code));
            Impl::BltPixels(byPixels, 3, 3, 6, 5, &byPixels, 3 + shift.x(), 3 + shift.y(), 6, 5, code);
            EXPECT_EQ(rows, pixels) << shift.x() << "," << shift.y() << " rop " << std::hex << rop
                                    << ", first difference " << FirstDifference(rows, pixels);
        }
    }
}

TEST(CanvasFastPaths, RowBlitsLeaveTheOtherCasesToThePixelPath) {
    std::mt19937 rng(3);
    QImage srcImage = RandomImage(6, 6, rng), dstImage = RandomImage(6, 6, rng);
    TCanvas src(&srcImage), dst(&dstImage);
    const std::uint8_t copy = SRCCOPY >> 16;
    EXPECT_FALSE(Impl::BltRows(dst, 0, 0, 4, 4, &src, 0, 0, 2, 2, copy)) << "scaled";
    EXPECT_FALSE(Impl::BltRows(dst, 3, 0, -4, 4, &src, 0, 0, -4, 4, copy)) << "mirrored";
    dst.Brush().SetStyle(bsCross);
    EXPECT_FALSE(Impl::BltRows(dst, 0, 0, 4, 4, &src, 0, 0, 4, 4, PATCOPY >> 16)) << "hatched pattern";
    EXPECT_TRUE(Impl::BltRows(dst, 0, 0, 4, 4, &src, 0, 0, 4, 4, copy)) << "the pattern is not used";
    dst.Brush().SetStyle(bsSolid);
    dst.ExcludeClipRect(TRect{1, 1, 2, 2});
    EXPECT_FALSE(Impl::BltRows(dst, 0, 0, 4, 4, &src, 0, 0, 4, 4, copy)) << "clip with a hole";
    dst.SelectClipRegion(std::nullopt);
    src.SetMonochrome(true);
    EXPECT_FALSE(Impl::BltRows(dst, 0, 0, 4, 4, &src, 0, 0, 4, 4, copy)) << "monochrome source";
    src.SetMonochrome(false);
    dst.SetMonochrome(true);
    EXPECT_FALSE(Impl::BltRows(dst, 0, 0, 4, 4, &src, 0, 0, 4, 4, copy)) << "monochrome destination";
}

TEST(CanvasFastPaths, ScaledCopiesMatchThePixelPath) {
    struct Scale {
        const char* name;
        int w, h, sw, sh;
    };
    const Scale scales[] = {
        {"stretched", 13, 9, 3, 2}, {"shrunk", 4, 3, 11, 7},           {"one column wide", 12, 8, 1, 7},
        {"mirrored", -9, 6, 5, 4},  {"source mirrored", 8, -5, -6, 3}, {"both mirrored", -7, -6, -4, -5},
        {"unscaled", 6, 4, 6, 4},   {"far stretched", 40, 30, 2, 2},
    };
    std::mt19937 rng(19);
    for (const BlitCase& k : kBlits) {
        for (const Scale& scale : scales) {
            for (bool opaqueSource : {true, false}) {
                QImage srcImage = RandomImage(11, 7, rng, opaqueSource);
                const QImage start = RandomImage(13, 9, rng);
                QImage fast = start, pixels = start;
                TCanvas src(&srcImage), byFast(&fast), byPixels(&pixels);
                src.SetViewportOrg(k.srcOrg.X, k.srcOrg.Y);
                Prepare(byFast, k);
                Prepare(byPixels, k);
                const std::uint8_t copy = SRCCOPY >> 16;
                ASSERT_TRUE(Impl::StretchCopy(byFast, k.x, k.y, scale.w, scale.h, &src, k.sx, k.sy, scale.sw,
                                              scale.sh, copy))
                    << k.name << ", " << scale.name;
                Impl::BltPixels(byPixels, k.x, k.y, scale.w, scale.h, &src, k.sx, k.sy, scale.sw, scale.sh,
                                copy);
                EXPECT_EQ(fast, pixels)
                    << k.name << ", " << scale.name << ", first difference " << FirstDifference(fast, pixels);
            }
        }
    }
    // Within one image: what was there before is copied.
    const QImage start = RandomImage(12, 10, rng);
    QImage fast = start, pixels = start;
    TCanvas byFast(&fast), byPixels(&pixels);
    ASSERT_TRUE(Impl::StretchCopy(byFast, 1, 1, 10, 8, &byFast, 2, 3, 5, 4, SRCCOPY >> 16));
    Impl::BltPixels(byPixels, 1, 1, 10, 8, &byPixels, 2, 3, 5, 4, SRCCOPY >> 16);
    EXPECT_EQ(fast, pixels) << "first difference " << FirstDifference(fast, pixels);
}

TEST(CanvasFastPaths, ScaledCopiesLeaveTheOtherCasesToThePixelPath) {
    std::mt19937 rng(5);
    QImage srcImage = RandomImage(6, 6, rng), dstImage = RandomImage(6, 6, rng);
    TCanvas src(&srcImage), dst(&dstImage);
    const std::uint8_t copy = SRCCOPY >> 16;
    EXPECT_FALSE(Impl::StretchCopy(dst, 0, 0, 4, 4, &src, 0, 0, 2, 2, SRCINVERT >> 16))
        << "another operation";
    dst.ExcludeClipRect(TRect{1, 1, 2, 2});
    EXPECT_FALSE(Impl::StretchCopy(dst, 0, 0, 4, 4, &src, 0, 0, 2, 2, copy)) << "clip with a hole";
    dst.SelectClipRegion(std::nullopt);
    src.SetMonochrome(true);
    EXPECT_FALSE(Impl::StretchCopy(dst, 0, 0, 4, 4, &src, 0, 0, 2, 2, copy)) << "monochrome source";
    src.SetMonochrome(false);
    dst.SetMonochrome(true);
    EXPECT_FALSE(Impl::StretchCopy(dst, 0, 0, 4, 4, &src, 0, 0, 2, 2, copy)) << "monochrome destination";
    dst.SetMonochrome(false);
    EXPECT_TRUE(Impl::StretchCopy(dst, 0, 0, 4, 4, &src, 0, 0, 2, 2, copy)) << "colour to colour";
}

namespace {

std::vector<QPoint> RandomPolyline(std::mt19937& rng, int count, QRect area) {
    std::uniform_int_distribution<int> x(area.left(), area.right()), y(area.top(), area.bottom());
    std::vector<QPoint> pts;
    for (int i = 0; i < count; ++i)
        pts.emplace_back(x(rng), y(rng));
    return pts;
}

} // namespace

TEST(CanvasFastPaths, SolidPensWrittenDirectlyGiveThePixelsOfTheRasterOperationPath) {
    // Copying pens write their pixels (one-pixel steps, wide runs)
    // directly; the same stroke through pmMerge onto black goes pixel by
    // pixel through the raster operation and must end with the same pixels
    // (merging the pen into black gives the pen). Widths 0 to 5, origins
    // and rectangular clips.
    std::mt19937 rng(13);
    for (int round = 0; round < 96; ++round) {
        const int width = round % 6;
        std::vector<TPoint> pts;
        for (const QPoint& p : RandomPolyline(rng, 2 + round % 7, QRect(-6, -6, 36, 28)))
            pts.push_back({p.x(), p.y()});
        QImage direct(24, 16, QImage::Format_RGB32), merged(24, 16, QImage::Format_RGB32);
        direct.fill(0xFF000000u);
        merged.fill(0xFF000000u);
        TCanvas byCopy(&direct), byMerge(&merged);
        byMerge.Pen().SetMode(pmMerge);
        for (TCanvas* c : {&byCopy, &byMerge}) {
            c->Pen().SetWidth(width);
            c->Pen().SetColor(static_cast<TColor>(0x2050A0 + round));
            c->SetViewportOrg(round % 3, -(round % 2));
            if (round % 4 >= 2)
                c->IntersectClipRect(TRect{3, 2, 19, 13});
            c->Polyline(pts);
        }
        EXPECT_EQ(direct, merged) << "round " << round << ", width " << width << ", first difference "
                                  << FirstDifference(direct, merged);
    }
}
