// The legend's layout: column widths and offsets, how many wrap columns
// and rows fit, where each entry goes and the size the legend asks for.

#include "controls/plot/objects/PlotLegend.h"

#include "controls/plot/axes/PixelRounding.h"
#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/channels/PlotChannelCustom.h"
#include "controls/plot/component/PlotComponent.h"
#include "controls/plot/core/PackDrawing.h"
#include "controls/plot/master/PlotKinds.h"
#include "platform/gfx/Canvas.h"
#include "platform/text/StrUtils.h"

#include <algorithm>

using korvan::plot::SaturatedRound;

namespace {

constexpr int ScrollButtonSize = 17;
constexpr int ScrollButtonRoom = 25;

// a / b rounded up; a count of 0 counts as 1.
int CeilDiv(int a, int b) {
    b = std::max(b, 1);
    return (a + b - 1) / b;
}

} // namespace

std::string TiPlotLegend::Label(const TiPlotChannelCustom& channel) const {
    return Trim(channel.TitleText()).empty() ? channel.Name() : channel.TitleText();
}

int TiPlotLegend::GetRequiredWidth(TCanvas& canvas) {
    Layout(canvas);
    return Horizontal() ? requiredHeight_ : requiredWidth_;
}

void TiPlotLegend::Layout(TCanvas& canvas) {
    canvas.Font().Assign(*font_);
    columnList_.clear();
    const TSize zero = canvas.TextExtent("0");
    const int w0 = zero.cx, h0 = zero.cy;
    const int top = SaturatedRound(h0 * marginTop_), bottom = SaturatedRound(h0 * marginBottom_);
    const int left = SaturatedRound(w0 * marginLeft_), right = SaturatedRound(w0 * marginRight_);
    const TRect r = DrawRect();
    innerRect_ = TRect{r.Left + left, r.Top + top, r.Right - right, r.Bottom - bottom};
    columnSpacingPixels_ = SaturatedRound(w0 * columnSpacing_);
    rowSpacingPixels_ = SaturatedRound(h0 * wrapRowSpacingMin_);
    wrapSpacingPixels_ = SaturatedRound(h0 * wrapColSpacingMin_);
    itemHeight_ = h0;
    maxItemHeight_ = 0;
    columnTitlesHeightPixels_ = columnTitlesMarginPixels_ = 0;
    columnWidth_.fill(0);
    showXValue2_ = show_[ColXValue] || cursorAllChannels_;
    showYValue2_ = show_[ColYValue] || cursorAllChannels_;

    items_.clear();
    if (auto* plot = dynamic_cast<TiPlotComponent*>(Owner()))
        for (int i = 0; i < plot->ChannelCount(); ++i) {
            auto* channel =
                dynamic_cast<TiPlotChannelCustom*>(plot->KindObject(korvan::plot::kind::Channel, i));
            if (channel && channel->VisibleInLegend())
                items_.push_back(TiPlotLegendItem{channel});
        }
    const int n = int(items_.size());
    if (n == 0)
        return;
    viewStartIndex_ = std::clamp(viewStartIndex_, 0, n - 1);

    MeasureColumns(canvas, w0);
    columnTitlesRect_ =
        TRect{innerRect_.Left, innerRect_.Top, innerRect_.Right, innerRect_.Top + columnTitlesHeightPixels_};
    itemsRect_ = TRect{innerRect_.Left, columnTitlesRect_.Bottom + columnTitlesMarginPixels_,
                       innerRect_.Right, innerRect_.Bottom};
    Fit(n);
    Place(n);
    requiredWidth_ = cols_ * itemWidth_ + (cols_ - 1) * wrapSpacingPixels_ + left + right;
    requiredHeight_ = top + columnTitlesHeightPixels_ + columnTitlesMarginPixels_ +
                      (maxItemHeight_ + rowSpacingPixels_) * rows_ - rowSpacingPixels_ + bottom;

    if (rows_ * cols_ < n && Enabled()) {
        upButton_->SetVisible(true);
        downButton_->SetVisible(true);
        upButton_->SetDrawRect(TRect{itemsRect_.Right - ScrollButtonSize, itemsRect_.Top, itemsRect_.Right,
                                     itemsRect_.Top + ScrollButtonSize});
        downButton_->SetDrawRect(TRect{itemsRect_.Right - ScrollButtonSize,
                                       itemsRect_.Bottom - ScrollButtonSize, itemsRect_.Right,
                                       itemsRect_.Bottom});
        requiredWidth_ += ScrollButtonRoom;
    } else {
        upButton_->SetVisible(false);
        downButton_->SetVisible(false);
        viewStartIndex_ = 0;
    }

    if (wrapColSpacingAuto_ && Horizontal() && cols_ > 1) {
        const int itemsWidth = itemsRect_.Right - itemsRect_.Left;
        const int s = (itemsWidth - ScrollButtonRoom - cols_ * itemWidth_) / (cols_ - 1);
        for (TiPlotLegendItem& item : items_)
            item.ALeft = innerRect_.Left + (item.ACol - 1) * (itemWidth_ + s);
        for (std::size_t i = 0; i < columnList_.size(); ++i)
            columnList_[i] = innerRect_.Left + int(i) * (itemWidth_ + s);
    }
    int rowsInFirst = 0;
    for (const TiPlotLegendItem& item : items_)
        if (item.ACol == 1)
            rowsInFirst = std::max(rowsInFirst, item.ARow);
    if (wrapRowSpacingAuto_ && !Horizontal() && rowsInFirst > 1) {
        const int itemsHeight = itemsRect_.Bottom - itemsRect_.Top;
        rowSpacingPixels_ = (itemsHeight - maxItemHeight_ * rowsInFirst) / (rowsInFirst - 1);
        const int titles = columnTitlesVisible_ ? columnTitlesHeightPixels_ + columnTitlesMarginPixels_ : 0;
        for (TiPlotLegendItem& item : items_)
            item.ATop = innerRect_.Top + (item.ARow - 1) * (maxItemHeight_ + rowSpacingPixels_) + titles;
    }
    upButton_->SetEnabled(viewStartIndex_ != 0);
    downButton_->SetEnabled(viewStopIndex_ != n - 1);
}

