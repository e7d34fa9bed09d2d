// Images, bitmaps and image attributes of the GDI+ subset.

#include "platform/gfx/Gdiplus.h"

namespace Gdiplus {

Image::Image(QImage img, ImageFormat format)
    : image_(img.convertToFormat(QImage::Format_ARGB32)), format_(format), depth_(img.depth()) {}

std::unique_ptr<Image> Image::FromBytes(korvan::gfx::ByteView b) {
    using namespace korvan::gfx;
    if (b.size() >= 2 && b[0] == 'B' && b[1] == 'M') {
        int bits = 0;
        QImage img = DecodeBmp(b, &bits);
        auto out = std::make_unique<Image>(img, ImageFormat::Bmp);
        out->depth_ = bits;
        return out;
    }
    if (b.size() >= 8 && b[0] == 0x89 && b[1] == 'P')
        return std::make_unique<Image>(DecodePng(b), ImageFormat::Png);
    if (b.size() >= 2 && b[0] == 0xFF && b[1] == 0xD8)
        return std::make_unique<Image>(DecodeJpeg(b), ImageFormat::Jpeg);
    if (b.size() >= 3 && b[0] == 'G' && b[1] == 'I' && b[2] == 'F')
        return std::make_unique<Image>(DecodeGif(b), ImageFormat::Gif);
    if (b.size() >= 4 && b[0] == 0 && b[1] == 0 && b[2] == 1 && b[3] == 0)
        return std::make_unique<Image>(DecodeIco(b), ImageFormat::Icon);
    if (b.size() >= 4 && ((b[0] == 'I' && b[1] == 'I' && b[2] == 42 && b[3] == 0) ||
                          (b[0] == 'M' && b[1] == 'M' && b[2] == 0 && b[3] == 42)))
        return std::make_unique<Image>(DecodeTiff(b), ImageFormat::Tiff);
    return std::make_unique<Image>();
}

bool Image::HasAlpha() const {
    for (int y = 0; y < image_.height(); ++y)
        for (int x = 0; x < image_.width(); ++x)
            if (qAlpha(image_.pixel(x, y)) != 255)
                return true;
    return false;
}

Bitmap::Bitmap(INT width, INT height) {
    image_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_ARGB32);
    image_.fill(0);
}

Status Bitmap::GetPixel(INT x, INT y, Color* c) const {
    if (!c || !image_.rect().contains(x, y))
        return InvalidParameter;
    *c = Color(image_.pixel(x, y));
    return Ok;
}

Status Bitmap::SetPixel(INT x, INT y, const Color& c) {
    if (!image_.rect().contains(x, y))
        return InvalidParameter;
    image_.setPixel(x, y, c.GetValue());
    return Ok;
}

Status ImageAttributes::SetColorKey(const Color& low, const Color& high) {
    key_ = std::make_pair(low.GetValue(), high.GetValue());
    return Ok;
}

Status ImageAttributes::ClearColorKey() {
    key_.reset();
    return Ok;
}

QImage ImageAttributes::Apply(const QImage& img) const {
    if (!key_)
        return img;
    QImage out = img.convertToFormat(QImage::Format_ARGB32);
    const Color lo(key_->first), hi(key_->second);
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            if (qRed(p) >= lo.GetR() && qRed(p) <= hi.GetR() && qGreen(p) >= lo.GetG() &&
                qGreen(p) <= hi.GetG() && qBlue(p) >= lo.GetB() && qBlue(p) <= hi.GetB())
                line[x] = 0;
        }
    }
    return out;
}

} // namespace Gdiplus
