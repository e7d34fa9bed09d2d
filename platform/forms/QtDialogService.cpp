#include "platform/forms/Dialogs.h"

#include "platform/text/StrUtils.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace korvan::forms {

namespace {

// "Text|*.txt;*.log|All|*.*" -> "Text (*.txt *.log)", "All (*)".
QStringList QtFilters(const std::string& filter) {
    QStringList parts = QString::fromStdString(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        patterns.replace("*.*", "*");
        out << parts[i] + " (" + patterns + ")";
    }
    return out;
}

class QtDialogService : public DialogService {
public:
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(QString::fromStdString(caption));
        box.setText(QString::fromStdString(text));
        switch (flags & 0xF0) {
        case MB_ICONSTOP:
            box.setIcon(QMessageBox::Critical);
            break;
        case MB_ICONQUESTION:
            box.setIcon(QMessageBox::Question);
            break;
        case MB_ICONWARNING:
            box.setIcon(QMessageBox::Warning);
            break;
        case MB_ICONINFORMATION:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            break;
        }
        struct Button {
            const char* text;
            int id;
            QMessageBox::ButtonRole role;
        };
        std::vector<Button> buttons;
        switch (flags & 0xF) {
        case MB_OKCANCEL:
            buttons = {{"OK", IDOK, QMessageBox::AcceptRole}, {"Cancel", IDCANCEL, QMessageBox::RejectRole}};
            break;
        case MB_ABORTRETRYIGNORE:
            buttons = {{"&Abort", IDABORT, QMessageBox::RejectRole},
                       {"&Retry", IDRETRY, QMessageBox::AcceptRole},
                       {"&Ignore", IDIGNORE, QMessageBox::AcceptRole}};
            break;
        case MB_YESNOCANCEL:
            buttons = {{"&Yes", IDYES, QMessageBox::YesRole},
                       {"&No", IDNO, QMessageBox::NoRole},
                       {"Cancel", IDCANCEL, QMessageBox::RejectRole}};
            break;
        case MB_YESNO:
            buttons = {{"&Yes", IDYES, QMessageBox::YesRole}, {"&No", IDNO, QMessageBox::NoRole}};
            break;
        case MB_RETRYCANCEL:
            buttons = {{"&Retry", IDRETRY, QMessageBox::AcceptRole},
                       {"Cancel", IDCANCEL, QMessageBox::RejectRole}};
            break;
        default:
            buttons = {{"OK", IDOK, QMessageBox::AcceptRole}};
        }
        std::vector<QPushButton*> made;
        for (const auto& b : buttons)
            made.push_back(box.addButton(b.text, b.role));
        const size_t defaultIndex = (flags & MB_DEFBUTTON2) && made.size() > 1 ? 1 : 0;
        box.setDefaultButton(made[defaultIndex]);
        box.exec();
        for (size_t i = 0; i < made.size(); ++i)
            if (box.clickedButton() == made[i])
                return buttons[i].id;
        return (flags & 0xF) == MB_OK ? IDOK : IDCANCEL;
    }

    std::optional<std::string> OpenFile(FileDialogOptions& o) override { return Run(o, false); }
    std::optional<std::string> SaveFile(FileDialogOptions& o) override { return Run(o, true); }

    std::optional<int> PickColor(int initial) override {
        const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
        const QColor c = QColorDialog::getColor(start, QApplication::activeWindow());
        if (!c.isValid())
            return std::nullopt;
        return c.red() | (c.green() << 8) | (c.blue() << 16);
    }

    std::optional<FontChoice> PickFont(const FontChoice& initial) override {
        QFont start(QString::fromStdString(initial.Name), initial.Size);
        start.setBold(initial.Bold);
        start.setItalic(initial.Italic);
        start.setUnderline(initial.Underline);
        start.setStrikeOut(initial.StrikeOut);
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, start, QApplication::activeWindow());
        if (!ok)
            return std::nullopt;
        FontChoice c = initial;
        c.Name = f.family().toStdString();
        c.Size = f.pointSize();
        c.Bold = f.bold();
        c.Italic = f.italic();
        c.Underline = f.underline();
        c.StrikeOut = f.strikeOut();
        return c;
    }

    std::optional<std::string> ChoosePrinter(const std::vector<std::string>& printers,
                                             const std::string& current) override {
        if (printers.empty())
            return current;
        QStringList names;
        for (const std::string& name : printers)
            names << QString::fromStdString(name);
        const int at =
            std::max<int>(0, int(std::find(printers.begin(), printers.end(), current) - printers.begin()));
        bool ok = false;
        const QString chosen = QInputDialog::getItem(QApplication::activeWindow(), QStringLiteral("Print"),
                                                     QStringLiteral("Printer:"), names,
                                                     std::min<int>(at, int(names.size()) - 1), false, &ok);
        if (!ok)
            return std::nullopt;
        return chosen.toStdString();
    }

private:
    std::optional<std::string> Run(FileDialogOptions& o, bool save) {
        QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(o.Title),
                           QString::fromStdString(o.InitialDir));
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(save ? QFileDialog::AnyFile
                                : (o.FileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile));
        if (!o.OverwritePrompt)
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        const QStringList filters = QtFilters(o.Filter);
        if (!filters.isEmpty()) {
            dialog.setNameFilters(filters);
            if (o.FilterIndex >= 1 && o.FilterIndex <= filters.size())
                dialog.selectNameFilter(filters[o.FilterIndex - 1]);
        }
        if (!o.DefaultExt.empty())
            dialog.setDefaultSuffix(QString::fromStdString(o.DefaultExt));
        if (!o.FileName.empty())
            dialog.selectFile(QString::fromStdString(o.FileName));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        o.FilterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
        o.FileName = dialog.selectedFiles().front().toStdString();
        return o.FileName;
    }
};

std::unique_ptr<DialogService>& Current() {
    static std::unique_ptr<DialogService> service;
    return service;
}

} // namespace

std::unique_ptr<DialogService> MakeQtDialogService() {
    return std::make_unique<QtDialogService>();
}

DialogService& Dialogs() {
    auto& s = Current();
    if (!s)
        s = MakeQtDialogService();
    return *s;
}

std::unique_ptr<DialogService> SetDialogService(std::unique_ptr<DialogService> service) {
    auto previous = std::move(Current());
    Current() = std::move(service);
    return previous;
}

} // namespace korvan::forms
