#include "platform/sys/EventSet.h"

#include <cerrno>
#include <poll.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <unistd.h>

namespace korvan::sys {

EventSet::EventSet(int count, std::uint32_t manualResetMask) : manualReset_(manualResetMask), count_(count) {
    if (count < 1 || count > 32)
        throw std::invalid_argument("EventSet: 1 to 32 events");
    wakeFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (wakeFd_ < 0)
        throw std::runtime_error("EventSet: eventfd failed");
}

EventSet::~EventSet() {
    if (wakeFd_ >= 0)
        ::close(wakeFd_);
}

void EventSet::Signal(int event) {
    if (event < 0 || event >= count_)
        return;
    {
        std::lock_guard lock(mutex_);
        signalled_ |= Bit(event);
    }
    Wake();
}

void EventSet::Reset(int event) {
    if (event < 0 || event >= count_)
        return;
    std::lock_guard lock(mutex_);
    signalled_ &= ~Bit(event);
}

bool EventSet::IsSignalled(int event) const {
    if (event < 0 || event >= count_)
        return false;
    std::lock_guard lock(mutex_);
    return (signalled_ & Bit(event)) != 0;
}

void EventSet::OnClockMoved() {
    Wake();
}

void EventSet::Wake() {
    std::uint64_t one = 1;
    // A full counter already wakes the waiter; nothing else can go wrong here.
    [[maybe_unused]] auto written = ::write(wakeFd_, &one, sizeof one);
}

void EventSet::DrainWake() {
    std::uint64_t value;
    [[maybe_unused]] auto got = ::read(wakeFd_, &value, sizeof value);
}

int EventSet::TakeSignalled(std::uint32_t mask) {
    std::lock_guard lock(mutex_);
    const std::uint32_t ready = signalled_ & mask;
    if (ready == 0)
        return Timeout;
    const int event = __builtin_ctz(ready);
    if ((manualReset_ & Bit(event)) == 0)
        signalled_ &= ~Bit(event);
    return event;
}

namespace {

// Registers a waiter with a clock for the span of one wait.
class WaiterRegistration {
public:
    WaiterRegistration(Clock& clock, ClockWaiter& waiter, Millis deadline) : clock_(clock), waiter_(waiter) {
        clock_.AddWaiter(waiter_, deadline);
    }
    ~WaiterRegistration() { clock_.RemoveWaiter(waiter_); }
    WaiterRegistration(const WaiterRegistration&) = delete;
    WaiterRegistration& operator=(const WaiterRegistration&) = delete;

private:
    Clock& clock_;
    ClockWaiter& waiter_;
};

bool Readable(int fd) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, 0) > 0 && p.revents != 0;
}

} // namespace

int EventSet::Wait(std::uint32_t mask, Millis timeoutMs, Clock& clock, int fd, int fdEvent) {
    const bool timed = timeoutMs != Infinite;
    // The deadline is fixed before the registration, so a clock moved while
    // we register is still seen by the check below.
    const Millis deadline = timed ? clock.NowMs() + std::max<Millis>(0, timeoutMs) : 0;
    std::optional<WaiterRegistration> registration;
    if (timed)
        registration.emplace(clock, static_cast<ClockWaiter&>(*this), deadline);
    for (;;) {
        // Events below the descriptor's number win over it, as do lower
        // numbers among the events.
        const std::uint32_t below = fd >= 0 && fdEvent >= 0 ? mask & (Bit(fdEvent) - 1) : mask;
        int event = TakeSignalled(below);
        if (event != Timeout)
            return event;
        if (fd >= 0 && Readable(fd))
            return fdEvent;
        event = TakeSignalled(mask);
        if (event != Timeout)
            return event;
        if (timed && clock.NowMs() >= deadline)
            return Timeout;

        const Millis bound = timed ? clock.SleepBound(deadline) : -1;
        const int pollTimeout = bound < 0 ? -1 : static_cast<int>(std::min<Millis>(bound, 1 << 30));
        pollfd fds[2] = {{wakeFd_, POLLIN, 0}, {fd, POLLIN, 0}};
        const int n = ::poll(fds, fd >= 0 ? 2 : 1, pollTimeout);
        if (n < 0 && errno != EINTR)
            return Failed;
        if (n > 0 && (fds[0].revents & POLLIN))
            DrainWake();
    }
}

} // namespace korvan::sys
