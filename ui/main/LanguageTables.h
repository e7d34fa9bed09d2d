#pragma once
// The editor's two language tables and the lookup every window runs for its
// captions and messages. A table is a list of lines: comment lines starting
// with "//", and entries of two lines each, a `SID_*` key line followed by
// its text line. The texts are compiled in from resources/lang.

#include "platform/forms/Strings.h"

#include <string>
#include <string_view>

namespace korvan {

// Fills `table` with the compiled-in English / Simplified Chinese table,
// one string per line (326 each, the last one empty).
void LoadEnglishTable(TStrings& table);
void LoadSimplifiedTable(TStrings& table);

// The text of `key` in `table`: the line after the first line equal to `key`,
// letter case ignored. A key that is not there (or sits on the last line, with
// no text after it) gives the key itself, so a missing entry shows as its key.
std::string TranslateIn(const TStrings& table, std::string_view key);

// The tables of the main window and the choice between them, under the names
// the main window uses for them (`moEnglish`, `moSimplified`, `Language`,
// `Translate`); the main window holds one and answers `Translate` for every
// window through it.
class LanguageTables {
public:
    // Loads both tables; the language is "English".
    LanguageTables();

    // The table `Language` selects: "ChineseGB" the Simplified Chinese one.
    // There is no Traditional Chinese table, so "ChineseBIG5", like any other
    // name, reads the English one.
    const TStrings& CurrentTable() const;
    // The text of `key` in the current table (see TranslateIn).
    std::string Translate(std::string_view key) const;

    TStringList moEnglish;
    TStringList moSimplified;
    // "English", "ChineseGB" or "ChineseBIG5".
    std::string Language = "English";
};

} // namespace korvan
