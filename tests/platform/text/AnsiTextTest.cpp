#include "platform/text/AnsiText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

using namespace korvan::text;

namespace {

struct CodePageCase {
    const char* text;  // UTF-8
    const char* bytes; // in the code page
    AnsiCodePage page;
};

// Characters that have a form come back as themselves.
TEST(AnsiText, CharactersWithAFormRoundTrip) {
    const CodePageCase cases[] = {
        {"Caf\u00e9", "Caf\xE9", AnsiCodePage::Windows1252},
        {"\u00e0\u00e7\u00ee\u00f5\u00fc\u00ff\u00c0\u00c9\u00d1\u00df",
         "\xE0\xE7\xEE\xF5\xFC\xFF\xC0\xC9\xD1\xDF", AnsiCodePage::Windows1252},
        {"\u20ac 5", "\x80 5", AnsiCodePage::Windows1252},
        {"\u0152\u0153\u2122\u201c\u201d\u2026\u0178", "\x8C\x9C\x99\x93\x94\x85\x9F",
         AnsiCodePage::Windows1252},
        {"Hall 1", "Hall 1", AnsiCodePage::Gbk},
        {"\u4e2d\u6587", "\xD6\xD0\xCE\xC4", AnsiCodePage::Gbk},
        {"\u4e3b\u97f3\u7bb1A",
         "\xD6\xF7\xD2\xF4\xCF\xE4"
         "A",
         AnsiCodePage::Gbk},
        {"\u20ac", "\x80", AnsiCodePage::Gbk},
        {"\u00e9", "\xA8\xA6", AnsiCodePage::Gbk},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ToAnsi(c.text, c.page), c.bytes);
        EXPECT_EQ(FromAnsi(c.bytes, c.page), c.text);
    }
}

TEST(AnsiText, EveryByteOf1252ComesBackAsItself) {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    const std::string text = FromAnsi(bytes, AnsiCodePage::Windows1252);
    EXPECT_EQ(ToAnsi(text, AnsiCodePage::Windows1252), bytes);
}

// One '?' per character, however many UTF-8 bytes it takes.
TEST(AnsiText, CharactersWithoutAFormBecomeQuestionMarks) {
    const CodePageCase cases[] = {
        {"\u4e2d\u6587", "??", AnsiCodePage::Windows1252},
        {"Ok\U0001F600", "Ok?", AnsiCodePage::Windows1252},
        {"\u0150\u20a9", "??", AnsiCodePage::Windows1252},
        {"\ud55c\uae00", "??", AnsiCodePage::Gbk},
        {"\U0001F600\u00ff", "??", AnsiCodePage::Gbk},
        // Broken UTF-8: a lone continuation byte, a cut sequence, an overlong form.
        {"a\x80z", "a?z", AnsiCodePage::Windows1252},
        {"a\xE4\xB8", "a??", AnsiCodePage::Windows1252},
        {"\xC0\xAF", "??", AnsiCodePage::Gbk},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ToAnsi(c.text, c.page), c.bytes);
    }
}

TEST(AnsiText, GbkBytesWithoutACharacterShowAsQuestionMarks) {
    // 0xFF is never a lead byte; a lead byte at the end has no partner; a
    // lead byte before a byte that cannot follow it stands alone.
    EXPECT_EQ(FromAnsi("A\xFF", AnsiCodePage::Gbk), "A?");
    EXPECT_EQ(FromAnsi("\xD6\xD0\xD6", AnsiCodePage::Gbk), "\u4e2d?");
    EXPECT_EQ(FromAnsi("\xD6 A", AnsiCodePage::Gbk), "? A");
}

TEST(AnsiText, NulBytesStayInTheTextAndEndAField) {
    EXPECT_EQ(FromAnsi(std::string("A\0B", 3), AnsiCodePage::Gbk), std::string("A\0B", 3));
    ScopedAnsiCodePage latin(AnsiCodePage::Windows1252);
    EXPECT_EQ(FromAnsiField(std::string("Caf\xE9\0\0\0", 7)), "Caf\u00e9");
    EXPECT_EQ(FromAnsiField(""), "");
}

TEST(AnsiText, FieldsAreCutAndPaddedInBytes) {
    ScopedAnsiCodePage latin(AnsiCodePage::Windows1252);
    EXPECT_EQ(ToAnsiField("Caf\u00e9", 14, ' '), "Caf\xE9          ");
    EXPECT_EQ(ToAnsiField("Bass \u00e9t\u00e9 long", 8, '\0'), "Bass \xE9t\xE9");
    EXPECT_EQ(ToAnsiField("12", 4, '\0'), std::string("12\0\0", 4));
    ScopedAnsiCodePage chinese(AnsiCodePage::Gbk);
    // Three Chinese characters are six bytes: a five-byte field cuts the third.
    EXPECT_EQ(ToAnsiField("\u4e2d\u6587\u5b57", 5, ' '), "\xD6\xD0\xCE\xC4\xD7");
}

TEST(AnsiText, ChineseLocalesUseGbkAndAllOthers1252) {
    const std::pair<const char*, AnsiCodePage> cases[] = {
        {"zh_CN.UTF-8", AnsiCodePage::Gbk},
        {"zh_CN.GB2312", AnsiCodePage::Gbk},
        {"zh_TW", AnsiCodePage::Gbk},
        {"zh", AnsiCodePage::Gbk},
        {"en_US.UTF-8", AnsiCodePage::Windows1252},
        {"de_DE@euro", AnsiCodePage::Windows1252},
        {"C", AnsiCodePage::Windows1252},
        {"zu_ZA", AnsiCodePage::Windows1252},
        {"", AnsiCodePage::Windows1252},
    };
    for (const auto& [name, page] : cases)
        EXPECT_EQ(CodePageOfLocale(name), page) << name;
}

// Sets an environment variable for its lifetime and restores it after.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnv() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(AnsiText, SystemCodePageFollowsTheLocaleVariablesInTheirOrder) {
    ScopedEnv all("LC_ALL", nullptr);
    ScopedEnv ctype("LC_CTYPE", nullptr);
    ScopedEnv lang("LANG", "zh_CN.UTF-8");
    EXPECT_EQ(SystemAnsiCodePage(), AnsiCodePage::Gbk);
    {
        ScopedEnv ctypeSet("LC_CTYPE", "en_GB.UTF-8");
        EXPECT_EQ(SystemAnsiCodePage(), AnsiCodePage::Windows1252);
        ScopedEnv allSet("LC_ALL", "zh_CN.GBK");
        EXPECT_EQ(SystemAnsiCodePage(), AnsiCodePage::Gbk);
        ScopedEnv allEmpty("LC_ALL", "");
        EXPECT_EQ(SystemAnsiCodePage(), AnsiCodePage::Windows1252);
    }
    {
        ScopedAnsiCodePage forced(AnsiCodePage::Windows1252);
        EXPECT_EQ(SystemAnsiCodePage(), AnsiCodePage::Windows1252);
        EXPECT_EQ(ToAnsiBuffer("\u4e2d"), "?");
    }
    EXPECT_EQ(ToAnsiBuffer("\u4e2d"), "\xD6\xD0");
    EXPECT_EQ(FromAnsiBuffer("\xD6\xD0"), "\u4e2d");
}

} // namespace
