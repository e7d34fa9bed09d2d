#pragma once
// Every event entry of the layer (timer ticks, posted and sent calls,
// window messages, and the controls' handlers) runs its handler through
// Guarded: an exception stops there and is shown in the application's
// exception box, so none crosses the Qt event loop.

#include <utility>

namespace korvan::forms {

// Shows the exception being handled (call inside a catch block).
void HandleCurrentException() noexcept;

template <class F> void Guarded(F&& f) noexcept {
    try {
        std::forward<F>(f)();
    } catch (...) {
        HandleCurrentException();
    }
}

} // namespace korvan::forms
