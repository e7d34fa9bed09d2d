#include "controls/plot/core/ThemeFolders.h"

#include "platform/sys/SettingsStore.h"

namespace korvan::plot {

std::string TStoreThemeFolderSettings::ReadThemeFolder(bool currentUser, const std::string& valueName) {
    const auto root = currentUser ? korvan::sys::RootKey::CurrentUser : korvan::sys::RootKey::LocalMachine;
    return store_.ReadString(root, kThemeFoldersKey, valueName);
}

} // namespace korvan::plot
