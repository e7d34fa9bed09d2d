#pragma once
// What every link (serial, USB, network) shares: the messages it sends its
// owner, the status codes of those messages, and the points in which the
// three kinds of link differ.

#include "device/protocol/Frame.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Window messages from a link to its owner.
inline constexpr unsigned WM_LINK_FRAME = 0x550;       // a complete reply, handed over synchronously
inline constexpr unsigned WM_LINK_STATUS = 0x551;      // a link event, posted
inline constexpr unsigned WM_LINK_FRAME_OTHER = 0x552; // a reply on a serial port not at 115200 baud

// Link events carried by WM_LINK_STATUS.
enum LinkStatus : int {
    LinkTimeout = 0,      // the retries for the request are spent
    LinkCommError = 1,    // serial: the port failed; the I/O thread has ended
    LinkStopTimeout = 5,  // Close waited 5000 ms and the I/O thread had not ended
    LinkWaitFailed = 6,   // serial: the I/O thread's wait failed; the thread has ended
    LinkFrameTooLong = 7, // USB: a frame did not fit the output report and was not written
};

namespace korvan {

// Identity of one link object for its whole life; never reused, never 0.
using LinkId = std::uint64_t;
LinkId NextLinkId();

// WM_LINK_FRAME (or WM_LINK_FRAME_OTHER): the frame is valid only while the
// owner handles the message.
struct LinkFrameMessage {
    LinkId link;
    unsigned message;
    const std::vector<std::uint8_t>& frame;
    // Milliseconds since the current request entered the transmit buffer.
    std::uint32_t elapsedMs;
};

// WM_LINK_STATUS. `link` names the link that posted it, so a late status of
// a closed link can be told from one of the link open now.
struct LinkStatusMessage {
    LinkId link = 0;
    LinkStatus code = LinkTimeout;
    std::uint32_t argument = 0;
};

enum class LinkKind { Serial, Usb, Net };

// The points in which the links differ; everything else is one engine.
struct LinkTraits {
    LinkKind kind;
    std::size_t transmitCapacity;
    // Reply time-out that a keep-alive sets.
    std::uint32_t keepAliveTimeoutMs;
    // Time-outs that pass silently after the last re-send before LinkTimeout.
    int silentTimeouts;
    // Whether SetForcedResend has an effect.
    bool forcedResend;
    // Whether the link itself makes the monitor lines (LogComWrite, LogComRead).
    bool logsFrames;
    // Whether a failed wait or port is reported (LinkWaitFailed, LinkCommError)
    // rather than ending the thread silently.
    bool reportsFailures;
    AssemblerKind assembler;
};

const LinkTraits& LinkTraitsOf(LinkKind kind);

// Reply time-out and retry count of a link at construction.
inline constexpr std::uint32_t DefaultReplyTimeoutMs = 800;
inline constexpr int DefaultRetries = 2;
// Received bytes a USB or network link holds for its I/O thread; what does
// not fit is dropped (the assembler finds the next start marker).
inline constexpr std::size_t ReceivedCapacity = 4096;
// How long Close waits for the I/O thread.
inline constexpr std::int64_t CloseWaitMs = 5000;
// Interval of the keep-alive timer.
inline constexpr std::int64_t KeepAliveIntervalMs = 2000;

} // namespace korvan
