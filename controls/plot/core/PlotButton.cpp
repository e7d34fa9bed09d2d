#include "controls/plot/core/PlotButton.h"

#include "platform/forms/GuiThread.h"
#include "platform/sys/Timer.h"

using korvan::forms::ClassBuilder;

const TClassInfo& TiPlotButton::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiPlotButton>("TiPlotButton", &TiPlotObject::StaticClassInfo()).Build();
    return info;
}

const TClassInfo& TiMenuItem::StaticClassInfo() {
    static const TClassInfo info =
        ClassBuilder<TiMenuItem>("TiMenuItem", &TMenuItem::StaticClassInfo()).Build();
    return info;
}

TiPlotButton::TiPlotButton(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert,
                           TNotifyEvent onRemove, TNotifyEvent onRename)
    : TiPlotObject(owner, std::move(onChange), std::move(onInsert), std::move(onRemove),
                   std::move(onRename)) {}

TiPlotButton::~TiPlotButton() = default;

void TiPlotButton::SetDrawRect(const TRect& rect) {
    left_ = rect.Left;
    top_ = rect.Top;
    right_ = rect.Right;
    bottom_ = rect.Bottom;
}

void TiPlotButton::SetDown(bool value) {
    if (value == down_)
        return;
    down_ = value;
    Raise(OnInvalidate);
    Raise(OnDownChange);
}

void TiPlotButton::SetEnabled(bool value) {
    TiPlotObject::SetEnabled(value);
    if (!value)
        timer_.reset();
}

void TiPlotButton::DoMouseLeft(TiPlotMouseData& mouseData) {
    (void)mouseData;
    if (timerEnabled_) {
        if (!timer_)
            timer_ = std::make_unique<korvan::sys::Timer>(korvan::forms::Gui(), FirstRepeatDelay,
                                                          [this] { AutoRepeatTick(); });
        timer_->SetInterval(FirstRepeatDelay);
        timer_->SetEnabled(true);
        firstTimerMessage_ = true;
    }
    Raise(OnInvalidate);
}

void TiPlotButton::DoMouseMove(TiPlotMouseData& mouseData) {
    (void)mouseData;
}

void TiPlotButton::AutoRepeatTick() {
    if (firstTimerMessage_) {
        timer_->SetInterval(RepeatInterval);
        firstTimerMessage_ = false;
    }
    Raise(OnClick);
    Raise(OnInvalidate);
}

void TiPlotButton::DoMouseUp(TiPlotMouseData& mouseData) {
    if (!MouseIsDown())
        return;
    SetMouseIsDown(false);
    timer_.reset();
    Raise(OnInvalidate);
    if (mouseData.X >= left_ && mouseData.X < right_ && mouseData.Y >= top_ && mouseData.Y < bottom_) {
        if (groupIndex_ != 0)
            Raise(OnGroupClick);
        Raise(OnClick);
    }
}
