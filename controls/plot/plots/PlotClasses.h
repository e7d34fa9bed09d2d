#pragma once
// Makes the strip chart, the XY plot and the pack's dialog components known
// to the form reader by their class names.

namespace korvan::plot {
void RegisterPlotClasses();
} // namespace korvan::plot
