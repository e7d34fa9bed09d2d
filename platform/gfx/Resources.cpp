#include "platform/gfx/Resources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <string>

namespace korvan::gfx {

namespace {

QString FolderOf(ResourceKind kind) {
    return kind == ResourceKind::Bitmap ? QStringLiteral(":/bitmap") : QStringLiteral(":/rcdata");
}

std::optional<TBytes> ReadResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    return TBytes(bytes.begin(), bytes.end());
}

} // namespace

std::optional<TBytes> FindResource(HINST instance, ResourceKind kind, std::string_view name) {
    if (instance != HInstance || name.empty())
        return std::nullopt;
    // "#101" is resource number 101.
    if (name.size() > 1 && name.front() == '#' &&
        name.find_first_not_of("0123456789", 1) == std::string_view::npos && name.size() <= 10)
        return FindResource(instance, kind, std::stoi(std::string(name.substr(1))));
    const QString wanted = QString::fromUtf8(name.data(), qsizetype(name.size()));
    const QDir folder(FolderOf(kind));
    const QFileInfoList entries = folder.entryInfoList(QDir::Files, QDir::Name);
    // An exact file name first, then one without its extension.
    for (const QFileInfo& entry : entries)
        if (entry.fileName().compare(wanted, Qt::CaseInsensitive) == 0)
            return ReadResource(entry.filePath());
    for (const QFileInfo& entry : entries)
        if (entry.completeBaseName().compare(wanted, Qt::CaseInsensitive) == 0)
            return ReadResource(entry.filePath());
    return std::nullopt;
}

std::optional<TBytes> FindResource(HINST instance, ResourceKind kind, int id) {
    // Resource numbers are 16-bit.
    if (id < 0 || id > 0xFFFF)
        return std::nullopt;
    return FindResource(instance, kind, std::to_string(id));
}

} // namespace korvan::gfx
