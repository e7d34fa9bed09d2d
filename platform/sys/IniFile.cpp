#include "platform/sys/IniFile.h"

#include "platform/sys/FileIo.h"
#include "platform/sys/Utf16Text.h"
#include "platform/text/Exception.h"
#include "platform/text/FloatText.h"
#include "platform/text/IntText.h"
#include "platform/text/StrUtils.h"

#include <fstream>
#include <sstream>

namespace korvan::sys {

namespace {

// The bytes of a UTF-16 little-endian file (after its byte-order mark) as
// UTF-8 text, and back.
std::string Utf16LeToUtf8(std::string_view bytes) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = char16_t(std::uint8_t(bytes[2 * i]) | (std::uint8_t(bytes[2 * i + 1]) << 8));
    return Utf16ToUtf8(units);
}

std::string Utf8ToUtf16Le(std::string_view text) {
    std::string out;
    for (char16_t u : Utf8ToUtf16(text)) {
        out += char(u & 0xFF);
        out += char(u >> 8);
    }
    return out;
}

using DateTimeParser = bool (*)(std::string_view, TDateTime&, const text::FormatSettings&);

// A stored date or time in the user's format; a missing or unreadable value
// gives the fallback.
TDateTime ParseDateTimeOr(const std::string* stored, DateTimeParser parse, TDateTime fallback) {
    TDateTime v = fallback;
    if (stored && !parse(*stored, v, text::CurrentFormatSettings()))
        v = fallback;
    return v;
}

} // namespace

IniFile::IniFile(std::filesystem::path path, IniEncoding encoding)
    : path_(std::move(path)), encoding_(encoding) {
    Load();
}

void IniFile::Load() {
    std::ifstream in(path_, std::ios::binary);
    if (!in)
        return;
    std::stringstream buffer;
    buffer << in.rdbuf();
    SetText(buffer.str());
}

void IniFile::SetText(std::string_view bytes) {
    sections_.clear();
    std::string text(bytes);
    if (text.size() >= 2 && std::uint8_t(text[0]) == 0xFF && std::uint8_t(text[1]) == 0xFE)
        text = Utf16LeToUtf8(std::string_view(text).substr(2));
    else if (text.size() >= 3 && text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);

    Section* current = nullptr;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const std::string s = Trim(line);
        if (s.empty() || s[0] == ';')
            continue;
        if (s.front() == '[' && s.back() == ']') {
            const std::string name = Trim(std::string_view(s).substr(1, s.size() - 2));
            current = Find(name);
            if (!current) {
                sections_.push_back({name, {}});
                current = &sections_.back();
            }
            continue;
        }
        if (!current)
            continue;
        const size_t eq = s.find('=');
        Entry e;
        e.key = eq == std::string::npos ? s : Trim(std::string_view(s).substr(0, eq));
        e.value = eq == std::string::npos ? "" : Trim(std::string_view(s).substr(eq + 1));
        current->entries.push_back(std::move(e));
    }
}

const IniFile::Section* IniFile::Find(std::string_view section) const {
    for (const auto& s : sections_)
        if (SameText(s.name, section))
            return &s;
    return nullptr;
}

IniFile::Section* IniFile::Find(std::string_view section) {
    return const_cast<Section*>(static_cast<const IniFile*>(this)->Find(section));
}

const IniFile::Entry* IniFile::FindEntry(std::string_view section, std::string_view key) const {
    const Section* s = Find(section);
    if (!s)
        return nullptr;
    for (const auto& e : s->entries)
        if (SameText(e.key, key))
            return &e;
    return nullptr;
}

bool IniFile::SectionExists(std::string_view section) const {
    return Find(section) != nullptr;
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
    return FindEntry(section, key) != nullptr;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    const Entry* e = FindEntry(section, key);
    return e ? e->value : std::string(fallback);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int fallback) const {
    const Entry* e = FindEntry(section, key);
    return e ? StrToIntDef(e->value, fallback) : fallback;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
    return ReadInteger(section, key, fallback ? 1 : 0) != 0;
}

double IniFile::ReadFloat(std::string_view section, std::string_view key, double fallback) const {
    const Entry* e = FindEntry(section, key);
    return e ? StrToFloatDef(e->value, fallback) : fallback;
}

TDateTime IniFile::ReadDateTime(std::string_view section, std::string_view key, TDateTime fallback) const {
    const Entry* e = FindEntry(section, key);
    return ParseDateTimeOr(e ? &e->value : nullptr, TryStrToDateTime, fallback);
}

TDateTime IniFile::ReadDate(std::string_view section, std::string_view key, TDateTime fallback) const {
    const Entry* e = FindEntry(section, key);
    return ParseDateTimeOr(e ? &e->value : nullptr, TryStrToDate, fallback);
}

