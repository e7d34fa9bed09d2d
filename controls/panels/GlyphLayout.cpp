#include "controls/panels/GlyphLayout.h"

namespace korvan::panels {

GlyphPlacement PlaceGlyph(const TRect& face, TSize glyph, TSize text, TButtonLayout layout, int margin,
                          int spacing) {
    const TSize client{face.Width(), face.Height()};
    TPoint glyphPos, textPos;
    const bool vertical = layout == blGlyphTop || layout == blGlyphBottom;
    // Centred across the layout direction.
    if (vertical) {
        glyphPos.X = client.cx / 2 - glyph.cx / 2;
        textPos.X = client.cx / 2 - text.cx / 2;
    } else {
        glyphPos.Y = client.cy / 2 - glyph.cy / 2;
        textPos.Y = client.cy / 2 - text.cy / 2;
    }
    if (text.cx == 0 || glyph.cx == 0)
        spacing = 0;
    // Along the layout direction.
    const int clientLen = vertical ? client.cy : client.cx;
    const int glyphLen = vertical ? glyph.cy : glyph.cx;
    const int textLen = vertical ? text.cy : text.cx;
    if (margin == -1 && spacing == -1) {
        const int total = glyphLen + textLen;
        margin = (clientLen - total) / 3;
        spacing = margin;
    } else if (margin == -1) {
        const int total = glyphLen + spacing + textLen;
        margin = clientLen / 2 - total / 2;
    } else if (spacing == -1) {
        const int total = clientLen - (margin + glyphLen);
        spacing = total / 2 - textLen / 2;
    }
    int& g = vertical ? glyphPos.Y : glyphPos.X;
    int& t = vertical ? textPos.Y : textPos.X;
    if (layout == blGlyphLeft || layout == blGlyphTop) {
        g = margin;
        t = g + glyphLen + spacing;
    } else {
        g = clientLen - margin - glyphLen;
        t = g - spacing - textLen;
    }
    GlyphPlacement out;
    out.Text = Rect(0, 0, text.cx, text.cy).Offset(face.Left + textPos.X, face.Top + textPos.Y);
    out.Glyph = face;
    if (glyph.cx != 0 && glyph.cy != 0)
        out.Glyph = Bounds(face.Left + glyphPos.X, face.Top + glyphPos.Y, glyph.cx, glyph.cy);
    return out;
}

} // namespace korvan::panels
