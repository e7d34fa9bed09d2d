#include "device/protocol/ValueScales.h"

#include "device/protocol/SharedConstants.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

constexpr double SamplesPerMs = 96.0;
constexpr double MetresPerFoot = 0.30480370641307; // 1 / 3.2808
constexpr double QBaseToIndex = 1.0596;
constexpr double QBaseFromIndex = 1.0594;
constexpr double QMax = 128.0;

// Discards the fraction toward zero. Values beyond int's range (or NaN, from
// nonsense input) are held at the range's ends instead of overflowing.
int Truncate(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    constexpr double lo = static_cast<double>(std::numeric_limits<int>::min());
    constexpr double hi = static_cast<double>(std::numeric_limits<int>::max());
    if (x <= lo) {
        return std::numeric_limits<int>::min();
    }
    if (x >= hi) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(x);
}

// Holds an index computed from nonsense input (a frequency or Q of 0 or less,
// infinities) far from int's ends, so the rounding step cannot overflow.
double BoundedIndex(double x) {
    constexpr double limit = 1e9;
    if (std::isnan(x)) {
        return 0.0;
    }
    return x < -limit ? -limit : (x > limit ? limit : x);
}

// Fixed-point text of x with the given decimals, always with a '.' point.
std::string FixedText(double x, int decimals) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
    return std::string(buf, res.ec == std::errc() ? res.ptr : buf);
}

} // namespace

double IndexToFreq(int index) {
    return 1000.0 * std::pow(FrequencyStepRatio, index - 170);
}

int FreqToIndex(double hz) {
    const double a = BoundedIndex(std::log(hz * 0.001) / std::log(FrequencyStepRatio) + 170.0);
    const int n = Truncate(a);
    return (a - n > 0.5) ? n + 1 : n;
}

double DeviceToGain(int value) {
    return (value - 120) * 0.1;
}

int GainToDevice(double db) {
    // volatile keeps the product a rounded double even where the compiler
    // could otherwise hold it wider.
    volatile double p = db * 10.0;
    return Truncate(p) + 120;
}

int QToIndex(double q) {
    const double b = BoundedIndex(std::log(QMax / q) / std::log(QBaseToIndex));
    int whole = Truncate(b);
    // Round half up on the first decimal of b's shortest text of at most 15
    // significant digits.
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, b, std::chars_format::general, 15);
    const std::string_view text(buf, res.ec == std::errc() ? static_cast<std::size_t>(res.ptr - buf) : 0);
    const std::size_t point = text.find('.');
    const bool exponent = text.find('e') != std::string_view::npos;
    if (!exponent && point != std::string_view::npos && point + 1 < text.size() && text[point + 1] >= '5') {
        ++whole;
    }
    return 100 - whole;
}

double IndexToQ(int index) {
    const int n = index & 0xFF;
    const double q = QMax / std::pow(QBaseFromIndex, 100 - n);
    const std::string text = FixedText(q, 2);
    double result = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), result);
    return result;
}

std::string FormatMixGain(int value) {
    if (value >= 0) {
        return "+" + FixedText(value * 0.1, 1) + "dB";
    }
    const float m = static_cast<float>(-static_cast<long long>(value));
    const float shown =
        m <= 200.0f ? static_cast<float>(m * 0.1) : static_cast<float>((m - 200.0f) * 0.5 + 20.0);
    return "-" + FixedText(shown, 1) + "dB";
}

int DelayToSamples(double value, int unit) {
    switch (unit) {
    case 1:
        return Truncate(value * SamplesPerMs * 1000.0 / DelaySpeedOfSound);
    case 2:
        return Truncate(value * SamplesPerMs * 1000.0 / DelaySpeedOfSound * MetresPerFoot);
    default:
        return Truncate(value * SamplesPerMs);
    }
}

bool IsNumericText(std::string_view text) {
    for (char c : text) {
        if ((c < '0' || c > '9') && c != '.') {
            return false;
        }
    }
    return true;
}
