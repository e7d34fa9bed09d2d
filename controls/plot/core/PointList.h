#pragma once
// The storage every channel keeps its data points in. A point list is a plain
// object owned by its channel; it knows nothing of axes, drawing or change
// notification.
//
// Points are fixed-size records in one contiguous block. Logical index 0 is
// the oldest point. A growing list appends and grows by a fixed rule (+4 up
// to 8, +16 up to 64, then +25%); a ring buffer has a fixed capacity and,
// once full, overwrites its oldest record: Tail is then the storage position
// of the oldest point and moves with every Add, so appending never moves
// data. Tail is non-zero only while a ring is full.
//
// The list also keeps the channel's default point attributes (trace, marker
// and bar settings); kinds with room for per-point attributes copy them into
// each new point. Kinds without that room answer the per-point getters with
// the defaults and ignore the per-point setters.
//
// Every failure raises Exception with a fixed message and leaves the list
// as it was. Sizes are worked out in 64 bits, so the largest capacity
// cannot overflow.

#include "controls/plot/core/PlotTypes.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/sys/LargeBuffer.h"

#include <cstddef>
#include <cstdint>

enum TiPlotDataStyle { ipdsStandard, ipdsCompact, ipdsCompactInterval, ipdsFullFeature };

// The per-point attributes, in the order the full list stores them: X(type,
// name) for each. The list's stored defaults use the same names.
#define KORVAN_PLOT_POINT_ATTRIBUTES(X)                                                                      \
    X(TColor, TraceLineColor)                                                                                \
    X(std::int32_t, TraceLineWidth)                                                                          \
    X(TiPlotLineStyle, TraceLineStyle)                                                                       \
    X(bool, MarkerVisible)                                                                                   \
    X(std::int32_t, MarkerSize)                                                                              \
    X(TiPlotMarkerStyle, MarkerStyle)                                                                        \
    X(TColor, MarkerPenColor)                                                                                \
    X(std::int32_t, MarkerPenWidth)                                                                          \
    X(TPenStyle, MarkerPenStyle)                                                                             \
    X(TColor, MarkerBrushColor)                                                                              \
    X(TBrushStyle, MarkerBrushStyle)                                                                         \
    X(char16_t, MarkerCharacter)                                                                             \
    X(bool, BarVisible)                                                                                      \
    X(double, BarReference)                                                                                  \
    X(double, BarWidth)                                                                                      \
    X(TColor, BarPenColor)                                                                                   \
    X(std::int32_t, BarPenWidth)                                                                             \
    X(TPenStyle, BarPenStyle)                                                                                \
    X(TColor, BarBrushColor)                                                                                 \
    X(TBrushStyle, BarBrushStyle)

struct TiPlotPointAttributes {
#define KORVAN_PLOT_ATTRIBUTE_FIELD(type, name) type name{};
    KORVAN_PLOT_POINT_ATTRIBUTES(KORVAN_PLOT_ATTRIBUTE_FIELD)
#undef KORVAN_PLOT_ATTRIBUTE_FIELD
};

class TiPlotDataCustomList {
public:
    static constexpr std::int64_t MaxListBytes = 2147483647;

    virtual ~TiPlotDataCustomList() = default;
    TiPlotDataCustomList(const TiPlotDataCustomList&) = delete;
    TiPlotDataCustomList& operator=(const TiPlotDataCustomList&) = delete;

    std::int32_t Count() const { return FCount; }
    std::int32_t Capacity() const { return FCapacity; }
    std::int32_t Tail() const { return FTail; }
    std::int32_t DataPointSize() const { return FDataPointSize; }
    std::int32_t MaxDataPoints() const { return FMaxDataPoints; }
    std::int64_t MemoryUsed() const { return std::int64_t(FDataPointSize) * FCapacity; }
    bool RingBufferEnabled() const { return FRingBufferEnabled; }
    // Capacity while the ring buffer is on, else 0.
    std::int32_t RingBufferSize() const { return FRingBufferEnabled ? FCapacity : 0; }
    // 0 switches the ring off; any other size switches it on with that
    // capacity, keeping the newest points in order.
    void SetRingBufferSize(std::int32_t value);

    // The storage position of a logical index; raises "Index out of Bounds".
    std::int32_t MapIndex(std::int32_t index) const;

