#pragma once
// The lock a link shares between the GUI thread and its I/O thread: the
// owning thread may take it again. Use it with std::lock_guard or
// std::unique_lock.

#include <mutex>

namespace korvan::sys {

class RecursiveLock {
public:
    void lock() { mutex_.lock(); }
    void unlock() { mutex_.unlock(); }
    bool try_lock() { return mutex_.try_lock(); }

private:
    std::recursive_mutex mutex_;
};

} // namespace korvan::sys
