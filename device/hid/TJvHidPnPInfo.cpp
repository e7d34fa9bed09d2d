#include "device/hid/TJvHidPnPInfo.h"

namespace {

using korvan::sys::hid::HidInterfaceInfo;
namespace hid = korvan::sys::hid;

// Texts are cut to what a 2048-byte property buffer of wide characters holds.
constexpr std::size_t kMaxText = 1023;

std::string Text(const HidInterfaceInfo& info, std::uint32_t code) {
    const auto it = info.text.find(code);
    if (it == info.text.end())
        return {};
    return it->second.substr(0, kMaxText);
}

// A list ends at its first empty entry.
std::vector<std::string> List(const HidInterfaceInfo& info, std::uint32_t code) {
    std::vector<std::string> out;
    const auto it = info.lists.find(code);
    if (it != info.lists.end())
        for (const std::string& s : it->second) {
            if (s.empty())
                break;
            out.push_back(s);
        }
    return out;
}

std::uint32_t Number(const HidInterfaceInfo& info, std::uint32_t code) {
    const auto it = info.numbers.find(code);
    return it == info.numbers.end() ? 0 : it->second;
}

} // namespace

TJvHidPnPInfo::TJvHidPnPInfo(const HidInterfaceInfo& info)
    : FDeviceID(info.deviceId), FDevicePath(info.devicePath),
      FCapabilities(Number(info, hid::kPropCapabilities)), FClassDescr(Text(info, hid::kPropClass)),
      FClassGUID(Text(info, hid::kPropClassGuid)), FCompatibleIDs(List(info, hid::kPropCompatibleIds)),
      FConfigFlags(Number(info, hid::kPropConfigFlags)), FDeviceDescr(Text(info, hid::kPropDeviceDescr)),
      FDriver(Text(info, hid::kPropDriver)), FFriendlyName(Text(info, hid::kPropFriendlyName)),
      FHardwareID(List(info, hid::kPropHardwareId)), FLowerFilters(List(info, hid::kPropLowerFilters)),
      FMfg(Text(info, hid::kPropMfg)), FUpperFilters(List(info, hid::kPropUpperFilters)),
      FAddress(Text(info, hid::kPropAddress)), FBusNumber(Number(info, hid::kPropBusNumber)),
      FBusType(Text(info, hid::kPropBusTypeGuid)), FCharacteristics(Text(info, hid::kPropCharacteristics)),
      FDevType(Number(info, hid::kPropDevType)), FEnumeratorName(Text(info, hid::kPropEnumeratorName)),
      FExclusive(Number(info, hid::kPropExclusive)), FLegacyBusType(Number(info, hid::kPropLegacyBusType)),
      FLocationInfo(Text(info, hid::kPropLocationInfo)),
      FPhysDevObjName(Text(info, hid::kPropPhysDevObjName)), FSecuritySDS(Text(info, hid::kPropSecuritySds)),
      FService(Text(info, hid::kPropService)), FUINumber(Number(info, hid::kPropUiNumber)),
      FUINumberFormat(Text(info, hid::kPropUiNumberDescFormat)) {}
