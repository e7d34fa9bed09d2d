#include "platform/forms/Application.h"

#include "platform/forms/Dialogs.h"
#include "platform/forms/ExceptionGuard.h"
#include "platform/forms/Form.h"
#include "platform/forms/GuiThread.h"
#include "platform/forms/HintWindow.h"
#include "platform/sys/SingleInstance.h"
#include "platform/text/Exception.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QWidget>

const TClassInfo& TApplication::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TApplication>("TApplication", &TComponent::StaticClassInfo()).Build();
    return info;
}

class TApplication::Loop : public QEventLoop {};

namespace {
TApplication& TheApplication() {
    // Never freed: components and timers may still refer to it at exit.
    static TApplication* app = new TApplication(nullptr);
    return *app;
}
} // namespace

TApplication* const Application = &TheApplication();

struct TApplication::MainWindowRef {
    QPointer<QWidget> window;
};

TApplication::TApplication(TComponent* owner)
    : TComponent(owner), mainWindow_(std::make_unique<MainWindowRef>()) {}

QWidget* TApplication::MainWindow() const {
    return mainWindow_->window;
}

TApplication::~TApplication() = default;

void TApplication::FormCreated(TComponent* form, QWidget* window) {
    if (!mainForm_) {
        mainForm_ = form;
        mainWindow_->window = window;
    }
}

void TApplication::FormDestroyed(TComponent* form) {
    if (form && form == mainForm_) {
        mainForm_ = nullptr;
        mainWindow_->window = nullptr;
        Terminate();
    }
}

void TApplication::ShowMainWindow() {
    // A form is shown as a form, so it is placed as its Position says.
    if (auto* form = dynamic_cast<TCustomForm*>(mainForm_))
        form->Show();
    else if (mainWindow_->window)
        mainWindow_->window->show();
}

void TApplication::Run() {
    if (terminated_)
        return;
    if (showMainForm_)
        ShowMainWindow();
    loop_ = std::make_unique<Loop>();
    // Calls queued before the loop started run as soon as it turns.
    korvan::forms::Gui().Post([] {});
    while (!terminated_) {
        korvan::forms::Guarded([this] { loop_->exec(); });
    }
    loop_.reset();
}

void TApplication::SetShowHint(bool v) {
    showHint_ = v;
    if (!v)
        CancelHint();
}

void TApplication::CancelHint() {
    korvan::forms::Hints().Cancel();
}

void TApplication::Terminate() {
    terminated_ = true;
    if (loop_)
        loop_->quit();
}

void TApplication::ProcessMessages() {
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    korvan::forms::ProcessPendingCalls();
}

void TApplication::HandleException(TObject* sender) noexcept {
    try {
        try {
            throw;
        } catch (const EAbort&) {
        } catch (const Exception& e) {
            if (OnException)
                OnException(sender, e);
            else
                ShowException(e);
        } catch (const std::exception& e) {
            const Exception wrapped(e.what());
            if (OnException)
                OnException(sender, wrapped);
            else
                ShowException(wrapped);
        } catch (...) {
            const Exception wrapped("");
            if (OnException)
                OnException(sender, wrapped);
            else
                ShowException(wrapped);
        }
    } catch (...) {
        // The exception box itself failed: nothing is left to show it.
    }
}

void TApplication::ShowException(const Exception& e) {
    std::string message = e.Message();
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        message += '.';
    korvan::forms::Dialogs().ShowException(message, title_);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    return korvan::forms::Dialogs().MessageBox(text, caption, flags);
}

void TApplication::BringMainFormToFront() {
    QWidget* w = mainWindow_->window;
    if (!w)
        return;
    if (w->isMinimized())
        w->setWindowState((w->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    w->show();
    w->raise();
    w->activateWindow();
}

bool TApplication::ClaimSingleInstance(const std::string& key, const std::filesystem::path& folder) {
    instance_ = std::make_unique<korvan::sys::SingleInstance>(key, folder);
    if (instance_->Claim(korvan::forms::Gui(), [this] { BringMainFormToFront(); }))
        return true;
    instance_->ActivateFirst();
    instance_.reset();
    showMainForm_ = false;
    Terminate();
    return false;
}

namespace korvan::forms {

void HandleCurrentException() noexcept {
    Application->HandleException(nullptr);
}

} // namespace korvan::forms
