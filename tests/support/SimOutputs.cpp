#include "tests/support/SimOutputs.h"

namespace korvan::test {

SimOutputResult CarryOut(const std::vector<SimOutput>& outputs, sys::EventSet& stop, int stopEvent,
                         sys::Clock& clock, const std::function<void(const Bytes&)>& write) {
    for (const SimOutput& output : outputs) {
        if (output.delayMs > 0 &&
            stop.Wait(sys::EventSet::Bit(stopEvent), output.delayMs, clock) == stopEvent)
            return SimOutputResult::Stopped;
        if (output.dropLink)
            return SimOutputResult::Dropped;
        write(output.bytes);
    }
    return SimOutputResult::Done;
}

} // namespace korvan::test
