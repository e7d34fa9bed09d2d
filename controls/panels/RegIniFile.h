#pragma once
// TRzRegIniFile: settings kept either in an INI file (found by path,
// special folder and encoding) or under a key of the settings store that
// stands in for the registry, behind one INI-style interface. Every
// operation first prepares the storage when a property changed; every
// write to an INI file writes the file back.

#include "platform/forms/Component.h"
#include "platform/forms/Strings.h"
#include "platform/sys/IniFile.h"
#include "platform/sys/SettingsStore.h"
#include "platform/text/DateTime.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

enum TRzPathType { ptIniFile, ptRegistry };
enum TRzRegKey {
    hkeyClassesRoot,
    hkeyCurrentUser,
    hkeyLocalMachine,
    hkeyUsers,
    hkeyPerformanceData,
    hkeyCurrentConfig,
    hkeyDynData
};
enum TRzRegAccessKey : unsigned {
    keyQueryValue = 1u << 0,
    keySetValue = 1u << 1,
    keyCreateSubKey = 1u << 2,
    keyEnumerateSubKeys = 1u << 3,
    keyNotify = 1u << 4,
    keyCreateLink = 1u << 5,
    keyRead = 1u << 6,
    keyWrite = 1u << 7,
    keyExecute = 1u << 8,
    keyAllAccess = 1u << 9
};
using TRzRegAccess = unsigned;
enum TRzSpecialFolder { sfNone, sfUserAppDataRoaming, sfUserAppDataLocal, sfUserDocuments, sfProgramData };
enum TRzIniFileEncoding { feDefault, feUTF8, feUnicode };

class TRzRegIniFile : public TComponent {
    KORVAN_CLASS(TRzRegIniFile)
public:
    explicit TRzRegIniFile(TComponent* owner);
    ~TRzRegIniFile() override;

    const std::string& Path() const { return path_; }
    virtual void SetPath(const std::string& value);
    TRzPathType PathType() const { return pathType_; }
    virtual void SetPathType(TRzPathType value);
    TRzRegKey RegKey() const { return regKey_; }
    virtual void SetRegKey(TRzRegKey value);
    TRzRegAccess RegAccess() const { return regAccess_; }
    virtual void SetRegAccess(TRzRegAccess value);
    TRzSpecialFolder SpecialFolder() const { return specialFolder_; }
    virtual void SetSpecialFolder(TRzSpecialFolder value);
    TRzIniFileEncoding FileEncoding() const { return fileEncoding_; }
    virtual void SetFileEncoding(TRzIniFileEncoding value);
    // The OR of the access masks of RegAccess.
    unsigned AccessMask() const;

    bool SectionExists(const std::string& section);
    bool ValueExists(const std::string& section, const std::string& name);
    bool ReadBool(const std::string& section, const std::string& name, bool fallback);
    void WriteBool(const std::string& section, const std::string& name, bool value);
    TDateTime ReadDate(const std::string& section, const std::string& name, TDateTime fallback);
    void WriteDate(const std::string& section, const std::string& name, TDateTime value);
    TDateTime ReadDateTime(const std::string& section, const std::string& name, TDateTime fallback);
    void WriteDateTime(const std::string& section, const std::string& name, TDateTime value);
    double ReadFloat(const std::string& section, const std::string& name, double fallback);
    void WriteFloat(const std::string& section, const std::string& name, double value);
    int ReadInteger(const std::string& section, const std::string& name, int fallback);
    void WriteInteger(const std::string& section, const std::string& name, int value);
    std::string ReadString(const std::string& section, const std::string& name, const std::string& fallback);
    void WriteString(const std::string& section, const std::string& name, const std::string& value);
    TDateTime ReadTime(const std::string& section, const std::string& name, TDateTime fallback);
    void WriteTime(const std::string& section, const std::string& name, TDateTime value);
    std::vector<std::uint8_t> ReadBinaryStream(const std::string& section, const std::string& name);
    void WriteBinaryStream(const std::string& section, const std::string& name,
                           const std::vector<std::uint8_t>& value);
    void ReadSection(const std::string& section, TStrings* strings);
    void ReadSections(TStrings* strings);
    void ReadSectionValues(const std::string& section, TStrings* strings);
    void EraseSection(const std::string& section);
    void DeleteKey(const std::string& section, const std::string& name);

private:
    class RegistryIni;
    void PrepareStorage();
    void WriteBack();
    korvan::sys::IniEncoding Encoding() const;
    std::string ResolveIniPath() const;

    std::string path_;
    TRzPathType pathType_ = ptIniFile;
    TRzRegKey regKey_ = hkeyCurrentUser;
    TRzRegAccess regAccess_ = keyAllAccess;
    TRzSpecialFolder specialFolder_ = sfNone;
    TRzIniFileEncoding fileEncoding_ = feDefault;
    std::unique_ptr<korvan::sys::IniFile> ini_;
    std::unique_ptr<RegistryIni> reg_;
    bool refreshStorage_ = true;
};

namespace korvan::panels {

// Where the special folders are (empty for none) and which program is
// running: the platform's answers unless a test puts its own.
struct StorageEnvironment {
    std::function<std::string(TRzSpecialFolder)> SpecialFolder;
    std::function<std::string()> ExecutablePath;
    std::function<std::string()> ApplicationTitle;
};
void SetStorageEnvironment(StorageEnvironment environment);
// Back to the platform's answers.
void ResetStorageEnvironment();

} // namespace korvan::panels
