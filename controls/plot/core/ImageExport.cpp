#include "controls/plot/core/ImageExport.h"

#include "controls/plot/core/MetaFile.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Codecs.h"
#include "platform/gfx/Pictures.h"
#include "platform/sys/FileIo.h"
#include "platform/text/Exception.h"

namespace korvan::plot {

namespace {

void CheckJpegQuality(int compression) {
    if (compression < 1 || compression > 100)
        throw Exception("Compression must be in the range of 1-100");
}

void CheckPngLevel(int compression) {
    if (compression < 0 || compression > 9)
        throw Exception("Compression must be in the range of 0-9");
}

class ImageLock {
public:
    explicit ImageLock(IImageSource& source) : source_(source) { source_.LockImage(); }
    ~ImageLock() { source_.UnlockImage(); }
    ImageLock(const ImageLock&) = delete;
    ImageLock& operator=(const ImageLock&) = delete;

private:
    IImageSource& source_;
};

// The control painted into a 24-bit bitmap of its size.
QImage Painted(IImageSource& source) {
    TBitmap bitmap(std::max(source.ImageWidth(), 1), std::max(source.ImageHeight(), 1));
    bitmap.SetPixelFormat(pf24bit);
    source.PaintImageTo(bitmap.Canvas());
    return bitmap.ToImage().convertToFormat(QImage::Format_RGB32);
}

std::unique_ptr<TJPEGImage> JpegOf(const QImage& image, int compression, bool progressive,
                                   TJPEGPerformance performance) {
    auto jpeg = std::make_unique<TJPEGImage>();
    TBitmap bitmap;
    bitmap.AssignImage(image);
    jpeg->Assign(bitmap);
    jpeg->CompressionQuality = compression;
    jpeg->ProgressiveEncoding = progressive;
    jpeg->Performance = performance;
    jpeg->Compress();
    return jpeg;
}

void WriteFile(const std::string& fileName, const std::vector<std::uint8_t>& bytes) {
    if (bytes.empty() || !korvan::sys::WriteFileReplacing(fileName, bytes))
        throw EFCreateError("Cannot create file \"" + fileName + "\"");
}

} // namespace

void SaveImageToMetaFile(IImageSource& source, const std::string& fileName) {
    WriteFile(fileName, EncodeMetaFile(Painted(source), kMetaFileCreator));
}

void SaveImageToBitmap(IImageSource& source, const std::string& fileName) {
    WriteFile(fileName, korvan::gfx::EncodeBmp(Painted(source), 24));
}

void SaveImageToJPEG(IImageSource& source, const std::string& fileName, int compression, bool progressive) {
    CheckJpegQuality(compression);
    WriteFile(fileName, JpegOf(Painted(source), compression, progressive, jpBestQuality)->SaveToBytes());
}

void SaveImageToPNG(IImageSource& source, const std::string& fileName, int compression) {
    CheckPngLevel(compression);
    WriteFile(fileName, korvan::gfx::EncodePng(Painted(source), compression));
}

std::vector<std::uint8_t> GetBytesJPEG(IImageSource& source, int compression, bool progressive) {
    ImageLock lock(source);
    CheckJpegQuality(compression);
    return JpegOf(Painted(source), compression, progressive, jpBestSpeed)->SaveToBytes();
}

std::vector<std::uint8_t> GetBytesPNG(IImageSource& source, int compression) {
    ImageLock lock(source);
    CheckPngLevel(compression);
    return korvan::gfx::EncodePng(Painted(source), compression);
}

std::vector<std::uint8_t> GetBytesMetaFile(IImageSource& source) {
    ImageLock lock(source);
    return EncodeMetaFile(Painted(source), kMetaFileCreator);
}

std::unique_ptr<TJPEGImage> GetJPEGImage(IImageSource& source, int compression, bool progressive) {
    CheckJpegQuality(compression);
    return JpegOf(Painted(source), compression, progressive, jpBestQuality);
}

} // namespace korvan::plot
