#pragma once
// What the pack's two picture classes share: the picture file held as its
// unchanged bytes (decoded on first need and kept, see PictureData), the
// empty flag, the size as last measured, the form property "Data" that
// streams the bytes, and the loaders that end in LoadFromStream.
//
// A picture is a persistent object (it streams as a nested property of its
// owner, e.g. "Fill.Picture.Data") and a graphic (it draws on a canvas and
// sits wherever a graphic does). OnChange (the graphic's) follows every
// load and assignment; OnClear follows a clearing assignment and every
// LoadFromFile.

#include "controls/gdip/PictureData.h"
#include "platform/forms/Persistent.h"
#include "platform/gfx/Graphic.h"
#include "platform/gfx/Resources.h"
#include "platform/text/Exception.h"

#include <cstdint>
#include <span>
#include <string>

namespace korvan::gdip {

class GDIPPictureBase : public TPersistent, public TGraphic {
    KORVAN_CLASS(GDIPPictureBase)
public:
    GDIPPictureBase() = default;
    GDIPPictureBase(const GDIPPictureBase& other);
    GDIPPictureBase& operator=(const GDIPPictureBase&) = delete;

    // ---- TGraphic
    bool Empty() const override { return isEmpty_; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }
    // A picture is as large as its image: setting the size does nothing.
    void SetWidth(int) override {}
    void SetHeight(int) override {}
    // Same as LoadFromStream; never throws.
    void LoadFromBytes(std::span<const std::uint8_t> bytes) override { LoadFromStream(bytes); }
    TBytes SaveToBytes() const override { return data_.Bytes(); }
    // The decoded image (null when the bytes do not decode).
    QImage ToImage() const override;
    // The extension of the held file's kind ("bmp", "png", ...; "" when unknown).
    std::string DefaultExtension() const override;
    // A picture neither goes on the clipboard nor takes anything from it:
    // both hooks leave everything as it is.
    void SaveToClipboardFormat(std::string& format, TBytes& data) const override;
    void LoadFromClipboardFormat(const std::string& format, std::span<const std::uint8_t> data) override;

    // ---- loading and saving
    // The whole file, then OnClear, the size (MeasureFile) and OnChange; any
    // failure (missing, unreadable) leaves the picture empty and is not
    // passed on.
    virtual void LoadFromFile(const std::string& fileName);
    // The whole byte block becomes the picture; measured; OnChange.
    virtual void LoadFromStream(std::span<const std::uint8_t> bytes) = 0;
    // Appends the held bytes unchanged.
    void SaveToStream(TBytes& out) const;
    // Form streaming of "Data": the bytes with no prefix of their own.
    virtual void ReadData(const std::vector<std::uint8_t>& bytes) = 0;
    std::vector<std::uint8_t> WriteData() const { return data_.Bytes(); }
    void DefineProperties(TFiler& filer) override;
    // The program's raw-data resource of that name (looked up as every
    // resource is: any letter case, "#<number>" for a number); nothing when
    // there is none.
    void LoadFromResourceName(const std::string& resName);
    // The raw-data resource of that number; raises EResourceNotFound
    // ("Resource <id> not found") when there is none.
    void LoadFromResourceID(int resId);
    // "res://NAME" loads a resource, "file://PATH" a file (prefixes in any
    // case); anything else does nothing.
    void LoadFromURL(const std::string& url);

    // ---- measuring
    // Measures the decoded image; false (size unchanged) when the picture is
    // empty or holds no bytes. Bytes that do not decode leave the size as it is.
    bool GetImageSizes();

    // ---- held data
    const TBytes& Bytes() const { return data_.Bytes(); }
    const PictureData& Data() const { return data_; }
    // The decoded image, decoded once per byte buffer; null when empty or
    // undecodable.
    const Gdiplus::Image* DecodedImage() const;

    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool value) { doubleBuffered_ = value; }

    TNotifyEvent OnClear;

protected:
    // How a file just loaded is measured (by decoding it, unless a kind
    // knows better).
    virtual void MeasureFile(const std::string& fileName) {
        (void)fileName;
        GetImageSizes();
    }
    // None assigned: no bytes, empty, OnChange, OnClear.
    void Clear();
    // New bytes assigned or loaded: stored, measured, OnChange.
    void TakeBytes(std::span<const std::uint8_t> bytes);
    // Another picture's bytes assigned: shared, measured, OnChange.
    void TakeCopy(const GDIPPictureBase& other);
    // Whether the held file decodes as a BMP file.
    bool IsBmp() const;
    // The decoded image with the colour of its bottom-left pixel made
    // transparent (kept with the bytes).
    const Gdiplus::Image* KeyedByBottomLeft() const;
    // Stores the bytes; the picture is not empty afterwards (even with no bytes).
    void StoreBytes(std::span<const std::uint8_t> bytes);
    void CopyFrom(const GDIPPictureBase& other); // bytes, empty flag
    void SetMeasuredSize(int width, int height) {
        width_ = width;
        height_ = height;
    }
    void RaiseChange() { Changed(); }
    void RaiseClear() {
        if (OnClear)
            OnClear(this);
    }

private:
    PictureData data_;
    bool isEmpty_ = true;
    int width_ = 0;
    int height_ = 0;
    bool doubleBuffered_ = false;
};

} // namespace korvan::gdip
