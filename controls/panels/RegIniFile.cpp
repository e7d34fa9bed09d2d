#include "controls/panels/RegIniFile.h"

#include "platform/forms/Application.h"
#include "platform/text/Format.h"
#include "platform/text/IntText.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;
using korvan::sys::RootKey;
using korvan::sys::SettingsStore;
using korvan::sys::SettingsValue;
using korvan::sys::SettingsValueType;

namespace korvan::panels {
namespace {

std::string HomeOr(const char* variable, const std::string& below) {
    if (const char* v = std::getenv(variable); v && *v)
        return v;
    const char* home = std::getenv("HOME");
    return home ? (fs::path(home) / below).string() : std::string();
}

StorageEnvironment PlatformEnvironment() {
    StorageEnvironment e;
    e.SpecialFolder = [](TRzSpecialFolder folder) -> std::string {
        switch (folder) {
        case sfUserAppDataRoaming:
            return HomeOr("XDG_CONFIG_HOME", ".config");
        case sfUserAppDataLocal:
            return HomeOr("XDG_DATA_HOME", ".local/share");
        case sfUserDocuments:
            return HomeOr("XDG_DOCUMENTS_DIR", "Documents");
        case sfProgramData:
            return "/var/lib";
        default:
            return {};
        }
    };
    e.ExecutablePath = [] {
        std::error_code ec;
        const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
        return ec ? std::string("korvan-editor") : exe.string();
    };
    e.ApplicationTitle = [] { return Application->Title(); };
    return e;
}

StorageEnvironment& Environment() {
    static StorageEnvironment env = PlatformEnvironment();
    return env;
}

} // namespace

void SetStorageEnvironment(StorageEnvironment environment) {
    Environment() = std::move(environment);
}

void ResetStorageEnvironment() {
    Environment() = PlatformEnvironment();
}

} // namespace korvan::panels

// The settings store as an INI file: a section is a key below Path.
class TRzRegIniFile::RegistryIni {
public:
    RegistryIni(RootKey root, std::string path) : root_(root), path_(std::move(path)) {
        Store().CreateKey(root_, path_);
    }
    static SettingsStore& Store() { return SettingsStore::Default(); }
    std::string KeyOf(const std::string& section) const {
        if (section.empty())
            return path_;
        return path_ + (!path_.empty() && path_.back() == '\\' ? "" : "\\") + section;
    }
    std::optional<SettingsValue> Read(const std::string& section, const std::string& name) const {
        return Store().ReadValue(root_, KeyOf(section), name);
    }
    RootKey Root() const { return root_; }
    const std::string& Path() const { return path_; }

private:
    RootKey root_;
    std::string path_;
};

namespace {

const std::vector<std::string> kAccessNames{
    "keyQueryValue", "keySetValue", "keyCreateSubKey", "keyEnumerateSubKeys", "keyNotify",
    "keyCreateLink", "keyRead",     "keyWrite",        "keyExecute",          "keyAllAccess"};

std::vector<std::uint8_t> BytesOfDouble(double v) {
    std::vector<std::uint8_t> out(sizeof v);
    std::memcpy(out.data(), &v, sizeof v);
    return out;
}

bool DoubleOfBytes(const std::vector<std::uint8_t>& bytes, double& v) {
    if (bytes.size() != sizeof v)
        return false;
    std::memcpy(&v, bytes.data(), sizeof v);
    return true;
}

} // namespace

