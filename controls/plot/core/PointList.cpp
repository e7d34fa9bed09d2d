#include "controls/plot/core/PointList.h"

#include "platform/text/Exception.h"

#include <algorithm>
#include <cstring>

namespace {

const char* const IndexOutOfBounds = "Index out of Bounds";
const char* const ExceedMaximum = "Exceed Maximum List Size";

} // namespace

TiPlotDataCustomList::TiPlotDataCustomList(std::int32_t dataPointSize)
    : FDataPointSize(dataPointSize), FMaxDataPoints(std::int32_t(MaxListBytes / dataPointSize)) {
    FStored.BarVisible = true;
}

std::int32_t TiPlotDataCustomList::MapIndex(std::int32_t index) const {
    if (index < 0 || index >= FCount) {
        throw Exception(IndexOutOfBounds);
    }
    if (FTail == 0) {
        return index;
    }
    const std::int64_t p = std::int64_t(index) + FTail;
    return std::int32_t(p >= FCount ? p - FCount : p);
}

void TiPlotDataCustomList::GrowCapacity() {
    const std::int64_t c = FCapacity;
    std::int64_t grown = c > 64 ? c + c / 4 : c > 8 ? c + 16 : c + 4;
    // The last step stops at the largest size rather than failing short of it.
    if (grown > FMaxDataPoints && c < FMaxDataPoints) {
        grown = FMaxDataPoints;
    }
    if (grown > FMaxDataPoints) {
        throw Exception(ExceedMaximum);
    }
    SetCapacity(std::int32_t(grown));
}

void TiPlotDataCustomList::Unwrap() {
    if (FTail == 0) {
        return;
    }
    std::byte* p = FList.Data();
    const std::size_t size = std::size_t(FDataPointSize);
    std::rotate(p, p + std::size_t(FTail) * size, p + std::size_t(FCount) * size);
    FTail = 0;
}

void TiPlotDataCustomList::SetCapacity(std::int32_t newCapacity) {
    if (newCapacity < 0 || newCapacity > FMaxDataPoints) {
        throw Exception(ExceedMaximum);
    }
    if (newCapacity == FCapacity) {
        return;
    }
    Unwrap();
    // Records are plain data, so the block may move as a whole; new room is
    // left untouched until points are written into it.
    FList.Resize(std::size_t(newCapacity) * std::size_t(FDataPointSize));
    FCapacity = newCapacity;
    FCount = std::min(FCount, newCapacity);
}

std::int32_t TiPlotDataCustomList::NextStoragePosition(std::int32_t& addedIndex) {
    if (!FRingBufferEnabled && FCount == FCapacity) {
        GrowCapacity();
    }
    if (FCount < FCapacity) {
        addedIndex = FCount;
        return FCount++;
    }
    // A full ring: the oldest record makes room for the newest.
    const std::int32_t position = FTail;
    FTail = FTail + 1 == FCount ? 0 : FTail + 1;
    addedIndex = FCount - 1;
    return position;
}

void TiPlotDataCustomList::Clear() {
    FCount = 0;
    FTail = 0;
    if (!FRingBufferEnabled) {
        SetCapacity(0);
    }
}

void TiPlotDataCustomList::DeletePoints(std::int32_t size) {
    if (size < 0 || size >= FCount) {
        throw Exception("Delete size out of Range");
    }
    DeleteOldest(size);
}

void TiPlotDataCustomList::DeleteOldest(std::int32_t size) {
    Unwrap();
    std::byte* p = FList.Data();
    const std::size_t bytes = std::size_t(FDataPointSize);
    if (size > 0) {
        std::memmove(p, p + std::size_t(size) * bytes, std::size_t(FCount - size) * bytes);
    }
    FCount -= size;
}

void TiPlotDataCustomList::SetRingBufferSize(std::int32_t value) {
    if (value < 0 || value > FMaxDataPoints) {
        throw Exception(ExceedMaximum);
    }
    if (value == 0) {
        // Off: the points stay, in order, and the list grows again from here.
        if (FRingBufferEnabled) {
            FRingBufferEnabled = false;
            Unwrap();
        }
        return;
    }
    FRingBufferEnabled = true;
    if (value == FCapacity) {
        return;
    }
    if (value < FCount) {
        DeleteOldest(FCount - value);
    }
    SetCapacity(value);
}
