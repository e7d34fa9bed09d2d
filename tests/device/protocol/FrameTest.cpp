#include "device/protocol/Frame.h"
#include "device/protocol/CommandCodes.h"
#include "device/protocol/LCmd.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A record with an arbitrary payload, as a derived record would build it.
class RawCmd : public LCmd {
public:
    RawCmd(std::uint8_t id, std::uint8_t code, const Bytes& payload) : LCmd(id, code) {
        AppendBytes(payload.data(), payload.size());
    }
};

std::uint8_t Xor(const Bytes& bytes) {
    std::uint8_t x = 0;
    for (std::uint8_t b : bytes) {
        x ^= b;
    }
    return x;
}

// A reply frame as the unit sends it: source = device ID, length byte L.
Bytes ReplyFrame(std::uint8_t id, std::uint8_t code, const Bytes& payload) {
    Bytes f = {0x10, 0x02, id, 0x00, static_cast<std::uint8_t>(payload.size() + 1), code};
    f.insert(f.end(), payload.begin(), payload.end());
    f.push_back(0x10);
    f.push_back(0x03);
    f.push_back(Xor(f));
    return f;
}

std::vector<Bytes> Feed(FrameAssembler& assembler, const Bytes& stream) {
    std::vector<Bytes> frames;
    for (std::uint8_t b : stream) {
        if (std::optional<Bytes> frame = assembler.Push(b)) {
            frames.push_back(*frame);
        }
    }
    return frames;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) {
        all.insert(all.end(), p.begin(), p.end());
    }
    return all;
}

} // namespace

TEST(BuildFrame, GivesTheWireBytes) {
    struct Case {
        std::uint8_t id;
        std::uint8_t code;
        Bytes payload;
        Bytes frame;
    };
    const Case cases[] = {
        {1, MCS_CONNECT, {}, {0x10, 0x02, 0x00, 0x01, 0x01, 0x10, 0x10, 0x03, 0x11}},
        {1, MCS_LEVELS, {}, {0x10, 0x02, 0x00, 0x01, 0x01, 0x40, 0x10, 0x03, 0x41}},
        {1,
         MCS_GAIN,
         {0x04, 0x90, 0x01},
         {0x10, 0x02, 0x00, 0x01, 0x04, 0x34, 0x04, 0x90, 0x01, 0x10, 0x03, 0xA5}},
        // Markers inside the payload are not stuffed.
        {7,
         0x3D,
         {0x10, 0x03, 0x10, 0x02},
         {0x10, 0x02, 0x00, 0x07, 0x05, 0x3D, 0x10, 0x03, 0x10, 0x02, 0x10, 0x03, 0x3F}},
    };
    for (const Case& c : cases) {
        const Bytes frame = BuildFrame(RawCmd(c.id, c.code, c.payload));
        EXPECT_EQ(frame, c.frame) << "code " << int(c.code);
        EXPECT_EQ(Xor(Bytes(frame.begin(), frame.end() - 1)), frame.back());
    }
}

TEST(BuildFrame, LengthByteWrapsForOversizedPayload) {
    // 255 payload bytes: L = 256 truncated to 0.
    const Bytes frame = BuildFrame(RawCmd(1, 0x25, Bytes(255, 0xAA)));
    EXPECT_EQ(frame.size(), 255u + 9u);
    EXPECT_EQ(frame[4], 0x00);
}

TEST(LCmdParse, ReadsIdCodeAndPayload) {
    struct Case {
        std::string name;
        Bytes payload;
    };
    const Case cases[] = {
        {"L=1 gives no payload", {}},
        {"L=51 gives 50 bytes", Bytes(50, 0x5A)},
        {"markers inside the payload", {0x10, 0x03, 0x10, 0x02, 0x10}},
        {"longest frame", Bytes(254, 0x10)},
    };
    for (const Case& c : cases) {
        const LCmd reply(ReplyFrame(9, MCS_PRESET_FLAGS, c.payload));
        EXPECT_TRUE(reply.IsValid()) << c.name;
        EXPECT_EQ(reply.GetId(), 9) << c.name;
        EXPECT_EQ(reply.GetCode(), MCS_PRESET_FLAGS) << c.name;
        EXPECT_EQ(reply.GetPayload(), c.payload) << c.name;
    }
}

