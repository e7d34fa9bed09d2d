// The plot's three image lists (pictures that labels show by index).

#include "controls/plot/component/PlotComponent.h"

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/ImageList.h"
#include "platform/text/Exception.h"

TImageList& TiPlotComponent::ImageListAt(int imageListIndex) {
    if (imageListIndex < 0 || imageListIndex > 2)
        throw Exception("ImageList Index must be 0-2");
    return *imageLists_[std::size_t(imageListIndex)];
}

const TImageList* TiPlotComponent::PlotImageList(int index) const {
    if (index < 0 || index > 2)
        return nullptr;
    return imageLists_[std::size_t(index)].get();
}

void TiPlotComponent::ImageListClear(int imageListIndex) {
    ImageListAt(imageListIndex).Clear();
    InvalidateChange();
}

void TiPlotComponent::ImageListAdd(int imageListIndex, TBitmap& bitmap) {
    TImageList& list = ImageListAt(imageListIndex);
    if (list.Count() == 0)
        list.SetSize(bitmap.Width(), bitmap.Height());
    const int width = list.Width(), height = list.Height();
    if (bitmap.Width() < width && bitmap.Height() < height) {
        const TColor transparent = bitmap.TransparentColor();
        TBitmap padded(width, height);
        padded.Canvas().Brush().SetColor(transparent);
        padded.Canvas().Brush().SetStyle(bsSolid);
        padded.Canvas().FillRect(TRect{0, 0, width, height});
        padded.Canvas().Draw(width / 2 - bitmap.Width() / 2, height / 2 - bitmap.Height() / 2, bitmap);
        padded.SetTransparentColor(transparent);
        bitmap = padded;
    }
    const bool sameSide = bitmap.Width() == width || bitmap.Height() == height;
    const bool bothLarger = bitmap.Width() > width && bitmap.Height() > height;
    const bool bothSmaller = bitmap.Width() < width && bitmap.Height() < height;
    if (!sameSide && !bothLarger && !bothSmaller)
        throw Exception(
            "Image Width and Height must be the same as other images, or both smaller, or both larger");
    list.AddMasked(bitmap, bitmap.TransparentColor());
    InvalidateChange();
}

void TiPlotComponent::ImageListLoadFromResourceID(int imageListIndex, HINST instance, int resId) {
    // A bad index is the caller's first fault, whatever the resource.
    ImageListAt(imageListIndex);
    TBitmap bitmap;
    bitmap.LoadFromResourceID(instance, resId);
    ImageListAdd(imageListIndex, bitmap);
}

void TiPlotComponent::ImageListLoadFromResourceName(int imageListIndex, HINST instance,
                                                    const std::string& resName) {
    ImageListAt(imageListIndex);
    TBitmap bitmap;
    bitmap.LoadFromResourceName(instance, resName);
    ImageListAdd(imageListIndex, bitmap);
}

void TiPlotComponent::ReadImageList(int index, const std::vector<std::uint8_t>& bytes) {
    TImageList& list = *imageLists_[std::size_t(index)];
    list.Clear();
    try {
        list.LoadFromBytes(bytes);
    } catch (const Exception&) {
        throw EReadError("Failed to read ImageList data from stream");
    }
}

std::vector<std::uint8_t> TiPlotComponent::WriteImageList(int index) const {
    try {
        return imageLists_[std::size_t(index)]->SaveToBytes();
    } catch (const Exception&) {
        throw EWriteError("Failed to write ImageList data to stream");
    }
}
