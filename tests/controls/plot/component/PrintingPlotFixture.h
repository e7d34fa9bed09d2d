#pragma once
// A strip chart 300 x 200 showing X 0 to 100 with a zigzag channel,
// printing without a dialog into a PDF file of its own.

#include "controls/plot/axes/XYAxes.h"
#include "controls/plot/plots/StripChartPlot.h"
#include "platform/forms/Printer.h"
#include "tests/controls/plot/PlotTestSupport.h"
#include "tests/support/gui/GuiHarness.h"

#include <memory>

namespace korvan::testing {

class PrintingPlotTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        plot = std::make_unique<TiPlot>(nullptr);
        plot->SetBounds(0, 0, 300, 200);
        plot->SetPrintShowDialog(false);
        plot->XAxis(0)->SetMinSpan(0, 100);
        for (int x = 0; x <= 100; x += 10)
            plot->Channel(0)->AddXY(x, x % 30);
        Printer().PrintToFile(dir.Path("plot.pdf"));
    }
    void TearDown() override {
        Printer().PrintToFile({});
        plot.reset();
        GuiTest::TearDown();
    }

    std::unique_ptr<TiPlot> plot;
    ScratchDir dir;
};

} // namespace korvan::testing
