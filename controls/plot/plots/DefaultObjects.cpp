#include "controls/plot/plots/DefaultObjects.h"

#include "controls/plot/core/PlotLayoutObject.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/objects/PlotLabel.h"

namespace korvan::plot {

namespace {

// The layout manager stays off while the objects go in, and comes on again
// however the construction ends.
class LayoutManagerOff {
public:
    explicit LayoutManagerOff(TiPlotComponent& plot) : plot_(plot) { plot_.DisableLayoutManager(); }
    ~LayoutManagerOff() { plot_.EnableLayoutManager(); }
    LayoutManagerOff(const LayoutManagerOff&) = delete;
    LayoutManagerOff& operator=(const LayoutManagerOff&) = delete;

private:
    TiPlotComponent& plot_;
};

// Kinds whose classes have not joined the plot yet (toolbar, legend, data
// view, data cursor) are left out: the plot draws without them.
int AddIfJoined(TiPlotComponent& plot, std::string_view kindName) {
    return plot.Master()->KindManager(kindName) ? plot.Master()->AddObject(kindName) : -1;
}

void AddWithZOrder(TiPlotComponent& plot, std::string_view kindName, int zOrder) {
    const int index = AddIfJoined(plot, kindName);
    if (auto* object =
            index < 0 ? nullptr : dynamic_cast<TiPlotLayoutObject*>(plot.KindObject(kindName, index)))
        object->SetZOrder(zOrder);
}

} // namespace

void AddDefaultObjects(TiPlotComponent& plot) {
    LayoutManagerOff off(plot);
    AddWithZOrder(plot, kind::ToolBar, 3);
    AddWithZOrder(plot, kind::Legend, 2);
    plot.AddXAxis();
    plot.AddYAxis();
    plot.AddChannel();
    AddIfJoined(plot, kind::DataView);
    AddIfJoined(plot, kind::DataCursor);
    TiPlotLabel* title = plot.Label(plot.AddLabel());
    title->SetZOrder(2);
    title->SetName("Title");
    title->SetCaption("Untitled");
    title->SetMarginBottom(0);
}

} // namespace korvan::plot
