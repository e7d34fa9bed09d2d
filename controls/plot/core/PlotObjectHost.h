#pragma once
// What a plot object asks of the plot component that owns it: the plot's
// events for the object's kind and index, its translation of user-visible
// words, and screen coordinates for popup menus. The plot component
// implements it; an owner that does not leaves the objects without events.

#include "platform/forms/Component.h"
#include "platform/forms/ControlTypes.h"
#include "platform/gfx/Types.h"

#include <string>

class TiPlotObject;

class IiPlotObjectHost {
public:
    virtual void DoObjectMouseDown(TiPlotObject* object, TMouseButton button, TShiftState shift, int x,
                                   int y) = 0;
    virtual void DoObjectMouseMove(TiPlotObject* object, TShiftState shift, int x, int y) = 0;
    virtual void DoObjectMouseUp(TiPlotObject* object, TMouseButton button, TShiftState shift, int x,
                                 int y) = 0;
    virtual void DoObjectMouseWheel(TiPlotObject* object, int wheelDelta, TShiftState shift, int x,
                                    int y) = 0;
    // The plot may cancel the object's popup menu.
    virtual void DoObjectPopupMenu(TiPlotObject* object, bool& cancel, int screenX, int screenY) = 0;
    virtual void DoObjectGotFocus(TiPlotObject* object) = 0;
    virtual void DoObjectLostFocus(TiPlotObject* object) = 0;
    // The replacement of `text` in the plot's translations, or `text`.
    virtual std::string GetTranslation(const std::string& text) = 0;
    // A point of the plot's client area in screen coordinates.
    virtual TPoint PlotClientToScreen(TPoint point) = 0;

protected:
    ~IiPlotObjectHost() = default;
};

namespace korvan::plot {
// The host interface of a plot object's owner; null when it has none.
inline IiPlotObjectHost* PlotHostOf(TComponent* owner) {
    return dynamic_cast<IiPlotObjectHost*>(owner);
}
} // namespace korvan::plot
