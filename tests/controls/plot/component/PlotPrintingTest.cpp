// The plot on paper (a PDF standing in for the printer), on the clipboard,
// as a snapshot and as image files: pages and their range, the plot's state
// afterwards, toolbars hidden from pictures, file kinds by extension, and
// the toolbar's output buttons reaching all of them.

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/core/MetaFile.h"
#include "controls/plot/editor/PlotPreviewForm.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/objects/PlotToolBar.h"
#include "controls/plot/plots/StripChartPlot.h"
#include "platform/forms/Clipboard.h"
#include "platform/forms/Printer.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Pictures.h"
#include "tests/controls/plot/component/PlotComponentTestSupport.h"
#include "tests/controls/plot/component/PrintingPlotFixture.h"
#include "tests/controls/plot/editor/ModalFormSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using korvan::testing::PdfPages;
using korvan::testing::RaisedMessage;
using korvan::testing::ScratchDir;

class PlotPrinting : public korvan::testing::PrintingPlotTest {
protected:
    std::vector<std::string> pages;
};

TEST_F(PlotPrinting, PrintsTheVisibleRangePageByPageAndRestoresThePlot) {
    plot->OnBeforePrintPage = [&](int page, bool last) {
        pages.push_back(std::to_string(page) + (last ? " last" : "") + " from " +
                        std::to_string(int(plot->XAxis(0)->Min())));
    };
    plot->PrintChart();
    EXPECT_EQ(pages, (std::vector<std::string>{"1 last from 0"}));
    EXPECT_EQ(PdfPages(dir.Path("plot.pdf")), 1);

    pages.clear();
    plot->OnBeforePrint = [&](TObject*) { plot->XAxis(0)->SetSpan(40); };
    plot->PrintChart();
    EXPECT_EQ(pages, (std::vector<std::string>{"1 from 0", "2 from 40", "3 last from 80"}));
    EXPECT_EQ(PdfPages(dir.Path("plot.pdf")), 3);
    EXPECT_DOUBLE_EQ(plot->XAxis(0)->Min(), 0);
    EXPECT_DOUBLE_EQ(plot->XAxis(0)->Span(), 100);
    EXPECT_EQ(plot->Width(), 300);
    EXPECT_EQ(plot->Height(), 200);
    EXPECT_FALSE(plot->UpdateActive());
    EXPECT_FALSE(Printer().Printing());
}

TEST_F(PlotPrinting, AFailureInsideIsRaisedAsAPrintingErrorAndLeavesThePlotAsItWas) {
    plot->OnBeforePrint = [&](TObject*) {
        plot->XAxis(0)->SetSpan(10);
        throw Exception("paper jam");
    };
    EXPECT_EQ(RaisedMessage([&] { plot->PrintChart(); }), "Error Printing : paper jam");
    EXPECT_DOUBLE_EQ(plot->XAxis(0)->Span(), 100);
    EXPECT_FALSE(Printer().Printing());
    EXPECT_FALSE(plot->UpdateActive());
}

TEST_F(PlotPrinting, SizesFollowThePaperBeforeAnyPrint) {
    plot->PrintSizeToFillPage();
    EXPECT_GT(plot->PrinterPaperWidthInches(), 0);
    EXPECT_EQ(plot->Height(), int(300 * plot->PrinterPaperHeightInches() / plot->PrinterPaperWidthInches()));
}

TEST_F(PlotPrinting, CopiesToTheClipboardWithoutToolbarsInEachFormat) {
    plot->AddToolBar();
    TiPlotObject* toolBar = plot->Master()->KindManager("Toolbar")->Items(0);
    std::vector<bool> toolBarShownWhilePainted;
    plot->OnAfterPaint = [&](TObject*) { toolBarShownWhilePainted.push_back(toolBar->Visible()); };

    plot->SetCopyToClipBoardFormat(ipefBitmap);
    plot->CopyToClipBoard();
    const std::optional<TBitmap> bitmap = korvan::forms::ClipboardBitmap();
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->Width(), 300);
    EXPECT_EQ(bitmap->Height(), 200);

    plot->SetCopyToClipBoardFormat(ipefMetaFile);
    plot->CopyToClipBoard();
    const auto meta =
        korvan::plot::ReadMetaFile(korvan::forms::ClipboardData(korvan::forms::kClipboardMetaFile));
    ASSERT_TRUE(meta);
    EXPECT_EQ(meta->Description, (std::vector<std::string>{"Tashel", "Strip Chart"}));
    EXPECT_TRUE(korvan::forms::ClipboardBitmap());

    plot->SetCopyToClipBoardFormat(ipefJPEG);
    plot->CopyToClipBoard();
    const std::vector<std::uint8_t> jpeg = korvan::forms::ClipboardData(korvan::forms::kClipboardJpeg);
    ASSERT_GE(jpeg.size(), 2u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);

    EXPECT_EQ(toolBarShownWhilePainted, std::vector<bool>(toolBarShownWhilePainted.size(), false));
    EXPECT_FALSE(toolBarShownWhilePainted.empty());
    EXPECT_TRUE(toolBar->Visible());
    // The snapshot shows the plot as it stands.
    EXPECT_EQ(plot->GetSnapShotPicture()->Width(), 300);
}

