#pragma once
// The GUI thread of the running program as the device layer sees it: posts
// go through the framework's queue of GUI-thread calls, and timers are the
// framework's timers (so a manual timer clock drives them in tests too).

#include "platform/sys/GuiThread.h"

namespace korvan {

class FormsGuiThread final : public sys::GuiThread {
public:
    void Post(std::function<void()> task) override;
    std::unique_ptr<sys::GuiTimer> CreateTimer(std::function<void()> onTick) override;
    bool IsGuiThread() const override;
};

} // namespace korvan
