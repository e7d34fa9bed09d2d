#include "platform/forms/ControlBridge.h"

#include "platform/forms/ExceptionGuard.h"
#include "platform/forms/Form.h"
#include "platform/forms/HintWindow.h"
#include "platform/forms/Menus.h"
#include "platform/forms/QtGeometry.h"
#include "platform/forms/Screen.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/forms/WinControl.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <QWheelEvent>

#include <cstdlib>

namespace korvan::forms {
namespace {

constexpr char kBridgeProperty[] = "korvanControl";

TMouseButton ButtonOf(Qt::MouseButton b) {
    switch (b) {
    case Qt::RightButton:
        return mbRight;
    case Qt::MiddleButton:
        return mbMiddle;
    default:
        return mbLeft;
    }
}

// The point in `target`'s client coordinates from a point in `from`'s
// window coordinates (`from` is the windowed control owning the widget).
QPoint ToClient(TControl* target, TWinControl* from, QPoint windowPos) {
    QPoint p = windowPos - ToQPoint(from->ClientOrigin());
    if (target == from)
        return p;
    return p - ToQPoint(target->ClientToParent(Point(0, 0), from));
}

// The control that takes a mouse event at a window point: the captured
// control, else the non-windowed child there, else the window's control.
TControl* MouseTarget(TWinControl* control, QPoint windowPos) {
    if (TControl* c = Mouse().capture)
        return c;
    TControl* target = control;
    // Descend through non-windowed children only: windowed ones have
    // windows that Qt already hit-tests.
    while (auto* w = dynamic_cast<TWinControl*>(target)) {
        QPoint local = ToClient(w, control, windowPos);
        TControl* child = w->ControlAtPos(ToTPoint(local), false, false);
        if (!child)
            break;
        target = child;
        if (child->IsWindowed())
            break;
    }
    return target;
}

// The top-level window of the control's window (or of its windowed
// parent's); null while it has none.
QWidget* TopWindowOf(TControl* control) {
    TControl* c = control;
    while (c && !c->IsWindowed())
        c = c->Parent();
    auto* windowed = static_cast<TWinControl*>(c);
    return windowed && windowed->HandleAllocated() ? windowed->Widget()->window() : nullptr;
}

// Watches the application while a control holds the capture. Qt keeps no
// capture of ours: what ends one on the desktop (the window losing the
// activation, a menu or a list dropping down over it) has to end it here.
class CaptureWatch : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::WindowDeactivate && type != QEvent::Show)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        TControl* holder = Mouse().capture;
        if (!widget || !holder || !widget->isWindow())
            return false;
        const bool popup = type == QEvent::Show && widget->windowType() == Qt::Popup;
        const bool deactivated = type == QEvent::WindowDeactivate && widget == TopWindowOf(holder);
        if (popup || deactivated)
            EndMouseCapture();
        return false;
    }
};

// The watch runs only while there is a capture to end.
void WatchCapture(bool watch) {
    static QPointer<CaptureWatch> watcher;
    if (!qApp)
        return;
    if (!watcher)
        watcher = new CaptureWatch(qApp); // the application owns it
    if (watch)
        qApp->installEventFilter(watcher);
    else
        qApp->removeEventFilter(watcher);
}

} // namespace

MouseState& Mouse() {
    static MouseState state;
    return state;
}

void SetCaptureControl(TControl* control) {
    MouseState& m = Mouse();
    TControl* lost = m.capture;
    if (lost == control)
        return;
    m.capture = control;
    WatchCapture(control != nullptr);
    if (lost)
        Guarded([lost, control] { lost->MouseCaptureChanged(control); });
}

void EndMouseCapture() {
    SetCaptureControl(nullptr);
}

void SetControlUnderMouse(TControl* now) {
    MouseState& m = Mouse();
    if (m.underMouse == now)
        return;
    TControl* old = m.underMouse;
    m.underMouse = now;
    // A non-windowed control lends its cursor to its window while under
    // the pointer.
    if (old && !old->IsWindowed())
        UpdateCursor(old);
    if (now && !now->IsWindowed())
        UpdateCursor(now);
    if (old)
        Guarded([old] { old->MouseLeave(); });
    if (now && Mouse().underMouse == now)
        Guarded([now] { now->MouseEnter(); });
    Hints().ControlUnderMouse(Mouse().underMouse);
}

