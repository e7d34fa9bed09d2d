#include "controls/gdip/GDIPColors.h"

#include <gtest/gtest.h>

TEST(GDIPColors, OpaqueConversionSwapsRedAndBlue) {
    EXPECT_EQ(ColorToOpaqueARGB(clRed), 0xFFFF0000u);
    EXPECT_EQ(ColorToOpaqueARGB(clBlue), 0xFF0000FFu);
    EXPECT_EQ(ColorToOpaqueARGB(clWhite), 0xFFFFFFFFu);
    EXPECT_EQ(MakeOpaqueARGB(1, 2, 3), 0xFF010203u);
}

TEST(GDIPColors, SystemColoursResolveAndClNoneKeepsItsLowBytes) {
    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_EQ(MakeARGBFromColor(128, clBtnFace),
              MakeARGB(128, GetRValue(face), GetGValue(face), GetBValue(face)));
    EXPECT_EQ(MakeARGBFromColor(7, clNone), 0x07FFFFFFu);
}

TEST(GDIPColors, ChannelsComeBack) {
    const ARGB c = MakeARGB(9, 10, 20, 30);
    EXPECT_EQ(ARGBRed(c), 10);
    EXPECT_EQ(ARGBGreen(c), 20);
    EXPECT_EQ(ARGBBlue(c), 30);
    EXPECT_EQ(c >> 24, 9u);
}
