#pragma once
// What a channel asks of the plot that owns it, beyond the axis lookup of
// IiPlotAxisHost: the select mode, data view 0, the hint font, and the
// plot's data-point and object events. The plot component implements it;
// an owner that does not leaves the channel without data-point selection,
// hints and events (it still draws on its axes).
//
// And what a channel asks of a data cursor it feeds.

#include "controls/plot/channels/ChannelTypes.h"
#include "platform/forms/Component.h"
#include "platform/forms/ControlTypes.h"
#include "platform/gfx/Types.h"

#include <cstdint>
#include <string>

class TiPlotObject;
class TiPlotChannelCustom;

class IiPlotChannelHost {
public:
    // The select mode of toolbar 0 (false without toolbars): only then are
    // data points hit, hinted and dragged.
    virtual bool GetSelectActive() = 0;
    // Data view 0: false when the plot has none. Percentages run from 0 at
    // the view's left (bottom) edge to 100 at its right (top) edge.
    virtual bool DataViewPercentToPixelsX(double percent, int& pixels) = 0;
    virtual bool DataViewPercentToPixelsY(double percent, int& pixels) = 0;
    virtual bool DataViewDrawRect(TRect& rect) = 0;
    // The widest line and the height of text in the plot's hint font on the
    // plot's canvas.
    virtual TSize HintTextExtent(const std::string& text) = 0;
    // Channel files: the data files' column separator (comma or tab) and
    // whether settings files leave out values at their default.
    virtual char GetDataFileColumnSeparatorChar() = 0;
    virtual bool GetDifferentialPropertySave() = 0;

    // --- events (the plot passes the channel's index in its manager) ---
    virtual void DoDataPointMouseDown(TiPlotChannelCustom* channel, int dataIndex, TMouseButton button,
                                      TShiftState shift, int x, int y) = 0;
    virtual void DoDataPointMouseMove(TiPlotChannelCustom* channel, int dataIndex, TShiftState shift, int x,
                                      int y) = 0;
    virtual void DoDataPointMouseUp(TiPlotChannelCustom* channel, int dataIndex, TMouseButton button,
                                    TShiftState shift, int x, int y) = 0;
    // A click, or a double click while one is pending (the plot tells).
    virtual void DoDataPointClick(TiPlotChannelCustom* channel, int dataIndex) = 0;
    virtual void DoDataPointMoved(TiPlotChannelCustom* channel, int dataIndex, double oldX, double oldY,
                                  double newX, double newY) = 0;
    virtual void DoDataPointCustomizeHint(TiPlotChannelCustom* channel, int dataIndex, std::string& text) = 0;
    // The object's click (or double click) event.
    virtual void DoObjectClick(TiPlotObject* object) = 0;
    // The plot may replace the cursor an object chose.
    virtual void DoGetMouseCursor(TiPlotObject* object, TCursor& cursor) = 0;

protected:
    ~IiPlotChannelHost() = default;
};

// A data cursor as a channel feeds it.
class IiPlotChannelCursor {
public:
    virtual TiPlotDataCursorStyle Style() const = 0;
    // Pointer places in percent of the cursor's data view.
    virtual double Pointer1Position() const = 0;
    virtual double Pointer2Position() const = 0;
    // The cursor's data view: false when it has none.
    virtual bool PositionPercentToPixelsX(double percent, int& pixels) const = 0;
    virtual bool PositionPercentToPixelsY(double percent, int& pixels) const = 0;
    virtual void SetValues(double x, double y, TiPlotDataPointStatus status) = 0;
    virtual void SetCursorDisplayText(const std::string& text) = 0;

protected:
    ~IiPlotChannelCursor() = default;
};

namespace korvan::plot {
inline IiPlotChannelHost* ChannelHostOf(TComponent* owner) {
    return dynamic_cast<IiPlotChannelHost*>(owner);
}
} // namespace korvan::plot
