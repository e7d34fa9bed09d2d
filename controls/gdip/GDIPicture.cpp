#include "controls/gdip/GDIPicture.h"

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Pictures.h"

const TClassInfo& TGDIPPicture::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TGDIPPicture>("TGDIPPicture", &GDIPPictureBase::StaticClassInfo())
            .Build();
    return info;
}

void TGDIPPicture::Assign(TPersistent* source) {
    if (!source) {
        Clear();
        return;
    }
    if (auto* other = dynamic_cast<TGDIPPicture*>(source); other && other != this)
        TakeCopy(*other);
}

void TGDIPPicture::Assign(const TGraphic& source) {
    if (auto* other = dynamic_cast<const TGDIPPicture*>(&source)) {
        Assign(const_cast<TGDIPPicture*>(other));
        return;
    }
    if (dynamic_cast<const TBitmap*>(&source))
        TakeBytes(source.SaveToBytes());
}

void TGDIPPicture::Assign(const TPicture& source) {
    const TGraphic* graphic = source.Graphic();
    if (!graphic) {
        Assign(static_cast<TPersistent*>(nullptr));
        return;
    }
    if (dynamic_cast<const TGDIPPicture*>(graphic))
        Assign(*graphic);
    else
        TakeBytes(graphic->SaveToBytes());
}

void TGDIPPicture::Draw(TCanvas& canvas, const TRect& r) {
    const Gdiplus::Image* image = IsBmp() ? KeyedByBottomLeft() : DecodedImage();
    if (!image)
        return;
    if (!IsBmp())
        SetMeasuredSize(static_cast<int>(image->GetWidth()), static_cast<int>(image->GetHeight()));
    Gdiplus::Graphics graphics(canvas);
    graphics.DrawImage(*image,
                       Gdiplus::RectF{static_cast<Gdiplus::REAL>(r.Left), static_cast<Gdiplus::REAL>(r.Top),
                                      static_cast<Gdiplus::REAL>(r.Width()),
                                      static_cast<Gdiplus::REAL>(r.Height())});
}

void TGDIPPicture::LoadFromStream(std::span<const std::uint8_t> bytes) {
    TakeBytes(bytes);
}

void TGDIPPicture::ReadData(const std::vector<std::uint8_t>& bytes) {
    StoreBytes(bytes);
}

void TGDIPPicture::DrawImage(Gdiplus::Graphics& graphics, int x, int y) const {
    if (const Gdiplus::Image* image = DecodedImage())
        graphics.DrawImage(*image, static_cast<Gdiplus::REAL>(x), static_cast<Gdiplus::REAL>(y));
}

void TGDIPPicture::DrawImageRect(Gdiplus::Graphics& graphics, int x, int y, int w, int h) const {
    if (const Gdiplus::Image* image = DecodedImage())
        graphics.DrawImage(*image,
                           Gdiplus::RectF{static_cast<Gdiplus::REAL>(x), static_cast<Gdiplus::REAL>(y),
                                          static_cast<Gdiplus::REAL>(w), static_cast<Gdiplus::REAL>(h)});
}
