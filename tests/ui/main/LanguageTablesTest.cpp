#include "ui/main/LanguageTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>
#include <vector>

namespace {

using korvan::LanguageTables;
using korvan::TranslateIn;

struct Sample {
    const char* key;
    const char* english;
    const char* simplified;
};

// Texts with leading spaces and runs of spaces, symbols, the language word
// that each table holds in the other language, and the table's last entry.
const Sample kSamples[] = {
    {"SID_FILE", "File", "文件"},
    {"SID_EXIT", "Exit", "取消"},
    {"SID_NUMBER", "Number :", "ID 位址:"},
    {"SID_INPUT_ID", " Input ID Number", " 输入 ID"},
    {"SID_IP_ADDRESS", " Input IP Address", " 输入 IP 位址"},
    {"SID_NAME", "    Name", "    名称"},
    {"SID_EQ_PARAM_TITLE",
     " PEQ       Frequency              Q                    Gain                 Type                Bypass",
     " 均衡        頻率                  Q值                 增益                 類型                 旁路"},
    {"SID_PARAM_KEY", "Frequency  ( ← / → )      Q(＋/－)     Gain (  ↑ / ↓  )",
     "频率 ( ← / → )     频宽(＋/－)     增益 (  ↑ / ↓  )"},
    {"SID_LANGUAGE", "语言", "Language"},
    {"SID_CHINESE_TRODITIONAL", "Troditional Chinese", "Troditional Chinese"},
    {"SID_ONLINE", "OnLine", "已连机"},
    {"SID_COMP", "RMS Compressor", "均值压缩器"},
    {"SID_EQ_TYPE3", "LP -6dB", "高切-6dB"},
    {"SID_UPLOAD_PRESET", "Upload preset now , please wait...", "上传预设中 , 请稍候..."},
    {"SID_NO_DEVICE", "No Device found.", "未发现USB硬件，确认进入演示模式。"},
    {"SID_INFO_ERROR_UNIT", "Unit's Type Error !!", "机台型号不符 !!"},
    {"SID_INFO_ERROR_VERSION", "Unit's Version Error !!", "硬件版本不符 !!"},
    {"SID_FACTORY_DEFAULT", "Are you Sure to Return Factory Default?", "确定要恢复机器出厂设置?"},
};

TEST(LanguageTablesTest, TranslateGivesTheExactTextInEachLanguage) {
    LanguageTables tables;
    EXPECT_EQ(tables.Language, "English");
    for (const Sample& s : kSamples) {
        tables.Language = "English";
        EXPECT_EQ(tables.Translate(s.key), s.english) << s.key;
        tables.Language = "ChineseGB";
        EXPECT_EQ(tables.Translate(s.key), s.simplified) << s.key;
    }
}

TEST(LanguageTablesTest, LanguageSelectsTheTable) {
    LanguageTables tables;
    const struct {
        const char* language;
        const TStrings* table;
    } cases[] = {
        {"English", &tables.moEnglish},
        {"ChineseGB", &tables.moSimplified},
        // No Traditional Chinese table exists: it reads the English one.
        {"ChineseBIG5", &tables.moEnglish},
        {"", &tables.moEnglish},
    };
    for (const auto& c : cases) {
        tables.Language = c.language;
        EXPECT_EQ(&tables.CurrentTable(), c.table) << c.language;
    }
}

TEST(LanguageTablesTest, TranslateIgnoresLetterCase) {
    LanguageTables tables;
    for (const char* key : {"sid_file", "Sid_File", "SID_file", "sId_fIlE"}) {
        tables.Language = "English";
        EXPECT_EQ(tables.Translate(key), "File") << key;
        tables.Language = "ChineseGB";
        EXPECT_EQ(tables.Translate(key), "文件") << key;
    }
}

TEST(LanguageTablesTest, FirstMatchingLineWins) {
    TStringList table;
    table.SetText("//c\nSID_A\nfirst\nsid_a\nsecond\nSID_B\nbee\n");
    EXPECT_EQ(TranslateIn(table, "SID_A"), "first");
    EXPECT_EQ(TranslateIn(table, "sid_a"), "first");
    EXPECT_EQ(TranslateIn(table, "SID_B"), "bee");
}

TEST(LanguageTablesTest, MissingKeyGivesTheKeyItself) {
    LanguageTables tables;
    const char* missing[] = {"SID_NOT_THERE", "SID_EXI", "SID_EXIT ", " SID_EXIT", "SID_FILE_"};
    for (const char* language : {"English", "ChineseGB"}) {
        tables.Language = language;
        for (const char* key : missing)
            EXPECT_EQ(tables.Translate(key), key) << language << " '" << key << "'";
    }

    // A key on the table's last line has no text after it.
    TStringList table;
    table.SetText("SID_A\nfirst\nSID_LAST");
    EXPECT_EQ(TranslateIn(table, "SID_LAST"), "SID_LAST");
    TStringList empty;
    EXPECT_EQ(TranslateIn(empty, "SID_A"), "SID_A");
}

bool IsKey(const std::string& line) {
    if (line.size() <= 4 || line.compare(0, 4, "SID_") != 0)
        return false;
    return std::all_of(line.begin(), line.end(),
                       [](unsigned char c) { return std::isupper(c) || std::isdigit(c) || c == '_'; });
}

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return s;
}

struct Layout {
    std::vector<std::string> keys;
    std::set<std::string> texts;
    int comments = 0;
};

// Walks a table line by line: comments, then key/text pairs, then the one
// empty line that closes it.
Layout ReadLayout(const TStrings& table, const char* name) {
    Layout layout;
    const int last = table.Count() - 1;
    for (int i = 0; i < last; ++i) {
        const std::string line = table[i];
        if (line.rfind("//", 0) == 0) {
            ++layout.comments;
            continue;
        }
        EXPECT_TRUE(IsKey(line)) << name << " line " << i + 1 << ": '" << line << "'";
        EXPECT_LT(i + 1, last) << name << ": key " << line << " has no text";
        if (i + 1 >= last)
            break;
        const std::string text = table[i + 1];
        EXPECT_FALSE(text.empty()) << name << " " << line;
        EXPECT_NE(text.rfind("//", 0), 0u) << name << " " << line;
        layout.keys.push_back(line);
        layout.texts.insert(text);
        ++i;
    }
    return layout;
}

TEST(LanguageTablesTest, BothTablesHold326LinesOfCommentsAndEntries) {
    LanguageTables tables;
    std::vector<std::string> keySets[2];
    int n = 0;
    for (const TStrings* table : {&tables.moEnglish, &tables.moSimplified}) {
        const char* name = table == &tables.moEnglish ? "english" : "simplified";
        ASSERT_EQ(table->Count(), 326) << name;
        EXPECT_EQ((*table)[0], "//---------------------- Menu ------------------------") << name;
        EXPECT_EQ((*table)[325], "") << name;

        const Layout layout = ReadLayout(*table, name);
        EXPECT_EQ(layout.keys.size(), 136u) << name;
        EXPECT_EQ(layout.comments, 53) << name;

        // Each key once, and no text line equal to a key (letter case
        // ignored), so the lookup can only ever land on a key.
        std::set<std::string> unique(layout.keys.begin(), layout.keys.end());
        EXPECT_EQ(unique.size(), layout.keys.size()) << name;
        for (const std::string& text : layout.texts)
            EXPECT_FALSE(unique.count(Upper(text))) << name << " text '" << text << "'";

        keySets[n++] = std::vector<std::string>(unique.begin(), unique.end());
    }
    EXPECT_EQ(keySets[0], keySets[1]);
}

} // namespace
