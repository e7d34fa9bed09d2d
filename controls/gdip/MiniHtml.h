#pragma once
// The pack's mini-HTML renderer: lays out and draws a short text written in
// a small HTML-like markup into a rectangle of a GDI+ graphics object, and
// reports the size it needs. Tags: B, I, U, S (strike), SUB, SUP, SH
// (shadow), E (wavy error line), Z (hidden), BLINK, HI (highlight), FONT
// (FACE, SIZE, COLOR, BGCOLOR), BODY BGCOLOR, P (ALIGN, INDENT), BR, HR,
// UL/LI (bullets, squares, circles, pictures), IND and OF (indents), IMG
// (picture container, image list, the desktop's file icons) and A HREF (anchors with hover and hit
// testing); entities &amp; &quot; &lt; &gt; &nbsp; and a few symbols.
//
// Any bytes are safe: every line consumes at least one run or tag, a tag
// without ">" swallows the rest, sizes and numbers are clamped, and nothing
// is drawn outside what the markup asks for. Colours are the framework's.

#include "platform/gfx/Color.h"
#include "platform/gfx/Gdiplus.h"
#include "platform/gfx/GraphicsObjects.h"
#include "platform/gfx/Types.h"

#include <string>

class TImageList;
class TGDIPPictureContainer;

namespace korvan::gdip {

struct MiniHtmlOptions {
    TImageList* Images = nullptr;              // IMG SRC="IDX:n"
    TGDIPPictureContainer* Pictures = nullptr; // IMG SRC="name", LI TYPE="IMAGE"
    int X = 0, Y = 0;                          // the point to hit-test
    int FocusLink = -1;                        // 0-based anchor reported as the focus anchor
    int HoverLink = -1;                        // 1-based anchor under the mouse
    int ShadowOffset = 5;
    bool HitTestOnly = false; // the second pass measures instead of drawing
    bool MeasureOnly = false; // only measure; nothing is drawn
    bool Printing = false;    // image-list images are not drawn; system icons are scaled
    double ImageScale = 1.0;  // the scale of system icons when printing
    bool KeepColours = false; // tags change no text or background colours
    bool BlinkOn = false;     // BLINK text shows white while false
    bool AnchorHover = false; // only the hover anchor is underlined and takes the hover colours
    bool WordWrap = true;
    TColor URLColor = clBlue;
    TColor HoverColor = clNone;
    TColor HoverFontColor = clNone;
    TColor ShadowColor = clGray;
    int LineSpacing = 2; // extra pixels between lines
};

struct MiniHtmlResult {
    bool Hit = false;        // (X, Y) over an anchor's text or image
    std::string Anchor;      // link of the anchor under (X, Y); kept when none is hit
    std::string PlainText;   // every run once, hidden text included; a CR per BR
    std::string FocusAnchor; // link of the focus anchor
    int Width = 0;           // widest line + 2
    int Height = 0;          // sum of line heights + 2
    int AnchorCount = 0;
    int HoverAnchor = -1; // 1-based anchor whose text is under (X, Y)
    TRect HoverRect{};    // that anchor's text on its line
};

// Lays out `text` in `rect` with `font` as the base font (copied) and,
// unless measuring only, draws it. Returns whether (X, Y) lies over an
// anchor (see MiniHtmlResult::Hit).
bool DrawMiniHtml(Gdiplus::Graphics& graphics, const TFont& font, const std::string& text, const TRect& rect,
                  const MiniHtmlOptions& options, MiniHtmlResult& result);

// ---- the text primitives the renderer is built on

inline constexpr unsigned kHtmlMeasure = 0x400;

// The GDI+ font for a framework font: its face, size in points, bold,
// italic and underline (strike-out is not carried).
Gdiplus::Font MakeFont(const TFont& font);
// One line of text with its top-left corner at rect's: with kHtmlMeasure, or
// with a background other than clNone, sets rect's right and bottom to the
// text's box; a background fills that box; without kHtmlMeasure the text is
// drawn in the font's colour. Returns the box's height.
int HtmlDrawText(Gdiplus::Graphics& graphics, const std::string& text, TRect& rect, const TFont& font,
                 unsigned flags, TColor background);
int HtmlTextHeight(const Gdiplus::Graphics& graphics, const std::string& text, const TFont& font);
int HtmlTextWidth(const Gdiplus::Graphics& graphics, const std::string& text, const TFont& font);

// "clred" ... "clinfobk" (exact lower case; anything else is black).
TColor HtmlColorByName(const std::string& name);
// "#RRGGBB" in upper-case hexadecimal.
TColor HtmlHexToColor(const std::string& text);
// Replaces the entities, the first "<#" and carriage returns as the
// renderer does before layout.
std::string PrepareMiniHtml(std::string text);

} // namespace korvan::gdip
