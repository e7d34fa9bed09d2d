#include "ui/main/LanguageTables.h"

#include "resources/lang/LanguageTexts.h"

namespace korvan {

void LoadEnglishTable(TStrings& table) {
    table.SetText(lang::EnglishText());
}

void LoadSimplifiedTable(TStrings& table) {
    table.SetText(lang::SimplifiedText());
}

std::string TranslateIn(const TStrings& table, std::string_view key) {
    const int index = table.IndexOf(key);
    if (index < 0 || index + 1 >= table.Count())
        return std::string(key);
    return table.Get(index + 1);
}

LanguageTables::LanguageTables() {
    LoadEnglishTable(moEnglish);
    LoadSimplifiedTable(moSimplified);
}

const TStrings& LanguageTables::CurrentTable() const {
    if (Language == "ChineseGB")
        return moSimplified;
    return moEnglish;
}

std::string LanguageTables::Translate(std::string_view key) const {
    return TranslateIn(CurrentTable(), key);
}

} // namespace korvan
