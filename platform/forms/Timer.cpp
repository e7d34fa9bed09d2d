#include "platform/forms/Timer.h"

#include "platform/forms/ExceptionGuard.h"
#include "platform/forms/GuiThread.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <optional>
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

TTimer::TTimer(TComponent* owner) : TComponent(owner), timer_(korvan::forms::Gui()) {
    timer_.SetEnabled(true);
}

TTimer::~TTimer() = default;

void TTimer::SetOnTimer(TNotifyEvent handler) {
    onTimer_ = std::move(handler);
    timer_.SetOnTimer(onTimer_ ? std::function<void()>([this] { Timer(); }) : nullptr);
}

void TTimer::Timer() {
    if (onTimer_) {
        // A copy: the handler may assign another handler to its own timer.
        TNotifyEvent handler = onTimer_;
        handler(this);
    }
}

namespace korvan::forms {

struct TimerScheduler::Impl final : sys::ClockWaiter {
    struct Entry {
        const void* key;
        sys::Millis interval;
        sys::Millis due;
        std::uint64_t order; // start order breaks ties of equal due times
        std::function<void()> onTick;
        bool firing = false;
    };
    std::vector<Entry> entries;
    sys::Clock* clock = nullptr;
    std::uint64_t nextOrder = 0;
    // The wake-up on the system clock. Owned by the application object, so
    // it goes with it.
    QPointer<QTimer> wakeup;
    // The wake-up on a manual clock: the due time it waits for, while this
    // waits on the clock.
    std::optional<sys::Millis> clockWake;
    std::atomic<bool> checkPosted{false};

    Entry* Find(const void* key) {
        for (auto& e : entries)
            if (e.key == key)
                return &e;
        return nullptr;
    }

    void StopClockWake() {
        if (clockWake && clock)
            clock->RemoveWaiter(*this);
        clockWake.reset();
    }

    // Any thread, under the clock's lock: the GUI thread looks at the time.
    void OnClockMoved() override {
        QCoreApplication* app = QCoreApplication::instance();
        if (app == nullptr || checkPosted.exchange(true))
            return;
        QMetaObject::invokeMethod(
            app,
            [] {
                auto& scheduler = TimerScheduler::Instance();
                scheduler.impl_->checkPosted = false;
                scheduler.CheckClockWake();
            },
            Qt::QueuedConnection);
    }
};

TimerScheduler& TimerScheduler::Instance() {
    static TimerScheduler scheduler;
    return scheduler;
}

TimerScheduler::TimerScheduler() : impl_(std::make_unique<Impl>()) {}

TimerScheduler::~TimerScheduler() = default;

void TimerScheduler::SetClock(sys::Clock* clock) {
    impl_->StopClockWake();
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

void TimerScheduler::Start(const void* key, sys::Millis interval, std::function<void()> onTick) {
    Stop(key);
    impl_->entries.push_back(
        {key, interval, Clock().NowMs() + interval, impl_->nextOrder++, std::move(onTick), false});
    Rearm();
}

void TimerScheduler::Stop(const void* key) {
    auto& v = impl_->entries;
    v.erase(std::remove_if(v.begin(), v.end(), [key](const Impl::Entry& e) { return e.key == key; }),
            v.end());
}

bool TimerScheduler::IsRunning(const void* key) const {
    return impl_->Find(key) != nullptr;
}

sys::Millis TimerScheduler::NextDueIn() const {
    std::optional<sys::Millis> due;
    for (const auto& e : impl_->entries)
        if (!e.firing && (!due || e.due < *due))
            due = e.due;
    return due ? std::max<sys::Millis>(0, *due - Clock().NowMs()) : -1;
}

int TimerScheduler::FireDue() {
    // Whatever woke the scheduler, its wake-up is spent now, as a single-shot
    // timer's is; Rearm sets the next one.
    if (impl_->wakeup)
        impl_->wakeup->stop();
    impl_->StopClockWake();
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
        const void* key = next->key;
        next->due = now + next->interval;
        next->order = impl_->nextOrder++;
        next->firing = true;
        // A copy: the handler may stop or free its timer.
        const std::function<void()> tick = next->onTick;
        // Woken again before the handler runs: a modal loop inside it must
        // not stop the other timers.
        Rearm();
        Guarded(tick);
        if (Impl::Entry* e = impl_->Find(key))
            e->firing = false;
        ++fired;
    }
    Rearm();
    return fired;
}

void TimerScheduler::Rearm() {
    const sys::Millis in = NextDueIn();
    if (impl_->clock) {
        // On a manual clock the scheduler waits on the clock itself.
        if (impl_->wakeup)
            impl_->wakeup->stop();
        impl_->StopClockWake();
        if (in < 0)
            return;
        impl_->clockWake = impl_->clock->NowMs() + in;
        impl_->clock->AddWaiter(*impl_, *impl_->clockWake);
        if (in == 0)
            impl_->OnClockMoved();
        return;
    }
    if (!QCoreApplication::instance())
        return;
    if (!impl_->wakeup) {
        impl_->wakeup = new QTimer(QCoreApplication::instance());
        impl_->wakeup->setSingleShot(true);
        impl_->wakeup->setTimerType(Qt::PreciseTimer);
        QObject::connect(impl_->wakeup.data(), &QTimer::timeout, [this] { FireDue(); });
    }
    if (in < 0)
        impl_->wakeup->stop();
    else
        impl_->wakeup->start(int(std::min<sys::Millis>(in, 1 << 30)));
}

void TimerScheduler::CheckClockWake() {
    if (!impl_->clock || !impl_->clockWake || impl_->clock->NowMs() < *impl_->clockWake)
        return;
    FireDue();
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