TDateTime IniFile::ReadTime(std::string_view section, std::string_view key, TDateTime fallback) const {
    const Entry* e = FindEntry(section, key);
    return ParseDateTimeOr(e ? &e->value : nullptr, TryStrToTime, fallback);
}

std::vector<std::uint8_t> IniFile::ReadBinary(std::string_view section, std::string_view key) const {
    const Entry* e = FindEntry(section, key);
    std::vector<std::uint8_t> bytes;
    if (!e || e->value.size() % 2 != 0)
        return bytes;
    for (size_t i = 0; i < e->value.size(); i += 2) {
        int b = 0;
        if (!TryStrToInt("$" + e->value.substr(i, 2), b))
            return {};
        bytes.push_back(std::uint8_t(b));
    }
    return bytes;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = Find(section);
    if (!s) {
        sections_.push_back({std::string(section), {}});
        s = &sections_.back();
    }
    std::string v(value);
    // One line per value: line breaks cannot be kept in an INI file.
    for (char& c : v)
        if (c == '\r' || c == '\n')
            c = ' ';
    for (auto& e : s->entries)
        if (SameText(e.key, key)) {
            e.value = v;
            Changed();
            return;
        }
    s->entries.push_back({std::string(key), v});
    Changed();
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, IntToStr(value));
}
void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}
void IniFile::WriteFloat(std::string_view section, std::string_view key, double value) {
    WriteString(section, key, FloatToStr(value));
}
void IniFile::WriteDateTime(std::string_view section, std::string_view key, TDateTime value) {
    WriteString(section, key, DateTimeToStr(value));
}
void IniFile::WriteDate(std::string_view section, std::string_view key, TDateTime value) {
    WriteString(section, key, DateToStr(value));
}
void IniFile::WriteTime(std::string_view section, std::string_view key, TDateTime value) {
    WriteString(section, key, TimeToStr(value));
}

void IniFile::WriteBinary(std::string_view section, std::string_view key,
                          const std::vector<std::uint8_t>& value) {
    std::string hex;
    for (std::uint8_t b : value)
        hex += IntToHex(b, 2);
    WriteString(section, key, hex);
}

void IniFile::AddSection(std::string_view section) {
    if (!Find(section)) {
        sections_.push_back({std::string(section), {}});
        Changed();
    }
}

std::vector<std::string> IniFile::ReadSections() const {
    std::vector<std::string> names;
    for (const auto& s : sections_)
        names.push_back(s.name);
    return names;
}

std::vector<std::string> IniFile::ReadSection(std::string_view section) const {
    std::vector<std::string> keys;
    if (const Section* s = Find(section))
        for (const auto& e : s->entries)
            keys.push_back(e.key);
    return keys;
}

std::vector<std::string> IniFile::ReadSectionValues(std::string_view section) const {
    std::vector<std::string> lines;
    if (const Section* s = Find(section))
        for (const auto& e : s->entries)
            lines.push_back(e.key + "=" + e.value);
    return lines;
}

void IniFile::EraseSection(std::string_view section) {
    for (auto it = sections_.begin(); it != sections_.end(); ++it)
        if (SameText(it->name, section)) {
            sections_.erase(it);
            Changed();
            return;
        }
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
    Section* s = Find(section);
    if (!s)
        return;
    for (auto it = s->entries.begin(); it != s->entries.end(); ++it)
        if (SameText(it->key, key)) {
            s->entries.erase(it);
            Changed();
            return;
        }
}

std::string IniFile::Text() const {
    std::string text;
    for (const auto& s : sections_) {
        text += "[" + s.name + "]\r\n";
        for (const auto& e : s.entries)
            text += e.key + "=" + e.value + "\r\n";
        text += "\r\n";
    }
    return text;
}

void IniFile::UpdateFile() const {
    std::string bytes = Text();
    if (encoding_ == IniEncoding::Utf8)
        bytes.insert(0, "\xEF\xBB\xBF");
    else if (encoding_ == IniEncoding::Utf16)
        bytes = "\xFF\xFE" + Utf8ToUtf16Le(bytes);
    std::error_code ec;
    if (path_.has_parent_path())
        std::filesystem::create_directories(path_.parent_path(), ec);
    // A failed write never leaves half a file behind.
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    if (!WriteFileReplacing(path_.string(), {data, bytes.size()}))
        throw EFCreateError("Cannot create file \"" + path_.string() + "\"");
}

void IniFile::Changed() {
    if (autoSave_)
        UpdateFile();
}

} // namespace korvan::sys
