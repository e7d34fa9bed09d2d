#include "device/model/PresetImage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct ByteRun {
    const char* what;
    std::size_t offset; // absolute image offset, written out rather than computed
    std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> Text(const std::string& s, std::size_t size) {
    std::vector<std::uint8_t> v(s.begin(), s.end());
    v.resize(size, 0);
    return v;
}

std::vector<std::uint8_t> Repeat(std::vector<std::uint8_t> unit, int times) {
    std::vector<std::uint8_t> v;
    for (int i = 0; i < times; ++i)
        v.insert(v.end(), unit.begin(), unit.end());
    return v;
}

TEST(PresetImage, DefaultImageBytes) {
    const std::vector<ByteRun> runs = {
        {"head", 0, {0, 0}},
        {"preset name", 2, Text("Default Preset", 14)},
        {"InA name", 16, Text("InA", 8)},
        {"InD name", 436, Text("InD", 8)},
        {"InB gate", 164, {0, 0, 99, 0, 99, 0, 0, 0}},
        {"InA graphic EQ", 32, Repeat({120, 0}, 31)},
        {"InA PEQ band 0", 94, {120, 0, 41, 0, 35, 0}},
        {"InA PEQ band 7", 136, {120, 0, 0x0E, 0x01, 35, 0}},
        {"InA crossover", 142, {0, 0, 0x2C, 0x01, 0, 0}},
        {"InA gain, polarity, delay, link", 148, {0, 0, 0, 0, 0, 0, 1, 0}},
        {"InD link mask", 574, {8, 0}},
        {"Out1 name", 576, Text("Out1", 8)},
        {"Out1 source mask and mixes", 584, {1, 0, 0x18, 1, 0x18, 1, 0x18, 1, 0x18, 1}},
        {"Out1 crossover", 594, {0, 0, 0x2C, 0x01, 0, 0}},
        {"Out1 PEQ band 0", 600, {120, 0, 31, 0, 35, 0}},
        {"Out1 compressor", 654, {0, 0, 49, 0, 0xF3, 0x01, 0, 0, 220, 0}},
        {"Out1 limiter", 664, {49, 0, 0xF3, 0x01, 0, 0, 220, 0}},
        {"Out1 gain, polarity, delay, link", 672, {0x18, 0x01, 0, 0, 0, 0, 1, 0}},
        {"Out5 source mask", 1000, {1, 0}},
        {"Out8 name", 1304, Text("Out8", 8)},
        {"Out8 source mask", 1312, {8, 0}},
        {"Out8 last PEQ band", 1376, {120, 0, 0x1D, 0x01, 35, 0}},
        {"Out8 link mask", 1406, {0x80, 0}},
        {"masks, work mode, sine, unit, bypasses", 1408, std::vector<std::uint8_t>(40, 0)},
    };
    const PresetImage& image = DefaultPresetImage();
    for (const ByteRun& run : runs) {
        const std::vector<std::uint8_t> actual(image.bytes.begin() + run.offset,
                                               image.bytes.begin() + run.offset + run.bytes.size());
        EXPECT_EQ(actual, run.bytes) << run.what;
    }
}

TEST(PresetImage, WordsAreLittleEndianAndBoundsChecked) {
    PresetImage image;
    image.SetU16(1446, 0xABCD);
    EXPECT_EQ(image.bytes[1446], 0xCD);
    EXPECT_EQ(image.bytes[1447], 0xAB);
    EXPECT_EQ(image.U16(1446), 0xABCD);
    EXPECT_THROW(image.U16(1447), std::out_of_range);
    EXPECT_THROW(image.SetU16(1447, 1), std::out_of_range);
    EXPECT_EQ(image.bytes[1447], 0xAB); // a refused write changes nothing
}

TEST(PresetImage, LayoutOffsetsCoverTheImage) {
    using namespace korvan::layout;
    EXPECT_EQ(BlockOffset(3) + kInputBlockSize, kOutputBlocks);
    EXPECT_EQ(BlockOffset(11) + kOutputBlockSize, kInputMuteMask);
    EXPECT_EQ(BandBypassMaskOffset(11) + 2, kWorkMode);
    EXPECT_EQ(PeqBandOffset(11, 8), 1376u);
    EXPECT_EQ(LinkMaskOffset(0), 154u);
    EXPECT_EQ(MixOffset(4, 3), 592u);
}

} // namespace
