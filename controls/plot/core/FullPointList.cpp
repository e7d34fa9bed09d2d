#include "controls/plot/core/FullPointList.h"

#include "platform/text/Exception.h"

static_assert(sizeof(TiPlotDataFull) == 144);

void TiPlotDataFullList::GetXYEmptyNull(std::int32_t index, double& x, double& y, bool& empty,
                                        bool& null) const {
    const TiPlotDataFull& r = At(index);
    x = r.X;
    y = r.Y;
    empty = r.Empty;
    null = r.Null;
}

std::int32_t TiPlotDataFullList::Add(double x, double y, bool null, bool empty) {
    TiPlotDataFull r{x, y, null, empty, 0.0, 0.0, 0.0, 0.0, StoredAttributes()};
    r.Attributes.MarkerCharacter = 0;
    return Store(r);
}

void TiPlotDataFullList::DeletePoints(std::int32_t size) {
    if (size < 0 || size >= Count()) {
        throw Exception("Delete Size Out Of Range");
    }
    DeleteOldest(size);
}
