#pragma once
// Small data holders of the plot pack: the three-value entries of limit
// bands, the per-pixel-column minimum and maximum of a dense trace, and the
// state of one digital transition while a channel draws.

#include <cstdint>
#include <vector>

// A growable list of (Value1, Value2, Value3) entries.
class TiLimitDataList {
public:
    static constexpr std::int32_t kMaxCapacity = 134217727;

    // Stores an entry at the end (growing when full) and returns its index.
    std::int32_t Add(double value1, double value2, double value3);
    // Above kMaxCapacity raises "Exceed Maximum List Size" and changes
    // nothing; a smaller capacity drops the entries beyond it.
    void SetCapacity(std::int32_t newCapacity);
    void Clear();

    std::int32_t Count() const { return count_; }
    std::int32_t Capacity() const { return capacity_; }
    // An index outside 0..Count-1 raises "Index out of Bounds".
    double Value1(std::int32_t index) const { return Entry(index).Value1; }
    double Value2(std::int32_t index) const { return Entry(index).Value2; }
    double Value3(std::int32_t index) const { return Entry(index).Value3; }

private:
    struct TEntry {
        double Value1 = 0;
        double Value2 = 0;
        double Value3 = 0;
    };
    const TEntry& Entry(std::int32_t index) const;
    void Grow();

    std::vector<TEntry> list_; // sized to the capacity
    std::int32_t count_ = 0;
    std::int32_t capacity_ = 0;
};

// The smallest, largest, first and last Y that fall into one pixel column.
class TiPlotMinMaxPoint {
public:
    TiPlotMinMaxPoint() { Clear(); }
    // Empty again, with the extremes reset; the rest keeps its values.
    void Clear();
    void AddData(double newXValue, double newYValue, std::int32_t newXPixels);
    void AssignDown(const TiPlotMinMaxPoint& source) { *this = source; }

    bool Empty = true;
    std::int32_t XPixels = 0;
    double XValue = 0;
    double YMax = -1e301;
    double YMin = 1e301;
    double YFirst = 0;
    double YLast = 0;
};

// One step of a digital trace: where it starts, stops and changes level.
class TDigitalSequenceData {
public:
    // Marks the three places unset; their values stay.
    void Clear() {
        StartSet = false;
        StopSet = false;
        TransitionSet = false;
    }

    bool StartSet = false;
    double StartXValue = 0;
    bool StartYValue = false;
    bool StopSet = false;
    double StopXValue = 0;
    bool TransitionSet = false;
    double TransitionXValue = 0;
};
