#pragma once
// Report I/O on a file descriptor that carries one report per read or write
// (a hidraw node, or one end of a SOCK_SEQPACKET pair): blocking and timed
// reads that another thread can cancel, and writes.

#include "platform/sys/hid/HidBackend.h"

#include <cstddef>
#include <cstdint>

namespace korvan::sys::hid {

class FdReportChannel {
public:
    // Takes ownership of fd. With prefixReportId, reads put a 0 report-ID byte
    // ahead of the bytes read (the transport drops it on interfaces without
    // report IDs).
    FdReportChannel(int fd, bool prefixReportId);
    ~FdReportChannel();
    FdReportChannel(const FdReportChannel&) = delete;
    FdReportChannel& operator=(const FdReportChannel&) = delete;

    int Fd() const { return fd_; }
    // Blocking until a report arrives, the descriptor fails or CancelIo.
    bool Read(std::uint8_t* report, std::size_t length, std::size_t& bytesRead);
    ReadWait ReadTimed(std::uint8_t* report, std::size_t length, int timeoutMs, std::size_t& bytesRead);
    // Ends the read under way on another thread, or the next one.
    void CancelIo();
    bool Write(const std::uint8_t* report, std::size_t length, std::size_t& bytesWritten);
    // Drops every report waiting to be read.
    bool Flush();

private:
    ReadWait Wait(int timeoutMs);
    bool ReadOne(std::uint8_t* report, std::size_t length, std::size_t& bytesRead);

    int fd_;
    int cancelFd_;
    bool prefixReportId_;
    bool isSocket_ = false;
};

} // namespace korvan::sys::hid
