#pragma once
// Helpers the editor's windows are built with: a control placed on its
// parent by name and bounds, a one-shot step timer, the modal show that a
// window already up ignores, and the texts of the main window's language
// table.

#include "platform/forms/Form.h"
#include "platform/forms/Timer.h"

#include <functional>
#include <string>
#include <string_view>

namespace korvan {

template <class T>
T* Place(TComponent* owner, TWinControl* parent, const std::string& name, int left, int top, int width,
         int height) {
    auto* control = new T(owner);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

// A timer that starts disabled; `handler` runs on each tick.
TTimer* MakeTimer(TComponent* owner, const std::string& name, unsigned intervalMs,
                  std::function<void()> handler);
// Disables a running timer, sets its interval and enables it again, so that
// it counts from now.
void RestartTimer(TTimer* timer, unsigned intervalMs);

// Shows `form` modally and returns its result; mrNone without showing when
// it is up already (a second modal show of a shown window is refused).
int ShowModalOnce(TCustomForm* form);
// Ends a modal show (or hides a modeless window) at once.
void CloseWindow(TCustomForm* form);

// The main window's text of `key`; the key itself while there is no main
// window.
std::string Tr(std::string_view key);

} // namespace korvan