void ForgetControl(TControl* control) {
    MouseState& m = Mouse();
    if (m.capture == control) {
        m.capture = nullptr;
        WatchCapture(false);
    }
    if (m.underMouse == control)
        m.underMouse = nullptr;
    if (m.lastPress == control)
        m.lastPress = nullptr;
    Hints().Forget(control);
}

TWinControl* ControlOfWidget(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        QVariant v = w->property(kBridgeProperty);
        if (v.isValid()) {
            auto* bridge = static_cast<InputBridge*>(v.value<QObject*>());
            if (bridge && bridge->Control())
                return bridge->Control();
        }
    }
    return nullptr;
}

TControl* ControlAtScreen(QWidget* window, QPoint globalPos, bool allowDisabled) {
    if (!window)
        return nullptr;
    QWidget* top = window->window();
    const QPoint local = top->mapFromGlobal(globalPos);
    if (!top->rect().contains(local) || !top->isVisible())
        return nullptr;
    QWidget* hit = top->childAt(local);
    if (!hit)
        hit = top;
    TWinControl* control = ControlOfWidget(hit);
    if (!control)
        return nullptr;
    TControl* target = control;
    const QPoint windowPos = control->Widget()->mapFromGlobal(globalPos);
    while (auto* w = dynamic_cast<TWinControl*>(target)) {
        TControl* child = w->ControlAtPos(ToTPoint(ToClient(w, control, windowPos)), allowDisabled, false);
        if (!child || child->IsWindowed())
            break;
        target = child;
    }
    return target;
}

InputBridge::InputBridge(TWinControl* control, QWidget* widget)
    : QObject(widget), control_(control), widget_(widget) {
    widget->setProperty(kBridgeProperty, QVariant::fromValue<QObject*>(this));
    widget->installEventFilter(this);
    // Child widgets of a standard control (a combo box's line edit) feed
    // the same control.
    for (QWidget* child : widget->findChildren<QWidget*>())
        child->installEventFilter(this);
}

namespace {
// The events the bridge turns into the control's input.
bool IsBridged(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::FocusIn:
    case QEvent::ContextMenu:
        return true;
    default:
        return false;
    }
}
} // namespace

bool InputBridge::eventFilter(QObject* watched, QEvent* event) {
    if (!control_ || control_->HasState(csDestroying) || resending_)
        return false;
    // Every other event passes at once: font, palette and layout changes
    // reach a form's thousands of widgets while it is built, and finding
    // a child window's control walks its parents.
    if (!IsBridged(event->type()))
        return false;
    // Events of a child window of another control pass through.
    if (watched != widget_) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (!w || ControlOfWidget(w) != control_)
            return false;
    }
    bool eaten = false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        eaten = MouseEvent(event);
        break;
    case QEvent::Enter:
    case QEvent::Leave: {
        if (QApplication::mouseButtons() != Qt::NoButton)
            break; // during a press the moves decide
        const QPoint global = QCursor::pos();
        TControl* now = event->type() == QEvent::Leave ? nullptr : ControlAtScreen(widget_, global, true);
        if (event->type() == QEvent::Leave) {
            // Leaving into a child window is not leaving the control tree.
            now = ControlAtScreen(widget_, global, true);
        }
        SetControlUnderMouse(now);
        break;
    }
    case QEvent::Wheel:
        eaten = WheelEvent(event);
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        eaten = KeyEvent(watched, event);
        break;
    case QEvent::FocusIn:
        eaten = FocusEvent(event);
        break;
    case QEvent::ContextMenu:
        eaten = true; // the right button's release shows the popup menu
        break;
    default:
        break;
    }
    return eaten;
}

