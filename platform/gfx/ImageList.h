#pragma once
// TImageList: a row of pictures of one size, each with its own mask, drawn by
// index onto a canvas, normally or in the greyed look of disabled controls,
// and kept in a stream of its own.

#include "platform/gfx/Bitmap.h"

#include <QImage>
#include <span>
#include <vector>

class TImageList {
public:
    explicit TImageList(int width = 16, int height = 16);
    TImageList(const TImageList&) = delete;
    TImageList& operator=(const TImageList&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return static_cast<int>(images_.size()); }
    // A new size empties the list.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }
    void Clear();
    // Out-of-range indices are ignored.
    void Delete(int index);
    // Takes the other list's size and pictures (not its change handler).
    void Assign(const TImageList& other);

    // A bitmap as wide as several images adds one image per Width() pixels;
    // a narrower one adds one image. Rows and columns beyond the bitmap stay
    // transparent, rows beyond Height() are dropped. Returns the index of the
    // first image added, -1 for an empty bitmap.
    // Add: masked where the monochrome mask is white (no mask: opaque).
    int Add(const TBitmap& image, const TBitmap* mask = nullptr);
    // AddMasked: masked where the pixel has the mask colour; clDefault takes
    // the bitmap's transparent colour, clNone masks nothing.
    int AddMasked(const TBitmap& image, TColor maskColor);

    // Draws image `index` with its top-left corner at (x, y); disabled, its
    // shape (every unmasked pixel that is not white) is embossed in
    // clBtnHighlight one pixel down and right under clBtnShadow. An index out
    // of range draws nothing.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;
    // The picture as ARGB32, alpha 0 where masked; a null image out of range.
    QImage Image(int index) const;
    // The picture on a bitmap of the list's size, masked pixels white.
    bool GetBitmap(int index, TBitmap& bitmap) const;

    // The list's own stream: size, count and the pictures with their masks.
    TBytes SaveToBytes() const;
    // Replaces the content; throws EInvalidGraphic (leaving the list empty)
    // for bytes that are not such a stream.
    void LoadFromBytes(std::span<const std::uint8_t> bytes);

    TNotifyChange OnChange;

private:
    int Append(const QImage& argb);
    void Changed();

    int width_;
    int height_;
    std::vector<QImage> images_; // ARGB32, width_ x height_, alpha 0 or 255
};
