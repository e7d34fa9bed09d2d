#pragma once
// The print preview of a plot: the plot scaled onto a drawing of one sheet
// of paper inside its print margins, with Print, Settings and Close. The
// plot's preview operation fills the public fields and shows it modally;
// Settings edits margins, orientation and document name (which go back
// into the plot) and the paper size (which stays with this form).

#include "controls/plot/editor/PreviewPage.h"
#include "platform/forms/Form.h"
#include "platform/forms/Printer.h"

#include <string>

class TPanel;
class TSpeedButton;
class TiPaintBox;
class TButton;
class TCanvas;
class TiPlotComponent;

class TiPlotPreviewForm : public TForm {
    KORVAN_CLASS(TiPlotPreviewForm)
public:
    explicit TiPlotPreviewForm(TComponent* owner);

    TPanel* Panel2 = nullptr;
    TSpeedButton* CloseButton = nullptr;
    TSpeedButton* PrintButton = nullptr;
    TiPaintBox* Preview = nullptr;
    TButton* SettingsButton = nullptr;

    // The plot previewed.
    TiPlotComponent* iComponent = nullptr;
    double PrintMarginLeft = 0, PrintMarginTop = 0, PrintMarginRight = 0, PrintMarginBottom = 0;
    TPrinterOrientation PrintOrientation = poPortrait;
    std::string PrintDocumentName;
    // A paper of the settings' list (korvan::plot::TiPreviewPaper).
    int PrintSize = korvan::plot::ippLetter;

    void PreviewPaint(TObject* sender);
    void PrintButtonClick(TObject* sender);
    void SettingsButtonClick(TObject* sender);
    void CloseButtonClick(TObject* sender);
    // The form's texts through the plot's translations.
    void DoTranslation();

    // The form never gets smaller than 500 x 300.
    void SetBounds(int left, int top, int width, int height) override;

private:
    void DrawPage(TCanvas& canvas, int width, int height);
    void ShowDocumentName();
};
