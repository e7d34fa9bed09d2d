#pragma once
// An INI file held in memory: section and key names compare without regard
// to letter case, sections and keys keep the order of the file and of
// their creation, and every write rewrites the whole file at once.
// Comment lines (";") are dropped when the file is read.

#include "platform/text/DateTime.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace korvan::sys {

enum class IniEncoding {
    Default, // bytes as they are (UTF-8 without a byte-order mark)
    Utf8,    // UTF-8 with a byte-order mark
    Utf16    // UTF-16 little endian with a byte-order mark
};

class IniFile {
public:
    // Reads the file when it exists; a missing file is an empty INI file.
    explicit IniFile(std::filesystem::path path, IniEncoding encoding = IniEncoding::Default);

    const std::filesystem::path& FileName() const { return path_; }
    IniEncoding Encoding() const { return encoding_; }
    void SetEncoding(IniEncoding encoding) { encoding_ = encoding; }
    // When false, writes stay in memory until UpdateFile.
    void SetAutoSave(bool autoSave) { autoSave_ = autoSave; }

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;

    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
    int ReadInteger(std::string_view section, std::string_view key, int fallback) const;
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;
    double ReadFloat(std::string_view section, std::string_view key, double fallback) const;
    TDateTime ReadDateTime(std::string_view section, std::string_view key, TDateTime fallback) const;
    TDateTime ReadDate(std::string_view section, std::string_view key, TDateTime fallback) const;
    TDateTime ReadTime(std::string_view section, std::string_view key, TDateTime fallback) const;
    // Bytes stored as hexadecimal text; empty when the key is missing or
    // its text is not hexadecimal.
    std::vector<std::uint8_t> ReadBinary(std::string_view section, std::string_view key) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    void WriteFloat(std::string_view section, std::string_view key, double value);
    void WriteDateTime(std::string_view section, std::string_view key, TDateTime value);
    void WriteDate(std::string_view section, std::string_view key, TDateTime value);
    void WriteTime(std::string_view section, std::string_view key, TDateTime value);
    void WriteBinary(std::string_view section, std::string_view key, const std::vector<std::uint8_t>& value);
    // Adds an empty section when there is none of that name.
    void AddSection(std::string_view section);

    std::vector<std::string> ReadSections() const;
    std::vector<std::string> ReadSection(std::string_view section) const;       // key names
    std::vector<std::string> ReadSectionValues(std::string_view section) const; // "key=value"
    void EraseSection(std::string_view section);
    void DeleteKey(std::string_view section, std::string_view key);

    // Replaces what is held with the sections of a file's bytes, read as
    // the file is (a UTF-16 or UTF-8 byte-order mark is taken off).
    void SetText(std::string_view bytes);
    // Writes the whole file; raises EFCreateError when it cannot.
    void UpdateFile() const;
    // The file's text as it would be written (always UTF-8 here).
    std::string Text() const;

private:
    struct Entry {
        std::string key, value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };
    const Section* Find(std::string_view section) const;
    Section* Find(std::string_view section);
    const Entry* FindEntry(std::string_view section, std::string_view key) const;
    void Load();
    void Changed();

    std::filesystem::path path_;
    IniEncoding encoding_;
    bool autoSave_ = true;
    std::vector<Section> sections_;
};

} // namespace korvan::sys