void TiPlotLegend::MeasureColumns(TCanvas& canvas, int zeroWidth) {
    const TFont& font = *font_;
    if (channelNameMaxWidth_ == 0) {
        for (TiPlotLegendItem& item : items_) {
            item.MaxHeight = itemHeight_;
            const std::string label = Label(*item.Channel);
            canvas.Font().Assign(*selectedItemFont_);
            const int selected = korvan::plot::MultiLineTextWidth(canvas, label);
            canvas.Font().Assign(font);
            columnWidth_[ColName] =
                std::max({columnWidth_[ColName], selected, korvan::plot::MultiLineTextWidth(canvas, label)});
        }
    } else {
        columnWidth_[ColName] = SaturatedRound(zeroWidth * channelNameMaxWidth_);
        for (TiPlotLegendItem& item : items_) {
            const std::string label = Label(*item.Channel);
            canvas.Font().Assign(*selectedItemFont_);
            const int selected = korvan::plot::GetWrappedTextHeight(canvas, label, columnWidth_[ColName]);
            canvas.Font().Assign(font);
            item.MaxHeight =
                std::max(selected, korvan::plot::GetWrappedTextHeight(canvas, label, columnWidth_[ColName]));
        }
    }
    for (const TiPlotLegendItem& item : items_)
        maxItemHeight_ = std::max(maxItemHeight_, item.MaxHeight);

    const auto shown = [this](Column c) {
        if (c == ColXValue)
            return showXValue2_;
        if (c == ColYValue)
            return showYValue2_;
        return ShowColumn(c);
    };
    if (columnTitlesVisible_) {
        canvas.Font().Assign(*columnTitlesFont_);
        columnTitlesHeightPixels_ = canvas.TextHeight("0");
        columnTitlesMarginPixels_ = columnTitlesHeightPixels_ / 4;
        for (int c = ColName; c < ColumnCount; ++c)
            if (shown(Column(c)))
                columnWidth_[c] = std::max(columnWidth_[c], canvas.TextWidth(GetTranslation(captions_[c])));
        canvas.Font().Assign(font);
    }
    for (Column c : {ColLine, ColMarker})
        if (show_[c])
            columnWidth_[c] = std::max(columnWidth_[c], lineColumnWidth_ + 3);

    for (TiPlotLegendItem& item : items_) {
        TiPlotChannelCustom& channel = *item.Channel;
        for (int c = ColXName; c < ColumnCount; ++c) {
            if (!shown(Column(c)))
                continue;
            TiPlotAxis* axis = c == ColXName || c == ColXValue ? static_cast<TiPlotAxis*>(channel.XAxis())
                                                               : static_cast<TiPlotAxis*>(channel.YAxis());
            int width = canvas.TextWidth(CellText(Column(c), channel));
            if ((c == ColXValue || c == ColYValue) && axis) {
                width = std::max(width, cursorAllChannels_ ? axis->GetCursorMinWidth(canvas, font)
                                                           : axis->GetLegendMinWidth(canvas, font));
                canvas.Font().Assign(font);
            }
            if ((c == ColXValue || c == ColYValue) && cursorAllChannels_) {
                const std::string& text =
                    c == ColXValue ? channel.DataCursorXText() : channel.DataCursorYText();
                width = std::max(width, SaturatedRound(double(text.size()) * zeroWidth));
            }
            columnWidth_[c] = std::max(columnWidth_[c], width);
        }
    }

    int at = 0;
    for (int c = ColLine; c < ColumnCount; ++c) {
        columnStart_[c] = at;
        if (shown(Column(c)))
            at += columnWidth_[c] + columnSpacingPixels_;
    }
    itemWidth_ = at - columnSpacingPixels_;
}