const TClassInfo& TRzRegIniFile::StaticClassInfo() {
    static const TClassInfo info =
        korvan::forms::ClassBuilder<TRzRegIniFile>("TRzRegIniFile", &TComponent::StaticClassInfo())
            .Creator()
            .Property("Path", &TRzRegIniFile::Path, &TRzRegIniFile::SetPath)
            .Enum("PathType", &TRzRegIniFile::PathType, &TRzRegIniFile::SetPathType,
                  {"ptIniFile", "ptRegistry"}, "TRzPathType")
            .Default(ptIniFile)
            .Enum("RegKey", &TRzRegIniFile::RegKey, &TRzRegIniFile::SetRegKey,
                  {"hkeyClassesRoot", "hkeyCurrentUser", "hkeyLocalMachine", "hkeyUsers",
                   "hkeyPerformanceData", "hkeyCurrentConfig", "hkeyDynData"},
                  "TRzRegKey")
            .Default(hkeyCurrentUser)
            .Set("RegAccess", &TRzRegIniFile::RegAccess, &TRzRegIniFile::SetRegAccess, kAccessNames,
                 "TRzRegAccess")
            .Default(keyAllAccess)
            .Enum(
                "SpecialFolder", &TRzRegIniFile::SpecialFolder, &TRzRegIniFile::SetSpecialFolder,
                {"sfNone", "sfUserAppDataRoaming", "sfUserAppDataLocal", "sfUserDocuments", "sfProgramData"},
                "TRzSpecialFolder")
            .Default(sfNone)
            .Enum("FileEncoding", &TRzRegIniFile::FileEncoding, &TRzRegIniFile::SetFileEncoding,
                  {"feDefault", "feUTF8", "feUnicode"}, "TRzIniFileEncoding")
            .Default(feDefault)
            .Build();
    return info;
}

TRzRegIniFile::TRzRegIniFile(TComponent* owner) : TComponent(owner) {}
TRzRegIniFile::~TRzRegIniFile() = default;

namespace {
template <class T> void Change(T& field, const T& value, bool& refresh) {
    if (field == value)
        return;
    field = value;
    refresh = true;
}
} // namespace

void TRzRegIniFile::SetPath(const std::string& value) {
    Change(path_, value, refreshStorage_);
}
void TRzRegIniFile::SetPathType(TRzPathType value) {
    Change(pathType_, value, refreshStorage_);
}
void TRzRegIniFile::SetRegKey(TRzRegKey value) {
    Change(regKey_, value, refreshStorage_);
}
void TRzRegIniFile::SetRegAccess(TRzRegAccess value) {
    Change(regAccess_, value, refreshStorage_);
}
void TRzRegIniFile::SetSpecialFolder(TRzSpecialFolder value) {
    Change(specialFolder_, value, refreshStorage_);
}
void TRzRegIniFile::SetFileEncoding(TRzIniFileEncoding value) {
    Change(fileEncoding_, value, refreshStorage_);
}

unsigned TRzRegIniFile::AccessMask() const {
    static const unsigned masks[] = {0x1, 0x2, 0x4, 0x8, 0x10, 0x20, 0x20019, 0x20006, 0x20019, 0xF003F};
    unsigned mask = 0;
    for (unsigned bit = 0; bit < 10; ++bit)
        if (regAccess_ & (1u << bit))
            mask |= masks[bit];
    return mask;
}

korvan::sys::IniEncoding TRzRegIniFile::Encoding() const {
    switch (fileEncoding_) {
    case feUTF8:
        return korvan::sys::IniEncoding::Utf8;
    case feUnicode:
        return korvan::sys::IniEncoding::Utf16;
    default:
        return korvan::sys::IniEncoding::Default;
    }
}

std::string TRzRegIniFile::ResolveIniPath() const {
    const auto& env = korvan::panels::Environment();
    const fs::path exe = env.ExecutablePath();
    fs::path path = path_;
    if (specialFolder_ != sfNone) {
        fs::path folder = env.SpecialFolder(specialFolder_);
        if (!folder.empty()) {
            folder /= fs::path(path_).parent_path();
            fs::create_directories(folder);
            const fs::path name = path_.empty() ? exe.filename() : fs::path(path_).filename();
            path = folder / fs::path(name).replace_extension(".ini");
        }
    }
    if (path.empty())
        path = fs::path(exe).replace_extension(".ini");
    else if (!path.has_parent_path())
        path = exe.parent_path() / path.replace_extension(".ini");
    return path.string();
}

void TRzRegIniFile::PrepareStorage() {
    if (!refreshStorage_)
        return;
    ini_.reset();
    reg_.reset();
    if (pathType_ == ptIniFile) {
        path_ = ResolveIniPath();
        ini_ = std::make_unique<korvan::sys::IniFile>(path_, Encoding());
    } else {
        if (path_.empty()) {
            const auto& env = korvan::panels::Environment();
            std::string title = env.ApplicationTitle();
            if (title.empty())
                title = fs::path(env.ExecutablePath()).stem().string();
            path_ = "\\Software\\Temp\\" + title;
        }
        reg_ = std::make_unique<RegistryIni>(RootKey(regKey_), path_);
    }
    refreshStorage_ = false;
}

