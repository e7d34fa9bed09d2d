#pragma once
// The GUI thread as the layers below the window system see it: tasks posted
// to it run there in order, timers tick there (see Timer.h), a descriptor that
// becomes ready is reported there, and a worker thread can hand a task over
// synchronously and wait until it has run (a sent window message), with a way
// out that a close on the GUI thread uses so that it never deadlocks against
// that worker.
//
// The application implements GuiThread over the framework's message loop
// (forms::Gui()); tests use FakeGuiLoop.

#include "platform/sys/Clock.h"

#include <functional>
#include <memory>

namespace korvan::sys {

class EventSet;
class Timer;

// The scheduling primitive a GuiThread gives the one timer type (Timer): a
// repeating tick on the GUI thread. A tick whose handler still runs (a modal
// loop inside it) is not due again until it returns, and the other timers
// keep ticking meanwhile. Destroying it stops it.
class GuiTimer {
public:
    virtual ~GuiTimer() = default;
    // (Re)starts the timer: the next tick comes `intervalMs` from now, then
    // one every `intervalMs`.
    virtual void Start(Millis intervalMs) = 0;
    virtual void Stop() = 0;
    virtual bool IsRunning() const = 0;
};

enum class IoReady { Readable, Writable };

// A watch on a descriptor; destroying it stops the watch. The descriptor
// must stay open while the watch lives.
class IoWatch {
public:
    virtual ~IoWatch() = default;
};

class GuiThread {
public:
    virtual ~GuiThread() = default;
    // Any thread: runs `task` later on the GUI thread, after the tasks
    // posted before it.
    virtual void Post(std::function<void()> task) = 0;
    virtual bool IsGuiThread() const = 0;
    // GUI thread: calls `onReady` on the GUI thread whenever `fd` is ready
    // for `ready` (a failed or closed descriptor counts as readable and
    // writable). Level-triggered: a handler that leaves the descriptor ready
    // is called again, but never while it still runs. The handler may
    // destroy its own watch.
    virtual std::unique_ptr<IoWatch> WatchIo(int fd, IoReady ready, std::function<void()> onReady) = 0;

protected:
    // GUI thread: a stopped primitive timer that calls `onTick` on each tick.
    // Only Timer makes them.
    virtual std::unique_ptr<GuiTimer> CreateTimer(std::function<void()> onTick) = 0;
    friend class Timer;
};

enum class HandOverResult { Handled, Abandoned };

// Runs `task` on the GUI thread and blocks the calling thread until it has
// returned (Handled). Signalling `abortEvent` of `events` ends the wait at
// once (Abandoned): a task that has not started then never runs, and one that
// is running goes on with what it captured, so it must own its data.
// `doneEvent` belongs to the hand-over while it runs. On the GUI thread
// itself the task runs directly.
HandOverResult HandOver(GuiThread& gui, std::function<void()> task, const std::shared_ptr<EventSet>& events,
                        int abortEvent, int doneEvent);

} // namespace korvan::sys
