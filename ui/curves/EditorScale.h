#pragma once
// The scale, grid and fonts every channel display of the editor shows:
// frequency index 966..3840, -18..+18 dB in eleven rows, Tahoma texts.

namespace korvan::curves {

class CurveDisplay;

// Sets `display` up as the main window's channel displays are set up
// (one redraw at the end).
void SetEditorScale(CurveDisplay& display);

} // namespace korvan::curves
