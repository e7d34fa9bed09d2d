#include "platform/sys/LargeBuffer.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <sys/mman.h>

namespace korvan::sys {

namespace {

constexpr std::size_t HugePage = std::size_t(2) << 20;
// From this size on a block is mapped rather than taken from the heap.
constexpr std::size_t MappedFrom = 2 * HugePage;

bool IsMapped(std::size_t bytes) {
    return bytes >= MappedFrom;
}

std::size_t MappedLength(std::size_t bytes) {
    return (bytes + HugePage - 1) & ~(HugePage - 1);
}

void* MapAligned(std::size_t length) {
    void* raw = mmap(nullptr, length + HugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) {
        throw std::bad_alloc();
    }
    auto* start = static_cast<std::byte*>(raw);
    const std::size_t head = (HugePage - reinterpret_cast<std::uintptr_t>(start) % HugePage) % HugePage;
    if (head > 0) {
        munmap(start, head);
    }
    munmap(start + head + length, HugePage - head);
    madvise(start + head, length, MADV_HUGEPAGE);
    return start + head;
}

// Grows a mapped block to length, in place when the address space after it
// is free, else by moving its pages to a fresh aligned place.
void* GrowMapped(void* block, std::size_t oldLength, std::size_t length) {
    if (mremap(block, oldLength, length, 0) != MAP_FAILED) {
        madvise(block, length, MADV_HUGEPAGE);
        return block;
    }
    void* target = MapAligned(length);
    void* moved = mremap(block, oldLength, length, MREMAP_MAYMOVE | MREMAP_FIXED, target);
    if (moved == MAP_FAILED) {
        munmap(target, length);
        throw std::bad_alloc();
    }
    madvise(moved, length, MADV_HUGEPAGE);
    return moved;
}

} // namespace

LargeBuffer::~LargeBuffer() {
    Resize(0);
}

void LargeBuffer::Resize(std::size_t bytes) {
    if (bytes == size_) {
        return;
    }
    void* next = nullptr;
    if (!IsMapped(size_) && !IsMapped(bytes)) {
        if (bytes == 0) {
            std::free(data_);
        } else if ((next = std::realloc(data_, bytes)) == nullptr) {
            throw std::bad_alloc();
        }
    } else if (IsMapped(size_) && IsMapped(bytes)) {
        const std::size_t oldLength = MappedLength(size_), length = MappedLength(bytes);
        next = data_;
        if (length > oldLength) {
            next = GrowMapped(data_, oldLength, length);
        } else if (length < oldLength) {
            munmap(data_ + length, oldLength - length);
        }
    } else if (IsMapped(bytes)) {
        next = MapAligned(MappedLength(bytes));
        if (size_ > 0) {
            std::memcpy(next, data_, size_);
        }
        std::free(data_);
    } else {
        if (bytes > 0 && (next = std::malloc(bytes)) == nullptr) {
            throw std::bad_alloc();
        }
        if (bytes > 0) {
            std::memcpy(next, data_, bytes);
        }
        munmap(data_, MappedLength(size_));
    }
    data_ = static_cast<std::byte*>(next);
    size_ = bytes;
}

} // namespace korvan::sys
