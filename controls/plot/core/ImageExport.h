#pragma once
// Pictures of a plot-pack control: the control paints itself into a bitmap
// of its size, which is saved as a metafile, BMP, JPEG or PNG file, or
// handed out as encoded bytes.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TCanvas;
class TJPEGImage;

namespace korvan::plot {

// What a control offers for its pictures; the component base implements it
// with its size, its paint-to and its paint lock.
class IImageSource {
public:
    virtual ~IImageSource() = default;
    virtual int ImageWidth() const = 0;
    virtual int ImageHeight() const = 0;
    virtual void PaintImageTo(TCanvas& canvas) = 0;
    // Held while the byte-array exports paint.
    virtual void LockImage() {}
    virtual void UnlockImage() {}
};

// The name metafiles carry as their creator.
inline constexpr const char* kMetaFileCreator = "Tashel";

void SaveImageToMetaFile(IImageSource& source, const std::string& fileName);
void SaveImageToBitmap(IImageSource& source, const std::string& fileName);
// compression is the JPEG quality, 1..100; outside it raises an Exception
// "Compression must be in the range of 1-100" before anything is painted.
void SaveImageToJPEG(IImageSource& source, const std::string& fileName, int compression, bool progressive);
// compression is the deflate level, 0 (none) .. 9 (smallest); outside it
// raises "Compression must be in the range of 0-9".
void SaveImageToPNG(IImageSource& source, const std::string& fileName, int compression);

// The encoded files as bytes, painted under the source's lock.
std::vector<std::uint8_t> GetBytesJPEG(IImageSource& source, int compression, bool progressive);
std::vector<std::uint8_t> GetBytesPNG(IImageSource& source, int compression);
std::vector<std::uint8_t> GetBytesMetaFile(IImageSource& source);

// A JPEG picture of the control for the caller to keep.
std::unique_ptr<TJPEGImage> GetJPEGImage(IImageSource& source, int compression, bool progressive);

} // namespace korvan::plot
