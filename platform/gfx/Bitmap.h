#pragma once
// TBitmap: an off-screen picture with a canvas, stored as BMP.

#include "platform/gfx/Canvas.h"
#include "platform/gfx/Graphic.h"
#include "platform/gfx/Palette.h"
#include "platform/gfx/Resources.h"

#include <memory>

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TTransparentMode { tmAuto, tmFixed };

class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int width, int height);
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap& other);

    void Draw(TCanvas& canvas, const TRect& r) override;
    bool Empty() const override { return image_.isNull(); }
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    void SetWidth(int w) override { SetSize(w, Height()); }
    void SetHeight(int h) override { SetSize(Width(), h); }
    // Keeps the pixels that still fit; new pixels are white.
    void SetSize(int w, int h);
    void LoadFromBytes(std::span<const std::uint8_t> bytes) override;
    TBytes SaveToBytes() const override;
    // The module's bitmap resource of that name or number. A missing one
    // raises EResourceNotFound and one that is no bitmap EInvalidGraphic;
    // either way the picture stays as it was.
    void LoadFromResourceName(HINST instance, const std::string& name);
    void LoadFromResourceID(HINST instance, int id);
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TBitmap>(*this); }
    QImage ToImage() const override;
    std::string DefaultExtension() const override { return "bmp"; }

    // Takes another graphic's picture (drawn on white where it has alpha).
    void Assign(const TGraphic& g);
    void AssignImage(const QImage& img);

    TCanvas& Canvas() { return canvas_; }
    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

    TPixelFormat PixelFormat() const { return pixelFormat_; }
    void SetPixelFormat(TPixelFormat pf);
    bool Monochrome() const { return pixelFormat_ == pf1bit; }
    void SetMonochrome(bool mono) { SetPixelFormat(mono ? pf1bit : pfDevice); }

    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode m) { transparentMode_ = m; }
    // tmAuto: the bottom-left pixel; tmFixed: the colour that was set.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor c) {
        transparentColor_ = c;
        transparentMode_ = tmFixed;
    }

    // The bitmap's logical palette (none for none). Copies of a bitmap
    // share it; setting one hands the handle to the bitmap, which deletes
    // the palette it had unless it is the same.
    HPALETTE Palette() const { return palette_ ? palette_->Get() : HPALETTE{}; }
    void SetPalette(HPALETTE palette);

private:
    void Attach();
    // The image and its format and transparency, a copy of the other's.
    void CopyPixelsFrom(const TBitmap& other);
    QImage image_;
    TCanvas canvas_;
    TPixelFormat pixelFormat_ = pfDevice;
    TTransparentMode transparentMode_ = tmAuto;
    TColor transparentColor_ = clDefault;
    std::shared_ptr<korvan::gfx::OwnedPalette> palette_;
};
