#pragma once
// What the plot's overlays (data cursors, limits, annotations) ask of the
// plot that owns them beyond the axis and channel hosts: their events, the
// channels by name, a fresh layout, and whether the plot is an XY plot.
// The plot component implements it; an owner that does not leaves the
// overlays without channels and events (they still draw on their axes).

#include "platform/forms/Component.h"

#include <string>
#include <string_view>

class TiPlotObject;
class TiPlotChannelCustom;

class IiPlotOverlayHost {
public:
    virtual int ChannelCount() const = 0;
    virtual TiPlotChannelCustom* OverlayChannel(int index) const = 0;
    // Without regard to case; null when none has the name.
    virtual TiPlotChannelCustom* OverlayChannelByName(std::string_view name) const = 0;
    // XY plots measure X and Y with a data cursor's two pointers; strip
    // charts measure with pointer 1 alone.
    virtual bool IsXYPlot() const = 0;
    virtual bool ClipAnnotationsToAxes() const = 0;
    // A full paint into a scratch bitmap: lays out and updates every object.
    virtual void ReCalcLayout() = 0;

    virtual void DoDataCursorChange(TiPlotObject* cursor) = 0;
    virtual void DoBeforeDataCursorUpdate(TiPlotObject* cursor) = 0;
    virtual void DoDataCursorCustomizeHint(TiPlotObject* cursor, std::string& text) = 0;
    virtual void DoLimitLine1PositionChange(TiPlotObject* limit, double oldValue, double newValue) = 0;
    virtual void DoLimitLine2PositionChange(TiPlotObject* limit, double oldValue, double newValue) = 0;
    virtual void DoAnnotationCoordinatesChange(TiPlotObject* annotation) = 0;
    virtual void DoAnnotationMoveUser(TiPlotObject* annotation) = 0;
    virtual void DoAnnotationResizeUser(TiPlotObject* annotation) = 0;
    virtual void DoAnnotationCoordinatesChangeFinished(TiPlotObject* annotation) = 0;

protected:
    ~IiPlotOverlayHost() = default;
};

namespace korvan::plot {
inline IiPlotOverlayHost* OverlayHostOf(TComponent* owner) {
    return dynamic_cast<IiPlotOverlayHost*>(owner);
}
} // namespace korvan::plot
