#pragma once
// The screen object: the application-wide cursor (`Screen->Cursor`, which
// overrides every control's cursor while it is not crDefault, as during a
// long operation with crHourGlass) and the table of cursors, where a
// program registers cursors of its own under positive numbers.
//
// Controls show their `Cursor` through the layer; a non-windowed control
// lends its cursor to its parent's window while the pointer is over it.

#include "platform/forms/Component.h"
#include "platform/forms/ControlTypes.h"
#include "platform/gfx/Types.h"

#include <memory>

class QCursor;

class TScreen : public TComponent {
    KORVAN_CLASS(TScreen)
public:
    explicit TScreen(TComponent* owner);
    ~TScreen() override;

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    // The cursor shown for a number: a registered one, else the standard
    // shape (the arrow for numbers nothing stands for).
    QCursor Cursors(TCursor index) const;
    void SetCursors(TCursor index, const QCursor& cursor);

private:
    TCursor cursor_ = crDefault;
    struct Registry;
    std::unique_ptr<Registry> registered_; // the program's own cursors
};

// The screen object.
extern TScreen* const Screen;

namespace korvan::forms {
// Shows `control`'s cursor: on its own window, or for a non-windowed
// control on its parent's window while the pointer rests on it.
void UpdateCursor(TControl* control);
// Where the pointer is, in screen coordinates.
TPoint CursorPos();
} // namespace korvan::forms
