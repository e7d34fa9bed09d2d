#pragma once
// Picture kinds beside the bitmap (JPEG, PNG, GIF, icon) and TPicture, the
// holder that picks the kind from a file's extension.

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Codecs.h"

// A graphic kept as its decoded image plus the bytes it was loaded from.
class TDecodedGraphic : public TGraphic {
public:
    void Draw(TCanvas& canvas, const TRect& r) override;
    bool Empty() const override { return image_.isNull(); }
    int Width() const override { return image_.width(); }
    int Height() const override { return image_.height(); }
    void LoadFromBytes(std::span<const std::uint8_t> bytes) override;
    TBytes SaveToBytes() const override;
    QImage ToImage() const override { return image_.convertToFormat(QImage::Format_ARGB32); }
    void Assign(const TGraphic& g);

protected:
    virtual QImage Decode(std::span<const std::uint8_t> bytes) const = 0;
    virtual TBytes Encode(const QImage& image) const = 0;
    virtual const char* KindName() const = 0;
    QImage image_;
    TBytes bytes_; // the file as loaded; empty after a change of the image
};

enum TJPEGPerformance { jpBestQuality, jpBestSpeed };

class TJPEGImage : public TDecodedGraphic {
public:
    int CompressionQuality = 90;
    bool ProgressiveEncoding = false;
    TJPEGPerformance Performance = jpBestQuality;
    bool Grayscale = false;
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TJPEGImage>(*this); }
    std::string DefaultExtension() const override { return "jpg"; }
    // Drops the stored bytes, so the next save encodes with the current settings.
    void Compress();

protected:
    QImage Decode(std::span<const std::uint8_t> b) const override { return korvan::gfx::DecodeJpeg(b); }
    TBytes Encode(const QImage& image) const override;
    const char* KindName() const override { return "JPEG"; }
};

class TPngImage : public TDecodedGraphic {
public:
    int CompressionLevel = 6;
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TPngImage>(*this); }
    std::string DefaultExtension() const override { return "png"; }

protected:
    QImage Decode(std::span<const std::uint8_t> b) const override { return korvan::gfx::DecodePng(b); }
    TBytes Encode(const QImage& image) const override {
        return korvan::gfx::EncodePng(image, CompressionLevel);
    }
    const char* KindName() const override { return "PNG"; }
};

// Read only: a changed GIF is stored as PNG bytes.
class TGIFImage : public TDecodedGraphic {
public:
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TGIFImage>(*this); }
    std::string DefaultExtension() const override { return "gif"; }

protected:
    QImage Decode(std::span<const std::uint8_t> b) const override { return korvan::gfx::DecodeGif(b); }
    TBytes Encode(const QImage& image) const override { return korvan::gfx::EncodePng(image); }
    const char* KindName() const override { return "GIF"; }
};

class TIcon : public TDecodedGraphic {
public:
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TIcon>(*this); }
    std::string DefaultExtension() const override { return "ico"; }

protected:
    QImage Decode(std::span<const std::uint8_t> b) const override { return korvan::gfx::DecodeIco(b); }
    TBytes Encode(const QImage& image) const override { return korvan::gfx::EncodePng(image); }
    const char* KindName() const override { return "Icon"; }
};

class TPicture {
public:
    TPicture() = default;
    TPicture(const TPicture& o) { Assign(o); }
    TPicture& operator=(const TPicture& o) {
        Assign(o);
        return *this;
    }

    TGraphic* Graphic() const { return graphic_.get(); }
    void SetGraphic(std::unique_ptr<TGraphic> g);
    // The bitmap held, made from the current graphic when it is another kind.
    TBitmap& Bitmap();
    int Width() const { return graphic_ ? graphic_->Width() : 0; }
    int Height() const { return graphic_ ? graphic_->Height() : 0; }
    bool Empty() const { return !graphic_ || graphic_->Empty(); }
    // The kind follows the extension (bmp, jpg/jpeg, png, gif, ico);
    // throws EInvalidGraphic for an unknown extension or bad bytes.
    void LoadFromFile(const std::string& path);
    void SaveToFile(const std::string& path) const;
    void Assign(const TPicture& o);

    TNotifyChange OnChange;

private:
    void Changed() {
        if (OnChange)
            OnChange();
    }
    std::unique_ptr<TGraphic> graphic_;
};
