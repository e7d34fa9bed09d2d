#pragma once
// The plot's tables, data cursors, limits and annotations as kinds of the
// master manager. A new unnamed limit is bound to the first X and Y axis,
// a new unnamed data cursor to the first channel; annotations keep the
// empty name they are made with.

class TiPlotMasterManager;

namespace korvan::plot {
void AdoptOverlayKinds(TiPlotMasterManager& master);
}
