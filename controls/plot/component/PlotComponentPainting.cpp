// The plot's paint: background, the data view's contents in layer order
// clipped to the data view, then the axes, labels and the other outer
// objects.

#include "controls/plot/component/PlotComponent.h"

#include "controls/plot/axes/AxisManagers.h"
#include "controls/plot/component/PlotLayout.h"
#include "controls/plot/core/PackDrawing.h"
#include "controls/plot/layout/LayoutManager.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/master/PlotKinds.h"
#include "controls/plot/objects/LabelManager.h"
#include "controls/plot/objects/PlotDataCursor.h"
#include "controls/plot/objects/PlotDataView.h"
#include "controls/plot/objects/PlotLegend.h"
#include "controls/plot/objects/PlotLimit.h"
#include "platform/forms/TypeInfo.h"
#include "platform/sys/FlagScope.h"

#include <algorithm>
#include <utility>

namespace kind = korvan::plot::kind;

namespace {

// The data view's own colour setting, read by name (the data view's class
// lives elsewhere); `fallback` when it has none.
TColor TraceBackGroundColor(TiPlotObject* dataView, TColor fallback) {
    if (!dataView)
        return fallback;
    const ObjectRef ref = ObjectRefOf(dataView);
    const TPropInfo* transparent = GetPropInfo(ref, "BackgroundTransparent");
    const TPropInfo* color = GetPropInfo(ref, "BackgroundColor");
    if (!color || (transparent && GetOrdProp(ref, *transparent) != 0))
        return fallback;
    return TColor(GetOrdProp(ref, *color));
}

// Paint order of the objects inside the data view: by layer, then by
// letter; among equal keys the one entered last is drawn first.
class LayerList {
public:
    void Add(const TiPlotObject* object, char letter) {
        std::string key = object->GetLayerSortKey() + letter;
        const auto at = std::lower_bound(entries_.begin(), entries_.end(), key,
                                         [](const auto& e, const std::string& k) { return e.first < k; });
        entries_.insert(at, {std::move(key), const_cast<TiPlotObject*>(object)});
    }
    const std::vector<std::pair<std::string, TiPlotObject*>>& Entries() const { return entries_; }

private:
    std::vector<std::pair<std::string, TiPlotObject*>> entries_;
};

} // namespace

void TiPlotComponent::AddAxesCollisionRect(const TRect& rect) {
    axesCollisionList_.push_back(rect);
}

bool TiPlotComponent::TryAddAxesCollisionRect(const TRect& rect) {
    auto overlaps = [&](const TRect& r) {
        return rect.Left < r.Right && r.Left < rect.Right && rect.Top < r.Bottom && r.Top < rect.Bottom;
    };
    auto inside = [&](const TRect& r) {
        return rect.Left >= r.Left && rect.Top >= r.Top && rect.Right <= r.Right && rect.Bottom <= r.Bottom;
    };
    for (const TRect& recorded : axesCollisionList_)
        if (overlaps(recorded) || !inside(dataViewRect_))
            return false;
    axesCollisionList_.push_back(rect);
    return true;
}

void TiPlotComponent::iPaintTo(TCanvas& canvas) {
    // Whatever follows, the page starts in the background colour.
    DrawBackGround(canvas, BackGroundColor());
    hintShowing_ = false;
    bool painted = false;
    {
        korvan::sys::FlagScope painting(paintingActive_);
        painted = PaintObjects(canvas);
    }
    if (painted && OnAfterPaint)
        OnAfterPaint(this);
}

