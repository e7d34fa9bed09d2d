#include "controls/plot/objects/PlotTable.h"

#include "controls/plot/axes/PixelRounding.h"
#include "controls/plot/core/PackDrawing.h"
#include "controls/plot/objects/OverlaySupport.h"
#include "platform/forms/GraphicsProperties.h"
#include "platform/gfx/Canvas.h"
#include "platform/text/Exception.h"

#include <algorithm>

using korvan::forms::ClassBuilder;
using korvan::plot::SaturatedRound;

const TClassInfo& TiPlotTableButton::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiPlotTableButton>("TiPlotTableButton", &TiPlotButton::StaticClassInfo()).Build();
    return info;
}

TiPlotTableButton::TiPlotTableButton(TComponent* owner, bool up)
    : TiPlotButton(owner, nullptr, nullptr, nullptr, nullptr), up_(up) {
    SetName(up ? "PlotTableUpButton" : "PlotTableDownButton");
    SetTimerEnabled(true);
}

void TiPlotTableButton::Draw(TCanvas& canvas, TColor backGroundColor) {
    (void)backGroundColor;
    const TRect r = DrawRect();
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clBtnFace);
    canvas.FillRect(r);
    korvan::plot::DrawBevel(canvas, r, MouseIsDown() ? 0 : 1);
    const TColor color = Enabled() ? clBlack : clGray;
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(color);
    canvas.Brush().SetColor(color);
    const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
    if (up_)
        canvas.Polygon({{cx - 4, cy + 2}, {cx + 4, cy + 2}, {cx, cy - 2}});
    else
        canvas.Polygon({{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}});
}

const TClassInfo& TiPlotTable::StaticClassInfo() {
    using T = TiPlotTable;
    static const TClassInfo info =
        ClassBuilder<T>("TiPlotTable", &TiPlotLayoutObject::StaticClassInfo())
            .Property("MarginLeft", &T::MarginLeft, &T::SetMarginLeft)
            .Property("MarginTop", &T::MarginTop, &T::SetMarginTop)
            .Property("MarginRight", &T::MarginRight, &T::SetMarginRight)
            .Property("MarginBottom", &T::MarginBottom, &T::SetMarginBottom)
            .Property("GridBackGroundColor", &T::GridBackGroundColor, &T::SetGridBackGroundColor)
            .TypeName("TColor")
            .Default(clGray)
            .Property("GridBackGroundTransparent", &T::GridBackGroundTransparent,
                      &T::SetGridBackGroundTransparent)
            .Default(false)
            .Property("GridLinesColor", &T::GridLinesColor, &T::SetGridLinesColor)
            .TypeName("TColor")
            .Default(clWhite)
            .Property("GridLinesShow", &T::GridLinesShow, &T::SetGridLinesShow)
            .Default(true)
            .Property("DataFont", &T::DataFont, &T::SetDataFont)
            .Property("ColumnSpacing", &T::ColumnSpacing, &T::SetColumnSpacing)
            .Property("RowSpacing", &T::RowSpacing, &T::SetRowSpacing)
            .Property("RowsMax", &T::RowsMax, &T::SetRowsMax)
            .Default(0)
            .Property("ColumnTitlesVisible", &T::ColumnTitlesVisible, &T::SetColumnTitlesVisible)
            .Default(true)
            .Property("ColumnTitlesFont", &T::ColumnTitlesFont, &T::SetColumnTitlesFont)
            .Build();
    return info;
}

TiPlotTable::TiPlotTable(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                         TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotLayoutObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                         std::move(onRename)),
      upButton_(new TiPlotTableButton(owner, true)), downButton_(new TiPlotTableButton(owner, false)),
      dataFont_(std::make_unique<TFont>()), columnTitlesFont_(std::make_unique<TFont>()) {
    dataFont_->SetColor(clWhite);
    dataFont_->SetStyle(fsBold);
    dataFont_->OnChange = [this] { DoChange(); };
    columnTitlesFont_->SetColor(clAqua);
    columnTitlesFont_->SetStyle(fsBold);
    columnTitlesFont_->OnChange = [this] { DoChange(); };
    SetHorizontal(false);
    auto repaint = [this](TObject*) {
        if (OnInvalidateNow)
            OnInvalidateNow(this);
    };
    upButton_->OnInvalidate = repaint;
    downButton_->OnInvalidate = repaint;
    upButton_->OnClick = [this](TObject*) { ScrollBy(-1); };
    downButton_->OnClick = [this](TObject*) { ScrollBy(1); };
    upButton_->SetVisible(false);
    downButton_->SetVisible(false);
}

