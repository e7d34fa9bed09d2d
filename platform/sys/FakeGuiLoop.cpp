#include "platform/sys/FakeGuiLoop.h"

#include <vector>

namespace korvan::sys {

class FakeGuiLoop::Timer final : public GuiTimer {
public:
    Timer(FakeGuiLoop& loop, std::uint64_t id) : loop_(loop), id_(id) {}
    ~Timer() override { loop_.RemoveTimer(id_); }
    void Start(Millis intervalMs) override { loop_.StartTimer(id_, intervalMs); }
    void Stop() override { loop_.StopTimer(id_); }
    bool IsRunning() const override { return loop_.TimerRunning(id_); }

private:
    FakeGuiLoop& loop_;
    const std::uint64_t id_;
};

FakeGuiLoop::FakeGuiLoop(Clock& clock) : clock_(clock), guiThread_(std::this_thread::get_id()) {}

FakeGuiLoop::~FakeGuiLoop() = default;

void FakeGuiLoop::Post(std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    wake_.notify_all();
}

std::unique_ptr<GuiTimer> FakeGuiLoop::CreateTimer(std::function<void()> onTick) {
    std::lock_guard lock(mutex_);
    const std::uint64_t id = nextTimerId_++;
    timers_[id].onTick = std::move(onTick);
    return std::make_unique<Timer>(*this, id);
}

void FakeGuiLoop::RemoveTimer(std::uint64_t id) {
    std::lock_guard lock(mutex_);
    timers_.erase(id);
}

void FakeGuiLoop::StartTimer(std::uint64_t id, Millis interval) {
    std::lock_guard lock(mutex_);
    auto it = timers_.find(id);
    if (it == timers_.end())
        return;
    it->second.running = true;
    it->second.interval = interval;
    it->second.due = clock_.NowMs() + interval;
}

void FakeGuiLoop::StopTimer(std::uint64_t id) {
    std::lock_guard lock(mutex_);
    auto it = timers_.find(id);
    if (it != timers_.end())
        it->second.running = false;
}

bool FakeGuiLoop::TimerRunning(std::uint64_t id) const {
    std::lock_guard lock(mutex_);
    auto it = timers_.find(id);
    return it != timers_.end() && it->second.running;
}

std::size_t FakeGuiLoop::RunPending() {
    std::size_t ran = 0;
    // Tasks first, in order; a task may post more, which run in this round.
    for (;;) {
        std::function<void()> task;
        {
            std::lock_guard lock(mutex_);
            if (tasks_.empty())
                break;
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        task();
        ++ran;
    }
    // Then every due timer once. A tick may start, stop or destroy timers,
    // so each is looked up again before it runs.
    std::vector<std::uint64_t> due;
    {
        std::lock_guard lock(mutex_);
        const Millis now = clock_.NowMs();
        for (auto& [id, timer] : timers_)
            if (timer.running && timer.due <= now)
                due.push_back(id);
    }
    for (std::uint64_t id : due) {
        std::function<void()> tick;
        {
            std::lock_guard lock(mutex_);
            auto it = timers_.find(id);
            const Millis now = clock_.NowMs();
            if (it == timers_.end() || !it->second.running || it->second.due > now)
                continue;
            it->second.due = now + it->second.interval;
            tick = it->second.onTick;
        }
        tick();
        ++ran;
    }
    return ran;
}

std::optional<Millis> FakeGuiLoop::NextDue() const {
    std::optional<Millis> next;
    for (auto& [id, timer] : timers_)
        if (timer.running && (!next || timer.due < *next))
            next = timer.due;
    return next;
}

void FakeGuiLoop::OnClockMoved() {
    {
        std::lock_guard lock(mutex_);
        clockMoved_ = true;
    }
    wake_.notify_all();
}

void FakeGuiLoop::WaitForWork(std::chrono::steady_clock::time_point until) {
    std::optional<Millis> due;
    {
        std::lock_guard lock(mutex_);
        due = NextDue();
    }
    if (due)
        clock_.AddWaiter(*this, *due);
    {
        std::unique_lock lock(mutex_);
        auto limit = until;
        if (due) {
            const Millis bound = clock_.SleepBound(*due);
            if (bound >= 0)
                limit = std::min(limit, std::chrono::steady_clock::now() + std::chrono::milliseconds(bound));
        }
        wake_.wait_until(lock, limit, [&] {
            return !tasks_.empty() || quit_ || clockMoved_ || (due && clock_.NowMs() >= *due);
        });
        clockMoved_ = false;
    }
    if (due)
        clock_.RemoveWaiter(*this);
}

bool FakeGuiLoop::RunUntil(const std::function<bool()>& done, std::chrono::milliseconds bound) {
    using Steady = std::chrono::steady_clock;
    const auto until = Steady::now() + bound;
    for (;;) {
        RunPending();
        if (done())
            return true;
        if (Steady::now() >= until)
            return false;
        // `done` may turn on work of other threads that posts nothing, so it
        // is looked at again after a short slice.
        WaitForWork(std::min(until, Steady::now() + std::chrono::milliseconds(2)));
    }
}

void FakeGuiLoop::Run() {
    for (;;) {
        RunPending();
        {
            std::lock_guard lock(mutex_);
            if (quit_) {
                quit_ = false;
                return;
            }
        }
        WaitForWork(std::chrono::steady_clock::now() + std::chrono::hours(24));
    }
}

void FakeGuiLoop::Quit() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
}

bool FakeGuiLoop::AwaitPending(std::size_t count, std::chrono::milliseconds bound) const {
    std::unique_lock lock(mutex_);
    return wake_.wait_for(lock, bound, [&] { return tasks_.size() >= count; });
}

std::size_t FakeGuiLoop::PendingTasks() const {
    std::lock_guard lock(mutex_);
    return tasks_.size();
}

std::size_t FakeGuiLoop::TimerCount() const {
    std::lock_guard lock(mutex_);
    return timers_.size();
}

std::size_t FakeGuiLoop::RunningTimerCount() const {
    std::lock_guard lock(mutex_);
    std::size_t n = 0;
    for (auto& [id, timer] : timers_)
        n += timer.running ? 1 : 0;
    return n;
}

} // namespace korvan::sys
