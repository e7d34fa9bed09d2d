// A picture of a strip chart carrying a table, a data cursor, limits of
// each kind and annotations, painted by the plot.

#include "controls/plot/objects/PlotAnnotation.h"
#include "controls/plot/objects/PlotDataCursor.h"
#include "controls/plot/objects/PlotLimit.h"
#include "controls/plot/objects/PlotTable.h"
#include "controls/plot/plots/StripChartPlot.h"
#include "tests/controls/plot/objects/OverlayTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"
#include "tests/support/gui/GuiHarness.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using korvan::testing::PlotPixel;
namespace kind = korvan::plot::kind;

template <class T> T* Added(TiPlotComponent& plot, std::string_view kindName, int index) {
    return static_cast<T*>(plot.KindObject(kindName, index));
}

int Count(const QImage& image, TColor color) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += PlotPixel(image, x, y) == color;
    return count;
}

TEST(OverlayPictureTest, AStripChartWithEveryOverlay) {
    TiPlot plot(nullptr);
    korvan::testing::PrepareOverlayPlot(plot);
    plot.SetBounds(0, 0, 640, 320);
    plot.SetTitleText("Overlays");
    plot.Channel(0)->SetColor(clAqua);
    for (int i = 0; i <= 100; ++i)
        plot.Channel(0)->AddXY(i, 50 + 35 * std::sin(i / 9.0));

    auto* band = Added<TiPlotLimit>(plot, kind::Limit, plot.AddLimit());
    band->SetStyle(iplsBandY);
    band->SetColor(TColor(0x004000));
    band->SetLine1Position(20);
    band->SetLine2Position(35);
    auto* line = Added<TiPlotLimit>(plot, kind::Limit, plot.AddLimit());
    line->SetStyle(iplsLineY);
    line->SetLine1Position(80);
    line->SetLineWidth(2);
    auto* poly = Added<TiPlotLimit>(plot, kind::Limit, plot.AddLimit());
    poly->SetStyle(iplsPolyBandY);
    poly->SetColor(clFuchsia);
    poly->SetFillStyle(bsBDiagonal);
    poly->AddBandElement(60, 95, 88);
    poly->AddBandElement(80, 98, 84);
    poly->AddBandElement(100, 92, 86);

    auto* table = Added<TiPlotTable>(plot, kind::Table, plot.AddTable());
    table->AddColumn("Band");
    table->AddColumn("Value");
    const char* rows[][2] = {{"Low", "20"}, {"High", "35"}, {"Limit", "80"}, {"Peak", "85"}};
    for (auto& row : rows) {
        const int r = table->AddRow();
        table->SetCellText(0, r, row[0]);
        table->SetCellText(1, r, row[1]);
    }
    table->SetRowsMax(3);

    auto* text = Added<TiPlotAnnotation>(plot, kind::Annotation, plot.AddAnnotation());
    text->SetStyle(ipasTextBox);
    text->SetText("Peak");
    text->SetOuterMargin(3);
    text->SetBrushColor(clNavy);
    text->SetX(15);
    text->SetY(90);
    auto* box = Added<TiPlotAnnotation>(plot, kind::Annotation, plot.AddAnnotation());
    box->SetStyle(ipasEllipse2);
    box->SetBrushStyle(bsClear);
    box->SetPenColor(clYellow);
    box->SetX(60);
    box->SetY(30);
    box->SetWidth(12);
    box->SetHeight(20);

    auto* cursor = Added<TiPlotDataCursor>(plot, kind::DataCursor, 0);
    cursor->SetStyle(ipcsDeltaX);
    cursor->SetPointer1Position(30);
    cursor->SetPointer2Position(55);
    cursor->SetHintPosition(60);
    cursor->SetVisible(true);

    const QImage page = korvan::testing::PaintPlot(plot);
    korvan::testing::SavePng(page, "plot_overlays");
    EXPECT_GT(Count(page, TColor(0x004000)), 1000) << "the filled band";
    EXPECT_GT(Count(page, clFuchsia), 50) << "the hatched polygon band";
    EXPECT_GT(Count(page, clGray), 500) << "the table's grid";
    EXPECT_GT(Count(page, clNavy), 100) << "the text box";
    EXPECT_GT(Count(page, clYellow), 40) << "the ellipse";
    EXPECT_TRUE(cursor->HintShowing());
    // Placed beside the data view, clear of it.
    EXPECT_GT(table->DrawRect().Width(), 0);
    EXPECT_LE(table->DrawRect().Right, plot.DataViewRect().Left);
}

} // namespace
