#include "platform/gfx/Bitmap.h"

#include "platform/gfx/Codecs.h"

#include <QPainter>

TBitmap::TBitmap() {
    Attach();
}

TBitmap::TBitmap(int width, int height) {
    Attach();
    SetSize(width, height);
}

TBitmap::TBitmap(const TBitmap& other) : TGraphic() {
    CopyPixelsFrom(other);
}

TBitmap& TBitmap::operator=(const TBitmap& other) {
    if (this != &other) {
        CopyPixelsFrom(other);
        Changed();
    }
    return *this;
}

void TBitmap::CopyPixelsFrom(const TBitmap& other) {
    image_ = other.image_.copy();
    pixelFormat_ = other.pixelFormat_;
    transparentMode_ = other.transparentMode_;
    transparentColor_ = other.transparentColor_;
    transparent_ = other.transparent_;
    palette_ = other.palette_;
    Attach();
}

void TBitmap::SetPalette(HPALETTE palette) {
    if (palette == Palette())
        return;
    palette_ = palette ? std::make_shared<korvan::gfx::OwnedPalette>(palette) : nullptr;
    Changed();
}

void TBitmap::Attach() {
    canvas_.SetImage(&image_);
    canvas_.SetMonochrome(pixelFormat_ == pf1bit);
}

void TBitmap::SetSize(int w, int h) {
    w = std::max(0, w);
    h = std::max(0, h);
    if (w == Width() && h == Height())
        return;
    if (w == 0 || h == 0) {
        image_ = QImage();
    } else {
        QImage next(w, h, QImage::Format_RGB32);
        next.fill(0xFFFFFFFFu);
        if (!image_.isNull()) {
            QPainter p(&next);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(0, 0, image_);
        }
        image_ = std::move(next);
    }
    Attach();
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat pf) {
    if (pf == pixelFormat_)
        return;
    pixelFormat_ = pf;
    if (pf == pf1bit) {
        // Colours become black or white by brightness.
        for (int y = 0; y < image_.height(); ++y) {
            auto* line = reinterpret_cast<std::uint32_t*>(image_.scanLine(y));
            for (int x = 0; x < image_.width(); ++x)
                line[x] = qGray(line[x]) >= 128 ? 0xFFFFFFFFu : 0xFF000000u;
        }
    }
    Attach();
    Changed();
}

TColor TBitmap::TransparentColor() const {
    if (transparentMode_ == tmFixed && transparentColor_ != clDefault)
        return transparentColor_;
    if (image_.isNull())
        return clDefault;
    return korvan::gfx::FromQRgb(image_.pixel(0, image_.height() - 1));
}

void TBitmap::Draw(TCanvas& canvas, const TRect& r) {
    if (Empty())
        return;
    if (transparent_) {
        canvas.TransparentBlt(r.Left, r.Top, r.Width(), r.Height(), canvas_, 0, 0, Width(), Height(),
                              TransparentColor());
        return;
    }
    canvas.StretchBlt(r.Left, r.Top, r.Width(), r.Height(), &canvas_, 0, 0, Width(), Height(),
                      canvas.CopyMode());
}

void TBitmap::LoadFromBytes(std::span<const std::uint8_t> bytes) {
    int bits = 0;
    QImage img = korvan::gfx::DecodeBmp(bytes, &bits);
    if (img.isNull())
        throw EInvalidGraphic("Bitmap image is not valid");
    image_ = img.convertToFormat(QImage::Format_RGB32);
    pixelFormat_ = bits == 1    ? pf1bit
                   : bits == 4  ? pf4bit
                   : bits == 8  ? pf8bit
                   : bits == 32 ? pf32bit
                                : pf24bit;
    palette_.reset(); // a new picture comes without the old one's palette
    Attach();
    Changed();
}

void TBitmap::LoadFromResourceName(HINST instance, const std::string& name) {
    const auto bytes = korvan::gfx::FindResource(instance, korvan::gfx::ResourceKind::Bitmap, name);
    if (!bytes)
        throw EResourceNotFound("Resource " + name + " not found");
    LoadFromBytes(*bytes);
}

void TBitmap::LoadFromResourceID(HINST instance, int id) {
    const auto bytes = korvan::gfx::FindResource(instance, korvan::gfx::ResourceKind::Bitmap, id);
    if (!bytes)
        throw EResourceNotFound("Resource " + std::to_string(id) + " not found");
    LoadFromBytes(*bytes);
}

TBytes TBitmap::SaveToBytes() const {
    if (Empty())
        return {};
    const int bits = pixelFormat_ == pf1bit ? 1 : pixelFormat_ == pf32bit ? 32 : 24;
    return korvan::gfx::EncodeBmp(image_, bits);
}

QImage TBitmap::ToImage() const {
    return image_.convertToFormat(QImage::Format_ARGB32);
}

void TBitmap::AssignImage(const QImage& img) {
    if (img.isNull()) {
        image_ = QImage();
    } else {
        QImage flat(img.size(), QImage::Format_RGB32);
        flat.fill(0xFFFFFFFFu);
        QPainter p(&flat);
        p.drawImage(0, 0, img);
        p.end();
        image_ = std::move(flat);
    }
    pixelFormat_ = pfDevice;
    palette_.reset();
    Attach();
    Changed();
}

void TBitmap::Assign(const TGraphic& g) {
    if (const auto* b = dynamic_cast<const TBitmap*>(&g)) {
        *this = *b;
        return;
    }
    AssignImage(g.ToImage());
}
