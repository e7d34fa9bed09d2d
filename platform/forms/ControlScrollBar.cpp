#include "platform/forms/ControlScrollBar.h"

#include <algorithm>

const TClassInfo& TControlScrollBar::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TControlScrollBar>("TControlScrollBar", &TPersistent::StaticClassInfo())
            .Property("Increment", &TControlScrollBar::Increment, &TControlScrollBar::SetIncrement)
            .Default(8)
            .Property("Position", &TControlScrollBar::Position, &TControlScrollBar::SetPosition)
            .Default(0)
            .Property("Range", &TControlScrollBar::Range, &TControlScrollBar::SetRange)
            .Default(0)
            .Property("Smooth", &TControlScrollBar::Smooth, &TControlScrollBar::SetSmooth)
            .Default(false)
            .Property("Tracking", &TControlScrollBar::Tracking, &TControlScrollBar::SetTracking)
            .Default(false)
            .Property("Visible", &TControlScrollBar::Visible, &TControlScrollBar::SetVisible)
            .Default(true)
            .Build();
    return info;
}

TControlScrollBar::TControlScrollBar(TScrollBarKind kind, std::function<void(int)> scroll,
                                     std::function<void()> changed)
    : kind_(kind), scroll_(std::move(scroll)), changed_(std::move(changed)) {}

void TControlScrollBar::SetPosition(int v) {
    if (reading_) {
        // Before the first layout the value waits for the range.
        position_ = std::max(v, 0);
        return;
    }
    v = std::clamp(v, 0, maxPosition_);
    if (v == position_)
        return;
    const int old = position_;
    position_ = v;
    if (scroll_)
        scroll_(old - v);
    if (changed_)
        changed_();
}

void TControlScrollBar::SetRange(int v) {
    v = std::max(v, 0);
    if (v == range_)
        return;
    range_ = v;
    if (changed_)
        changed_();
}

void TControlScrollBar::SetVisible(bool v) {
    if (v == visible_)
        return;
    visible_ = v;
    if (changed_)
        changed_();
}

void TControlScrollBar::Assign(TPersistent* source) {
    auto* other = dynamic_cast<TControlScrollBar*>(source);
    if (!other) {
        TPersistent::Assign(source);
        return;
    }
    increment_ = other->increment_;
    smooth_ = other->smooth_;
    tracking_ = other->tracking_;
    SetVisible(other->visible_);
    SetRange(other->range_);
    SetPosition(other->position_);
}
