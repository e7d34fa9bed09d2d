// The axis' tick list: how many major labels fit, the major increment
// (decimal, date-time or price steps, or logarithmic decades), and the
// majors and minors placed along the scale.

#include "controls/plot/axes/AxisDates.h"
#include "controls/plot/axes/PixelRounding.h"
#include "controls/plot/axes/PlotAxis.h"
#include "controls/plot/core/PackDrawing.h"
#include "controls/plot/core/PackNumbers.h"
#include "platform/gfx/Canvas.h"
#include "platform/text/Exception.h"

#include <algorithm>
#include <array>
#include <cmath>

using namespace korvan::plot;

namespace {

// More ticks than this end the calculation with a single tick mid-span.
constexpr std::size_t kTickLimit = 5000;

} // namespace

void TiPlotAxis::TickListClear() {
    ticks_.clear();
    DoChange();
}

int TiPlotAxis::TickListAdd(double position, const std::string& label, TiPlotTickType style) {
    if (scaleType_ == ipstLog10 && !(position > 0))
        throw Exception("Log Scale Requires Position to be Greater Than Zero");
    TiPlotTickObject tick;
    tick.TickType = style;
    tick.Position = position;
    tick.Text = label;
    ticks_.push_back(tick);
    DoChange();
    return int(ticks_.size()) - 1;
}

void TiPlotAxis::AddTick(double value, TiPlotTickType type) {
    if (!PointOnScale(value) || (scaleType_ == ipstLog10 && !(value > 0)))
        return;
    TiPlotTickObject tick;
    tick.TickType = type;
    tick.Position = value;
    if (type == ipttMajor)
        tick.Text = GetLabelText(value);
    ticks_.push_back(std::move(tick));
}

void TiPlotAxis::RefreshTicks() {
    for (TiPlotTickObject& tick : ticks_) {
        tick.Show = PointOnScale(tick.Position);
        if (tick.Show)
            tick.PositionPixels = PositionToPixels(tick.Position);
    }
}

int TiPlotAxis::LabelSlot(TCanvas& canvas) {
    const bool upright = labelsRotation_ == ira090 || labelsRotation_ == ira270;
    double slot = 0;
    if (Horizontal() != upright)
        slot =
            GetMaxLabelWidth(canvas, *labelsFont_) + MultiLineTextWidth(canvas, "0") * (labelSeparation_ + 1);
    else
        slot = GetTextHeight(canvas, "0") * (labelSeparation_ + 1);
    return std::max(1, SaturatedRound(slot));
}

void TiPlotAxis::CalcTickList(TCanvas& canvas) {
    monthModeEnabled_ = false;
    yearModeEnabled_ = false;
    CalcScaleRect(canvas);
    if (!tickListCustom_) {
        ticks_.clear();
        canvas.Font().Assign(*labelsFont_);
        const int slot = LabelSlot(canvas);
        const int length =
            Horizontal() ? scaleRect_.Right - scaleRect_.Left : scaleRect_.Bottom - scaleRect_.Top;
        int fit = std::max(1, length / slot);
        if (scaleType_ == ipstLog10 && std::log10(Max()) - std::log10(min_) > 1) {
            LogarithmicTicks(fit);
        } else {
            double increment = 0;
            int count = 0;
            if (span_ <= 1e-299) {
                count = 1;
                increment = span_;
            } else {
                const double wished = desiredIncrement_ == 0 ? 0 : span_ / desiredIncrement_;
                const double perMinor = double(minorCount_) + 1;
                if (desiredIncrement_ != 0 && !labelsVisible_ && wished < length / perMinor) {
                    count = SaturatedRound(wished);
                    increment = desiredIncrement_;
                    fit = count;
                }
                if (count == 0 && desiredIncrement_ != 0 && fit > wished) {
                    count = SaturatedRound(wished);
                    increment = desiredIncrement_;
                    fit = count;
                }
                fit = std::max(fit, 1);
                if (count == 0) {
                    if (labels_.Style == iptfDateTime)
                        DateTimeIncrement(fit, increment, count);
                    else if (labels_.Style == iptfPrice32nds)
                        PriceIncrement(fit, increment, count);
                    if (count == 0)
                        DecimalIncrement(fit, increment, count);
                }
            }
            if (count < 2 && fit > 1) {
                increment /= 2;
                count = 2;
            }
            if (fit < count) {
                count = fit;
                increment = span_ / fit;
            }
            majorIncrement_ = increment;
            minorIncrement_ = increment / (double(minorCount_) + 1);
            PlaceTicks(increment);
        }
    }
    RefreshTicks();
}

void TiPlotAxis::DecimalIncrement(int fit, double& increment, int& count) const {
    std::int64_t d = SaturatedTrunc64(std::log10(span_) - 1 - std::log10(double(fit)));
    // Each round grows the step tenfold: the span is reached within a few.
    for (int round = 0; round < 1000; ++round, ++d) {
        const double e = std::pow(10.0, double(d));
        for (double factor : {1.0, 2.0, 5.0}) {
            if (fit >= span_ / (factor * e)) {
                count = SaturatedRound(span_ / (factor * e));
                increment = factor * e;
                return;
            }
        }
    }
}

