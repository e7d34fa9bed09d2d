#include "platform/gfx/GifLzw.h"

#include <algorithm>

namespace korvan::gfx {

bool DecodeGifLzw(ByteView in, int minCodeSize, std::size_t pixelCount, std::vector<std::uint8_t>& out) {
    if (minCodeSize < 2 || minCodeSize > 11)
        return false;
    const int clear = 1 << minCodeSize, end = clear + 1;
    std::vector<std::uint16_t> prefix(4096);
    std::vector<std::uint8_t> suffix(4096), stack;
    int codeSize = minCodeSize + 1, next = end + 1, old = -1;
    std::uint8_t first = 0;
    std::uint32_t bits = 0;
    int bitCount = 0;
    // Codes still held in `bits` after the last byte count too.
    for (std::size_t i = 0; (i < in.size() || bitCount >= codeSize) && out.size() < pixelCount;) {
        while (bitCount < codeSize && i < in.size()) {
            bits |= std::uint32_t(in[i++]) << bitCount;
            bitCount += 8;
        }
        if (bitCount < codeSize)
            break;
        const int code = static_cast<int>(bits & ((1u << codeSize) - 1));
        bits >>= codeSize;
        bitCount -= codeSize;
        if (code == clear) {
            codeSize = minCodeSize + 1;
            next = end + 1;
            old = -1;
            continue;
        }
        if (code == end)
            break;
        if (old < 0) {
            if (code >= clear)
                return false;
            out.push_back(static_cast<std::uint8_t>(code));
            first = static_cast<std::uint8_t>(code);
            old = code;
            continue;
        }
        int cur = code;
        stack.clear();
        if (code >= next) {
            if (code > next)
                return false;
            stack.push_back(first);
            cur = old;
        }
        while (cur >= clear) {
            if (cur >= 4096 || stack.size() > 4096)
                return false;
            stack.push_back(suffix[static_cast<std::size_t>(cur)]);
            cur = prefix[static_cast<std::size_t>(cur)];
        }
        first = static_cast<std::uint8_t>(cur);
        stack.push_back(first);
        // One code adds up to 4096 pixels: never more than the frame holds.
        const std::size_t room = pixelCount - out.size();
        const auto take = static_cast<std::ptrdiff_t>(std::min(stack.size(), room));
        out.insert(out.end(), stack.rbegin(), stack.rbegin() + take);
        if (next < 4096) {
            prefix[static_cast<std::size_t>(next)] = static_cast<std::uint16_t>(old);
            suffix[static_cast<std::size_t>(next)] = first;
            ++next;
            if (next == (1 << codeSize) && codeSize < 12)
                ++codeSize;
        }
        old = code;
    }
    return true;
}

} // namespace korvan::gfx
