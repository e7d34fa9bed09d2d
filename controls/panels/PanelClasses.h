#pragma once
// Makes the panel pack's classes known to the form reader.

namespace korvan::panels {
// Registers the pack's component classes (once; later calls do nothing).
void RegisterPanelClasses();
} // namespace korvan::panels