void TiPlotAxis::DateTimeIncrement(int fit, double& increment, int& count) {
    const std::int64_t a = fit - 1;
    struct Tier {
        std::int64_t span;
        std::vector<std::int64_t> steps;
        double unitsPerDay;
    };
    const std::array<Tier, 5> tiers{{
        {DateTimeToMilliseconds(span_), {1, 2, 5, 10, 20, 50, 100, 200, 500}, 86400000.0},
        {DateTimeToSeconds(span_), {1, 2, 5, 10, 15, 20, 30}, 86400.0},
        {DateTimeToMinutes(span_), {1, 2, 5, 10, 15, 20, 30}, 1440.0},
        {DateTimeToHours(span_), {1, 2, 4, 6, 12}, 24.0},
        {SaturatedTrunc64(span_), {1, 7, 14}, 1.0},
    }};
    for (const Tier& tier : tiers)
        for (std::int64_t h : tier.steps)
            if (tier.span / h <= a) {
                count = ClampToInt(std::max<std::int64_t>(1, tier.span / h));
                increment = double(h) / tier.unitsPerDay;
                return;
            }
    const std::int64_t days = SaturatedTrunc64(span_);
    bool found = false;
    const std::array<std::pair<std::int64_t, int>, 4> months{{{31, 1}, {61, 2}, {92, 3}, {183, 6}}};
    for (const auto& [h, n] : months)
        if (days / h <= a) {
            count = ClampToInt(std::max<std::int64_t>(1, days / h));
            increment = n;
            monthModeEnabled_ = true;
            found = true;
            break;
        }
    for (std::int64_t o = 1; !found && o <= 1000000000000000LL; o *= 10)
        for (std::int64_t years : {o, 2 * o, 5 * o})
            if (days / (years * 365) <= a) {
                count = ClampToInt(std::max<std::int64_t>(1, days / (years * 365)));
                increment = double(years);
                yearModeEnabled_ = true;
                found = true;
                break;
            }
    if (!found)
        return;
    // Calendar steps stay within the calendar.
    const double lowest = monthModeEnabled_ ? 0.0 : -182625.0;
    if (min_ < lowest)
        min_ = lowest;
    if (min_ > 2593224.0)
        min_ = 2593224.0;
    if (span_ > 36525.0)
        span_ = 36525.0;
    if (increment < 1)
        increment = 1;
}

void TiPlotAxis::PriceIncrement(int fit, double& increment, int& count) const {
    for (int denominator = 256; denominator >= 2; denominator /= 2) {
        const double h = 1.0 / denominator;
        if (fit >= span_ / h) {
            count = ClampToInt(SaturatedTrunc64(span_ / h));
            increment = h;
            return;
        }
    }
    for (double o = 1; o < 1e301; o *= 10)
        for (double h : {o, 2 * o, 5 * o})
            if (fit >= span_ / h) {
                count = ClampToInt(SaturatedTrunc64(span_ / h));
                increment = h;
                return;
            }
}

double TiPlotAxis::FirstTick(double increment) const {
    if (desiredStart_ != 0 && min_ <= desiredStart_ && desiredStart_ <= Max()) {
        double p = desiredStart_;
        while (p > min_ && p - increment != p)
            p -= increment;
        return p;
    }
    if (monthModeEnabled_) {
        const int k = std::max(1, SaturatedRound(increment));
        const int month = std::max(1, (MonthOf(min_) / k) * k);
        return IncMonth(WithMonth(WithDay(min_, 1), month), -k);
    }
    if (yearModeEnabled_) {
        const int k = SaturatedRound(increment);
        int year = YearOf(min_);
        if (k != 0)
            year = (year / k) * k;
        return WithDay(WithMonth(IncYear(WithYear(min_, year), -k), 1), 1);
    }
    return std::trunc(min_ / increment) * increment - increment;
}

void TiPlotAxis::PlaceTicks(double increment) {
    double p = FirstTick(increment);
    const bool minors = minorCount_ >= 1 && !monthModeEnabled_ && !yearModeEnabled_ && minorIncrement_ != 0;
    const int calendarStep = SaturatedRound(increment);
    const auto tooMany = [this] { return ticks_.size() > kTickLimit; };
    while (Max() + increment >= p) {
        AddTick(p, ipttMajor);
        if (minors) {
            for (int i = 0; i < minorCount_ && !tooMany(); ++i) {
                p += minorIncrement_;
                AddTick(p, ipttMinor);
            }
        } else if (monthModeEnabled_ || yearModeEnabled_) {
            const double next = monthModeEnabled_ ? IncMonth(p, calendarStep) : IncYear(p, calendarStep);
            // The calendar ends: no step further.
            if (!(next > p))
                break;
            p = next;
        } else {
            if (p + increment == p)
                break;
            p += increment;
        }
        if (tooMany() || p + minorIncrement_ == p) {
            ticks_.clear();
            AddTick(Mid(), ipttMajor);
            return;
        }
        if (minors)
            p += minorIncrement_;
    }
}

void TiPlotAxis::LogarithmicTicks(int fit) {
    const double low = min_ > 0 ? min_ : 1.0;
    const double decades = std::log10(Max()) - std::log10(min_);
    double step = 1;
    double e = 0;
    if (fit >= decades) {
        e = std::trunc(std::log10(min_)) - 1;
    } else {
        step = 200;
        for (double s : {2.0, 5.0, 10.0, 20.0, 50.0, 100.0})
            if (fit >= decades / s) {
                step = s;
                break;
            }
        e = std::trunc(std::log10(low));
    }
    while (low + span_ >= std::pow(10.0, e)) {
        const double major = std::pow(10.0, e);
        AddTick(major, ipttMajor);
        if (step == 1)
            for (int k = 2; k <= 9; ++k)
                AddTick(k * major, ipttMinor);
        e += step;
    }
}
