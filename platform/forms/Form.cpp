#include "platform/forms/Form.h"

#include "platform/forms/Application.h"
#include "platform/forms/ControlBridge.h"
#include "platform/forms/ExceptionGuard.h"
#include "platform/forms/Menus.h"
#include "platform/forms/Messages.h"
#include "platform/forms/QtGeometry.h"
#include "platform/forms/VirtualKeys.h"
#include "platform/text/Exception.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

// The top-level frame: a menu bar (when the form has a main menu) above
// the client window. Closing the frame runs the form's close rules.
class korvan_FormWindow : public QWidget {
public:
    explicit korvan_FormWindow(TCustomForm* form) : form_(form) {
        layout_ = new QVBoxLayout(this);
        layout_->setContentsMargins(0, 0, 0, 0);
        layout_->setSpacing(0);
    }
    void Detach() { form_ = nullptr; }
    QVBoxLayout* Layout() { return layout_; }

protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        if (form_)
            korvan::forms::Guarded([this] { form_->Close(); });
    }
    void changeEvent(QEvent* event) override {
        if (form_ && event->type() == QEvent::ActivationChange) {
            TCustomForm* form = form_;
            const bool active = isActiveWindow();
            korvan::forms::Guarded([form, active] {
                if (active && form->OnActivate)
                    form->OnActivate(form);
                if (!active && form->OnDeactivate)
                    form->OnDeactivate(form);
            });
        }
        QWidget::changeEvent(event);
    }

private:
    TCustomForm* form_;
    QVBoxLayout* layout_;
};

namespace {

// Border and caption of the outer frame, by border style.
TSize FrameMetrics(TFormBorderStyle style) {
    switch (style) {
    case bsNone:
        return {0, 0};
    case bsSizeable:
    case bsSizeToolWin:
        return {16, 38};
    case bsToolWindow:
        return {6, 24};
    default:
        return {6, 28};
    }
}

} // namespace

