#pragma once
// The printer: one per program (Printer()), printing page after page onto a
// canvas at the device's resolution. Each page is composed in a bitmap the
// size of the paper and handed to the device when the next page starts or
// the document ends.
//
// Where no printer is installed, or a caller asks for it (PrintToFile), a
// PDF file stands in for the device: the same pages, the same sizes.

#include "platform/gfx/Types.h"

#include <memory>
#include <string>
#include <vector>

class TCanvas;

enum TPrinterOrientation { poPortrait, poLandscape };

class TPrinter {
public:
    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // Names of the installed printers; the current one by index (-1 when
    // none is installed).
    std::vector<std::string> Printers() const;
    int PrinterIndex() const;
    // Makes the named installed printer current; false when there is none
    // of that name.
    bool SelectPrinter(const std::string& name);
    // Sends every later document to this PDF file instead of a printer;
    // empty returns to the printers.
    void PrintToFile(const std::string& pdfFileName);
    const std::string& OutputFileName() const { return outputFileName_; }

    TPrinterOrientation Orientation() const { return orientation_; }
    void SetOrientation(TPrinterOrientation value) { orientation_ = value; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& value) { title_ = value; }

    // Device figures of the current paper and orientation.
    int DpiX() const;
    int DpiY() const;
    // The paper in device pixels, and where the printable area starts.
    int PaperWidthPixels() const;
    int PaperHeightPixels() const;
    int PhysicalOffsetX() const { return 0; }
    int PhysicalOffsetY() const { return 0; }
    // The paper in inches, as the orientation shows it.
    double PaperWidthInches() const;
    double PaperHeightInches() const;

    bool Printing() const { return printing_; }
    // Raises an Exception when the device cannot be opened.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    // Pages begun in the current (or last) document.
    int PageNumber() const { return pageNumber_; }
    // The current page; only while printing.
    TCanvas& Canvas();

private:
    struct Device;
    void FlushPage();

    std::unique_ptr<Device> device_;
    std::string outputFileName_;
    TPrinterOrientation orientation_ = poPortrait;
    std::string title_;
    bool printing_ = false;
    int pageNumber_ = 0;
};

// The program's printer.
TPrinter& Printer();
