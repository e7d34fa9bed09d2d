#pragma once
// What the channel tests share: a plot stand-in that answers the axis and
// channel host calls and records the channel events, with an X axis along
// x = 0..1000 and a Y axis along y = 1000..0, both 0..100 (ten pixels a
// unit), and channels made on it.

#include "controls/plot/channels/ChannelHost.h"
#include "controls/plot/channels/XYChannel.h"
#include "platform/gfx/Canvas.h"
#include "tests/controls/plot/axes/AxisTestSupport.h"

#include <string>
#include <vector>

namespace korvan::testing {

class RecordingChannelPlot : public RecordingAxisHost, public IiPlotChannelHost {
public:
    bool selectActive = true;
    bool hasDataView = true;
    TRect dataViewRect = Rect(0, 0, 1000, 1000);
    char separator = '\t';
    bool differential = false;
    std::vector<std::string> channelEvents;

    bool GetSelectActive() override { return selectActive; }
    bool DataViewPercentToPixelsX(double percent, int& pixels) override {
        pixels = int(percent * 10);
        return hasDataView;
    }
    bool DataViewPercentToPixelsY(double percent, int& pixels) override {
        pixels = 1000 - int(percent * 10);
        return hasDataView;
    }
    bool DataViewDrawRect(TRect& rect) override {
        rect = dataViewRect;
        return hasDataView;
    }
    TSize HintTextExtent(const std::string& text) override { return {int(text.size()) * 6, 13}; }
    char GetDataFileColumnSeparatorChar() override { return separator; }
    bool GetDifferentialPropertySave() override { return differential; }
    void DoDataPointMouseDown(TiPlotChannelCustom*, int index, TMouseButton, TShiftState, int, int) override {
        channelEvents.push_back("down " + std::to_string(index));
    }
    void DoDataPointMouseMove(TiPlotChannelCustom*, int index, TShiftState, int, int) override {
        channelEvents.push_back("move " + std::to_string(index));
    }
    void DoDataPointMouseUp(TiPlotChannelCustom*, int index, TMouseButton, TShiftState, int, int) override {
        channelEvents.push_back("up " + std::to_string(index));
    }
    void DoDataPointClick(TiPlotChannelCustom*, int index) override {
        channelEvents.push_back("click " + std::to_string(index));
    }
    void DoDataPointMoved(TiPlotChannelCustom*, int index, double oldX, double oldY, double newX,
                          double newY) override {
        channelEvents.push_back("moved " + std::to_string(index) + " " + Num(oldX) + "," + Num(oldY) + ">" +
                                Num(newX) + "," + Num(newY));
    }
    void DoDataPointCustomizeHint(TiPlotChannelCustom*, int index, std::string& text) override {
        channelEvents.push_back("hint " + std::to_string(index) + " " + text);
    }
    void DoObjectClick(TiPlotObject* object) override {
        channelEvents.push_back("object click " + object->Name());
    }
    void DoGetMouseCursor(TiPlotObject*, TCursor&) override {}
};

// A data cursor as a channel sees it, on a data view whose percentages are
// tenths of its 1000 pixels.
class FakeCursor : public IiPlotChannelCursor {
public:
    TiPlotDataCursorStyle style = ipcsValueXY;
    double p1 = 0, p2 = 0;
    double x = 0, y = 0;
    TiPlotDataPointStatus status = ipdpsEmpty;
    std::string text;
    TiPlotDataCursorStyle Style() const override { return style; }
    double Pointer1Position() const override { return p1; }
    double Pointer2Position() const override { return p2; }
    bool PositionPercentToPixelsX(double percent, int& pixels) const override {
        pixels = int(percent * 10);
        return true;
    }
    bool PositionPercentToPixelsY(double percent, int& pixels) const override {
        pixels = 1000 - int(percent * 10);
        return true;
    }
    void SetValues(double vx, double vy, TiPlotDataPointStatus s) override {
        x = vx;
        y = vy;
        status = s;
    }
    void SetCursorDisplayText(const std::string& t) override { text = t; }
};

// The editor's transfer-curve plots: channel 0 is the white curve, channel
// 1 the single marker point, as their form sets them.
inline void SetAsEditorCurve(TiPlotChannelCustom& channel) {
    channel.SetColor(clWhite);
    channel.SetTraceLineWidth(2);
}
inline void SetAsEditorMarker(TiPlotChannelCustom& channel) {
    channel.SetColor(TColor(8421631));
    channel.SetTraceLineStyle(iplsDot);
    channel.SetTraceLineWidth(5);
    channel.SetMarkersVisible(true);
    channel.SetMarkersAllowIndividual(true);
    channel.SetMarkersSize(5);
    channel.SetMarkersPenWidth(3);
}

class ChannelFixture {
public:
    FakeMaster master;
    RecordingChannelPlot plot;
    korvan::gfx::RecordingCanvas canvas{1100, 1100};
    TiPlotObjectPtr<TiPlotXAxis> xAxis = MakeOn<TiPlotXAxis>();
    TiPlotObjectPtr<TiPlotYAxis> yAxis = MakeOn<TiPlotYAxis>();

    ChannelFixture() {
        xAxis->SetName("X-Axis 1");
        yAxis->SetName("Y-Axis 1");
        xAxis->SetHorizontal(true);
        yAxis->SetHorizontal(false);
        for (TiPlotAxis* axis :
             {static_cast<TiPlotAxis*>(xAxis.get()), static_cast<TiPlotAxis*>(yAxis.get())}) {
            axis->SetTrackingEnabled(false);
            axis->SetMinSpan(0, 100);
        }
        PlaceAxes();
        plot.xAxes["X-Axis 1"] = xAxis.get();
        plot.yAxes["Y-Axis 1"] = yAxis.get();
    }
    // After a range change the scale rectangles are worked out again.
    void PlaceAxes() {
        AxisFixture::Place(*xAxis, canvas, Rect(0, 1000, 1000, 1030));
        AxisFixture::Place(*yAxis, canvas, Rect(-30, 0, 0, 1000));
    }
    template <class T> TiPlotObjectPtr<T> MakeOn(TComponent* owner) {
        return TiPlotObjectPtr<T>(new T(owner, master.change, master.insert, master.remove, master.rename));
    }
    template <class T> TiPlotObjectPtr<T> MakeOn() { return MakeOn<T>(&plot); }
    // An XY channel bound to both axes.
    TiPlotObjectPtr<TiXYPlotChannel> MakeChannel() {
        auto channel = MakeOn<TiXYPlotChannel>();
        channel->SetXAxisName("X-Axis 1");
        channel->SetYAxisName("Y-Axis 1");
        return channel;
    }
    std::vector<std::vector<int>> Drawn(const std::string& op = "Polyline") const {
        std::vector<std::vector<int>> lines;
        for (const auto& call : canvas.CallsNamed(op))
            lines.push_back(call.Args);
        return lines;
    }
};

} // namespace korvan::testing
