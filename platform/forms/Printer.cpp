#include "platform/forms/Printer.h"

#include "platform/gfx/Canvas.h"
#include "platform/text/Exception.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace {

// Pages are composed as bitmaps: this keeps a page of the largest common
// paper within a few tens of megabytes.
constexpr int kResolution = 150;

} // namespace

struct TPrinter::Device {
    std::string printerName;
    QPrinter printer{QPrinter::HighResolution};
    QPainter painter;
    QImage page;
    std::unique_ptr<TCanvas> canvas;

    Device() {
        printer.setResolution(kResolution);
        printer.setFullPage(true);
    }
};

TPrinter::TPrinter() : device_(std::make_unique<Device>()) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull())
        device_->printerName = info.printerName().toStdString();
}

TPrinter::~TPrinter() {
    if (printing_)
        device_->painter.end();
}

std::vector<std::string> TPrinter::Printers() const {
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        names.push_back(name.toStdString());
    return names;
}

int TPrinter::PrinterIndex() const {
    const std::vector<std::string> names = Printers();
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == device_->printerName)
            return int(i);
    return names.empty() ? -1 : 0;
}

bool TPrinter::SelectPrinter(const std::string& name) {
    for (const std::string& installed : Printers())
        if (installed == name) {
            device_->printerName = name;
            return true;
        }
    return false;
}

void TPrinter::PrintToFile(const std::string& pdfFileName) {
    outputFileName_ = pdfFileName;
}

int TPrinter::DpiX() const {
    return kResolution;
}

int TPrinter::DpiY() const {
    return kResolution;
}

double TPrinter::PaperWidthInches() const {
    const QSizeF size = device_->printer.pageLayout().pageSize().size(QPageSize::Inch);
    return orientation_ == poLandscape ? size.height() : size.width();
}

double TPrinter::PaperHeightInches() const {
    const QSizeF size = device_->printer.pageLayout().pageSize().size(QPageSize::Inch);
    return orientation_ == poLandscape ? size.width() : size.height();
}

int TPrinter::PaperWidthPixels() const {
    return int(PaperWidthInches() * DpiX() + 0.5);
}

int TPrinter::PaperHeightPixels() const {
    return int(PaperHeightInches() * DpiY() + 0.5);
}

void TPrinter::BeginDoc() {
    if (printing_)
        throw Exception("Printing in progress");
    QPrinter& printer = device_->printer;
    const bool toFile = !outputFileName_.empty() || device_->printerName.empty();
    if (toFile) {
        std::string file = outputFileName_;
        if (file.empty())
            file = (QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QDir::separator() +
                    QString::fromStdString(title_.empty() ? "Untitled" : title_) + ".pdf")
                       .toStdString();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(file));
    } else {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(QString::fromStdString(device_->printerName));
    }
    printer.setPageOrientation(orientation_ == poLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName(QString::fromStdString(title_));
    if (!device_->painter.begin(&printer))
        throw Exception("Printer is not currently printing");
    device_->page = QImage(PaperWidthPixels(), PaperHeightPixels(), QImage::Format_RGB32);
    device_->page.fill(Qt::white);
    device_->canvas = std::make_unique<TCanvas>(&device_->page);
    printing_ = true;
    pageNumber_ = 1;
}

TCanvas& TPrinter::Canvas() {
    if (!printing_ || !device_->canvas)
        throw Exception("Printer is not currently printing");
    return *device_->canvas;
}

void TPrinter::FlushPage() {
    const QRect target(0, 0, device_->printer.width(), device_->printer.height());
    device_->painter.drawImage(target, device_->page);
}

void TPrinter::NewPage() {
    if (!printing_)
        throw Exception("Printer is not currently printing");
    FlushPage();
    device_->printer.newPage();
    device_->page.fill(Qt::white);
    ++pageNumber_;
}

void TPrinter::EndDoc() {
    if (!printing_)
        throw Exception("Printer is not currently printing");
    FlushPage();
    device_->painter.end();
    device_->canvas.reset();
    device_->page = QImage();
    printing_ = false;
}

TPrinter& Printer() {
    static TPrinter printer;
    return printer;
}
