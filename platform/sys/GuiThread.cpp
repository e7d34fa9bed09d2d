#include "platform/sys/GuiThread.h"

#include "platform/sys/EventSet.h"

#include <atomic>

namespace korvan::sys {

namespace {

enum HandOverState { Pending, Running, Finished, Abandoned };

} // namespace

HandOverResult HandOver(GuiThread& gui, std::function<void()> task, const std::shared_ptr<EventSet>& events,
                        int abortEvent, int doneEvent) {
    if (gui.IsGuiThread()) {
        task();
        return HandOverResult::Handled;
    }
    auto state = std::make_shared<std::atomic<int>>(Pending);
    events->Reset(doneEvent);
    gui.Post([state, events, doneEvent, task = std::move(task)] {
        int expected = Pending;
        if (!state->compare_exchange_strong(expected, Running))
            return; // the waiter has gone; the task must not run any more
        struct Finish {
            std::atomic<int>& state;
            EventSet& events;
            int doneEvent;
            ~Finish() {
                state = Finished;
                events.Signal(doneEvent);
            }
        } finish{*state, *events, doneEvent};
        task();
    });
    const int woke = events->Wait(EventSet::Bit(abortEvent) | EventSet::Bit(doneEvent), EventSet::Infinite);
    if (woke == doneEvent)
        return HandOverResult::Handled;
    // Aborted (or the wait failed): from here on a task that has not started
    // is skipped.
    int expected = Pending;
    if (!state->compare_exchange_strong(expected, Abandoned) && expected == Finished && woke != abortEvent)
        return HandOverResult::Handled;
    return HandOverResult::Abandoned;
}

} // namespace korvan::sys
