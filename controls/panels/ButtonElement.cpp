#include "controls/panels/ButtonElement.h"

#include "controls/panels/ColorShading.h"
#include "controls/panels/GradientPainting.h"

namespace korvan::panels {

void DrawButtonElement(TCanvas& c, const TRect& r, ButtonElementState state) {
    if (r.Width() < 4 || r.Height() < 4)
        return;
    TColor top = LighterColor(clBtnFace, 25), bottom = DarkerColor(clBtnFace, 12);
    TColor outline = DarkerColor(clBtnShadow, 20);
    switch (state) {
    case ButtonElementState::Normal:
        break;
    case ButtonElementState::Hot:
        top = BlendColors(clWhite, clHighlight, 220);
        bottom = BlendColors(clBtnFace, clHighlight, 200);
        outline = DarkerColor(clHighlight, 10);
        break;
    case ButtonElementState::Pressed:
        top = DarkerColor(clBtnFace, 20);
        bottom = DarkerColor(clBtnFace, 5);
        outline = DarkerColor(clHighlight, 30);
        break;
    case ButtonElementState::Disabled:
        top = bottom = clBtnFace;
        outline = LighterColor(clBtnShadow, 40);
        break;
    case ButtonElementState::Defaulted:
        outline = clHighlight;
        break;
    }
    FillGradientRect(c, r.Inflate(-1, -1), gdHorizontalEnd, top, bottom, 1);
    // The outline with its corner pixels cut.
    c.Pen().SetStyle(psSolid);
    c.Pen().SetColor(outline);
    c.MoveTo(r.Left + 1, r.Top);
    c.LineTo(r.Right - 1, r.Top);
    c.MoveTo(r.Left + 1, r.Bottom - 1);
    c.LineTo(r.Right - 1, r.Bottom - 1);
    c.MoveTo(r.Left, r.Top + 1);
    c.LineTo(r.Left, r.Bottom - 1);
    c.MoveTo(r.Right - 1, r.Top + 1);
    c.LineTo(r.Right - 1, r.Bottom - 1);
    if (state == ButtonElementState::Defaulted) {
        // The default button's inner ring.
        c.Pen().SetColor(BlendColors(clHighlight, clWhite, 120));
        const TRect in = r.Inflate(-1, -1);
        c.MoveTo(in.Left + 1, in.Top);
        c.LineTo(in.Right - 1, in.Top);
        c.MoveTo(in.Left + 1, in.Bottom - 1);
        c.LineTo(in.Right - 1, in.Bottom - 1);
        c.MoveTo(in.Left, in.Top + 1);
        c.LineTo(in.Left, in.Bottom - 1);
        c.MoveTo(in.Right - 1, in.Top + 1);
        c.LineTo(in.Right - 1, in.Bottom - 1);
    }
}

} // namespace korvan::panels
