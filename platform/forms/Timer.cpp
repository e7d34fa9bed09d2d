#include "platform/forms/Timer.h"

#include "platform/forms/ExceptionGuard.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <cstdint>
#include <vector>

const TClassInfo& TTimer::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TTimer>("TTimer", &TComponent::StaticClassInfo())
            .Creator()
            .Property("Enabled", &TTimer::Enabled, &TTimer::SetEnabled)
            .Default(true)
            .Property("Interval", &TTimer::Interval, &TTimer::SetInterval)
            .Default(1000)
            .Build();
    return info;
}

TTimer::TTimer(TComponent* owner) : TComponent(owner) {}

TTimer::~TTimer() {
    onTimer_ = nullptr;
    korvan::forms::TimerScheduler::Instance().Stop(this);
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned interval) {
    if (interval == interval_)
        return;
    interval_ = interval;
    UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
    onTimer_ = std::move(handler);
    UpdateTimer();
}

bool TTimer::Running() const {
    return korvan::forms::TimerScheduler::Instance().IsRunning(this);
}

void TTimer::UpdateTimer() {
    auto& scheduler = korvan::forms::TimerScheduler::Instance();
    scheduler.Stop(this);
    if (interval_ != 0 && enabled_ && onTimer_)
        scheduler.Start(this, interval_);
}

void TTimer::Timer() {
    if (onTimer_) {
        // A copy: the handler may assign another handler to its own timer.
        TNotifyEvent handler = onTimer_;
        handler(this);
    }
}

// The scheduler reaches the protected tick through this friend.
class korvan_TimerAccess {
public:
    static void Tick(TTimer* timer) { timer->Timer(); }
};

namespace korvan::forms {

struct TimerScheduler::Impl {
    struct Entry {
        TTimer* timer;
        unsigned interval;
        sys::Millis due;
        std::uint64_t order; // start order breaks ties of equal due times
        bool firing = false;
    };
    std::vector<Entry> entries;
    sys::Clock* clock = nullptr;
    std::uint64_t nextOrder = 0;
    // Owned by the application object, so it goes with it.
    QPointer<QTimer> wakeup;

    Entry* Find(const TTimer* t) {
        for (auto& e : entries)
            if (e.timer == t)
                return &e;
        return nullptr;
    }
};

TimerScheduler& TimerScheduler::Instance() {
    static TimerScheduler scheduler;
    return scheduler;
}

TimerScheduler::TimerScheduler() : impl_(std::make_unique<Impl>()) {}

TimerScheduler::~TimerScheduler() = default;

void TimerScheduler::SetClock(sys::Clock* clock) {
    impl_->clock = clock;
    // Timers keep their remaining time measured on the old clock from now.
    const sys::Millis now = Clock().NowMs();
    for (auto& e : impl_->entries)
        e.due = now + e.interval;
    Rearm();
}

sys::Clock& TimerScheduler::Clock() const {
    return impl_->clock ? *impl_->clock : sys::SystemClock();
}

void TimerScheduler::Start(TTimer* timer, unsigned interval) {
    Stop(timer);
    impl_->entries.push_back({timer, interval, Clock().NowMs() + sys::Millis(interval), impl_->nextOrder++});
    Rearm();
}

void TimerScheduler::Stop(TTimer* timer) {
    auto& v = impl_->entries;
    v.erase(std::remove_if(v.begin(), v.end(), [timer](const Impl::Entry& e) { return e.timer == timer; }),
            v.end());
}

bool TimerScheduler::IsRunning(const TTimer* timer) const {
    return impl_->Find(timer) != nullptr;
}

sys::Millis TimerScheduler::NextDueIn() const {
    if (impl_->entries.empty())
        return -1;
    sys::Millis due = impl_->entries.front().due;
    for (const auto& e : impl_->entries)
        due = std::min(due, e.due);
    return std::max<sys::Millis>(0, due - Clock().NowMs());
}

int TimerScheduler::FireDue() {
    int fired = 0;
    for (;;) {
        const sys::Millis now = Clock().NowMs();
        Impl::Entry* next = nullptr;
        for (auto& e : impl_->entries)
            if (!e.firing && e.due <= now &&
                (!next || e.due < next->due || (e.due == next->due && e.order < next->order)))
                next = &e;
        if (!next)
            break;
        TTimer* timer = next->timer;
        next->due = now + next->interval;
        next->order = impl_->nextOrder++;
        next->firing = true;
        Guarded([timer] { korvan_TimerAccess::Tick(timer); });
        if (Impl::Entry* e = impl_->Find(timer))
            e->firing = false;
        ++fired;
    }
    Rearm();
    return fired;
}

void TimerScheduler::Rearm() {
    // Qt wakes the scheduler only while it counts on the system clock.
    if (!impl_->clock && QCoreApplication::instance()) {
        if (!impl_->wakeup) {
            impl_->wakeup = new QTimer(QCoreApplication::instance());
            impl_->wakeup->setSingleShot(true);
            impl_->wakeup->setTimerType(Qt::PreciseTimer);
            QObject::connect(impl_->wakeup.data(), &QTimer::timeout, [this] { FireDue(); });
        }
        const sys::Millis in = NextDueIn();
        if (in < 0)
            impl_->wakeup->stop();
        else
            impl_->wakeup->start(int(std::min<sys::Millis>(in, 1 << 30)));
    } else if (impl_->wakeup) {
        impl_->wakeup->stop();
    }
}

int AdvanceTimers(sys::ManualClock& clock, sys::Millis ms) {
    auto& scheduler = TimerScheduler::Instance();
    const sys::Millis target = clock.NowMs() + ms;
    int fired = scheduler.FireDue();
    for (;;) {
        const sys::Millis in = scheduler.NextDueIn();
        if (in < 0 || clock.NowMs() + in > target)
            break;
        clock.Set(clock.NowMs() + in);
        const int n = scheduler.FireDue();
        fired += n;
        if (n == 0)
            break; // only timers busy in a handler are due
    }
    clock.Set(target);
    return fired;
}

} // namespace korvan::forms
