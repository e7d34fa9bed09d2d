#pragma once
// The system beep of rejected input, with a replaceable sink so that tests
// can count beeps instead of hearing them.

#include <functional>

namespace korvan::panels {

void SystemBeep();
// Null restores the system beep; returns the sink it replaces.
std::function<void()> SetBeepSink(std::function<void()> sink);

} // namespace korvan::panels
