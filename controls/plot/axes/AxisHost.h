#pragma once
// What an axis asks of the plot that owns it: the plot's axis events, the
// collision list of cartesian axes and the lookup of axes by name. The plot
// component implements it; an owner that does not leaves the axis without
// events, without collision tests (every label is drawn) and without
// reference axes.

#include "controls/plot/core/PlotTypes.h"
#include "platform/forms/Component.h"
#include "platform/forms/ControlTypes.h"
#include "platform/gfx/Types.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class TiPlotAxis;

class IiPlotAxisHost {
public:
    virtual void DoAxisMinChange(TiPlotAxis* axis, double newMin, double oldMin) = 0;
    virtual void DoAxisSpanChange(TiPlotAxis* axis, double newSpan, double oldSpan) = 0;
    virtual void DoAxisMinSpanChange(TiPlotAxis* axis, double newMin, double oldMin, double newSpan,
                                     double oldSpan) = 0;
    // The application may change a label text.
    virtual void DoAxisCustomizeLabel(TiPlotAxis* axis, std::string& text, double value) = 0;
    virtual void AddAxesCollisionRect(const TRect& rect) = 0;
    // Records rect and answers true when it overlaps no recorded rectangle
    // and lies inside the first data view.
    virtual bool TryAddAxesCollisionRect(const TRect& rect) = 0;
    virtual TiPlotAxis* GetXAxisByName(const std::string& name) = 0;
    virtual TiPlotAxis* GetYAxisByName(const std::string& name) = 0;

    // --- user input ---
    // A drag or key on the axis ended with another range than it began.
    virtual void DoAxisMinSpanChangeFinished(TiPlotAxis* axis, double oldMin, double oldSpan, double newMin,
                                             double newSpan) = 0;
    virtual void DoAxisClick(TiPlotAxis* axis) = 0;
    virtual void DoAxisGetMouseCursor(TiPlotAxis* axis, TCursor& cursor) = 0;
    virtual void DoAxisCustomizeHint(TiPlotAxis* axis, TiHintData& hint) = 0;
    // The text width and height of the plot control's canvas.
    virtual TSize PlotTextExtent(const std::string& text) = 0;
    // (lowest, highest) of every channel drawn against the axis; fast reads
    // the channels' running values instead of their data.
    virtual std::vector<std::pair<double, double>> AxisChannelRanges(TiPlotAxis* axis, bool fast) = 0;
    // The axis' input, repeated on the other axes of its direction.
    virtual void MasterUIInputMouseLeft(TiPlotAxis* axis, const TiPlotMouseData& data) = 0;
    virtual void MasterUIInputMouseMove(TiPlotAxis* axis, const TiPlotMouseData& data) = 0;
    virtual void MasterUIInputMouseUp(TiPlotAxis* axis, const TiPlotMouseData& data) = 0;
    virtual void MasterUIInputMouseWheel(TiPlotAxis* axis, int wheelDelta, TShiftState shift, int x,
                                         int y) = 0;
    virtual void MasterUIInputKeyDown(TiPlotAxis* axis, std::uint16_t& charCode, TShiftState shift) = 0;

protected:
    ~IiPlotAxisHost() = default;
};

namespace korvan::plot {
inline IiPlotAxisHost* AxisHostOf(TComponent* owner) {
    return dynamic_cast<IiPlotAxisHost*>(owner);
}
} // namespace korvan::plot
