#pragma once
// The start-up splash screen of the main window (asScreen): shown once the
// main window's controls are built, closed when the main window shows.

#include "controls/gdip/SplashScreen.h"
#include "platform/forms/LoadScope.h"

#include <cstdint>
#include <future>
#include <vector>

namespace korvan {

// The splash's background picture (PNG), drawn and encoded on a thread of
// its own while the main window's controls are built: it costs as much as a
// tenth of the window's build and nothing else needs it before the splash.
using SplashPicture = std::future<std::vector<std::uint8_t>>;
SplashPicture StartSplashPicture();

// Places asScreen on `main` with the settings its stored form gives it;
// waits for the picture if it is not ready yet.
TDovOveruvAvovozIrurid* PlaceStartupSplash(forms::LoadScope& scope, TForm* main, SplashPicture picture);

} // namespace korvan
