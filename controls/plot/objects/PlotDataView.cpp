#include "controls/plot/objects/PlotDataView.h"

#include "controls/plot/axes/PixelRounding.h"
#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/component/PlotComponent.h"
#include "controls/plot/core/PackDrawing.h"
#include "controls/plot/core/PackForms.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/objects/FocusYield.h"
#include "controls/plot/objects/PlotToolBar.h"
#include "platform/gfx/Canvas.h"
#include "platform/text/StrUtils.h"

#include <algorithm>

using korvan::forms::ClassBuilder;
using korvan::plot::SaturatedRound;

namespace korvan::plot {

const std::vector<std::string>& AxesControlStyleNames() {
    static const std::vector<std::string> names{"ipacsXAxis", "ipacsYAxis", "ipacsBoth", "ipacsNone"};
    return names;
}

const std::vector<std::string>& GridLineStyleNames() {
    static const std::vector<std::string> names{"ipglsSolid", "ipglsDash", "ipglsDot"};
    return names;
}

} // namespace korvan::plot

namespace {

template <class B, TiPlotDataView::Lines L> B& GridLineProperties(B& builder, const std::string& prefix) {
    using D = TiPlotDataView;
    return builder.Property(prefix + "Custom", &D::LinesCustom<L>, &D::SetLinesCustom<L>)
        .Default(false)
        .Property(prefix + "Color", &D::LinesColor<L>, &D::SetLinesColor<L>)
        .Default(clGreen)
        .Property(prefix + "Width", &D::LinesWidth<L>, &D::SetLinesWidth<L>)
        .Default(0)
        .Enum(prefix + "Style", &D::LinesStyle<L>, &D::SetLinesStyle<L>, korvan::plot::GridLineStyleNames(),
              "TiPlotGridLineStyle")
        .Default(ipglsSolid);
}

} // namespace

const TClassInfo& TiPlotDataView::StaticClassInfo() {
    using D = TiPlotDataView;
    using korvan::plot::GridLineStyleNames;
    static const TClassInfo info = [] {
        ClassBuilder<D> b("TiPlotDataView", &TiPlotLayoutObject::StaticClassInfo());
        b.Property("Title", &D::Title, &D::SetTitle)
            .Property("BackgroundTransparent", &D::BackgroundTransparent, &D::SetBackgroundTransparent)
            .Default(true)
            .Property("BackgroundColor", &D::BackgroundColor, &D::SetBackgroundColor)
            .Default(clTeal)
            .Property("GridXAxisName", &D::GridXAxisName, &D::SetGridXAxisName)
            .Property("GridYAxisName", &D::GridYAxisName, &D::SetGridYAxisName)
            .Property("GridShow", &D::GridShow, &D::SetGridShow)
            .Default(true)
            .Property("GridLineColor", static_cast<TColor (D::*)() const>(&D::GridLineColor),
                      static_cast<void (D::*)(TColor)>(&D::SetGridLineColor))
            .Default(clGreen)
            .Property("GridLineShowLeft", &D::EdgeShown<EdgeLeft>, &D::SetEdgeShown<EdgeLeft>)
            .Default(true)
            .Property("GridLineShowRight", &D::EdgeShown<EdgeRight>, &D::SetEdgeShown<EdgeRight>)
            .Default(true)
            .Property("GridLineShowTop", &D::EdgeShown<EdgeTop>, &D::SetEdgeShown<EdgeTop>)
            .Default(true)
            .Property("GridLineShowBottom", &D::EdgeShown<EdgeBottom>, &D::SetEdgeShown<EdgeBottom>)
            .Default(true)
            .Property("GridLineShowXMajors", &D::LinesShown<XMajor>, &D::SetLinesShown<XMajor>)
            .Default(true)
            .Property("GridLineShowXMinors", &D::LinesShown<XMinor>, &D::SetLinesShown<XMinor>)
            .Default(false)
            .Property("GridLineShowYMajors", &D::LinesShown<YMajor>, &D::SetLinesShown<YMajor>)
            .Default(true)
            .Property("GridLineShowYMinors", &D::LinesShown<YMinor>, &D::SetLinesShown<YMinor>)
            .Default(false)
            .Enum("GridLineMajorStyle", &D::GridLineMajorStyle, &D::SetGridLineMajorStyle,
                  GridLineStyleNames(), "TiPlotGridLineStyle")
            .Default(ipglsSolid)
            .Enum("GridLineMinorStyle", &D::GridLineMinorStyle, &D::SetGridLineMinorStyle,
                  GridLineStyleNames(), "TiPlotGridLineStyle")
            .Default(ipglsSolid);
        GridLineProperties<ClassBuilder<D>, XMajor>(b, "GridLineXMajor");
        GridLineProperties<ClassBuilder<D>, XMinor>(b, "GridLineXMinor");
        GridLineProperties<ClassBuilder<D>, YMajor>(b, "GridLineYMajor");
        GridLineProperties<ClassBuilder<D>, YMinor>(b, "GridLineYMinor");
        b.Property("AxesControlEnabled", &D::AxesControlEnabled, &D::SetAxesControlEnabled)
            .Default(false)
            .Enum("AxesControlMouseStyle", &D::AxesControlMouseStyle, &D::SetAxesControlMouseStyle,
                  korvan::plot::AxesControlStyleNames(), "TiPlotAxesControlStyle")
            .Default(ipacsBoth)
            .Enum("AxesControlWheelStyle", &D::AxesControlWheelStyle, &D::SetAxesControlWheelStyle,
                  korvan::plot::AxesControlStyleNames(), "TiPlotAxesControlStyle")
            .Default(ipacsXAxis)
            .Property("AxesControlAllowInSelectMode", &D::AxesControlAllowInSelectMode,
                      &D::SetAxesControlAllowInSelectMode)
            .Default(false);
        return b.Build();
    }();
    return info;
}

