#pragma once
// The managers of the X and Y axes: a new axis is named "X-Axis 1",
// "X-Axis 2", ... and takes its name as its title.

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/core/ObjectManager.h"

template <class TAxis> class TiPlotAxisKindManager : public TiPlotKindManager<TAxis> {
public:
    using TiPlotKindManager<TAxis>::TiPlotKindManager;

protected:
    void AfterNaming(TAxis* axis) override { axis->SetTitle(axis->Name()); }
};

class TiPlotXAxisManager : public TiPlotAxisKindManager<TiPlotXAxis> {
public:
    using TiPlotAxisKindManager<TiPlotXAxis>::TiPlotAxisKindManager;
    std::string GetBaseName() const override { return "X-Axis"; }
};

class TiPlotYAxisManager : public TiPlotAxisKindManager<TiPlotYAxis> {
public:
    using TiPlotAxisKindManager<TiPlotYAxis>::TiPlotAxisKindManager;
    std::string GetBaseName() const override { return "Y-Axis"; }
};
