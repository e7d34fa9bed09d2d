#include "platform/forms/HintWindow.h"

#include "platform/forms/Application.h"
#include "platform/forms/Control.h"
#include "platform/forms/ExceptionGuard.h"
#include "platform/forms/Screen.h"
#include "platform/forms/Timer.h"
#include "platform/forms/WinControl.h"
#include "platform/gfx/Color.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QPointer>

namespace korvan::forms {

namespace {

// The control whose hint shows: the nearest one up from `control` with
// ShowHint set.
TControl* HintControlOf(TControl* control) {
    TControl* c = control;
    while (c && !c->ShowHint())
        c = c->Parent();
    return c;
}

// A control without a hint text of its own shows its parent's.
std::string HintTextOf(TControl* control) {
    for (TControl* c = control; c; c = c->Parent())
        if (!c->Hint().empty())
            return c->Hint();
    return {};
}

QColor ToQColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

} // namespace

HintController& Hints() {
    // Never freed, like the application object its timer reports to.
    static HintController* hints = new HintController();
    return *hints;
}

struct HintController::Parts {
    QPointer<QLabel> window;
};

HintController::HintController()
    : timer_(std::make_unique<TTimer>(nullptr)), parts_(std::make_unique<Parts>()) {
    timer_->SetEnabled(false);
    timer_->SetOnTimer([this](TObject*) { Tick(); });
}

HintController::~HintController() {
    if (parts_->window && QCoreApplication::instance())
        delete parts_->window.data();
}

QLabel* HintController::Window() const {
    return parts_->window;
}

void HintController::ControlUnderMouse(TControl* control) {
    TControl* hintControl = HintControlOf(control);
    if (hintControl == control_)
        return;
    Hide();
    control_ = nullptr;
    // A control without a hint text may still give one for the place the
    // pointer rests on (CM_HINTSHOW), so the pause runs for it too.
    if (!hintControl || !Application->ShowHint())
        return;
    control_ = hintControl;
    timer_->SetInterval(unsigned(std::max(Application->HintPause(), 1)));
    timer_->SetEnabled(true);
}

void HintController::Cancel() {
    Hide();
    // Stays away until the pointer reaches another control.
    timer_->SetEnabled(false);
}

void HintController::Forget(TControl* control) {
    if (control == control_) {
        Hide();
        control_ = nullptr;
    }
}

bool HintController::Showing() const {
    return shown_ && parts_->window && parts_->window->isVisible();
}

std::string HintController::ShownText() const {
    return Showing() ? parts_->window->text().toStdString() : std::string();
}

void HintController::Tick() {
    timer_->SetEnabled(false);
    if (shown_) {
        Hide();
        return;
    }
    Show();
    if (shown_ && Application->HintHidePause() > 0) {
        timer_->SetInterval(unsigned(Application->HintHidePause()));
        timer_->SetEnabled(true);
    }
}

void HintController::Show() {
    if (!control_ || !Application->ShowHint() || !QCoreApplication::instance())
        return;
    THintInfo info;
    info.HintControl = control_;
    info.CursorPos = control_->ScreenToClient(CursorPos());
    info.HintStr = GetShortHint(HintTextOf(control_));
    control_->Perform(CM_HINTSHOW, 0, reinterpret_cast<std::intptr_t>(&info));
    const std::string text = info.HintStr;
    if (text.empty())
        return;
    if (!parts_->window) {
        parts_->window = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint);
        parts_->window->setMargin(2);
        parts_->window->setAutoFillBackground(true);
        parts_->window->setFrameStyle(QFrame::Box | QFrame::Plain);
        QPalette palette = parts_->window->palette();
        palette.setColor(QPalette::Window, ToQColor(clInfoBk));
        palette.setColor(QPalette::WindowText, ToQColor(clInfoText));
        parts_->window->setPalette(palette);
    }
    parts_->window->setText(QString::fromStdString(text));
    parts_->window->adjustSize();
    // Below the pointer, as tall as a pointer.
    parts_->window->move(QCursor::pos() + QPoint(0, 20));
    parts_->window->show();
    shown_ = true;
}

void HintController::Hide() {
    timer_->SetEnabled(false);
    if (parts_->window)
        parts_->window->hide();
    shown_ = false;
}

std::string GetShortHint(const std::string& hint) {
    const size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string GetLongHint(const std::string& hint) {
    const size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

} // namespace korvan::forms
