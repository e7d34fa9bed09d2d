#include "platform/gfx/Pictures.h"

#include <QPainter>
#include <QString>

void TDecodedGraphic::Draw(TCanvas& canvas, const TRect& r) {
    if (Empty() || !canvas.HasImage() || r.IsEmpty())
        return;
    // Alpha-blended, stretched by nearest pixel, inside the canvas's clip.
    TBitmap target(r.Width(), r.Height());
    target.Canvas().StretchBlt(0, 0, r.Width(), r.Height(), &canvas, r.Left, r.Top, r.Width(), r.Height(),
                               SRCCOPY);
    {
        QPainter p(&target.Image());
        p.drawImage(QRect(0, 0, r.Width(), r.Height()), image_);
    }
    canvas.StretchBlt(r.Left, r.Top, r.Width(), r.Height(), &target.Canvas(), 0, 0, r.Width(), r.Height(),
                      SRCCOPY);
}

void TDecodedGraphic::LoadFromBytes(std::span<const std::uint8_t> bytes) {
    QImage img = Decode(bytes);
    if (img.isNull())
        throw EInvalidGraphic(std::string(KindName()) + " image is not valid");
    image_ = std::move(img);
    bytes_.assign(bytes.begin(), bytes.end());
    Changed();
}

TBytes TDecodedGraphic::SaveToBytes() const {
    if (!bytes_.empty())
        return bytes_;
    return Encode(image_);
}

void TDecodedGraphic::Assign(const TGraphic& g) {
    image_ = g.ToImage();
    bytes_.clear();
    Changed();
}

TBytes TJPEGImage::Encode(const QImage& image) const {
    korvan::gfx::JpegOptions o;
    o.Quality = CompressionQuality;
    o.Progressive = ProgressiveEncoding;
    o.Dct = Performance == jpBestSpeed ? korvan::gfx::JpegDct::FastInteger : korvan::gfx::JpegDct::Integer;
    o.Grayscale = Grayscale;
    return korvan::gfx::EncodeJpeg(image, o);
}

void TJPEGImage::Compress() {
    bytes_.clear();
}

// ---- TPicture ------------------------------------------------------------------

namespace {

std::unique_ptr<TGraphic> ForExtension(const std::string& path) {
    const QString ext = QString::fromStdString(path).section(u'.', -1).toLower();
    if (ext == u"bmp")
        return std::make_unique<TBitmap>();
    if (ext == u"jpg" || ext == u"jpeg")
        return std::make_unique<TJPEGImage>();
    if (ext == u"png")
        return std::make_unique<TPngImage>();
    if (ext == u"gif")
        return std::make_unique<TGIFImage>();
    if (ext == u"ico")
        return std::make_unique<TIcon>();
    throw EInvalidGraphic("Unknown picture file extension (." + ext.toStdString() + ")");
}

} // namespace

void TPicture::SetGraphic(std::unique_ptr<TGraphic> g) {
    graphic_ = std::move(g);
    Changed();
}

TBitmap& TPicture::Bitmap() {
    if (auto* b = dynamic_cast<TBitmap*>(graphic_.get()))
        return *b;
    auto b = std::make_unique<TBitmap>();
    if (graphic_)
        b->Assign(*graphic_);
    TBitmap& ref = *b;
    graphic_ = std::move(b);
    Changed();
    return ref;
}

void TPicture::LoadFromFile(const std::string& path) {
    auto g = ForExtension(path);
    g->LoadFromFile(path);
    SetGraphic(std::move(g));
}

void TPicture::SaveToFile(const std::string& path) const {
    if (graphic_)
        graphic_->SaveToFile(path);
}

void TPicture::Assign(const TPicture& o) {
    if (this == &o)
        return;
    graphic_ = o.graphic_ ? o.graphic_->Clone() : nullptr;
    Changed();
}
