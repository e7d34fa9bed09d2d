// The plot's object events: which kinds raise which events, and the
// dispatchers that plot objects and axes call on their owner. Every
// dispatcher is silent while the plot loads.

#include "controls/plot/component/PlotComponent.h"

#include "controls/plot/axes/AxisManagers.h"
#include "controls/plot/channels/StripChannel.h"
#include "controls/plot/master/MasterManager.h"
#include "controls/plot/master/PlotKinds.h"
#include "platform/gfx/Bitmap.h"

#include <array>

namespace kind = korvan::plot::kind;

namespace {

struct KindEventsEntry {
    std::string_view kind;
    TiPlotKindEvents TiPlotComponent::*events;
    bool mouse, focus, addRemove;
};

// In the order the kinds are tested.
constexpr std::array<KindEventsEntry, 9> kKindEvents{{
    {kind::Channel, &TiPlotComponent::ChannelEvents, true, true, true},
    {kind::XAxis, &TiPlotComponent::XAxisEvents, true, true, true},
    {kind::YAxis, &TiPlotComponent::YAxisEvents, true, true, true},
    {kind::DataCursor, &TiPlotComponent::DataCursorEvents, true, true, true},
    {kind::DataView, &TiPlotComponent::DataViewEvents, true, true, true},
    {kind::Legend, &TiPlotComponent::LegendEvents, true, true, true},
    {kind::Limit, &TiPlotComponent::LimitEvents, true, false, true},
    {kind::Annotation, &TiPlotComponent::AnnotationEvents, true, true, true},
    {kind::Table, &TiPlotComponent::TableEvents, false, false, true},
}};

// Only strip-chart channels raise the channel wheel event.
bool IsStripChartChannel(const TiPlotObject* object) {
    return dynamic_cast<const TiPlotChannel*>(object) != nullptr;
}

} // namespace

TiPlotComponent::KindEvents TiPlotComponent::EventsOf(TiPlotObject* object) {
    KindEvents result;
    TiPlotObjectManagerCustom* manager = master_->KindManagerOf(object);
    if (!manager)
        return result;
    for (const KindEventsEntry& entry : kKindEvents)
        if (manager->GetBaseName() == entry.kind) {
            result.events = &(this->*entry.events);
            result.index = manager->GetIndex(object);
            result.mouse = entry.mouse;
            result.focus = entry.focus;
            result.addRemove = entry.addRemove;
            break;
        }
    return result;
}

// ---------------------------------------------------------------- objects

void TiPlotComponent::DoObjectMouseDown(TiPlotObject* object, TMouseButton button, TShiftState shift, int x,
                                        int y) {
    const KindEvents k = EventsOf(object);
    if (!IsLoading() && k.mouse && k.events->OnMouseDown)
        k.events->OnMouseDown(k.index, button, shift, x, y);
}

void TiPlotComponent::DoObjectMouseMove(TiPlotObject* object, TShiftState shift, int x, int y) {
    const KindEvents k = EventsOf(object);
    if (!IsLoading() && k.mouse && k.events->OnMouseMove)
        k.events->OnMouseMove(k.index, shift, x, y);
}

void TiPlotComponent::DoObjectMouseUp(TiPlotObject* object, TMouseButton button, TShiftState shift, int x,
                                      int y) {
    const KindEvents k = EventsOf(object);
    if (!IsLoading() && k.mouse && k.events->OnMouseUp)
        k.events->OnMouseUp(k.index, button, shift, x, y);
}

void TiPlotComponent::DoObjectMouseWheel(TiPlotObject* object, int wheelDelta, TShiftState shift, int x,
                                         int y) {
    const KindEvents k = EventsOf(object);
    if (IsLoading() || !k.mouse || !k.events->OnMouseWheel)
        return;
    if (k.events == &ChannelEvents && !IsStripChartChannel(object))
        return;
    k.events->OnMouseWheel(k.index, wheelDelta, shift, x, y);
}

void TiPlotComponent::DoObjectPopupMenu(TiPlotObject* object, bool& cancel, int screenX, int screenY) {
    const KindEvents k = EventsOf(object);
    if (!IsLoading() && k.mouse && k.events->OnPopupMenu)
        k.events->OnPopupMenu(k.index, cancel, screenX, screenY);
}

void TiPlotComponent::DoObjectGotFocus(TiPlotObject* object) {
    const KindEvents k = EventsOf(object);
    if (!IsLoading() && k.focus && k.events->OnGotFocus)
        k.events->OnGotFocus(k.index);
}

