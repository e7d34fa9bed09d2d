// The shape button's unit helpers: the palette copy with its three
// failures, and the monochrome mask of one colour.

#include "controls/panels/ShapeImages.h"
#include "platform/gfx/Palette.h"
#include "tests/controls/panels/PanelTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

using korvan::gfx::OwnedPalette;
using korvan::gfx::Palettes;
using korvan::gfx::PaletteStore;
using korvan::gfx::ScopedPaletteStore;
using korvan::panels::BuildStateImage;
using korvan::panels::CopyPalette;
using korvan::panels::CreateMask;
using korvan::testing::PixelAt;
using korvan::testing::SolidFace;

TLogPalette Entries(std::uint16_t version, std::vector<TPaletteEntry> entries) {
    TLogPalette log;
    log.palVersion = version;
    log.palPalEntry = std::move(entries);
    return log;
}

TEST(CopyPalette, NoneGivesNone) {
    const int before = Palettes().Count();
    EXPECT_FALSE(CopyPalette(HPALETTE{}));
    EXPECT_EQ(Palettes().Count(), before);
}

TEST(CopyPalette, TheCopyIsANewPaletteWithTheSameEntriesAndVersion300) {
    const std::vector<TPaletteEntry> entries = {{1, 2, 3, 0}, {250, 128, 7, 4}, {0, 0, 0, 0}, {9, 9, 9, 2}};
    const OwnedPalette source(Palettes().CreatePalette(Entries(0x100, entries)));
    const OwnedPalette copy(CopyPalette(source.Get()));
    ASSERT_TRUE(copy.Get());
    EXPECT_NE(copy.Get(), source.Get());
    EXPECT_EQ(Palettes().Version(copy.Get()), 0x300);
    std::vector<TPaletteEntry> back(8);
    EXPECT_EQ(Palettes().GetEntries(copy.Get(), 0, back), 4);
    back.resize(4);
    EXPECT_EQ(back, entries);
}

// A store that fails at one step of the copy and otherwise does what the
// real one does.
class FailingStore : public PaletteStore {
public:
    enum Step { NoCount, ShortEntries, NoCreate };
    explicit FailingStore(Step step) : step_(step) {}
    int EntryCount(HPALETTE palette) const override {
        return step_ == NoCount ? 0 : PaletteStore::EntryCount(palette);
    }
    int GetEntries(HPALETTE palette, int start, std::span<TPaletteEntry> out) const override {
        const int n = PaletteStore::GetEntries(palette, start, out);
        return step_ == ShortEntries ? n - 1 : n;
    }
    HPALETTE CreatePalette(const TLogPalette& log) override {
        if (step_ == NoCreate && created_)
            return {};
        created_ = true;
        return PaletteStore::CreatePalette(log);
    }

private:
    Step step_;
    bool created_ = false; // the source is made, the copy is refused
};

TEST(CopyPalette, EachFailureRaisesItsOwnText) {
    struct Case {
        FailingStore::Step step;
        const char* message;
        bool outOfResources;
    };
    const Case cases[] = {
        {FailingStore::NoCount, "Invalid palette in CopyPalette", false},
        {FailingStore::ShortEntries, "Cannot get palette entries in CopyPalette", false},
        {FailingStore::NoCreate, "Cannot create palette in CopyPalette", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const ScopedPaletteStore scope(std::make_unique<FailingStore>(c.step));
        const HPALETTE source = Palettes().CreatePalette(Entries(0x300, {{1, 2, 3, 0}, {4, 5, 6, 0}}));
        ASSERT_TRUE(source);
        try {
            CopyPalette(source);
            ADD_FAILURE() << "no exception";
        } catch (const EOutOfResources& e) {
            EXPECT_TRUE(c.outOfResources);
            EXPECT_EQ(std::string(e.what()), c.message);
        } catch (const Exception& e) {
            EXPECT_FALSE(c.outOfResources);
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        // Nothing was left behind: only the source lives.
        EXPECT_EQ(Palettes().Count(), 1);
    }
}

TEST(CopyPalette, AHandleThatNamesNoPaletteIsInvalid) {
    const HPALETTE gone = Palettes().CreatePalette(Entries(0x300, {{1, 2, 3, 0}}));
    Palettes().DeletePalette(gone);
    try {
        CopyPalette(gone);
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.what()), "Invalid palette in CopyPalette");
    }
}

TEST(ShapeImages, TheStateImagesCarryCopiesOfTheSourcePalette) {
    const int before = Palettes().Count();
    {
        TBitmap source = SolidFace(12, 10, clFuchsia);
        source.SetPalette(Palettes().CreatePalette(Entries(0x300, {{255, 0, 255, 0}, {0, 0, 128, 0}})));
        const TBitmap up = BuildStateImage(source, bsUp, {});
        ASSERT_TRUE(up.Palette());
        EXPECT_NE(up.Palette(), source.Palette());
        EXPECT_EQ(Palettes().EntryCount(up.Palette()), 2);
        // Without a palette the image has none either.
        const TBitmap plain = BuildStateImage(SolidFace(12, 10, clFuchsia), bsDown, {});
        EXPECT_FALSE(plain.Palette());
    }
    EXPECT_EQ(Palettes().Count(), before);
}

TEST(ShapeImages, CreateMaskIsMonochromeWhiteWhereTheColourIs) {
    TBitmap b = SolidFace(6, 4, clFuchsia);
    b.Canvas().Brush().SetColor(clNavy);
    b.Canvas().FillRect(Rect(2, 1, 4, 3));
    b.Canvas().SetPixel(5, 0, clWhite);
    const TBitmap mask = CreateMask(b, clFuchsia);
    EXPECT_TRUE(mask.Monochrome());
    EXPECT_EQ(mask.Width(), 6);
    EXPECT_EQ(mask.Height(), 4);
    const struct {
        int x, y;
        TColor expected;
    } probes[] = {{0, 0, clWhite}, {2, 1, clBlack}, {3, 2, clBlack}, {4, 2, clWhite}, {5, 0, clBlack}};
    for (const auto& p : probes) {
        SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
        EXPECT_EQ(PixelAt(mask.Image(), p.x, p.y), p.expected);
    }
    // An empty bitmap gives an empty mask.
    EXPECT_TRUE(CreateMask(TBitmap(), clFuchsia).Empty());
}

} // namespace
