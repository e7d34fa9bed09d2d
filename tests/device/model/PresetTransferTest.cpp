#include "device/model/LUnitControl.h"
#include "platform/text/AnsiText.h"
#include "tests/support/FakeUnitHost.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using korvan::PageResult;
using korvan::test::FakeUnitHost;
using Payload = std::vector<std::uint8_t>;

// Page p of a 1450-byte source: page number, then its 50 bytes.
Payload Page(const std::vector<std::uint8_t>& source, int p) {
    Payload payload(51);
    payload[0] = static_cast<std::uint8_t>(p);
    std::copy_n(source.begin() + 50 * p, 50, payload.begin() + 1);
    return payload;
}

std::vector<std::uint8_t> Pattern() {
    std::vector<std::uint8_t> bytes(29 * 50);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(i * 3 + 1);
    return bytes;
}

class PresetTransfer : public ::testing::Test {
protected:
    FakeUnitHost host;
    LUnitControl model{host};
};

TEST_F(PresetTransfer, PresetFlagsShortPayloadReadsAsEmpty) {
    model.SetPresetFlags(Payload{0xFF, 0x00, 0xFE, 0xFF});
    EXPECT_TRUE(model.IsPresetUsed(0));
    EXPECT_FALSE(model.IsPresetUsed(1));
    EXPECT_FALSE(model.IsPresetUsed(2));
    EXPECT_TRUE(model.IsPresetUsed(3));
    for (int n = 4; n < 20; ++n)
        EXPECT_FALSE(model.IsPresetUsed(n)) << n;
    Payload all(20, 0xFF);
    all[19] = 1;
    model.SetPresetFlags(all);
    EXPECT_TRUE(model.IsPresetUsed(18));
    EXPECT_FALSE(model.IsPresetUsed(19));
}

