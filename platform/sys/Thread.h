#pragma once
// A thread that can be waited for with a time-out on an injectable clock, and
// let go when it does not end in time.

#include "platform/sys/Clock.h"
#include "platform/sys/EventSet.h"

#include <functional>
#include <memory>
#include <thread>

namespace korvan::sys {

class Thread {
public:
    Thread() = default;
    // Waits for a thread that is still running.
    ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Starts `body` on a new thread. False when a thread is already held or
    // the system cannot start one.
    bool Start(std::function<void()> body);

    // Waits up to `timeoutMs` on `clock` for the thread to end; true when it
    // has ended (it is then joined) or none was started.
    bool Join(Millis timeoutMs, Clock& clock = SystemClock());

    // Lets a thread that did not end go on by itself; what it uses must be
    // owned by its body.
    void Detach();

    bool IsRunning() const;
    bool IsCurrent() const { return thread_.get_id() == std::this_thread::get_id(); }

private:
    std::thread thread_;
    std::shared_ptr<EventSet> ended_;
};

} // namespace korvan::sys
