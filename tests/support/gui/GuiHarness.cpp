#include "tests/support/gui/GuiHarness.h"

#include "platform/forms/Application.h"
#include "platform/forms/ControlBridge.h"
#include "platform/forms/GuiThread.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/forms/WinControl.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

#include <cstdlib>
#include <filesystem>

namespace korvan::testing {

void EnsureGuiApplication() {
    if (QCoreApplication::instance())
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "korvan_gui_test";
    static char* argv[] = {name, nullptr};
    // Lives for the whole program.
    new QApplication(argc, argv);
}

int FakeDialogService::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    boxes.push_back({text, caption, flags});
    if (answers.empty())
        return defaultAnswer;
    const int a = answers.front();
    answers.pop_front();
    return a;
}

std::optional<std::string> FakeDialogService::OpenFile(forms::FileDialogOptions& options) {
    fileDialogs.push_back(options);
    if (openAnswers.empty())
        return std::nullopt;
    auto a = openAnswers.front();
    openAnswers.pop_front();
    return a;
}

std::optional<std::string> FakeDialogService::SaveFile(forms::FileDialogOptions& options) {
    fileDialogs.push_back(options);
    if (saveAnswers.empty())
        return std::nullopt;
    auto a = saveAnswers.front();
    saveAnswers.pop_front();
    return a;
}

namespace {

Qt::KeyboardModifiers ModifiersOf(TShiftState shift) {
    Qt::KeyboardModifiers m;
    if (shift & ssShift)
        m |= Qt::ShiftModifier;
    if (shift & ssCtrl)
        m |= Qt::ControlModifier;
    if (shift & ssAlt)
        m |= Qt::AltModifier;
    return m;
}

Qt::MouseButton QtButton(TMouseButton b) {
    return b == mbRight ? Qt::RightButton : b == mbMiddle ? Qt::MiddleButton : Qt::LeftButton;
}

} // namespace

QWidget* InputScript::WindowOf(TControl* control, QPoint& pos) {
    TControl* c = control;
    while (c && !c->IsWindowed()) {
        const TPoint origin = c->ClientOrigin();
        pos += QPoint(origin.X + c->Left(), origin.Y + c->Top());
        c = c->Parent();
    }
    auto* w = static_cast<TWinControl*>(c);
    const TPoint origin = w->ClientOrigin();
    pos += QPoint(origin.X, origin.Y);
    return w->Widget();
}

void InputScript::SendMouse(int type, TControl* control, QPoint pos, Qt::MouseButton button,
                            TShiftState shift) {
    QWidget* widget = WindowOf(control, pos);
    const QPoint global = widget->mapToGlobal(pos);
    // Qt sends moves and the release to the widget that took the press.
    QWidget* target = grab_ ? grab_.data() : widget;
    if (!grab_ && lastUnder_ && lastUnder_ != target) {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(lastUnder_, &leave);
    }
    if (!grab_ && lastUnder_ != target) {
        QEnterEvent enter(pos, pos, global);
        QCursor::setPos(global);
        QApplication::sendEvent(target, &enter);
    }
    QCursor::setPos(global);
    const QPoint local = target->mapFromGlobal(global);
    QMouseEvent event(QEvent::Type(type), local, local, global, button, held_, ModifiersOf(shift));
    event.setTimestamp(time_);
    QApplication::sendEvent(target, &event);
    if (!grab_)
        lastUnder_ = target;
}

void InputScript::MouseDown(TControl* control, int x, int y, TMouseButton button, TShiftState shift) {
    held_ |= QtButton(button);
    SendMouse(QEvent::MouseButtonPress, control, QPoint(x, y), QtButton(button), shift);
    QPoint p(x, y);
    grab_ = WindowOf(control, p);
}

void InputScript::MouseMove(TControl* control, int x, int y, TShiftState shift) {
    SendMouse(QEvent::MouseMove, control, QPoint(x, y), Qt::NoButton, shift);
}

void InputScript::MouseUp(TControl* control, int x, int y, TMouseButton button, TShiftState shift) {
    held_ &= ~QtButton(button);
    SendMouse(QEvent::MouseButtonRelease, control, QPoint(x, y), QtButton(button), shift);
    if (held_ == Qt::NoButton) {
        QPoint p(x, y);
        lastUnder_ = grab_;
        grab_ = nullptr;
        // After the release Qt delivers the enter and leave it held back.
        QWidget* under = WindowOf(control, p);
        if (lastUnder_ && lastUnder_ != under) {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(lastUnder_, &leave);
            lastUnder_ = under;
        }
    }
    time_ += 20;
}

void InputScript::Click(TControl* control, TMouseButton button) {
    Click(control, control->ClientWidth() / 2, control->ClientHeight() / 2, button);
}

void InputScript::Click(TControl* control, int x, int y, TMouseButton button) {
    MouseDown(control, x, y, button);
    MouseUp(control, x, y, button);
    time_ += 600; // the next click is a new one
}

void InputScript::DoubleClick(TControl* control, int x, int y) {
    MouseDown(control, x, y);
    MouseUp(control, x, y);
    time_ += 50;
    // Qt: a press, then the double-click event, then the release.
    held_ |= Qt::LeftButton;
    SendMouse(QEvent::MouseButtonPress, control, QPoint(x, y), Qt::LeftButton, 0);
    QPoint p(x, y);
    grab_ = WindowOf(control, p);
    SendMouse(QEvent::MouseButtonDblClick, control, QPoint(x, y), Qt::LeftButton, 0);
    MouseUp(control, x, y);
    time_ += 600;
}

