#pragma once
// What an axis asks of the plot that owns it: the plot's axis events, the
// collision list of cartesian axes and the lookup of axes by name. The plot
// component implements it; an owner that does not leaves the axis without
// events, without collision tests (every label is drawn) and without
// reference axes.

#include "platform/forms/Component.h"
#include "platform/gfx/Types.h"

#include <string>

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

protected:
    ~IiPlotAxisHost() = default;
};

namespace korvan::plot {
inline IiPlotAxisHost* AxisHostOf(TComponent* owner) {
    return dynamic_cast<IiPlotAxisHost*>(owner);
}
} // namespace korvan::plot
