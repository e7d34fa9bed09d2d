// The print preview: the sheet's geometry, what the preview paints and
// around what, the settings form (OK, paper only, cancel), printing from
// the preview, and the plot's preview operation and toolbar button.

#include "controls/plot/editor/PlotPreviewForm.h"
#include "controls/plot/editor/PlotPreviewSettingsForm.h"
#include "controls/plot/editor/PreviewPage.h"

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/core/PlotObject.h"
#include "controls/plot/editor/EditorChoices.h"
#include "controls/plot/editor/EditorEdit.h"
#include "controls/plot/editor/EditorFrames.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/objects/PlotToolBar.h"
#include "controls/plot/plots/StripChartPlot.h"
#include "platform/forms/Buttons.h"
#include "platform/forms/ExtCtrls.h"
#include "platform/forms/Printer.h"
#include "platform/forms/StdCtrls.h"
#include "tests/controls/plot/PlotTestSupport.h"
#include "tests/controls/plot/component/PrintingPlotFixture.h"
#include "tests/controls/plot/editor/ModalFormSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using korvan::plot::FitPicture;
using korvan::plot::PreviewPageOf;
using korvan::plot::TiPreviewPage;
using korvan::testing::ApplicationForms;
using korvan::testing::Grab;
using korvan::testing::PlotPixel;
using korvan::testing::WhenShownModal;
namespace kind = korvan::plot::kind;

TEST(PreviewPage, SheetScaledIntoThePreview) {
    struct Case {
        int width, height, printSize;
        TPrinterOrientation orientation;
        int pageWidth, pageHeight, ppi;
        TRect page;
    };
    const Case cases[] = {
        // Letter, height-limited, both ways round.
        {840, 520, korvan::plot::ippLetter, poPortrait, 386, 500, 45, {222, 5, 608, 505}},
        {840, 520, korvan::plot::ippLetter, poLandscape, 647, 500, 59, {92, 5, 738, 505}},
        // 8.5 x 495 / 11 = 382.5 goes to the even 382.
        {840, 515, korvan::plot::ippLetter, poPortrait, 382, 495, 45, {224, 5, 606, 499}},
        // Narrow: width-limited, 11 x 280 / 8.5 = 362.35.
        {300, 520, korvan::plot::ippLetter, poPortrait, 280, 362, 33, {5, 74, 285, 436}},
        // An unknown paper index is letter.
        {840, 520, 17, poPortrait, 386, 500, 45, {222, 5, 608, 505}},
        // Legal 8.5 x 14.
        {840, 520, korvan::plot::ippLegal, poPortrait, 304, 500, 36, {263, 5, 567, 505}},
    };
    for (const Case& c : cases) {
        const TiPreviewPage page = PreviewPageOf(c.width, c.height, c.printSize, c.orientation, {});
        EXPECT_EQ(page.Width, c.pageWidth) << c.width << "x" << c.height << " " << c.printSize;
        EXPECT_EQ(page.Height, c.pageHeight) << c.width << "x" << c.height << " " << c.printSize;
        EXPECT_EQ(page.PixelsPerInch, c.ppi) << c.width << "x" << c.height << " " << c.printSize;
        EXPECT_EQ(page.Page, c.page) << c.width << "x" << c.height << " " << c.printSize;
    }
}

TEST(PreviewPage, PrintableAreaInsideTheMarginsAndThePictureFitted) {
    const TiPreviewPage page =
        PreviewPageOf(840, 520, korvan::plot::ippLetter, poPortrait, {1, 0.5, 0.25, 2});
    EXPECT_EQ(page.AreaWidth, 386 - 56);                 // 1.25 x 45 = 56.25
    EXPECT_EQ(page.AreaHeight, 500 - 112);               // 2.5 x 45 = 112.5, to the even 112
    EXPECT_EQ(page.AreaOrigin, Point(222 + 45, 5 + 22)); // 22.5 to the even 22

    struct Fit {
        int aw, ah, sw, sh;
        TSize fitted;
    };
    const Fit fits[] = {
        {296, 410, 300, 200, {296, 197}}, // width-limited
        {400, 100, 300, 200, {150, 100}}, // height-limited
        {100, 3, 3, 2, {4, 3}},           // 4.5 to the even 4
        {100, 5, 3, 2, {8, 5}},           // 7.5 to the even 8
        {0, 100, 300, 200, {0, 0}},       {100, 100, 0, 200, {0, 0}},
    };
    for (const Fit& f : fits)
        EXPECT_EQ(FitPicture(f.aw, f.ah, f.sw, f.sh), f.fitted) << f.aw << "x" << f.ah;
}

