// Block transfers of TCanvas: raster operations on pattern, source and
// destination, monochrome conversion, nearest-pixel scaling and mirroring.

#include "platform/gfx/CanvasImpl.h"

#include "platform/gfx/Graphic.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

using Impl = TCanvas::Impl;

namespace {

std::uint32_t Rop3(std::uint8_t code, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
    switch (code) {
    case 0xCC:
        return s;
    case 0x88:
        return s & d;
    case 0xEE:
        return s | d;
    case 0x66:
        return s ^ d;
    case 0xF0:
        return p;
    case 0x00:
        return 0;
    case 0xFF:
        return 0xFFFFFF;
    default:
        break;
    }
    std::uint32_t r = 0;
    for (int i = 0; i < 8; ++i) {
        if (!((code >> i) & 1))
            continue;
        r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    }
    return r & 0xFFFFFF;
}

bool NeedsSource(std::uint8_t code) {
    return ((code >> 2) & 0x33) != (code & 0x33);
}
bool NeedsPattern(std::uint8_t code) {
    return ((code >> 4) & 0x0F) != (code & 0x0F);
}

int Sign(int v) {
    return v < 0 ? -1 : 1;
}

} // namespace

// Reads source pixels, converting between monochrome and colour the way the
// platform does: a colour source becomes white where it has its background
// colour; a monochrome source takes the destination's text colour for black
// and its background colour for white.
struct SourceReader {
    const QImage* image;
    QImage snapshot;
    QPoint org;
    bool toMono;
    bool fromMono;
    std::uint32_t srcBk;
    std::uint32_t dstText;
    std::uint32_t dstBk;

    bool Read(int x, int y, std::uint32_t& out) const {
        x += org.x();
        y += org.y();
        if (x < 0 || y < 0 || x >= image->width() || y >= image->height())
            return false;
        const std::uint32_t v = reinterpret_cast<const std::uint32_t*>(image->constScanLine(y))[x] & 0xFFFFFF;
        if (toMono)
            out = v == srcBk ? 0xFFFFFF : 0;
        else if (fromMono)
            out = v == 0 ? dstText : dstBk;
        else
            out = v;
        return true;
    }
};

static SourceReader MakeReader(TCanvas& dst, TCanvas& src) {
    SourceReader r;
    r.image = src.Image();
    if (src.Image() == dst.Image()) {
        // Copies within one image read from a snapshot, so overlapping
        // areas copy what was there before.
        r.snapshot = src.Image()->copy();
        r.image = &r.snapshot;
    }
    r.org = QPoint(src.ViewportOrg().X, src.ViewportOrg().Y);
    r.toMono = dst.Monochrome() && !src.Monochrome();
    r.fromMono = src.Monochrome() && !dst.Monochrome();
    r.srcBk = korvan::gfx::ToQRgb(src.BkColor()) & 0xFFFFFF;
    r.dstText = korvan::gfx::ToQRgb(dst.Font().Color()) & 0xFFFFFF;
    r.dstBk = korvan::gfx::ToQRgb(dst.BkColor()) & 0xFFFFFF;
    return r;
}

void TCanvas::StretchBlt(int x, int y, int w, int h, TCanvas* src, int sx, int sy, int sw, int sh,
                         std::uint32_t rop) {
    Record("StretchBlt", {x, y, w, h, sx, sy, sw, sh, static_cast<int>(rop)});
    if (!HasImage() || w == 0 || h == 0)
        return;
    SyncBackground();
    const std::uint8_t code = static_cast<std::uint8_t>((rop >> 16) & 0xFF);
    if (NeedsSource(code) && (!src || !src->HasImage() || sw == 0 || sh == 0))
        return;
    if (!Impl::BltRows(*this, x, y, w, h, src, sx, sy, sw, sh, code) &&
        !Impl::StretchCopy(*this, x, y, w, h, src, sx, sy, sw, sh, code))
        Impl::BltPixels(*this, x, y, w, h, src, sx, sy, sw, sh, code);
}

