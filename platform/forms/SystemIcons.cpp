#include "platform/forms/SystemIcons.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QMimeDatabase>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string>
#include <utility>

namespace korvan::forms {

namespace {

constexpr std::array<QAbstractFileIconProvider::IconType, 7> kIndexedKinds{
    QAbstractFileIconProvider::File,    QAbstractFileIconProvider::Folder,
    QAbstractFileIconProvider::Drive,   QAbstractFileIconProvider::Computer,
    QAbstractFileIconProvider::Desktop, QAbstractFileIconProvider::Network,
    QAbstractFileIconProvider::Trashcan};

// A list index: digits only (a sign is no part of a path either way).
std::optional<int> IndexOf(const std::string& text) {
    if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        }))
        return std::nullopt;
    return std::stoi(text);
}

QIcon IconFor(const std::string& pathOrIndex) {
    const QFileIconProvider provider;
    if (const std::optional<int> index = IndexOf(pathOrIndex)) {
        if (*index >= int(kIndexedKinds.size()))
            return {};
        return provider.icon(kIndexedKinds[std::size_t(*index)]);
    }
    const QString path = QString::fromStdString(pathOrIndex);
    const QFileInfo info(path);
    if (!path.isEmpty() && info.exists())
        return provider.icon(info);
    // No such file: the icon of the name's type.
    const QMimeType type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    QIcon icon = QIcon::fromTheme(type.iconName(), QIcon::fromTheme(type.genericIconName()));
    return icon.isNull() ? provider.icon(QAbstractFileIconProvider::File) : icon;
}

} // namespace

int SystemIconSize(bool large) {
    return large ? 32 : 16;
}

Gdiplus::Image SystemIcon(const std::string& pathOrIndex, bool large) {
    const QIcon icon = IconFor(pathOrIndex);
    if (icon.isNull())
        return {};
    const int side = SystemIconSize(large);
    QImage out(side, side, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    // A theme may hold only other sizes: the nearest is scaled to fit,
    // centred.
    {
        QPainter painter(&out);
        icon.paint(&painter, QRect(0, 0, side, side));
    }
    return Gdiplus::Image(std::move(out));
}

} // namespace korvan::forms