bool TiPlotComponent::PaintObjects(TCanvas& canvas) {
    // The toolbar, legend and data view kinds are needed once they have
    // joined the plot.
    for (std::string_view needed : {kind::ToolBar, kind::Legend, kind::DataView})
        if (Kind(needed) && KindCount(needed) == 0)
            return false;
    TiPlotObject* dataView = DataViewCount() > 0 ? KindObject(kind::DataView, 0) : nullptr;
    const TColor traceBackGround = TraceBackGroundColor(dataView, BackGroundColor());
    axesCollisionList_.clear();

    std::vector<TiPlotAxis*> xAxes, yAxes;
    for (int i = 0; i < XAxisCount(); ++i)
        xAxes.push_back(XAxis(i));
    for (int i = 0; i < YAxisCount(); ++i)
        yAxes.push_back(YAxis(i));
    auto calcTicks = [&] {
        for (TiPlotAxis* axis : xAxes)
            axis->CalcTickList(canvas);
        for (TiPlotAxis* axis : yAxes)
            axis->CalcTickList(canvas);
    };
    // Legend 0 shows the cursor's values of every channel while a visible
    // cursor follows all channels and asks for them there.
    auto* legend = Kind(kind::Legend) && KindCount(kind::Legend) > 0
                       ? dynamic_cast<TiPlotLegend*>(KindObject(kind::Legend, 0))
                       : nullptr;
    if (legend)
        legend->SetCursorAllChannels(false);
    for (int i = 0; i < DataCursorCount(); ++i)
        if (auto* cursor = dynamic_cast<TiPlotDataCursor*>(KindObject(kind::DataCursor, i))) {
            cursor->Update();
            if (legend && cursor->Visible() && cursor->ChannelName() == TiPlotDataCursor::AllChannels &&
                cursor->ChannelShowAllInLegend())
                legend->SetCursorAllChannels(true);
        }
    calcTicks();
    korvan::plot::TiPlotLayoutInput layout;
    layout.manager = master_->LayoutManager();
    layout.width = Width();
    layout.height = Height();
    layout.border = BorderStyle() == ibsNone ? 0 : 2;
    layout.outerLeft = outerMarginLeft_;
    layout.outerTop = outerMarginTop_;
    layout.outerRight = outerMarginRight_;
    layout.outerBottom = outerMarginBottom_;
    layout.xyAxesReverse = XYAxesReverse();
    layout.xAxes = xAxes;
    layout.yAxes = yAxes;
    // The second pass sees the label extents the first one produced.
    for (int pass = 0; pass < 2; ++pass) {
        dataViewRect_ = korvan::plot::CalcPlotLayout(layout, canvas);
        if (auto* view = dynamic_cast<TiPlotLayoutObject*>(dataView))
            view->SetDrawRect(dataViewRect_);
    }
    calcTicks();
    for (int i = 0; i < ChannelCount(); ++i)
        KindObject(kind::Channel, i)->PrepareDraw();
    for (TiPlotAxis* axis : xAxes)
        axis->PrepareDraw();
    for (TiPlotAxis* axis : yAxes)
        axis->PrepareDraw();

    if (backGroundGradientEnabled_) {
        canvas.SetClipRect(TRect{0, 0, Width(), Height()});
        korvan::plot::GradientFill(canvas, TRect{0, 0, Width(), Height()}, backGroundGradientDirection_,
                                   backGroundGradientStartColor_, backGroundGradientStopColor_);
        canvas.SelectClipRegion(std::nullopt);
    }

    auto* view = dynamic_cast<TiPlotDataView*>(dataView);
    if (view)
        view->DrawBackground(canvas);

    LayerList layers;
    // Filled limits lie under the data view's grid, lines over it.
    for (int i = 0; i < LimitCount(); ++i) {
        auto* limit = dynamic_cast<TiPlotLimit*>(KindObject(kind::Limit, i));
        layers.Add(KindObject(kind::Limit, i), limit && limit->IsAreaLimit() ? 'A' : 'C');
    }
    if (dataView)
        layers.Add(dataView, 'B');
    for (TiPlotAxis* axis : yAxes)
        if (axis->IsCartesian())
            layers.Add(axis, 'D');
    for (TiPlotAxis* axis : xAxes)
        if (axis->IsCartesian())
            layers.Add(axis, 'E');
    for (int i = 0; i < ChannelCount(); ++i)
        layers.Add(KindObject(kind::Channel, i), 'F');
    for (int i = 0; i < AnnotationCount(); ++i)
        layers.Add(KindObject(kind::Annotation, i), 'G');
    const TRect clip{dataViewRect_.Left, dataViewRect_.Top, dataViewRect_.Right + 1,
                     dataViewRect_.Bottom + 1};
    for (const auto& [key, object] : layers.Entries()) {
        canvas.SetClipRect(clip);
        try {
            object->Draw(canvas, traceBackGround);
        } catch (...) {
            canvas.SelectClipRegion(std::nullopt);
            throw;
        }
        canvas.SelectClipRegion(std::nullopt);
    }
    if (view)
        view->DrawZoomBox(canvas);

    canvas.Brush().SetColor(BackGroundColor());
    canvas.Brush().SetStyle(bsSolid);
    DrawBorder(canvas);
    for (TiPlotAxis* axis : xAxes)
        if (!axis->IsCartesian())
            axis->Draw(canvas, BackGroundColor());
    for (TiPlotAxis* axis : yAxes)
        if (!axis->IsCartesian())
            axis->Draw(canvas, BackGroundColor());
    for (int i = 0; i < LabelCount(); ++i)
        Label(i)->Draw(canvas, BackGroundColor());
    for (int i = 0; i < ToolBarCount(); ++i)
        KindObject(kind::ToolBar, i)->Draw(canvas, BackGroundColor());
    for (int i = 0; i < DataCursorCount(); ++i)
        KindObject(kind::DataCursor, i)->Draw(canvas, traceBackGround);
    for (int i = 0; i < LegendCount(); ++i)
        KindObject(kind::Legend, i)->Draw(canvas, BackGroundColor());
    for (int i = 0; i < TableCount(); ++i)
        KindObject(kind::Table, i)->Draw(canvas, BackGroundColor());
    DrawHint(canvas);
    return true;
}