TEST(LCmdParse, IgnoresCheckByteAndDestination) {
    Bytes frame = ReplyFrame(3, MCS_CURRENT_PRESET, {0x05});
    frame.back() ^= 0xFF;
    frame[3] = 0x77;
    const LCmd reply(frame);
    EXPECT_TRUE(reply.IsValid());
    EXPECT_EQ(reply.GetId(), 3);
    EXPECT_EQ(reply.GetPayload(), Bytes{0x05});
}

TEST(LCmdParse, MalformedFramesAreInvalidAndCarryIdAndCodeZero) {
    const Bytes good = ReplyFrame(1, MCS_CONNECT, {0x01, 0x02});
    auto with = [&](std::size_t at, std::uint8_t value) {
        Bytes f = good;
        f[at] = value;
        return f;
    };
    struct Case {
        std::string name;
        Bytes frame;
    };
    const Case cases[] = {
        {"empty", {}},
        {"shorter than a frame", {0x10, 0x02, 0x01, 0x00, 0x01}},
        {"length byte 0", {0x10, 0x02, 0x01, 0x00, 0x00, 0x10, 0x03, 0x00}},
        {"length byte 0 with a code", {0x10, 0x02, 0x01, 0x00, 0x00, 0x10, 0x10, 0x03, 0x00}},
        {"bad first start byte", with(0, 0x11)},
        {"bad second start byte", with(1, 0x03)},
        {"bad first end byte", with(good.size() - 3, 0x00)},
        {"bad second end byte", with(good.size() - 2, 0x02)},
        {"length byte too large", with(4, 0x09)},
        {"length byte too small", with(4, 0x02)},
        {"trailing byte", Concat({good, {0x00}})},
    };
    for (const Case& c : cases) {
        const LCmd reply(c.frame);
        EXPECT_FALSE(reply.IsValid()) << c.name;
        EXPECT_EQ(reply.GetId(), 0) << c.name;
        EXPECT_EQ(reply.GetCode(), 0) << c.name;
        EXPECT_TRUE(reply.GetPayload().empty()) << c.name;
    }
}

TEST(LCmd, BuiltRecordsAreValidAndEmptyOneIsNot) {
    EXPECT_TRUE(LCmd(1, MCS_ALIVE).IsValid());
    EXPECT_TRUE(LCmd(1, MCS_ALIVE).GetPayload().empty());
    const LCmd empty;
    EXPECT_FALSE(empty.IsValid());
    EXPECT_EQ(empty.GetId(), 0);
    EXPECT_EQ(empty.GetCode(), 0);
}

class FrameAssemblerTest : public ::testing::TestWithParam<AssemblerKind> {
protected:
    FrameAssembler assembler{GetParam()};
};

