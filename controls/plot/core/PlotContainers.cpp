#include "controls/plot/core/PlotContainers.h"

#include "platform/text/Exception.h"

#include <algorithm>

std::int32_t TiLimitDataList::Add(double value1, double value2, double value3) {
    if (count_ == capacity_)
        Grow();
    list_[std::size_t(count_)] = {value1, value2, value3};
    return count_++;
}

void TiLimitDataList::Grow() {
    std::int32_t delta = 4;
    if (capacity_ > 64)
        delta = capacity_ / 4;
    else if (capacity_ > 8)
        delta = 16;
    // A full list at the largest capacity fails the way an oversized
    // capacity does; below it growth stops at the largest capacity.
    const std::int64_t next = std::min<std::int64_t>(std::int64_t(capacity_) + delta, kMaxCapacity);
    SetCapacity(next == capacity_ ? kMaxCapacity + 1 : std::int32_t(next));
}

void TiLimitDataList::SetCapacity(std::int32_t newCapacity) {
    if (newCapacity > kMaxCapacity)
        throw Exception("Exceed Maximum List Size");
    newCapacity = std::max<std::int32_t>(newCapacity, 0);
    if (newCapacity == capacity_)
        return;
    list_.resize(std::size_t(newCapacity));
    list_.shrink_to_fit();
    capacity_ = newCapacity;
    if (count_ > capacity_)
        count_ = capacity_;
}

void TiLimitDataList::Clear() {
    count_ = 0;
    capacity_ = 0;
    std::vector<TEntry>().swap(list_);
}

const TiLimitDataList::TEntry& TiLimitDataList::Entry(std::int32_t index) const {
    if (index < 0 || index >= count_)
        throw Exception("Index out of Bounds");
    return list_[std::size_t(index)];
}

void TiPlotMinMaxPoint::Clear() {
    Empty = true;
    YMax = -1e301;
    YMin = 1e301;
}

void TiPlotMinMaxPoint::AddData(double newXValue, double newYValue, std::int32_t newXPixels) {
    if (Empty) {
        Empty = false;
        XPixels = newXPixels;
        XValue = newXValue;
        YFirst = newYValue;
    }
    if (newYValue > YMax)
        YMax = newYValue;
    if (newYValue < YMin)
        YMin = newYValue;
    YLast = newYValue;
}
