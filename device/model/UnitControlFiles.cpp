// The device model's side of the ".prs" and ".unt" files.

#include "device/model/LUnitControl.h"
#include "device/protocol/CommandCodes.h"
#include "device/protocol/CommandRecords.h"
#include "platform/sys/FileIo.h"

#include <algorithm>

using namespace korvan::layout;

namespace {

constexpr bool kQueued = true;

std::uint8_t Bit(std::uint16_t mask, int bit) {
    return static_cast<std::uint8_t>((mask >> bit) & 1);
}

} // namespace

std::string LUnitControl::PresetToText() const {
    return korvan::PresetFileText(Image);
}

void LUnitControl::LoadPresetAndSend(std::span<const std::uint8_t> body) {
    if (body.size() != korvan::kPresetBodySize)
        return;
    std::copy(body.begin(), body.end(), Image.bytes.begin() + korvan::kPresetBodyFirst);

    // Every parameter the file carries goes to the unit, in image order, PEQ
    // bands last (with their bypass bits); nothing is spread over link groups.
    const std::uint8_t id = Id();
    SendAlways(CM_MCS_PRESETNAME(id, GetPresetNameChars()), kQueued);
    auto sendStrip = [&](int ch) {
        const auto c = static_cast<std::uint8_t>(ch);
        SendAlways(CM_MCS_GAIN(id, c, GetGain(ch)), kQueued);
        SendAlways(CM_MCS_POLARITY(id, c, GetPolarity(ch) ? 1 : 0), kQueued);
        SendAlways(CM_MCS_DELAY(id, c, GetDelay(ch)), kQueued);
        SendAlways(CM_MCS_CMD(id, MCS_LINK, c, static_cast<std::uint8_t>(GetLinkMask(ch) & 0xFF)), kQueued);
    };
    auto sendCrossover = [&](int ch) {
        const CrossoverSetting x = GetCrossover(ch);
        SendAlways(CM_MCS_HIGH_PASS(id, static_cast<std::uint8_t>(ch), x.hpFreq, x.hpType), kQueued);
        SendAlways(CM_MCS_LOW_PASS(id, static_cast<std::uint8_t>(ch), x.lpFreq, x.lpType), kQueued);
    };
    for (int i = 0; i < kInputs; ++i) {
        const auto c = static_cast<std::uint8_t>(i);
        SendAlways(CM_MCS_CHANNEL_NAME(id, c, GetChannelNameChars(i)), kQueued);
        SendAlways(CM_MCS_GATE(id, c, GetGate(i)), kQueued);
        for (int b = 0; b < kGeqBands; ++b)
            SendAlways(CM_MCS_GEQ(id, c, static_cast<std::uint8_t>(b), GetGeqBand(i, b)), kQueued);
        sendCrossover(i);
        sendStrip(i);
    }
    for (int ch = kInputs; ch < kChannels; ++ch) {
        const auto c = static_cast<std::uint8_t>(ch);
        SendAlways(CM_MCS_CHANNEL_NAME(id, c, GetChannelNameChars(ch)), kQueued);
        SendAlways(CM_MCS_MATRIX(id, c, GetSourceMask(ch)), kQueued);
        for (int i = 0; i < kInputs; ++i)
            SendAlways(CM_MCS_MIX(id, c, static_cast<std::uint8_t>(i), GetMixLevel(ch, i)), kQueued);
        sendCrossover(ch);
        SendAlways(CM_MCS_COMP(id, c, GetComp(ch)), kQueued);
        SendAlways(CM_MCS_LIMIT(id, c, GetLimit(ch)), kQueued);
        sendStrip(ch);
    }
    for (int ch = 0; ch < kChannels; ++ch) {
        const std::uint16_t mute = Image.U16(MuteMaskOffset(ch));
        SendAlways(CM_MCS_MUTE(id, static_cast<std::uint8_t>(ch), Bit(mute, KindIndex(ch))), kQueued);
    }
    for (int ch = 0; ch < kChannels; ++ch) {
        const std::uint16_t bypass = Image.U16(BandBypassMaskOffset(ch));
        for (int b = 0; b < PeqBandCount(ch); ++b)
            SendAlways(CM_MCS_PEQ(id, static_cast<std::uint8_t>(ch), static_cast<std::uint8_t>(b),
                                  GetPeqBand(ch, b), Bit(bypass, b)),
                       kQueued);
    }
}

bool LUnitControl::OpenPresetFile(const std::string& path) {
    const auto file = korvan::sys::ReadFileBytes(path, korvan::kPresetFileSize + 1);
    const auto body = file ? korvan::PresetFileBody(*file) : std::nullopt;
    if (!body) {
        host_.ShowInformation("SID_INFO_ERROR_FILE");
        return false;
    }
    LoadPresetAndSend(*body);
    return true;
}

bool LUnitControl::WriteFileOrReport(const std::string& path, std::span<const std::uint8_t> data) {
    if (korvan::sys::WriteFileReplacing(path, data))
        return true;
    host_.ShowFileWriteError(path);
    return false;
}

bool LUnitControl::SavePresetFile() {
    std::string text = PresetToText();
    text += "\r\n";
    const auto chosen = host_.AskSaveFileName(korvan::PresetFileKind::Preset);
    if (!chosen)
        return false;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return WriteFileOrReport(korvan::WithFileExtension(*chosen, ".prs"), {bytes, text.size()});
}

std::optional<korvan::UnitFile> LUnitControl::ReadUnitFile(const std::string& path) {
    const auto file = korvan::sys::ReadFileBytes(path, korvan::kUnitFileSize);
    auto unit = file ? korvan::ParseUnitFile(*file) : std::nullopt;
    if (!unit)
        host_.ShowInformation("SID_INFO_ERROR_DOWNLAOD");
    return unit;
}

bool LUnitControl::SaveUnitFile() {
    const auto chosen = host_.AskSaveFileName(korvan::PresetFileKind::Unit);
    if (!chosen)
        return false;
    std::array<korvan::UnitRecord, korvan::kPresetSlots> records{};
    for (std::size_t n = 0; n < records.size(); ++n) {
        if (PresetUsed[n])
            std::copy_n(StoredPresets[n].begin(), korvan::kUnitRecordSize, records[n].begin());
        else
            records[n].fill(korvan::kEmptyRecordFill);
    }
    const korvan::Bytes file = korvan::BuildUnitFile(DeviceInfo, records);
    return WriteFileOrReport(korvan::WithFileExtension(*chosen, ".unt"), file);
}
