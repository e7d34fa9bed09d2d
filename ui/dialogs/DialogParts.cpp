#include "ui/dialogs/DialogParts.h"

#include "ui/main/MainWindow.h"

namespace korvan {

TTimer* MakeTimer(TComponent* owner, const std::string& name, unsigned intervalMs,
                  std::function<void()> handler) {
    auto* timer = new TTimer(owner);
    timer->SetName(name);
    timer->SetEnabled(false);
    timer->SetInterval(intervalMs);
    timer->SetOnTimer([handler = std::move(handler)](TObject*) { handler(); });
    return timer;
}

void RestartTimer(TTimer* timer, unsigned intervalMs) {
    timer->SetEnabled(false);
    timer->SetInterval(intervalMs);
    timer->SetEnabled(true);
}

int ShowModalOnce(TCustomForm* form) {
    if (form == nullptr || form->Visible() || form->Modal())
        return mrNone;
    return form->ShowModal();
}

void CloseWindow(TCustomForm* form) {
    if (form == nullptr)
        return;
    // A modal loop ends only once the loops opened inside it have ended:
    // the window goes from the screen now all the same.
    if (form->Modal())
        form->SetModalResult(mrCancel);
    form->Hide();
}

std::string Tr(std::string_view key) {
    return fmMain != nullptr ? fmMain->Translate(key) : std::string(key);
}

} // namespace korvan
