#include "platform/sys/FakeGuiLoop.h"

#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>
#include <vector>

namespace korvan::sys {

namespace {

// Clears the running flag of a timer or watch when its handler has returned
// (or thrown), unless the handler destroyed it.
template <class State> struct ClearOnReturn {
    std::mutex& mutex;
    std::map<std::uint64_t, State>& states;
    std::uint64_t id;
    bool State::*flag;
    ~ClearOnReturn() {
        std::lock_guard lock(mutex);
        if (auto it = states.find(id); it != states.end())
            it->second.*flag = false;
    }
};
// Spelled out for compilers that deduce no aggregate's arguments.
template <class State>
ClearOnReturn(std::mutex&, std::map<std::uint64_t, State>&, std::uint64_t, bool State::*)
    -> ClearOnReturn<State>;

} // namespace

class FakeGuiLoop::LoopTimer final : public GuiTimer {
public:
    LoopTimer(FakeGuiLoop& loop, std::uint64_t id) : loop_(loop), id_(id) {}
    ~LoopTimer() override { loop_.RemoveTimer(id_); }
    void Start(Millis intervalMs) override { loop_.StartTimer(id_, intervalMs); }
    void Stop() override { loop_.StopTimer(id_); }
    bool IsRunning() const override { return loop_.TimerRunning(id_); }

private:
    FakeGuiLoop& loop_;
    const std::uint64_t id_;
};

class FakeGuiLoop::LoopWatch final : public IoWatch {
public:
    LoopWatch(FakeGuiLoop& loop, std::uint64_t id) : loop_(loop), id_(id) {}
    ~LoopWatch() override { loop_.RemoveWatch(id_); }

private:
    FakeGuiLoop& loop_;
    const std::uint64_t id_;
};

FakeGuiLoop::FakeGuiLoop(Clock& clock)
    : clock_(clock), guiThread_(std::this_thread::get_id()),
      wakeFd_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

FakeGuiLoop::~FakeGuiLoop() {
    if (wakeFd_ >= 0)
        ::close(wakeFd_);
}

void FakeGuiLoop::Wake() {
    std::uint64_t one = 1;
    [[maybe_unused]] auto written = ::write(wakeFd_, &one, sizeof one);
}

void FakeGuiLoop::Post(std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }
    posted_.notify_all();
    Wake();
}

std::unique_ptr<GuiTimer> FakeGuiLoop::CreateTimer(std::function<void()> onTick) {
    std::lock_guard lock(mutex_);
    const std::uint64_t id = nextId_++;
    timers_[id].onTick = std::move(onTick);
    return std::make_unique<LoopTimer>(*this, id);
}

std::unique_ptr<IoWatch> FakeGuiLoop::WatchIo(int fd, IoReady ready, std::function<void()> onReady) {
    std::lock_guard lock(mutex_);
    const std::uint64_t id = nextId_++;
    watches_[id] = {fd, ready, std::make_shared<std::function<void()>>(std::move(onReady)), false};
    return std::make_unique<LoopWatch>(*this, id);
}

void FakeGuiLoop::RemoveTimer(std::uint64_t id) {
    std::lock_guard lock(mutex_);
    timers_.erase(id);
}

void FakeGuiLoop::RemoveWatch(std::uint64_t id) {
    std::lock_guard lock(mutex_);
    watches_.erase(id);
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
    ran += RunDueTimers();
    ran += RunReadyWatches();
    return ran;
}

