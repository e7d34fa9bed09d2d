#pragma once
// What the axis tests share: a plot stand-in that records the axis events
// and holds the collision list, and axes made on it.

#include "controls/plot/axes/AxisHost.h"
#include "controls/plot/axes/XYAxes.h"
#include "tests/controls/plot/PlotTestSupport.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace korvan::testing {

class RecordingAxisHost : public TComponent, public IiPlotAxisHost {
public:
    RecordingAxisHost() : TComponent(nullptr) {}
    std::vector<std::string> events;
    std::vector<TRect> collisions;
    TRect dataView = Rect(-10000, -10000, 10000, 10000);
    std::map<std::string, TiPlotAxis*> xAxes, yAxes;
    std::function<void(TiPlotAxis*, std::string&, double)> customize;

    void DoAxisMinChange(TiPlotAxis*, double newMin, double oldMin) override {
        events.push_back("min " + Num(oldMin) + ">" + Num(newMin));
    }
    void DoAxisSpanChange(TiPlotAxis*, double newSpan, double oldSpan) override {
        events.push_back("span " + Num(oldSpan) + ">" + Num(newSpan));
    }
    void DoAxisMinSpanChange(TiPlotAxis*, double newMin, double oldMin, double newSpan,
                             double oldSpan) override {
        events.push_back("minspan " + Num(oldMin) + "," + Num(oldSpan) + ">" + Num(newMin) + "," +
                         Num(newSpan));
    }
    void DoAxisCustomizeLabel(TiPlotAxis* axis, std::string& text, double value) override {
        if (customize)
            customize(axis, text, value);
    }
    void AddAxesCollisionRect(const TRect& rect) override { collisions.push_back(rect); }
    bool TryAddAxesCollisionRect(const TRect& rect) override {
        for (const TRect& r : collisions)
            if (rect.Left < r.Right && r.Left < rect.Right && rect.Top < r.Bottom && r.Top < rect.Bottom)
                return false;
        if (rect.Left < dataView.Left || rect.Right > dataView.Right || rect.Top < dataView.Top ||
            rect.Bottom > dataView.Bottom)
            return false;
        collisions.push_back(rect);
        return true;
    }
    TiPlotAxis* GetXAxisByName(const std::string& name) override { return Find(xAxes, name); }
    TiPlotAxis* GetYAxisByName(const std::string& name) override { return Find(yAxes, name); }

    std::vector<std::pair<double, double>> channelRanges, runningRanges;
    TCursor cursorOverride = 0;
    void DoAxisMinSpanChangeFinished(TiPlotAxis*, double oldMin, double oldSpan, double newMin,
                                     double newSpan) override {
        events.push_back("finished " + Num(oldMin) + "," + Num(oldSpan) + ">" + Num(newMin) + "," +
                         Num(newSpan));
    }
    void DoAxisClick(TiPlotAxis*) override { events.push_back("click"); }
    void DoAxisGetMouseCursor(TiPlotAxis*, TCursor& cursor) override {
        if (cursorOverride)
            cursor = cursorOverride;
    }
    void DoAxisCustomizeHint(TiPlotAxis*, TiHintData& hint) override {
        events.push_back("hint " + hint.Text);
    }
    TSize PlotTextExtent(const std::string& text) override { return {int(text.size()) * 6, 13}; }
    std::vector<std::pair<double, double>> AxisChannelRanges(TiPlotAxis*, bool fast) override {
        return fast ? runningRanges : channelRanges;
    }
    void MasterUIInputMouseLeft(TiPlotAxis*, const TiPlotMouseData&) override {
        events.push_back("master left");
    }
    void MasterUIInputMouseMove(TiPlotAxis*, const TiPlotMouseData&) override {
        events.push_back("master move");
    }
    void MasterUIInputMouseUp(TiPlotAxis*, const TiPlotMouseData&) override { events.push_back("master up"); }
    void MasterUIInputMouseWheel(TiPlotAxis*, int, TShiftState, int, int) override {
        events.push_back("master wheel");
    }
    void MasterUIInputKeyDown(TiPlotAxis*, std::uint16_t&, TShiftState) override {
        events.push_back("master key");
    }

private:
public:
    static std::string Num(double v) {
        std::string s = std::to_string(v);
        s.erase(s.find_last_not_of('0') + 1);
        if (!s.empty() && s.back() == '.')
            s.pop_back();
        return s;
    }
    static TiPlotAxis* Find(const std::map<std::string, TiPlotAxis*>& axes, const std::string& name) {
        auto it = axes.find(name);
        return it == axes.end() ? nullptr : it->second;
    }
};

// Axes on a recording plot (or on no plot with owner null).
class AxisFixture {
public:
    FakeMaster master;
    RecordingAxisHost host;

    template <class A = TiPlotXAxis> TiPlotObjectPtr<A> MakeAxis(bool onPlot = true) {
        return TiPlotObjectPtr<A>(
            new A(onPlot ? &host : nullptr, master.change, master.insert, master.remove, master.rename));
    }
    // A horizontal axis along x = left..right, or a vertical one along
    // y = top..bottom, with the scale rectangle worked out.
    static void Place(TiPlotAxis& axis, TCanvas& canvas, const TRect& draw) {
        axis.SetDrawRect(draw);
        axis.CalcScaleRect(canvas);
    }
};

} // namespace korvan::testing
