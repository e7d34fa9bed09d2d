// The legend's painting: background, column titles, one entry per shown
// channel (samples, name, cells), the scroll buttons and the focus frame.

#include "controls/plot/objects/PlotLegend.h"

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/channels/PlotChannelCustom.h"
#include "controls/plot/core/PackDrawing.h"
#include "platform/gfx/Canvas.h"
#include "platform/text/StrUtils.h"

namespace {

// The segments [start, end) of the 13-pixel line sample of each line style.
const std::vector<std::pair<int, int>>& SampleSegments(int style) {
    static const std::vector<std::pair<int, int>> segments[] = {
        {{0, 13}}, {{0, 5}, {8, 13}}, {{0, 2}, {4, 6}, {8, 10}}, {{0, 5}, {7, 9}}, {{0, 5}, {7, 9}, {11, 13}},
    };
    return segments[std::clamp(style, 0, 4)];
}

constexpr TPenStyle SamplePens[] = {psSolid, psDash, psDot, psDashDot, psDashDotDot};

} // namespace

std::string TiPlotLegend::CellText(Column column, TiPlotChannelCustom& channel) const {
    const bool xSide = column == ColXName || column == ColXValue;
    TiPlotAxis* axis = xSide ? static_cast<TiPlotAxis*>(channel.XAxis()) : channel.YAxis();
    switch (column) {
    case ColXName:
    case ColYName:
        if (!axis)
            return GetTranslation("None");
        return Trim(axis->Title()).empty() ? axis->Name() : axis->Title();
    case ColXValue:
    case ColYValue:
        if (cursorAllChannels_)
            return xSide ? channel.DataCursorXText() : channel.DataCursorYText();
        if (channel.Count() == 0)
            return GetTranslation("Empty");
        if (!axis)
            return GetTranslation("N/A");
        return axis->GetLegendText(xSide ? channel.GetPointX(channel.Count() - 1)
                                         : channel.GetPointY(channel.Count() - 1));
    case ColYMax:
    case ColYMin:
    case ColYMean:
        if (channel.Count() == 0)
            return GetTranslation("Empty");
        if (!axis)
            return GetTranslation("N/A");
        return axis->GetLegendText(column == ColYMax   ? channel.RunningYMax()
                                   : column == ColYMin ? channel.RunningYMin()
                                                       : channel.RunningYMean());
    default:
        return {};
    }
}

void TiPlotLegend::Draw(TCanvas& canvas, TColor backGroundColor) {
    (void)backGroundColor;
    if (!Visible() || items_.empty())
        return;
    Layout(canvas);
    if (items_.empty())
        return;
    canvas.Brush().SetStyle(bsSolid);
    canvas.Pen().SetStyle(psSolid);
    if (!backGroundTransparent_) {
        canvas.Brush().SetColor(backGroundColor_);
        canvas.FillRect(DrawRect());
    }
    if (columnTitlesVisible_)
        DrawColumnTitles(canvas);
    canvas.Font().Assign(*font_);
    canvas.Brush().SetStyle(bsClear);
    for (const TiPlotLegendItem& item : items_)
        item.Channel->SetLegendRect(TRect{});
    for (int i = viewStartIndex_; i <= viewStopIndex_ && i < int(items_.size()); ++i)
        DrawItem(canvas, items_[std::size_t(i)]);
    if (upButton_->Visible())
        DrawScrollButton(canvas, *upButton_, true);
    if (downButton_->Visible())
        DrawScrollButton(canvas, *downButton_, false);
    if (UserSelected()) {
        TRect r = DrawRect();
        if (Horizontal()) {
            r.Top += 2;
            r.Bottom -= 2;
        } else {
            r.Left += 2;
            r.Right -= 2;
        }
        korvan::plot::DrawFocusRectangle(canvas, r);
    }
}

void TiPlotLegend::DrawColumnTitles(TCanvas& canvas) {
    using namespace korvan::plot;
    canvas.Font().Assign(*columnTitlesFont_);
    canvas.Brush().SetStyle(bsClear);
    const int top = columnTitlesRect_.Top, bottom = top + columnTitlesHeightPixels_;
    for (int left : columnList_)
        for (int c = ColName; c < ColumnCount; ++c) {
            const bool shown = c == ColXValue   ? showXValue2_
                               : c == ColYValue ? showYValue2_
                                                : ShowColumn(Column(c));
            if (!shown)
                continue;
            TRect cell{left + columnStart_[c], top, left + columnStart_[c] + columnWidth_[c], bottom};
            unsigned flags = itfVCenter | itfSingleLine | itfNoClip;
            flags |= c == ColName ? itfLeft : (c == ColXName || c == ColYName) ? itfCenter : itfRight;
            DrawText3D(canvas, GetTranslation(captions_[c]), cell, columnTitlesFont_->Color(), true, flags);
        }
}

