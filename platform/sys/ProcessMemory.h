#pragma once
// What this process holds in memory, as the system reports it.

namespace korvan::sys {

// The resident set of this process in KiB (VmRSS), 0 when unknown.
long ResidentKiB();

} // namespace korvan::sys
