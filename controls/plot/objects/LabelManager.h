#pragma once
// The labels of a plot: a new label is named "Label 1", "Label 2", ... and
// shows its name.

#include "controls/plot/core/ObjectManager.h"
#include "controls/plot/objects/PlotLabel.h"

class TiPlotLabelManager : public TiPlotKindManager<TiPlotLabel> {
public:
    using TiPlotKindManager<TiPlotLabel>::TiPlotKindManager;
    std::string GetBaseName() const override { return "Label"; }

protected:
    void AfterNaming(TiPlotLabel* label) override { label->SetCaption(label->Name()); }
};
