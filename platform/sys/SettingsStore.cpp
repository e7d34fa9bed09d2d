#include "platform/sys/SettingsStore.h"

#include "platform/sys/IniFile.h"
#include "platform/text/IntText.h"
#include "platform/text/StrUtils.h"

#include <cstdlib>
#include <memory>
#include <mutex>

namespace korvan::sys {

namespace {

// A key path as a section name: backslashes as separators, none doubled,
// none at either end.
std::string NormalKey(std::string_view key) {
    std::string out;
    for (char c : key) {
        if (c == '/')
            c = '\\';
        if (c == '\\' && (out.empty() || out.back() == '\\'))
            continue;
        out += c;
    }
    while (!out.empty() && out.back() == '\\')
        out.pop_back();
    return out;
}

// The unnamed default value is stored under "@".
std::string EntryName(std::string_view name) {
    return name.empty() ? "@" : std::string(name);
}

std::mutex& DefaultMutex() {
    static std::mutex m;
    return m;
}
std::unique_ptr<SettingsStore>& DefaultInstance() {
    static std::unique_ptr<SettingsStore> store;
    return store;
}

} // namespace

SettingsStore::SettingsStore(std::filesystem::path folder) : folder_(std::move(folder)) {}

std::filesystem::path SettingsStore::DefaultFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path base;
    if (xdg && *xdg)
        base = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::filesystem::path(home) / ".config";
    else
        base = std::filesystem::temp_directory_path();
    return base / "korvan-editor" / "registry";
}

SettingsStore& SettingsStore::Default() {
    std::lock_guard lock(DefaultMutex());
    auto& store = DefaultInstance();
    if (!store)
        store = std::make_unique<SettingsStore>(DefaultFolder());
    return *store;
}

void SettingsStore::SetDefaultFolder(std::filesystem::path folder) {
    std::lock_guard lock(DefaultMutex());
    DefaultInstance() = std::make_unique<SettingsStore>(std::move(folder));
}

const char* SettingsStore::RootName(RootKey root) {
    switch (root) {
    case RootKey::ClassesRoot:
        return "HKEY_CLASSES_ROOT";
    case RootKey::CurrentUser:
        return "HKEY_CURRENT_USER";
    case RootKey::LocalMachine:
        return "HKEY_LOCAL_MACHINE";
    case RootKey::Users:
        return "HKEY_USERS";
    case RootKey::PerformanceData:
        return "HKEY_PERFORMANCE_DATA";
    case RootKey::CurrentConfig:
        return "HKEY_CURRENT_CONFIG";
    case RootKey::DynData:
        return "HKEY_DYN_DATA";
    }
    return "HKEY_CURRENT_USER";
}

std::filesystem::path SettingsStore::FileOf(RootKey root) const {
    return folder_ / (std::string(RootName(root)) + ".ini");
}

bool SettingsStore::KeyExists(RootKey root, std::string_view key) const {
    const std::string k = NormalKey(key);
    if (k.empty())
        return true;
    IniFile ini(FileOf(root));
    if (ini.SectionExists(k))
        return true;
    // A key exists also when only keys below it hold values.
    for (const auto& s : ini.ReadSections())
        if (s.size() > k.size() && s[k.size()] == '\\' &&
            SameText(std::string_view(s).substr(0, k.size()), k))
            return true;
    return false;
}

void SettingsStore::CreateKey(RootKey root, std::string_view key) {
    IniFile ini(FileOf(root));
    ini.AddSection(NormalKey(key));
}

void SettingsStore::DeleteKey(RootKey root, std::string_view key) {
    const std::string k = NormalKey(key);
    IniFile ini(FileOf(root));
    ini.SetAutoSave(false);
    for (const auto& s : ini.ReadSections())
        if (SameText(s, k) || (s.size() > k.size() && s[k.size()] == '\\' &&
                               SameText(std::string_view(s).substr(0, k.size()), k)))
            ini.EraseSection(s);
    ini.UpdateFile();
}

