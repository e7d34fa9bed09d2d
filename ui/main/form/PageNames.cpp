#include "ui/main/form/PageNames.h"

#include "device/protocol/SharedConstants.h"

#include <array>

namespace korvan::mainform {

namespace {
constexpr std::array<const char*, PageCount - ChannelCount> FunctionPages = {
    "Comp", "Delay", "Gain", "Matrix", "Gate", "Limit", "Geq"};
} // namespace

std::string ChannelShort(int channel) {
    if (channel < InputCount)
        return std::string(1, char('A' + channel));
    return std::to_string(channel - InputCount + 1);
}

std::string DynamicsPageHead(int channel) {
    return (channel < InputCount ? "In " : "Out ") + ChannelShort(channel);
}

std::string DynamicsPageTitle(int channel, const std::string& processor) {
    return DynamicsPageHead(channel) + "  " + processor;
}

std::string ChannelSuffix(int channel) {
    return (channel < InputCount ? "In" : "Out") + ChannelShort(channel);
}

std::string PageSuffix(int page) {
    if (page < ChannelCount)
        return ChannelSuffix(page);
    return FunctionPages[std::size_t(page - ChannelCount)];
}

std::string PageCaption(int page) {
    return page == GeqPage ? "GEQ" : PageSuffix(page);
}

TColor OverlayColour(int channel) {
    return TColor(TotalCurveColors[std::size_t(channel)]);
}

} // namespace korvan::mainform
