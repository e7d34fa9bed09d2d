// Block transfers of TCanvas: raster operations on pattern, source and
// destination, monochrome conversion, nearest-pixel scaling and mirroring.

#include "platform/gfx/CanvasImpl.h"

#include "platform/gfx/Graphic.h"

#include <cstdlib>
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
    if (!Impl::BltRows(*this, x, y, w, h, src, sx, sy, sw, sh, code))
        Impl::BltPixels(*this, x, y, w, h, src, sx, sy, sw, sh, code);
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
    const int aw = std::abs(w), ah = std::abs(h);
    const int asw = std::abs(sw), ash = std::abs(sh);
    for (int j = 0; j < ah; ++j) {
        const int dy = y + j * Sign(h) + c.org_.Y;
        if (dy < c.clipBox_.top() || dy > c.clipBox_.bottom())
            continue;
        const int syi = needSrc ? sy + static_cast<int>(static_cast<long long>(j) * ash / ah) * Sign(sh) : 0;
        auto* line = reinterpret_cast<std::uint32_t*>(c.image_->scanLine(dy));
        for (int i = 0; i < aw; ++i) {
            const int dx = x + i * Sign(w) + c.org_.X;
            if (!InClip(c, dx, dy))
                continue;
            std::uint32_t s = 0, p = 0;
            if (needSrc) {
                const int sxi = sx + static_cast<int>(static_cast<long long>(i) * asw / aw) * Sign(sw);
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
    // The destination rectangle, cut to the clip and to where the source has
    // pixels (the general path skips pixels outside the source).
    QRect dest(x + c.org_.X, y + c.org_.Y, w, h);
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
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            std::uint32_t s;
            if (!reader.Read(sx + static_cast<int>(static_cast<long long>(i) * sw / w),
                             sy + static_cast<int>(static_cast<long long>(j) * sh / h), s) ||
                s == k)
                continue;
            Impl::Put(*this, x + i + org_.X, y + j + org_.Y, s, pmCopy);
        }
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
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) {
            const int si = static_cast<int>(static_cast<long long>(i) * sw / w);
            const int sj = static_cast<int>(static_cast<long long>(j) * sh / h);
            std::uint32_t m, s;
            if (!maskReader.Read(mx + si, my + sj, m) || m != 0)
                continue;
            if (reader.Read(sx + si, sy + sj, s))
                Impl::Put(*this, x + i + org_.X, y + j + org_.Y, s, pmCopy);
        }
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