TiPlotTable::~TiPlotTable() {
    dataFont_->OnChange = nullptr;
    columnTitlesFont_->OnChange = nullptr;
}

void TiPlotTable::SetDataFont(TFont* value) {
    if (value)
        dataFont_->Assign(*value);
}

void TiPlotTable::SetColumnTitlesFont(TFont* value) {
    if (value)
        columnTitlesFont_->Assign(*value);
}

// ---------------------------------------------------------------- columns and rows

int TiPlotTable::AddColumn(const std::string& title) {
    TiPlotTableColumn column;
    column.Title = title;
    column.TitleFontColor = columnTitlesFont_->Color();
    column.DataFontColor = dataFont_->Color();
    columns_.push_back(column);
    return ColumnCount() - 1;
}

TiPlotTableColumn& TiPlotTable::GetColumn(int index) {
    if (index < 0 || index >= ColumnCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    return columns_[std::size_t(index)];
}

void TiPlotTable::DeleteColumn(int index) {
    GetColumn(index);
    columns_.erase(columns_.begin() + index);
}

void TiPlotTable::RemoveAllColumns() {
    while (ColumnCount() > 0)
        DeleteColumn(0);
}

int TiPlotTable::AddRow() {
    rows_.emplace_back();
    DoChange();
    return RowCount() - 1;
}

void TiPlotTable::DeleteRow(int index) {
    if (index < 0 || index >= RowCount())
        throw EListError("List index out of bounds (" + std::to_string(index) + ")");
    rows_.erase(rows_.begin() + index);
    DoChange();
}

void TiPlotTable::RemoveAllRows() {
    rows_.clear();
    DoChange();
}

std::vector<std::string> TiPlotTable::RowCells(int row) const {
    std::vector<std::string> cells;
    const std::string& text = rows_[std::size_t(row)];
    if (!text.empty()) {
        std::string cell;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (c == '\r' || c == '\n') {
                cells.push_back(cell);
                cell.clear();
                if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                    ++i;
            } else {
                cell += c;
            }
        }
        if (!cell.empty())
            cells.push_back(cell);
    }
    if (cells.size() < columns_.size())
        cells.resize(columns_.size());
    return cells;
}

std::string TiPlotTable::GetCellText(int column, int row) const {
    if (row < 0 || row >= RowCount() || column < 0)
        return {};
    const std::vector<std::string> cells = RowCells(row);
    return std::size_t(column) < cells.size() ? cells[std::size_t(column)] : std::string{};
}

