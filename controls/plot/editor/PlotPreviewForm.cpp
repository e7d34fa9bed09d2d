#include "controls/plot/editor/PlotPreviewForm.h"

#include "controls/plot/component/PlotComponent.h"
#include "controls/plot/core/PlotObject.h"
#include "controls/plot/editor/EditorChoices.h"
#include "controls/plot/editor/EditorEdit.h"
#include "controls/plot/editor/EditorFrames.h"
#include "controls/plot/editor/FormTranslation.h"
#include "controls/plot/editor/PlotPreviewSettingsForm.h"
#include "controls/plot/editor/PrinterGlyph.h"
#include "controls/plot/master/PlotKinds.h"
#include "platform/forms/Application.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/LoadScope.h"
#include "platform/forms/TypeInfo.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Pictures.h"

#include <QWidget>

#include <algorithm>
#include <memory>

using korvan::forms::ClassBuilder;
namespace kind = korvan::plot::kind;

namespace {

constexpr int kMinWidth = 500;
constexpr int kMinHeight = 300;

// The plot's first toolbar stays out of the picture while the preview
// paints; it shows again as it was, also when painting fails.
class FirstToolBarHidden {
public:
    explicit FirstToolBarHidden(TiPlotComponent& plot)
        : toolBar_(plot.ToolBarCount() > 0 ? plot.KindObject(kind::ToolBar, 0) : nullptr),
          visible_(toolBar_ && toolBar_->Visible()) {
        if (toolBar_)
            toolBar_->SetVisible(false);
    }
    ~FirstToolBarHidden() {
        if (toolBar_)
            toolBar_->SetVisible(visible_);
    }
    FirstToolBarHidden(const FirstToolBarHidden&) = delete;
    FirstToolBarHidden& operator=(const FirstToolBarHidden&) = delete;

private:
    TiPlotObject* toolBar_;
    bool visible_;
};

} // namespace

const TClassInfo& TiPlotPreviewForm::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiPlotPreviewForm>("TiPlotPreviewForm", &TForm::StaticClassInfo()).Build();
    return info;
}

TiPlotPreviewForm::TiPlotPreviewForm(TComponent* owner) : TForm(owner) {
    korvan::forms::LoadScope scope(this);
    SetName("iPlotPreviewForm");
    SetCaption("Tashel Plot Preview");
    SetPosition(poScreenCenter);
    SetBounds(0, 0, 836, 563);
    Window()->setMinimumSize(kMinWidth - FrameExtra().cx, kMinHeight - FrameExtra().cy);

    Panel2 = scope.Place<TPanel>(this, "Panel2", 0, 0, 828, 41);
    Panel2->SetAlign(alTop);
    CloseButton = scope.Place<TSpeedButton>(Panel2, "CloseButton", 135, 8, 75, 28);
    CloseButton->SetCaption("Close");
    CloseButton->OnClick = [this](TObject* s) { CloseButtonClick(s); };
    PrintButton = scope.Place<TSpeedButton>(Panel2, "PrintButton", 8, 8, 28, 28);
    PrintButton->SetGlyph(korvan::plot::PrinterGlyph());
    PrintButton->OnClick = [this](TObject* s) { PrintButtonClick(s); };
    Preview = scope.Place<TiPaintBox>(this, "Preview", 0, 41, 828, 488);
    Preview->SetAlign(alClient);
    Preview->OnPaint = [this](TObject* s) { PreviewPaint(s); };
    SettingsButton = scope.Place<TButton>(Panel2, "SettingsButton", 48, 8, 75, 28);
    SettingsButton->SetCaption("Settings");
    SettingsButton->OnClick = [this](TObject* s) { SettingsButtonClick(s); };
    scope.Finish();
}

void TiPlotPreviewForm::SetBounds(int left, int top, int width, int height) {
    TForm::SetBounds(left, top, std::max(width, kMinWidth), std::max(height, kMinHeight));
}

