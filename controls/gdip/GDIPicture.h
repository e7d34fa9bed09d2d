#pragma once
// TGDIPPicture: the plain picture of the pack (fader thumbs and button
// faces, office images). It holds an image file's bytes and draws the
// decoded image into a GDI+ graphics object or onto a canvas.

#include "controls/gdip/GDIPPictureBase.h"
#include "platform/gfx/Color.h"

class TPicture;

class TGDIPPicture : public korvan::gdip::GDIPPictureBase {
    KORVAN_CLASS(TGDIPPicture)
public:
    TGDIPPicture() = default;
    TGDIPPicture(const TGDIPPicture& other) = default;

    // A TGDIPPicture's bytes; none clears the picture (OnChange, OnClear).
    // Any other source leaves the picture unchanged.
    void Assign(TPersistent* source) override;
    // A framework bitmap is stored as its BMP file; other graphics (the
    // pack's other picture included) leave the picture unchanged.
    void Assign(const TGraphic& source);
    // The file bytes of the graphic the holder holds.
    void Assign(const TPicture& source);

    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TGDIPPicture>(*this); }
    // A BMP file is drawn colour-keyed by its bottom-left pixel and
    // stretched into r; other kinds are drawn stretched into r.
    void Draw(TCanvas& canvas, const TRect& r) override;

    // Takes any byte block, an empty one too.
    void LoadFromStream(std::span<const std::uint8_t> bytes) override;
    // Stores without measuring: the owner calls GetImageSizes before use.
    void ReadData(const std::vector<std::uint8_t>& bytes) override;

    // The decoded image at (x, y) in its own size.
    void DrawImage(Gdiplus::Graphics& graphics, int x, int y) const;
    // The decoded image stretched into (x, y, w, h).
    void DrawImageRect(Gdiplus::Graphics& graphics, int x, int y, int w, int h) const;

    TColor BackgroundColor() const { return backgroundColor_; }
    void SetBackgroundColor(TColor value) { backgroundColor_ = value; }

private:
    TColor backgroundColor_ = clWhite;
};
