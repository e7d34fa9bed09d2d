#include "platform/forms/Messages.h"

#include "platform/forms/ExceptionGuard.h"
#include "platform/forms/GuiThread.h"
#include "platform/sys/EventSet.h"

#include <map>
#include <memory>
#include <mutex>

namespace korvan::forms {

namespace {

using Handler = std::function<void(TMessage&)>;

struct Registry {
    std::mutex mutex;
    std::map<WindowHandle, std::shared_ptr<Handler>> windows;
    WindowHandle next = 1;

    std::shared_ptr<Handler> Find(WindowHandle window) {
        std::lock_guard lock(mutex);
        const auto it = windows.find(window);
        return it == windows.end() ? nullptr : it->second;
    }
};

Registry& Windows() {
    static Registry registry;
    return registry;
}

// Delivers on the GUI thread; a window gone meanwhile gets nothing.
void Deliver(WindowHandle window, TMessage& message) {
    if (auto handler = Windows().Find(window))
        (*handler)(message);
}

} // namespace

MessageWindow::MessageWindow(std::function<void(TMessage&)> handler) {
    std::lock_guard lock(Windows().mutex);
    handle_ = Windows().next++;
    Windows().windows[handle_] = std::make_shared<Handler>(std::move(handler));
}

MessageWindow::~MessageWindow() {
    std::lock_guard lock(Windows().mutex);
    Windows().windows.erase(handle_);
}

bool IsWindow(WindowHandle window) {
    return Windows().Find(window) != nullptr;
}

bool PostMessage(WindowHandle window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (!IsWindow(window))
        return false;
    Gui().Post([window, msg, wParam, lParam] {
        TMessage m{msg, wParam, lParam, 0};
        Deliver(window, m);
    });
    return true;
}

std::intptr_t SendMessage(WindowHandle window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (!IsWindow(window))
        return 0;
    // The result travels through shared state: a sender released early
    // must not leave the handler writing into its stack.
    auto message = std::make_shared<TMessage>(TMessage{msg, wParam, lParam, 0});
    // Nothing aborts a plain send: the sender waits until the handler ran.
    enum { Abort, Done };
    const auto events = std::make_shared<sys::EventSet>(2);
    if (sys::HandOver(
            Gui(), [window, message] { Guarded([&] { Deliver(window, *message); }); }, events, Abort, Done) !=
        sys::HandOverResult::Handled)
        return 0;
    return message->Result;
}

} // namespace korvan::forms
