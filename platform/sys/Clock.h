#pragma once
// Monotonic time behind an interface, so that time-outs, keep-alives and
// timers can be driven by tests instead of by the wall clock.
//
// A wait with a time-out (EventSet, Thread::Join, the fake GUI loop) is
// measured on the clock it is given. On the steady clock it sleeps in real
// time; on a ManualClock it sleeps until the test moves the clock past its
// deadline or something else wakes it.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>

namespace korvan::sys {

using Millis = std::int64_t;

// Something that sleeps until a deadline on a clock. A driven clock calls
// OnClockMoved (from the thread that moves it) so that the sleeper looks at
// the time again. OnClockMoved must not block and must not call the clock.
class ClockWaiter {
public:
    virtual void OnClockMoved() = 0;

protected:
    ~ClockWaiter() = default;
};

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds on a monotonic scale; only differences are meaningful.
    virtual Millis NowMs() const = 0;

    // How long (real milliseconds) a wait for `deadline` may sleep before it
    // must read the clock again; -1 when only a move of the clock, reported
    // to registered waiters, can bring the deadline nearer.
    virtual Millis SleepBound(Millis deadline) const { return std::max<Millis>(0, deadline - NowMs()); }

    // A waiter registers for the span of one wait. Once RemoveWaiter has
    // returned, the clock no longer calls it.
    virtual void AddWaiter(ClockWaiter& /*waiter*/, Millis /*deadline*/) {}
    virtual void RemoveWaiter(ClockWaiter& /*waiter*/) {}
};

class SteadyClock final : public Clock {
public:
    Millis NowMs() const override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

// A clock that only moves when a test moves it. Safe to read and move from
// any thread; moving it wakes every wait that sleeps on it.
class ManualClock : public Clock {
public:
    explicit ManualClock(Millis start = 0) : now_(start) {}
    Millis NowMs() const override { return now_.load(); }
    virtual void Advance(Millis ms) {
        now_ += ms;
        WakeWaiters();
    }
    virtual void Set(Millis ms) {
        now_ = ms;
        WakeWaiters();
    }

    Millis SleepBound(Millis deadline) const override { return deadline <= NowMs() ? 0 : -1; }

    void AddWaiter(ClockWaiter& waiter, Millis deadline) override {
        std::lock_guard lock(mutex_);
        waiters_[&waiter] = deadline;
        changed_.notify_all();
    }
    void RemoveWaiter(ClockWaiter& waiter) override {
        std::lock_guard lock(mutex_);
        waiters_.erase(&waiter);
        changed_.notify_all();
    }

    // Number of waits sleeping on this clock right now.
    std::size_t WaiterCount() const {
        std::lock_guard lock(mutex_);
        return waiters_.size();
    }

    // Blocks (real time, at most `bound`) until at least `count` waits sleep
    // on this clock, so that a test moves the clock only once the thread it
    // drives has computed its deadline. Returns whether they do.
    bool AwaitWaiters(std::size_t count, std::chrono::milliseconds bound = std::chrono::seconds(5)) const {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, bound, [&] { return waiters_.size() >= count; });
    }

    // Blocks (real time, at most `bound`) until at most `count` waits sleep
    // on this clock, so that a test knows the thread it drives has left its
    // wait. Returns whether they do.
    bool AwaitWaitersAtMost(std::size_t count,
                            std::chrono::milliseconds bound = std::chrono::seconds(5)) const {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, bound, [&] { return waiters_.size() <= count; });
    }

    // Blocks (real time, at most `bound`) until some wait sleeps until
    // exactly `deadline`. Returns whether one does.
    bool AwaitDeadline(Millis deadline, std::chrono::milliseconds bound = std::chrono::seconds(5)) const {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, bound, [&] {
            return std::any_of(waiters_.begin(), waiters_.end(),
                               [&](const auto& entry) { return entry.second == deadline; });
        });
    }

private:
    void WakeWaiters() {
        std::lock_guard lock(mutex_);
        for (auto& [waiter, deadline] : waiters_)
            waiter->OnClockMoved();
    }

    std::atomic<Millis> now_;
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    std::map<ClockWaiter*, Millis> waiters_;
};

// The process-wide steady clock.
inline Clock& SystemClock() {
    static SteadyClock clock;
    return clock;
}

} // namespace korvan::sys
