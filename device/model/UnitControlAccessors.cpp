// Construction and read accessors of the device model.

#include "device/model/LUnitControl.h"

using namespace korvan::layout;

namespace {

PeqBand ReadBand(const PresetImage& image, int ch, int band) {
    const std::size_t at = PeqBandOffset(ch, band);
    return PeqBand{image.U16(at + kBandGain), image.U16(at + kBandFreq), image.U8(at + kBandQ),
                   image.U8(at + kBandType)};
}

} // namespace

LUnitControl::LUnitControl(korvan::UnitHost& host) : host_(host) {
    LoadDefaults();
}

void LUnitControl::LoadDefaults() {
    Image = DefaultPresetImage();
}

std::uint16_t LUnitControl::GetGain(int ch) const {
    return Image.U16(GainOffset(ch));
}

std::uint16_t LUnitControl::GetDelay(int ch) const {
    return Image.U16(DelayOffset(ch));
}

bool LUnitControl::GetPolarity(int ch) const {
    return Image.U16(PolarityOffset(ch)) != 0;
}

bool LUnitControl::IsMuted(int ch) const {
    return (Image.U16(MuteMaskOffset(ch)) >> KindIndex(ch)) & 1;
}

bool LUnitControl::IsPeqBandBypassed(int ch, int band) const {
    return (Image.U16(BandBypassMaskOffset(ch)) >> band) & 1;
}

PeqBand LUnitControl::GetPeqBand(int ch, int band) const {
    return ReadBand(Image, ch, band);
}

std::uint16_t LUnitControl::GetGeqBand(int input, int band) const {
    return Image.U16(GeqOffset(input, band));
}

GateSetting LUnitControl::GetGate(int input) const {
    const std::size_t at = GateOffset(input);
    return GateSetting{Image.U16(at), Image.U16(at + 2), Image.U16(at + 4), Image.U16(at + 6)};
}

CompSetting LUnitControl::GetComp(int output) const {
    const std::size_t at = CompOffset(output);
    return CompSetting{Image.U16(at), Image.U16(at + 2), Image.U16(at + 4), Image.U16(at + 6),
                       Image.U16(at + 8)};
}

LimitSetting LUnitControl::GetLimit(int output) const {
    const std::size_t at = LimitOffset(output);
    return LimitSetting{Image.U16(at), Image.U16(at + 2), Image.U16(at + 4), Image.U16(at + 6)};
}

CrossoverSetting LUnitControl::GetCrossover(int ch) const {
    const std::size_t at = CrossoverOffset(ch);
    return CrossoverSetting{Image.U16(at + kXoverHpFreq), Image.U16(at + kXoverLpFreq),
                            Image.U8(at + kXoverHpType), Image.U8(at + kXoverLpType)};
}

PeqBand LUnitControl::GetDefaultPeqBand(int ch, int band) const {
    return ReadBand(DefaultPresetImage(), ch, band);
}

std::uint16_t LUnitControl::GetDefaultGeqBand(int input, int band) const {
    return DefaultPresetImage().U16(GeqOffset(input, band));
}

const char* LUnitControl::GetChannelNameChars(int ch) const {
    return Image.Chars(NameOffset(ch));
}

const char* LUnitControl::GetPresetNameChars() const {
    return Image.Chars(kPresetName);
}

std::uint16_t LUnitControl::GetLinkMask(int ch) const {
    return Image.U16(LinkMaskOffset(ch));
}

std::uint16_t LUnitControl::GetSourceMask(int output) const {
    return Image.U16(SourceMaskOffset(output));
}

std::uint16_t LUnitControl::GetMixLevel(int output, int input) const {
    return Image.U16(MixOffset(output, input));
}

std::uint16_t LUnitControl::GetPeqBypassMask(int ch) const {
    return Image.U16(PeqBypassMaskOffset(ch));
}

std::uint16_t LUnitControl::GetGeqBypassMask() const {
    return Image.U16(kGeqBypassMask);
}

std::uint16_t LUnitControl::GetDelayUnit() const {
    return Image.U16(kDelayUnit);
}

std::uint16_t LUnitControl::GetWorkMode() const {
    return Image.U16(kWorkMode);
}

std::uint16_t LUnitControl::GetSineFreqIndex() const {
    return Image.U16(kSineFreqIndex);
}

bool LUnitControl::IsPresetUsed(int n) const {
    return PresetUsed.at(static_cast<std::size_t>(n)) != 0;
}

void LUnitControl::MarkPresetUsed(int n) {
    PresetUsed.at(static_cast<std::size_t>(n)) = 1;
}

std::uint16_t LUnitControl::GetLinkGroupMask(int ch) const {
    const std::uint16_t bit = static_cast<std::uint16_t>(1u << KindIndex(ch));
    const std::uint16_t own = GetLinkMask(ch);
    if (own & bit)
        return own;
    const int first = KindFirst(ch);
    for (int j = first; j < first + KindCount(ch); ++j) {
        const std::uint16_t mask = GetLinkMask(j);
        if (mask & bit)
            return mask;
    }
    return bit;
}

const korvan::StoredPreset& LUnitControl::GetStoredPreset(int slot) const {
    return StoredPresets.at(static_cast<std::size_t>(slot - 1));
}