const TClassInfo& TCustomForm::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TCustomForm>("TCustomForm", &TWinControl::StaticClassInfo())
            .Property("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth)
            .Stored(false)
            .Property("ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight)
            .Stored(false)
            .Enum("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle,
                  {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"},
                  "TFormBorderStyle")
            .Default(bsSizeable)
            .Enum("FormStyle", &TCustomForm::FormStyle, &TCustomForm::SetFormStyle,
                  {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"}, "TFormStyle")
            .Default(fsNormal)
            .Enum("Position", &TCustomForm::Position, &TCustomForm::SetPosition,
                  {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                   "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"},
                  "TPosition")
            .Default(poDesigned)
            .Property("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview)
            .Default(false)
            .Property("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl)
            .Property("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu)
            .Build();
    return info;
}

struct TCustomForm::Frame {
    QPointer<QWidget> window;
};

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner), frame_(std::make_unique<Frame>()) {
    korvan::forms::RegisterStandardClasses();
    SetVisible(false);
    SetBounds(0, 0, 320, 240);
    Window();
    Application->FormCreated(this, frame_->window);
}

TCustomForm::~TCustomForm() {
    Destroying();
    if (modalLoop_)
        modalLoop_->quit();
    Application->FormDestroyed(this);
    // Children first, with the frame still alive; then the frame.
    while (ControlCount() > 0) {
        TControl* c = Controls(ControlCount() - 1);
        RemoveControl(c);
        delete c;
    }
    DetachWidget();
    if (frame_->window) {
        static_cast<korvan_FormWindow*>(frame_->window.data())->Detach();
        delete frame_->window.data();
    }
}

QWidget* TCustomForm::Window() {
    if (!frame_->window) {
        auto* frame = new korvan_FormWindow(this);
        frame_->window = frame;
        frame->setWindowTitle(QString::fromStdString(Caption()));
        frame->Layout()->addWidget(Widget(), 1);
        ApplyWindowFlags();
        UpdateWindowBounds();
    }
    return frame_->window;
}

QWidget* TCustomForm::CreateWidget() {
    return new korvan::forms::ControlWidget(this);
}

TSize TCustomForm::FrameExtra() const {
    TSize extra = FrameMetrics(borderStyle_);
    if (menu_ && menu_->Bar())
        extra.cy += menu_->Bar()->sizeHint().height();
    return extra;
}

TRect TCustomForm::ClientRect() const {
    const TSize extra = FrameExtra();
    return Rect(0, 0, std::max(Width() - extra.cx, 0), std::max(Height() - extra.cy, 0));
}

void TCustomForm::UpdateWindowBounds() {
    if (!frame_->window)
        return;
    const TSize extra = FrameExtra();
    const TSize border = FrameMetrics(borderStyle_);
    int menuHeight = extra.cy - border.cy;
    const TRect client = ClientRect();
    // The frame's border and caption belong to the window manager; the
    // window holds the menu bar and the client area.
    const QRect geometry = korvan::forms::WidgetGeometry(
        std::int64_t(Left()) + border.cx / 2, std::int64_t(Top()) + border.cy - border.cx / 2, client.Width(),
        std::int64_t(client.Height()) + menuHeight);
    frame_->window->setGeometry(geometry);
    if (borderStyle_ != bsSizeable && borderStyle_ != bsSizeToolWin)
        frame_->window->setFixedSize(geometry.size());
    else
        frame_->window->setMinimumSize(0, 0),
            frame_->window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void TCustomForm::ApplyWindowFlags() {
    if (!frame_->window)
        return;
    Qt::WindowFlags flags = Qt::Window;
    switch (borderStyle_) {
    case bsNone:
        flags |= Qt::FramelessWindowHint;
        break;
    case bsDialog:
        flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        break;
    case bsToolWindow:
    case bsSizeToolWin:
        flags = Qt::Tool;
        break;
    default:
        break;
    }
    if (formStyle_ == fsStayOnTop)
        flags |= Qt::WindowStaysOnTopHint;
    const bool shown = frame_->window->isVisible();
    frame_->window->setWindowFlags(flags);
    if (shown)
        frame_->window->show();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
    if (style == borderStyle_)
        return;
    const TRect client = ClientRect();
    borderStyle_ = style;
    ApplyWindowFlags();
    // The client area keeps its size; the frame follows.
    const TSize extra = FrameExtra();
    SetBounds(Left(), Top(), client.Width() + extra.cx, client.Height() + extra.cy);
    UpdateWindowBounds();
}

void TCustomForm::SetFormStyle(TFormStyle style) {
    if (style == formStyle_)
        return;
    formStyle_ = style;
    ApplyWindowFlags();
}

void TCustomForm::SetWindowState(TWindowState state) {
    windowState_ = state;
    if (!frame_->window)
        return;
    if (state == wsMinimized)
        frame_->window->setWindowState(Qt::WindowMinimized);
    else if (state == wsMaximized)
        frame_->window->setWindowState(Qt::WindowMaximized);
    else
        frame_->window->setWindowState(Qt::WindowNoState);
}

void TCustomForm::SetMenu(TMainMenu* menu) {
    if (menu == menu_)
        return;
    const TRect client = ClientRect();
    if (menu_ && menu_->Bar())
        menu_->Bar()->hide();
    menu_ = menu;
    if (menu_) {
        QMenuBar* bar = menu_->CreateBar();
        static_cast<korvan_FormWindow*>(Window())->Layout()->setMenuBar(bar);
        bar->show();
    }
    const TSize extra = FrameExtra();
    SetBounds(Left(), Top(), client.Width() + extra.cx, client.Height() + extra.cy);
    UpdateWindowBounds();
}

void TCustomForm::Paint() {
    TCanvas& c = Canvas();
    c.Brush().SetColor(Color());
    c.Brush().SetStyle(bsSolid);
    c.FillRect(TRect{0, 0, Width(), Height()});
}

void TCustomForm::TextChanged() {
    if (frame_->window)
        frame_->window->setWindowTitle(QString::fromStdString(Caption()));
    TWinControl::TextChanged();
}

void TCustomForm::Loaded() {
    TWinControl::Loaded();
    UpdateWindowBounds();
    if (OnCreate)
        OnCreate(this);
}

void TCustomForm::GetChildren(const std::function<void(TComponent*)>& proc, TComponent* root) {
    TWinControl::GetChildren(proc, root);
    // The component rule: when this form is the root, what it owns without
    // a parent to hold it.
    TComponent::GetChildren(proc, root);
}

void TCustomForm::Show() {
    SetVisible(true);
    BringToFront();
}

void TCustomForm::BringToFront() {
    if (frame_->window && frame_->window->isVisible()) {
        frame_->window->raise();
        frame_->window->activateWindow();
    }
}

bool TCustomForm::Active() const {
    return frame_->window && frame_->window->isActiveWindow();
}

void TCustomForm::PlaceWindow() {
    if (placed_)
        return;
    placed_ = true;
    TRect area = Rect(0, 0, 1024, 768);
    if (QScreen* s = QGuiApplication::primaryScreen())
        area = korvan::forms::ToTRect(s->availableGeometry());
    auto centreIn = [this](const TRect& r) {
        SetBounds(r.Left + (r.Width() - Width()) / 2, r.Top + (r.Height() - Height()) / 2, Width(), Height());
    };
    switch (position_) {
    case poScreenCenter:
    case poDesktopCenter:
        centreIn(area);
        break;
    case poMainFormCenter:
    case poOwnerFormCenter: {
        auto* main =
            dynamic_cast<TCustomForm*>(position_ == poOwnerFormCenter ? Owner() : Application->MainForm());
        if (main && main != this)
            centreIn(main->BoundsRect());
        else
            centreIn(area);
        break;
    }
    default:
        break;
    }
}

void TCustomForm::VisibleChanged() {
    if (showingWindow_)
        return;
    showingWindow_ = true;
    try {
        if (Visible()) {
            PlaceWindow();
            Realign();
            DoShow();
            UpdateWindowBounds();
            Window()->show();
            // The focus goes to the active control, or the first in tab order.
            TWinControl* target = activeControl_;
            if (!target)
                target = FindNextControl(nullptr, true, true);
            if (target && target->CanFocus())
                FocusControl(target);
        } else {
            DoHide();
            if (frame_->window)
                frame_->window->hide();
        }
    } catch (...) {
        showingWindow_ = false;
        throw;
    }
    showingWindow_ = false;
    TControl::VisibleChanged();
}

void TCustomForm::DoShow() {
    if (OnShow)
        OnShow(this);
}

void TCustomForm::DoHide() {
    if (OnHide)
        OnHide(this);
}

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::Close() {
    if (modalLoop_) {
        SetModalResult(mrCancel);
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == caNone)
        return;
    if (action == caMinimize) {
        SetWindowState(wsMinimized);
        return;
    }
    Hide();
    if (this == Application->MainForm())
        Application->Terminate();
}

void TCustomForm::SetModalResult(TModalResult result) {
    modalResult_ = result;
    // Only a modal loop listens; on other forms the value changes nothing.
    if (modalLoop_ && result != mrNone)
        modalLoop_->quit();
}

void TCustomForm::CloseModal() {
    TCloseAction action = caHide;
    if (!CloseQuery()) {
        action = caNone;
    } else if (OnClose) {
        OnClose(this, action);
    }
    if (action == caNone)
        modalResult_ = mrNone;
}

int TCustomForm::ShowModal() {
    if (Visible() || modalLoop_)
        throw EInvalidOperation("Cannot make a visible window modal");
    modalResult_ = mrNone;
    // A press held in another window ends here: its release will not come.
    korvan::forms::EndMouseCapture();
    Window()->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    modalLoop_ = &loop;
    try {
        Show();
        while (true) {
            if (modalResult_ == mrNone)
                loop.exec();
            if (HasState(csDestroying))
                break;
            if (modalResult_ != mrNone) {
                CloseModal();
                if (modalResult_ != mrNone)
                    break;
            }
        }
    } catch (...) {
        modalLoop_ = nullptr;
        throw;
    }
    modalLoop_ = nullptr;
    if (!HasState(csDestroying)) {
        Hide();
        frame_->window->setWindowModality(Qt::NonModal);
    }
    return modalResult_;
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (HasState(csLoading) || !Visible()) {
        activeControl_ = control;
        return;
    }
    if (control)
        FocusControl(control);
}

void TCustomForm::FocusControl(TWinControl* control) {
    if (control == this)
        control = nullptr;
    if (control != activeControl_) {
        TWinControl* old = activeControl_;
        activeControl_ = control;
        // Exit from the old control up to the common parent, then enter
        // down to the new one.
        std::vector<TWinControl*> exits, enters;
        for (TWinControl* c = old; c && c != this; c = c->Parent())
            if (!control || !c->ContainsControl(control))
                exits.push_back(c);
        for (TWinControl* c = control; c && c != this; c = c->Parent())
            if (!old || !c->ContainsControl(old))
                enters.insert(enters.begin(), c);
        // A control whose window goes because it or a parent is being
        // destroyed hears no more events: its handlers may reach parts
        // that are gone.
        auto alive = [](TWinControl* c) {
            for (TWinControl* p = c; p; p = p->Parent())
                if (p->HasState(csDestroying))
                    return false;
            return true;
        };
        for (TWinControl* c : exits)
            if (alive(c))
                c->DoExit();
        for (TWinControl* c : enters)
            if (alive(c))
                c->DoEnter();
        Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<std::intptr_t>(control));
    }
    if (control && control->HandleAllocated() && Visible() && !control->Widget()->hasFocus())
        control->Widget()->setFocus(Qt::OtherFocusReason);
}

void TCustomForm::FocusedByWindow(TWinControl* control, bool windowActivation) {
    if (windowActivation && activeControl_) {
        // Coming back to the window: the control that had the focus keeps
        // it, without OnEnter.
        if (activeControl_ != control && activeControl_->CanFocus())
            activeControl_->Widget()->setFocus(Qt::OtherFocusReason);
        return;
    }
    FocusControl(control);
}

void TCustomForm::DefocusControl(TWinControl* control) {
    if (activeControl_ && control->ContainsControl(activeControl_)) {
        TWinControl* next = FindNextControl(activeControl_, true, true);
        if (next && !control->ContainsControl(next))
            FocusControl(next);
        else
            FocusControl(nullptr);
    }
}

void TCustomForm::ControlRemoved(TWinControl* control) {
    if (activeControl_ && control->ContainsControl(activeControl_))
        activeControl_ = nullptr;
}

TWinControl* TCustomForm::FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const {
    std::vector<TWinControl*> list = TabList();
    if (list.empty())
        return nullptr;
    const int n = int(list.size());
    int start = -1;
    for (int i = 0; i < n; ++i)
        if (list[size_t(i)] == current)
            start = i;
    if (start < 0)
        start = forward ? n - 1 : 0;
    int i = start;
    for (int k = 0; k < n; ++k) {
        i = forward ? (i + 1) % n : (i + n - 1) % n;
        TWinControl* c = list[size_t(i)];
        if (c->CanFocus() && (!checkTabStop || c->TabStop()))
            return c;
    }
    return nullptr;
}

void TCustomForm::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
    if (TWinControl* next = FindNextControl(current, forward, checkTabStop))
        FocusControl(next);
}

bool TCustomForm::DialogKey(std::uint16_t key, TShiftState shift) {
    if (shift & ssAlt)
        return false;
    switch (key) {
    case VK_TAB:
        if (shift & ssCtrl)
            return false;
        SelectNext(activeControl_, !(shift & ssShift), true);
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        return false;
    default:
        break;
    }
    // Return and Escape go to every control; the default or cancel
    // button takes them.
    return Perform(CM_DIALOGKEY, key, std::intptr_t(shift)) != 0;
}

bool TCustomForm::DialogChar(unsigned ch) {
    return Perform(CM_DIALOGCHAR, ch) != 0;
}

bool TCustomForm::IsShortCut(TControl* focused, std::uint16_t key, TShiftState shift) {
    for (TControl* c = focused; c && c != this; c = c->Parent())
        if (TPopupMenu* popup = c->PopupMenu(); popup && popup->IsShortCut(key, shift))
            return true;
    if (PopupMenu() && PopupMenu()->IsShortCut(key, shift))
        return true;
    return menu_ && menu_->IsShortCut(key, shift);
}

bool TCustomForm::MenuAccel(unsigned ch) {
    if (!menu_)
        return false;
    TMenuItem* items = menu_->Items();
    for (int i = 0; i < items->Count(); ++i) {
        TMenuItem* item = items->Items(i);
        if (!item->Visible() || !item->Enabled() || !IsAccel(ch, item->Caption()))
            continue;
        if (item->Count() > 0 && menu_->Bar())
            menu_->Bar()->setActiveAction(item->Action());
        else
            item->Click();
        return true;
    }
    return false;
}

const TClassInfo& TForm::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TForm>("TForm", &TCustomForm::StaticClassInfo()).Creator().Build();
    return info;
}

TForm::TForm(TComponent* owner) : TCustomForm(owner) {}

namespace korvan::forms {

TCustomForm* ActiveForm() {
    QWidget* w = QApplication::activeWindow();
    if (!w)
        return nullptr;
    return dynamic_cast<TCustomForm*>(ControlOfWidget(w));
}

} // namespace korvan::forms