TiPlotDataView::TiPlotDataView(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                               TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotLayoutObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                         std::move(onRename)) {}

TiPlotDataView::~TiPlotDataView() = default;

// ---------------------------------------------------------------- settings

void TiPlotDataView::SetGridXAxisName(const std::string& value) {
    if (value == gridXAxisName_)
        return;
    gridXAxisName_ = value;
    xAxis_ = nullptr;
    DoChange();
}

void TiPlotDataView::SetGridYAxisName(const std::string& value) {
    if (value == gridYAxisName_)
        return;
    gridYAxisName_ = value;
    yAxis_ = nullptr;
    DoChange();
}

void TiPlotDataView::SetGridLineStyle(Lines lines, TiPlotGridLineStyle value) {
    if (value == pens_[lines].Style)
        return;
    pens_[lines].Style = value;
    DoChange();
}

void TiPlotDataView::SetGridLineMajorStyle(TiPlotGridLineStyle value) {
    if (value == majorStyle_)
        return;
    majorStyle_ = value;
    DoChange();
}

void TiPlotDataView::SetGridLineMinorStyle(TiPlotGridLineStyle value) {
    if (value == minorStyle_)
        return;
    minorStyle_ = value;
    DoChange();
}

// ---------------------------------------------------------------- percentages

// A rectangle not laid out yet has no width: it counts as one pixel wide.
double TiPlotDataView::PixelsXToPositionPercent(int x) const {
    return (double(x) - DrawRect().Left) / std::max(Width(), 1) * 100.0;
}

double TiPlotDataView::PixelsYToPositionPercent(int y) const {
    return (1.0 - (double(y) - DrawRect().Top) / std::max(Height(), 1)) * 100.0;
}

int TiPlotDataView::PositionPercentToPixelsX(double value) const {
    return SaturatedRound(Width() * value / 100.0 + DrawRect().Left);
}

int TiPlotDataView::PositionPercentToPixelsY(double value) const {
    return SaturatedRound(Height() * (100.0 - value) / 100.0 + DrawRect().Top);
}

// ---------------------------------------------------------------- lookups

TiPlotComponent* TiPlotDataView::Plot() const {
    return dynamic_cast<TiPlotComponent*>(Owner());
}

std::vector<TiPlotAxis*> TiPlotDataView::Axes(bool x) const {
    std::vector<TiPlotAxis*> axes;
    if (TiPlotComponent* plot = Plot()) {
        const int count = x ? plot->XAxisCount() : plot->YAxisCount();
        for (int i = 0; i < count; ++i)
            axes.push_back(x ? static_cast<TiPlotAxis*>(plot->XAxis(i)) : plot->YAxis(i));
    }
    return axes;
}

TiPlotXAxis* TiPlotDataView::GetGridXAxis() {
    if (!xAxis_)
        if (TiPlotComponent* plot = Plot())
            xAxis_ = plot->GetXAxisByName(std::string_view(gridXAxisName_));
    return xAxis_;
}

TiPlotYAxis* TiPlotDataView::GetGridYAxis() {
    if (!yAxis_)
        if (TiPlotComponent* plot = Plot())
            yAxis_ = plot->GetYAxisByName(std::string_view(gridYAxisName_));
    return yAxis_;
}

TiDataViewMode TiPlotDataView::GetAxesControlMode() const {
    TiDataViewMode mode = axesControlEnabled_ ? TiDataViewMode::Axes : TiDataViewMode::None;
    // Without a toolbar there is neither zoom box nor select mode.
    TiPlotToolBar* toolBar = korvan::plot::ToolBarOf(Owner(), 0);
    if (!toolBar)
        return mode;
    if (toolBar->ZoomBoxActive())
        mode = TiDataViewMode::ZoomBox;
    if (toolBar->SelectActive() && !axesControlAllowInSelectMode_)
        mode = TiDataViewMode::Select;
    return mode;
}

