#pragma once
// The PEQ band grids' texts in the chosen language: the nine type names and
// the BYPASS caption.

class TMyPEQType8;
class TStrings;

namespace korvan {

// Gives `grid` the type names and BYPASS caption of `table` and shows them;
// each band keeps its type.
void ApplyPeqGridLanguage(TMyPEQType8& grid, const TStrings& table);

} // namespace korvan
