// The plot on paper, on the clipboard, as a snapshot and as an image file:
// each paints the plot through its own paint routine into another canvas.

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/component/PlotComponent.h"
#include "controls/plot/core/ImageExport.h"
#include "controls/plot/core/MetaFile.h"
#include "controls/plot/core/ObjectManager.h"
#include "controls/plot/core/PropertyFiles.h"
#include "controls/plot/dialogs/PackDialogs.h"
#include "controls/plot/editor/PlotPreviewForm.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/master/PlotKinds.h"
#include "platform/forms/Application.h"
#include "platform/forms/Clipboard.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Printer.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "platform/gfx/Pictures.h"
#include "platform/text/Exception.h"
#include "platform/text/Rounding.h"
#include "platform/text/StrUtils.h"

#include <algorithm>
#include <cmath>

namespace kind = korvan::plot::kind;

namespace {

// Metafile descriptions of the clipboard's picture and of the snapshot.
constexpr const char* kClipboardTitle = "Strip Chart";
constexpr const char* kSnapShotTitle = "iPlot";
constexpr const char* kSaveFilter =
    "Bitmap (*.bmp)|*.bmp|Enhanced Metafile (*.emf)|*.emf|JPEG File (*.jpg)|*.jpg|PNG (*.png)|*.png";

TBitmap PaintedBitmap(TiPlotComponent& plot) {
    TBitmap bitmap(std::max(plot.Width(), 1), std::max(plot.Height(), 1));
    plot.PaintImageTo(bitmap.Canvas());
    return bitmap;
}

} // namespace

// A picture shows neither toolbars nor the user's selections.
class TiPlotComponent::PictureScope {
public:
    explicit PictureScope(TiPlotComponent& plot)
        : plot_(plot), update_(plot), toolBarShown_(plot.ToolBarShown()) {
        plot_.ShowToolBars(false);
        plot_.Master()->DeSelectAll();
    }
    ~PictureScope() { plot_.ShowToolBars(toolBarShown_); }
    PictureScope(const PictureScope&) = delete;
    PictureScope& operator=(const PictureScope&) = delete;

private:
    TiPlotComponent& plot_;
    korvan::plot::UpdateBlockScope update_;
    bool toolBarShown_;
};

bool TiPlotComponent::ToolBarShown() const {
    const TiPlotObjectManagerCustom* toolBars = Kind(kind::ToolBar);
    return toolBars && toolBars->Count() > 0 && toolBars->Items(0)->Visible();
}

void TiPlotComponent::ShowToolBars(bool show) {
    if (TiPlotObjectManagerCustom* toolBars = Kind(kind::ToolBar))
        for (int i = 0; i < toolBars->Count(); ++i)
            toolBars->Items(i)->SetVisible(show);
}

// --- clipboard, snapshot, image files ---

void TiPlotComponent::CopyToClipBoard() {
    PictureScope scope(*this);
    const TBitmap picture = PaintedBitmap(*this);
    switch (copyToClipBoardFormat_) {
    case ipefMetaFile:
        korvan::forms::ClipboardSetMetaFile(
            korvan::plot::EncodeMetaFile(picture.Image(), korvan::plot::kMetaFileCreator, kClipboardTitle),
            picture);
        break;
    case ipefBitmap:
        korvan::forms::ClipboardSetBitmap(picture);
        break;
    case ipefJPEG: {
        const std::vector<std::uint8_t> jpeg = korvan::plot::GetBytesJPEG(*this, 100, false);
        if (!jpeg.empty())
            korvan::forms::ClipboardSetJpeg(jpeg);
        break;
    }
    }
}

TPicture* TiPlotComponent::GetSnapShotPicture() {
    if (!snapShotPicture_)
        snapShotPicture_ = std::make_unique<TPicture>();
    // The snapshot is the plot as it stands: toolbars and selections stay.
    snapShotPicture_->SetGraphic(std::make_unique<TBitmap>(PaintedBitmap(*this)));
    return snapShotPicture_.get();
}

void TiPlotComponent::Save() {
    if (!saveDialog_)
        saveDialog_ = new TiSaveDialog(this);
    saveDialog_->SetDefaultDir(defaultSaveImageDirectory_);
    saveDialog_->SetFilter(kSaveFilter);
    saveDialog_->SetFileName("Untitled");
    saveDialog_->SetFilterIndex(int(defaultSaveImageFormat_) + 1);
    if (!saveDialog_->Execute())
        return;
    Master()->DeSelectAll();
    SaveImageAs(saveDialog_->FileName());
}

void TiPlotComponent::SaveImageAs(const std::string& fileName) {
    // The extension in any letter case; ".jpeg" is a JPEG file too.
    const std::size_t dot = fileName.find_last_of('.');
    const std::string ext = dot == std::string::npos ? std::string() : LowerCase(fileName.substr(dot + 1));
    if (ext == "bmp")
        korvan::plot::SaveImageToBitmap(*this, fileName);
    else if (ext == "emf")
        korvan::plot::SaveImageToMetaFile(*this, fileName);
    else if (ext == "jpg" || ext == "jpeg")
        korvan::plot::SaveImageToJPEG(*this, fileName, 100, true);
    else if (ext == "png")
        korvan::plot::SaveImageToPNG(*this, fileName, 9);
    else
        throw Exception("Unknown image file type \"" + fileName + "\"");
}

// --- printing ---