// ---------------------------------------------------------------- painting

void TiPlotDataView::DrawBackground(TCanvas& canvas) {
    if (backgroundTransparent_)
        return;
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(backgroundColor_);
    canvas.FillRect(DrawRect());
}

void TiPlotDataView::Draw(TCanvas& canvas, TColor backGroundColor) {
    TiPlotLayoutObject::Draw(canvas, backGroundColor);
    if (gridShow_)
        DrawGrid(canvas, backGroundColor);
    if (UserSelected()) {
        canvas.Pen().SetColor(backGroundColor);
        canvas.Brush().SetStyle(bsClear);
        canvas.Brush().SetColor(backGroundColor);
        DrawFrame(canvas, true);
        canvas.Font().SetColor(clWhite);
        const TRect r = DrawRect();
        korvan::plot::DrawFocusRectangle(canvas, TRect{r.Left, r.Top, r.Right + 1, r.Bottom + 1});
    }
}

void TiPlotDataView::DrawGrid(TCanvas& canvas, TColor backGroundColor) {
    canvas.Brush().SetColor(backGroundColor);
    DrawAxisGrid(canvas, true);
    DrawAxisGrid(canvas, false);
    canvas.Pen().SetColor(gridLineColor_);
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(0);
    DrawFrame(canvas, false);
}

void TiPlotDataView::DrawAxisGrid(TCanvas& canvas, bool x) {
    const Lines majorLines = x ? XMajor : YMajor, minorLines = x ? XMinor : YMinor;
    const TiGridLinePen& majorCustom = pens_[majorLines];
    const TiGridLinePen& minorCustom = pens_[minorLines];
    const TiGridLinePen major =
        majorCustom.Custom ? majorCustom : TiGridLinePen{false, gridLineColor_, 0, majorStyle_};
    const TiGridLinePen minor =
        minorCustom.Custom ? minorCustom : TiGridLinePen{false, gridLineColor_, 0, minorStyle_};
    std::vector<TiPlotAxis*> axes;
    const std::string& name = x ? gridXAxisName_ : gridYAxisName_;
    if (UpperCase(name) == "<ALL>")
        axes = Axes(x);
    else if (TiPlotAxis* axis = x ? static_cast<TiPlotAxis*>(GetGridXAxis()) : GetGridYAxis())
        axes.push_back(axis);
    for (TiPlotAxis* axis : axes)
        axis->DrawGridLines(canvas, DrawRect(), show_[majorLines], show_[minorLines], major.Style,
                            major.Color, major.Width, minor.Style, minor.Color, minor.Width);
}

// Two-point polylines leave out their end point; the bottom line reaches
// the right edge.
void TiPlotDataView::DrawFrame(TCanvas& canvas, bool all) {
    const TRect r = DrawRect();
    if (all || edges_[EdgeLeft])
        canvas.Polyline({{r.Left, r.Top}, {r.Left, r.Bottom}});
    if (all || edges_[EdgeRight])
        canvas.Polyline({{r.Right, r.Top}, {r.Right, r.Bottom}});
    if (all || edges_[EdgeTop])
        canvas.Polyline({{r.Left, r.Top}, {r.Right, r.Top}});
    if (all || edges_[EdgeBottom])
        canvas.Polyline({{r.Left, r.Bottom}, {r.Right + 1, r.Bottom}});
}

void TiPlotDataView::DrawZoomBox(TCanvas& canvas) {
    if (!zoomBoxActive_)
        return;
    canvas.Font().SetColor(clWhite);
    korvan::plot::DrawFocusRectangle(canvas, ZoomBoxRect());
}

// ---------------------------------------------------------------- notices

void TiPlotDataView::NotifyRemove(TObject* sender) {
    TiPlotLayoutObject::NotifyRemove(sender);
    if (sender == xAxis_)
        xAxis_ = nullptr;
    if (sender == yAxis_)
        yAxis_ = nullptr;
}

void TiPlotDataView::NotifyRename(TObject* sender) {
    TiPlotLayoutObject::NotifyRename(sender);
    if (xAxis_ && sender == xAxis_)
        gridXAxisName_ = xAxis_->Name();
    if (yAxis_ && sender == yAxis_)
        gridYAxisName_ = yAxis_->Name();
}

void TiPlotDataView::NotifySetFocus(TObject* sender) {
    TiPlotLayoutObject::NotifySetFocus(sender);
    korvan::plot::YieldSelectionTo(*this, sender);
}

void TiPlotDataView::PreparePopupMenu(TPopupMenu* popupMenu) {
    TiPlotLayoutObject::PreparePopupMenu(popupMenu);
    AddEditMenuItem(popupMenu);
}
