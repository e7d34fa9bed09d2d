#include "platform/sys/IniFile.h"
#include "platform/sys/SettingsStore.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using korvan::sys::IniEncoding;
using korvan::sys::IniFile;
using korvan::sys::RootKey;
using korvan::sys::SettingsStore;
using korvan::sys::SettingsValueType;

class TempFolder : public ::testing::Test {
protected:
    std::string ReadFile(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    void WriteFile(const fs::path& p, const std::string& text) {
        std::ofstream out(p, std::ios::binary);
        out << text;
    }
    korvan::testing::ScratchFolder scratch_{"sys"};
    const fs::path& dir_ = scratch_.Path();
};

using IniFileTest = TempFolder;

TEST_F(IniFileTest, RoundTripKeepsOrderAndIgnoresCase) {
    const fs::path file = dir_ / "a.ini";
    {
        IniFile ini(file);
        ini.WriteString("Zeta", "Name", "first");
        ini.WriteInteger("Alpha", "Count", -12);
        ini.WriteBool("zeta", "Flag", true);
        ini.WriteFloat("ALPHA", "Ratio", 1.25);
        ini.WriteBinary("Alpha", "Data", {0x00, 0xAB, 0xFF});
        ini.WriteString("Zeta", "NAME", "second"); // same key, other case
        ini.WriteDateTime("Alpha", "When", EncodeDate(2024, 3, 5) + EncodeTime(6, 7, 8, 0));
    }
    // Every write has already rewritten the file.
    EXPECT_EQ(ReadFile(file),
              "[Zeta]\r\nName=second\r\nFlag=1\r\n\r\n"
              "[Alpha]\r\nCount=-12\r\nRatio=1.25\r\nData=00ABFF\r\nWhen=3/5/2024 6:07:08 AM\r\n\r\n");
    IniFile back(file);
    EXPECT_EQ(back.ReadSections(), (std::vector<std::string>{"Zeta", "Alpha"}));
    EXPECT_EQ(back.ReadString("zeta", "name", "x"), "second");
    EXPECT_EQ(back.ReadInteger("alpha", "count", 0), -12);
    EXPECT_TRUE(back.ReadBool("ZETA", "flag", false));
    EXPECT_DOUBLE_EQ(back.ReadFloat("Alpha", "Ratio", 0), 1.25);
    EXPECT_EQ(back.ReadBinary("Alpha", "Data"), (std::vector<std::uint8_t>{0x00, 0xAB, 0xFF}));
    EXPECT_DOUBLE_EQ(back.ReadDateTime("Alpha", "When", 0), EncodeDate(2024, 3, 5) + EncodeTime(6, 7, 8, 0));
    EXPECT_EQ(back.ReadSectionValues("Zeta"), (std::vector<std::string>{"Name=second", "Flag=1"}));
}

TEST_F(IniFileTest, MissingAndBadValuesGiveTheFallback) {
    const fs::path file = dir_ / "b.ini";
    WriteFile(file, "; comment\n[S]\n Num = abc \nOther\n[T]\nF=1,5\n");
    IniFile ini(file);
    EXPECT_EQ(ini.ReadString("S", "Num", ""), "abc");
    EXPECT_EQ(ini.ReadInteger("S", "Num", 7), 7);
    EXPECT_TRUE(ini.ValueExists("S", "Other"));
    EXPECT_EQ(ini.ReadInteger("Missing", "X", 3), 3);
    EXPECT_DOUBLE_EQ(ini.ReadFloat("T", "F", 2.0), 2.0);
    EXPECT_FALSE(ini.ValueExists("T", "G"));
    ini.DeleteKey("S", "num");
    ini.EraseSection("t");
    EXPECT_EQ(IniFile(file).ReadSectionValues("S"), (std::vector<std::string>{"Other="}));
    EXPECT_FALSE(IniFile(file).SectionExists("T"));
}

TEST_F(IniFileTest, Utf16AndUtf8FilesReadBack) {
    for (IniEncoding enc : {IniEncoding::Utf8, IniEncoding::Utf16}) {
        const fs::path file = dir_ / (enc == IniEncoding::Utf8 ? "u8.ini" : "u16.ini");
        IniFile(file, enc).WriteString("Sec", "Text",
                                       "Gr\xC3\xBC\xC3\x9F"
                                       "e \xE4\xB8\xAD");
        const std::string raw = ReadFile(file);
        EXPECT_EQ(raw.substr(0, 2), enc == IniEncoding::Utf8 ? "\xEF\xBB" : "\xFF\xFE");
        EXPECT_EQ(IniFile(file).ReadString("sec", "text", ""), "Gr\xC3\xBC\xC3\x9F"
                                                               "e \xE4\xB8\xAD");
    }
}

using SettingsStoreTest = TempFolder;

TEST_F(SettingsStoreTest, KeysAndTypedValues) {
    SettingsStore store(dir_);
    const char* key = "\\Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";
    EXPECT_FALSE(store.KeyExists(RootKey::CurrentUser, key));
    store.WriteString(RootKey::CurrentUser, key, "ColorName", "Metallic");
    store.WriteInteger(RootKey::CurrentUser, key, "Count", 3);
    store.WriteBinary(RootKey::CurrentUser, key, "Raw", {1, 2});
    store.WriteString(RootKey::CurrentUser, key, "", "default");
    EXPECT_TRUE(store.KeyExists(RootKey::CurrentUser, "software\\microsoft"));
    EXPECT_FALSE(store.KeyExists(RootKey::LocalMachine, key));
    EXPECT_EQ(store.ReadString(RootKey::CurrentUser, "Software/Microsoft/Windows/CurrentVersion/THEMEMANAGER",
                               "colorname"),
              "Metallic");
    EXPECT_EQ(store.ReadInteger(RootKey::CurrentUser, key, "Count"), 3);
    EXPECT_EQ(store.ReadValue(RootKey::CurrentUser, key, "Raw")->Type, SettingsValueType::Binary);
    EXPECT_EQ(store.ReadValue(RootKey::CurrentUser, key, "Raw")->Bytes, (std::vector<std::uint8_t>{1, 2}));
    EXPECT_EQ(store.ReadInteger(RootKey::CurrentUser, key, "ColorName", -1), -1); // wrong type
    EXPECT_EQ(store.ValueNames(RootKey::CurrentUser, key),
              (std::vector<std::string>{"ColorName", "Count", "Raw", ""}));
    EXPECT_EQ(store.SubKeyNames(RootKey::CurrentUser, "Software\\Microsoft\\Windows"),
              (std::vector<std::string>{"CurrentVersion"}));
    store.DeleteKey(RootKey::CurrentUser, "Software\\Microsoft");
    EXPECT_FALSE(store.KeyExists(RootKey::CurrentUser, key));
    EXPECT_FALSE(store.ReadValue(RootKey::CurrentUser, key, "ColorName").has_value());
}

TEST_F(SettingsStoreTest, DefaultStoreFollowsTheInjectedFolder) {
    SettingsStore::SetDefaultFolder(dir_);
    SettingsStore::Default().WriteInteger(RootKey::LocalMachine, "HARDWARE\\DEVICEMAP\\SERIALCOMM", "x", 1);
    EXPECT_TRUE(fs::exists(dir_ / "HKEY_LOCAL_MACHINE.ini"));
    SettingsStore::SetDefaultFolder(SettingsStore::DefaultFolder());
}

} // namespace