bool InputBridge::MouseEvent(QEvent* event) {
    auto* me = static_cast<QMouseEvent*>(event);
    TWinControl* control = control_;
    const QPoint windowPos = control->Widget()->mapFromGlobal(me->globalPosition().toPoint());
    MouseState& m = Mouse();
    if (event->type() == QEvent::MouseMove) {
        SetControlUnderMouse(ControlAtScreen(widget_, me->globalPosition().toPoint(), true));
    }
    TControl* target = MouseTarget(control, windowPos);
    if (!target->InputEnabled()) {
        // A disabled control gets no input; the parent does not either.
        return true;
    }
    const QPoint p = ToClient(target, control, windowPos);
    const TShiftState shift = ShiftStateOf(*me);
    const TMouseButton button = ButtonOf(me->button());
    bool eaten = !dynamic_cast<ControlWidget*>(widget_) ? false : true;
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        if (m.swallowQtDoubleClick) {
            m.swallowQtDoubleClick = false;
            return true;
        }
        [[fallthrough]];
    case QEvent::MouseButtonPress: {
        Hints().Cancel();
        const unsigned long t = me->timestamp();
        const int limit = QApplication::styleHints()->mouseDoubleClickInterval();
        const int distance = QApplication::styleHints()->startDragDistance();
        const bool isDouble =
            event->type() == QEvent::MouseButtonDblClick ||
            (m.lastPress == target && m.lastPressButton == int(me->button()) && t >= m.lastPressTime &&
             t - m.lastPressTime <= unsigned(limit) && std::abs(p.x() - m.lastPressPos.x()) <= distance &&
             std::abs(p.y() - m.lastPressPos.y()) <= distance);
        if (isDouble && (target->ControlStyle() & csDoubleClicks)) {
            m.lastPress = nullptr;
            m.swallowQtDoubleClick = event->type() == QEvent::MouseButtonPress;
            if (button == mbLeft && (target->ControlStyle() & csCaptureMouse))
                target->SetMouseCapture(true);
            Guarded([&] {
                if (button == mbLeft && (target->ControlStyle() & csClickEvents))
                    target->DblClick();
                target->MouseDown(button, shift | ssDouble, p.x(), p.y());
            });
            return eaten;
        }
        m.lastPress = target;
        m.lastPressButton = int(me->button());
        m.lastPressTime = t;
        m.lastPressPos = p;
        m.swallowQtDoubleClick = false;
        if (button == mbLeft) {
            if (target->ControlStyle() & csCaptureMouse)
                target->SetMouseCapture(true);
            if (target->ControlStyle() & csClickEvents)
                target->SetControlState(target->ControlState() | csClicked);
        }
        Guarded([&] { target->MouseDown(button, shift, p.x(), p.y()); });
        return eaten;
    }
    case QEvent::MouseButtonRelease: {
        if (button == mbLeft)
            target->SetMouseCapture(false);
        Guarded([&] {
            if (button == mbLeft && (target->ControlState() & csClicked)) {
                target->SetControlState(target->ControlState() & ~csClicked);
                if (target->ClientRect().Contains(ToTPoint(p)))
                    target->Click();
            }
            target->MouseUp(button, shift, p.x(), p.y());
            if (button == mbRight) {
                // The popup menu of the control or its nearest parent.
                for (TControl* c = target; c; c = c->Parent())
                    if (TPopupMenu* menu = c->PopupMenu()) {
                        const QPoint at = me->globalPosition().toPoint();
                        menu->SetPopupComponent(target);
                        menu->Popup(at.x(), at.y());
                        break;
                    }
            }
        });
        // Where the pointer is now decides enter and leave.
        SetControlUnderMouse(ControlAtScreen(widget_, me->globalPosition().toPoint(), true));
        return eaten;
    }
    default:
        Guarded([&] { target->MouseMove(shift, p.x(), p.y()); });
        return eaten;
    }
}

bool InputBridge::WheelEvent(QEvent* event) {
    auto* we = static_cast<QWheelEvent*>(event);
    const QPoint global = we->globalPosition().toPoint();
    TControl* target = ControlAtScreen(widget_, global, false);
    if (!target)
        target = control_;
    if (!target->InputEnabled())
        return true;
    const TShiftState shift = ShiftStateOf(*we);
    const int delta = we->angleDelta().y();
    bool handled = false;
    Guarded([&] {
        // Unhandled, the wheel goes up to the parents.
        for (TControl* c = target; c && !handled; c = c->Parent())
            handled = c->DoMouseWheel(shift, delta, ToTPoint(global));
    });
    if (!handled && control_->NativeWheel())
        return false;
    return true;
}

