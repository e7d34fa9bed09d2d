// A fill on the clipboard under the private format "GDI+ Fill": the form
// text of a TSaver carrying the fill.

#include "controls/gdip/GDIPFill.h"
#include "controls/gdip/GDIPFillSaver.h"
#include "platform/forms/FormText.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

const QString kFillFormat = QStringLiteral("GDI+ Fill");

QClipboard* Clipboard() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::clipboard()
                                                                        : nullptr;
}

} // namespace

void TGDIPFill::SaveToClipBoard() {
    QClipboard* clipboard = Clipboard();
    if (!clipboard)
        return;
    TSaver saver(nullptr);
    saver.SetSaveObject(this);
    const std::string text = korvan::forms::WriteComponentText(&saver);
    auto data = std::make_unique<QMimeData>();
    data->setData(kFillFormat, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    clipboard->setMimeData(data.release()); // the clipboard owns it from here
}

void TGDIPFill::LoadFromClipBoard() {
    QClipboard* clipboard = Clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    if (!data || !data->hasFormat(kFillFormat))
        return;
    const QByteArray text = data->data(kFillFormat);
    TSaver saver(nullptr);
    saver.SetSaveObject(this);
    korvan::forms::ReadComponentText(
        std::string_view(text.constData(), static_cast<std::size_t>(text.size())), &saver);
}
