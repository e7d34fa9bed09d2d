#include "controls/plot/core/ComponentPainting.h"

namespace korvan::plot {

void DrawComponentBorder(TCanvas& canvas, const TRect& rect, TiBevelStyle style) {
    if (style == ibsNone)
        return;
    const bool raised = style == ibsRaised;
    // The two-pixel edge: outer and inner line pairs, light at top-left for
    // a raised edge and dark there for a sunken one.
    const TColor outerTopLeft = raised ? clBtnFace : clBtnShadow;
    const TColor outerBottomRight = raised ? cl3DDkShadow : clBtnHighlight;
    const TColor innerTopLeft = raised ? clBtnHighlight : cl3DDkShadow;
    const TColor innerBottomRight = raised ? clBtnShadow : clBtnFace;
    auto frame = [&](TRect r, TColor topLeft, TColor bottomRight) {
        if (r.Width() <= 0 || r.Height() <= 0)
            return;
        canvas.Pen().SetStyle(psSolid);
        canvas.Pen().SetWidth(1);
        canvas.Pen().SetColor(topLeft);
        canvas.MoveTo(r.Left, r.Bottom - 1);
        canvas.LineTo(r.Left, r.Top);
        canvas.LineTo(r.Right - 1, r.Top);
        canvas.Pen().SetColor(bottomRight);
        canvas.LineTo(r.Right - 1, r.Bottom - 1);
        canvas.LineTo(r.Left - 1, r.Bottom - 1);
    };
    frame(rect, outerTopLeft, outerBottomRight);
    frame(Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1), innerTopLeft, innerBottomRight);
}

void DrawPaintError(TCanvas& canvas, const TRect& rect, const std::string& message) {
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(clBlack);
    canvas.FillRect(rect);
    canvas.Brush().SetStyle(bsClear);
    canvas.Font().SetColor(clWhite);
    TRect r = rect;
    canvas.DrawText(message, r, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
}

} // namespace korvan::plot
