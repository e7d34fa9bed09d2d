#pragma once
// The delay of every channel: its fader, its typed entry, the icon dragged
// along its delay line and the display unit (ms, m, ft) of all of them. An
// edit stores over the link group, sends one record for the edited channel
// and shows the delay on every member.

#include "ui/main/editors/EditorContext.h"

class TControl;

#include <string>

namespace korvan::editors {

class DelayEditor {
public:
    explicit DelayEditor(const EditorContext& context) : context_(context) {}

    // Binds faders, entries, delay lines and unit buttons.
    void AttachHandlers();

    // The fader of channel ch moved to p samples.
    void DelayMoved(int ch, int p);
    // The typed text of channel ch's field taken (Enter or leaving it).
    void ApplyEntry(int ch);
    // Unit button `unit` clicked: every text in that unit, then stored.
    void UnitClicked(int unit);
    // Time label at the icon's right edge, the dashed line up to the icon.
    void PlaceDelayLine(int ch);
    void PlaceAll();
    // Delay p, its icon at `left`, on every member of ch's group.
    void MirrorDelay(int ch, int p, int left);

    void LineMouseDown(int ch, int x, int y);
    void LineMouseMove(int ch, int x, int y);
    void LineMouseUp() { dragging_ = false; }
    bool Dragging() const { return dragging_; }

private:
    void ForwardToLine(TControl& icon, TControl& line, int ch);
    bool InHotZone(int ch, int x, int y) const;
    int Position(int ch) const;
    int Max(int ch) const;

    EditorContext context_;
    bool dragging_ = false;
};

} // namespace korvan::editors
