#pragma once
// The desktop's icons for files and folders, standing in for the shell's
// two system image lists (small icons 16 pixels square, large ones 32).
//
// A path that names an existing file or folder gets the icon the desktop's
// icon theme gives it; any other name gets the icon of its file type (found
// by its extension), or the plain file icon when the theme has none. Qt
// falls back to its own built-in file and folder pictures when no theme is
// installed, so there is always an icon.
//
// A number is an index into the list itself. There is no shell list here,
// so the index names one of a few kinds of our own, in this order:
//   0 file, 1 folder, 2 drive, 3 computer, 4 desktop, 5 network, 6 trash;
// any other number has no icon.

#include "platform/gfx/Gdiplus.h"

#include <string>

namespace korvan::forms {

// The side of the icons of the small (16) or large (32) list.
int SystemIconSize(bool large);
// The icon for a path or a list index, with its transparency, exactly
// SystemIconSize(large) square; an invalid image when an index has none.
Gdiplus::Image SystemIcon(const std::string& pathOrIndex, bool large);

} // namespace korvan::forms