bool Impl::StretchCopy(TCanvas& c, int x, int y, int w, int h, TCanvas* src, int sx, int sy, int sw, int sh,
                       std::uint8_t code) {
    // The pictures of a window (stretched backgrounds, button faces) come
    // this way: the general path's clip test, raster operation and
    // division for every pixel cost more than the copy.
    if (code != 0xCC || w == 0 || h == 0 || sw == 0 || sh == 0 || !src || !src->HasImage() || c.monochrome_ ||
        !c.clipMask_.empty() || c.image_->depth() != 32 || src->Monochrome() || src->Image()->depth() != 32)
        return false;
    c.SyncBackground();
    SourceReader reader = MakeReader(c, *src);
    if (!reader.snapshot.isNull())
        reader.image = &reader.snapshot;
    const QImage& from = *reader.image;
    // The same steps and source pixels as the general path.
    const auto [aw, ah, asw, ash, left, top, i0, i1, j0, j1] = ClippedTransferSteps(c, x, y, w, h, sw, sh);
    if (i0 > i1)
        return true;
    // The source column of each destination column, found once (stepped
    // i * asw / aw: whole part and remainder); -1 where it lies outside.
    std::vector<int> columns(static_cast<std::size_t>(i1 - i0 + 1));
    bool allColumns = true;
    {
        std::int64_t whole = i0 * asw / aw, rest = i0 * asw % aw;
        const std::int64_t stepWhole = asw / aw, stepRest = asw % aw;
        for (int& column : columns) {
            const int rx = Saturated(sx + whole * Sign(sw)) + reader.org.x();
            column = rx >= 0 && rx < from.width() ? rx : -1;
            allColumns = allColumns && column >= 0;
            whole += stepWhole;
            rest += stepRest;
            if (rest >= aw) {
                rest -= aw;
                ++whole;
            }
        }
    }
    const std::int64_t first = left + i0 * Sign(w), last = left + i1 * Sign(w);
    const std::int64_t spanLeft = std::min(first, last), spanCount = std::abs(last - first) + 1;
    int previousRy = -1;
    const std::uint32_t* previousLine = nullptr;
    for (std::int64_t j = j0; j <= j1; ++j) {
        const int dy = static_cast<int>(top + j * Sign(h));
        const int ry = Saturated(sy + j * ash / ah * Sign(sh)) + reader.org.y();
        if (ry < 0 || ry >= from.height())
            continue;
        auto* line = reinterpret_cast<std::uint32_t*>(c.image_->scanLine(dy));
        // An enlarged picture repeats its rows: a row from the same source
        // row is the one before it again, when every column was written.
        if (allColumns && ry == previousRy && previousLine) {
            std::memcpy(line + spanLeft, previousLine + spanLeft,
                        std::size_t(spanCount) * sizeof(std::uint32_t));
            previousLine = line;
            continue;
        }
        const auto* source = reinterpret_cast<const std::uint32_t*>(from.constScanLine(ry));
        std::uint32_t* out = line + first;
        const std::ptrdiff_t step = Sign(w);
        for (const int rx : columns) {
            if (rx >= 0)
                *out = 0xFF000000u | (source[rx] & 0xFFFFFF);
            out += step;
        }
        previousRy = ry;
        previousLine = line;
    }
    return true;
}

void Impl::BltPixels(TCanvas& c, int x, int y, int w, int h, TCanvas* src, int sx, int sy, int sw, int sh,
                     std::uint8_t code) {
    c.SyncBackground();
    const bool needSrc = NeedsSource(code);
    if (needSrc && (!src || !src->HasImage() || sw == 0 || sh == 0))
        return;
    const bool needPat = NeedsPattern(code);
    SourceReader reader;
    if (needSrc) {
        // Keep the snapshot alive in this frame; the reader points into it.
        reader = MakeReader(c, *src);
        if (!reader.snapshot.isNull())
            reader.image = &reader.snapshot;
    }
    // Only the rows and columns that land in the clip box.
    const auto [aw, ah, asw, ash, left, top, i0, i1, j0, j1] = ClippedTransferSteps(c, x, y, w, h, sw, sh);
    for (std::int64_t j = j0; j <= j1; ++j) {
        const int dy = static_cast<int>(top + j * Sign(h));
        const int syi = needSrc ? Saturated(sy + j * ash / ah * Sign(sh)) : 0;
        auto* line = reinterpret_cast<std::uint32_t*>(c.image_->scanLine(dy));
        for (std::int64_t i = i0; i <= i1; ++i) {
            const int dx = static_cast<int>(left + i * Sign(w));
            if (!InClip(c, dx, dy))
                continue;
            std::uint32_t s = 0, p = 0;
            if (needSrc) {
                const int sxi = Saturated(sx + i * asw / aw * Sign(sw));
                if (!reader.Read(sxi, syi, s))
                    continue;
            }
            if (needPat && !BrushAt(c, dx, dy, p))
                continue;
            const std::uint32_t d = line[dx] & 0xFFFFFF;
            line[dx] = 0xFF000000u | MonoFilter(c, Rop3(code, p, s, d));
        }
    }
}

