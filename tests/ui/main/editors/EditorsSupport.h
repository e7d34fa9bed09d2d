#pragma once
// The main window with its curve editors, off line or on line to the
// simulated unit: the displays and calculators by name, the frames the
// unit received of one command, and the link run until it is idle.

#include "tests/ui/main/MainWindowFixture.h"
#include "ui/curves/LMyFFTDrawHpLp6dB.h"
#include "ui/curves/Plot.h"
#include "ui/main/editors/CurveEditors.h"

#include <string>
#include <vector>

namespace korvan::test {

class EditorsTest : public MainWindowTest {
protected:
    editors::CurveEditors& Editors() { return fmMain->Editors(); }
    LMyFFTDrawHpLp6dB* Display(const std::string& name) {
        return testing::Find<LMyFFTDrawHpLp6dB>(fmMain, name);
    }
    // True when the display draws a plot of that number.
    bool Shows(const std::string& display, int plot) {
        int count = 0;
        return Display(display)->GetPlotNumPoints(count, plot);
    }
    TColor ColourOf(const std::string& display, int plot) {
        TColor colour = 0;
        Display(display)->GetPlotColor(colour, plot);
        return colour;
    }
    Plot& Calculator(int d) { return *fmMain->Plots[std::size_t(d)]; }
    PlotSection& Section(int d, int n) { return *Calculator(d).Sections[std::size_t(n)]; }
    template <class T> T* Control(const std::string& name) { return testing::Find<T>(fmMain, name); }

    std::vector<UnitRequest> FramesOf(std::uint8_t code) const {
        std::vector<UnitRequest> frames;
        for (const auto& r : unit.Received())
            if (r.code == code)
                frames.push_back(r);
        return frames;
    }
    // On line: runs until the unit has `count` frames of `code` and the link
    // has nothing more to send.
    bool Delivered(std::uint8_t code, std::size_t count) {
        return pump.RunUntil([&] { return LinkIdle() && CountOf(code) >= count; });
    }
    // Connects, then forgets what the connect read sent.
    void GoOnline() {
        ASSERT_TRUE(ConnectToUnit());
        unit.ClearReceived();
    }
};

} // namespace korvan::test
