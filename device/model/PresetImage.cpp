#include "device/model/PresetImage.h"

#include <cstring>
#include <string_view>

namespace {

using namespace korvan::layout;

void PutText(PresetImage& image, std::size_t offset, std::string_view text) {
    std::memcpy(&image.bytes.at(offset), text.data(), text.size());
}

void PutBand(PresetImage& image, std::size_t offset, std::uint16_t freqIndex) {
    image.SetU16(offset + kBandGain, 120); // 0 dB
    image.SetU16(offset + kBandFreq, freqIndex);
    image.SetU8(offset + kBandQ, 35);   // Q 3.0
    image.SetU8(offset + kBandType, 0); // peak
}

void PutCommonStrip(PresetImage& image, int ch, std::uint16_t gain) {
    const std::size_t xover = CrossoverOffset(ch);
    image.SetU16(xover + kXoverHpFreq, 0);
    image.SetU16(xover + kXoverLpFreq, 300);
    image.SetU16(GainOffset(ch), gain);
    image.SetU16(LinkMaskOffset(ch), static_cast<std::uint16_t>(1u << KindIndex(ch)));
}

PresetImage BuildDefaultImage() {
    static constexpr std::uint16_t kInputBandFreqs[kInputPeqBands] = {41, 71, 101, 140, 170, 200, 240, 270};
    static constexpr std::uint16_t kOutputBandFreqs[kOutputPeqBands] = {31,  63,  95,  127, 158,
                                                                        190, 222, 253, 285};
    static constexpr const char* kInputNames[kInputs] = {"InA", "InB", "InC", "InD"};

    PresetImage image;
    PutText(image, kPresetName, "Default Preset");
    for (int i = 0; i < kInputs; ++i) {
        PutText(image, NameOffset(i), kInputNames[i]);
        const std::size_t gate = GateOffset(i);
        image.SetU16(gate + 0, 0);  // attack 1 ms
        image.SetU16(gate + 2, 99); // release 100 ms
        image.SetU16(gate + 4, 99); // hold 100 ms
        image.SetU16(gate + 6, 0);  // threshold -90 dB
        for (int b = 0; b < kGeqBands; ++b)
            image.SetU16(GeqOffset(i, b), 120);
        for (int b = 0; b < kInputPeqBands; ++b)
            PutBand(image, PeqBandOffset(i, b), kInputBandFreqs[b]);
        PutCommonStrip(image, i, 0);
    }
    for (int k = 0; k < kOutputs; ++k) {
        const int ch = kInputs + k;
        const char name[] = {'O', 'u', 't', static_cast<char>('1' + k)};
        PutText(image, NameOffset(ch), std::string_view(name, sizeof name));
        image.SetU16(SourceMaskOffset(ch), static_cast<std::uint16_t>(1u << (k % kInputs)));
        for (int i = 0; i < kInputs; ++i)
            image.SetU16(MixOffset(ch, i), 280);
        for (int b = 0; b < kOutputPeqBands; ++b)
            PutBand(image, PeqBandOffset(ch, b), kOutputBandFreqs[b]);
        const std::size_t comp = CompOffset(ch);
        image.SetU16(comp + 0, 0);   // ratio 1:1.0
        image.SetU16(comp + 2, 49);  // attack 50 ms
        image.SetU16(comp + 4, 499); // release 500 ms
        image.SetU16(comp + 6, 0);   // knee 0 dB
        image.SetU16(comp + 8, 220); // threshold +20 dB
        const std::size_t limit = LimitOffset(ch);
        image.SetU16(limit + 0, 49);
        image.SetU16(limit + 2, 499);
        image.SetU16(limit + 4, 0);
        image.SetU16(limit + 6, 220);
        PutCommonStrip(image, ch, 280);
    }
    return image;
}

} // namespace

const PresetImage& DefaultPresetImage() {
    static const PresetImage image = BuildDefaultImage();
    return image;
}