namespace {

// Any raster operation with a pattern that is one colour, as four masks
// over (source, destination) bit pairs: bit b of the result is bit b of
// k[2 * s + d] for the source bit s and destination bit d there. Whole rows
// then run as plain word operations the compiler vectorises.
struct RopMasks {
    std::uint32_t k[4];
};

RopMasks MasksOf(std::uint8_t code, std::uint32_t p) {
    RopMasks m{};
    for (int sd = 0; sd < 4; ++sd) {
        const std::uint32_t withPen = ((code >> (4 + sd)) & 1) ? p : 0;
        const std::uint32_t withoutPen = ((code >> sd) & 1) ? ~p : 0;
        m.k[sd] = (withPen | withoutPen) & 0xFFFFFF;
    }
    return m;
}

void RopRow(std::uint32_t* __restrict d, const std::uint32_t* __restrict s, int n, const RopMasks& m) {
    const std::uint32_t k0 = m.k[0], k1 = m.k[1], k2 = m.k[2], k3 = m.k[3];
    for (int i = 0; i < n; ++i) {
        const std::uint32_t sv = s[i], dv = d[i];
        d[i] = 0xFF000000u | (k3 & sv & dv) | (k2 & sv & ~dv) | (k1 & ~sv & dv) | (k0 & ~sv & ~dv);
    }
}

void CopyRow(std::uint32_t* __restrict d, const std::uint32_t* __restrict s, int n) {
    for (int i = 0; i < n; ++i)
        d[i] = 0xFF000000u | s[i];
}

} // namespace

bool Impl::BltRows(TCanvas& c, int x, int y, int w, int h, TCanvas* src, int sx, int sy, int sw, int sh,
                   std::uint8_t code) {
    // Whole rows only where every pixel of a row takes the same path: no
    // scaling or mirroring, no colour conversion, a rectangular clip and a
    // pattern of one colour.
    if (c.monochrome_ || !c.clipMask_.empty() || w < 0 || h < 0 || c.image_->depth() != 32)
        return false;
    const bool needSrc = NeedsSource(code);
    if (needSrc && (sw != w || sh != h || src->Monochrome() || src->Image()->depth() != 32))
        return false;
    std::uint32_t p = 0;
    if (NeedsPattern(code)) {
        if (c.brush_.Style() != bsSolid || !c.brush_.Bitmap().isNull())
            return false;
        p = korvan::gfx::ToQRgb(c.brush_.Color()) & 0xFFFFFF;
    }
    // Places beyond the int range are the general path's.
    const std::int64_t left = std::int64_t(x) + c.org_.X, top = std::int64_t(y) + c.org_.Y;
    auto fits = [](std::int64_t v) {
        return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max();
    };
    if (!fits(left) || !fits(top) || !fits(left + w) || !fits(top + h) ||
        (needSrc &&
         (!fits(std::int64_t(sx) + src->org_.X - left) || !fits(std::int64_t(sy) + src->org_.Y - top))))
        return false;
    // The destination rectangle, cut to the clip and to where the source has
    // pixels (the general path skips pixels outside the source).
    QRect dest(static_cast<int>(left), static_cast<int>(top), w, h);
    dest &= c.clipBox_;
    QPoint shift; // source device pixel = destination pixel + shift
    if (needSrc) {
        shift = QPoint(sx + src->org_.X - (x + c.org_.X), sy + src->org_.Y - (y + c.org_.Y));
        dest &= src->Image()->rect().translated(-shift);
    }
    if (dest.isEmpty())
        return true;
    const int n = dest.width();
    const RopMasks masks = MasksOf(code, p);
    // A row of zeros stands in for the source a pattern operation ignores.
    std::vector<std::uint32_t> row(needSrc ? 0 : static_cast<std::size_t>(n), 0u);
    const bool sameImage = needSrc && src->Image() == c.image_;
    const bool down = !sameImage || shift.y() >= 0;
    for (int j = 0; j < dest.height(); ++j) {
        // Within one image, rows run away from the rows they overwrite.
        const int dy = down ? dest.top() + j : dest.bottom() - j;
        auto* line = reinterpret_cast<std::uint32_t*>(c.image_->scanLine(dy)) + dest.left();
        if (!needSrc) {
            RopRow(line, row.data(), n, masks);
            continue;
        }
        const auto* from =
            reinterpret_cast<const std::uint32_t*>(src->Image()->constScanLine(dy + shift.y())) +
            dest.left() + shift.x();
        if (sameImage) {
            // Overlapping rows of one image: go through a copy of the row.
            row.assign(from, from + n);
            from = row.data();
        }
        if (code == 0xCC)
            CopyRow(line, from, n);
        else
            RopRow(line, from, n, masks);
    }
    return true;
}