void TRzRegIniFile::WriteBack() {
    ini_->SetEncoding(Encoding());
    ini_->UpdateFile();
}

bool TRzRegIniFile::SectionExists(const std::string& section) {
    PrepareStorage();
    if (ini_)
        return ini_->SectionExists(section);
    return RegistryIni::Store().KeyExists(reg_->Root(), reg_->KeyOf(section));
}

bool TRzRegIniFile::ValueExists(const std::string& section, const std::string& name) {
    PrepareStorage();
    if (ini_)
        return ini_->ValueExists(section, name);
    return reg_->Read(section, name).has_value();
}

bool TRzRegIniFile::ReadBool(const std::string& section, const std::string& name, bool fallback) {
    return ReadInteger(section, name, fallback ? 1 : 0) != 0;
}

void TRzRegIniFile::WriteBool(const std::string& section, const std::string& name, bool value) {
    PrepareStorage();
    if (ini_) {
        ini_->WriteBool(section, name, value);
        WriteBack();
        return;
    }
    RegistryIni::Store().WriteInteger(reg_->Root(), reg_->KeyOf(section), name, value ? 1 : 0);
}

int TRzRegIniFile::ReadInteger(const std::string& section, const std::string& name, int fallback) {
    PrepareStorage();
    if (ini_)
        return ini_->ReadInteger(section, name, fallback);
    const auto v = reg_->Read(section, name);
    if (!v)
        return fallback;
    if (v->Type == SettingsValueType::Integer)
        return int(v->Integer);
    if (v->Type == SettingsValueType::String)
        return StrToIntDef(v->Text, fallback);
    return fallback;
}

void TRzRegIniFile::WriteInteger(const std::string& section, const std::string& name, int value) {
    PrepareStorage();
    if (ini_) {
        ini_->WriteInteger(section, name, value);
        WriteBack();
        return;
    }
    RegistryIni::Store().WriteInteger(reg_->Root(), reg_->KeyOf(section), name, value);
}

std::string TRzRegIniFile::ReadString(const std::string& section, const std::string& name,
                                      const std::string& fallback) {
    PrepareStorage();
    if (ini_)
        return ini_->ReadString(section, name, fallback);
    const auto v = reg_->Read(section, name);
    if (!v)
        return fallback;
    if (v->Type == SettingsValueType::String)
        return v->Text;
    if (v->Type == SettingsValueType::Integer)
        return std::to_string(v->Integer);
    return fallback;
}

void TRzRegIniFile::WriteString(const std::string& section, const std::string& name,
                                const std::string& value) {
    PrepareStorage();
    if (ini_) {
        ini_->WriteString(section, name, value);
        WriteBack();
        return;
    }
    RegistryIni::Store().WriteString(reg_->Root(), reg_->KeyOf(section), name, value);
}

// Floats, dates and times: text in an INI file, the value's eight bytes in
// the settings store.
#define KORVAN_REG_DOUBLE(ReadName, WriteName, IniRead, IniWrite)                                            \
    double TRzRegIniFile::ReadName(const std::string& section, const std::string& name, double fallback) {   \
        PrepareStorage();                                                                                    \
        if (ini_)                                                                                            \
            return ini_->IniRead(section, name, fallback);                                                   \
        const auto v = reg_->Read(section, name);                                                            \
        double out = fallback;                                                                               \
        if (v && v->Type == SettingsValueType::Binary && DoubleOfBytes(v->Bytes, out))                       \
            return out;                                                                                      \
        return fallback;                                                                                     \
    }                                                                                                        \
    void TRzRegIniFile::WriteName(const std::string& section, const std::string& name, double value) {       \
        PrepareStorage();                                                                                    \
        if (ini_) {                                                                                          \
            ini_->IniWrite(section, name, value);                                                            \
            WriteBack();                                                                                     \
            return;                                                                                          \
        }                                                                                                    \
        RegistryIni::Store().WriteBinary(reg_->Root(), reg_->KeyOf(section), name, BytesOfDouble(value));    \
    }

