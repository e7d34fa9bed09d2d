// Setters of the device model: store into the image, over the link group
// where the parameter is linked, then send one record for the edited channel.

#include "device/model/LUnitControl.h"
#include "device/protocol/CommandCodes.h"
#include "device/protocol/CommandRecords.h"

#include <cstring>

using namespace korvan::layout;

namespace {

std::uint16_t WithBit(std::uint16_t mask, int bit, bool on) {
    const auto b = static_cast<std::uint16_t>(1u << bit);
    return static_cast<std::uint16_t>(on ? (mask | b) : (mask & ~b));
}

bool IsBand(int ch, int band) {
    return IsChannel(ch) && band >= 0 && band < PeqBandCount(ch);
}

} // namespace

template <class Write> void LUnitControl::ForLinkGroup(int ch, Write write) {
    // The group of a member is found through its leader; the edited channel
    // is always part of it, so model, unit and files agree.
    const std::uint16_t group = GetLinkGroupMask(ch) | static_cast<std::uint16_t>(1u << KindIndex(ch));
    const int first = KindFirst(ch);
    for (int j = 0; j < KindCount(ch); ++j) {
        if ((group >> j) & 1)
            write(first + j);
    }
}

bool LUnitControl::IsUpdating() const {
    return host_.IsUpdating();
}

std::uint8_t LUnitControl::Id() const {
    return host_.GetUnitId();
}

void LUnitControl::Send(const LCmd& cmd, bool append) {
    if (!host_.IsUpdating())
        host_.SendCmd(cmd, append);
}

void LUnitControl::SendAlways(const LCmd& cmd, bool append) {
    host_.SendCmd(cmd, append);
}

void LUnitControl::SetGain(int ch, std::uint16_t gain) {
    if (!IsChannel(ch))
        return;
    ForLinkGroup(ch, [&](int j) { Image.SetU16(GainOffset(j), gain); });
    Send(CM_MCS_GAIN(Id(), static_cast<std::uint8_t>(ch), gain), false);
}

void LUnitControl::SetDelay(int ch, std::uint16_t samples) {
    if (!IsChannel(ch))
        return;
    ForLinkGroup(ch, [&](int j) { Image.SetU16(DelayOffset(j), samples); });
    Send(CM_MCS_DELAY(Id(), static_cast<std::uint8_t>(ch), samples), false);
}

void LUnitControl::SetPolarity(int ch, std::uint8_t value) {
    if (!IsChannel(ch))
        return;
    ForLinkGroup(ch, [&](int j) { Image.SetU16(PolarityOffset(j), value); });
    Send(CM_MCS_POLARITY(Id(), static_cast<std::uint8_t>(ch), value), false);
}

void LUnitControl::SetMute(int ch, std::uint8_t on) {
    if (!IsChannel(ch))
        return;
    const std::size_t at = MuteMaskOffset(ch);
    ForLinkGroup(ch, [&](int j) { Image.SetU16(at, WithBit(Image.U16(at), KindIndex(j), on != 0)); });
    Send(CM_MCS_MUTE(Id(), static_cast<std::uint8_t>(ch), on), false);
}

void LUnitControl::SetPeq(int ch, int band, PeqBand peq, std::uint8_t bypass) {
    if (!IsBand(ch, band))
        return;
    ForLinkGroup(ch, [&](int j) {
        const std::size_t at = PeqBandOffset(j, band);
        Image.SetU16(at + kBandGain, peq.gain);
        Image.SetU16(at + kBandFreq, peq.freq);
        Image.SetU8(at + kBandQ, peq.q);
        Image.SetU8(at + kBandType, peq.type);
        const std::size_t mask = BandBypassMaskOffset(j);
        Image.SetU16(mask, WithBit(Image.U16(mask), band, bypass != 0));
    });
    Send(CM_MCS_PEQ(Id(), static_cast<std::uint8_t>(ch), static_cast<std::uint8_t>(band), peq, bypass),
         false);
    host_.MarkOverlayChanged(ch);
}

void LUnitControl::SetGeq(int input, int band, std::uint16_t level) {
    if (!IsInput(input) || band < 0 || band >= kGeqBands)
        return;
    ForLinkGroup(input, [&](int j) { Image.SetU16(GeqOffset(j, band), level); });
    Send(CM_MCS_GEQ(Id(), static_cast<std::uint8_t>(input), static_cast<std::uint8_t>(band), level), false);
    host_.MarkOverlayChanged(input);
}

void LUnitControl::SetHighPass(int ch, CrossoverSetting setting) {
    if (!IsChannel(ch))
        return;
    ForLinkGroup(ch, [&](int j) {
        Image.SetU16(CrossoverOffset(j) + kXoverHpFreq, setting.hpFreq);
        Image.SetU8(CrossoverOffset(j) + kXoverHpType, setting.hpType);
    });
    Send(CM_MCS_HIGH_PASS(Id(), static_cast<std::uint8_t>(ch), setting.hpFreq, setting.hpType), false);
    host_.MarkOverlayChanged(ch);
}