void TiPlotTable::SetCellText(int column, int row, const std::string& text) {
    if (row < 0 || row >= RowCount())
        throw EListError("List index out of bounds (" + std::to_string(row) + ")");
    if (column < 0)
        throw EListError("List index out of bounds (" + std::to_string(column) + ")");
    std::vector<std::string> cells = RowCells(row);
    if (cells.size() <= std::size_t(column))
        cells.resize(std::size_t(column) + 1);
    std::string clean = text;
    std::replace_if(
        clean.begin(), clean.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    cells[std::size_t(column)] = clean;
    std::string joined;
    for (std::size_t i = 0; i < cells.size(); ++i)
        joined += (i ? "\n" : "") + cells[i];
    rows_[std::size_t(row)] = joined;
    DoChange();
}

// ---------------------------------------------------------------- layout

void TiPlotTable::CalcLayout(TCanvas& canvas) {
    if (rows_.empty() || columns_.empty()) {
        requiredWidth_ = requiredHeight_ = 0;
        return;
    }
    canvas.Font().Assign(*columnTitlesFont_);
    const TSize zeroTitle = canvas.TextExtent("0");
    const int wt = zeroTitle.cx, ht = zeroTitle.cy;
    const int top = SaturatedRound(ht * marginTop_), bottom = SaturatedRound(ht * marginBottom_);
    const int left = SaturatedRound(wt * marginLeft_), right = SaturatedRound(wt * marginRight_);
    const TRect r = DrawRect();
    gridRect_ = TRect{r.Left + left, r.Top + top, r.Right - right, r.Bottom - bottom};
    const int titleHeight = columnTitlesVisible_ ? ht : 0;
    titleRect_ = TRect{gridRect_.Left, gridRect_.Top, gridRect_.Right, gridRect_.Top + titleHeight};

    canvas.Font().Assign(*dataFont_);
    const TSize zeroData = canvas.TextExtent("0");
    const int wd = std::max(zeroData.cx, 1), hd = zeroData.cy;
    // A font of no height still gives rows one pixel.
    rowHeight_ = std::max(hd + SaturatedRound(hd * rowSpacing_), 1);

    int n = RowCount();
    if (rowsMax_ != 0 && rowsMax_ < n)
        n = std::max(rowsMax_, 0);
    gridRect_.Bottom = titleRect_.Bottom + n * rowHeight_;
    requiredHeight_ = top + bottom + titleHeight + n * rowHeight_;

    requiredWidth_ = left + right;
    int gridWidth = 0;
    const int titleSpacing = SaturatedRound(wt * columnSpacing_) + wt;
    const int dataSpacing = SaturatedRound(wd * columnSpacing_) + wd;
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        TiPlotTableColumn& column = columns_[c];
        if (!column.Visible)
            continue;
        if (column.AutoSize) {
            canvas.Font().Assign(*columnTitlesFont_);
            int w = canvas.TextWidth(column.Title) + titleSpacing;
            canvas.Font().Assign(*dataFont_);
            for (int row = 0; row < RowCount(); ++row)
                w = std::max(w, canvas.TextWidth(GetCellText(int(c), row)) + dataSpacing);
            column.WidthPixels = w;
            column.Width = w / wd;
        } else {
            column.WidthPixels = SaturatedRound(column.Width * wd);
        }
        gridWidth += column.WidthPixels;
    }
    requiredWidth_ += gridWidth;
    gridRect_.Right = gridRect_.Left + gridWidth;

    const int limit = r.Bottom - bottom;
    if (gridRect_.Bottom > limit) {
        n = std::max((limit - titleRect_.Bottom) / rowHeight_, 0);
        gridRect_.Bottom = titleRect_.Bottom + n * rowHeight_;
    }

    const int last = RowCount() - 1;
    if (n < RowCount()) {
        if (Enabled()) {
            const int m1 = titleRect_.Bottom + rowHeight_ / 2;
            const int m2 = titleRect_.Bottom + n * rowHeight_ - rowHeight_ / 2;
            const int x = gridRect_.Right;
            upButton_->SetDrawRect(TRect{x + 5, m1 - 8, x + 22, m1 + 9});
            downButton_->SetDrawRect(TRect{x + 5, m2 - 8, x + 22, m2 + 9});
            requiredWidth_ += 22;
        }
        upButton_->SetVisible(true);
        downButton_->SetVisible(true);
        itemViewStopIndex_ = itemViewStartIndex_ + n - 1;
        if (itemViewStopIndex_ > last) {
            itemViewStopIndex_ = last;
            itemViewStartIndex_ = RowCount() - n;
        }
        if (itemViewStartIndex_ < 0) {
            itemViewStartIndex_ = 0;
            itemViewStopIndex_ = n - 1;
        }
    } else {
        upButton_->SetVisible(false);
        downButton_->SetVisible(false);
        itemViewStartIndex_ = 0;
        itemViewStopIndex_ = n - 1;
    }
    upButton_->SetEnabled(itemViewStartIndex_ != 0);
    downButton_->SetEnabled(itemViewStopIndex_ != last);
}

int TiPlotTable::GetRequiredWidth(TCanvas& canvas) {
    CalcLayout(canvas);
    return Horizontal() ? requiredHeight_ : requiredWidth_;
}

// ---------------------------------------------------------------- drawing

void TiPlotTable::DrawCellText(TCanvas& canvas, const std::string& text, TRect rect,
                               TiAlignmentHorizontal alignment, double margin, TColor color) {
    using namespace korvan::plot;
    const int inset = SaturatedRound(margin * canvas.TextWidth("0"));
    unsigned flags = itfVCenter | itfSingleLine;
    if (alignment == iahLeft) {
        rect.Left += inset;
        flags |= itfLeft;
    } else if (alignment == iahRight) {
        rect.Right -= inset;
        flags |= itfRight;
    } else {
        flags |= itfCenter;
    }
    canvas.Font().SetColor(color);
    DrawText3D(canvas, text, rect, color, true, flags);
}

