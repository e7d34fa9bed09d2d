#include "ui/curves/PeqGridText.h"

#include "device/protocol/SharedConstants.h"
#include "device/protocol/ValueScales.h"
#include "platform/text/FloatText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace korvan::curves {

namespace {

double LogRatio(double hz) {
    return std::log(hz * 0.001) / std::log(FrequencyStepRatio);
}

// A double to int with the value first kept inside int's range: the typed
// paths can hand over any number of digits.
int ClampToInt(double v) {
    if (std::isnan(v))
        return 0;
    return int(std::clamp(v, -1e9, 1e9));
}

// The step that a log ratio written in decimal digits stands for: its
// integer part, moved one unit away from zero when the first digit after
// the point is 6 or more.
int StepOfDecimal(const korvan::text::DecimalDigits& d) {
    if (d.NotANumber || d.Infinite)
        return d.Negative ? -1000000000 : 1000000000;
    const int len = int(d.Digits.size());
    long long whole = 0;
    for (int i = 0; i < std::min(d.Exponent, len); ++i)
        whole = whole * 10 + (d.Digits[size_t(i)] - '0');
    for (int i = len; i < d.Exponent && whole < 1000000000; ++i)
        whole *= 10;
    const char firstDecimal = d.Exponent >= 0 && d.Exponent < len ? d.Digits[size_t(d.Exponent)] : '0';
    if (firstDecimal >= '6')
        ++whole;
    whole = std::min<long long>(whole, 1000000000);
    return int(d.Negative ? -whole : whole);
}

bool OnlyOf(std::string_view text, std::string_view allowed) {
    return text.find_first_not_of(allowed) == std::string_view::npos;
}

int CountOf(std::string_view text, char c) {
    return int(std::count(text.begin(), text.end(), c));
}

// Drops the last `n` characters when `text` holds `mark` anywhere.
bool DropIfHolds(std::string& text, std::string_view mark, size_t n) {
    if (text.find(mark) == std::string::npos)
        return false;
    text.erase(text.size() - std::min(n, text.size()));
    return true;
}

void DropUnitSuffix(std::string& text, std::initializer_list<std::string_view> spellings) {
    for (std::string_view s : spellings)
        DropIfHolds(text, s, 2);
}

// The checks every typed number passes first.
bool PlainNumberText(const std::string& text, std::string_view allowed) {
    return !text.empty() && text != "." && OnlyOf(text, allowed) && CountOf(text, '.') <= 1 && text != "0";
}

// The typed gain's own checks; cuts the text after its first decimal digit.
bool GainNumberText(std::string& text, std::string_view allowed) {
    if (text.empty() || text == "-" || text == "." || !OnlyOf(text, allowed) || CountOf(text, '.') > 1 ||
        CountOf(text, '-') > 1)
        return false;
    const size_t point = text.find('.');
    if (point != std::string::npos) {
        if (point + 1 >= text.size())
            return false;
        text.erase(point + 2);
    }
    return true;
}

std::string Printed(const char* format, double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, format, value);
    return buf;
}

} // namespace

double FreqOfStep(int step) {
    return IndexToFreq(step + 170);
}

int FreqStepFromHz(double hz) {
    return StepOfDecimal(korvan::text::FloatToDecimal(LogRatio(hz), 3, 2));
}

int FreqStepFromHzPlain(double hz) {
    return StepOfDecimal(korvan::text::FloatToDecimal(LogRatio(hz), 15, -1));
}

std::string FreqText(int step) {
    const double hz = FreqOfStep(step);
    return hz >= 1000 ? Printed("%4.2f", hz * 0.001) + "KHz" : Printed("%4.1f", hz) + "Hz";
}

int SnapFreqToIndex(double value, bool kHz) {
    return std::clamp(FreqToIndex(kHz ? value * 1000 : value), 0, 300);
}

double QOfIndex(int index) {
    return double(QTable[size_t(std::clamp(index, 0, kQIndexMax))]);
}

std::string QText(int index) {
    return FloatToStrF(QOfIndex(index), ffFixed, 15, 2);
}

int GainStepFromDb(double db) {
    return ClampToInt(std::round(db * 10));
}

int GainStepFromDbBand(double db) {
    const int h = ClampToInt(std::trunc(db * 100));
    const int magnitude = std::abs(h);
    const int step = magnitude / 10 + (magnitude % 10 > 5 ? 1 : 0);
    return h < 0 ? -step : step;
}

std::string GainText(int step) {
    return FloatToStr(step / 10.0) + "dB";
}

std::optional<int> ParseTypedFreq(std::string text, bool allowComma) {
    DropUnitSuffix(text, {"HZ", "Hz", "hZ", "hz"});
    bool kHz = false;
    for (std::string_view k : {"k", "K"})
        kHz = DropIfHolds(text, k, 1) || kHz;
    if (!PlainNumberText(text, allowComma ? "0123456789.," : "0123456789."))
        return std::nullopt;
    const double value = StrToFloat(text);
    if (!(value > 0))
        return std::nullopt;
    return SnapFreqToIndex(value, kHz) - 170;
}

std::optional<int> ParseTypedQ(const std::string& text) {
    if (!PlainNumberText(text, "0123456789.,"))
        return std::nullopt;
    double value = StrToFloat(text);
    if (value > 128)
        value = 128;
    else if (value <= 0.4)
        value = 0.4;
    return std::clamp(QToIndex(value), 0, kQIndexMax);
}

std::optional<int> ParseTypedGain(std::string text) {
    DropUnitSuffix(text, {"DB", "Db", "dB", "db"});
    if (!GainNumberText(text, "0123456789.,-"))
        return std::nullopt;
    const double value = std::clamp(StrToFloat(text), -12.0, 12.0);
    return int(float(value * 10));
}

std::optional<int> ParseTypedQPlain(const std::string& text) {
    if (!PlainNumberText(text, "0123456789."))
        return std::nullopt;
    const double value = StrToFloat(text);
    if (!(value > 0))
        return std::nullopt;
    return std::clamp(QToIndex(std::min(value, 1e6)), 0, kQIndexMax);
}

std::optional<int> ParseTypedHalfGain(std::string text) {
    DropUnitSuffix(text, {"DB", "Db", "dB", "db"});
    if (!GainNumberText(text, "0123456789.-"))
        return std::nullopt;
    // On the half-dB grid by the text: below .5 the whole part, .5 stays,
    // above it the one decimal that is left.
    const size_t point = text.find('.');
    if (point != std::string::npos && text[point + 1] < '5')
        text.erase(point);
    if (text.empty() || text == "-")
        text += "0";
    const double value = std::clamp(StrToFloat(text), -12.0, 12.0);
    return int(value * 2);
}

int HalfGainStepFromDb(float db) {
    return ClampToInt(std::trunc(double(db) * 2));
}

std::string HalfGainText(int halfStep) {
    return FloatToStr(halfStep * 0.5) + "dB";
}

} // namespace korvan::curves
