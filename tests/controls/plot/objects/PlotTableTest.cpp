// Tables: defaults and streaming, the room they need, rows shown and
// scrolled with their buttons, cell texts, and the drawing of grid,
// titles and cells on the recording canvas.

#include "controls/plot/objects/PlotTable.h"
#include "controls/plot/axes/PixelRounding.h"
#include "controls/plot/plots/PlotClasses.h"
#include "controls/plot/plots/StripChartPlot.h"
#include "platform/forms/FormText.h"
#include "platform/gfx/Canvas.h"
#include "tests/controls/plot/objects/OverlayTestSupport.h"
#include "tests/support/gui/GuiApplicationEnvironment.h"

#include <gtest/gtest.h>

namespace {

class PlotTableTest : public ::testing::Test {
protected:
    PlotTableTest() { table->SetDrawRect(TRect{10, 10, 300, 400}); }
    void Fill(int rows, int columns) {
        for (int c = 0; c < columns; ++c)
            table->AddColumn("Col " + std::to_string(c));
        for (int r = 0; r < rows; ++r) {
            table->AddRow();
            for (int c = 0; c < columns; ++c)
                table->SetCellText(c, r, "r" + std::to_string(r) + "c" + std::to_string(c));
        }
    }
    int Layout() { return table->GetRequiredWidth(canvas); }
    TSize Zero(TFont* font) {
        canvas.Font().Assign(*font);
        return canvas.TextExtent("0");
    }