void TiPlotTable::Draw(TCanvas& canvas, TColor backGroundColor) {
    if (!Visible() || rows_.empty() || columns_.empty())
        return;
    CalcLayout(canvas);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Pen().SetStyle(psSolid);
    if (!gridBackGroundTransparent_) {
        canvas.Brush().SetColor(gridBackGroundColor_);
        canvas.FillRect(gridRect_);
    }
    const int shown = itemViewStopIndex_ - itemViewStartIndex_ + 1;
    if (gridLinesShow_) {
        canvas.Pen().SetWidth(1);
        canvas.Pen().SetColor(gridLinesColor_);
        int x = gridRect_.Left;
        for (const TiPlotTableColumn& column : columns_) {
            if (!column.Visible)
                continue;
            canvas.MoveTo(x, gridRect_.Top);
            canvas.LineTo(x, gridRect_.Bottom);
            x += column.WidthPixels;
        }
        canvas.MoveTo(x, gridRect_.Top);
        canvas.LineTo(x, gridRect_.Bottom);
        canvas.MoveTo(gridRect_.Left, gridRect_.Top);
        canvas.LineTo(gridRect_.Right + 1, gridRect_.Top);
        for (int k = 0; k <= shown; ++k) {
            const int y = titleRect_.Bottom + k * rowHeight_;
            canvas.MoveTo(gridRect_.Left, y);
            canvas.LineTo(gridRect_.Right + 1, y);
        }
    }
    if (columnTitlesVisible_) {
        canvas.Font().Assign(*columnTitlesFont_);
        canvas.Brush().SetStyle(bsClear);
        int x = gridRect_.Left;
        for (const TiPlotTableColumn& column : columns_) {
            if (!column.Visible)
                continue;
            DrawCellText(canvas, column.Title,
                         TRect{x, titleRect_.Top, x + column.WidthPixels, titleRect_.Bottom},
                         column.TitleAlignment, column.TitleAlignmentMargin, column.TitleFontColor);
            x += column.WidthPixels;
        }
    }
    canvas.Font().Assign(*dataFont_);
    canvas.Brush().SetStyle(bsClear);
    for (int row = itemViewStartIndex_, y = titleRect_.Bottom; row <= itemViewStopIndex_;
         ++row, y += rowHeight_) {
        const std::vector<std::string> cells = RowCells(row);
        int x = gridRect_.Left;
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            const TiPlotTableColumn& column = columns_[c];
            if (!column.Visible)
                continue;
            DrawCellText(canvas, cells[c], TRect{x, y, x + column.WidthPixels, y + rowHeight_},
                         column.DataAlignment, column.DataAlignmentMargin, column.DataFontColor);
            x += column.WidthPixels;
        }
    }
    canvas.Font().Assign(*dataFont_);
    canvas.Brush().SetStyle(bsClear);
    for (TiPlotTableButton* button : {upButton_.get(), downButton_.get()})
        if (button->Visible())
            button->Draw(canvas, backGroundColor);
    if (UserSelected()) {
        canvas.Brush().SetStyle(bsClear);
        canvas.Font().SetColor(clWhite);
        TRect focus = DrawRect();
        if (Horizontal()) {
            focus.Top += 2;
            focus.Bottom -= 2;
        }
        korvan::plot::DrawFocusRectangle(canvas, focus);
    }
}

// ---------------------------------------------------------------- mouse

TiPlotObject* TiPlotTable::GetMouseOverObject(int x, int y) {
    TiPlotLayoutObject::GetMouseOverObject(x, y);
    const TPoint p{x, y};
    TiPlotObject* over = this;
    if (upButton_->Visible() && upButton_->DrawRect().Contains(p))
        over = upButton_.get();
    else if (downButton_->Visible() && downButton_->DrawRect().Contains(p))
        over = downButton_.get();
    SetMouseOverObject(over);
    return over;
}

void TiPlotTable::ScrollBy(int step) {
    itemViewStartIndex_ = std::clamp(itemViewStartIndex_ + step, 0, std::max(RowCount() - 1, 0));
    if (OnInvalidateNow)
        OnInvalidateNow(this);
}

void TiPlotTable::DoMouseUp(TiPlotMouseData& mouseData) {
    if (MouseIsDown() && DrawRect().Contains(TPoint{mouseData.X, mouseData.Y}))
        korvan::plot::RaiseObjectClick(*this);
}

void TiPlotTable::PreparePopupMenu(TPopupMenu* popupMenu) {
    TiPlotLayoutObject::PreparePopupMenu(popupMenu);
    AddEditMenuItem(popupMenu);
}

void TiPlotTable::NotifySetFocus(TObject* sender) {
    korvan::plot::DropSelectionForOther(*this, sender);
}
