#include "platform/forms/GuiThread.h"

#include "platform/forms/ExceptionGuard.h"

#include <QCoreApplication>
#include <QThread>

#include <deque>

namespace korvan::forms {

bool IsGuiThread() {
    QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

void GuiCall::Run() {
    {
        std::lock_guard lock(mutex_);
        if (state_ != State::Pending)
            return;
        state_ = State::Running;
    }
    Guarded(fn_);
    {
        std::lock_guard lock(mutex_);
        if (state_ == State::Running)
            state_ = State::Done;
    }
    changed_.notify_all();
}

bool GuiCall::Wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return state_ == State::Done || state_ == State::Cancelled; });
    return state_ == State::Done;
}

void GuiCall::Cancel() {
    {
        std::lock_guard lock(mutex_);
        if (state_ == State::Pending || state_ == State::Running)
            state_ = State::Cancelled;
    }
    changed_.notify_all();
}

bool GuiCall::Finished() const {
    std::lock_guard lock(mutex_);
    return state_ == State::Done || state_ == State::Cancelled;
}

class GuiDispatcher {
public:
    static GuiDispatcher& Instance() {
        static GuiDispatcher dispatcher;
        return dispatcher;
    }

    std::shared_ptr<GuiCall> Start(std::function<void()> fn) {
        std::shared_ptr<GuiCall> call(new GuiCall(std::move(fn)));
        bool wake = false;
        {
            std::lock_guard lock(mutex_);
            queue_.push_back(call);
            wake = !wakePending_;
            wakePending_ = true;
        }
        if (wake && !Wake()) {
            // No application object yet: nothing was posted, so the next
            // post (or the loop's first one) must try again.
            std::lock_guard lock(mutex_);
            wakePending_ = false;
        }
        return call;
    }

    int Drain() {
        int count = 0;
        for (;;) {
            std::shared_ptr<GuiCall> call;
            {
                std::lock_guard lock(mutex_);
                wakePending_ = false;
                if (queue_.empty())
                    return count;
                call = queue_.front();
                queue_.pop_front();
            }
            call->Run();
            ++count;
        }
    }

    void CancelAll() {
        std::deque<std::shared_ptr<GuiCall>> calls;
        {
            std::lock_guard lock(mutex_);
            calls.swap(queue_);
        }
        for (auto& c : calls)
            c->Cancel();
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
    std::deque<std::shared_ptr<GuiCall>> queue_;
    bool wakePending_ = false;
};

std::shared_ptr<GuiCall> StartGuiCall(std::function<void()> fn) {
    return GuiDispatcher::Instance().Start(std::move(fn));
}

void PostToGuiThread(std::function<void()> fn) {
    GuiDispatcher::Instance().Start(std::move(fn));
}

bool CallOnGuiThread(std::function<void()> fn) {
    if (IsGuiThread()) {
        Guarded(fn);
        return true;
    }
    return StartGuiCall(std::move(fn))->Wait();
}

bool CallOnGuiThread(std::function<void()> fn, CancelSource& cancel) {
    if (IsGuiThread()) {
        if (cancel.IsCancelled())
            return false;
        Guarded(fn);
        return true;
    }
    std::shared_ptr<GuiCall> call;
    {
        std::lock_guard lock(cancel.mutex_);
        if (cancel.cancelled_)
            return false;
        call = StartGuiCall(std::move(fn));
        cancel.current_ = call;
    }
    const bool done = call->Wait();
    std::lock_guard lock(cancel.mutex_);
    if (cancel.current_ == call)
        cancel.current_.reset();
    return done;
}

void CancelSource::Cancel() {
    std::shared_ptr<GuiCall> call;
    {
        std::lock_guard lock(mutex_);
        cancelled_ = true;
        call = current_;
    }
    if (call)
        call->Cancel();
}

void CancelSource::Reset() {
    std::lock_guard lock(mutex_);
    cancelled_ = false;
}

bool CancelSource::IsCancelled() const {
    std::lock_guard lock(mutex_);
    return cancelled_;
}

int ProcessPendingCalls() {
    return GuiDispatcher::Instance().Drain();
}

void CancelPendingCalls() {
    GuiDispatcher::Instance().CancelAll();
}

} // namespace korvan::forms
