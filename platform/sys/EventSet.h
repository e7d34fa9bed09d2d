#pragma once
// A set of events with the wait semantics the links rely on: auto-reset (or
// manual-reset) events, one wait on several of them with a time-out on an
// injectable clock, and the lowest-numbered signalled event wins. A wait may
// also watch one file descriptor, which then counts as a signalled event
// while it is readable (or has failed).

#include "platform/sys/Clock.h"

#include <cstdint>
#include <mutex>
#include <optional>

namespace korvan::sys {

class EventSet final : private ClockWaiter {
public:
    static constexpr int Timeout = -1; // the time-out passed first
    static constexpr int Failed = -2;  // the wait itself failed
    static constexpr Millis Infinite = -1;

    // `count` events (at most 32), all unsignalled. An event whose bit is set
    // in `manualResetMask` stays signalled until Reset; the others are
    // cleared by the wait that reports them.
    explicit EventSet(int count, std::uint32_t manualResetMask = 0);
    ~EventSet();
    EventSet(const EventSet&) = delete;
    EventSet& operator=(const EventSet&) = delete;

    // Any thread.
    void Signal(int event);
    void Reset(int event);
    bool IsSignalled(int event) const;

    // Waits until an event in `mask` is signalled, or `fd` (when not -1) is
    // readable, or `timeoutMs` (Infinite: no time-out) has passed on `clock`.
    // Returns the lowest signalled event of the mask (the descriptor counts
    // as event `fdEvent`), Timeout, or Failed. One thread waits at a time.
    int Wait(std::uint32_t mask, Millis timeoutMs, Clock& clock = SystemClock(), int fd = -1,
             int fdEvent = -1);

    static constexpr std::uint32_t Bit(int event) { return 1u << event; }

private:
    void OnClockMoved() override;
    int TakeSignalled(std::uint32_t mask);
    void Wake();
    void DrainWake();

    mutable std::mutex mutex_;
    std::uint32_t signalled_ = 0;
    const std::uint32_t manualReset_;
    const int count_;
    int wakeFd_ = -1;
};

} // namespace korvan::sys
