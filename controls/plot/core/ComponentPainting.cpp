#include "controls/plot/core/ComponentPainting.h"

#include "controls/plot/core/PackDrawing.h"

namespace korvan::plot {

void DrawComponentBorder(TCanvas& canvas, const TRect& rect, TiBevelStyle style) {
    // The bevel kinds: 0 sunken, 1 raised.
    if (style == ibsRaised)
        DrawBevel(canvas, rect, 1);
    else if (style == ibsLowered)
        DrawBevel(canvas, rect, 0);
}

void DrawPaintError(TCanvas& canvas, const TRect& rect, const std::string& message) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clBlack);
    canvas.FillRect(rect);
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().SetColor(clWhite);
    TRect r = rect;
    // Without the prefix flag "&" is drawn as it stands.
    DrawText3D(canvas, message, r, clBlack, true, itfLeft | itfTop | itfWordBreak);
}

} // namespace korvan::plot
