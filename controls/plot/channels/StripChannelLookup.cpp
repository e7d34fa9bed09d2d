// The strip-chart channel's lookups: the direction of X, binary search
// for the visible range and for an X, interpolated values, fits, the data
// cursor and the hit test of its curve.

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/channels/StripChannel.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

std::int32_t Clamped(std::int32_t index, std::int32_t count) {
    return std::clamp(index, std::int32_t(0), count - 1);
}

} // namespace

void TiPlotChannel::UpdateXIncreasing() {
    xIncreasing_ = !(Count() >= 3 && GetPointX(1) < GetPointX(0));
}

// Binary search: the index where x was found, else the last one looked at
// (-1 for an empty channel).
std::int32_t TiPlotChannel::FindIndex(double x, bool increasing) const {
    std::int32_t lo = 0, hi = Count() - 1, mid = -1;
    while (lo <= hi) {
        mid = lo + (hi - lo) / 2;
        const double at = GetPointX(mid);
        if (at == x)
            break;
        if (increasing ? x < at : x > at)
            hi = mid - 1;
        else
            lo = mid + 1;
    }
    return mid;
}

std::int32_t TiPlotChannel::CalcIndex(double target) {
    const std::int32_t count = Count();
    if (!XAxis() || count == 0)
        return -1;
    std::int32_t i = 0;
    if (xIncreasing_) {
        if (target < GetPointX(0) || target > GetPointX(count - 1))
            return -1;
        i = FindIndex(target, true);
        if (target > GetPointX(i))
            ++i;
    } else {
        if (target > GetPointX(0) || target < GetPointX(count - 1))
            return -1;
        i = FindIndex(target, false);
        if (target > GetPointX(i))
            --i;
    }
    return Clamped(i, count);
}

void TiPlotChannel::CalcStartIndex() {
    startIndex_ = DrawRangeEnd(true);
}

void TiPlotChannel::CalcStopIndex() {
    stopIndex_ = DrawRangeEnd(false);
}

// One end of the draw range: the point just beyond the visible range on
// that side (so that the trace enters and leaves the view), clamped to the
// points; -1 without an X axis or points.
std::int32_t TiPlotChannel::DrawRangeEnd(bool start) {
    const std::int32_t count = Count();
    TiPlotXAxis* axis = XAxis();
    if (!axis || count == 0)
        return -1;
    std::int32_t index = start ? count - 2 : 0;
    if (drawOutOfOrderXValues_) {
        for (std::int32_t k = 0; k < count; ++k) {
            const std::int32_t i = start ? k : count - 1 - k;
            if (axis->ValueOnScale(GetPointX(i))) {
                index = start ? i - 1 : i + 1;
                break;
            }
        }
        return Clamped(index, count);
    }
    // The start meets the axis end where X begins, the stop the other one.
    const double edge = start == xIncreasing_ ? axis->Min() : axis->Max();
    index = FindIndex(edge, xIncreasing_);
    const double at = GetPointX(index);
    const bool beyond = start == xIncreasing_ ? edge < at : edge > at;
    if (beyond)
        index += start ? -1 : 1;
    return Clamped(index, count);
}

bool TiPlotChannel::GetYInterpolated(double x, double& y) {
    const std::int32_t count = Count();
    if (count > 0 && GetPointValid(0) && GetPointX(0) == x) {
        y = GetPointY(0);
        return true;
    }
    if (count > 0 && GetPointValid(count - 1) && GetPointX(count - 1) == x) {
        y = GetPointY(count - 1);
        return true;
    }
    y = 0;
    const std::int32_t i = CalcIndex(x);
    const std::int32_t j = xIncreasing_ ? i - 1 : i + 1;
    if (i == -1 || j < 0 || j >= count)
        return false;
    // A digital channel holds the level of the point before x.
    if (digitalEnabled_) {
        y = GetPointY(j);
        return true;
    }
    if (x == GetPointX(i)) {
        y = GetPointY(i);
        return true;
    }
    if (i < 1 || GetPointNull(i) || GetPointNull(j))
        return false;
    TiPlotXAxis* axis = XAxis();
    const int pj = axis->PositionToPixels(GetPointX(j)), pi = axis->PositionToPixels(GetPointX(i));
    const int px = axis->PositionToPixels(x);
    y = GetPointY(i);
    if (pj != pi && px != pi)
        y += (px - pi) * (GetPointY(j) - GetPointY(i)) / (pj - pi);
    return true;
}

TiPlotDataPointStatus TiPlotChannel::GetYAtX(double x, double& y) {
    y = 0;
    const std::int32_t count = Count();
    if (count == 0)
        return ipdpsEmpty;
    if (x == XFirst() && GetPointValid(0)) {
        y = YFirst();
        return ipdpsValid;
    }
    if (x == XLast() && GetPointValid(count - 1)) {
        y = YLast();
        return ipdpsValid;
    }
    switch (interpolationStyle_) {
    case ipistStraightLine:
        return GetYInterpolated(x, y) ? ipdpsValid : ipdpsEmpty;
    case ipistCubicSpline:
    case ipistPolynomial:
    case ipistRational: {
        TiPlotXAxis* axis = XAxis();
        if (!axis || (pixelListStart_ == 0 && pixelListStop_ == 0) || x < XFirst() || x > XLast())
            return ipdpsEmpty;
        const int column = axis->PositionToPixels(x);
        if (column < pixelListStart_ || column > pixelListStop_)
            return ipdpsEmpty;
        const TiPlotPixelPoint& p = pixelList_[std::size_t(column - pixelListStart_)];
        y = p.YValue;
        return p.Null ? ipdpsNull : ipdpsValid;
    }
    case ipistDifferential:
    case ipistDifferentialTerminated: {
        const std::int32_t k = CalcIndex(x) - 1;
        if (k >= 0) {
            y = GetPointY(k);
            return ipdpsValid;
        }
        if (interpolationStyle_ == ipistDifferential && x > XLast() && GetPointValid(count - 1)) {
            y = YLast();
            return ipdpsValid;
        }
        return ipdpsEmpty;
    }
    }
    return ipdpsEmpty;
}