class PlotPreview : public korvan::testing::PrintingPlotTest {
protected:
    void SetUp() override {
        PrintingPlotTest::SetUp();
        plot->OnBeforePrint = [this](TObject* sender) {
            events.push_back(std::string("before") + (sender == form.get() ? " by the form" : "") +
                             (ToolBar()->Visible() ? " toolbar shown" : ""));
        };
        plot->OnAfterPrint = [this](TObject*) {
            events.push_back(std::string("after") + (ToolBar()->Visible() ? " toolbar shown" : ""));
        };
    }
    void TearDown() override {
        form.reset();
        PrintingPlotTest::TearDown();
    }
    TiPlotObject* ToolBar() const { return plot->KindObject(kind::ToolBar, 0); }
    // A preview filled as the plot's preview operation fills it, its paint
    // box 840 x 520.
    void MakeForm() {
        form = std::make_unique<TiPlotPreviewForm>(nullptr);
        form->iComponent = plot.get();
        form->PrintMarginLeft = plot->PrintMarginLeft();
        form->PrintMarginTop = plot->PrintMarginTop();
        form->PrintMarginRight = plot->PrintMarginRight();
        form->PrintMarginBottom = plot->PrintMarginBottom();
        form->PrintOrientation = plot->PrintOrientation();
        form->PrintDocumentName = plot->PrintDocumentName();
        form->SetClientWidth(840);
        form->SetClientHeight(41 + 520);
        ShowForm(form.get());
    }
    const QImage& Painted() {
        form->Preview->Repaint();
        return form->Preview->Surface();
    }
    std::string PlotSettings() const {
        return std::to_string(plot->PrintMarginLeft()) + " " + std::to_string(plot->PrintMarginTop()) + " " +
               std::to_string(plot->PrintMarginRight()) + " " + std::to_string(plot->PrintMarginBottom()) +
               " " + std::to_string(int(plot->PrintOrientation())) + " " + plot->PrintDocumentName();
    }

    std::unique_ptr<TiPlotPreviewForm> form;
    std::vector<std::string> events;
};

TEST_F(PlotPreview, FormAsBuilt) {
    MakeForm();
    EXPECT_EQ(form->Caption(), "Tashel Plot Preview");
    EXPECT_EQ(form->Panel2->Height(), 41);
    EXPECT_EQ(form->Panel2->Align(), alTop);
    EXPECT_EQ(form->Preview->Align(), alClient);
    EXPECT_EQ(form->PrintButton->BoundsRect(), Bounds(8, 8, 28, 28));
    EXPECT_TRUE(form->PrintButton->Caption().empty());
    EXPECT_EQ(form->SettingsButton->BoundsRect(), Bounds(48, 8, 75, 28));
    EXPECT_EQ(form->SettingsButton->Caption(), "Settings");
    EXPECT_EQ(form->CloseButton->BoundsRect(), Bounds(135, 8, 75, 28));
    EXPECT_EQ(form->CloseButton->Caption(), "Close");
    EXPECT_EQ(form->PrintSize, korvan::plot::ippLetter);
    form->SetBounds(0, 0, 100, 100);
    EXPECT_EQ(form->Width(), 500);
    EXPECT_EQ(form->Height(), 300);
    const TiPlotPreviewForm fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 836);
    EXPECT_EQ(fresh.Height(), 563);
}