void TiPlotLegend::Fit(int count) {
    int w = itemsRect_.Right - itemsRect_.Left;
    if (Horizontal())
        w -= ScrollButtonRoom;
    const int h = itemsRect_.Bottom - itemsRect_.Top;
    // A zero divisor counts as one pixel.
    const int fitCols = std::max(1, (w + wrapSpacingPixels_) / std::max(1, itemWidth_ + wrapSpacingPixels_));
    const int fitRows =
        std::max(1, (h + rowSpacingPixels_) / std::max(1, maxItemHeight_ + rowSpacingPixels_));
    int cols = wrapColAutoCountEnabled_ ? wrapColAutoCountMax_ : wrapColDesiredCount_;
    const int rowLimit = wrapRowAutoCountEnabled_ ? wrapRowAutoCountMax_ : wrapRowDesiredCount_;
    int rows = 0;
    if (Horizontal()) {
        cols = std::min(cols, fitCols);
        rows = wrapRowAutoCountEnabled_ ? CeilDiv(count, cols) : rowLimit;
        rows = std::min(rows, rowLimit);
        if (rows < 3 && rows * cols < count)
            rows = 3;
        if (rows == 0)
            cols = 0;
        else if (wrapColAutoCountEnabled_)
            cols = std::min(cols, CeilDiv(count, rows));
    } else {
        if (wrapColAutoCountEnabled_)
            cols = CeilDiv(count, fitRows);
        cols = std::min(cols, wrapColAutoCountMax_);
        rows = std::min({fitRows, count, rowLimit});
        if (rows < 3 && rows * cols < count)
            rows = 3;
    }
    cols_ = cols;
    rows_ = rows;
}

void TiPlotLegend::Place(int count) {
    viewStopIndex_ = count - 1;
    columnList_.push_back(innerRect_.Left);
    int row = 1, col = 1, y = itemsRect_.Top;
    for (int i = viewStartIndex_; i < count; ++i) {
        if (row > rows_) {
            row = 1;
            ++col;
            y = itemsRect_.Top;
            if (col > cols_) {
                viewStopIndex_ = i - 1;
                break;
            }
            columnList_.push_back(innerRect_.Left + (col - 1) * (itemWidth_ + wrapSpacingPixels_));
        }
        TiPlotLegendItem& item = items_[std::size_t(i)];
        item.ARow = row;
        item.ACol = col;
        item.ALeft = columnList_.back();
        item.ATop = y;
        y += maxItemHeight_ + rowSpacingPixels_;
        ++row;
    }
}
