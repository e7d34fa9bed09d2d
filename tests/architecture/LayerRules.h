#pragma once

// The layer table: what the files of each folder may include.
//
// A file belongs to the longest folder of the table that holds it; an
// included file resolves the same way, or to one of these outside places:
//   std      C++ standard headers (<vector>)
//   posix    C and system headers (<unistd.h>, <sys/socket.h>)
//   Qt/Core, Qt/Gui, Qt/Widgets, ...   a Qt module's headers
//   zlib, jpeg, png, libudev, gtest    the libraries of those names
// An entry allows a place and every place under it ("platform" allows
// platform/sys, "Qt" every Qt module); "*" allows everything.

#include <string_view>

namespace korvan::architecture {

struct LayerRule {
    std::string_view folder;
    std::string_view mayInclude;
};

inline constexpr LayerRule kLayerRules[] = {
    {"app", "*"},
    {"ui/main", "ui device controls platform resources std posix Qt"},
    {"ui/dialogs", "ui/dialogs ui/host ui/curves device controls platform resources std posix Qt"},
    // What dialogs and editors reach of the main window.
    {"ui/host", "ui/host device platform std"},
    {"ui/curves", "ui/curves device controls platform std posix Qt"},
    // The control packs know nothing of one another nor of the editor.
    {"controls/gdip", "controls/gdip platform std posix Qt"},
    {"controls/panels", "controls/panels platform std posix Qt"},
    {"controls/plot", "controls/plot platform std posix Qt"},
    {"device", "device platform/sys platform/text std posix"},
    {"platform/forms", "platform std posix Qt"},
    {"platform/gfx", "platform/gfx platform/text std posix Qt/Core Qt/Gui zlib jpeg png"},
    {"platform/sys", "platform/sys platform/text std posix libudev"},
    // The C library's code-page converters (iconv) besides the standard.
    {"platform/text", "platform/text std posix"},
    {"resources", "resources std"},
    {"tests/support", "tests/support device platform std posix gtest"},
    {"tests/support/gui", "tests/support controls platform std posix Qt gtest"},
};

// The folders whose .cpp and .h files are checked.
inline constexpr std::string_view kCheckedFolders[] = {"app",      "ui",        "controls",     "device",
                                                       "platform", "resources", "tests/support"};

// The public headers of platform/forms include no Qt header: code above the
// layer sees our types only. These are the layer's own headers, which only
// its .cpp files (and the GUI test harness) include.
inline constexpr std::string_view kFormsHeadersWithQt[] = {
    "platform/forms/ControlBridge.h",
    "platform/forms/QtGeometry.h",
    "platform/forms/LineEditWidget.h",
};

} // namespace korvan::architecture