// The plot's margins are 1 inch and it prints in landscape: the sheet is
// 647 x 500 at 59 pixels an inch.
TEST_F(PlotPreview, PaintsTheSheetWithItsShadowAndThePlotInsideTheMarginsWithoutTheToolBar) {
    MakeForm();
    events.clear();
    const QImage& image = Painted();
    ASSERT_EQ(image.width(), 840);
    ASSERT_EQ(image.height(), 520);
    EXPECT_EQ(events, (std::vector<std::string>{"before by the form", "after toolbar shown"}));
    korvan::testing::SavePng(Grab(form.get()), "plot_preview_form");

    const TRect page{92, 5, 738, 505};
    EXPECT_EQ(PlotPixel(image, page.Left, 200), clBlack);
    EXPECT_EQ(PlotPixel(image, page.Right - 1, 200), clBlack);
    EXPECT_EQ(PlotPixel(image, 300, page.Top), clBlack);
    EXPECT_EQ(PlotPixel(image, 300, page.Bottom - 1), clBlack);
    EXPECT_EQ(PlotPixel(image, page.Left - 1, 200), ColorToRGB(clBtnFace));
    // Inside the sheet, above the top margin: white paper.
    EXPECT_EQ(PlotPixel(image, 300, page.Top + 30), clWhite);
    // The shadow 7 pixels lower right.
    EXPECT_EQ(PlotPixel(image, page.Right + 3, 200), clBlack);
    EXPECT_EQ(PlotPixel(image, 300, page.Bottom + 3), clBlack);
    EXPECT_EQ(PlotPixel(image, page.Right + 3, page.Top + 3), ColorToRGB(clBtnFace));
    // The plot fills the printable area's height from the top margin
    // (59 pixels in): the plot's background is not paper white.
    const TSize fitted = FitPicture(647 - 118, 500 - 118, 300, 200);
    EXPECT_EQ(fitted, (TSize{529, 353}));
    EXPECT_NE(PlotPixel(image, page.Left + 59 + 2, page.Top + 59 + 2), clWhite);
    EXPECT_EQ(PlotPixel(image, page.Left + 59 + 2, page.Top + 59 + 353 + 2), clWhite);
    EXPECT_TRUE(ToolBar()->Visible());
}

TEST_F(PlotPreview, AFailingPaintStillShowsTheToolBarAgain) {
    MakeForm();
    plot->OnBeforePrint = [](TObject*) { throw Exception("no ink"); };
    EXPECT_THROW(form->PreviewPaint(nullptr), Exception);
    EXPECT_TRUE(ToolBar()->Visible());
}

TEST_F(PlotPreview, SettingsConfirmedGoIntoThePlotAndTheCaption) {
    plot->AddTranslation("Margin", "Rand");
    MakeForm();
    WhenShownModal<TiPlotPreviewSettingsForm>([&](TiPlotPreviewSettingsForm& settings) {
        korvan::testing::SavePng(Grab(&settings), "plot_preview_settings_form");
        EXPECT_EQ(settings.Caption(), "Settings");
        EXPECT_EQ(settings.PrinterMarginGroupBox->Caption(), "Rand");
        EXPECT_DOUBLE_EQ(settings.PrintMarginTopEdit->AsFloat(), 1.0);
        EXPECT_EQ(settings.PrintOrientationRadioGroup->AsInteger(), 1);
        EXPECT_EQ(settings.PrintDocumentNameEdit->AsString(), "Untitled");
        EXPECT_EQ(settings.PrintPaperSizeComboBox->AsInteger(), 0);
        EXPECT_EQ(settings.PrintPaperSizeComboBox->Items()->Text(), "Letter\r\nLegal\r\nA3\r\nA4\r\nA5\r\n");
        settings.PrintMarginLeftEdit->SetAsString("0.5");
        settings.PrintMarginTopEdit->SetAsString("not a number");
        settings.PrintMarginRightEdit->SetAsString("0.25");
        settings.PrintMarginBottomEdit->SetAsString("2");
        settings.PrintOrientationRadioGroup->SetAsInteger(0);
        settings.PrintDocumentNameEdit->SetAsString("Trace");
        settings.PrintPaperSizeComboBox->SetAsInteger(korvan::plot::ippA4);
        input.Click(settings.Button1);
    });
    events.clear();
    form->SettingsButtonClick(nullptr);
    // Text that is no number reads as 0.
    EXPECT_EQ(PlotSettings(), "0.500000 0.000000 0.250000 2.000000 0 Trace");
    EXPECT_EQ(form->Caption(), "Trace (Preview)");
    EXPECT_EQ(form->PrintSize, korvan::plot::ippA4);
    EXPECT_EQ(form->PrintOrientation, poPortrait);
    EXPECT_DOUBLE_EQ(form->PrintMarginBottom, 2.0);
    EXPECT_EQ(events.size(), 2u);
    EXPECT_EQ(ApplicationForms<TiPlotPreviewSettingsForm>(), 0);
}

