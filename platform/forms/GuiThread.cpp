#include "platform/forms/GuiThread.h"

#include "platform/forms/ExceptionGuard.h"
#include "platform/forms/Timer.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QThread>

#include <deque>
#include <mutex>

namespace korvan::forms {

namespace {

// The queue of posted tasks. One wake-up is queued in Qt at a time; it runs
// every task waiting by then.
class TaskQueue {
public:
    void Post(std::function<void()> task) {
        bool wake = false;
        {
            std::lock_guard lock(mutex_);
            tasks_.push_back(std::move(task));
            wake = !wakePending_;
            wakePending_ = true;
        }
        if (wake && !Wake()) {
            // No application object yet: nothing was posted, so the next
            // post (or the loop's first one) must try again.
            std::lock_guard lock(mutex_);
            wakePending_ = false;
        }
    }

    int Drain() {
        int count = 0;
        for (;;) {
            std::function<void()> task;
            {
                std::lock_guard lock(mutex_);
                wakePending_ = false;
                if (tasks_.empty())
                    return count;
                task = std::move(tasks_.front());
                tasks_.pop_front();
            }
            Guarded(task);
            ++count;
        }
    }

private:
    bool Wake() {
        // The functor runs in the application object's thread: the GUI thread.
        QCoreApplication* app = QCoreApplication::instance();
        if (app == nullptr)
            return false;
        QMetaObject::invokeMethod(
            app, [this] { Drain(); }, Qt::QueuedConnection);
        return true;
    }

    std::mutex mutex_;
    std::deque<std::function<void()>> tasks_;
    bool wakePending_ = false;
};

TaskQueue& Tasks() {
    static TaskQueue queue;
    return queue;
}

// A primitive timer on the forms scheduler.
class SchedulerTimer final : public sys::GuiTimer {
public:
    explicit SchedulerTimer(std::function<void()> onTick) : onTick_(std::move(onTick)) {}
    ~SchedulerTimer() override { TimerScheduler::Instance().Stop(this); }
    void Start(sys::Millis intervalMs) override {
        TimerScheduler::Instance().Start(this, intervalMs > 0 ? intervalMs : 1, onTick_);
    }
    void Stop() override { TimerScheduler::Instance().Stop(this); }
    bool IsRunning() const override { return TimerScheduler::Instance().IsRunning(this); }

private:
    std::function<void()> onTick_;
};

// A socket notifier that pauses while its handler runs. The handler's state
// outlives a watch destroyed from inside it; the notifier then goes once the
// loop has left its signal.
class NotifierWatch final : public sys::IoWatch {
public:
    NotifierWatch(int fd, sys::IoReady ready, std::function<void()> onReady)
        : state_(std::make_shared<State>()),
          notifier_(new QSocketNotifier(fd, ready == sys::IoReady::Readable ? QSocketNotifier::Read
                                                                            : QSocketNotifier::Write)) {
        state_->onReady = std::move(onReady);
        QObject::connect(notifier_, &QSocketNotifier::activated, [state = state_, notifier = notifier_] {
            if (state->gone || state->calling)
                return;
            state->calling = true;
            notifier->setEnabled(false);
            Guarded(state->onReady);
            state->calling = false;
            if (!state->gone)
                notifier->setEnabled(true);
        });
    }
    ~NotifierWatch() override {
        state_->gone = true;
        notifier_->setEnabled(false);
        if (state_->calling)
            notifier_->deleteLater();
        else
            delete notifier_;
    }
    NotifierWatch(const NotifierWatch&) = delete;
    NotifierWatch& operator=(const NotifierWatch&) = delete;

private:
    struct State {
        std::function<void()> onReady;
        bool calling = false;
        bool gone = false;
    };
    std::shared_ptr<State> state_;
    QSocketNotifier* notifier_; // owned; see the destructor
};

class FormsGuiThread final : public sys::GuiThread {
public:
    void Post(std::function<void()> task) override { Tasks().Post(std::move(task)); }
    bool IsGuiThread() const override {
        QCoreApplication* app = QCoreApplication::instance();
        return app && QThread::currentThread() == app->thread();
    }
    std::unique_ptr<sys::IoWatch> WatchIo(int fd, sys::IoReady ready,
                                          std::function<void()> onReady) override {
        return std::make_unique<NotifierWatch>(fd, ready, std::move(onReady));
    }

protected:
    std::unique_ptr<sys::GuiTimer> CreateTimer(std::function<void()> onTick) override {
        return std::make_unique<SchedulerTimer>(std::move(onTick));
    }
};

} // namespace

sys::GuiThread& Gui() {
    static FormsGuiThread gui;
    return gui;
}

int ProcessPendingCalls() {
    return Tasks().Drain();
}

} // namespace korvan::forms
