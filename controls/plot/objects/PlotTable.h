#pragma once
// A table: a small grid of text placed by the layout manager along an edge
// of the plot, with a row of column titles and rows of cells. When not all
// rows fit, two scroll buttons beside the grid page through them. A row is
// kept as its cell texts joined by line breaks; a cell text cannot hold a
// line break of its own (SetCellText turns them into spaces).

#include "controls/plot/core/PlotButton.h"
#include "controls/plot/core/PlotLayoutObject.h"

#include <memory>
#include <string>
#include <vector>

class TFont;

struct TiPlotTableColumn {
    int WidthPixels = 0;
    std::string Title;
    // In widths of "0" of the data font.
    double Width = 10.0;
    bool Visible = true;
    TiAlignmentHorizontal TitleAlignment = iahCenter;
    double TitleAlignmentMargin = 1.0;
    TColor TitleFontColor = clAqua;
    TiAlignmentHorizontal DataAlignment = iahCenter;
    double DataAlignmentMargin = 1.0;
    TColor DataFontColor = clWhite;
    bool AutoSize = true;
};

// A scroll button of a table: a raised square with a triangle.
class TiPlotTableButton : public TiPlotButton {
    KORVAN_CLASS(TiPlotTableButton)
public:
    TiPlotTableButton(TComponent* owner, bool up);
    void Draw(TCanvas& canvas, TColor backGroundColor) override;

protected:
    ~TiPlotTableButton() override = default;

private:
    bool up_;
};

class TiPlotTable : public TiPlotLayoutObject {
    KORVAN_CLASS(TiPlotTable)
public:
    TiPlotTable(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                TNotifyEvent onRename);

    TiLayoutRole LayoutRole() const override { return TiLayoutRole::Table; }

    // --- published ---
    double MarginLeft() const { return marginLeft_; }
    void SetMarginLeft(double value) { SetDoubleProperty(value, marginLeft_, &TiPlotObject::DoChange); }
    double MarginTop() const { return marginTop_; }
    void SetMarginTop(double value) { SetDoubleProperty(value, marginTop_, &TiPlotObject::DoChange); }
    double MarginRight() const { return marginRight_; }
    void SetMarginRight(double value) { SetDoubleProperty(value, marginRight_, &TiPlotObject::DoChange); }
    double MarginBottom() const { return marginBottom_; }
    void SetMarginBottom(double value) { SetDoubleProperty(value, marginBottom_, &TiPlotObject::DoChange); }
    TColor GridBackGroundColor() const { return gridBackGroundColor_; }
    void SetGridBackGroundColor(TColor value) {
        SetColorProperty(value, gridBackGroundColor_, &TiPlotObject::DoChange);
    }
    bool GridBackGroundTransparent() const { return gridBackGroundTransparent_; }
    void SetGridBackGroundTransparent(bool value) {
        SetBooleanProperty(value, gridBackGroundTransparent_, &TiPlotObject::DoChange);
    }
    TColor GridLinesColor() const { return gridLinesColor_; }
    void SetGridLinesColor(TColor value) {
        SetColorProperty(value, gridLinesColor_, &TiPlotObject::DoChange);
    }
    bool GridLinesShow() const { return gridLinesShow_; }
    void SetGridLinesShow(bool value) { SetBooleanProperty(value, gridLinesShow_, &TiPlotObject::DoChange); }
    TFont* DataFont() const { return dataFont_.get(); }
    void SetDataFont(TFont* value);
    double ColumnSpacing() const { return columnSpacing_; }
    void SetColumnSpacing(double value) { SetDoubleProperty(value, columnSpacing_, &TiPlotObject::DoChange); }
    double RowSpacing() const { return rowSpacing_; }
    void SetRowSpacing(double value) { SetDoubleProperty(value, rowSpacing_, &TiPlotObject::DoChange); }
    int RowsMax() const { return rowsMax_; }
    void SetRowsMax(int value) { SetIntegerProperty(value, rowsMax_, &TiPlotObject::DoChange); }
    bool ColumnTitlesVisible() const { return columnTitlesVisible_; }
    void SetColumnTitlesVisible(bool value) {
        SetBooleanProperty(value, columnTitlesVisible_, &TiPlotObject::DoChange);
    }
    TFont* ColumnTitlesFont() const { return columnTitlesFont_.get(); }
    void SetColumnTitlesFont(TFont* value);

    // --- columns and rows ---
    int ColumnCount() const { return int(columns_.size()); }
    int RowCount() const { return int(rows_.size()); }
    int RowDisplayStartIndex() const { return itemViewStartIndex_; }
    void SetRowDisplayStartIndex(int value) { itemViewStartIndex_ = value; }
    // Without change notification.
    int AddColumn(const std::string& title);
    void DeleteColumn(int index);
    void RemoveAllColumns();
    // Raises EListError outside the list.
    TiPlotTableColumn& GetColumn(int index);
    // With change notification.
    int AddRow();
    void DeleteRow(int index);
    void RemoveAllRows();
    // Empty for a cell the row's text does not reach.
    std::string GetCellText(int column, int row) const;
    void SetCellText(int column, int row, const std::string& text);

    // --- from the last layout ---
    int RequiredWidth() const { return requiredWidth_; }
    int RequiredHeight() const { return requiredHeight_; }
    TRect GridRect() const { return gridRect_; }
    TRect TitleRect() const { return titleRect_; }
    int RowHeight() const { return rowHeight_; }
    int RowDisplayStopIndex() const { return itemViewStopIndex_; }
    TiPlotTableButton* UpButton() const { return upButton_.get(); }
    TiPlotTableButton* DownButton() const { return downButton_.get(); }

    int GetRequiredWidth(TCanvas& canvas) override;
    void Draw(TCanvas& canvas, TColor backGroundColor) override;
    TiPlotObject* GetMouseOverObject(int x, int y) override;
    void PreparePopupMenu(TPopupMenu* popupMenu) override;
    void NotifySetFocus(TObject* sender) override;

protected:
    ~TiPlotTable() override;
    void DoMouseUp(TiPlotMouseData& mouseData) override;

private:
    void CalcLayout(TCanvas& canvas);
    // The row's cell texts, at least ColumnCount of them.
    std::vector<std::string> RowCells(int row) const;
    void DrawCellText(TCanvas& canvas, const std::string& text, TRect rect, TiAlignmentHorizontal alignment,
                      double margin, TColor color);
    void ScrollBy(int step);

    TiPlotObjectPtr<TiPlotTableButton> upButton_, downButton_;
    int requiredWidth_ = 0, requiredHeight_ = 0;
    std::vector<TiPlotTableColumn> columns_;
    std::vector<std::string> rows_;
    int itemViewStartIndex_ = 0, itemViewStopIndex_ = -1;
    int rowHeight_ = 1;
    double marginLeft_ = 1, marginRight_ = 1, marginBottom_ = 1, marginTop_ = 1;
    bool gridBackGroundTransparent_ = false;
    TColor gridBackGroundColor_ = clGray;
    bool gridLinesShow_ = true;
    TColor gridLinesColor_ = clWhite;
    double columnSpacing_ = 2.0;
    double rowSpacing_ = 0.5;
    int rowsMax_ = 0;
    std::unique_ptr<TFont> dataFont_;
    TRect gridRect_{}, titleRect_{};
    bool columnTitlesVisible_ = true;
    std::unique_ptr<TFont> columnTitlesFont_;
};
