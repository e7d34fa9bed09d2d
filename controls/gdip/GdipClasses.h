#pragma once
// Makes the GDI+ pack's classes known to the form reader.

namespace korvan::gdip {
// Registers the pack's classes (once; later calls do nothing).
void RegisterGdipClasses();
} // namespace korvan::gdip
