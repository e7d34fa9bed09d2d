#pragma once
// Running code on the GUI thread from any thread.
//
// PostToGuiThread queues a call and returns at once. CallOnGuiThread runs a
// call on the GUI thread and waits until it has run; on the GUI thread
// itself it runs the call directly. A wait can be cancelled from any thread
// through a CancelSource: the waiter returns false at once, and a call
// that has not started yet never runs. A call still running when its wait
// is cancelled runs to its end, so it must own the data it uses (pass
// copies, not pointers into the waiting thread's buffers). This is what
// lets a GUI-side Close stop a thread that waits for the GUI thread
// without a deadlock.
//
// Calls run when the GUI thread's event loop turns (or from
// ProcessPendingCalls); an exception a call raises goes to the
// application's exception box.

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

namespace korvan::forms {

bool IsGuiThread();

class GuiCall {
public:
    // Blocks until the call has run (true) or was cancelled (false).
    bool Wait();
    // Thread-safe; wakes Wait.
    void Cancel();
    bool Finished() const;

private:
    friend class GuiDispatcher;
    enum class State { Pending, Running, Done, Cancelled };
    explicit GuiCall(std::function<void()> fn) : fn_(std::move(fn)) {}
    void Run();

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    State state_ = State::Pending;
    std::function<void()> fn_;
};

// Cancels the current and every later wait made with it, until Reset.
class CancelSource {
public:
    void Cancel();
    void Reset();
    bool IsCancelled() const;

private:
    friend bool CallOnGuiThread(std::function<void()> fn, CancelSource& cancel);
    mutable std::mutex mutex_;
    bool cancelled_ = false;
    std::shared_ptr<GuiCall> current_;
};

std::shared_ptr<GuiCall> StartGuiCall(std::function<void()> fn);
void PostToGuiThread(std::function<void()> fn);
bool CallOnGuiThread(std::function<void()> fn);
bool CallOnGuiThread(std::function<void()> fn, CancelSource& cancel);

// Runs the queued calls now (GUI thread only); returns how many ran.
int ProcessPendingCalls();
// Cancels every queued call and releases every waiter (at shutdown).
void CancelPendingCalls();

} // namespace korvan::forms
