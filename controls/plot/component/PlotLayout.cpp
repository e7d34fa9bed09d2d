#include "controls/plot/component/PlotLayout.h"

#include "controls/plot/axes/PixelRounding.h"
#include "controls/plot/axes/PlotAxis.h"
#include "controls/plot/layout/LayoutManager.h"

#include <algorithm>
#include <map>

namespace korvan::plot {

namespace {

using Objects = std::vector<TiPlotLayoutObject*>;

bool IsAxisRole(const TiPlotLayoutObject* object) {
    return object->LayoutRole() == TiLayoutRole::XAxis || object->LayoutRole() == TiLayoutRole::YAxis;
}

const TiPlotAxis* AsAxis(const TiPlotLayoutObject* object) {
    return IsAxisRole(object) ? dynamic_cast<const TiPlotAxis*>(object) : nullptr;
}

bool IsCartesian(const TiPlotLayoutObject* object) {
    const TiPlotAxis* axis = AsAxis(object);
    return axis && axis->IsCartesian();
}

Objects VisibleObjects(const TiEdgeList& list) {
    Objects visible;
    for (const TiEdgeEntry& entry : list)
        if (entry.Object->Visible())
            visible.push_back(entry.Object);
    return visible;
}

void Stack(const Objects& side) {
    for (TiPlotLayoutObject* object : side) {
        object->SetStartStacked(false);
        object->SetStopStacked(false);
    }
    int zOrder = -1;
    TiPlotLayoutObject* previous = nullptr;
    for (TiPlotLayoutObject* object : side) {
        if (IsCartesian(object))
            continue;
        if (object->ForceStacking()) {
            object->SetStartStacked(true);
            object->SetStopStacked(true);
        } else if (object->ZOrder() != zOrder) {
            zOrder = object->ZOrder();
        } else if (previous) {
            previous->SetStopStacked(true);
            object->SetStartStacked(true);
        }
        previous = object;
    }
}

// The measures of one side: each row's thickness and the room its ends
// need.
struct Side {
    Objects objects;
    std::map<int, int> groupWidth;
    int width = 0;
    int startMargin = 0, stopMargin = 0;

