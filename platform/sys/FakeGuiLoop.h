#pragma once
// A GUI thread without a window system, for tests, tools and benchmarks: the
// thread that creates the loop is its GUI thread. Posted tasks and due timers
// run only while that thread pumps the loop (RunPending, RunUntil, Run), so a
// test decides when GUI-thread work happens. Timers are measured on the
// loop's clock: with a ManualClock they fall due when the test advances it.

#include "platform/sys/GuiThread.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <thread>

namespace korvan::sys {

class FakeGuiLoop final : public GuiThread, private ClockWaiter {
public:
    explicit FakeGuiLoop(Clock& clock = SystemClock());
    // Every timer made by the loop must be gone before the loop.
    ~FakeGuiLoop() override;
    FakeGuiLoop(const FakeGuiLoop&) = delete;
    FakeGuiLoop& operator=(const FakeGuiLoop&) = delete;

    void Post(std::function<void()> task) override;
    std::unique_ptr<GuiTimer> CreateTimer(std::function<void()> onTick) override;
    bool IsGuiThread() const override { return std::this_thread::get_id() == guiThread_; }

    // GUI thread: runs the tasks waiting now and every running timer that is
    // due (each at most once); returns how many ran.
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

private:
    class Timer;
    struct TimerState {
        std::function<void()> onTick;
        bool running = false;
        Millis interval = 0;
        Millis due = 0;
    };

    void OnClockMoved() override;
    void RemoveTimer(std::uint64_t id);
    void StartTimer(std::uint64_t id, Millis interval);
    void StopTimer(std::uint64_t id);
    bool TimerRunning(std::uint64_t id) const;
    std::optional<Millis> NextDue() const;
    // Sleeps until a post, a clock move, the next due timer or `until`.
    void WaitForWork(std::chrono::steady_clock::time_point until);

    Clock& clock_;
    const std::thread::id guiThread_;
    mutable std::mutex mutex_;
    mutable std::condition_variable wake_;
    std::deque<std::function<void()>> tasks_;
    std::map<std::uint64_t, TimerState> timers_;
    std::uint64_t nextTimerId_ = 1;
    bool quit_ = false;
    bool clockMoved_ = false;
};

} // namespace korvan::sys
