#pragma once
// The kernel's arbitrary-rate terminal interface (termios2 with BOTHER),
// which reaches every rate a driver can make, not only those of the termios
// speed table. Kept apart from <termios.h>, whose structure of the same name
// clashes with the kernel's.

namespace korvan::sys {

// Sets both directions of the open terminal `fd` to `rate` baud, keeping
// every other setting; false (errno set) when the device refuses.
bool SetArbitraryRate(int fd, int rate);

// The output rate the terminal reports in baud, whichever way it was set;
// 0 when it cannot be read.
int ReportedRate(int fd);

} // namespace korvan::sys
