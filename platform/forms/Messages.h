#pragma once
// Window messages between threads. A MessageWindow is a message target
// with a handle; any thread may post to the handle (queued, returns at
// once) or send to it (the handler runs on the GUI thread while the sender
// waits, handed over with sys::HandOver; on the GUI thread itself the handler
// runs directly). Messages to a window that no longer exists are dropped,
// and a sender waiting for one is released with a zero result.

#include <cstdint>
#include <functional>

struct TMessage {
    unsigned Msg = 0;
    std::uintptr_t WParam = 0;
    std::intptr_t LParam = 0;
    std::intptr_t Result = 0;
};

namespace korvan::forms {

using WindowHandle = std::uint64_t;

class MessageWindow {
public:
    explicit MessageWindow(std::function<void(TMessage&)> handler);
    ~MessageWindow();
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;
    WindowHandle Handle() const { return handle_; }

private:
    WindowHandle handle_;
};

bool IsWindow(WindowHandle window);
// False when there is no such window.
bool PostMessage(WindowHandle window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);
// The handler's Result; 0 when there is no such window.
std::intptr_t SendMessage(WindowHandle window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

} // namespace korvan::forms
