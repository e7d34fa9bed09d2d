#include "ui/curves/EditorScale.h"

#include "ui/curves/CurveDisplay.h"

namespace korvan::curves {

void SetEditorScale(CurveDisplay& display) {
    display.SetAutoRedraw(false);
    display.SetXAutoScale(false);
    display.SetYAutoScale(false);
    display.SetXMin(966);
    display.SetXMax(3840);
    display.SetYMin(-18);
    display.SetYMax(18);
    display.SetNumHorzGrid(11);
    display.SetYLabel("dB");
    display.SetYLabelScale(1);
    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(-11);
    font.SetColor(clLime);
    display.SetPlotTitleFont(font);
    display.SetAxisTitleFont(font);
    display.SetMouseCoordFont(font);
    font.SetColor(clActiveBorder);
    display.SetAxisLabelFont(font);
    display.SetSampleRate(n96000);
    display.SetAutoRedraw(true);
}

} // namespace korvan::curves
