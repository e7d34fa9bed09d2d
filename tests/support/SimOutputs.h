#pragma once
// Carrying out what the simulated unit answers, shared by its transports.

#include "platform/sys/Clock.h"
#include "platform/sys/EventSet.h"
#include "tests/support/SimUnit.h"

#include <functional>
#include <vector>

namespace korvan::test {

enum class SimOutputResult { Done, Stopped, Dropped };

// Carries out `outputs` in order: waits each one's delay on `clock` (a signal
// of `stopEvent` ends the wait: Stopped), then hangs up (Dropped, nothing
// more is done) or writes its bytes.
SimOutputResult CarryOut(const std::vector<SimOutput>& outputs, sys::EventSet& stop, int stopEvent,
                         sys::Clock& clock, const std::function<void(const Bytes&)>& write);

} // namespace korvan::test