void InputScript::MoveOutside(TShiftState shift) {
    const QPoint global(-5000, -5000);
    QCursor::setPos(global);
    if (grab_) {
        const QPoint local = grab_->mapFromGlobal(global);
        QMouseEvent event(QEvent::MouseMove, local, local, global, Qt::NoButton, held_, ModifiersOf(shift));
        event.setTimestamp(time_);
        QApplication::sendEvent(grab_, &event);
        return;
    }
    if (lastUnder_) {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(lastUnder_, &leave);
        lastUnder_ = nullptr;
    }
}

void InputScript::Wheel(TControl* control, int x, int y, int delta, TShiftState shift) {
    QPoint pos(x, y);
    QWidget* widget = WindowOf(control, pos);
    const QPoint global = widget->mapToGlobal(pos);
    QCursor::setPos(global);
    QWheelEvent event(QPointF(pos), QPointF(global), QPoint(), QPoint(0, delta), held_, ModifiersOf(shift),
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

QWidget* InputScript::FocusWidget(TControl* control) {
    if (auto* w = dynamic_cast<TWinControl*>(control))
        return w->Widget()->focusProxy() ? w->Widget()->focusProxy() : w->Widget();
    QPoint p;
    return WindowOf(control, p);
}

void InputScript::KeyDown(TControl* control, std::uint16_t vk, TShiftState shift, const std::string& text) {
    QKeyEvent event(QEvent::KeyPress, forms::QtKeyOf(vk), ModifiersOf(shift), QString::fromStdString(text));
    QApplication::sendEvent(FocusWidget(control), &event);
}

void InputScript::KeyUp(TControl* control, std::uint16_t vk, TShiftState shift) {
    QKeyEvent event(QEvent::KeyRelease, forms::QtKeyOf(vk), ModifiersOf(shift));
    QApplication::sendEvent(FocusWidget(control), &event);
}

void InputScript::Key(TControl* control, std::uint16_t vk, TShiftState shift, const std::string& text) {
    KeyDown(control, vk, shift, text);
    KeyUp(control, vk, shift);
}

void InputScript::Type(TControl* control, const std::string& text) {
    for (char ch : text) {
        const char upper = char(std::toupper(static_cast<unsigned char>(ch)));
        std::uint16_t vk = (std::isalnum(static_cast<unsigned char>(ch))) ? std::uint16_t(upper) : VK_SPACE;
        if (ch == '.')
            vk = VK_OEM_PERIOD;
        else if (ch == '-')
            vk = VK_OEM_MINUS;
        Key(control, vk, std::isupper(static_cast<unsigned char>(ch)) ? TShiftState(ssShift) : TShiftState(0),
            std::string(1, ch));
    }
}

void GuiTest::SetUp() {
    EnsureGuiApplication();
    // Each test starts with the pointer where no window lies: a window shown
    // under the place the last test left it would get an enter at once.
    QCursor::setPos(QPoint(-5000, -5000));
    timerClock_ = std::make_unique<forms::ScopedTimerClock>(clock);
    auto service = std::make_unique<FakeDialogService>();
    dialogs = service.get();
    dialogService_ = std::make_unique<forms::ScopedDialogService>(std::move(service));
}

void GuiTest::TearDown() {
    // A hint pause left running must not fire on the next test's clock.
    Application->CancelHint();
    ProcessEvents();
    dialogService_.reset();
    timerClock_.reset();
}

void GuiTest::ShowForm(TCustomForm* form) {
    form->Show();
    form->Window()->activateWindow();
    QApplication::setActiveWindow(form->Window());
    ProcessEvents();
}

void GuiTest::ProcessEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    forms::ProcessPendingCalls();
}

int GuiTest::AdvanceTimers(sys::Millis ms) {
    return forms::AdvanceTimers(clock, ms);
}

TComponent* FindNamed(TComponent* root, const std::string& name) {
    if (!root)
        return nullptr;
    if (TComponent* c = root->FindComponent(name))
        return c;
    for (int i = 0; i < root->ComponentCount(); ++i)
        if (TComponent* c = FindNamed(root->Components(i), name))
            return c;
    return nullptr;
}

int RunModal(TCustomForm* form, std::function<void()> script) {
    forms::Gui().Post([script = std::move(script)] {
        QCoreApplication::processEvents();
        script();
    });
    return form->ShowModal();
}

int Ink(const QImage& image, const TRect& r) {
    int n = 0;
    for (int y = std::max(r.Top, 0); y < std::min(r.Bottom, image.height()); ++y)
        for (int x = std::max(r.Left, 0); x < std::min(r.Right, image.width()); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ++n;
    return n;
}

QImage Grab(TControl* control) {
    if (auto* w = dynamic_cast<TWinControl*>(control)) {
        // The window with its child windows, as Qt composes the screen.
        QImage image(w->Width() > 0 ? w->Widget()->size() : QSize(1, 1), QImage::Format_RGB32);
        image.fill(Qt::white);
        w->Widget()->render(&image);
        return image;
    }
    TWinControl* parent = control->Parent();
    QImage whole = Grab(parent);
    const TPoint origin = parent->ClientOrigin();
    return whole.copy(origin.X + control->Left(), origin.Y + control->Top(), control->Width(),
                      control->Height());
}

std::string SavePngIn(const std::string& folder, const QImage& image, const std::string& name) {
    std::filesystem::create_directories(folder);
    const std::string path = (std::filesystem::path(folder) / (name + ".png")).string();
    image.save(QString::fromStdString(path), "PNG");
    return path;
}

} // namespace korvan::testing