bool InputBridge::KeyEvent(QObject* watched, QEvent* event) {
    auto* ke = static_cast<QKeyEvent*>(event);
    TWinControl* control = control_;
    TCustomForm* form = control->GetParentForm();
    std::uint16_t key = VirtualKeyOf(*ke);
    const TShiftState shift = ShiftStateOf(*ke);
    if (!control->InputEnabled())
        return true;
    if (event->type() == QEvent::ShortcutOverride) {
        // Keys the framework handles must reach the control, not Qt's
        // shortcuts.
        event->accept();
        return false;
    }
    if (event->type() == QEvent::KeyRelease) {
        if (ke->isAutoRepeat())
            return false;
        bool eaten = false;
        Guarded([&] {
            if (form && form->KeyPreview() && form != control)
                form->KeyUp(key, shift);
            if (key != 0)
                control->KeyUp(key, shift);
            eaten = key == 0;
        });
        return eaten;
    }
    Hints().Cancel();
    bool eaten = false;
    Guarded([&] {
        // Menu shortcuts come before the control and the dialog keys.
        if (form && key != 0 && form->IsShortCut(control, key, shift)) {
            eaten = true;
            return;
        }
        // Dialog keys the control does not want go to the form.
        unsigned mask = 0;
        switch (key) {
        case VK_TAB:
            mask = DLGC_WANTTAB;
            break;
        case VK_LEFT:
        case VK_UP:
        case VK_RIGHT:
        case VK_DOWN:
            mask = DLGC_WANTARROWS;
            break;
        case VK_RETURN:
        case VK_ESCAPE:
            mask = DLGC_WANTALLKEYS;
            break;
        default:
            break;
        }
        if (mask != 0 && form && !control->WantSpecialKey(key) && !(control->GetDlgCode() & mask) &&
            !(control->GetDlgCode() & DLGC_WANTALLKEYS)) {
            if (form->DialogKey(key, shift)) {
                eaten = true;
                return;
            }
        }
        if (form && form->KeyPreview() && form != control)
            form->KeyDown(key, shift);
        if (key != 0)
            control->KeyDown(key, shift);
        if (key == 0) {
            eaten = true;
            return;
        }
        // The character of the key.
        const QString text = ke->text();
        if (text.size() == 1 && text[0].unicode() < 256 && !(shift & ssCtrl && text[0].unicode() >= 32)) {
            char ch = char(text[0].unicode());
            if (shift & ssAlt) {
                // Alt+letter: the controls' accelerators, then the menu's.
                const unsigned c = static_cast<unsigned char>(ch);
                if (form && (form->DialogChar(c) || form->MenuAccel(c)))
                    eaten = true;
                return;
            }
            if (form && form->KeyPreview() && form != control)
                form->KeyPress(ch);
            const char typed = ch;
            if (ch != 0)
                control->KeyPress(ch);
            if (ch == 0) {
                eaten = true;
                return;
            }
            if (ch != typed && !dynamic_cast<ControlWidget*>(widget_)) {
                // A handler replaced the character: the window receives the
                // new one in place of the key.
                ResendChar(watched, *ke, ch);
                eaten = true;
                return;
            }
            if (!(control->GetDlgCode() & DLGC_WANTCHARS) && form &&
                form->DialogChar(static_cast<unsigned char>(ch))) {
                eaten = true;
                return;
            }
        }
        // Painted controls keep every key; standard ones let Qt act on it.
        eaten = dynamic_cast<ControlWidget*>(widget_) != nullptr;
    });
    return eaten;
}

void InputBridge::ResendChar(QObject* watched, const QKeyEvent& original, char ch) {
    const QString text(QChar(static_cast<unsigned char>(ch)));
    const int qtKey = text.toUpper()[0].unicode();
    QKeyEvent replaced(QEvent::KeyPress, qtKey, original.modifiers() & ~Qt::ShiftModifier, text);
    resending_ = true;
    QCoreApplication::sendEvent(watched, &replaced);
    resending_ = false;
}

bool InputBridge::FocusEvent(QEvent* event) {
    auto* fe = static_cast<QFocusEvent*>(event);
    TCustomForm* form = control_->GetParentForm();
    if (!form || form == control_)
        return false;
    const Qt::FocusReason reason = fe->reason();
    const bool activation = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    TWinControl* control = control_;
    Guarded([&] { form->FocusedByWindow(control, activation); });
    return false;
}

void ControlWidget::paintEvent(QPaintEvent* event) {
    if (!control_)
        return;
    QPainter painter(this);
    TWinControl* control = control_;
    Guarded([&] { control->PaintWindow(painter, event->rect()); });
}

void ControlWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!control_)
        return;
    // A form's client area follows its window.
    if (auto* form = dynamic_cast<TCustomForm*>(control_)) {
        const TSize extra = form->FrameExtra();
        const QSize client = size();
        if (client != ToQRect(form->ClientRect()).size() && form->Visible())
            Guarded([&] {
                form->SetBounds(form->Left(), form->Top(), client.width() + extra.cx,
                                client.height() + extra.cy);
            });
    }
}

} // namespace korvan::forms
