#pragma once
// Lays a rich-text document out and draws it: paragraphs with their
// alignment, indents and spacing, runs in their font, size, style and
// colour, wrapped at spaces and between CJK characters when word wrap is
// on. Sizes in the document (points, twips) become device pixels at the
// given resolution.

#include "platform/forms/RtfDocument.h"
#include "platform/gfx/Canvas.h"

namespace korvan::forms {

struct RtfRenderOptions {
    bool WordWrap = false;
    int DpiX = 96, DpiY = 96; // device pixels per inch
    // Draw only the lines that start at or below this height of the laid-out
    // document (device pixels from its top); they appear from r.Top on.
    int FromY = 0;
    // Whole lines only: a line that would cross r.Bottom is left for the
    // next page. Otherwise the first line crossing it is drawn and is the
    // last.
    bool WholeLines = false;
    bool Draw = true; // false: lay out and measure only
};

struct RtfRenderResult {
    int Height = 0;       // from r.Top to the bottom of the last line drawn (or measured)
    int NextY = 0;        // document height where the first line not drawn starts
    bool Complete = true; // every line from FromY on was drawn
};

RtfRenderResult RenderRtf(TCanvas& canvas, const RtfDocument& document, const TRect& r,
                          const RtfRenderOptions& options);

// At 96 pixels per inch from the top of the document; returns the height used.
int RenderRtf(TCanvas& canvas, const RtfDocument& document, const TRect& r, bool wordWrap);

} // namespace korvan::forms
