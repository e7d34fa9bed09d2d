#pragma once
// Stands in for the registry: keys under a few roots, each key holding
// named string, integer and binary values. Each root is one INI file in
// the store's folder (section = key path, without leading or trailing
// backslashes; names compare without regard to letter case). The folder
// is $XDG_CONFIG_HOME/korvan-editor/registry (or ~/.config/...) unless a
// test injects another one.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvan::sys {

enum class RootKey { ClassesRoot, CurrentUser, LocalMachine, Users, PerformanceData, CurrentConfig, DynData };

enum class SettingsValueType { String, Integer, Binary };

struct SettingsValue {
    SettingsValueType Type = SettingsValueType::String;
    std::string Text;
    std::int64_t Integer = 0;
    std::vector<std::uint8_t> Bytes;
};

class SettingsStore {
public:
    explicit SettingsStore(std::filesystem::path folder);

    // The process-wide store at the default folder, or at the folder given
    // to SetDefaultFolder (tests point it at a temporary folder).
    static SettingsStore& Default();
    static void SetDefaultFolder(std::filesystem::path folder);
    static std::filesystem::path DefaultFolder();

    const std::filesystem::path& Folder() const { return folder_; }

    bool KeyExists(RootKey root, std::string_view key) const;
    void CreateKey(RootKey root, std::string_view key);
    // Removes the key with its values and every key below it.
    void DeleteKey(RootKey root, std::string_view key);
    std::vector<std::string> SubKeyNames(RootKey root, std::string_view key) const;
    // Value names in the order they were written; the unnamed default value
    // is listed as "".
    std::vector<std::string> ValueNames(RootKey root, std::string_view key) const;

    std::optional<SettingsValue> ReadValue(RootKey root, std::string_view key, std::string_view name) const;
    std::string ReadString(RootKey root, std::string_view key, std::string_view name,
                           std::string_view fallback = {}) const;
    std::int64_t ReadInteger(RootKey root, std::string_view key, std::string_view name,
                             std::int64_t fallback = 0) const;

    void WriteString(RootKey root, std::string_view key, std::string_view name, std::string_view value);
    void WriteInteger(RootKey root, std::string_view key, std::string_view name, std::int64_t value);
    void WriteBinary(RootKey root, std::string_view key, std::string_view name,
                     const std::vector<std::uint8_t>& value);
    void DeleteValue(RootKey root, std::string_view key, std::string_view name);

    // "HKEY_CURRENT_USER" and so on.
    static const char* RootName(RootKey root);

private:
    std::filesystem::path FileOf(RootKey root) const;

    std::filesystem::path folder_;
};

} // namespace korvan::sys
