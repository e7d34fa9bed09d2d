#pragma once
// A GUI thread without a window system, for tests, tools and benchmarks: the
// thread that creates the loop is its GUI thread. Posted tasks, due timers and
// ready descriptors run only while that thread pumps the loop (RunPending,
// RunUntil, Run), so a test decides when GUI-thread work happens. Timers are
// measured on the loop's clock: with a ManualClock they fall due when the
// test advances it. A handler may pump the loop itself (a modal loop): the
// other timers and watches go on, its own does not come again until it
// returns.

#include "platform/sys/GuiThread.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace korvan::sys {

class FakeGuiLoop final : public GuiThread, private ClockWaiter {
public:
    explicit FakeGuiLoop(Clock& clock = SystemClock());
    // Every timer and watch made by the loop must be gone before the loop.
    ~FakeGuiLoop() override;
    FakeGuiLoop(const FakeGuiLoop&) = delete;
    FakeGuiLoop& operator=(const FakeGuiLoop&) = delete;

    void Post(std::function<void()> task) override;
    bool IsGuiThread() const override { return std::this_thread::get_id() == guiThread_; }
    std::unique_ptr<IoWatch> WatchIo(int fd, IoReady ready, std::function<void()> onReady) override;

    // GUI thread: runs the tasks waiting now, every running timer that is
    // due and every watch whose descriptor is ready (each at most once);
    // returns how many ran.
    std::size_t RunPending();
    // GUI thread: pumps until `done` holds, waiting for posts in between, for
    // at most `bound` of real time. Returns whether `done` holds.
    bool RunUntil(const std::function<bool()>& done,
                  std::chrono::milliseconds bound = std::chrono::seconds(5));
    // GUI thread: pumps until Quit.
    void Run();
    // Any thread.
    void Quit();

    // Any thread: waits, without running anything, until at least `count`
    // tasks are waiting (real time, at most `bound`).
    bool AwaitPending(std::size_t count, std::chrono::milliseconds bound = std::chrono::seconds(5)) const;
    std::size_t PendingTasks() const;
    // Timers that exist, and those of them that run.
    std::size_t TimerCount() const;
    std::size_t RunningTimerCount() const;
    // Descriptors watched now.
    std::size_t WatchCount() const;

protected:
    std::unique_ptr<GuiTimer> CreateTimer(std::function<void()> onTick) override;

private:
    class LoopTimer;
    class LoopWatch;
    struct TimerState {
        std::function<void()> onTick;
        bool running = false;
        bool ticking = false; // its handler runs
        Millis interval = 0;
        Millis due = 0;
    };
    struct WatchState {
        int fd = -1;
        IoReady ready = IoReady::Readable;
        std::shared_ptr<std::function<void()>> onReady;
        bool calling = false; // its handler runs
    };

    void OnClockMoved() override;
    void Wake();
    void RemoveTimer(std::uint64_t id);
    void StartTimer(std::uint64_t id, Millis interval);
    void StopTimer(std::uint64_t id);
    bool TimerRunning(std::uint64_t id) const;
    void RemoveWatch(std::uint64_t id);
    std::size_t RunDueTimers();
    std::size_t RunReadyWatches();
    std::optional<Millis> NextDue() const;
    // Sleeps until a post, a clock move, the next due timer, a ready watched
    // descriptor or `until`.
    void WaitForWork(std::chrono::steady_clock::time_point until);

    Clock& clock_;
    const std::thread::id guiThread_;
    // Written to wake the loop's poll.
    int wakeFd_ = -1;
    mutable std::mutex mutex_;
    mutable std::condition_variable posted_;
    std::deque<std::function<void()>> tasks_;
    std::map<std::uint64_t, TimerState> timers_;
    std::map<std::uint64_t, WatchState> watches_; // GUI thread only
    std::uint64_t nextId_ = 1;
    bool quit_ = false;
};

} // namespace korvan::sys
