// Preset names and flags, paged image transfers, device information and the
// channel copy inside the model.

#include "device/model/LUnitControl.h"
#include "platform/text/AnsiText.h"

#include <algorithm>
#include <cstring>
#include <string>

using namespace korvan::layout;
using korvan::PageResult;

namespace {

constexpr std::string_view kDefaultPresetName = "Default Preset";

// Byte i of a reply payload; a reply shorter than expected reads as zeros.
std::uint8_t PayloadByte(std::span<const std::uint8_t> payload, std::size_t i) {
    return i < payload.size() ? payload[i] : 0;
}

} // namespace

void LUnitControl::SetPresetFlags(std::span<const std::uint8_t> payload) {
    for (std::size_t i = 0; i < PresetUsed.size(); ++i)
        PresetUsed[i] = PayloadByte(payload, i) == korvan::kUsedSlotMark ? 1 : 0;
}

void LUnitControl::ResetPresetNames() {
    const std::string name(kDefaultPresetName);
    for (int slot = 1; slot <= korvan::kPresetSlots; ++slot) {
        host_.SetRecallPresetRow(slot, name);
        host_.SetStorePresetRow(slot - 1, name);
    }
}

void LUnitControl::SetPresetListName(int slot, std::span<const std::uint8_t> payload) {
    if (slot < 1 || slot > korvan::kPresetSlots)
        return;
    std::string bytes(kPresetNameLen, ' ');
    for (std::size_t i = 0; i < kPresetNameLen; ++i) {
        const std::uint8_t c = PayloadByte(payload, i + 1);
        if (c != 0)
            bytes[i] = static_cast<char>(c);
    }
    const std::string name = korvan::text::FromAnsiBuffer(bytes);
    host_.SetRecallPresetRow(slot, name);
    host_.SetStorePresetRow(slot - 1, name);
}

void LUnitControl::SetCurrentName(std::string_view name) {
    for (std::size_t i = 0; i < kPresetNameLen; ++i)
        Image.SetU8(kPresetName + i, static_cast<std::uint8_t>(i < name.size() ? name[i] : ' '));
}

PageResult LUnitControl::StorePage(std::span<const std::uint8_t> payload) {
    if (payload.empty())
        return PageResult::Ignored;
    const int page = payload[0];
    const auto data = payload.subspan(1);
    if (page > korvan::kLastPage || data.size() > korvan::kPageSize)
        return PageResult::Ignored;
    std::copy(data.begin(), data.end(),
              PageBuffer.begin() + page * static_cast<std::ptrdiff_t>(korvan::kPageSize));
    return page == korvan::kLastPage ? PageResult::Completed : PageResult::Stored;
}

PageResult LUnitControl::ReceiveStateBlock(std::span<const std::uint8_t> payload) {
    const PageResult result = StorePage(payload);
    if (result == PageResult::Completed) {
        // The head (bytes 0 and 1) is the unit's own; the rest is the state.
        std::copy(PageBuffer.begin() + 2, PageBuffer.begin() + kImageSize, Image.bytes.begin() + 2);
    }
    return result;
}

PageResult LUnitControl::ReceivePresetBlock(int slot, std::span<const std::uint8_t> payload) {
    if (slot < 1 || slot > korvan::kPresetSlots)
        return PageResult::Ignored;
    const PageResult result = StorePage(payload);
    if (result == PageResult::Completed) {
        korvan::StoredPreset& stored = StoredPresets[static_cast<std::size_t>(slot - 1)];
        stored[0] = static_cast<std::uint8_t>(slot);
        std::copy_n(PageBuffer.begin(), stored.size() - 1, stored.begin() + 1);
    }
    return result;
}

void LUnitControl::SetDeviceInfo(std::span<const std::uint8_t> payload) {
    for (std::size_t i = 0; i < DeviceInfo.size(); ++i)
        DeviceInfo[i] = PayloadByte(payload, i);
}

void LUnitControl::CopyChannelSettings(int src, int dst) {
    if (!IsChannel(src) || !IsChannel(dst) || IsInput(src) != IsInput(dst))
        return;
    Image.SetU16(BandBypassMaskOffset(dst), Image.U16(BandBypassMaskOffset(src)));
    for (const std::size_t mask : {MuteMaskOffset(dst), PeqBypassMaskOffset(dst)}) {
        const std::uint16_t word = Image.U16(mask);
        const bool on = (word >> KindIndex(src)) & 1;
        const auto bit = static_cast<std::uint16_t>(1u << KindIndex(dst));
        Image.SetU16(mask, static_cast<std::uint16_t>(on ? (word | bit) : (word & ~bit)));
    }
    // Inputs: gate to delay; outputs: crossover to delay.
    const std::size_t from = IsInput(src) ? in::kGate : out::kCrossover;
    const std::size_t to = IsInput(src) ? in::kLinkMask : out::kLinkMask;
    std::memmove(&Image.bytes.at(BlockOffset(dst) + from), &Image.bytes.at(BlockOffset(src) + from),
                 to - from);
}
