#pragma once
// What a plot object that shows pictures from the plot's image lists asks
// of the plot: list 0, 1 or 2 (null for any other index, or when the owner
// keeps no lists).

#include "platform/forms/Component.h"

class TImageList;

class IiPlotImageListHost {
public:
    virtual const TImageList* PlotImageList(int index) const = 0;

protected:
    ~IiPlotImageListHost() = default;
};

namespace korvan::plot {
inline const IiPlotImageListHost* ImageListHostOf(TComponent* owner) {
    return dynamic_cast<const IiPlotImageListHost*>(owner);
}
} // namespace korvan::plot