void TiPlotComponent::DoObjectLostFocus(TiPlotObject* object) {
    const KindEvents k = EventsOf(object);
    if (!IsLoading() && k.focus && k.events->OnLostFocus)
        k.events->OnLostFocus(k.index);
}

void TiPlotComponent::DoObjectClick(TiPlotObject* object) {
    const KindEvents k = EventsOf(object);
    if (IsLoading() || !k.mouse)
        return;
    if (dblClickActive_) {
        dblClickActive_ = false;
        if (k.events->OnDblClick)
            k.events->OnDblClick(k.index);
    } else if (k.events->OnClick) {
        k.events->OnClick(k.index);
    }
}

void TiPlotComponent::DoGetMouseCursor(TiPlotObject* object, TCursor& cursor) {
    const KindEvents k = EventsOf(object);
    if (!IsLoading() && k.mouse && k.events->OnGetMouseCursor)
        k.events->OnGetMouseCursor(k.index, cursor);
}

TPoint TiPlotComponent::PlotClientToScreen(TPoint point) {
    return ClientToScreen(point);
}

// ---------------------------------------------------------------- axes

namespace {
bool IsXAxis(TiPlotAxis* axis) {
    return dynamic_cast<TiPlotXAxis*>(axis) != nullptr;
}
} // namespace

void TiPlotComponent::DoAxisMinChange(TiPlotAxis* axis, double newMin, double oldMin) {
    const KindEvents k = EventsOf(axis);
    if (auto& event = IsXAxis(axis) ? OnXAxisMinChange : OnYAxisMinChange; event && !IsLoading())
        event(k.index, oldMin, newMin);
}

void TiPlotComponent::DoAxisSpanChange(TiPlotAxis* axis, double newSpan, double oldSpan) {
    const KindEvents k = EventsOf(axis);
    if (auto& event = IsXAxis(axis) ? OnXAxisSpanChange : OnYAxisSpanChange; event && !IsLoading())
        event(k.index, oldSpan, newSpan);
}

void TiPlotComponent::DoAxisMinSpanChange(TiPlotAxis* axis, double newMin, double oldMin, double newSpan,
                                          double oldSpan) {
    const KindEvents k = EventsOf(axis);
    if (auto& event = IsXAxis(axis) ? OnXAxisMinSpanChange : OnYAxisMinSpanChange; event && !IsLoading())
        event(k.index, oldMin, oldSpan, newMin, newSpan);
}

void TiPlotComponent::DoAxisMinSpanChangeFinished(TiPlotAxis* axis, double oldMin, double oldSpan,
                                                  double newMin, double newSpan) {
    const KindEvents k = EventsOf(axis);
    if (auto& event = IsXAxis(axis) ? OnXAxisMinSpanChangeFinished : OnYAxisMinSpanChangeFinished;
        event && !IsLoading())
        event(k.index, oldMin, oldSpan, newMin, newSpan);
}

void TiPlotComponent::DoAxisCustomizeLabel(TiPlotAxis* axis, std::string& text, double value) {
    auto& event = IsXAxis(axis) ? OnXAxisCustomizeLabel : OnYAxisCustomizeLabel;
    if (!event || IsLoading())
        return;
    tempCustomLabel_ = text;
    event(EventsOf(axis).index, value, tempCustomLabel_);
    text = tempCustomLabel_;
}

void TiPlotComponent::DoAxisCustomizeHint(TiPlotAxis* axis, TiHintData& hint) {
    if (auto& event = IsXAxis(axis) ? OnXAxisCustomizeHint : OnYAxisCustomizeHint; event && !IsLoading())
        event(EventsOf(axis).index, hint.Text);
}

void TiPlotComponent::DoAxisClick(TiPlotAxis* axis) {
    DoObjectClick(axis);
}

void TiPlotComponent::DoAxisGetMouseCursor(TiPlotAxis* axis, TCursor& cursor) {
    DoGetMouseCursor(axis, cursor);
}

TiPlotAxis* TiPlotComponent::GetXAxisByName(const std::string& name) {
    return GetXAxisByName(std::string_view(name));
}

TiPlotAxis* TiPlotComponent::GetYAxisByName(const std::string& name) {
    return GetYAxisByName(std::string_view(name));
}

TSize TiPlotComponent::PlotTextExtent(const std::string& text) {
    TBitmap scratch(1, 1);
    scratch.Canvas().Font().Assign(Font());
    return scratch.Canvas().TextExtent(text);
}
