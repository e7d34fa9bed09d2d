// The combo box's own drawing over the native look: the border rings in
// the background colour, the flat drop-down button (plain until hot, then
// raised, or sunk while the list is open) and the frame in its normal or
// hot style.

#include "controls/panels/ComboBox.h"

namespace {

// One ring of `color` on `sides`; the rectangle inside.
TRect Ring(TCanvas& c, const TRect& r, TColor color, TSides sides = sdAllSides) {
    return DrawSidesLines(c, r, color, color, sides);
}

} // namespace

void TRzCustomComboBox::PaintOver(TCanvas& c) {
    const bool styles = VisualStylesActive();
    const int b = styles ? 1 : 2;
    const TRect client = ClientRect();
    const TRect btn{Width() - ButtonWidth - b, b, Width() - b, Height() - b};
    const TRect edit = TRect{client.Left, client.Top, btn.Left, client.Bottom}.Inflate(-1, -1);
    const bool ownFrame = frameVisible_ && !UseThemes();
    c.Pen().SetStyle(psSolid);
    c.Pen().SetWidth(1);
    c.Brush().SetStyle(bsSolid);

    // The native border gives way to the background colour.
    if (ownFrame && !styles) {
        Ring(c, Ring(c, client, Color()), Color());
    } else if (ownFrame) {
        Ring(c, client, Color());
        Ring(c, Ring(c, edit, Color()), Color());
    } else if (styles && ColorToRGB(Color()) != clWhite) {
        Ring(c, Ring(c, edit, Color()), Color());
    }

    if (flatButtons_ && !readOnly_) {
        const bool dropped = DroppedDown();
        TRect face = btn;
        if (!Hot()) {
            c.Brush().SetColor(Color());
            c.FillRect(btn);
        } else {
            if (flatButtonColor_ == clBtnFace)
                face = DrawSidesLines(c, btn, dropped ? clBtnShadow : clBtnHighlight,
                                      dropped ? clBtnHighlight : clBtnShadow, sdAllSides);
            else
                face = DrawColorFrameStyle(c, btn, flatButtonColor_, dropped ? fsStatus : fsPopup);
            c.Brush().SetColor(flatButtonColor_);
            c.FillRect(face);
        }
        const bool pushed = Hot() && dropped;
        DrawDropDownArrow(c, pushed ? face.Offset(1, 1) : face, 0, Enabled());
    } else if (readOnly_) {
        // No button: a read-only list does not open.
        c.Brush().SetColor(Color());
        c.FillRect(btn);
    }

    if (ownFrame) {
        const bool hot = frameHotTrack_ && Hot();
        const TFrameStyle style = hot ? frameHotStyle_ : frameStyle_;
        const TColor color = hot ? frameHotColor_ : frameColor_;
        if (style == fsFlat)
            Ring(c, client, color, frameSides_);
        else if (style == fsFlatBold)
            Ring(c, Ring(c, client, color, frameSides_), color, frameSides_);
        else if (Color() == clWindow)
            DrawFrameStyle(c, client, style, frameSides_);
        else
            DrawColorFrameStyle(c, client, Color(), style, frameSides_);
    }
}
