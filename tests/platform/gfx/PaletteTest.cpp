// Logical palettes: the store behind the handles, the owner that deletes
// them, and the palette a bitmap carries and shares with its copies.

#include "platform/gfx/Palette.h"
#include "platform/gfx/Bitmap.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using korvan::gfx::OwnedPalette;
using korvan::gfx::Palettes;

TLogPalette ThreeColours(std::uint16_t version = 0x300) {
    TLogPalette log;
    log.palVersion = version;
    log.palPalEntry = {{255, 0, 0, 0}, {0, 128, 0, 0}, {0, 0, 255, 1}};
    return log;
}

TEST(Palette, TheStoreKeepsEntriesAndVersionUntilDeleted) {
    const int before = Palettes().Count();
    const HPALETTE p = Palettes().CreatePalette(ThreeColours(0x100));
    ASSERT_TRUE(p);
    EXPECT_EQ(Palettes().EntryCount(p), 3);
    EXPECT_EQ(Palettes().Version(p), 0x100);
    std::array<TPaletteEntry, 2> two{};
    EXPECT_EQ(Palettes().GetEntries(p, 1, two), 2);
    EXPECT_EQ(two[0], (TPaletteEntry{0, 128, 0, 0}));
    EXPECT_EQ(two[1], (TPaletteEntry{0, 0, 255, 1}));
    // Asked past the end, fewer come back.
    EXPECT_EQ(Palettes().GetEntries(p, 2, two), 1);
    EXPECT_EQ(Palettes().GetEntries(p, 3, two), 0);
    EXPECT_EQ(Palettes().GetEntries(p, -1, two), 0);

    EXPECT_TRUE(Palettes().DeletePalette(p));
    EXPECT_FALSE(Palettes().DeletePalette(p));
    EXPECT_EQ(Palettes().EntryCount(p), 0);
    EXPECT_EQ(Palettes().Count(), before);
    // Handle values are not reused.
    const HPALETTE q = Palettes().CreatePalette(ThreeColours());
    EXPECT_NE(q, p);
    Palettes().DeletePalette(q);
}

TEST(Palette, APaletteWithoutEntriesOrWithTooManyIsRefused) {
    const int before = Palettes().Count();
    EXPECT_FALSE(Palettes().CreatePalette(TLogPalette{}));
    TLogPalette huge;
    huge.palPalEntry.resize(0x10000);
    EXPECT_FALSE(Palettes().CreatePalette(huge));
    huge.palPalEntry.resize(0xFFFF);
    const HPALETTE largest = Palettes().CreatePalette(huge);
    EXPECT_TRUE(largest);
    Palettes().DeletePalette(largest);
    EXPECT_EQ(Palettes().Count(), before);
    // None is no palette.
    EXPECT_EQ(Palettes().EntryCount(HPALETTE{}), 0);
    EXPECT_FALSE(Palettes().DeletePalette(HPALETTE{}));
}

TEST(Palette, TheOwnerDeletesItsPaletteOnceAndCanGiveItUp) {
    const int before = Palettes().Count();
    {
        OwnedPalette owner(Palettes().CreatePalette(ThreeColours()));
        EXPECT_EQ(Palettes().Count(), before + 1);
        OwnedPalette moved(std::move(owner));
        EXPECT_FALSE(owner.Get());
        EXPECT_EQ(Palettes().EntryCount(moved.Get()), 3);
        moved.Reset(Palettes().CreatePalette(ThreeColours()));
        EXPECT_EQ(Palettes().Count(), before + 1); // the first one went
    }
    EXPECT_EQ(Palettes().Count(), before);
    OwnedPalette owner(Palettes().CreatePalette(ThreeColours()));
    const HPALETTE kept = owner.Release();
    owner.Reset();
    EXPECT_EQ(Palettes().EntryCount(kept), 3);
    Palettes().DeletePalette(kept);
}

TEST(Palette, ABitmapSharesItsPaletteWithItsCopiesAndDropsItForANewPicture) {
    const int before = Palettes().Count();
    {
        TBitmap bitmap(4, 4);
        EXPECT_FALSE(bitmap.Palette());
        int changes = 0;
        bitmap.OnChange = [&] { ++changes; };
        const HPALETTE p = Palettes().CreatePalette(ThreeColours());
        bitmap.SetPalette(p);
        EXPECT_EQ(bitmap.Palette(), p);
        EXPECT_EQ(changes, 1);
        bitmap.SetPalette(p); // the same: nothing happens
        EXPECT_EQ(changes, 1);
        {
            const TBitmap copy(bitmap);
            EXPECT_EQ(copy.Palette(), p);
            TBitmap other;
            other.Assign(bitmap);
            EXPECT_EQ(other.Palette(), p);
            // The copy takes another palette: the bitmap keeps its own.
            other.SetPalette(Palettes().CreatePalette(ThreeColours()));
            EXPECT_EQ(Palettes().EntryCount(p), 3);
        }
        // The copies are gone; the bitmap's palette lives on.
        EXPECT_EQ(Palettes().EntryCount(p), 3);
        EXPECT_EQ(Palettes().Count(), before + 1);

        // A picture loaded from bytes has no palette of its own.
        const TBytes bytes = TBitmap(2, 2).SaveToBytes();
        bitmap.LoadFromBytes(bytes);
        EXPECT_FALSE(bitmap.Palette());
        EXPECT_EQ(Palettes().EntryCount(p), 0);
        bitmap.SetPalette(Palettes().CreatePalette(ThreeColours()));
    }
    EXPECT_EQ(Palettes().Count(), before);
}

} // namespace
