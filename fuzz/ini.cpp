// An INI file's bytes (plain, UTF-8 or UTF-16 with its mark): read, every
// value asked for in each kind, written back and read again.

#include "fuzz/FuzzTarget.h"
#include "platform/sys/IniFile.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    korvan::sys::IniFile ini("/nonexistent/fuzz.ini");
    ini.SetAutoSave(false);
    ini.SetText(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const std::string& section : ini.ReadSections())
        for (const std::string& key : ini.ReadSection(section)) {
            (void)ini.ReadInteger(section, key, 0);
            (void)ini.ReadFloat(section, key, 0);
            (void)ini.ReadBool(section, key, false);
            (void)ini.ReadDateTime(section, key, 0);
            (void)ini.ReadBinary(section, key);
        }
    const std::string text = ini.Text();
    korvan::sys::IniFile again("/nonexistent/fuzz.ini");
    again.SetText(text);
    FuzzCheck(again.ReadSections() == ini.ReadSections());
    return 0;
}
