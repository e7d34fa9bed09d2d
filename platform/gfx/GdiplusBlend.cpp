// A solid colour painted over runs of counted pixels, through maps of
// channel values read from the painter's own blending: the very values the
// painter gives for painting the colour once, twice, ...

#include "platform/gfx/GdiplusRaster.h"

#include <QPainter>
#include <QPainterPath>
#include <array>

namespace korvan::gfx {

namespace {

using Gdiplus::ARGB;
using Map = std::array<std::array<std::uint8_t, 256>, 3>;

// One colour's effect on each channel value, painted 1, 2, ... times.
struct ChannelMaps {
    ARGB Colour = 0;
    bool Valid = false;
    std::vector<Map> Times;
};

std::uint32_t RampPixel(int row, int v) {
    // Row 0: grey; row 1: the channels in other orders, to check that each
    // channel blends on its own.
    return row == 0 ? qRgb(v, v, v) : qRgb(v, 255 - v, (v * 7) & 255);
}

// What one paint of the colour makes of each channel value, read from the
// painter filling a ramp the way it fills a path.
void Derive(ChannelMaps& maps, ARGB colour) {
    maps.Colour = colour;
    maps.Times.assign(1, {});
    QImage ramp(256, 2, QImage::Format_RGB32);
    for (int row = 0; row < 2; ++row)
        for (int v = 0; v < 256; ++v)
            reinterpret_cast<std::uint32_t*>(ramp.scanLine(row))[v] = RampPixel(row, v);
    {
        QPainter p(&ramp);
        p.setRenderHint(QPainter::Antialiasing, false);
        QPainterPath all;
        all.addRect(QRectF(0, 0, 256, 2));
        p.fillPath(all, QColor::fromRgba(colour));
    }
    Map& once = maps.Times[0];
    const auto* grey = reinterpret_cast<const std::uint32_t*>(ramp.constScanLine(0));
    for (int v = 0; v < 256; ++v) {
        once[0][static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(qRed(grey[v]));
        once[1][static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(qGreen(grey[v]));
        once[2][static_cast<std::size_t>(v)] = static_cast<std::uint8_t>(qBlue(grey[v]));
    }
    maps.Valid = true;
    const auto* mixed = reinterpret_cast<const std::uint32_t*>(ramp.constScanLine(1));
    for (int v = 0; v < 256 && maps.Valid; ++v) {
        const std::uint32_t in = RampPixel(1, v);
        const std::uint32_t predicted =
            qRgb(once[0][static_cast<std::size_t>(qRed(in))], once[1][static_cast<std::size_t>(qGreen(in))],
                 once[2][static_cast<std::size_t>(qBlue(in))]);
        maps.Valid = predicted == mixed[v] && qAlpha(grey[v]) == 255;
    }
}

// The maps of a colour, from a few kept per thread (the latest colours).
ChannelMaps& MapsFor(ARGB colour) {
    thread_local std::array<ChannelMaps, 8> kept;
    thread_local std::size_t next = 0;
    for (ChannelMaps& m : kept)
        if (!m.Times.empty() && m.Colour == colour)
            return m;
    ChannelMaps& m = kept[next];
    next = (next + 1) % kept.size();
    Derive(m, colour);
    return m;
}

} // namespace

bool CanBlend(ARGB colour) {
    return MapsFor(colour).Valid;
}

bool BlendRuns(QImage& image, ARGB colour, const std::vector<Gdiplus::PathCoverage::Run>& runs,
               int maxCount) {
    ChannelMaps& maps = MapsFor(colour);
    if (!maps.Valid)
        return false;
    while (static_cast<int>(maps.Times.size()) < maxCount) {
        const Map& last = maps.Times.back();
        const Map& once = maps.Times.front();
        Map next{};
        for (std::size_t c = 0; c < 3; ++c)
            for (std::size_t v = 0; v < 256; ++v)
                next[c][v] = once[c][last[c][v]];
        maps.Times.push_back(next);
    }
    for (const Gdiplus::PathCoverage::Run& run : runs) {
        const Map& m = maps.Times[static_cast<std::size_t>(run.Count - 1)];
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(run.Y)) + run.X;
        for (int i = 0; i < run.Length; ++i) {
            const std::uint32_t v = line[i];
            line[i] = 0xFF000000u | (std::uint32_t(m[0][(v >> 16) & 0xFF]) << 16) |
                      (std::uint32_t(m[1][(v >> 8) & 0xFF]) << 8) | m[2][v & 0xFF];
        }
    }
    return true;
}

} // namespace korvan::gfx
