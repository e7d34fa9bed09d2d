#pragma once
// The start-up splash screen of the main window (asScreen): shown once the
// main window's controls are built, closed when the main window shows.

#include "controls/gdip/SplashScreen.h"
#include "platform/forms/LoadScope.h"

namespace korvan {

// Places asScreen on `main` with the settings its stored form gives it.
TDovOveruvAvovozIrurid* PlaceStartupSplash(forms::LoadScope& scope, TForm* main);

} // namespace korvan
