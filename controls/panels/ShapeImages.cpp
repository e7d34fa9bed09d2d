#include "controls/panels/ShapeImages.h"

#include "controls/panels/ColorShading.h"

namespace korvan::panels {

namespace {
QRgb Rgb(TColor c) {
    return korvan::gfx::ToQRgb(ColorToRGB(c)) | 0xFF000000u;
}
bool Is(const QImage& image, int x, int y, QRgb rgb) {
    return (image.pixel(x, y) | 0xFF000000u) == rgb;
}
} // namespace

HPALETTE CopyPalette(HPALETTE palette) {
    if (!palette)
        return {};
    korvan::gfx::PaletteStore& store = korvan::gfx::Palettes();
    const int count = store.EntryCount(palette);
    if (count <= 0)
        throw Exception("Invalid palette in CopyPalette");
    TLogPalette copy;
    copy.palVersion = 0x300;
    copy.palPalEntry.resize(std::size_t(count));
    if (store.GetEntries(palette, 0, copy.palPalEntry) != count)
        throw Exception("Cannot get palette entries in CopyPalette");
    const HPALETTE made = store.CreatePalette(copy);
    if (!made)
        throw EOutOfResources("Cannot create palette in CopyPalette");
    return made;
}

TBitmap CreateMask(const TBitmap& bitmap, TColor color) {
    const int w = bitmap.Width(), h = bitmap.Height();
    TBitmap mask(w, h);
    mask.SetMonochrome(true);
    const QRgb key = Rgb(color);
    const QImage& in = bitmap.Image();
    QImage& out = mask.Image();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.setPixel(x, y, Is(in, x, y, key) ? 0xFFFFFFFFu : 0xFF000000u);
    return mask;
}

TBitmap EdgeMask(const TBitmap& source, const TBitmap& current, const std::vector<TPoint>& offsets,
                 TColor transparent) {
    const int w = source.Width(), h = source.Height();
    TBitmap mask(w, h);
    const QRgb key = Rgb(transparent);
    const QImage& src = source.Image();
    const QImage& cur = current.Image();
    QImage& out = mask.Image();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            bool edge = false;
            if (x < cur.width() && y < cur.height() && Is(cur, x, y, key))
                for (const TPoint& o : offsets) {
                    const int sx = x - o.X, sy = y - o.Y;
                    if (sx >= 0 && sy >= 0 && sx < w && sy < h && !Is(src, sx, sy, key)) {
                        edge = true;
                        break;
                    }
                }
            out.setPixel(x, y, edge ? 0xFF000000u : 0xFFFFFFFFu);
        }
    return mask;
}

std::vector<TPoint> RingOffsets(int i, int side) {
    std::vector<TPoint> cells;
    if (side == 0) {
        for (int y = -i; y <= i; ++y)
            cells.push_back(Point(i, y));
        for (int x = i - 1; x >= -i; --x)
            cells.push_back(Point(x, i));
    } else {
        for (int y = i - 1; y >= -i; --y)
            cells.push_back(Point(-i, y));
        for (int x = -i + 1; x <= i - 1; ++x)
            cells.push_back(Point(x, -i));
    }
    return cells;
}

TBitmap BuildStateImage(const TBitmap& source, TButtonState state, const ShapeRings& rings) {
    TBitmap dest(source);
    dest.SetPalette(CopyPalette(source.Palette()));
    const TColor transparent = source.TransparentColor();
    const bool down = state == bsDown;
    const int count = std::min(rings.BevelWidth, 2) + (rings.Border ? 1 : 0);
    // A highlight in the transparent colour would vanish: one step darker.
    const TColor highlight = ColorToRGB(rings.Highlight) == ColorToRGB(transparent)
                                 ? DarkerColor(rings.Highlight, 1)
                                 : rings.Highlight;
    for (int i = 1; i <= count; ++i) {
        const TBitmap before(dest);
        const bool last = i == count;
        for (int side = 0; side <= 1; ++side) {
            if (side == 0 && last && down)
                continue;
            TColor colour;
            if (last && rings.Border)
                colour = rings.BorderColor;
            else if (side == 0)
                colour = down ? highlight : rings.Shadow;
            else
                colour = down ? rings.Shadow : highlight;
            const TBitmap mask = EdgeMask(source, before, RingOffsets(i, side), transparent);
            const QRgb rgb = Rgb(colour);
            QImage& out = dest.Image();
            const QImage& m = mask.Image();
            for (int y = 0; y < out.height(); ++y)
                for (int x = 0; x < out.width(); ++x)
                    if ((m.pixel(x, y) & 0xFFFFFFu) == 0)
                        out.setPixel(x, y, rgb);
        }
    }
    return dest;
}

} // namespace korvan::panels