    korvan::gfx::RecordingCanvas canvas{500, 500};
    TiPlotObjectPtr<TiPlotTable> table{new TiPlotTable(nullptr, nullptr, nullptr, nullptr, nullptr)};
};

TEST_F(PlotTableTest, DefaultsAndStreamingWithThePlot) {
    EXPECT_FALSE(table->Horizontal());
    EXPECT_EQ(table->MarginLeft(), 1.0);
    EXPECT_EQ(table->GridBackGroundColor(), clGray);
    EXPECT_EQ(table->GridLinesColor(), clWhite);
    EXPECT_TRUE(table->GridLinesShow());
    EXPECT_EQ(table->DataFont()->Color(), clWhite);
    EXPECT_EQ(table->ColumnTitlesFont()->Color(), clAqua);
    EXPECT_TRUE(table->ColumnTitlesFont()->Style() & fsBold);
    EXPECT_EQ(table->ColumnSpacing(), 2.0);
    EXPECT_EQ(table->RowSpacing(), 0.5);
    EXPECT_EQ(table->RowsMax(), 0);
    EXPECT_EQ(table->UpButton()->Name(), "PlotTableUpButton");
    table->AddColumn("A");
    const TiPlotTableColumn& column = table->GetColumn(0);
    EXPECT_EQ(column.Width, 10.0);
    EXPECT_EQ(column.TitleFontColor, clAqua);
    EXPECT_TRUE(column.AutoSize);

    korvan::plot::RegisterPlotClasses();
    TiPlot plot(nullptr);
    plot.SetName("Plot1");
    auto* streamed = static_cast<TiPlotTable*>(plot.KindObject(korvan::plot::kind::Table, plot.AddTable()));
    EXPECT_EQ(streamed->Name(), "Table 1");
    streamed->SetRowsMax(4);
    streamed->SetGridLinesColor(clRed);
    streamed->DataFont()->SetSize(13);
    const std::string text = korvan::forms::WriteComponentText(&plot);
    TiPlot read(nullptr);
    korvan::forms::ReadComponentText(text, &read);
    ASSERT_EQ(read.TableCount(), 1) << text;
    auto* copy = static_cast<TiPlotTable*>(read.KindObject(korvan::plot::kind::Table, 0));
    EXPECT_EQ(copy->RowsMax(), 4);
    EXPECT_EQ(copy->GridLinesColor(), clRed);
    EXPECT_EQ(copy->DataFont()->Size(), 13);
    EXPECT_EQ(korvan::forms::WriteComponentText(&read), text);
}

TEST_F(PlotTableTest, WithoutRowsOrColumnsATableNeedsNoRoomAndPaintsNothing) {
    table->AddColumn("A");
    EXPECT_EQ(Layout(), 0);
    table->RemoveAllColumns();
    table->AddRow();
    EXPECT_EQ(Layout(), 0);
    table->Draw(canvas, clBlack);
    EXPECT_TRUE(canvas.Calls().empty());
}

TEST_F(PlotTableTest, RowsMaxLimitsTheRowsShownAndBringsTheScrollButtons) {
    Fill(10, 2);
    const int all = Layout();
    const int rowHeight = table->RowHeight();
    EXPECT_FALSE(table->UpButton()->Visible());
    EXPECT_EQ(table->GridRect().Height(), table->TitleRect().Height() + 10 * rowHeight);
    table->SetRowsMax(3);
    EXPECT_EQ(Layout(), all + 22);
    EXPECT_EQ(table->RowDisplayStartIndex(), 0);
    EXPECT_EQ(table->RowDisplayStopIndex(), 2);
    ASSERT_TRUE(table->UpButton()->Visible() && table->DownButton()->Visible());
    EXPECT_FALSE(table->UpButton()->Enabled());
    EXPECT_TRUE(table->DownButton()->Enabled());
    const TRect up = table->UpButton()->DrawRect();
    const int middle = table->TitleRect().Bottom + rowHeight / 2;
    EXPECT_EQ(up, (TRect{table->GridRect().Right + 5, middle - 8, table->GridRect().Right + 22, middle + 9}));
    EXPECT_EQ(table->GetMouseOverObject(up.Left + 2, up.Top + 2), table->UpButton());
    EXPECT_EQ(table->GetMouseOverObject(up.Left - 20, up.Top + 2), table.get());
}

TEST_F(PlotTableTest, ARowOfNoHeightCountsAsOnePixel) {
    Fill(40, 1);
    table->SetRowSpacing(-1);
    Layout();
    EXPECT_EQ(table->RowHeight(), 1);
    EXPECT_EQ(table->RowDisplayStopIndex(), 39);
}

TEST_F(PlotTableTest, ScrollButtonsPageThroughTheRowsAndTheLastPageStaysFull) {
    Fill(10, 1);
    table->SetRowsMax(3);
    Layout();
    TiPlotTableButton* down = table->DownButton();
    for (int i = 0; i < 9; ++i) {
        const TRect r = down->DrawRect();
        korvan::testing::Drag(*down, {r.Left + 3, r.Top + 3}, {r.Left + 3, r.Top + 3});
    }
    EXPECT_EQ(table->RowDisplayStartIndex(), 9);
    Layout();
    EXPECT_EQ(table->RowDisplayStartIndex(), 7) << "pulled back to a full last page";
    EXPECT_FALSE(table->DownButton()->Enabled());
    table->AddRow();
    Layout();
    EXPECT_EQ(table->RowDisplayStartIndex(), 7) << "new rows keep the start";
    for (int i = 0; i < 4; ++i)
        table->DeleteRow(0);
    Layout();
    EXPECT_EQ(table->RowDisplayStartIndex(), 4);
    EXPECT_EQ(table->RowDisplayStopIndex(), 6);
}

TEST_F(PlotTableTest, CellsComeFromTheRowTextAndAutoSizedColumnsFitTitleAndCells) {
    table->AddColumn("A");
    table->AddColumn("Second title");
    table->AddColumn("C");
    table->AddRow();
    table->SetCellText(0, 0, "one\nline");
    EXPECT_EQ(table->GetCellText(0, 0), "one line");
    EXPECT_EQ(table->GetCellText(2, 0), "");
    table->SetCellText(2, 0, "a much longer cell text");
    EXPECT_EQ(table->GetCellText(1, 0), "");
    Layout();
    const TSize wt = Zero(table->ColumnTitlesFont());
    const TSize wd = Zero(table->DataFont());
    canvas.Font().Assign(*table->ColumnTitlesFont());
    const int titleWidth = canvas.TextWidth("Second title");
    EXPECT_EQ(table->GetColumn(1).WidthPixels,
              titleWidth + korvan::plot::SaturatedRound(wt.cx * 2.0) + wt.cx);
    canvas.Font().Assign(*table->DataFont());
    EXPECT_EQ(table->GetColumn(2).WidthPixels, canvas.TextWidth("a much longer cell text") +
                                                   korvan::plot::SaturatedRound(wd.cx * 2.0) + wd.cx);
    table->GetColumn(0).AutoSize = false;
    table->GetColumn(0).Width = 4;
    Layout();
    EXPECT_EQ(table->GetColumn(0).WidthPixels, 4 * wd.cx);
}

TEST_F(PlotTableTest, DrawsGridTitlesAndTheRowsShown) {
    Fill(5, 2);
    table->SetRowsMax(2);
    table->GetColumn(1).DataFontColor = clYellow;
    table->Draw(canvas, clBlack);
    const auto fills = canvas.CallsNamed("FillRect");
    ASSERT_FALSE(fills.empty());
    const TRect grid = table->GridRect();
    EXPECT_EQ(fills[0].Args, (std::vector<int>{grid.Left, grid.Top, grid.Right, grid.Bottom}));
    EXPECT_EQ(fills[0].BrushColor, clGray);
    // Before the texts: three column edges, the top and one line per row
    // boundary (2 rows).
    int gridLines = 0;
    for (const auto& call : canvas.Calls()) {
        if (call.Op == "DrawText")
            break;
        gridLines += call.Op == "LineTo";
    }
    EXPECT_EQ(gridLines, 3 + 1 + 3);
    std::vector<std::string> texts;
    for (const auto& call : canvas.CallsNamed("DrawText"))
        texts.push_back(call.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"Col 0", "Col 1", "r0c0", "r0c1", "r1c0", "r1c1"}));
    EXPECT_EQ(canvas.CallsNamed("DrawText")[3].FontColor, clYellow);
    // Both scroll buttons: a face, a bevel and a triangle each.
    EXPECT_EQ(canvas.CallsNamed("Polygon").size(), 2u);
}

} // namespace
