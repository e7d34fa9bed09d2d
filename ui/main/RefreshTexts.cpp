#include "ui/main/RefreshTexts.h"

#include "device/protocol/SharedConstants.h"
#include "device/protocol/ValueScales.h"
#include "platform/text/Format.h"

namespace korvan {

namespace {
constexpr int LimitRatio = 15;
} // namespace

std::string FrequencyText(int frequencyIndex) {
    const float f = float(IndexToFreq(frequencyIndex));
    if (f >= 1000.0f)
        return text::Printf("%4.2fKHz", {double(f) * 0.001});
    return text::Printf("%4.1fHz", {double(f)});
}

std::string LevelText(int position) {
    if (position >= 0)
        return text::Printf("+%3.1fdB", {position * 0.1});
    const int m = -position;
    const double db = m <= 200 ? m * 0.1 : (m - 200) * 0.5 + 20;
    return text::Printf("-%3.1fdB", {db});
}

std::string GeqText(int position) {
    const double db = (position - 120) * 0.1;
    return text::Printf(position >= 120 ? "+%3.1f" : "%4.1f", {db});
}

std::string ThresholdText(int position) {
    return text::Printf("%+1.1fdB", {position * 0.5});
}

std::string GateTimeText(int position) {
    return text::Printf("%dms", {position + 1});
}

std::string DynamicsTimeText(int position) {
    return text::Printf("%3dms", {position + 1});
}

std::string KneeText(int position) {
    return text::Printf("%ddB", {position});
}

std::string RatioText(int position) {
    if (position == LimitRatio)
        return "Limit";
    if (position < 0 || position >= int(RatioLabels.size()))
        return "";
    return std::string("1:") + RatioLabels[std::size_t(position)];
}

} // namespace korvan