void TiPlotPreviewForm::PreviewPaint(TObject* /*sender*/) {
    const int width = Preview->Width(), height = Preview->Height();
    TBitmap bitmap(std::max(width, 1), std::max(height, 1));
    TCanvas& canvas = bitmap.Canvas();
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(clBlack);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(Rect(0, 0, bitmap.Width(), bitmap.Height()));
    if (!iComponent) {
        Preview->Canvas().Draw(0, 0, bitmap);
        return;
    }
    {
        const FirstToolBarHidden hidden(*iComponent);
        if (iComponent->OnBeforePrint)
            iComponent->OnBeforePrint(this);
        DrawPage(canvas, width, height);
        Preview->Canvas().Draw(0, 0, bitmap);
    }
    if (iComponent->OnAfterPrint)
        iComponent->OnAfterPrint(this);
}

void TiPlotPreviewForm::DrawPage(TCanvas& canvas, int width, int height) {
    TiPlotComponent& plot = *iComponent;
    const korvan::plot::TiPreviewPage page = korvan::plot::PreviewPageOf(
        width, height, PrintSize, PrintOrientation,
        {plot.PrintMarginLeft(), plot.PrintMarginTop(), plot.PrintMarginRight(), plot.PrintMarginBottom()});
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(Rect(0, 0, width, height));
    const TRect shadow = page.Page.Offset(7, 7);
    canvas.Brush().SetColor(clBlack);
    canvas.Rectangle(shadow);
    canvas.Brush().SetColor(clWhite);
    canvas.Rectangle(page.Page);
    TPicture* snapShot = plot.GetSnapShotPicture();
    const TSize size =
        korvan::plot::FitPicture(page.AreaWidth, page.AreaHeight, snapShot->Width(), snapShot->Height());
    if (size.cx > 0 && size.cy > 0)
        canvas.StretchDraw(Bounds(page.AreaOrigin.X, page.AreaOrigin.Y, size.cx, size.cy),
                           *snapShot->Graphic());
}

void TiPlotPreviewForm::PrintButtonClick(TObject* /*sender*/) {
    if (!iComponent)
        return;
    iComponent->PrintChart();
    Preview->Repaint();
}

void TiPlotPreviewForm::CloseButtonClick(TObject* /*sender*/) {
    SetModalResult(mrOk);
}

void TiPlotPreviewForm::ShowDocumentName() {
    SetCaption(PrintDocumentName + " (Preview)");
}

void TiPlotPreviewForm::SettingsButtonClick(TObject* /*sender*/) {
    const auto settings = std::make_unique<TiPlotPreviewSettingsForm>(Application);
    settings->PrintMarginLeftEdit->SetAsFloat(PrintMarginLeft);
    settings->PrintMarginTopEdit->SetAsFloat(PrintMarginTop);
    settings->PrintMarginRightEdit->SetAsFloat(PrintMarginRight);
    settings->PrintMarginBottomEdit->SetAsFloat(PrintMarginBottom);
    settings->PrintOrientationRadioGroup->SetAsInteger(int(PrintOrientation));
    settings->PrintDocumentNameEdit->SetAsString(PrintDocumentName);
    settings->PrintPaperSizeComboBox->SetAsInteger(PrintSize);
    if (iComponent)
        korvan::plot::TranslateForm(*iComponent->Master(), settings.get());
    if (settings->ShowModal() != mrOk)
        return;
    PrintMarginLeft = settings->PrintMarginLeftEdit->AsFloat();
    PrintMarginTop = settings->PrintMarginTopEdit->AsFloat();
    PrintMarginRight = settings->PrintMarginRightEdit->AsFloat();
    PrintMarginBottom = settings->PrintMarginBottomEdit->AsFloat();
    PrintOrientation = settings->PrintOrientationRadioGroup->AsInteger() == 1 ? poLandscape : poPortrait;
    PrintDocumentName = settings->PrintDocumentNameEdit->AsString();
    PrintSize = settings->PrintPaperSizeComboBox->AsInteger();
    if (iComponent) {
        iComponent->SetPrintMarginLeft(PrintMarginLeft);
        iComponent->SetPrintMarginTop(PrintMarginTop);
        iComponent->SetPrintMarginRight(PrintMarginRight);
        iComponent->SetPrintMarginBottom(PrintMarginBottom);
        iComponent->SetPrintOrientation(PrintOrientation);
        iComponent->SetPrintDocumentName(PrintDocumentName);
    }
    ShowDocumentName();
    Preview->Repaint();
}

void TiPlotPreviewForm::DoTranslation() {
    if (iComponent)
        korvan::plot::TranslateForm(*iComponent->Master(), this);
}
