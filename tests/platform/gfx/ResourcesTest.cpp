// The program's own resources: bitmaps found by name (any letter case, with
// or without the file's extension), by number and by "#number"; a missing
// resource, another module and bytes that are no bitmap fail without
// touching the picture. The test pictures come from
// tests/support/pictures/TestPictures.qrc.

#include "platform/gfx/Resources.h"
#include "platform/gfx/Bitmap.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using korvan::gfx::FindResource;
using korvan::gfx::ResourceKind;

TEST(Resources, BitmapsAreFoundByNameAndByNumber) {
    struct Case {
        const char* how;
        std::function<void(TBitmap&)> load;
        int size;
    };
    const Case cases[] = {
        {"name", [](TBitmap& b) { b.LoadFromResourceName(HInstance, "PLOTSQUARE"); }, 16},
        {"name in other letters", [](TBitmap& b) { b.LoadFromResourceName(HInstance, "PlotSquare"); }, 16},
        {"number", [](TBitmap& b) { b.LoadFromResourceID(HInstance, 101); }, 24},
        {"#number", [](TBitmap& b) { b.LoadFromResourceName(HInstance, "#101"); }, 24},
        {"file name without extension", [](TBitmap& b) { b.LoadFromResourceName(HInstance, "cross"); }, 24},
        {"file name", [](TBitmap& b) { b.LoadFromResourceName(HInstance, "CROSS.BMP"); }, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        TBitmap bitmap;
        c.load(bitmap);
        EXPECT_EQ(bitmap.Width(), c.size);
        EXPECT_EQ(bitmap.Height(), c.size);
    }
    TBitmap square;
    square.LoadFromResourceName(HInstance, "PLOTSQUARE");
    EXPECT_EQ(square.Canvas().Pixel(8, 8), clRed);
    EXPECT_EQ(square.Canvas().Pixel(0, 15), clWhite);
    EXPECT_EQ(square.TransparentColor(), clWhite);
}

TEST(Resources, WhatIsMissingOrNoBitmapLeavesThePictureAsItWas) {
    TBitmap bitmap;
    bitmap.LoadFromResourceID(HInstance, 101);
    const auto raised = [&](auto load) -> std::string {
        try {
            load();
        } catch (const Exception& e) {
            return std::string(e.ClassName()) + ": " + e.Message();
        }
        return "nothing";
    };
    EXPECT_EQ(raised([&] { bitmap.LoadFromResourceName(HInstance, "NOSUCHPICTURE"); }),
              "EResourceNotFound: Resource NOSUCHPICTURE not found");
    EXPECT_EQ(raised([&] { bitmap.LoadFromResourceID(HInstance, 4711); }),
              "EResourceNotFound: Resource 4711 not found");
    EXPECT_EQ(raised([&] { bitmap.LoadFromResourceID(HInstance, -1); }),
              "EResourceNotFound: Resource -1 not found");
    EXPECT_EQ(raised([&] { bitmap.LoadFromResourceName(HInstance, ""); }),
              "EResourceNotFound: Resource  not found");
    EXPECT_EQ(raised([&] { bitmap.LoadFromResourceName(HInstance + 1, "PLOTSQUARE"); }),
              "EResourceNotFound: Resource PLOTSQUARE not found");
    EXPECT_EQ(raised([&] { bitmap.LoadFromResourceName(HInstance, "BROKEN"); }),
              "EInvalidGraphic: Bitmap image is not valid");
    EXPECT_EQ(bitmap.Width(), 24);
    EXPECT_EQ(bitmap.Canvas().Pixel(12, 0), clBlue);
}

TEST(Resources, EachKindHasItsOwnFolder) {
    EXPECT_TRUE(FindResource(HInstance, ResourceKind::Bitmap, "PLOTSQUARE"));
    EXPECT_FALSE(FindResource(HInstance, ResourceKind::RcData, "PLOTSQUARE"));
    const auto broken = FindResource(HInstance, ResourceKind::Bitmap, "broken");
    ASSERT_TRUE(broken);
    EXPECT_EQ(std::string(broken->begin(), broken->end()), "This is text, not a picture.\n");
    // Numbers beyond 16 bits and names that only look like numbers.
    EXPECT_FALSE(FindResource(HInstance, ResourceKind::Bitmap, 101 + 0x10000));
    EXPECT_FALSE(FindResource(HInstance, ResourceKind::Bitmap, "#"));
    EXPECT_FALSE(FindResource(HInstance, ResourceKind::Bitmap, "#10x"));
    EXPECT_FALSE(FindResource(HInstance, ResourceKind::Bitmap, "#99999999999999"));
}

} // namespace
