// Block transfers of TCanvas: raster operations on pattern, source and
// destination, monochrome conversion, nearest-pixel scaling and mirroring.

#include "platform/gfx/CanvasImpl.h"

#include "platform/gfx/Graphic.h"

#include <cstdlib>

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
    const bool needSrc = NeedsSource(code);
    if (needSrc && (!src || !src->HasImage() || sw == 0 || sh == 0))
        return;
    const bool needPat = NeedsPattern(code);
    SourceReader reader;
    if (needSrc) {
        // Keep the snapshot alive in this frame; the reader points into it.
        reader = MakeReader(*this, *src);
        if (!reader.snapshot.isNull())
            reader.image = &reader.snapshot;
    }
    const int aw = std::abs(w), ah = std::abs(h);
    const int asw = std::abs(sw), ash = std::abs(sh);
    for (int j = 0; j < ah; ++j) {
        const int dy = y + j * Sign(h) + org_.Y;
        if (dy < clipBox_.top() || dy > clipBox_.bottom())
            continue;
        const int syi = needSrc ? sy + static_cast<int>(static_cast<long long>(j) * ash / ah) * Sign(sh) : 0;
        auto* line = reinterpret_cast<std::uint32_t*>(image_->scanLine(dy));
        for (int i = 0; i < aw; ++i) {
            const int dx = x + i * Sign(w) + org_.X;
            if (!Impl::InClip(*this, dx, dy))
                continue;
            std::uint32_t s = 0, p = 0;
            if (needSrc) {
                const int sxi = sx + static_cast<int>(static_cast<long long>(i) * asw / aw) * Sign(sw);
                if (!reader.Read(sxi, syi, s))
                    continue;
            }
            if (needPat && !Impl::BrushAt(*this, dx, dy, p))
                continue;
            const std::uint32_t d = line[dx] & 0xFFFFFF;
            line[dx] = 0xFF000000u | Impl::MonoFilter(*this, Rop3(code, p, s, d));
        }
    }
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
