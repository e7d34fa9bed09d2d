#pragma once
// The dynamics pages' transfer-curve plots ipComp, ipLimit and ipGate: XY
// plots showing output level over input level from -100 to +20 dB, the
// static curve on channel 0 and the threshold marker on channel 1. The
// user can neither zoom, scroll, focus, edit nor open menus on them.

class TiXYPlot;
class TComponent;

namespace korvan::mainform {

// The stored settings of a transfer plot: its axes, its two channels and
// a plot without border, title or object editing.
void SetTransferPlot(TiXYPlot& plot);

// The first points of the three plots, as window creation puts them.
void SeedTransferPlots(TComponent& root);

} // namespace korvan::mainform
