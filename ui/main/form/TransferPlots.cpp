#include "ui/main/form/TransferPlots.h"

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/plots/XYPlot.h"

#include <initializer_list>
#include <utility>

namespace korvan::mainform {

namespace {

// Red 255, green 127, blue 128.
constexpr TColor MarkerColour = TColor(8421631);

void SetTransferAxis(TiPlotAxis& axis, double labelStep) {
    axis.SetEnabled(false);
    axis.SetPopupEnabled(false);
    axis.SetCanFocus(false);
    axis.SetTrackingEnabled(false);
    axis.SetMinSpan(-100, 120);
    // Labels packed close, so that the Y axis has room for a label every
    // 10 dB at the page's height.
    axis.SetLabelSeparation(0);
    axis.SetDesiredIncrement(labelStep);
    axis.SetAlignRefAxisName(axis.Name());
    axis.LabelsFont()->SetColor(clYellow);
}

using Points = std::initializer_list<std::pair<double, double>>;

void Seed(TComponent& root, const char* name, Points curve, Points marker) {
    auto* plot = dynamic_cast<TiXYPlot*>(root.FindComponent(name));
    if (!plot)
        return;
    for (const auto& [x, y] : curve)
        plot->Channel(0)->AddXY(x, y);
    for (const auto& [x, y] : marker)
        plot->Channel(1)->AddXY(x, y);
}

} // namespace

void SetTransferPlot(TiXYPlot& plot) {
    plot.SetUserCanEditObjects(false);
    plot.SetTitleVisible(false);
    plot.SetBorderStyle(ibsNone);
    // The toolbar and legend are there but hidden: they take no room.
    plot.KindObject(korvan::plot::kind::ToolBar, 0)->SetVisible(false);
    TiPlotObject* legend = plot.KindObject(korvan::plot::kind::Legend, 0);
    legend->SetVisible(false);
    legend->SetEnabled(false);
    TiPlotObject* dataView = plot.KindObject(korvan::plot::kind::DataView, 0);
    dataView->SetPopupEnabled(false);
    dataView->SetCanFocus(false);
    SetTransferAxis(*plot.XAxis(0), 20);
    SetTransferAxis(*plot.YAxis(0), 10);
    if (plot.ChannelCount() < 2)
        plot.AddChannel();
    TiXYPlotChannel& curve = *plot.Channel(0);
    curve.SetColor(clWhite);
    curve.SetTraceLineWidth(2);
    TiXYPlotChannel& marker = *plot.Channel(1);
    marker.SetColor(MarkerColour);
    marker.SetMarkersVisible(true);
    marker.SetMarkersSize(5);
    marker.SetMarkersPenWidth(3);
    marker.SetTraceLineStyle(iplsDot);
    marker.SetTraceLineWidth(5);
}

void SeedTransferPlots(TComponent& root) {
    for (const char* name : {"ipComp", "ipLimit"})
        Seed(root, name, {{20, 20}, {-10, -10}, {-10, -10}, {-100, -100}}, {{19.8, 20.4}});
    Seed(root, "ipGate", {{20, 20}, {-90, -90}, {-90, -100}}, {{-89.8, -90.4}});
}

} // namespace korvan::mainform