TEST_F(PlotPreview, PaperSizeAloneRepaintsTheNewSheetAndLeavesThePlot) {
    MakeForm();
    const std::string before = PlotSettings();
    const QImage letter = Painted().copy();
    WhenShownModal<TiPlotPreviewSettingsForm>([&](TiPlotPreviewSettingsForm& settings) {
        settings.PrintPaperSizeComboBox->SetAsInteger(korvan::plot::ippA5);
        settings.SetModalResult(mrOk);
    });
    events.clear();
    form->SettingsButtonClick(nullptr);
    EXPECT_EQ(PlotSettings(), before);
    EXPECT_EQ(form->PrintSize, korvan::plot::ippA5);
    EXPECT_EQ(events.size(), 2u);
    const QImage& a5 = form->Preview->Surface();
    const TiPreviewPage page = PreviewPageOf(840, 520, korvan::plot::ippA5, poLandscape, {});
    EXPECT_NE(page.Page, (TRect{92, 5, 738, 505}));
    EXPECT_EQ(PlotPixel(a5, page.Page.Left, 200), clBlack);
    EXPECT_NE(PlotPixel(letter, page.Page.Left, 200), clBlack);
}

TEST_F(PlotPreview, CancelledSettingsChangeNothing) {
    MakeForm();
    const std::string before = PlotSettings();
    WhenShownModal<TiPlotPreviewSettingsForm>([&](TiPlotPreviewSettingsForm& settings) {
        settings.PrintDocumentNameEdit->SetAsString("Trace");
        settings.PrintPaperSizeComboBox->SetAsInteger(korvan::plot::ippA3);
        settings.PrintMarginLeftEdit->SetAsString("3");
        input.Click(settings.Button2);
    });
    events.clear();
    form->SettingsButtonClick(nullptr);
    EXPECT_EQ(PlotSettings(), before);
    EXPECT_EQ(form->PrintSize, korvan::plot::ippLetter);
    EXPECT_EQ(form->PrintDocumentName, "Untitled");
    EXPECT_EQ(form->Caption(), "Tashel Plot Preview");
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(ApplicationForms<TiPlotPreviewSettingsForm>(), 0);
}

// The plot's own preview: captioned, translated, modal, printing through
// the plot's printing (one page of the visible range) and freed on Close.
TEST_F(PlotPreview, PreviewChartShowsTheFormModallyPrintsFromItAndFreesIt) {
    plot->AddTranslation("Settings", "Einstellungen");
    plot->SetPrintMarginLeft(0.5);
    int pagesStarted = 0;
    plot->OnBeforePrintPage = [&](int, bool) { ++pagesStarted; };
    WhenShownModal<TiPlotPreviewForm>([&](TiPlotPreviewForm& preview) {
        EXPECT_EQ(preview.Caption(), "Untitled (Preview)");
        EXPECT_EQ(preview.SettingsButton->Caption(), "Einstellungen");
        EXPECT_EQ(preview.iComponent, plot.get());
        EXPECT_DOUBLE_EQ(preview.PrintMarginLeft, 0.5);
        EXPECT_EQ(preview.PrintOrientation, poLandscape);
        EXPECT_EQ(preview.PrintSize, korvan::plot::ippLetter);
        input.Click(preview.PrintButton);
        input.Click(preview.CloseButton);
    });
    plot->PreviewChart();
    EXPECT_EQ(pagesStarted, 1);
    EXPECT_EQ(korvan::testing::PdfPages(dir.Path("plot.pdf")), 1);
    EXPECT_EQ(ApplicationForms<TiPlotPreviewForm>(), 0);
}

TEST_F(PlotPreview, TheToolBarsPreviewButtonOpensThePreview) {
    auto& toolBar = dynamic_cast<TiPlotToolBar&>(*ToolBar());
    std::vector<std::string> clicks;
    plot->OnToolBarButtonClick = [&](int, TiPlotToolBarButtonType type) {
        clicks.push_back("clicked " + std::to_string(type));
    };
    bool shown = false;
    WhenShownModal<TiPlotPreviewForm>([&](TiPlotPreviewForm& preview) {
        shown = true;
        preview.CloseButtonClick(nullptr);
    });
    toolBar.DoButtonClickPreview();
    EXPECT_TRUE(shown);
    EXPECT_EQ(clicks, std::vector<std::string>{"clicked " + std::to_string(iptbbtPreview)});
}

} // namespace
