#pragma once
// The program's GUI thread: the framework's message loop as sys::GuiThread.
// Posted tasks run in order when the loop turns (or from
// ProcessPendingCalls); timers run on the forms timer scheduler (so a manual
// timer clock drives them in tests, see Timer.h); a watched descriptor is
// reported through the loop's socket notifiers. An exception a task, tick or
// watch handler raises goes to the application's exception box.
//
// A worker that must wait for the GUI thread hands its task over with
// sys::HandOver(forms::Gui(), ...).

#include "platform/sys/GuiThread.h"

namespace korvan::forms {

// The program's one GUI thread.
sys::GuiThread& Gui();

// Runs the queued tasks now (GUI thread only); returns how many ran.
int ProcessPendingCalls();

} // namespace korvan::forms
