#pragma once
// Where a control's colour-scheme files lie, as the settings store (which
// stands in for the registry) names them: the values "Tashel Defined Theme
// Path" and "User Defined Theme Path" of the key SOFTWARE\Tashel\Themes,
// for the whole machine and for the current user.

#include "controls/plot/core/ColorSchemes.h"

#include <string>

namespace korvan::sys {
class SettingsStore;
}

namespace korvan::plot {

inline constexpr const char* kThemeFoldersKey = "SOFTWARE\\Tashel\\Themes";

class TStoreThemeFolderSettings : public IThemeFolderSettings {
public:
    explicit TStoreThemeFolderSettings(korvan::sys::SettingsStore& store) : store_(store) {}
    // The value, or "" when the key or the value is missing.
    std::string ReadThemeFolder(bool currentUser, const std::string& valueName) override;

private:
    korvan::sys::SettingsStore& store_;
};

} // namespace korvan::plot