// ---------------------------------------------------------------- fits

double TiPlotChannel::GetFitXMax() {
    const std::int32_t count = Count();
    if (!HasAxes() || !Visible() || count == 0)
        return -1e300;
    UpdateXIncreasing();
    const std::int32_t end = xIncreasing_ ? count - 1 : 0;
    return GetPointValid(end) ? GetXPlusMarker(end) : -1e300;
}

double TiPlotChannel::GetFitXMin() {
    const std::int32_t count = Count();
    if (!HasAxes() || !Visible() || count == 0)
        return 1e300;
    UpdateXIncreasing();
    const std::int32_t end = xIncreasing_ ? 0 : count - 1;
    return GetPointValid(end) ? GetXMinusMarker(end) : 1e300;
}

// The Y fit follows the visible X range: the valid points of the draw range.
double TiPlotChannel::FitYOverDrawRange(bool largest) {
    CalcStartIndex();
    CalcStopIndex();
    double result = largest ? -1e300 : 1e300;
    if (!HasAxes() || !Visible() || startIndex_ == -1 || stopIndex_ == -1)
        return result;
    for (std::int32_t i = startIndex_; i <= stopIndex_; ++i)
        if (GetPointValid(i))
            result = largest ? std::max(result, GetYPlusMarker(i)) : std::min(result, GetYMinusMarker(i));
    return result;
}

double TiPlotChannel::GetFitYMax() {
    return FitYOverDrawRange(true);
}

double TiPlotChannel::GetFitYMin() {
    return FitYOverDrawRange(false);
}

// ---------------------------------------------------------------- cursor

void TiPlotChannel::UpdateDataCursor(IiPlotChannelCursor& cursor) {
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    int p1 = 0, p2 = 0;
    if (!xAxis || !yAxis || !cursor.PositionPercentToPixelsX(cursor.Pointer1Position(), p1))
        return;
    cursor.PositionPercentToPixelsX(cursor.Pointer2Position(), p2);
    const double x1 = xAxis->PixelsToPosition(p1), x2 = xAxis->PixelsToPosition(p2);
    double x = 0, y = 0;
    TiPlotDataPointStatus status = ipdpsValid;
    const TiPlotDataCursorStyle style = cursor.Style();
    switch (style) {
    case ipcsValueXY:
    case ipcsValueX:
    case ipcsValueY:
        x = x1;
        status = GetYAtX(x1, y);
        break;
    case ipcsDeltaX:
        x = xAxis->CursorScaler() * std::fabs(x1 - x2);
        break;
    case ipcsDeltaY: {
        int q1 = 0, q2 = 0;
        cursor.PositionPercentToPixelsY(cursor.Pointer1Position(), q1);
        cursor.PositionPercentToPixelsY(cursor.Pointer2Position(), q2);
        y = std::fabs(yAxis->PixelsToPosition(q1) - yAxis->PixelsToPosition(q2));
        break;
    }
    case ipcsInverseDeltaX: {
        const double d = std::fabs(x1 - x2), scaler = xAxis->CursorScaler();
        x = (d != 0 && scaler != 0) ? 1 / (d * scaler) : std::numeric_limits<double>::infinity();
        break;
    }
    }
    cursor.SetValues(x, y, status);
    std::string text = BuildDataCursorText(style, x, y, status);
    if (digitalEnabled_ && status == ipdpsValid && (style == ipcsValueXY || style == ipcsValueY)) {
        const std::string level = GetTranslation(y != 0 ? "High" : "Low");
        SetDataCursorTexts(DataCursorXText(), level);
        text = style == ipcsValueXY ? DataCursorXText() + ", " + level : level;
    }
    if (style == ipcsInverseDeltaX) {
        text = std::isfinite(x) ? xAxis->GetCursorValueText(x) : GetTranslation("Infinite");
        SetDataCursorTexts(text, {});
    }
    cursor.SetCursorDisplayText(text);
}

// ---------------------------------------------------------------- hit test

// A right-button press within ten pixels of the curve hits the channel.
bool TiPlotChannel::DoHitTest(const TiPlotMouseData& mouseData) {
    if (TiPlotChannelCustom::DoHitTest(mouseData))
        return true;
    TiPlotXAxis* xAxis = XAxis();
    TiPlotYAxis* yAxis = YAxis();
    if (!xAxis || !yAxis || mouseData.Button != mbRight)
        return false;
    double y = 0;
    if (!GetYInterpolated(xAxis->PixelsToPosition(mouseData.XAxisPixels), y))
        return false;
    const int py = yAxis->PositionToPixels(y);
    const TRect box = Rect(mouseData.XAxisPixels - 10, mouseData.YAxisPixels - 10, mouseData.XAxisPixels + 10,
                           mouseData.YAxisPixels + 10);
    return box.Contains(Point(mouseData.XAxisPixels, py));
}