void LUnitControl::SetLowPass(int ch, CrossoverSetting setting) {
    if (!IsChannel(ch))
        return;
    ForLinkGroup(ch, [&](int j) {
        Image.SetU16(CrossoverOffset(j) + kXoverLpFreq, setting.lpFreq);
        Image.SetU8(CrossoverOffset(j) + kXoverLpType, setting.lpType);
    });
    Send(CM_MCS_LOW_PASS(Id(), static_cast<std::uint8_t>(ch), setting.lpFreq, setting.lpType), false);
    host_.MarkOverlayChanged(ch);
}

void LUnitControl::SetComp(int output, CompSetting setting) {
    if (!IsOutput(output))
        return;
    ForLinkGroup(output, [&](int j) {
        const std::size_t at = CompOffset(j);
        Image.SetU16(at, setting.ratio);
        Image.SetU16(at + 2, setting.attack);
        Image.SetU16(at + 4, setting.release);
        Image.SetU16(at + 6, setting.knee);
        Image.SetU16(at + 8, setting.threshold);
    });
    Send(CM_MCS_COMP(Id(), static_cast<std::uint8_t>(output), setting), false);
}

void LUnitControl::SetLimit(int output, LimitSetting setting) {
    if (!IsOutput(output))
        return;
    ForLinkGroup(output, [&](int j) {
        const std::size_t at = LimitOffset(j);
        Image.SetU16(at, setting.attack);
        Image.SetU16(at + 2, setting.release);
        Image.SetU16(at + 4, setting.knee);
        Image.SetU16(at + 6, setting.threshold);
    });
    Send(CM_MCS_LIMIT(Id(), static_cast<std::uint8_t>(output), setting), false);
}

void LUnitControl::SetGate(int input, GateSetting setting) {
    if (!IsInput(input))
        return;
    ForLinkGroup(input, [&](int j) {
        const std::size_t at = GateOffset(j);
        Image.SetU16(at, setting.attack);
        Image.SetU16(at + 2, setting.release);
        Image.SetU16(at + 4, setting.hold);
        Image.SetU16(at + 6, setting.threshold);
    });
    Send(CM_MCS_GATE(Id(), static_cast<std::uint8_t>(input), setting), false);
}

void LUnitControl::SetMatrix(int output, int input, std::uint8_t on) {
    if (!IsOutput(output) || input < 0 || input >= kInputs)
        return;
    const std::size_t at = SourceMaskOffset(output);
    Image.SetU16(at, WithBit(Image.U16(at), input, on != 0));
    Send(CM_MCS_MATRIX(Id(), static_cast<std::uint8_t>(output), Image.U16(at)), false);
}

void LUnitControl::SetMix(int output, int input, std::uint16_t level) {
    if (!IsOutput(output) || input < 0 || input >= kInputs)
        return;
    Image.SetU16(MixOffset(output, input), level);
    Send(CM_MCS_MIX(Id(), static_cast<std::uint8_t>(output), static_cast<std::uint8_t>(input), level), false);
}

void LUnitControl::SetDelayUnit(std::uint8_t unit) {
    Image.SetU16(kDelayUnit, unit);
    Send(CM_MCS_DELAYUNIT(Id(), unit), false);
}

void LUnitControl::SetLinkMask(int ch, std::uint16_t mask) {
    if (!IsChannel(ch))
        return;
    Image.SetU16(LinkMaskOffset(ch), mask);
    Send(CM_MCS_CMD(Id(), MCS_LINK, static_cast<std::uint8_t>(ch), static_cast<std::uint8_t>(mask & 0xFF)),
         true);
}

void LUnitControl::SetChName(int ch, const char* name) {
    if (!IsChannel(ch) || name == nullptr)
        return;
    std::memcpy(&Image.bytes.at(NameOffset(ch)), name, kChannelNameLen);
    Send(CM_MCS_CHANNEL_NAME(Id(), static_cast<std::uint8_t>(ch), name), true);
}

void LUnitControl::SetPeqBypassMask(int ch, std::uint16_t mask) {
    if (IsChannel(ch))
        Image.SetU16(PeqBypassMaskOffset(ch), mask);
}

void LUnitControl::SetGeqBypassMask(std::uint16_t mask) {
    Image.SetU16(kGeqBypassMask, mask);
}

void LUnitControl::StoreWorkMode(std::uint8_t source, std::uint8_t sineIndex) {
    Image.SetU16(kWorkMode, source);
    Image.SetU16(kSineFreqIndex, sineIndex);
}
