#include "ui/main/FormsGuiThread.h"

#include "platform/forms/GuiThread.h"
#include "platform/forms/Timer.h"

namespace korvan {

namespace {

class FormsTimer final : public sys::GuiTimer {
public:
    explicit FormsTimer(std::function<void()> onTick) : timer_(nullptr) {
        timer_.SetEnabled(false);
        timer_.SetOnTimer([tick = std::move(onTick)](TObject*) { tick(); });
    }
    void Start(sys::Millis intervalMs) override {
        timer_.SetEnabled(false);
        timer_.SetInterval(unsigned(intervalMs > 0 ? intervalMs : 1));
        timer_.SetEnabled(true);
    }
    void Stop() override { timer_.SetEnabled(false); }
    bool IsRunning() const override { return timer_.Enabled(); }

private:
    TTimer timer_;
};

} // namespace

void FormsGuiThread::Post(std::function<void()> task) {
    forms::PostToGuiThread(std::move(task));
}

std::unique_ptr<sys::GuiTimer> FormsGuiThread::CreateTimer(std::function<void()> onTick) {
    return std::make_unique<FormsTimer>(std::move(onTick));
}

bool FormsGuiThread::IsGuiThread() const {
    return forms::IsGuiThread();
}

} // namespace korvan
