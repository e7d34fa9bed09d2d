#pragma once
// TControlScrollBar: one scroll bar of a scrolling control (HorzScrollBar,
// VertScrollBar). Range is the extent of the content; the bar shows when
// the range exceeds the client extent and Visible allows it. Position runs
// from 0 to Range less the client extent and scrolls the content when it
// changes. The scrolling control works out the extents and places the
// bar's window.

#include "platform/forms/Persistent.h"

#include <functional>

enum TScrollBarKind { sbHorizontal, sbVertical };

class TControlScrollBar : public TPersistent {
    KORVAN_CLASS(TControlScrollBar)
public:
    // `scroll` moves the content by the change of Position (old - new);
    // `changed` asks the control to lay the bars out again.
    TControlScrollBar(TScrollBarKind kind, std::function<void(int)> scroll, std::function<void()> changed);

    TScrollBarKind Kind() const { return kind_; }
    int Position() const { return position_; }
    void SetPosition(int v);
    int Range() const { return range_; }
    void SetRange(int v);
    int Increment() const { return increment_; }
    void SetIncrement(int v) { increment_ = v; }
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Smooth() const { return smooth_; }
    void SetSmooth(bool v) { smooth_ = v; }
    bool Tracking() const { return tracking_; }
    void SetTracking(bool v) { tracking_ = v; }
    // Whether the bar shows now.
    bool IsScrollBarVisible() const { return shown_; }
    // The highest position (0 while the bar is not shown).
    int MaxPosition() const { return maxPosition_; }
    void Assign(TPersistent* source) override;

private:
    friend class TScrollBox;
    TScrollBarKind kind_;
    std::function<void(int)> scroll_;
    std::function<void()> changed_;
    int position_ = 0;
    int range_ = 0;
    int increment_ = 8;
    bool visible_ = true;
    bool smooth_ = false;
    bool tracking_ = false;
    bool shown_ = false;
    int maxPosition_ = 0;
    bool reading_ = true; // until the control has laid the bar out once
};
