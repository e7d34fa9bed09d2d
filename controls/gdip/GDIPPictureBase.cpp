#include "controls/gdip/GDIPPictureBase.h"

#include <algorithm>
#include <cctype>

namespace korvan::gdip {

const TClassInfo& GDIPPictureBase::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<GDIPPictureBase>("TGDIPPictureBase", &TPersistent::StaticClassInfo())
            .Build();
    return info;
}

GDIPPictureBase::GDIPPictureBase(const GDIPPictureBase& other)
    : TPersistent(other), TGraphic(other), data_(other.data_), isEmpty_(other.isEmpty_), width_(other.width_),
      height_(other.height_), doubleBuffered_(other.doubleBuffered_) {
    // A copy tells no one of its changes until asked to.
    OnChange = nullptr;
    OnClear = nullptr;
}

QImage GDIPPictureBase::ToImage() const {
    const Gdiplus::Image* image = DecodedImage();
    return image ? image->Qt() : QImage();
}

std::string GDIPPictureBase::DefaultExtension() const {
    const Gdiplus::Image* image = DecodedImage();
    switch (image ? image->GetRawFormat() : Gdiplus::ImageFormat::Unknown) {
    case Gdiplus::ImageFormat::Bmp:
        return "bmp";
    case Gdiplus::ImageFormat::Png:
        return "png";
    case Gdiplus::ImageFormat::Jpeg:
        return "jpg";
    case Gdiplus::ImageFormat::Gif:
        return "gif";
    case Gdiplus::ImageFormat::Icon:
        return "ico";
    case Gdiplus::ImageFormat::Tiff:
        return "tif";
    default:
        return "";
    }
}

void GDIPPictureBase::SaveToStream(TBytes& out) const {
    const TBytes& bytes = data_.Bytes();
    out.insert(out.end(), bytes.begin(), bytes.end());
}

void GDIPPictureBase::SaveToClipboardFormat(std::string& format, TBytes& data) const {
    (void)format;
    (void)data;
}

void GDIPPictureBase::LoadFromClipboardFormat(const std::string& format, std::span<const std::uint8_t> data) {
    (void)format;
    (void)data;
}

void GDIPPictureBase::DefineProperties(TFiler& filer) {
    filer.DefineBinaryProperty(
        "Data", [this](const std::vector<std::uint8_t>& bytes) { ReadData(bytes); },
        [this] { return WriteData(); }, !Empty());
}

void GDIPPictureBase::LoadFromResourceName(const std::string& resName) {
    if (const auto bytes = korvan::gfx::FindResource(HInstance, korvan::gfx::ResourceKind::RcData, resName))
        LoadFromStream(*bytes);
}

void GDIPPictureBase::LoadFromResourceID(int resId) {
    const auto bytes = korvan::gfx::FindResource(HInstance, korvan::gfx::ResourceKind::RcData, resId);
    if (!bytes)
        throw EResourceNotFound("Resource " + std::to_string(resId) + " not found");
    LoadFromStream(*bytes);
}

void GDIPPictureBase::LoadFromURL(const std::string& url) {
    auto startsWith = [&url](std::string_view prefix) {
        return url.size() >= prefix.size() &&
               std::equal(prefix.begin(), prefix.end(), url.begin(),
                          [](char p, char u) { return p == std::toupper(static_cast<unsigned char>(u)); });
    };
    if (startsWith("RES://")) {
        if (url.size() > 6)
            LoadFromResourceName(url.substr(6));
    } else if (startsWith("FILE://")) {
        if (url.size() > 7)
            LoadFromFile(url.substr(7));
    }
}

bool GDIPPictureBase::GetImageSizes() {
    if (isEmpty_ || !data_.HasBytes())
        return false;
    if (const Gdiplus::Image* image = data_.Image()) {
        width_ = static_cast<int>(image->GetWidth());
        height_ = static_cast<int>(image->GetHeight());
    }
    return true;
}

bool GDIPPictureBase::IsBmp() const {
    const Gdiplus::Image* image = DecodedImage();
    return image && image->GetRawFormat() == Gdiplus::ImageFormat::Bmp;
}

const Gdiplus::Image* GDIPPictureBase::KeyedByBottomLeft() const {
    const Gdiplus::Image* image = DecodedImage();
    if (!image)
        return nullptr;
    const QImage& pixels = image->Qt();
    return data_.KeyedImage(pixels.pixel(0, pixels.height() - 1));
}

const Gdiplus::Image* GDIPPictureBase::DecodedImage() const {
    return isEmpty_ ? nullptr : data_.Image();
}

void GDIPPictureBase::StoreBytes(std::span<const std::uint8_t> bytes) {
    data_.SetBytes(bytes);
    isEmpty_ = false;
}

void GDIPPictureBase::CopyFrom(const GDIPPictureBase& other) {
    data_ = other.data_;
    isEmpty_ = !data_.HasBytes();
}

void GDIPPictureBase::Clear() {
    data_.Clear();
    isEmpty_ = true;
    RaiseChange();
    RaiseClear();
}

void GDIPPictureBase::TakeBytes(std::span<const std::uint8_t> bytes) {
    StoreBytes(bytes);
    GetImageSizes();
    RaiseChange();
}

void GDIPPictureBase::TakeCopy(const GDIPPictureBase& other) {
    CopyFrom(other);
    GetImageSizes();
    RaiseChange();
}

void GDIPPictureBase::LoadFromFile(const std::string& fileName) {
    try {
        const TBytes bytes = korvan::gfx::ReadFileBytes(fileName);
        StoreBytes(bytes);
        RaiseClear();
        MeasureFile(fileName);
        RaiseChange();
    } catch (const std::exception&) {
        isEmpty_ = true;
    }
}

} // namespace korvan::gdip
