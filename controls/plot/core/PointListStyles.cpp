#include "controls/plot/core/PointListStyles.h"

#include "controls/plot/core/CompactPointLists.h"
#include "controls/plot/core/FullPointList.h"
#include "controls/plot/core/NullPointList.h"

std::unique_ptr<TiPlotDataCustomList> MakePointList(TiPlotDataStyle style) {
    switch (style) {
    case ipdsCompact:
        return std::make_unique<TiPlotDataCompactList>();
    case ipdsCompactInterval:
        return std::make_unique<TiPlotDataCompactIntervalList>();
    case ipdsFullFeature:
        return std::make_unique<TiPlotDataFullList>();
    case ipdsStandard:
        break;
    }
    return std::make_unique<TiPlotDataNullList>();
}

std::unique_ptr<TiPlotDataCustomList> RestylePointList(const TiPlotDataCustomList& old,
                                                       TiPlotDataStyle style) {
    std::unique_ptr<TiPlotDataCustomList> list = MakePointList(style);
    TiPlotPointAttributes stored = old.StoredAttributes();
    stored.MarkerCharacter = list->StoredMarkerCharacter();
    list->SetStoredAttributes(stored);
    list->SetRingBufferSize(old.RingBufferSize());
    return list;
}