KORVAN_REG_DOUBLE(ReadFloat, WriteFloat, ReadFloat, WriteFloat)
KORVAN_REG_DOUBLE(ReadDate, WriteDate, ReadDate, WriteDate)
KORVAN_REG_DOUBLE(ReadDateTime, WriteDateTime, ReadDateTime, WriteDateTime)
KORVAN_REG_DOUBLE(ReadTime, WriteTime, ReadTime, WriteTime)
#undef KORVAN_REG_DOUBLE

std::vector<std::uint8_t> TRzRegIniFile::ReadBinaryStream(const std::string& section,
                                                          const std::string& name) {
    PrepareStorage();
    if (ini_)
        return ini_->ReadBinary(section, name);
    const auto v = reg_->Read(section, name);
    if (v && v->Type == SettingsValueType::Binary)
        return v->Bytes;
    return {};
}

void TRzRegIniFile::WriteBinaryStream(const std::string& section, const std::string& name,
                                      const std::vector<std::uint8_t>& value) {
    PrepareStorage();
    if (ini_) {
        ini_->WriteBinary(section, name, value);
        WriteBack();
        return;
    }
    RegistryIni::Store().WriteBinary(reg_->Root(), reg_->KeyOf(section), name, value);
}

void TRzRegIniFile::ReadSection(const std::string& section, TStrings* strings) {
    PrepareStorage();
    strings->BeginUpdate();
    strings->Clear();
    const auto names = ini_ ? ini_->ReadSection(section)
                            : RegistryIni::Store().ValueNames(reg_->Root(), reg_->KeyOf(section));
    for (const std::string& n : names)
        strings->Add(n);
    strings->EndUpdate();
}

void TRzRegIniFile::ReadSections(TStrings* strings) {
    PrepareStorage();
    strings->BeginUpdate();
    strings->Clear();
    const auto names =
        ini_ ? ini_->ReadSections() : RegistryIni::Store().SubKeyNames(reg_->Root(), reg_->Path());
    for (const std::string& n : names)
        strings->Add(n);
    strings->EndUpdate();
}

void TRzRegIniFile::ReadSectionValues(const std::string& section, TStrings* strings) {
    PrepareStorage();
    strings->BeginUpdate();
    strings->Clear();
    if (ini_) {
        for (const std::string& line : ini_->ReadSectionValues(section))
            strings->Add(line);
        strings->EndUpdate();
        return;
    }
    SettingsStore& store = RegistryIni::Store();
    const std::string key = reg_->KeyOf(section);
    if (store.KeyExists(reg_->Root(), key)) {
        auto names = store.ValueNames(reg_->Root(), key);
        std::sort(names.begin(), names.end());
        for (const std::string& n : names) {
            const auto v = store.ReadValue(reg_->Root(), key, n);
            if (!v)
                continue;
            const std::string label = n.empty() ? "Default" : n;
            switch (v->Type) {
            case SettingsValueType::String:
                strings->Add(label + "=" + v->Text);
                break;
            case SettingsValueType::Integer:
                strings->Add(label + "=" + std::to_string(v->Integer));
                break;
            case SettingsValueType::Binary: {
                std::string hex;
                for (std::uint8_t b : v->Bytes)
                    hex += Format("%.2X ", {int(b)});
                strings->Add(label + "=" + hex);
                break;
            }
            }
        }
    }
    strings->EndUpdate();
}

void TRzRegIniFile::EraseSection(const std::string& section) {
    PrepareStorage();
    if (ini_) {
        ini_->EraseSection(section);
        WriteBack();
        return;
    }
    RegistryIni::Store().DeleteKey(reg_->Root(), reg_->KeyOf(section));
}

void TRzRegIniFile::DeleteKey(const std::string& section, const std::string& name) {
    PrepareStorage();
    if (ini_) {
        ini_->DeleteKey(section, name);
        WriteBack();
        return;
    }
    RegistryIni::Store().DeleteValue(reg_->Root(), reg_->KeyOf(section), name);
}
