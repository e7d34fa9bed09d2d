#include "platform/sys/Thread.h"

#include <system_error>

namespace korvan::sys {

Thread::~Thread() {
    if (thread_.joinable())
        thread_.join();
}

bool Thread::Start(std::function<void()> body) {
    if (thread_.joinable())
        return false;
    auto ended = std::make_shared<EventSet>(1, EventSet::Bit(0));
    try {
        thread_ = std::thread([ended, body = std::move(body)] {
            body();
            ended->Signal(0);
        });
    } catch (const std::system_error&) {
        return false;
    }
    ended_ = std::move(ended);
    return true;
}

bool Thread::Join(Millis timeoutMs, Clock& clock) {
    if (!thread_.joinable())
        return true;
    if (thread_.get_id() == std::this_thread::get_id())
        return false;
    if (ended_->Wait(EventSet::Bit(0), timeoutMs, clock) != 0)
        return false;
    thread_.join();
    ended_.reset();
    return true;
}

void Thread::Detach() {
    if (thread_.joinable())
        thread_.detach();
    ended_.reset();
}

bool Thread::IsRunning() const {
    return thread_.joinable() && ended_ && !ended_->IsSignalled(0);
}

} // namespace korvan::sys
