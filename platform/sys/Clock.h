#pragma once
// Monotonic time behind an interface, so that time-outs, keep-alives and
// timers can be driven by tests instead of by the wall clock.

#include <atomic>
#include <chrono>
#include <cstdint>

namespace korvan::sys {

using Millis = std::int64_t;

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds on a monotonic scale; only differences are meaningful.
    virtual Millis NowMs() const = 0;
};

class SteadyClock final : public Clock {
public:
    Millis NowMs() const override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

// A clock that only moves when a test moves it. Safe to read from any thread.
class ManualClock : public Clock {
public:
    explicit ManualClock(Millis start = 0) : now_(start) {}
    Millis NowMs() const override { return now_.load(); }
    virtual void Advance(Millis ms) { now_ += ms; }
    virtual void Set(Millis ms) { now_ = ms; }

private:
    std::atomic<Millis> now_;
};

// The process-wide steady clock.
inline Clock& SystemClock() {
    static SteadyClock clock;
    return clock;
}

} // namespace korvan::sys