void TiPlotLegend::DrawItem(TCanvas& canvas, const TiPlotLegendItem& item) {
    using namespace korvan::plot;
    TiPlotChannelCustom& channel = *item.Channel;
    const int x = item.ALeft, y = item.ATop, mid = y + itemHeight_ / 2;
    TRect name{x + columnStart_[ColName], y, x + columnStart_[ColName] + columnWidth_[ColName] + 1,
               y + item.MaxHeight};
    channel.SetLegendRect(name);
    if (show_[ColLine])
        DrawLineSample(canvas, x + columnStart_[ColLine], mid, channel.Color(),
                       int(channel.TraceLineStyle()));
    if (show_[ColMarker])
        channel.DrawMarker(canvas, -1, clBlack,
                           TPoint{x + columnStart_[ColMarker] + columnWidth_[ColMarker] / 2, mid});
    const bool selected = channel.UserSelected();
    canvas.Font().Assign(selected ? *selectedItemFont_ : *font_);
    if (selected) {
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(selectedItemBackGroundColor_);
        canvas.FillRect(name);
    } else {
        canvas.Brush().SetStyle(bsClear);
    }
    TColor color = canvas.Font().Color();
    if (channelNameColorStyle_ == iplcncsChannelColor)
        color = channel.Color();
    else if (channelNameColorStyle_ == iplcncsXAxisFontColor && channel.XAxis())
        color = channel.XAxis()->LabelsFont()->Color();
    else if (channelNameColorStyle_ == iplcncsYAxisFontColor && channel.YAxis())
        color = channel.YAxis()->LabelsFont()->Color();
    canvas.Brush().SetStyle(bsClear);
    DrawText3D(canvas, Label(channel), name, color, true, itfLeft | itfTop | itfWordBreak | itfWordEllipsis);
    canvas.Font().Assign(*font_);
    for (int c = ColXName; c < ColumnCount; ++c) {
        const bool shown = c == ColXValue   ? showXValue2_
                           : c == ColYValue ? showYValue2_
                                            : show_[std::size_t(c)];
        if (!shown)
            continue;
        TRect cell{x + columnStart_[c], y, x + columnStart_[c] + columnWidth_[c], y + itemHeight_};
        const unsigned align = (c == ColXName || c == ColYName) ? itfLeft : itfRight;
        DrawText3D(canvas, CellText(Column(c), channel), cell, font_->Color(), true,
                   align | itfVCenter | itfSingleLine);
    }
}

// H + 1 rows around the middle, each a run of the style's segments.
void TiPlotLegend::DrawLineSample(TCanvas& canvas, int x, int y, TColor color, int style) const {
    const int h = lineColumnHeight_;
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(color);
    canvas.Pen().SetStyle(lineColumnWidth_ == 13 ? psSolid : SamplePens[std::clamp(style, 0, 4)]);
    for (int d = -(h / 2); d <= h - h / 2; ++d) {
        if (lineColumnWidth_ == 13) {
            for (const auto& [from, to] : SampleSegments(style))
                canvas.Polyline({{x + from, y + d}, {x + to, y + d}});
        } else {
            canvas.Polyline({{x, y + d}, {x + lineColumnWidth_, y + d}});
        }
    }
    canvas.Pen().SetStyle(psSolid);
}

void TiPlotLegend::DrawScrollButton(TCanvas& canvas, TiPlotLegendButton& button, bool up) const {
    button.Draw(canvas, clBtnFace);
    const TRect r = button.DrawRect();
    const int cx = (r.Left + r.Right) / 2, cy = (r.Top + r.Bottom) / 2;
    const TColor color = button.Enabled() ? clBlack : clGray;
    canvas.Pen().SetColor(color);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    if (up)
        canvas.Polygon({{cx - 4, cy + 2}, {cx + 4, cy + 2}, {cx, cy - 2}});
    else
        canvas.Polygon({{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}});
}
