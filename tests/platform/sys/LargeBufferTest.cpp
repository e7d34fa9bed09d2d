// The large buffer keeps its leading bytes through every move between the
// heap and mapped huge-page blocks.

#include "platform/sys/LargeBuffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace {

using korvan::sys::LargeBuffer;

std::byte Pattern(std::size_t i) {
    return std::byte((i * 7 + i / 4096) & 0xFF);
}

TEST(LargeBuffer, KeepsTheLeadingBytesThroughEveryResize) {
    constexpr std::size_t MiB = std::size_t(1) << 20;
    LargeBuffer buffer;
    std::size_t written = 0;
    // Heap to heap, heap to mapped, mapped growing (and within one huge
    // page), mapped shrinking, mapped to heap, and back to nothing.
    for (std::size_t size : {std::size_t(100), std::size_t(3000), 5 * MiB, 9 * MiB, 9 * MiB + 10, 33 * MiB,
                             6 * MiB, 3 * MiB, std::size_t(50), 8 * MiB, std::size_t(0)}) {
        buffer.Resize(size);
        ASSERT_EQ(buffer.Size(), size);
        const std::size_t kept = std::min(written, size);
        std::size_t wrong = 0;
        for (std::size_t i = 0; i < kept; ++i) {
            wrong += buffer.Data()[i] != Pattern(i);
        }
        EXPECT_EQ(wrong, 0u) << "after resizing to " << size;
        for (std::size_t i = kept; i < size; ++i) {
            buffer.Data()[i] = Pattern(i);
        }
        written = size;
    }
    EXPECT_EQ(buffer.Data(), nullptr);
}

TEST(LargeBuffer, LargeBlocksStartOnAHugePage) {
    LargeBuffer buffer;
    buffer.Resize(std::size_t(5) << 20);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(buffer.Data()) % (std::uintptr_t(2) << 20), 0u);
}

} // namespace
