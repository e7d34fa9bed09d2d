#pragma once
// A push button drawn inside a toolbar, legend or table. A press shows it
// down; a release inside the button clicks it (and first raises the group
// click when it belongs to a group). With TimerEnabled a held button
// repeats: it clicks after 500 ms, then every 50 ms, and once more on a
// release inside.

#include "controls/plot/core/PlotObject.h"
#include "platform/forms/Menus.h"

#include <memory>
#include <string>

namespace korvan::sys {
class Timer;
}

class TiPlotButton : public TiPlotObject {
    KORVAN_CLASS(TiPlotButton)
public:
    TiPlotButton(TComponent* owner, TNotifyEvent onChange, TNotifyEvent onInsert, TNotifyEvent onRemove,
                 TNotifyEvent onRename);

    TRect DrawRect() const { return Rect(left_, top_, right_, bottom_); }
    void SetDrawRect(const TRect& rect);
    int Width() const { return right_ - left_; }
    int Height() const { return bottom_ - top_; }
    bool Down() const { return down_; }
    void SetDown(bool value);
    bool TimerEnabled() const { return timerEnabled_; }
    void SetTimerEnabled(bool value) { timerEnabled_ = value; }
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int value) { groupIndex_ = value; }
    // Whether the repeat timer exists (a press is repeating).
    bool Repeating() const { return timer_ != nullptr; }

    void SetEnabled(bool value) override;

    TNotifyEvent OnClick;
    TNotifyEvent OnGroupClick;
    TNotifyEvent OnInvalidate;
    TNotifyEvent OnDownChange;

    static constexpr int FirstRepeatDelay = 500;
    static constexpr int RepeatInterval = 50;

protected:
    ~TiPlotButton() override;
    void DoMouseLeft(TiPlotMouseData& mouseData) override;
    void DoMouseMove(TiPlotMouseData& mouseData) override;
    void DoMouseUp(TiPlotMouseData& mouseData) override;

private:
    void AutoRepeatTick();
    void Raise(const TNotifyEvent& event) {
        if (event)
            event(this);
    }

    int top_ = 0, bottom_ = 0, right_ = 0, left_ = 0;
    bool down_ = false;
    std::unique_ptr<korvan::sys::Timer> timer_;
    bool firstTimerMessage_ = false;
    bool timerEnabled_ = false;
    int groupIndex_ = 0;
};

// A menu item carrying one extra text (the data cursor's popup menu keeps a
// channel name per item).
class TiMenuItem : public TMenuItem {
    KORVAN_CLASS(TiMenuItem)
public:
    using TMenuItem::TMenuItem;
    std::string AString;
};