    virtual double GetX(std::int32_t index) const = 0;
    virtual double GetY(std::int32_t index) const = 0;
    virtual bool GetEmpty(std::int32_t) const { return false; }
    virtual bool GetNull(std::int32_t) const { return false; }
    virtual double GetHigh(std::int32_t) const { return 0.0; }
    virtual double GetLow(std::int32_t) const { return 0.0; }
    virtual double GetOpen(std::int32_t) const { return 0.0; }
    virtual double GetClose(std::int32_t) const { return 0.0; }
    virtual void SetX(std::int32_t index, double value) = 0;
    virtual void SetY(std::int32_t index, double value) = 0;
    virtual void SetEmpty(std::int32_t, bool) {}
    virtual void SetNull(std::int32_t, bool) {}
    virtual void SetHigh(std::int32_t, double) {}
    virtual void SetLow(std::int32_t, double) {}
    virtual void SetOpen(std::int32_t, double) {}
    virtual void SetClose(std::int32_t, double) {}
    virtual void GetXYEmptyNull(std::int32_t index, double& x, double& y, bool& empty, bool& null) const = 0;

    // A point's attributes; the stored defaults where the kind keeps none.
    virtual TiPlotPointAttributes GetPointAttributes(std::int32_t) const { return FStored; }
    // Writes what the kind keeps per point; the rest is ignored.
    virtual void SetPointAttributes(std::int32_t, const TiPlotPointAttributes&) {}

    // Appends a point and returns its logical index.
    virtual std::int32_t Add(double x, double y, bool null, bool empty) = 0;
    // Count 0; a growing list also releases its storage.
    virtual void Clear();
    // Raises "Exceed Maximum List Size" outside 0..MaxDataPoints. Keeps the
    // oldest points that fit, in order.
    void SetCapacity(std::int32_t newCapacity);
    // Removes the size oldest points.
    virtual void DeletePoints(std::int32_t size);

    const TiPlotPointAttributes& StoredAttributes() const { return FStored; }
    void SetStoredAttributes(const TiPlotPointAttributes& value) { FStored = value; }

#define KORVAN_PLOT_ATTRIBUTE_ACCESSORS(type, name)                                                          \
    type Stored##name() const {                                                                              \
        return FStored.name;                                                                                 \
    }                                                                                                        \
    void SetStored##name(type value) {                                                                       \
        FStored.name = value;                                                                                \
    }                                                                                                        \
    type GetPoint##name(std::int32_t index) const {                                                          \
        return GetPointAttributes(index).name;                                                               \
    }                                                                                                        \
    void SetPoint##name(std::int32_t index, type value) {                                                    \
        TiPlotPointAttributes a = GetPointAttributes(index);                                                 \
        a.name = value;                                                                                      \
        SetPointAttributes(index, a);                                                                        \
    }
    KORVAN_PLOT_POINT_ATTRIBUTES(KORVAN_PLOT_ATTRIBUTE_ACCESSORS)
#undef KORVAN_PLOT_ATTRIBUTE_ACCESSORS

protected:
    explicit TiPlotDataCustomList(std::int32_t dataPointSize);

    bool RingIsFull() const {
        return FRingBufferEnabled && FCount == FCapacity;
    }
    // Makes room for one more point by the growing or ring rule and returns
    // the storage position to write; Count and Tail are updated and
    // addedIndex receives the new point's logical index.
    std::int32_t NextStoragePosition(std::int32_t& addedIndex);
    // Removes the size oldest points (size in 0..Count, checked by the
    // caller) and leaves the survivors in logical order, Tail 0.
    void DeleteOldest(std::int32_t size);

    // The storage block, as records of the kind.
    std::byte* Storage() const {
        return FList.Data();
    }

private:
    void GrowCapacity();
    // Brings a wrapped ring into logical order in storage (Tail 0).
    void Unwrap();

    std::int32_t FCount = 0;
    std::int32_t FCapacity = 0;
    std::int32_t FTail = 0;
    bool FRingBufferEnabled = false;
    std::int32_t FDataPointSize = 0;
    std::int32_t FMaxDataPoints = 0;
    TiPlotPointAttributes FStored;
    korvan::sys::LargeBuffer FList;
};

// A kind's typed view of the storage block.
template <class Record> class TiPlotDataRecordList : public TiPlotDataCustomList {
protected:
    TiPlotDataRecordList() : TiPlotDataCustomList(std::int32_t(sizeof(Record))) {}

    Record* Records() const { return reinterpret_cast<Record*>(Storage()); }
    Record& At(std::int32_t index) { return Records()[MapIndex(index)]; }
    const Record& At(std::int32_t index) const { return Records()[MapIndex(index)]; }
    std::int32_t Store(const Record& record) {
        std::int32_t index = 0;
        const std::int32_t position = NextStoragePosition(index);
        Records()[position] = record;
        return index;
    }
};
