#pragma once
// Where Qt meets the framework's input rules. One InputBridge (an event
// filter) sits on every control window and turns Qt's events into the
// framework's:
// - input reaches only controls that are enabled with every parent (Qt's
//   own enabled state is not used for containers, so children of a
//   disabled parent keep their enabled look);
// - mouse events go to the non-windowed child under the pointer, or to the
//   control that holds the capture;
// - mouse enter and leave are sent whenever the control under the pointer
//   changes, also while a button is held (Qt holds them until release);
// - a second press within the double-click time becomes DblClick followed
//   by a press with ssDouble, and the release of the first press raises
//   Click before MouseUp;
// - the wheel goes to OnMouseWheel first and then in 120-unit steps;
// - keys arrive as virtual-key codes; Tab, arrows, Return and Escape that
//   the control does not want go to the form as dialog keys, and
//   characters it does not want (and Alt+letter) as accelerators;
// - focus changes reach the form only when they happen inside it, never
//   for window activation or popups.
//
// Layer internal, like QtGeometry.h: only the layer's own .cpp files (and
// tests that drive windows directly) include this header; the public forms
// headers name no Qt header.

#include "platform/forms/ControlTypes.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <cstdint>

class QCursor;
class QImage;
class QInputEvent;
class QKeyEvent;
class TControl;
class TWinControl;

namespace korvan::forms {

class InputBridge : public QObject {
public:
    InputBridge(TWinControl* control, QWidget* widget);
    void Detach() { control_ = nullptr; }
    TWinControl* Control() const { return control_; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool MouseEvent(QEvent* event);
    bool WheelEvent(QEvent* event);
    bool KeyEvent(QObject* watched, QEvent* event);
    // Hands a replaced character to the window as a key of its own.
    void ResendChar(QObject* watched, const QKeyEvent& original, char ch);
    bool FocusEvent(QEvent* event);
    TWinControl* control_;
    QWidget* widget_;
    bool resending_ = false;
};

// The window of painted controls: paints the control's composite image.
class ControlWidget : public QWidget {
public:
    explicit ControlWidget(TWinControl* control) : control_(control) {}
    void Detach() { control_ = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TWinControl* control_;
};

// The control whose window is `widget` (or an ancestor of it); null when
// the widget belongs to no control.
TWinControl* ControlOfWidget(QWidget* widget);
// The control under a screen point within `window`'s top-level window
// (non-windowed children included); null outside.
TControl* ControlAtScreen(QWidget* window, QPoint globalPos, bool allowDisabled);

// The virtual-key code of a Qt key event; 0 for keys without one.
std::uint16_t VirtualKeyOf(const QKeyEvent& event);
// The Qt key of a virtual-key code (for scripted input); 0 when none.
int QtKeyOf(std::uint16_t vk);
// Shift, Alt and Ctrl of any input event, plus the held mouse buttons.
TShiftState ShiftStateOf(const QInputEvent& event);

// The Qt cursor for a cursor number (crDefault gives the arrow).
QCursor QtCursorOf(TCursor cursor);

// Paints the parent's image (its background and its non-windowed children
// below `control`) into `dest`, which covers `control`'s bounds.
void DrawParentImage(TControl* control, QImage& dest);

// Mouse state shared by all windows.
struct MouseState {
    TControl* capture = nullptr;    // the control holding the capture
    TControl* underMouse = nullptr; // for enter and leave
    TControl* lastPress = nullptr;  // double-click detection
    int lastPressButton = -1;
    unsigned long lastPressTime = 0;
    QPoint lastPressPos;
    bool swallowQtDoubleClick = false;
};
MouseState& Mouse();
// Gives the capture to `control` (null: to no control); the control that
// held it hears MouseCaptureChanged. While a control holds the capture,
// its window deactivating or a popup window showing ends the capture.
void SetCaptureControl(TControl* control);
// Ends any capture, as a modal window or a popup does when it opens.
void EndMouseCapture();
// Sends leave to the previous control and enter to `now` when they differ.
void SetControlUnderMouse(TControl* now);
// A control going away drops out of the shared state.
void ForgetControl(TControl* control);

} // namespace korvan::forms
