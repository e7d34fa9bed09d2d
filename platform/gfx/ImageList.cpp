#include "platform/gfx/ImageList.h"

#include "platform/gfx/Codecs.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

// Stream layout (little-endian): magic, version, image width, height and
// count, then the length and bytes of one PNG holding the images side by side
// with their masks as alpha.
constexpr char kMagic[4] = {'K', 'I', 'M', 'L'};
constexpr std::uint32_t kVersion = 1;
constexpr std::uint32_t kMaxSide = 4096;
constexpr std::uint64_t kMaxPixels = 64ull << 20;

void PutU32(TBytes& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::uint32_t GetU32(std::span<const std::uint8_t> in, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(in[at + i]) << (8 * i);
    return v;
}

} // namespace

TImageList::TImageList(int width, int height) : width_(std::max(1, width)), height_(std::max(1, height)) {}

void TImageList::Changed() {
    if (OnChange)
        OnChange();
}

void TImageList::SetSize(int width, int height) {
    width = std::max(1, width);
    height = std::max(1, height);
    if (width == width_ && height == height_)
        return;
    width_ = width;
    height_ = height;
    images_.clear();
    Changed();
}

void TImageList::Clear() {
    if (images_.empty())
        return;
    images_.clear();
    Changed();
}

void TImageList::Delete(int index) {
    if (index < 0 || index >= Count())
        return;
    images_.erase(images_.begin() + index);
    Changed();
}

void TImageList::Assign(const TImageList& other) {
    if (&other == this)
        return;
    width_ = other.width_;
    height_ = other.height_;
    images_ = other.images_;
    Changed();
}

int TImageList::Append(const QImage& argb) {
    if (argb.isNull())
        return -1;
    const int n = std::max(1, argb.width() / width_);
    const int first = Count();
    for (int k = 0; k < n; ++k) {
        QImage cell(width_, height_, QImage::Format_ARGB32);
        cell.fill(0u);
        for (int y = 0; y < std::min(height_, argb.height()); ++y) {
            const auto* src = reinterpret_cast<const std::uint32_t*>(argb.constScanLine(y)) + k * width_;
            auto* dst = reinterpret_cast<std::uint32_t*>(cell.scanLine(y));
            const int w = std::min(width_, argb.width() - k * width_);
            std::memcpy(dst, src, static_cast<std::size_t>(w) * sizeof(std::uint32_t));
        }
        images_.push_back(std::move(cell));
    }
    Changed();
    return first;
}

int TImageList::Add(const TBitmap& image, const TBitmap* mask) {
    if (image.Empty())
        return -1;
    QImage argb = image.Image().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const bool masked = mask && !mask->Empty() && x < mask->Width() && y < mask->Height() &&
                                (mask->Image().pixel(x, y) & 0xFFFFFFu) == 0xFFFFFFu;
            line[x] = masked ? 0u : (line[x] | kOpaque);
        }
    }
    return Append(argb);
}

int TImageList::AddMasked(const TBitmap& image, TColor maskColor) {
    if (image.Empty())
        return -1;
    if (maskColor == clNone)
        return Add(image);
    if (maskColor == clDefault)
        maskColor = image.TransparentColor();
    const std::uint32_t key = korvan::gfx::ToQRgb(maskColor) & 0xFFFFFFu;
    QImage argb = image.Image().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            line[x] = (line[x] & 0xFFFFFFu) == key ? 0u : (line[x] | kOpaque);
    }
    return Append(argb);
}

QImage TImageList::Image(int index) const {
    if (index < 0 || index >= Count())
        return {};
    return images_[index];
}