std::vector<std::string> SettingsStore::SubKeyNames(RootKey root, std::string_view key) const {
    const std::string k = NormalKey(key);
    const std::string prefix = k.empty() ? "" : k + "\\";
    std::vector<std::string> names;
    IniFile ini(FileOf(root));
    for (const auto& s : ini.ReadSections()) {
        if (s.size() <= prefix.size() || !SameText(std::string_view(s).substr(0, prefix.size()), prefix))
            continue;
        const std::string rest = s.substr(prefix.size());
        const std::string child = rest.substr(0, rest.find('\\'));
        bool known = false;
        for (const auto& n : names)
            known = known || SameText(n, child);
        if (!known)
            names.push_back(child);
    }
    return names;
}

std::vector<std::string> SettingsStore::ValueNames(RootKey root, std::string_view key) const {
    std::vector<std::string> names;
    for (const auto& n : IniFile(FileOf(root)).ReadSection(NormalKey(key)))
        names.push_back(n == "@" ? "" : n);
    return names;
}

std::optional<SettingsValue> SettingsStore::ReadValue(RootKey root, std::string_view key,
                                                      std::string_view name) const {
    IniFile ini(FileOf(root));
    const std::string section = NormalKey(key);
    if (!ini.ValueExists(section, EntryName(name)))
        return std::nullopt;
    const std::string raw = ini.ReadString(section, EntryName(name), "");
    SettingsValue v;
    if (raw.rfind("dword:", 0) == 0) {
        v.Type = SettingsValueType::Integer;
        if (!TryStrToInt64(raw.substr(6), v.Integer))
            return std::nullopt;
    } else if (raw.rfind("hex:", 0) == 0) {
        v.Type = SettingsValueType::Binary;
        const std::string hex = raw.substr(4);
        if (hex.size() % 2 != 0)
            return std::nullopt;
        for (size_t i = 0; i < hex.size(); i += 2) {
            int b = 0;
            if (!TryStrToInt("$" + hex.substr(i, 2), b))
                return std::nullopt;
            v.Bytes.push_back(std::uint8_t(b));
        }
    } else {
        v.Type = SettingsValueType::String;
        v.Text = raw.rfind("sz:", 0) == 0 ? raw.substr(3) : raw;
    }
    return v;
}

std::string SettingsStore::ReadString(RootKey root, std::string_view key, std::string_view name,
                                      std::string_view fallback) const {
    const auto v = ReadValue(root, key, name);
    return v && v->Type == SettingsValueType::String ? v->Text : std::string(fallback);
}

std::int64_t SettingsStore::ReadInteger(RootKey root, std::string_view key, std::string_view name,
                                        std::int64_t fallback) const {
    const auto v = ReadValue(root, key, name);
    return v && v->Type == SettingsValueType::Integer ? v->Integer : fallback;
}

void SettingsStore::WriteString(RootKey root, std::string_view key, std::string_view name,
                                std::string_view value) {
    IniFile(FileOf(root)).WriteString(NormalKey(key), EntryName(name), "sz:" + std::string(value));
}

void SettingsStore::WriteInteger(RootKey root, std::string_view key, std::string_view name,
                                 std::int64_t value) {
    IniFile(FileOf(root)).WriteString(NormalKey(key), EntryName(name), "dword:" + IntToStr(value));
}

void SettingsStore::WriteBinary(RootKey root, std::string_view key, std::string_view name,
                                const std::vector<std::uint8_t>& value) {
    std::string hex;
    for (std::uint8_t b : value)
        hex += IntToHex(b, 2);
    IniFile(FileOf(root)).WriteString(NormalKey(key), EntryName(name), "hex:" + hex);
}

void SettingsStore::DeleteValue(RootKey root, std::string_view key, std::string_view name) {
    IniFile(FileOf(root)).DeleteKey(NormalKey(key), EntryName(name));
}

} // namespace korvan::sys