void TiPlotComponent::ReadPaper(TPrinter& printer) {
    paperWidthInches_ = printer.PaperWidthInches();
    paperHeightInches_ = printer.PaperHeightInches();
    paperWidthCentimeters_ = paperWidthInches_ * 2.54;
    paperHeightCentimeters_ = paperHeightInches_ * 2.54;
    paperWidthPixels_ = int(Round(paperWidthInches_ * printer.DpiX()));
    paperHeightPixels_ = int(Round(paperHeightInches_ * printer.DpiY()));
}

void TiPlotComponent::PrintChart() {
    TPrinter& printer = Printer();
    if (printer.Printing())
        printer.EndDoc();
    printer.SetOrientation(printOrientation_);
    printer.SetTitle(printDocumentName_);
    if (printShowDialog_) {
        const std::vector<std::string> printers = printer.Printers();
        const int current = printer.PrinterIndex();
        const std::optional<std::string> chosen = korvan::forms::Dialogs().ChoosePrinter(
            printers, current >= 0 ? printers[std::size_t(current)] : std::string());
        if (!chosen)
            return;
        printer.SelectPrinter(*chosen);
    }
    try {
        korvan::plot::UpdateBlockScope update(*this);
        const TiPlotXAxis& axis = *XAxis(0);
        printXStart_ = axis.Min();
        printXStop_ = axis.Min() + axis.Span();
        PrintPages(printer);
    } catch (const Exception& e) {
        throw Exception("Error Printing : " + e.Message());
    }
}

void TiPlotComponent::PrintPages(TPrinter& printer) {
    if (!Trim(printerName_).empty())
        printer.SelectPrinter(Trim(printerName_));
    ReadPaper(printer);
    TiPlotXAxis& axis = *XAxis(0);
    // Whatever happens, the plot is left as the user saw it.
    struct Restore {
        TiPlotComponent& plot;
        TPrinter& printer;
        TiPlotXAxis& axis;
        bool toolBarShown = plot.ToolBarShown();
        double min = axis.Min(), span = axis.Span();
        int width = plot.Width(), height = plot.Height();
        ~Restore() {
            if (printer.Printing())
                printer.EndDoc();
            axis.SetMinSpan(min, span);
            plot.SetBounds(plot.Left(), plot.Top(), width, height);
            plot.ShowToolBars(toolBarShown);
        }
    };
    printer.BeginDoc();
    Restore restore{*this, printer, axis};
    Master()->DeSelectAll();
    ShowToolBars(false);
    if (OnBeforePrint)
        OnBeforePrint(this);
    int page = 1;
    axis.SetMin(printXStart_);
    while (axis.Min() < printXStop_) {
        if (OnBeforePrintPage)
            OnBeforePrintPage(page, axis.Min() + axis.Span() >= printXStop_);
        const double scale =
            std::min((paperWidthPixels_ - (printMarginLeft_ + printMarginRight_) * printer.DpiX()) /
                         std::max(Width(), 1),
                     (paperHeightPixels_ - (printMarginTop_ + printMarginBottom_) * printer.DpiY()) /
                         std::max(Height(), 1));
        const int left = int(Round(printMarginLeft_ * printer.DpiX() - printer.PhysicalOffsetX()));
        const int top = int(Round(printMarginTop_ * printer.DpiY() - printer.PhysicalOffsetY()));
        const TRect target =
            Rect(left, top, left + int(Round(Width() * scale)), top + int(Round(Height() * scale)));
        ReCalcLayout();
        TBitmap picture = PaintedBitmap(*this);
        printer.Canvas().StretchDraw(target, picture);
        const double min = axis.Min();
        const double max = min + axis.Span();
        if (!(max > min) || max >= printXStop_)
            break;
        printer.NewPage();
        ++page;
        axis.SetMin(min + axis.Span());
    }
    if (OnAfterPrint)
        OnAfterPrint(this);
}

void TiPlotComponent::PreviewChart() {
    const auto preview = std::make_unique<TiPlotPreviewForm>(Application);
    preview->iComponent = this;
    preview->PrintMarginLeft = printMarginLeft_;
    preview->PrintMarginTop = printMarginTop_;
    preview->PrintMarginRight = printMarginRight_;
    preview->PrintMarginBottom = printMarginBottom_;
    preview->PrintOrientation = printOrientation_;
    preview->PrintDocumentName = printDocumentName_;
    preview->SetCaption(printDocumentName_ + " (Preview)");
    preview->DoTranslation();
    preview->ShowModal();
}

void TiPlotComponent::PrintSizeToFillPage() {
    if (paperWidthInches_ <= 0 || paperHeightInches_ <= 0)
        ReadPaper(Printer());
    SetBounds(Left(), Top(), Width(), int(Trunc(Width() * paperHeightInches_ / paperWidthInches_)));
    ReCalcLayout();
}

void TiPlotComponent::PrintAdjustXSpanToMinutesPerMillimeter(double minutesPerMillimeter) {
    if (paperWidthInches_ <= 0 || paperHeightInches_ <= 0)
        ReadPaper(Printer());
    ReCalcLayout();
    TiPlotXAxis& axis = *XAxis(0);
    const double printable = paperHeightInches_ - printMarginTop_ - printMarginBottom_;
    const double inches =
        std::abs(double(axis.MaxPixels() - axis.MinPixels())) * printable / std::max(Height(), 1);
    axis.SetSpan(inches * 25.4 * minutesPerMillimeter / 1440);
}
