#pragma once
// TAdvGDIPPicture: the picture of fills, rounded controls, the splash
// screen and HTML text. Beside what every picture does it draws into a
// given GDI+ graphics object (BMP files colour-keyed), fills rectangles and
// paths with itself as a tiled texture, reports the image's facts, and
// takes its size from the file header when loaded from a file.

#include "controls/gdip/GDIPPictureBase.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"

class TPicture;

class TAdvGDIPPicture : public korvan::gdip::GDIPPictureBase {
    KORVAN_CLASS(TAdvGDIPPicture)
public:
    TAdvGDIPPicture() = default;
    TAdvGDIPPicture(const TAdvGDIPPicture& other);

    // A TAdvGDIPPicture's bytes; none clears the picture (OnChange,
    // OnClear). Any other source leaves the picture unchanged.
    void Assign(TPersistent* source) override;
    // Any framework graphic: the bytes of its own file format.
    void Assign(const TGraphic& source);
    // The file bytes of the graphic the holder holds.
    void Assign(const TPicture& source);

    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TAdvGDIPPicture>(*this); }
    // A BMP file is drawn colour-keyed by its bottom-left pixel at r's
    // top-left corner in its own size; other kinds stretched into r.
    void Draw(TCanvas& canvas, const TRect& r) override;

    // Ignores an empty byte block.
    void LoadFromStream(std::span<const std::uint8_t> bytes) override;
    // Stores a non-empty block and measures it.
    void ReadData(const std::vector<std::uint8_t>& bytes) override;
    // The size from the header of the held file, read by the reader the
    // name's extension chooses. Always false.
    bool GetImageSizesFromFileName(const std::string& fileName);

    // Draws into a graphics object. The integer form draws a colour-keyed
    // BMP at r's top-left corner in its own size and any other kind
    // stretched into r; the real form draws every kind into r and does
    // nothing while a draw of it is already under way for this picture.
    void GDIPDraw(Gdiplus::Graphics& graphics, const TRect& r);
    void GDIPDraw(Gdiplus::Graphics& graphics, const Gdiplus::RectF& r);
    // Tiles the image over the rectangle or path (tiles start at the
    // graphics origin); nothing for an empty picture.
    void FillRect(Gdiplus::Graphics& graphics, const Gdiplus::RectF& r) const;
    void FillPath(Gdiplus::Graphics& graphics, const Gdiplus::GraphicsPath& path) const;

    // The colour key of BMP files: tmAuto takes the bottom-left pixel,
    // tmFixed TransparentColor.
    TColor TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(TColor value) { transparentColor_ = value; }
    TTransparentMode TransparentMode() const { return transparentMode_; }
    void SetTransparentMode(TTransparentMode value) { transparentMode_ = value; }
    const std::string& ID() const { return id_; }
    void SetID(const std::string& value) { id_ = value; }

    // Facts of the image, valid after a GDIPDraw.
    int PixelFormat() const { return pixelFormat_; }
    int PixelDepth() const { return pixelDepth_; }
    bool HasAlpha() const { return hasAlpha_; }
    bool HasPalette() const { return hasPalette_; }

protected:
    // A file is measured from its header (by the file name's extension).
    void MeasureFile(const std::string& fileName) override { GetImageSizesFromFileName(fileName); }

private:
    // The image to draw: colour-keyed for a BMP file when the picture is
    // transparent, else the decoded image; null when undecodable.
    const Gdiplus::Image* DrawableImage(bool* keyed) const;
    void TakeFacts(const Gdiplus::Image& image);

    bool drawing_ = false;
    TTransparentMode transparentMode_ = tmAuto;
    TColor transparentColor_ = clWhite;
    std::string id_;
    int pixelDepth_ = 0;
    bool hasAlpha_ = false;
    bool hasPalette_ = false;
    int pixelFormat_ = 0;
};