TEST_F(PresetTransfer, PresetNamesFillBothListsWithBlanksForNul) {
    model.ResetPresetNames();
    ASSERT_EQ(host.recallRows.size(), 20u);
    ASSERT_EQ(host.storeRows.size(), 20u);
    EXPECT_EQ(host.recallRows.count(0), 0u) << "the factory row keeps its name";
    EXPECT_EQ(host.recallRows[20], "Default Preset");
    EXPECT_EQ(host.storeRows[0], "Default Preset");

    model.SetPresetListName(3, Payload{2, 'L', 'i', 'v', 'e', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(host.recallRows[3], "Live          ");
    EXPECT_EQ(host.storeRows[2], "Live          ");

    model.SetPresetListName(20, Payload{19, 'A', 'B'}); // short reply
    EXPECT_EQ(host.recallRows[20], "AB            ");
    EXPECT_EQ(host.storeRows[19], "AB            ");

    host.Clear();
    model.SetPresetListName(21, Payload{20, 'X'});
    model.SetPresetListName(0, Payload{0, 'X'});
    EXPECT_TRUE(host.recallRows.empty());
    EXPECT_TRUE(host.storeRows.empty());
}

// The unit's name bytes are 8-bit text of the system code page.
TEST_F(PresetTransfer, ListNamesAreShownThroughTheSystemCodePage) {
    {
        korvan::text::ScopedAnsiCodePage latin(korvan::text::AnsiCodePage::Windows1252);
        model.SetPresetListName(1, Payload{0, 'C', 'a', 'f', 0xE9, ' ', 0x80, 0, 0, 0, 0, 0, 0, 0, 0});
        EXPECT_EQ(host.recallRows[1], "Caf\u00e9 \u20ac        ");
    }
    korvan::text::ScopedAnsiCodePage chinese(korvan::text::AnsiCodePage::Gbk);
    model.SetPresetListName(2, Payload{1, 0xD6, 0xD0, 0xCE, 0xC4, 0xFF, 0});
    EXPECT_EQ(host.recallRows[2], "\u4e2d\u6587?         ");
    EXPECT_EQ(host.storeRows[1], host.recallRows[2]);
}

TEST_F(PresetTransfer, CurrentNameIsPaddedWithBlanks) {
    model.SetCurrentName("Hall");
    EXPECT_EQ(std::string(model.GetPresetNameChars(), 14), "Hall          ");
    model.SetCurrentName("A name far too long");
    EXPECT_EQ(std::string(model.GetPresetNameChars(), 14), "A name far too");
    EXPECT_EQ(model.GetImage().bytes[16], 'I') << "InA's name follows untouched";
}

TEST_F(PresetTransfer, StatePagesRebuildTheImageExceptItsHead) {
    const auto source = Pattern();
    for (int p = 0; p < 28; ++p)
        EXPECT_EQ(model.ReceiveStateBlock(Page(source, p)), PageResult::Stored);
    EXPECT_EQ(model.GetImage(), DefaultPresetImage()) << "nothing is applied before page 28";
    EXPECT_EQ(model.ReceiveStateBlock(Page(source, 28)), PageResult::Completed);
    const auto& image = model.GetImage().bytes;
    EXPECT_EQ(image[0], 0);
    EXPECT_EQ(image[1], 0);
    EXPECT_TRUE(std::equal(image.begin() + 2, image.end(), source.begin() + 2));
}

TEST_F(PresetTransfer, OversizedOrOutOfRangePagesAreIgnored) {
    const auto source = Pattern();
    Payload page29 = Page(source, 28);
    page29[0] = 29;
    Payload page255 = Page(source, 0);
    page255[0] = 255;
    Payload tooLong = Page(source, 28);
    tooLong.push_back(0xEE);
    const Payload empty;
    for (const Payload* bad : std::vector<const Payload*>{&page29, &page255, &tooLong, &empty})
        EXPECT_EQ(model.ReceiveStateBlock(*bad), PageResult::Ignored);
    EXPECT_EQ(model.GetImage(), DefaultPresetImage());

    // A short last page still completes with what the buffer holds.
    EXPECT_EQ(model.ReceiveStateBlock(Payload{28, 0xAA}), PageResult::Completed);
    EXPECT_EQ(model.GetImage().bytes[1400], 0xAA);
}

TEST_F(PresetTransfer, PresetPagesFillTheirSlot) {
    const auto source = Pattern();
    for (int p = 0; p < 28; ++p)
        EXPECT_EQ(model.ReceivePresetBlock(5, Page(source, p)), PageResult::Stored);
    EXPECT_EQ(model.ReceivePresetBlock(5, Page(source, 28)), PageResult::Completed);
    const korvan::StoredPreset& stored = model.GetStoredPreset(5);
    EXPECT_EQ(stored[0], 5);
    EXPECT_TRUE(std::equal(stored.begin() + 1, stored.end(), source.begin()));
    EXPECT_EQ(model.GetImage(), DefaultPresetImage()) << "a stored preset does not touch the image";
    EXPECT_EQ(model.ReceivePresetBlock(0, Page(source, 28)), PageResult::Ignored);
    EXPECT_EQ(model.ReceivePresetBlock(21, Page(source, 28)), PageResult::Ignored);
}

TEST_F(PresetTransfer, DeviceInfoShortReplyIsPadded) {
    model.SetDeviceInfo(Payload(30, 0x42));
    EXPECT_EQ(model.GetDeviceInfo()[17], 0x42);
    model.SetDeviceInfo(Payload{1, 2, 3});
    EXPECT_EQ(model.GetDeviceInfo()[2], 3);
    EXPECT_EQ(model.GetDeviceInfo()[3], 0);
    EXPECT_EQ(model.GetDeviceInfo()[17], 0);
}

class ChannelCopy : public PresetTransfer {};

TEST_F(ChannelCopy, InputCopyKeepsNameAndLinkMask) {
    model.SetGain(0, 222);
    model.SetGate(0, GateSetting{1, 2, 3, 4});
    model.SetGeq(0, 5, 7);
    model.SetPeq(0, 6, PeqBand{1, 2, 3, 4}, 1);
    model.SetHighPass(0, CrossoverSetting{77, 0, 5, 0});
    model.SetDelay(0, 500);
    model.SetPolarity(0, 1);
    model.SetMute(0, 1);
    model.SetPeqBypassMask(0, 0b0001);
    model.SetGeqBypassMask(0b0001);
    model.SetLinkMask(2, 0b1100);
    host.Clear();

    model.CopyChannelSettings(0, 2);
    EXPECT_EQ(model.GetGain(2), 222);
    EXPECT_EQ(model.GetGate(2), (GateSetting{1, 2, 3, 4}));
    EXPECT_EQ(model.GetGeqBand(2, 5), 7);
    EXPECT_EQ(model.GetPeqBand(2, 6), (PeqBand{1, 2, 3, 4}));
    EXPECT_TRUE(model.IsPeqBandBypassed(2, 6));
    EXPECT_EQ(model.GetCrossover(2).hpFreq, 77);
    EXPECT_EQ(model.GetDelay(2), 500);
    EXPECT_TRUE(model.GetPolarity(2));
    EXPECT_TRUE(model.IsMuted(2));
    EXPECT_EQ(model.GetPeqBypassMask(0), 0b0101);
    EXPECT_EQ(model.GetGeqBypassMask(), 0b0001) << "GEQ bypass is not copied";
    EXPECT_EQ(std::memcmp(model.GetChannelNameChars(2), "InC\0\0\0\0\0", 8), 0);
    EXPECT_EQ(model.GetLinkMask(2), 0b1100);
    EXPECT_TRUE(host.sent.empty());

    // Copying clear bits clears them.
    model.CopyChannelSettings(1, 2);
    EXPECT_FALSE(model.IsMuted(2));
    EXPECT_EQ(model.GetPeqBypassMask(0), 0b0001);
}

TEST_F(ChannelCopy, OutputCopyKeepsRoutingNameAndLinkMask) {
    model.SetComp(4, CompSetting{5, 5, 5, 5, 5});
    model.SetLimit(4, LimitSetting{6, 6, 6, 6});
    model.SetLowPass(4, CrossoverSetting{0, 100, 0, 8});
    model.SetPeq(4, 8, PeqBand{9, 9, 9, 9}, 0);
    model.SetGain(4, 111);
    model.SetMix(4, 0, 3);
    model.SetMatrix(4, 3, 1);
    model.CopyChannelSettings(4, 9);
    EXPECT_EQ(model.GetComp(9), (CompSetting{5, 5, 5, 5, 5}));
    EXPECT_EQ(model.GetLimit(9), (LimitSetting{6, 6, 6, 6}));
    EXPECT_EQ(model.GetCrossover(9).lpType, 8);
    EXPECT_EQ(model.GetPeqBand(9, 8), (PeqBand{9, 9, 9, 9}));
    EXPECT_EQ(model.GetGain(9), 111);
    EXPECT_EQ(model.GetSourceMask(9), 0b0010);
    EXPECT_EQ(model.GetMixLevel(9, 0), 280);
    EXPECT_EQ(model.GetLinkMask(9), 0b100000);
    EXPECT_EQ(std::memcmp(model.GetChannelNameChars(9), "Out6", 4), 0);
}

TEST_F(ChannelCopy, MixedKindsAreRefused) {
    model.SetGain(0, 5);
    model.CopyChannelSettings(0, 4);
    model.CopyChannelSettings(4, 0);
    model.CopyChannelSettings(0, 12);
    EXPECT_EQ(model.GetGain(4), 280);
    EXPECT_EQ(model.GetGain(0), 5);
}

} // namespace
