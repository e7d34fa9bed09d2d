// The axis' value texts: tick labels, data cursor and legend texts.

#include "controls/plot/axes/AxisHost.h"
#include "controls/plot/axes/PixelRounding.h"
#include "controls/plot/axes/PlotAxis.h"
#include "platform/gfx/Canvas.h"

using namespace korvan::plot;

std::string TiPlotAxis::FormatText(const TiValueTextFormat& format, double value, bool autoAdjust,
                                   double& minLength) {
    std::string text;
    if (!FormatValueText(format, value, span_, scaleType_, text))
        return text;
    customizeLabelEventModified_ = false;
    customizeLabelEventText_ = text;
    if (IiPlotAxisHost* host = AxisHost()) {
        host->DoAxisCustomizeLabel(this, text, value);
        if (customizeLabelEventModified_)
            text = customizeLabelEventText_;
    }
    if (autoAdjust && allowLabelMinAdjust_ && double(text.size()) > minLength)
        minLength = double(text.size());
    return text;
}

const TiValueTextFormat& TiPlotAxis::CursorFormat() const {
    return cursor_.UseDefaultFormat ? labels_ : cursor_.Format;
}

const TiValueTextFormat& TiPlotAxis::LegendFormat() const {
    return legend_.UseDefaultFormat ? labels_ : legend_.Format;
}

std::string TiPlotAxis::GetLabelText(double value) {
    return FormatText(labels_, value, labelsMinLengthAutoAdjust_, labelsMinLength_);
}

std::string TiPlotAxis::GetCursorText(double value) {
    if (cursor_.UseDefaultFormat)
        return JoinTextLines(GetLabelText(value));
    return JoinTextLines(FormatText(cursor_.Format, value, cursor_.MinLengthAutoAdjust, cursor_.MinLength));
}

std::string TiPlotAxis::GetCursorValueText(double value) {
    TiValueTextFormat format = CursorFormat();
    format.Style = iptfValue;
    format.DateTimeFormat.clear();
    if (cursor_.UseDefaultFormat)
        return JoinTextLines(FormatText(format, value, labelsMinLengthAutoAdjust_, labelsMinLength_));
    return JoinTextLines(FormatText(format, value, cursor_.MinLengthAutoAdjust, cursor_.MinLength));
}

std::string TiPlotAxis::GetLegendText(double value) {
    if (legend_.UseDefaultFormat)
        return JoinTextLines(GetLabelText(value));
    return JoinTextLines(FormatText(legend_.Format, value, legend_.MinLengthAutoAdjust, legend_.MinLength));
}

int TiPlotAxis::GetCursorMinWidth(TCanvas& canvas, const TFont& font) const {
    canvas.Font().Assign(font);
    const double length = cursor_.UseDefaultFormat ? labelsMinLength_ : cursor_.MinLength;
    return SaturatedRound(canvas.TextWidth("0") * length);
}

int TiPlotAxis::GetLegendMinWidth(TCanvas& canvas, const TFont& font) const {
    canvas.Font().Assign(font);
    const double length = legend_.UseDefaultFormat ? labelsMinLength_ : legend_.MinLength;
    return SaturatedRound(canvas.TextWidth("0") * length);
}