    Side(const TiEdgeList& list, TCanvas& canvas) : objects(VisibleObjects(list)) {
        Stack(objects);
        for (TiPlotLayoutObject* object : objects) {
            if (IsCartesian(object))
                continue;
            int& group = groupWidth[object->ZOrder()];
            group = std::max(group, object->GetRequiredWidth(canvas));
            const int ends = object->GetRequiredEndsMargin(canvas);
            if (!object->StartStacked())
                startMargin = std::max(startMargin, ends);
            if (!object->StopStacked())
                stopMargin = std::max(stopMargin, ends);
        }
        int zOrder = -1;
        bool first = true;
        for (const TiPlotLayoutObject* object : objects) {
            if (IsCartesian(object))
                continue;
            if (first || object->ZOrder() != zOrder)
                width += groupWidth[object->ZOrder()];
            zOrder = object->ZOrder();
            first = false;
        }
    }
    int Group(int zOrder) const {
        const auto it = groupWidth.find(zOrder);
        return it == groupWidth.end() ? 0 : it->second;
    }
};

// Lays the rows of one side outward from `start`; `outward` is -1 toward
// the left or top, +1 toward the right or bottom.
template <class Place> void Bands(const Side& side, bool lastFirst, int start, int outward, Place place) {
    Objects order = side.objects;
    if (lastFirst)
        std::reverse(order.begin(), order.end());
    int position = start;
    bool first = true;
    int zOrder = 0;
    for (TiPlotLayoutObject* object : order) {
        if (IsCartesian(object))
            continue;
        if (!first && object->ZOrder() != zOrder)
            position += outward * side.Group(zOrder);
        zOrder = object->ZOrder();
        first = false;
        place(object, position, side.Group(zOrder));
    }
}

int Nearest(double value) {
    return SaturatedRound(value);
}

void PlaceAlong(TiPlotLayoutObject* object, const TiPlotLayoutInput& in, const TRect& dv) {
    const TiLayoutRole role = object->LayoutRole();
    const double start = object->StartPercent() / 100.0, stop = object->StopPercent() / 100.0;
    const double dvw = double(dv.Right) - dv.Left, dvh = double(dv.Bottom) - dv.Top;
    if (object->IsHorz()) {
        if (role == TiLayoutRole::Toolbar) {
            const double span = double(in.width) - 2.0 * in.border;
            object->SetDrawLeft(Nearest(start * span) + in.border);
            object->SetDrawRight(Nearest(stop * span) + in.border - 1);
        } else if (role == TiLayoutRole::Label) {
            const double span = double(in.width) - in.border - in.outerLeft - in.outerRight;
            object->SetDrawLeft(Nearest(start * span) + in.border + in.outerLeft);
            object->SetDrawRight(Nearest(stop * span) + in.border + in.outerLeft);
        } else {
            object->SetDrawLeft(Nearest(dvw * start) + dv.Left);
            object->SetDrawRight(Nearest(dvw * stop) + dv.Left);
        }
    } else if (role != TiLayoutRole::Toolbar) {
        object->SetDrawTop(dv.Bottom - Nearest(dvh * stop));
        object->SetDrawBottom(dv.Bottom - Nearest(dvh * start));
    }
}

void PlaceCartesian(TiPlotAxis* axis, const TRect& dv) {
    if (axis->CartesianStyle() == ipcsMaster) {
        if (axis->IsHorz())
            axis->SetDrawRect(TRect{dv.Left, (dv.Top + dv.Bottom) / 2, dv.Right, (dv.Top + dv.Bottom) / 2});
        else
            axis->SetDrawRect(TRect{(dv.Left + dv.Right) / 2, dv.Top, (dv.Left + dv.Right) / 2, dv.Bottom});
        return;
    }
    TiPlotAxis* reference = axis->GetCartesianRefAxis();
    if (!reference) {
        axis->SetDrawRect(TRect{0, 0, 0, 0});
        return;
    }
    const int at = reference->PositionToPixels(axis->CartesianChildRefValue());
    if (axis->IsHorz())
        axis->SetDrawRect(TRect{dv.Left, at, dv.Right, at});
    else
        axis->SetDrawRect(TRect{at, dv.Top, at, dv.Bottom});
}

} // namespace

TRect CalcPlotLayout(const TiPlotLayoutInput& in, TCanvas& canvas) {
    TiPlotLayoutManager& manager = *in.manager;
    manager.RebuildEdgeLists();
    const Side top(manager.TopList(), canvas), bottom(manager.BottomList(), canvas),
        left(manager.LeftList(), canvas), right(manager.RightList(), canvas);

    const int leftExtra = std::max({0, top.startMargin, bottom.startMargin});
    const int rightExtra = std::max({0, top.stopMargin, bottom.stopMargin});
    const int topExtra = std::max({0, left.stopMargin, right.stopMargin});
    const int bottomExtra = std::max({0, left.startMargin, right.startMargin});
    const int topWidth = std::max(top.width, topExtra), bottomWidth = std::max(bottom.width, bottomExtra);
    const int leftWidth = std::max(left.width, leftExtra), rightWidth = std::max(right.width, rightExtra);
    // A toolbar alone at the top sits above the room the vertical axes'
    // upper ends need.
    const bool singleToolBar =
        top.objects.size() == 1 && top.objects.front()->LayoutRole() == TiLayoutRole::Toolbar;

    TRect dv{leftWidth + in.border + in.outerLeft,
             topWidth + in.border + in.outerTop + (singleToolBar ? topExtra : 0),
             in.width - (rightWidth + in.border + in.outerRight) - 1,
             in.height - (bottomWidth + in.border + in.outerBottom) - 1};

    Bands(left, true, dv.Left, -1, [](TiPlotLayoutObject* o, int position, int group) {
        o->SetDrawLeft(position - group);
        o->SetDrawRight(position);
    });
    Bands(right, false, dv.Right, +1, [](TiPlotLayoutObject* o, int position, int group) {
        o->SetDrawLeft(position);
        o->SetDrawRight(position + group);
    });
    bool movedPastEnds = false;
    Bands(top, false, dv.Top, -1, [&](TiPlotLayoutObject* o, int position, int group) {
        if (singleToolBar && !movedPastEnds && !IsAxisRole(o)) {
            movedPastEnds = true;
            position -= topExtra;
        }
        o->SetDrawTop(position - group);
        o->SetDrawBottom(position);
        if (o->LayoutRole() == TiLayoutRole::Toolbar) {
            o->SetDrawTop(in.border);
            o->SetDrawBottom(in.border + o->GetRequiredWidth(canvas));
        }
    });
    Bands(bottom, true, dv.Bottom, +1, [](TiPlotLayoutObject* o, int position, int group) {
        o->SetDrawTop(position);
        o->SetDrawBottom(position + group);
    });

    for (const Side* side : {&top, &bottom, &left, &right})
        for (TiPlotLayoutObject* object : side->objects)
            PlaceAlong(object, in, dv);

    std::vector<TiPlotAxis*> axes = in.xAxes;
    axes.insert(axes.end(), in.yAxes.begin(), in.yAxes.end());
    for (TiPlotAxis* axis : axes)
        if (axis->IsCartesian())
            PlaceCartesian(axis, dv);
    for (TiPlotAxis* axis : axes) {
        const TiPlotAxis* reference = axis->GetAlignRefAxis();
        if (!reference)
            continue;
        const TRect from = reference->DrawRect();
        if (axis->IsHorz()) {
            axis->SetDrawLeft(from.Left);
            axis->SetDrawRight(from.Right);
        } else {
            axis->SetDrawTop(from.Top);
            axis->SetDrawBottom(from.Bottom);
        }
        axis->SetStartStacked(reference->StartStacked());
        axis->SetStopStacked(reference->StopStacked());
        axis->CalcScaleRect(canvas);
    }

    // The data view takes the span of the axes' scales; a direction
    // without axes keeps the span laid out above.
    const std::vector<TiPlotAxis*>& across = in.xyAxesReverse ? in.xAxes : in.yAxes;
    const std::vector<TiPlotAxis*>& along = in.xyAxesReverse ? in.yAxes : in.xAxes;
    if (!across.empty()) {
        int topmost = in.height, bottommost = 0;
        for (TiPlotAxis* axis : across) {
            axis->CalcScaleRect(canvas);
            topmost = std::min(topmost, axis->ScaleRect().Top);
            bottommost = std::max(bottommost, axis->ScaleRect().Bottom);
        }
        dv.Top = topmost;
        dv.Bottom = bottommost;
    }
    if (!along.empty()) {
        int leftmost = in.width, rightmost = 0;
        for (TiPlotAxis* axis : along) {
            axis->CalcScaleRect(canvas);
            leftmost = std::min(leftmost, axis->ScaleRect().Left);
            rightmost = std::max(rightmost, axis->ScaleRect().Right);
        }
        dv.Left = leftmost;
        dv.Right = rightmost;
    }
    return dv;
}

} // namespace korvan::plot
