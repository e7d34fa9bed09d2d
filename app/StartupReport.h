#pragma once
// A start-up probe the program serves when KORVAN_STARTUP_REPORT names a
// file: it writes there the time from the start of the message loop to the
// end of the main window's first paint, and once the first connect read
// has ended (the connect button enabled again while on line) the resident
// memory, then ends the program. Without the variable it does nothing.
//
// Lines written, each "<name> <value>":
//   main_clock_ms   <the steady clock when main began, which another
//                   process can set against its own reading>
//   windows_clock_ms <the steady clock once the windows were made>
//   first_paint_ms  <ms from Run to the end of the first paint>
//   first_paint_clock_ms <the same moment on the steady clock, which
//                   another process can set against its own reading>
//   connect_read_ms <ms from Run to the end of the connect read>
//   rss_kb          <VmRSS after the connect read, KiB>

#include <chrono>
#include <memory>

namespace korvan {

class StartupReport {
public:
    // Reads the variable; call just before Application->Run(), after the
    // editor's windows were created. `mainStarted`: when main began.
    explicit StartupReport(std::chrono::steady_clock::time_point mainStarted);
    ~StartupReport();
    StartupReport(const StartupReport&) = delete;
    StartupReport& operator=(const StartupReport&) = delete;

private:
    struct Probe;
    std::unique_ptr<Probe> probe_;
};

} // namespace korvan