bool TImageList::GetBitmap(int index, TBitmap& bitmap) const {
    if (index < 0 || index >= Count())
        return false;
    QImage rgb(width_, height_, QImage::Format_RGB32);
    rgb.fill(0xFFFFFFFFu);
    QPainter(&rgb).drawImage(0, 0, images_[index]);
    bitmap.AssignImage(rgb);
    return true;
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= Count())
        return;
    const QImage& cell = images_[index];
    // The mask: black where the picture (or, disabled, its shape) shows.
    TBitmap mask(width_, height_);
    for (int j = 0; j < height_; ++j) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(cell.constScanLine(j));
        auto* m = reinterpret_cast<std::uint32_t*>(mask.Image().scanLine(j));
        for (int i = 0; i < width_; ++i) {
            const bool shows = qAlpha(src[i]) != 0 && (enabled || (src[i] & 0xFFFFFFu) != 0xFFFFFFu);
            m[i] = shows ? 0xFF000000u : 0xFFFFFFFFu;
        }
    }
    mask.SetMonochrome(true);
    if (enabled) {
        TBitmap picture(width_, height_);
        picture.AssignImage(cell.convertToFormat(QImage::Format_RGB32));
        canvas.MaskedStretchBlt(x, y, width_, height_, picture.Canvas(), 0, 0, width_, height_, mask.Canvas(),
                                0, 0);
        return;
    }
    TBitmap ink(width_, height_);
    for (const auto& [dx, colour] : {std::pair{1, clBtnHighlight}, std::pair{0, clBtnShadow}}) {
        ink.Canvas().Brush().SetColor(colour);
        ink.Canvas().FillRect(Rect(0, 0, width_, height_));
        canvas.MaskedStretchBlt(x + dx, y + dx, width_, height_, ink.Canvas(), 0, 0, width_, height_,
                                mask.Canvas(), 0, 0);
    }
}

TBytes TImageList::SaveToBytes() const {
    TBytes out(std::begin(kMagic), std::end(kMagic));
    PutU32(out, kVersion);
    PutU32(out, static_cast<std::uint32_t>(width_));
    PutU32(out, static_cast<std::uint32_t>(height_));
    PutU32(out, static_cast<std::uint32_t>(Count()));
    TBytes png;
    if (!images_.empty()) {
        QImage strip(width_ * Count(), height_, QImage::Format_ARGB32);
        strip.fill(0u);
        QPainter p(&strip);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        for (int i = 0; i < Count(); ++i)
            p.drawImage(i * width_, 0, images_[i]);
        p.end();
        png = korvan::gfx::EncodePng(strip, 9);
    }
    PutU32(out, static_cast<std::uint32_t>(png.size()));
    out.insert(out.end(), png.begin(), png.end());
    return out;
}

void TImageList::LoadFromBytes(std::span<const std::uint8_t> bytes) {
    images_.clear();
    constexpr std::size_t kHeader = 4 + 5 * 4;
    if (bytes.size() < kHeader || std::memcmp(bytes.data(), kMagic, 4) != 0 || GetU32(bytes, 4) != kVersion) {
        Changed();
        throw EInvalidGraphic("Image list data is not valid");
    }
    const std::uint32_t w = GetU32(bytes, 8), h = GetU32(bytes, 12), count = GetU32(bytes, 16);
    const std::uint32_t pngSize = GetU32(bytes, 20);
    const bool sane = w >= 1 && h >= 1 && w <= kMaxSide && h <= kMaxSide &&
                      std::uint64_t(w) * h * count <= kMaxPixels && std::uint64_t(w) * count <= 0x7FFFFFFF &&
                      pngSize == bytes.size() - kHeader && (count == 0) == (pngSize == 0);
    QImage strip;
    if (sane && count > 0)
        strip = korvan::gfx::DecodePng(bytes.subspan(kHeader, pngSize));
    if (!sane || (count > 0 && (strip.isNull() || strip.width() != static_cast<int>(w * count) ||
                                strip.height() != static_cast<int>(h)))) {
        Changed();
        throw EInvalidGraphic("Image list data is not valid");
    }
    width_ = static_cast<int>(w);
    height_ = static_cast<int>(h);
    strip = strip.convertToFormat(QImage::Format_ARGB32);
    for (std::uint32_t i = 0; i < count; ++i) {
        QImage cell = strip.copy(static_cast<int>(i * w), 0, width_, height_);
        for (int y = 0; y < height_; ++y) { // masks are all or nothing
            auto* line = reinterpret_cast<std::uint32_t*>(cell.scanLine(y));
            for (int x = 0; x < width_; ++x)
                line[x] = qAlpha(line[x]) < 128 ? 0u : (line[x] | kOpaque);
        }
        images_.push_back(std::move(cell));
    }
    Changed();
}
