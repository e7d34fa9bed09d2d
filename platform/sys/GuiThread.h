#pragma once
// The GUI thread as the layers below the window system see it: tasks posted
// to it run there in order, timers tick there, and a worker thread can hand a
// task over synchronously and wait until it has run (a sent window message),
// with a way out that a close on the GUI thread uses so that it never
// deadlocks against that worker.
//
// The application implements GuiThread over the framework's message loop;
// tests use FakeGuiLoop.

#include "platform/sys/Clock.h"

#include <functional>
#include <memory>

namespace korvan::sys {

class EventSet;

// A repeating timer that ticks on the GUI thread. Owned by whoever created
// it; destroying it stops it.
class GuiTimer {
public:
    virtual ~GuiTimer() = default;
    // (Re)starts the timer: the next tick comes `intervalMs` from now, then
    // one every `intervalMs`.
    virtual void Start(Millis intervalMs) = 0;
    virtual void Stop() = 0;
    virtual bool IsRunning() const = 0;
};

class GuiThread {
public:
    virtual ~GuiThread() = default;
    // Any thread: runs `task` later on the GUI thread, after the tasks
    // posted before it.
    virtual void Post(std::function<void()> task) = 0;
    // GUI thread: a stopped timer that calls `onTick` on each tick.
    virtual std::unique_ptr<GuiTimer> CreateTimer(std::function<void()> onTick) = 0;
    virtual bool IsGuiThread() const = 0;
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