TEST_F(PlotPrinting, SavesTheKindOfTheChosenFilter) {
    struct Case {
        TiPlotImageFormatStyle format;
        const char* typed;
        const char* written;
        std::uint8_t firstByte;
    };
    const Case cases[] = {
        {ipifBitmap, "a.BMP", "a.BMP", 'B'},
        {ipifJPEG, "b", "b.jpg", 0xFF},
        {ipifPNG, "c.png", "c.png", 0x89},
        {ipifEnhancedMetaFile, "d", "d.emf", 0x01},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        plot->SetDefaultSaveImageFormat(c.format);
        dialogs->saveAnswers.push_back(dir.Path(c.typed));
        plot->Save();
        EXPECT_EQ(dialogs->fileDialogs.back().FilterIndex, int(c.format) + 1);
        const auto bytes = korvan::sys::ReadFileBytes(dir.Path(c.written), 1 << 20);
        ASSERT_TRUE(bytes && !bytes->empty());
        EXPECT_EQ((*bytes)[0], c.firstByte);
    }
    EXPECT_EQ(dialogs->fileDialogs.back().FileName, "Untitled");
    // Cancelled: nothing is written.
    dialogs->saveAnswers.push_back(std::nullopt);
    plot->Save();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path("")),
                            std::filesystem::directory_iterator()),
              4);
}

TEST_F(PlotPrinting, TheToolBarsOutputButtonsCopySaveAndPrintThePlot) {
    auto* toolBar = dynamic_cast<TiPlotToolBar*>(plot->KindObject(korvan::plot::kind::ToolBar, 0));
    ASSERT_NE(toolBar, nullptr);
    std::vector<int> clicks;
    plot->OnBeforeToolBarButtonClick = [&](int, TiPlotToolBarButtonType type, bool&) {
        clicks.push_back(-type);
    };
    plot->OnToolBarButtonClick = [&](int, TiPlotToolBarButtonType type) { clicks.push_back(type); };
    int printed = 0;
    plot->OnAfterPrint = [&](TObject*) { ++printed; };

    korvan::forms::ClipboardSetBitmap(TBitmap(1, 1));
    plot->SetCopyToClipBoardFormat(ipefBitmap);
    toolBar->DoButtonClickCopy();
    const std::optional<TBitmap> copied = korvan::forms::ClipboardBitmap();
    ASSERT_TRUE(copied);
    EXPECT_EQ(copied->Width(), 300);

    plot->SetDefaultSaveImageFormat(ipifPNG);
    dialogs->saveAnswers.push_back(dir.Path("saved.png"));
    toolBar->DoButtonClickSave();
    const auto png = korvan::sys::ReadFileBytes(dir.Path("saved.png"), 1 << 20);
    ASSERT_TRUE(png && !png->empty());
    EXPECT_EQ((*png)[0], 0x89);

    toolBar->DoButtonClickPrint();
    EXPECT_EQ(printed, 1);
    EXPECT_EQ(PdfPages(dir.Path("plot.pdf")), 1);

    // The preview shows until it is closed.
    korvan::testing::WhenShownModal<TiPlotPreviewForm>(
        [](TiPlotPreviewForm& preview) { preview.CloseButtonClick(nullptr); });
    toolBar->DoButtonClickPreview();
    // Each announced before and after (the before-event negated).
    EXPECT_EQ(clicks, (std::vector<int>{-iptbbtCopy, iptbbtCopy, -iptbbtSave, iptbbtSave, -iptbbtPrint,
                                        iptbbtPrint, -iptbbtPreview, iptbbtPreview}));
}

} // namespace
