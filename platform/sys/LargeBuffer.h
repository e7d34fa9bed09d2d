#pragma once
// A resizable block of plain bytes for data that may grow to hundreds of
// megabytes (plot point lists). Small blocks live on the heap; large ones
// are mapped on huge-page boundaries with transparent huge pages advised,
// since first touching memory page by page costs far more than writing it.
// A large block grows by moving its pages, never by copying them, and
// room that is never written costs no resident memory.

#include <cstddef>

namespace korvan::sys {

class LargeBuffer {
public:
    LargeBuffer() = default;
    ~LargeBuffer();
    LargeBuffer(const LargeBuffer&) = delete;
    LargeBuffer& operator=(const LargeBuffer&) = delete;

    std::byte* Data() const { return data_; }
    std::size_t Size() const { return size_; }

    // Keeps the leading min(old, new) bytes; new bytes are left unset. Size
    // 0 releases the block. Raises std::bad_alloc and keeps the block as it
    // was when the memory cannot be had.
    void Resize(std::size_t bytes);

private:
    std::byte* data_ = nullptr;
    std::size_t size_ = 0;
};

} // namespace korvan::sys