void TCanvas::BitBlt(int x, int y, int w, int h, TCanvas* src, int sx, int sy, std::uint32_t rop) {
    StretchBlt(x, y, w, h, src, sx, sy, w, h, rop);
}

void TCanvas::PatBlt(int x, int y, int w, int h, std::uint32_t rop) {
    StretchBlt(x, y, w, h, nullptr, 0, 0, 0, 0, rop);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& src) {
    StretchBlt(dest.Left, dest.Top, dest.Width(), dest.Height(), &source, src.Left, src.Top, src.Width(),
               src.Height(), copyMode_);
}

void TCanvas::TransparentBlt(int x, int y, int w, int h, TCanvas& src, int sx, int sy, int sw, int sh,
                             TColor key) {
    Record("TransparentBlt", {x, y, w, h, sx, sy, sw, sh, key});
    if (!HasImage() || !src.HasImage() || w <= 0 || h <= 0 || sw <= 0 || sh <= 0)
        return;
    SourceReader reader = MakeReader(*this, src);
    if (!reader.snapshot.isNull())
        reader.image = &reader.snapshot;
    reader.toMono = reader.fromMono = false;
    const std::uint32_t k = korvan::gfx::ToQRgb(key) & 0xFFFFFF;
    Impl::ForEachClippedPixel(*this, x, y, w, h, [&](std::int64_t i, std::int64_t j, int dx, int dy) {
        std::uint32_t s;
        if (reader.Read(Impl::Saturated(sx + i * sw / w), Impl::Saturated(sy + j * sh / h), s) && s != k)
            Impl::Put(*this, dx, dy, s, pmCopy);
    });
}

void TCanvas::MaskedStretchBlt(int x, int y, int w, int h, TCanvas& src, int sx, int sy, int sw, int sh,
                               TCanvas& mask, int mx, int my) {
    Record("MaskedStretchBlt", {x, y, w, h, sx, sy, sw, sh, mx, my});
    if (!HasImage() || !src.HasImage() || !mask.HasImage() || w <= 0 || h <= 0 || sw <= 0 || sh <= 0)
        return;
    SourceReader reader = MakeReader(*this, src);
    if (!reader.snapshot.isNull())
        reader.image = &reader.snapshot;
    reader.toMono = reader.fromMono = false;
    SourceReader maskReader = MakeReader(*this, mask);
    if (!maskReader.snapshot.isNull())
        maskReader.image = &maskReader.snapshot;
    maskReader.toMono = maskReader.fromMono = false;
    Impl::ForEachClippedPixel(*this, x, y, w, h, [&](std::int64_t i, std::int64_t j, int dx, int dy) {
        const std::int64_t si = i * sw / w, sj = j * sh / h;
        std::uint32_t m, s;
        if (maskReader.Read(Impl::Saturated(mx + si), Impl::Saturated(my + sj), m) && m == 0 &&
            reader.Read(Impl::Saturated(sx + si), Impl::Saturated(sy + sj), s))
            Impl::Put(*this, dx, dy, s, pmCopy);
    });
}

void TCanvas::Draw(int x, int y, TGraphic& graphic) {
    if (graphic.Empty())
        return;
    graphic.Draw(*this, Bounds(x, y, graphic.Width(), graphic.Height()));
}

void TCanvas::StretchDraw(const TRect& r, TGraphic& graphic) {
    if (graphic.Empty())
        return;
    graphic.Draw(*this, r);
}
