#pragma once
// Makes the strip chart and the XY plot known to the form reader by their
// class names.

namespace korvan::plot {
void RegisterPlotClasses();
} // namespace korvan::plot
