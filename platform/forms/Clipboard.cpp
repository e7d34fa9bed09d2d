#include "platform/forms/Clipboard.h"

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Graphic.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace korvan::forms {

namespace {

QByteArray Bytes(const std::vector<std::uint8_t>& data) {
    return QByteArray(reinterpret_cast<const char*>(data.data()), qsizetype(data.size()));
}

} // namespace

void ClipboardSetBitmap(const TBitmap& bitmap) {
    QGuiApplication::clipboard()->setImage(bitmap.Image());
}

void ClipboardSetMetaFile(const std::vector<std::uint8_t>& metaFile, const TBitmap& fallback) {
    auto data = std::make_unique<QMimeData>();
    data->setData(kClipboardMetaFile, Bytes(metaFile));
    data->setImageData(fallback.Image());
    QGuiApplication::clipboard()->setMimeData(data.release());
}

void ClipboardSetJpeg(const std::vector<std::uint8_t>& jpeg) {
    auto data = std::make_unique<QMimeData>();
    data->setData(kClipboardJpeg, Bytes(jpeg));
    QGuiApplication::clipboard()->setMimeData(data.release());
}

std::optional<TBitmap> ClipboardBitmap() {
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull())
        return std::nullopt;
    TBitmap bitmap;
    bitmap.AssignImage(image);
    return bitmap;
}

std::vector<std::uint8_t> ClipboardData(const std::string& format) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (!data)
        return {};
    const QByteArray bytes = data->data(QString::fromStdString(format));
    return {bytes.begin(), bytes.end()};
}

bool ClipboardSetGraphic(const TGraphic& graphic) {
    std::string format;
    TBytes bytes;
    graphic.SaveToClipboardFormat(format, bytes);
    if (format.empty())
        return false;
    auto data = std::make_unique<QMimeData>();
    data->setData(QString::fromStdString(format), Bytes(bytes));
    QGuiApplication::clipboard()->setMimeData(data.release());
    return true;
}

bool ClipboardGetGraphic(TGraphic& graphic, const std::string& format) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (format.empty() || !data || !data->hasFormat(QString::fromStdString(format)))
        return false;
    const std::vector<std::uint8_t> bytes = ClipboardData(format);
    graphic.LoadFromClipboardFormat(format, bytes);
    return true;
}

} // namespace korvan::forms
