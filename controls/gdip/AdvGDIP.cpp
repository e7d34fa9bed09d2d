#include "controls/gdip/AdvGDIP.h"

#include "controls/gdip/GDIPColors.h"
#include "controls/gdip/PictureHeaders.h"
#include "platform/gfx/Pictures.h"

namespace {

Gdiplus::RectF ToRectF(const TRect& r) {
    return {static_cast<Gdiplus::REAL>(r.Left), static_cast<Gdiplus::REAL>(r.Top),
            static_cast<Gdiplus::REAL>(r.Width()), static_cast<Gdiplus::REAL>(r.Height())};
}

// The GDI+ pixel format number of an image of that depth.
int PixelFormatOf(int depth, bool alpha) {
    switch (depth) {
    case 1:
        return 0x30101;
    case 4:
        return 0x30402;
    case 8:
        return 0x30803;
    case 16:
        return 0x21005;
    case 24:
        return 0x21808;
    default:
        return alpha ? 0x26200A : 0x22009;
    }
}

} // namespace

const TClassInfo& TAdvGDIPPicture::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TAdvGDIPPicture>("TAdvGDIPPicture", &GDIPPictureBase::StaticClassInfo())
            .Build();
    return info;
}

TAdvGDIPPicture::TAdvGDIPPicture(const TAdvGDIPPicture& other)
    : GDIPPictureBase(other), transparentMode_(other.transparentMode_),
      transparentColor_(other.transparentColor_), id_(other.id_) {}

void TAdvGDIPPicture::Assign(TPersistent* source) {
    if (!source) {
        Clear();
        return;
    }
    if (auto* other = dynamic_cast<TAdvGDIPPicture*>(source); other && other != this)
        TakeCopy(*other);
}

void TAdvGDIPPicture::Assign(const TGraphic& source) {
    if (auto* other = dynamic_cast<const TAdvGDIPPicture*>(&source)) {
        Assign(const_cast<TAdvGDIPPicture*>(other));
        return;
    }
    TakeBytes(source.SaveToBytes());
}

void TAdvGDIPPicture::Assign(const TPicture& source) {
    if (const TGraphic* graphic = source.Graphic())
        Assign(*graphic);
    else
        Assign(static_cast<TPersistent*>(nullptr));
}

void TAdvGDIPPicture::Draw(TCanvas& canvas, const TRect& r) {
    Gdiplus::Graphics graphics(canvas);
    if (IsBmp()) {
        if (const Gdiplus::Image* keyed = KeyedByBottomLeft())
            graphics.DrawImage(*keyed, static_cast<Gdiplus::REAL>(r.Left), static_cast<Gdiplus::REAL>(r.Top));
        return;
    }
    const Gdiplus::Image* image = DecodedImage();
    if (!image)
        return;
    SetMeasuredSize(static_cast<int>(image->GetWidth()), static_cast<int>(image->GetHeight()));
    graphics.DrawImage(*image, ToRectF(r));
}

void TAdvGDIPPicture::LoadFromStream(std::span<const std::uint8_t> bytes) {
    if (!bytes.empty())
        TakeBytes(bytes);
}

void TAdvGDIPPicture::ReadData(const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty())
        return;
    StoreBytes(bytes);
    GetImageSizes();
}

bool TAdvGDIPPicture::GetImageSizesFromFileName(const std::string& fileName) {
    if (Empty() || Bytes().empty())
        return false;
    const korvan::gdip::HeaderSize size = korvan::gdip::HeaderSizeByExtension(fileName, Bytes());
    SetMeasuredSize(size.Width, size.Height);
    return false;
}

const Gdiplus::Image* TAdvGDIPPicture::DrawableImage(bool* keyed) const {
    *keyed = false;
    const Gdiplus::Image* image = DecodedImage();
    if (!image || !Transparent() || image->GetRawFormat() != Gdiplus::ImageFormat::Bmp)
        return image;
    *keyed = true;
    if (transparentMode_ == tmFixed)
        return Data().KeyedImage(MakeARGBFromColor(255, transparentColor_));
    return KeyedByBottomLeft();
}

void TAdvGDIPPicture::TakeFacts(const Gdiplus::Image& image) {
    pixelDepth_ = image.GetPixelDepth();
    hasAlpha_ = Data().HasAlpha();
    hasPalette_ = pixelDepth_ <= 8;
    pixelFormat_ = PixelFormatOf(pixelDepth_, hasAlpha_);
    SetMeasuredSize(static_cast<int>(image.GetWidth()), static_cast<int>(image.GetHeight()));
}

void TAdvGDIPPicture::GDIPDraw(Gdiplus::Graphics& graphics, const TRect& r) {
    const Gdiplus::Image* decoded = DecodedImage();
    if (!decoded)
        return;
    TakeFacts(*decoded);
    bool keyed = false;
    const Gdiplus::Image* image = DrawableImage(&keyed);
    if (keyed)
        graphics.DrawImage(*image, static_cast<Gdiplus::REAL>(r.Left), static_cast<Gdiplus::REAL>(r.Top));
    else
        graphics.DrawImage(*image, ToRectF(r));
}

void TAdvGDIPPicture::GDIPDraw(Gdiplus::Graphics& graphics, const Gdiplus::RectF& r) {
    if (drawing_)
        return;
    drawing_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{drawing_};
    const Gdiplus::Image* decoded = DecodedImage();
    if (!decoded)
        return;
    TakeFacts(*decoded);
    bool keyed = false;
    graphics.DrawImage(*DrawableImage(&keyed), r);
}

void TAdvGDIPPicture::FillRect(Gdiplus::Graphics& graphics, const Gdiplus::RectF& r) const {
    if (const Gdiplus::Image* image = DecodedImage())
        graphics.FillRectangle(Gdiplus::TextureBrush(*image, Gdiplus::WrapModeTile), r);
}

void TAdvGDIPPicture::FillPath(Gdiplus::Graphics& graphics, const Gdiplus::GraphicsPath& path) const {
    if (const Gdiplus::Image* image = DecodedImage())
        graphics.FillPath(Gdiplus::TextureBrush(*image, Gdiplus::WrapModeTile), path);
}