std::size_t FakeGuiLoop::RunDueTimers() {
    // Every due timer once. A tick may start, stop or destroy timers, so each
    // is looked up again before it runs.
    std::vector<std::uint64_t> due;
    {
        std::lock_guard lock(mutex_);
        const Millis now = clock_.NowMs();
        for (auto& [id, timer] : timers_)
            if (timer.running && !timer.ticking && timer.due <= now)
                due.push_back(id);
    }
    std::size_t ran = 0;
    for (std::uint64_t id : due) {
        std::function<void()> tick;
        {
            std::lock_guard lock(mutex_);
            auto it = timers_.find(id);
            const Millis now = clock_.NowMs();
            if (it == timers_.end() || !it->second.running || it->second.ticking || it->second.due > now)
                continue;
            it->second.due = now + it->second.interval;
            it->second.ticking = true;
            tick = it->second.onTick;
        }
        const ClearOnReturn done{mutex_, timers_, id, &TimerState::ticking};
        tick();
        ++ran;
    }
    return ran;
}

std::size_t FakeGuiLoop::RunReadyWatches() {
    std::vector<pollfd> fds;
    std::vector<std::uint64_t> ids;
    {
        std::lock_guard lock(mutex_);
        for (auto& [id, watch] : watches_) {
            if (watch.calling)
                continue;
            const short events =
                watch.ready == IoReady::Readable ? short(POLLIN | POLLRDHUP) : short(POLLOUT);
            fds.push_back({watch.fd, events, 0});
            ids.push_back(id);
        }
    }
    if (fds.empty() || ::poll(fds.data(), fds.size(), 0) <= 0)
        return 0;
    std::size_t ran = 0;
    for (std::size_t i = 0; i < fds.size(); ++i) {
        if (fds[i].revents == 0)
            continue;
        std::shared_ptr<std::function<void()>> handler;
        {
            std::lock_guard lock(mutex_);
            auto it = watches_.find(ids[i]);
            if (it == watches_.end() || it->second.calling)
                continue;
            it->second.calling = true;
            handler = it->second.onReady;
        }
        const ClearOnReturn done{mutex_, watches_, ids[i], &WatchState::calling};
        (*handler)();
        ++ran;
    }
    return ran;
}

std::optional<Millis> FakeGuiLoop::NextDue() const {
    std::optional<Millis> next;
    for (auto& [id, timer] : timers_)
        if (timer.running && !timer.ticking && (!next || timer.due < *next))
            next = timer.due;
    return next;
}

void FakeGuiLoop::OnClockMoved() {
    Wake();
}

void FakeGuiLoop::WaitForWork(std::chrono::steady_clock::time_point until) {
    std::optional<Millis> due;
    std::vector<pollfd> fds{{wakeFd_, POLLIN, 0}};
    {
        std::lock_guard lock(mutex_);
        due = NextDue();
        if (!tasks_.empty() || quit_)
            return;
        for (auto& [id, watch] : watches_)
            if (!watch.calling)
                fds.push_back({watch.fd,
                               watch.ready == IoReady::Readable ? short(POLLIN | POLLRDHUP) : short(POLLOUT),
                               0});
    }
    if (due)
        clock_.AddWaiter(*this, *due);
    auto limit = until;
    if (due) {
        const Millis bound = clock_.SleepBound(*due);
        if (bound >= 0)
            limit = std::min(limit, std::chrono::steady_clock::now() + std::chrono::milliseconds(bound));
    }
    // A post, a quit or a clock move between the look above and the poll
    // has written the wake descriptor, so the poll sees it.
    if (!(due && clock_.NowMs() >= *due)) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(limit - std::chrono::steady_clock::now());
        const int timeout = int(std::max<std::chrono::milliseconds::rep>(0, left.count()));
        while (::poll(fds.data(), fds.size(), timeout) < 0 && errno == EINTR) {
        }
    }
    std::uint64_t value;
    [[maybe_unused]] auto got = ::read(wakeFd_, &value, sizeof value);
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
    Wake();
}

bool FakeGuiLoop::AwaitPending(std::size_t count, std::chrono::milliseconds bound) const {
    std::unique_lock lock(mutex_);
    return posted_.wait_for(lock, bound, [&] { return tasks_.size() >= count; });
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

std::size_t FakeGuiLoop::WatchCount() const {
    std::lock_guard lock(mutex_);
    return watches_.size();
}

} // namespace korvan::sys
