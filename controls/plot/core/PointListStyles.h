#pragma once
// Making the point list of a channel's data style, and changing the style
// of a channel's list: the points go, the stored defaults (but the marker
// character) and the ring buffer size carry over.

#include "controls/plot/core/PointList.h"

#include <memory>

std::unique_ptr<TiPlotDataCustomList> MakePointList(TiPlotDataStyle style);
std::unique_ptr<TiPlotDataCustomList> RestylePointList(const TiPlotDataCustomList& old,
                                                       TiPlotDataStyle style);