TEST_P(FrameAssemblerTest, CutsFramesFromTheStream) {
    const Bytes a = ReplyFrame(1, MCS_IDENTITY, {'K', 'O', 'R'});
    const Bytes b = ReplyFrame(1, MCS_ACK, {});
    Bytes badCheck = ReplyFrame(2, MCS_CURRENT_PRESET, {0x03});
    badCheck.back() ^= 0x5A;
    const Bytes l51 = ReplyFrame(1, MCS_READ_PRESET_PAGE, Bytes(50, 0x10));
    struct Case {
        std::string name;
        Bytes stream;
        std::vector<Bytes> frames;
    };
    const Case cases[] = {
        {"junk before the start marker", Concat({{0x00, 0x02, 0x03, 0xFF}, a}), {a}},
        // 10 10 02: the second 0x10 is dropped and the 02 completes the marker.
        {"10 10 02", Concat({{0x10}, a}), {a}},
        // 10 05 02: the 05 is dropped, 10 02 is the start marker.
        {"10 05 02", Concat({{0x10, 0x05}, Bytes(a.begin() + 1, a.end())}), {a}},
        {"two frames in one push", Concat({a, b}), {a, b}},
        {"junk between frames", Concat({a, {0x03, 0x02, 0x44}, b}), {a, b}},
        {"wrong check byte still delivered", badCheck, {badCheck}},
        {"L = 51", l51, {l51}},
        // Length byte 0: an 8-byte frame, cut at 8 bytes on every link.
        {"L = 0",
         Concat({{0x10, 0x02, 0x01, 0x00, 0x00, 0x10, 0x03, 0x00}, b}),
         {{0x10, 0x02, 0x01, 0x00, 0x00, 0x10, 0x03, 0x00}, b}},
    };
    for (const Case& c : cases) {
        assembler.Clear();
        EXPECT_EQ(Feed(assembler, c.stream), c.frames) << c.name;
        EXPECT_EQ(assembler.Size(), 0u) << c.name;
    }
}

TEST_P(FrameAssemblerTest, FrameSplitAcrossPushesCompletesOnItsLastByte) {
    const Bytes a = ReplyFrame(4, MCS_LOCK_STATE, {0, 0, 0, 0, 0, 1});
    const std::size_t half = a.size() / 2;
    EXPECT_TRUE(Feed(assembler, Bytes(a.begin(), a.begin() + half)).empty());
    EXPECT_EQ(assembler.Size(), half);
    EXPECT_EQ(Feed(assembler, Bytes(a.begin() + half, a.end())), std::vector<Bytes>{a});
}

TEST_P(FrameAssemblerTest, MissingEndMarkerIsCutByLength) {
    Bytes a = ReplyFrame(1, MCS_CURRENT_PRESET, {0x01});
    a[a.size() - 3] = 0x55;
    const std::vector<Bytes> frames = Feed(assembler, a);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_FALSE(LCmd(frames[0]).IsValid());
}

TEST_P(FrameAssemblerTest, NeverHoldsMoreThanTheLongestFrame) {
    // A start marker with length byte 255 followed by endless 0x10 bytes.
    Bytes stream = {0x10, 0x02, 0x01, 0x00, 0xFF};
    stream.resize(1000, 0x10);
    std::vector<std::size_t> sizes;
    for (std::uint8_t b : stream) {
        if (std::optional<Bytes> frame = assembler.Push(b)) {
            sizes.push_back(frame->size());
        }
        ASSERT_LT(assembler.Size(), korvan::MaxFrameSize);
    }
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(sizes[0], 263u);
}

TEST_P(FrameAssemblerTest, ClearDropsAPartialFrame) {
    Feed(assembler, {0x10, 0x02, 0x01, 0x00});
    assembler.Clear();
    EXPECT_EQ(assembler.Size(), 0u);
    const Bytes b = ReplyFrame(1, MCS_ACK, {});
    EXPECT_EQ(Feed(assembler, b), std::vector<Bytes>{b});
}

TEST_P(FrameAssemblerTest, BuiltFrameRoundTripsThroughAssemblerAndParser) {
    const Bytes payload = {0x10, 0x03, 0x10, 0x02, 0x00};
    const Bytes frame = BuildFrame(RawCmd(200, MCS_READ_PRESET_NAME, payload));
    const std::vector<Bytes> frames = Feed(assembler, frame);
    ASSERT_EQ(frames.size(), 1u);
    const LCmd parsed(frames[0]);
    EXPECT_TRUE(parsed.IsValid());
    EXPECT_EQ(parsed.GetCode(), MCS_READ_PRESET_NAME);
    EXPECT_EQ(parsed.GetPayload(), payload);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FrameAssemblerTest,
                         ::testing::Values(AssemblerKind::Serial, AssemblerKind::UsbNet),
                         [](const auto& instance) {
                             return instance.param == AssemblerKind::Serial ? "Serial" : "UsbNet";
                         });
