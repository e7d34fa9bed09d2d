#include "controls/plot/core/CompactPointLists.h"

#include "platform/text/Exception.h"

static_assert(sizeof(TiPlotDataSingle) == 8);
static_assert(sizeof(TiPlotDataCompactInterval) == 4);

void TiPlotDataCompactList::GetXYEmptyNull(std::int32_t index, double& x, double& y, bool& empty,
                                           bool& null) const {
    const TiPlotDataSingle& r = At(index);
    x = r.X;
    y = r.Y;
    empty = false;
    null = false;
}

std::int32_t TiPlotDataCompactList::Add(double x, double y, bool, bool) {
    return Store(TiPlotDataSingle{float(x), float(y)});
}

void TiPlotDataCompactIntervalList::SetX(std::int32_t index, double value) {
    if (Count() == 0 || index != 0) {
        throw Exception(
            "Data Style does not support setting individual X-Value with the exception of the first X-Value");
    }
    FFirstX = value;
}

void TiPlotDataCompactIntervalList::GetXYEmptyNull(std::int32_t index, double& x, double& y, bool& empty,
                                                   bool& null) const {
    y = At(index).Y;
    x = GetX(index);
    empty = false;
    null = false;
}

std::int32_t TiPlotDataCompactIntervalList::Add(double x, double y, bool, bool) {
    if (Count() == 0) {
        FFirstX = x;
    } else if (Count() == 1 && FInterval == UnknownInterval) {
        FInterval = x - FFirstX;
    }
    if (RingIsFull()) {
        // The oldest point goes: the first X moves on to the next point's,
        // so that the others keep theirs. A ring of one holds only the new
        // point, whose X is the one given.
        FFirstX = Count() > 1 ? FFirstX + FInterval : x;
    }
    return Store(TiPlotDataCompactInterval{float(y)});
}

void TiPlotDataCompactIntervalList::Clear() {
    TiPlotDataCustomList::Clear();
    FInterval = UnknownInterval;
}

void TiPlotDataCompactIntervalList::DeletePoints(std::int32_t size) {
    if (size < 0 || size > Count()) {
        throw Exception("Delete size out of Range");
    }
    DeleteOldest(size);
    FFirstX += size * FInterval;
}
